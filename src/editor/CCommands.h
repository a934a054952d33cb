#pragma once
// The editor's command ids: menu items and toolbar buttons with the same id do the same thing and show
// the same image.
namespace zl
{

enum CCommand : int {
    kCmdNewProject = 32771,
    kCmdOpen = 57601,
    kCmdSave = 57603,
    kCmdSaveAs = 57604,
    kCmdPlcSelection = 32784,
    kCmdComSelection = 32782,
    kCmdDownload = 32783,
    kCmdImportOld = 32806,
    kCmdExit = 57665,
    kCmdCut = 32773, // "Cut" in Edit; "Delete component" in Tools carries the same id
    kCmdCopy = 57634,
    kCmdPaste = 57637,
    kCmdDuplicate = 32810,
    kCmdUndo = 57643,
    kCmdRedo = 57644,
    kCmdToolbar = 59392,
    kCmdStatusbar = 59393,
    kCmdNewWindow = 32781,
    kCmdCopyWindow = 32798,
    kCmdDeleteWindow = 32799,
    kCmdPanelConfig = 32792,
    kCmdAlarmList = 32796,
    kCmdLed = 32772,
    kCmdFunctionKey = 32774,
    kCmdText = 32777,
    kCmdDynamicText = 32780,
    kCmdRegister = 32779,
    kCmdBarGraph = 32790,
    kCmdTrendLine = 32791,
    kCmdPicture = 32793,
    kCmdAbout = 57664,
    kCmdWindowAttribute = 32800,
    kCmdCheckProject = 32850, // Tools: compile without sending and list the problems
};

} // namespace zl
