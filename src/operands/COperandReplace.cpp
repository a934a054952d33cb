#include "operands/COperandReplace.h"

#include <algorithm>
#include <utility>

#include "base/CNumValue.h"
#include "model/CProject.h"

namespace zl
{
namespace
{

// The longest type name of any of the protocol's lists that starts `text`.
std::string typePrefix(const CProtocolTables& t, const std::string& text)
{
    std::string best;
    for (COperandList list : {COperandList::kWord, COperandList::kBit, COperandList::kThird, COperandList::kAlarm})
        for (const std::string& name : operandTypeNames(t, list))
            if (name.size() > best.size() && text.compare(0, name.size(), name) == 0)
                best = name;
    return best;
}

Result<std::uint16_t> readAddress(const CProtocolTables& t, const std::string& type, std::string text,
                                  const std::string& whole)
{
    CNumValue number;
    number.octal = t.descriptor().octalAddress(type);
    number.hex = !number.octal && t.hexEntry;
    number.minimum = 0;
    number.maximum = 65535;
    if (text.empty() || number.Validate(text) != CNumValue::kValid || text.front() == '-')
        return makeError("\"" + whole + "\": \"" + text + "\" is no address from 0 to 65535" +
                         (number.hex ? " (hexadecimal)" : number.octal ? " (octal)" : ""));
    return static_cast<std::uint16_t>(number.Parse(text));
}

std::uint16_t addressMax(const CProtocolTables& t, const COperandUse& u)
{
    return u.isBit ? t.coilMax : t.registerMax;
}

std::uint16_t addressMin(const CProtocolTables& t, const COperandUse& u)
{
    const CProtocolDescriptor& d = t.descriptor();
    return (u.field == COperandField::kControlBlock ? d.controlAddressFromOne : d.addressesFromOne) ? 1 : 0;
}

bool overlaps(const COperandUse& a, unsigned aStart, const COperandUse& b, unsigned bStart)
{
    if (a.isBit != b.isBit)
        return false;
    if (a.isBit)
        return aStart == bStart && a.subAddress == b.subAddress;
    return aStart < bStart + b.wordCount && bStart < aStart + a.wordCount;
}

} // namespace

Result<COperandRange> parseOperandRange(const CProtocolTables& t, const std::string& text)
{
    const std::string type = typePrefix(t, text);
    if (type.empty())
        return makeError("\"" + text + "\" names no register type of the protocol");
    std::string rest = text.substr(type.size());
    if (!rest.empty() && rest.front() == ':')
        rest.erase(0, 1);
    std::string lastText;
    if (const auto dash = rest.find('-'); dash != std::string::npos) {
        lastText = rest.substr(dash + 1);
        rest.erase(dash);
        if (lastText.compare(0, type.size(), type) == 0)
            lastText.erase(0, type.size());
        if (!lastText.empty() && lastText.front() == ':')
            lastText.erase(0, 1);
    }
    COperandRange range{type};
    const Result<std::uint16_t> first = readAddress(t, type, rest, text);
    if (!first)
        return first.error();
    range.first = range.last = *first;
    if (text.find('-') != std::string::npos) {
        const Result<std::uint16_t> last = readAddress(t, type, lastText, text);
        if (!last)
            return last.error();
        range.last = *last;
    }
    if (range.last < range.first)
        return makeError("\"" + text + "\": the range ends before it starts");
    return range;
}

CReplacePlan planReplace(const CProject& project, const COperandRange& from, const COperandRange& to)
{
    const CProtocolTables& t = project.tables();
    CReplacePlan plan{indexOperands(project), {}, {}};
    const auto& uses = plan.index.uses;
    auto moves = [&](const COperandUse& u) {
        return !u.named && u.typeName == from.typeName && u.address >= from.first && u.address <= from.last;
    };
    std::vector<unsigned> target(uses.size());
    std::vector<bool> moving(uses.size());
    for (std::size_t i = 0; i < uses.size(); ++i) {
        moving[i] = moves(uses[i]);
        target[i] = moving[i] ? to.first + (uses[i].address - from.first) : uses[i].address;
    }
    auto refuse = [&](const COperandUse& u, const std::string& why) {
        plan.refusals.push_back(describeUse(u) + " " + u.text + ": " + why);
    };
    for (std::size_t i = 0; i < uses.size(); ++i) {
        const COperandUse& u = uses[i];
        if (u.field == COperandField::kControlBlock && !moving[i] &&
            std::any_of(uses.begin(), uses.end(), [&](const COperandUse& o) {
                return o.field == COperandField::kControlBlock && moves(o);
            }))
            refuse(u, "the control block's registers move together, and this one is outside " + from.typeName +
                          operandAddressText(t, from.typeName, from.first) + "-" + from.typeName +
                          operandAddressText(t, from.typeName, from.last));
        if (!moving[i])
            continue;
        COperandUse moved = u;
        moved.typeName = to.typeName;
        const std::string newText = to.typeName + (t.descriptor().fileAddresses ? ":" : "") +
                                    operandAddressText(t, to.typeName, target[i]);
        const auto& names = operandTypeNames(t, u.list);
        const bool allowed = std::find(names.begin(), names.end(), to.typeName) != names.end();
        const unsigned last = target[i] + u.wordCount - 1;
        if (!allowed) {
            refuse(u, "type " + to.typeName + " is not allowed for this field");
        } else if (const auto lock = t.descriptor().typeLock(to.typeName);
                   !u.isBit && lock && lock->wordCount && lock->wordCount != u.wordCount) {
            refuse(u, "type " + to.typeName + " takes " + std::to_string(lock->wordCount) + " words, the operand has " +
                          std::to_string(u.wordCount));
        } else if (target[i] < addressMin(t, u) || last > addressMax(t, u)) {
            refuse(u, "address " + newText + " is out of range " + std::to_string(addressMin(t, u)) + "…" +
                          std::to_string(addressMax(t, u)));
        } else {
            const auto other = std::find_if(uses.begin(), uses.end(), [&](const COperandUse& o) {
                const std::size_t j = static_cast<std::size_t>(&o - uses.data());
                return !moving[j] && !o.named && o.typeName == to.typeName && o.station == u.station &&
                       overlaps(u, target[i], o, target[j]);
            });
            if (other != uses.end())
                refuse(u, newText + " would collide with " + other->text + " (" + describeUse(*other) + ")");
            else
                plan.changes.push_back(
                    {i, u.text,
                     newText + (u.subText.empty() ? "" : (t.descriptor().fileAddresses ? "/" : ".") + u.subText),
                     static_cast<std::uint8_t>(std::find(names.begin(), names.end(), to.typeName) - names.begin()),
                     static_cast<std::uint16_t>(target[i])});
        }
    }
    return plan;
}

Status applyReplace(CProject& project, const CReplacePlan& plan)
{
    if (!plan.refusals.empty())
        return makeError(std::to_string(plan.refusals.size()) + " operand(s) cannot be replaced");
    bool blockMoved = false;
    for (const COperandChange& change : plan.changes) {
        const COperandUse& u = plan.index.uses[change.use];
        switch (u.field) {
        case COperandField::kAlarmCoil:
            project.alarms.registerType = change.registerType;
            project.alarms.address = change.address;
            break;
        case COperandField::kControlBlock: {
            // Every register of the block moves (the plan refuses less), so moving the block's start by the
            // distance of its first register moves them all.
            if (std::exchange(blockMoved, true))
                break;
            CPanelSettings& s = project.panel;
            s.controlRegisterType = change.registerType;
            s.controlRegisterAddress = static_cast<std::uint16_t>(change.address - (u.address - s.controlRegisterAddress));
            break;
        }
        default: {
            CBase& c = *project.WindowAt(static_cast<std::size_t>(u.windowPosition))
                            ->components()[static_cast<std::size_t>(u.componentPosition)];
            c.registerType = change.registerType;
            c.address = change.address;
        }
        }
    }
    return Ok{};
}

} // namespace zl
