#pragma once
// The user's live changes waiting for the next status refresh, one entry per control.
// Touched on the main thread only.

#include <array>

namespace q7582 {

// Entries 0..13 are the level sliders, each setting StatusBlock byte 0..13.
enum LiveParam : int {
    LiveSpeechLevel = 0,
    LiveMusicLevel = 1,
    LiveSpeechInputLevel = 2, // ..6: VOX1, VOX2, Message, Unit and Remote input
    LiveMusicSourceLevel = 7, // ..11: music sources 1..5
    LiveVoxThreshold = 12,    // and 13: VOX1, VOX2
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

inline constexpr int LevelSliderCount = LiveLastLevel + 1;

// input, source: 0..4; vox: 0..1.
constexpr LiveParam speechInputLevel(int input) { return LiveParam(LiveSpeechInputLevel + input); }
constexpr LiveParam musicSourceLevel(int source) { return LiveParam(LiveMusicSourceLevel + source); }
constexpr LiveParam voxThreshold(int vox) { return LiveParam(LiveVoxThreshold + vox); }

struct PendingChange {
    bool ignoreNextChange = false;
    bool changed = false;
};

using PendingChangeTable = std::array<PendingChange, LiveParamCount>;

} // namespace q7582
