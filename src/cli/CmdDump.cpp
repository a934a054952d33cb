// zl410-cli dump: the whole project as JSON: settings, windows with every field of every component, and
// the alarm list. Texts appear as UTF-8 with their GBK bytes.
#include <cstdio>

#include "cli/Cli.h"
#include "cli/ProjectErrors.h"
#include "plc/CProtocolTables.h"
#include "base/CJson.h"
#include "model/CProject.h"
#include "file/CProjectFile.h"

namespace zl::cli {
namespace {

int run(Args& args);
const CliCommand command{"dump", "FILE.pjz", QT_TRANSLATE_NOOP("Message", "print a project as JSON"), run};

CJson communication(const CCommSettings& c)
{
    return CJson::object()
        .set("baud", c.baud)
        .set("dataBits", c.dataBits)
        .set("stopBits", c.stopBits)
        .set("parity", c.parity)
        .set("interface", c.interface)
        .set("plcStation", c.plcStation)
        .set("delay", c.delay);
}

CJson panelSettings(const CPanelSettings& p)
{
    return CJson::object()
        .set("initialWindow", p.initialWindow)
        .set("password", p.password)
        .set("screenSaverDelay", p.screenSaverDelay)
        .set("screenSaverAction", p.screenSaverAction)
        .set("screenSaverWindow", p.screenSaverWindow)
        .set("controlStation", p.controlStation)
        .set("controlRegisterType", p.controlRegisterType)
        .set("controlRegisterAddress", p.controlRegisterAddress)
        .set("statusFlags", p.statusFlags)
        .set("registerStep", p.registerStep);
}

CJson window(const CMainView& w)
{
    CJson components = CJson::array();
    for (const auto& c : w.components()) {
        CJson o = CJson::object();
        c->Describe(o);
        components.push(std::move(o));
    }
    return CJson::object()
        .set("number", w.number)
        .set("description", CJson::text(w.description))
        .set("upJump", w.upJump)
        .set("downJump", w.downJump)
        .set("components", std::move(components));
}

CJson describe(const CProject& p)
{
    // Made one at a time while written: a large project's report never lies in memory whole.
    CJson windows = CJson::generated(p.windowCount(), [&p](std::size_t i) { return window(*p.WindowAt(i)); });
    CJson alarms = CJson::object();
    p.alarms.Describe(alarms);
    return CJson::object()
        .set("formatVersion", p.formatVersion)
        .set("formatMarker", p.formatMarker)
        .set("protocol", p.protocol())
        .set("protocolName", protocolDisplayName(p.protocol()))
        .set("currentWindow", p.currentWindow)
        .set("communication", communication(p.comm))
        .set("panel", panelSettings(p.panel))
        .set("windows", std::move(windows))
        .set("alarmList", std::move(alarms));
}

int run(Args& args)
{
    const std::vector<std::string> files = args.positional();
    if (args.usageError())
        return usage(command, args.usageMessage());
    if (files.size() != 1)
        return usage(command, QT_TRANSLATE_NOOP("Message", "one project file expected"));
    CProject project;
    if (const Status opened = OpenProjectFile(files[0], project); !opened)
        return fail(projectFailure(files[0], opened.error()));
    describe(project).dump(stdout);
    std::fputc('\n', stdout);
    return kExitOk;
}

} // namespace
} // namespace zl::cli
