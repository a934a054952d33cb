// zl410-cli tables: a protocol's name, operand tables, limits, flags, both default sets and the rules of
// the pages and dialogs, as JSON.
#include <cstdio>
#include <string>

#include "cli/Cli.h"
#include "plc/CCommSettings.h"
#include "plc/CProtocolTables.h"
#include "base/CJson.h"
#include "plc/CPanelSettings.h"
#include "plc/CVariableDictionary.h"

namespace zl::cli {
namespace {

int run(Args& args);
const CliCommand command{
    "tables", "--protocol N",
    QT_TRANSLATE_NOOP("Message",
                      "print a protocol's operand tables, limits, flags and default settings as JSON"),
    run};

CJson line(unsigned protocol, const CCommSettings& c)
{
    return CJson::object()
        .set("baud", baudList(protocol).at(c.baud))
        .set("dataBits", dataBitsList().at(c.dataBits))
        .set("stopBits", stopBitsList().at(c.stopBits))
        .set("parity", parityList().at(c.parity))
        .set("interface", interfaceList().at(c.interface))
        .set("plcStation", c.plcStation)
        .set("delay", c.delay);
}

CJson namedVariables()
{
    CJson uses = CJson::object();
    const char* names[] = {"readableRegisters", "writableBits", "readableBits", "writableRegisters"};
    for (int kind = 1; kind <= 4; ++kind) {
        CJson groups = CJson::object();
        const auto& g = CVariableDictionary::groups(kind);
        for (unsigned i = 0; i < g.size(); ++i)
            groups.set(g[i], CJson::arrayOf(CVariableDictionary::variables(i, kind)));
        uses.set(names[kind - 1], std::move(groups));
    }
    return uses;
}

const char* notationName(CProtocolDescriptor::CoilNotation n)
{
    static const char* const names[] = {"dotted", "byteDotted", "hexDigit", "counted", "slashCounted"};
    return names[n];
}

CJson typeLocks(const CProtocolDescriptor& d)
{
    CJson locks = CJson::array();
    for (const CTypeLock& l : d.typeLocks)
        locks.push(CJson::object()
                       .set("typeName", l.typeName)
                       .set("wordCount", l.wordCount)
                       .set("setLocked", l.setLocked)
                       .set("registerPageOnly", l.registerPageOnly)
                       .set("noValueRange", l.noValueRange));
    return locks;
}

int run(Args& args)
{
    const auto protocol = args.number("protocol", 1, kProtocolCount);
    if (!args.positional().empty() || args.usageError() || !protocol)
        return usage(command, args.usageError() ? args.usageMessage() : "--protocol N is required");
    const unsigned p = static_cast<unsigned>(*protocol);
    const CProtocolTables t = CProtocolTables::Build(p, {}, 1);

    CCommSettings startup;
    CPanelSettings panel;
    applyStartupDefaults(p, startup, panel);
    CCommSettings dialog;
    applyDialogDefaults(p, dialog);

    const CShowFlags& s = t.show;
    const CProtocolDescriptor& d = t.descriptor();
    CJson out = CJson::object();
    out.set("protocol", p)
        .set("name", protocolName(p))
        .set("chineseName", protocolChineseName(p))
        .set("wordList", CJson::arrayOf(t.wordList))
        .set("bitList", CJson::arrayOf(t.bitList))
        .set("thirdList", CJson::arrayOf(t.thirdList))
        .set("alarmBitList", CJson::arrayOf(t.alarmBitList))
        .set("formatList", CJson::arrayOf(t.formatList))
        .set("stationMin", t.stationMin)
        .set("stationMax", t.stationMax)
        .set("registerMax", t.registerMax)
        .set("coilMax", t.coilMax)
        .set("bitMax", t.bitMax)
        .set("wordCountMax", t.wordCountMax)
        .set("hexEntry", t.hexEntry)
        .set("octal", t.octal)
        .set("baudOffset", t.baudOffset)
        .set("registerStep", t.registerStep)
        .set("baudList", CJson::arrayOf(baudList(p)))
        .set("showFlags", CJson::object()
                              .set("bitNumber", s.bitNumber)
                              .set("subAddress", s.subAddress)
                              .set("wordCount", s.wordCount)
                              .set("parameter", s.parameter)
                              .set("offset", s.offset)
                              .set("coilActions", s.coilActions)
                              .set("statusFlagsEnabled", s.statusFlagsEnabled)
                              .set("controlBlockEnabled", s.controlBlockEnabled))
        .set("startupDefaults", line(p, startup).set("controlStation", panel.controlStation))
        .set("dialogDefaults", line(p, dialog))
        .set("octalTypes", CJson::arrayOf(d.octalTypes))
        .set("addressesFromOne", d.addressesFromOne)
        .set("fileAddresses", d.fileAddresses)
        .set("typeLocks", typeLocks(d))
        .set("otherTypesWordCount", d.otherTypesWordCount)
        .set("functionKeyJumps", d.functionKeyJumps)
        .set("controlAddressFromOne", d.controlAddressFromOne)
        .set("controlAreaFixed", d.controlAreaFixed)
        .set("controlStationFixed", d.controlStationFixed)
        .set("alarmListOffered", d.alarmListOffered)
        .set("alarmBitInWord", d.alarmBitInWord)
        .set("alarmSubAddressHidden", d.alarmSubAddressHidden)
        .set("alarmWordBitType", d.alarmWordBitType)
        .set("coilNotation", notationName(d.coilNotation));
    if (d.namedVariables)
        out.set("namedVariables", namedVariables());
    std::fputs(out.dump().c_str(), stdout);
    return kExitOk;
}

} // namespace
} // namespace zl::cli
