// zl410-cli operands: every PLC operand a project uses, where and how, with the conflicts among them;
// as lines for a terminal, as JSON, or as CSV for spreadsheets.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "base/CJson.h"
#include "base/ComponentKind.h"
#include "base/Gbk.h"
#include "cli/Cli.h"
#include "cli/ProjectErrors.h"
#include "file/CProjectFile.h"
#include "model/CProject.h"
#include "operands/COperandIndex.h"
#include "qt/CMessages.h"

namespace zl::cli
{
namespace
{

int run(Args& args);
const CliCommand command{
    "operands", "FILE.pjz [--json | --csv]",
    QT_TRANSLATE_NOOP("Message",
                      "list every PLC operand a project uses, with its window, component and conflicts"),
    run};

const char* const kColumns[] = {"window", "windowName", "component", "kind", "x", "y", "field", "access",
                                "station", "type", "address", "sub", "words", "operand", "problems"};

// The reasons a use is marked: its own refusals and the conflicts it takes part in.
std::vector<std::vector<std::string>> reasonsOfUses(const COperandIndex& index)
{
    std::vector<std::vector<std::string>> reasons(index.uses.size());
    for (std::size_t i = 0; i < index.uses.size(); ++i)
        reasons[i] = index.uses[i].problems;
    for (const COperandConflict& c : index.conflicts)
        for (std::size_t i : c.uses)
            reasons[i].push_back(c.reason);
    return reasons;
}

// One row of the columns above, as text.
std::vector<std::string> row(const COperandUse& u, const std::vector<std::string>& reasons)
{
    const bool placed = u.componentPosition >= 0;
    auto number = [placed](long v) { return placed ? std::to_string(v) : std::string(); };
    std::string joined;
    for (const std::string& r : reasons)
        joined += (joined.empty() ? "" : "; ") + r;
    return {number(u.windowNumber), gbkToUtf8(u.windowName), number(u.componentPosition + 1),
            placed ? componentKindName(u.componentType) : "", number(u.x), number(u.y), operandFieldName(u.field),
            accessName(u.access), std::to_string(u.station), u.typeName, u.addressText, u.subText,
            std::to_string(u.wordCount), u.text, joined};
}

std::string csvField(const std::string& s)
{
    if (s.find_first_of(",\"\r\n") == std::string::npos)
        return s;
    std::string q = "\"";
    for (char c : s)
        q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
}

void printCsv(const COperandIndex& index)
{
    std::string line;
    for (const char* c : kColumns)
        line += std::string(line.empty() ? "" : ",") + c;
    std::printf("%s\n", line.c_str());
    const auto reasons = reasonsOfUses(index);
    for (std::size_t i = 0; i < index.uses.size(); ++i) {
        line.clear();
        const char* separator = "";
        for (const std::string& field : row(index.uses[i], reasons[i]))
            line += std::exchange(separator, ",") + csvField(field);
        std::printf("%s\n", line.c_str());
    }
}

CJson json(const CProject& p, const COperandIndex& index)
{
    const auto reasons = reasonsOfUses(index);
    CJson uses = CJson::array();
    for (std::size_t i = 0; i < index.uses.size(); ++i) {
        const COperandUse& u = index.uses[i];
        CJson o = CJson::object();
        if (u.componentPosition >= 0)
            o.set("window", u.windowNumber)
                .set("windowName", gbkToUtf8(u.windowName))
                .set("component", u.componentPosition + 1)
                .set("kind", componentKindName(u.componentType))
                .set("x", u.x)
                .set("y", u.y);
        o.set("field", operandFieldName(u.field))
            .set("access", accessName(u.access))
            .set("station", u.station)
            .set("type", u.typeName)
            .set("address", u.addressText)
            .set("sub", u.subText)
            .set("words", u.wordCount)
            .set("operand", u.text)
            .set("named", u.named)
            .set("problems", CJson::arrayOf(reasons[i]));
        uses.push(std::move(o));
    }
    CJson conflicts = CJson::array();
    for (const COperandConflict& c : index.conflicts) {
        CJson members = CJson::array();
        for (std::size_t i : c.uses)
            members.push(CJson(i));
        conflicts.push(CJson::object().set("reason", c.reason).set("uses", std::move(members)));
    }
    return CJson::object()
        .set("protocol", p.protocol())
        .set("protocolName", protocolDisplayName(p.protocol()))
        .set("uses", std::move(uses))
        .set("conflicts", std::move(conflicts));
}

void printLines(const COperandIndex& index)
{
    for (const COperandUse& u : index.uses) {
        std::string line = localized(QT_TRANSLATE_NOOP("Message", "%1 %2 station %3 %4, %5"),
                                     {padded(u.text, 12), padded(accessText(u.access).toStdString(), 14),
                                      padded(std::to_string(u.station), 3), operandUseText(u).toStdString(),
                                      operandFieldText(u.field).toStdString()});
        if (u.wordCount > 1)
            line += localized(QT_TRANSLATE_NOOP("Message", ", %1 words"), {std::to_string(u.wordCount)});
        std::printf("%s\n", line.c_str());
    }
    for (const COperandUse& u : index.uses)
        for (const std::string& problem : u.problems)
            std::printf("%s\n", localized(QT_TRANSLATE_NOOP("Message", "refused by the tables: %1 (%2)"),
                                          {translateMessage(problem), operandUseText(u).toStdString()})
                                    .c_str());
    for (const COperandConflict& c : index.conflicts)
        std::printf(
            "%s\n",
            localized(QT_TRANSLATE_NOOP("Message", "conflict: %1"), {translateMessage(c.reason)}).c_str());
}

int run(Args& args)
{
    const bool asJson = args.flag("json");
    const bool asCsv = args.flag("csv");
    const std::vector<std::string> files = args.positional();
    if (args.usageError())
        return usage(command, args.usageMessage());
    if (files.size() != 1)
        return usage(command, QT_TRANSLATE_NOOP("Message", "one project file expected"));
    if (asJson && asCsv)
        return usage(command, QT_TRANSLATE_NOOP("Message", "--json and --csv exclude each other"));
    CProject project;
    if (const Status opened = OpenProjectFile(files[0], project); !opened)
        return fail(projectFailure(files[0], opened.error()));
    const COperandIndex index = indexOperands(project);
    if (asJson) {
        json(project, index).dump(stdout);
        std::fputc('\n', stdout);
    } else if (asCsv) {
        printCsv(index);
    } else {
        printLines(index);
    }
    return kExitOk;
}

} // namespace
} // namespace zl::cli
