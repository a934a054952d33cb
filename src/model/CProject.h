#pragma once
// The whole project the tool downloads into one panel: windows sorted by number, the current window,
// the PLC protocol with its communication settings and operand tables, the panel settings and the alarm
// list.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "plc/CCommSettings.h"
#include "plc/CProtocolTables.h"
#include "model/CAlarmList.h"
#include "model/CMainView.h"
#include "plc/CPanelSettings.h"
#include "base/Result.h"

namespace zl {

class CPrompter;

class CProject {
public:
    CProject();
    // A deep copy: the windows with copies of their components (without download records). What a
    // compile that must leave the project untouched works on.
    CProject(const CProject& other);
    CProject& operator=(const CProject&) = delete;
    CProject(CProject&&) = default;
    CProject& operator=(CProject&&) = default;

    // --- protocol
    unsigned protocol() const { return m_protocol; }
    // Selects the protocol and rebuilds the operand tables for it (with their effect on the panel
    // settings: register step, and the settings protocols 1 and 2 fix).
    void SetProtocol(unsigned protocol);
    void RebuildProtocolTables();
    const CProtocolTables& tables() const { return m_tables; }

    // Start-up: reads the tool settings file and the catalogue's entry types, selects the protocol at
    // the remembered list position (clamped to the last entry) and applies its start-up defaults. A
    // missing catalogue gives "File <path> does not exist!" and leaves no protocol selected. A tool
    // settings file that cannot be read leaves the defaults and adds its error on a line of its own.
    Status StartUp(const std::string& cataloguePath, const std::string& toolSettingsPath);
    const std::vector<std::uint8_t>& entryTypes() const { return m_entryTypes; }

    // New Project after the PLC Selection: panel settings and alarm list reset, tables rebuilt, window 1.
    void ResetForNewProject();

    // --- windows
    const std::vector<std::unique_ptr<CMainView>>& windows() const { return m_windows; }
    std::size_t windowCount() const { return m_windows.size(); }
    // Adds a window in number order and makes it current; returns its position. The caller refuses
    // duplicate numbers.
    std::size_t AddWindow(std::uint16_t number, std::string description = {});
    // Position of the window with `number`, or −100 − p with p the position it would be inserted at.
    int FindWindowPosition(std::uint16_t number) const;
    CMainView* WindowAt(std::size_t position) const;
    // The window at position `currentWindow`: the one being edited.
    CMainView* CurrentView() const { return WindowAt(currentWindow); }
    void DeleteWindowAt(std::size_t position);
    // Deletes the current window; an empty project gets window 1 again, and deleting the last window
    // selects the new last one.
    void DeleteCurrentWindow();
    void ClearWindows();
    // Copies the current window into window `target`: created when missing, replaced after the question
    // "No. %d window exist, do you want to replace it?" when present (then it becomes current). False
    // when nothing was copied.
    bool CopyWindow(std::uint16_t target, CPrompter& prompter);
    // Inserts a whole window in number order without changing the current window; returns its position.
    // The caller refuses duplicate numbers.
    std::size_t InsertWindow(std::unique_ptr<CMainView> window);
    // Takes ownership of a window read from a file, at the end of the list.
    void AppendWindow(std::unique_ptr<CMainView> window) { m_windows.push_back(std::move(window)); }

    std::uint16_t currentWindow = 0;
    CCommSettings comm;
    CPanelSettings panel;
    CAlarmList alarms;
    std::uint8_t formatVersion = 11;
    std::uint8_t formatMarker = 1;

private:
    unsigned m_protocol = 0;
    CProtocolTables m_tables;
    std::vector<std::uint8_t> m_entryTypes;
    std::vector<std::unique_ptr<CMainView>> m_windows;
};

} // namespace zl
