// Command ids of the menus, the toolbars and the accelerator table; Qt actions carry them as data.
#pragma once

namespace cmd {

inline constexpr int ControlBar = 1000;
inline constexpr int ImageExport = 32783;
inline constexpr int ImageNote = 32785;
inline constexpr int Preferences = 32786;
inline constexpr int AsciiExport = 32787;
inline constexpr int CommandHelp = 32793;
inline constexpr int ViewInformation = 32794;
inline constexpr int LightInformation = 32795;
inline constexpr int StereoAnaglyph = 32796;
inline constexpr int StlExport = 32800;
inline constexpr int VrmlExport = 32801;
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileSave = 57603;
inline constexpr int PrintSetup = 57606;
inline constexpr int Print = 57607;
inline constexpr int PrintDirect = 57608;
inline constexpr int PrintPreview = 57609;
inline constexpr int RecentFile1 = 57616;
inline constexpr int EditCopy = 57634;
inline constexpr int EditCut = 57635;
inline constexpr int EditPaste = 57637;
inline constexpr int EditUndo = 57643;
inline constexpr int AppAbout = 57664;
inline constexpr int AppExit = 57665;
inline constexpr int NextPane = 57680;
inline constexpr int PrevPane = 57681;
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;

inline constexpr int RecentFileCount = 4;

} // namespace cmd
