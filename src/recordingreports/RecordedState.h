#pragma once
// What a recording holds at one instant, as the reports read it: the PC's time, the
// connection, and the master's whole status while one is connected.

#include "model/StatusBlock.h"

#include <QtGlobal>

#include <functional>

namespace q7582 {

enum class RecordedLink { Unplugged, Searching, Master, Generator };

struct RecordedState {
    qint64 pcTimeMs = 0; // ms since the epoch, UTC
    RecordedLink link = RecordedLink::Unplugged;
    StatusBlock master; // both pages; meaningful while link is Master
};

// A recording's states in time order, streamed: the reports never hold a whole recording.
class RecordedStates {
public:
    virtual ~RecordedStates() = default;
    // Visits the state in force at fromMs, then every later one before toMs; stops
    // early when visit returns false. False with a reason when the recording fails.
    virtual bool forEach(qint64 fromMs, qint64 toMs, const std::function<bool(const RecordedState&)>& visit,
                         QString* error) const = 0;
};

} // namespace q7582
