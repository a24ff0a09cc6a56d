#pragma once
// The help topics by context number: the help file's topic ids, the same in the chm
// viewer and in the built-in help window (help/topics/<language>/<number>.html).

namespace q7582::HelpContext {

inline constexpr int Contents = 1000;

inline constexpr int ConfigEditor = 2000;
inline constexpr int EditorKeys = 2001, EditorVox = 2002, EditorMessages = 2003, EditorOutEvents = 2004,
                     EditorTimers = 2005, EditorLogic = 2006, EditorListings = 2007;

inline constexpr int MainWindow = 3000;
inline constexpr int InputPanel = 3001, MasterPanel = 3002, MusicPanel = 3003, SpeechPanel = 3004, VoxPanel = 3005,
                     ZonePanel = 3006, OutputPanel = 3007, GroupPanel = 3008, ActiveSourcePanel = 3009,
                     UnitPanel = 3010, MusicSelectionPanel = 3011;

inline constexpr int MessageFolderCompiler = 4000;

inline constexpr int GeneratorPanel = 5000;

// The built-in help's task topics history.html and timeline.html; the help files have no
// topic for them.
inline constexpr int HistoryWindow = 6000;
inline constexpr int TimelineWindow = 6001;

// Every number above: each needs a topic in both languages.
inline constexpr int All[] = {Contents,
                              ConfigEditor,
                              EditorKeys,
                              EditorVox,
                              EditorMessages,
                              EditorOutEvents,
                              EditorTimers,
                              EditorLogic,
                              EditorListings,
                              MainWindow,
                              InputPanel,
                              MasterPanel,
                              MusicPanel,
                              SpeechPanel,
                              VoxPanel,
                              ZonePanel,
                              OutputPanel,
                              GroupPanel,
                              ActiveSourcePanel,
                              UnitPanel,
                              MusicSelectionPanel,
                              MessageFolderCompiler,
                              GeneratorPanel,
                              HistoryWindow,
                              TimelineWindow};

} // namespace q7582::HelpContext
