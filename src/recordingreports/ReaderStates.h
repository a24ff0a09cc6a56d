#pragma once
// A recording file read as recorded states: the reader's reads and connection events
// merged in time order, the master's status rebuilt read by read.

#include "recorder/RecordingReader.h"
#include "recordingreports/RecordedState.h"
#include "settings/NameTables.h"

namespace q7582 {

class ReaderStates : public RecordedStates {
public:
    explicit ReaderStates(const RecordingReader& reader) : reader_(reader) {}

    bool forEach(qint64 fromMs, qint64 toMs, const std::function<bool(const RecordedState&)>& visit,
                 QString* error) const override;

private:
    const RecordingReader& reader_;
};

// The state of a whole status rebuilt at ms (RecordingReader::statusAt).
RecordedState stateOf(const RecordedStatus& status, qint64 ms);

// The names a recording kept (NameTables::asText: a line "zone 3=Hall" per name); those
// it does not name keep their defaults.
NameTables namesFromText(const QString& text);

} // namespace q7582
