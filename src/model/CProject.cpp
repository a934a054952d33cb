#include "model/CProject.h"

#include <algorithm>
#include <cstdio>

#include "plc/CProtocolCatalogue.h"
#include "plc/CToolSettings.h"
#include "base/CPrompter.h"

namespace zl {

CProject::CProject() = default;

CProject::CProject(const CProject& other)
    : currentWindow(other.currentWindow), comm(other.comm), panel(other.panel), alarms(other.alarms),
      formatVersion(other.formatVersion), formatMarker(other.formatMarker), m_protocol(other.m_protocol),
      m_tables(other.m_tables), m_entryTypes(other.m_entryTypes)
{
    m_windows.reserve(other.m_windows.size());
    for (const auto& w : other.m_windows) {
        auto copy = std::make_unique<CMainView>(w->number);
        copy->upJump = w->upJump;
        copy->downJump = w->downJump;
        copy->CopyComponentsFrom(*w);
        m_windows.push_back(std::move(copy));
    }
}

void CProject::SetProtocol(unsigned protocol)
{
    m_protocol = protocol;
    RebuildProtocolTables();
}

void CProject::RebuildProtocolTables()
{
    m_tables = CProtocolTables::Build(m_protocol, m_tables, comm.plcStation);
    panel.registerStep = m_tables.registerStep;
    if (!m_tables.show.statusFlagsEnabled)
        panel.statusFlags = 0;
    if (m_tables.descriptor().controlTypeFixed)
        panel.controlRegisterType = 0;
}

Status CProject::StartUp(const std::string& cataloguePath, const std::string& toolSettingsPath)
{
    // A settings file that cannot be read leaves the defaults; it is told after the catalogue's trouble.
    const Result<CToolSettings> settings = CToolSettings::Read(toolSettingsPath);
    const CToolSettings remembered = settings ? *settings : CToolSettings{};
    comm.listPosition = remembered.listPosition;
    comm.portIndex = remembered.portIndex;

    auto types = CProtocolCatalogue::ReadEntryTypes(cataloguePath);
    if (!types) {
        CError e = types.error();
        if (!settings)
            e.text += "\n" + settings.error().text;
        return e;
    }
    m_entryTypes = std::move(*types);
    formatVersion = 11;
    formatMarker = 1;
    if (!m_entryTypes.empty()) { // else nothing to select; New Project reports the empty catalogue
        if (comm.listPosition >= m_entryTypes.size())
            comm.listPosition = static_cast<std::uint8_t>(m_entryTypes.size() - 1);
        m_protocol = m_entryTypes[comm.listPosition];
        applyStartupDefaults(m_protocol, comm, panel);
        RebuildProtocolTables();
    }
    if (!settings)
        return settings.error();
    return Ok{};
}

void CProject::ResetForNewProject()
{
    ClearWindows();
    panel.resetForNewProject(m_protocol);
    alarms.Reset(m_protocol);
    RebuildProtocolTables();
    currentWindow = 0;
    AddWindow(1);
}

std::size_t CProject::AddWindow(std::uint16_t number, std::string description)
{
    currentWindow = static_cast<std::uint16_t>(InsertWindow(std::make_unique<CMainView>(number, std::move(description))));
    return currentWindow;
}

std::size_t CProject::InsertWindow(std::unique_ptr<CMainView> window)
{
    const std::uint16_t number = window->number;
    const auto it = std::find_if(m_windows.begin(), m_windows.end(), [&](const auto& w) { return w->number > number; });
    const auto at = m_windows.insert(it, std::move(window));
    return static_cast<std::size_t>(at - m_windows.begin());
}

int CProject::FindWindowPosition(std::uint16_t number) const
{
    std::size_t p = 0;
    for (; p < m_windows.size(); ++p) {
        if (m_windows[p]->number == number)
            return static_cast<int>(p);
        if (m_windows[p]->number > number)
            break;
    }
    return -100 - static_cast<int>(p);
}

CMainView* CProject::WindowAt(std::size_t position) const
{
    return position < m_windows.size() ? m_windows[position].get() : nullptr;
}

void CProject::DeleteWindowAt(std::size_t position)
{
    if (position < m_windows.size())
        m_windows.erase(m_windows.begin() + static_cast<std::ptrdiff_t>(position));
}

void CProject::DeleteCurrentWindow()
{
    DeleteWindowAt(currentWindow);
    if (m_windows.empty()) {
        currentWindow = 0;
        AddWindow(1);
    } else if (currentWindow >= m_windows.size()) {
        currentWindow = static_cast<std::uint16_t>(m_windows.size() - 1);
    }
}

void CProject::ClearWindows() { m_windows.clear(); }

bool CProject::CopyWindow(std::uint16_t target, CPrompter& prompter)
{
    CMainView* source = CurrentView();
    if (!source || source->number == target)
        return false;
    const int found = FindWindowPosition(target);
    if (found < 0) {
        // The new window becomes current; the source keeps its object, so take its copy first.
        const std::uint16_t sourcePosition = currentWindow;
        const std::size_t at = AddWindow(target);
        CMainView* from = m_windows[sourcePosition >= at ? sourcePosition + 1u : sourcePosition].get();
        m_windows[at]->CopyComponentsFrom(*from);
        return true;
    }
    char text[80];
    std::snprintf(text, sizeof text, "No. %d window exist, do you want to replace it?", int(target));
    if (!prompter.askOkCancel(text, "The window exist"))
        return false;
    CMainView& into = *m_windows[static_cast<std::size_t>(found)];
    into.DeleteAll();
    into.CopyComponentsFrom(*source);
    currentWindow = static_cast<std::uint16_t>(found);
    return true;
}

} // namespace zl
