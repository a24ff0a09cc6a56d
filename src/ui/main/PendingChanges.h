#pragma once
// The user's live changes waiting for the next status refresh, one entry per control.
// Touched on the main thread only.

#include <array>

namespace q7582 {

enum LiveParam : int {
    LiveSpeechLevel = 0,
    LiveMusicLevel = 1,
    LiveLastLevel = 13,
    LiveMasterAddress = 16,
    LiveMusicOnRemote = 17,
    LiveMusicSource = 18, // ignoreNextChange: the drop-down list is open
    LiveZoneMusic = 19,
    LiveChime = 20,
    LiveClockAlign = 22,
    LiveGeneratorClockAlign = 23,
    LiveSummerTime = 24,
    LiveGeneratorSummerTime = 25,
    LiveGeneratorHeadphone = 26,
    LiveGeneratorChannels = 27,
    LiveGeneratorLegalUpdate = 28,
    LiveParamCount = 29,
};

struct PendingChange {
    bool ignoreNextChange = false;
    bool changed = false;
};

using PendingChangeTable = std::array<PendingChange, LiveParamCount>;

} // namespace q7582
