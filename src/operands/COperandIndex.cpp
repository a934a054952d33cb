#include "operands/COperandIndex.h"

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>

#include "base/CNumValue.h"
#include "base/ComponentKind.h"
#include "base/Gbk.h"
#include "components/CBarTide.h"
#include "components/CDynamic.h"
#include "components/CFunction.h"
#include "components/CLight.h"
#include "components/CRegister.h"
#include "model/CProject.h"
#include "plc/CVariableDictionary.h"

namespace zl
{
namespace
{

// How one kind of operand field is read: its type list, the named-variable list and whether the pages
// show its sub-address (or bit) and take it in hexadecimal.
struct CFieldRule {
    COperandList list;
    int variableKind;
    bool isBit;
    bool subShown;
    bool subHex;
};

// The operand fields of a component as its page binds them; the type value is worked out by the caller.
struct COperandSource {
    std::uint8_t station, registerType, subType, subAddress, wordCount;
    std::uint16_t address;
    std::uint16_t namedAddress;
    std::uint8_t typeValue;
};

std::string subAddressText(const CFieldRule& rule, std::uint8_t subAddress, const CProtocolTables& t)
{
    if (!rule.subShown)
        return {};
    CNumValue number;
    number.hex = t.hexEntry || rule.subHex;
    return number.Format(subAddress);
}

void checkTables(COperandUse& u, const CFieldRule& rule, const CProtocolTables& t)
{
    const CProtocolDescriptor& d = t.descriptor();
    auto out = [&u](std::string text) { u.problems.push_back(u.text + ": " + std::move(text)); };
    if (u.station < t.stationMin || u.station > t.stationMax)
        out("station " + std::to_string(u.station) + " is out of range " + std::to_string(t.stationMin) + "…" +
            std::to_string(t.stationMax));
    if (u.named) {
        if (u.typeName.empty())
            out("variable group " + std::to_string(u.registerType) + " does not exist");
        else if (CVariableDictionary::variableNumber(u.registerType, u.subType, rule.variableKind) == 0)
            out("variable " + std::to_string(u.subType) + " is not in group " + u.typeName);
        return;
    }
    if (u.registerType >= operandTypeNames(t, u.list).size())
        out("register type " + std::to_string(u.registerType) + " is not in the protocol's list");
    const bool fromOne = u.field == COperandField::kControlBlock ? d.controlAddressFromOne : d.addressesFromOne;
    const unsigned low = fromOne ? 1 : 0;
    const unsigned high = u.isBit ? t.coilMax : t.registerMax;
    const unsigned last = u.address + (u.wordCount ? u.wordCount : 1) - 1u;
    if (u.address < low || last > high)
        out("address " + std::to_string(u.address) + (last != u.address ? "…" + std::to_string(last) : "") +
            " is out of range " + std::to_string(low) + "…" + std::to_string(high));
    if (rule.subShown && u.subAddress > t.bitMax)
        out("sub-address " + std::to_string(u.subAddress) + " is out of range 0…" + std::to_string(t.bitMax));
    if (!u.isBit && (u.wordCount < 1 || u.wordCount > t.wordCountMax))
        out("word count " + std::to_string(u.wordCount) + " is out of range 1…" + std::to_string(t.wordCountMax));
}

class CIndexer
{
public:
    CIndexer(const CProject& p, COperandIndex& index) : m_project(p), m_t(p.tables()), m_index(index) {}

    void add(COperandUse u, const CFieldRule& rule, const COperandSource& s)
    {
        u.list = rule.list;
        u.isBit = rule.isBit;
        u.station = s.station;
        u.registerType = s.registerType;
        u.subType = s.subType;
        u.subAddress = s.subAddress;
        u.wordCount = rule.isBit ? 1 : s.wordCount;
        u.typeValue = s.typeValue;
        u.named = m_t.descriptor().namedVariables && u.field != COperandField::kAlarmCoil &&
                  u.field != COperandField::kControlBlock;
        if (u.named) {
            u.address = s.namedAddress;
            const auto& groups = CVariableDictionary::groups(rule.variableKind);
            const auto& names = CVariableDictionary::variables(s.registerType, rule.variableKind);
            u.typeName = s.registerType < groups.size() ? groups[s.registerType] : std::string();
            u.addressText = s.subType < names.size() ? names[s.subType] : "#" + std::to_string(s.subType);
            u.text = u.typeName + "." + u.addressText;
        } else {
            u.address = s.address;
            const auto& names = operandTypeNames(m_t, rule.list);
            u.typeName = s.registerType < names.size() ? names[s.registerType] : "?" + std::to_string(s.registerType);
            u.addressText = operandAddressText(m_t, u.typeName, s.address);
            u.subText = subAddressText(rule, s.subAddress, m_t);
            const bool file = m_t.descriptor().fileAddresses;
            u.text = u.typeName + (file ? ":" : "") + u.addressText +
                     (u.subText.empty() ? "" : (file ? "/" : ".") + u.subText);
        }
        checkTables(u, rule, m_t);
        m_index.uses.push_back(std::move(u));
    }

    void component(int wi, const CMainView& w, int ci, const CBase& c)
    {
        COperandUse u;
        u.windowPosition = wi;
        u.windowNumber = w.number;
        u.windowName = w.description;
        u.componentPosition = ci;
        u.componentType = c.typeCode;
        u.x = c.x;
        u.y = c.y;
        const CShowFlags& show = m_t.show;
        const CFieldRule words{COperandList::kWord, kReadWords, false, show.subAddress != 0, false};
        auto source = [&c](std::uint16_t named, std::uint8_t typeValue) {
            return COperandSource{c.station, c.registerType, c.subType,  c.subAddress,
                                  c.wordCount, c.address,     named,      typeValue};
        };
        const bool named = m_t.descriptor().namedVariables;
        auto wordType = [&](std::uint8_t named31) {
            return named ? named31 : m_t.typeValue(c.registerType, kWordList);
        };
        switch (c.typeCode) {
        case kRegister: {
            const auto& r = static_cast<const CRegister&>(c);
            u.access = r.set ? CAccess::kReadWrite : CAccess::kRead;
            u.format = r.format;
            u.isSigned = r.isSigned;
            add(u, words, source(r.protocol31Address, r.TypeValue(m_t)));
            break;
        }
        case kDynamicText: {
            const auto& d = static_cast<const CDynamic&>(c);
            add(u, words, source(d.protocol31Address, wordType(d.protocol31TypeValue)));
            break;
        }
        case kBarGraph:
        case kTrendLine: {
            const auto& b = static_cast<const CBarTide&>(c);
            u.isSigned = b.isSigned;
            add(u, words, source(b.protocol31Address, b.TypeValue(m_t)));
            break;
        }
        case kLed: {
            const auto& l = static_cast<const CLight&>(c);
            const CFieldRule bits{COperandList::kThird, kReadBits, true, show.bitNumber != 0, false};
            add(u, bits, source(l.protocol31Address, named ? l.protocol31TypeValue : m_t.typeValue(c.registerType, kThirdList)));
            break;
        }
        case kFunctionKey: {
            const auto& f = static_cast<const CFunction&>(c);
            u.access = CAccess::kWrite;
            if (f.action == CFunction::kSetCoil) {
                u.field = COperandField::kCoil;
                const CFieldRule coil{COperandList::kBit, kWriteBits, true, show.bitNumber != 0, true};
                const int typeList = m_t.descriptor().coilTypeFromBitList ? kBitList : kThirdList;
                add(u, coil,
                    source(f.protocol31Address, named ? f.protocol31CoilTypeValue : m_t.typeValue(c.registerType, typeList)));
            } else if (f.action == CFunction::kSetRegister) {
                u.field = COperandField::kRegister;
                const CFieldRule reg{COperandList::kWord, kWriteWords, false, show.subAddress != 0, true};
                add(u, reg, source(f.protocol31Address, wordType(f.protocol31RegisterTypeValue)));
            }
            break;
        }
        default:
            break; // texts and pictures use no operand
        }
    }

    void project()
    {
        const CProject& p = m_project;
        if (m_t.descriptor().alarmListOffered && !p.alarms.texts.empty()) {
            COperandUse u;
            u.field = COperandField::kAlarmCoil;
            const CAlarmList& a = p.alarms;
            const CFieldRule rule{COperandList::kAlarm, kReadBits, true, m_t.show.bitNumber != 0, false};
            add(u, rule, {a.station, a.registerType, 0, a.subAddress, 1, a.address, a.address, a.TypeValue(m_t)});
        }
        // The control block: one register per ticked status flag, `registerStep` apart in flag order.
        const CPanelSettings& s = p.panel;
        const CFieldRule rule{COperandList::kWord, kReadWords, false, false, false};
        unsigned before = 0;
        for (int flag = 0; flag < 3; ++flag) {
            if (!(s.statusFlags >> flag & 1))
                continue;
            COperandUse u;
            u.field = COperandField::kControlBlock;
            u.controlFlag = flag;
            // The panel reads the window to change to; it reports its window and the clock.
            u.access = flag == 0 ? CAccess::kRead : CAccess::kWrite;
            const auto address = static_cast<std::uint16_t>(s.controlRegisterAddress + s.registerStep * before++);
            add(u, rule,
                {s.controlStation, s.controlRegisterType, 0, 0, 1, address, address,
                 m_t.typeValue(s.controlRegisterType, kWordList)});
        }
    }

private:
    const CProject& m_project;
    const CProtocolTables& m_t;
    COperandIndex& m_index;
};

// Same-address uses with different word counts or formats, and multi-word uses that reach over others.
void findConflicts(COperandIndex& index)
{
    const auto& uses = index.uses;
    std::map<std::tuple<std::uint8_t, std::uint8_t>, std::vector<std::size_t>> areas;
    for (std::size_t i = 0; i < uses.size(); ++i)
        if (!uses[i].isBit)
            areas[{uses[i].station, uses[i].typeValue}].push_back(i);
    auto end = [&](std::size_t i) { return unsigned{uses[i].address} + uses[i].wordCount; };
    auto differ = [&](const std::vector<std::size_t>& same, auto member) {
        int seen = -1;
        for (std::size_t i : same) {
            const int v = member(uses[i]);
            if (v >= 0 && seen >= 0 && v != seen)
                return true;
            if (v >= 0)
                seen = v;
        }
        return false;
    };
    for (auto& [area, members] : areas) {
        std::stable_sort(members.begin(), members.end(),
                         [&](std::size_t a, std::size_t b) { return uses[a].address < uses[b].address; });
        std::optional<std::size_t> reach; // the use before this address reaching furthest
        for (std::size_t k = 0; k < members.size();) {
            std::size_t run = k;
            while (run < members.size() && uses[members[run]].address == uses[members[k]].address)
                ++run;
            const std::vector<std::size_t> same(members.begin() + static_cast<std::ptrdiff_t>(k),
                                                members.begin() + static_cast<std::ptrdiff_t>(run));
            const COperandUse& u = uses[same.front()];
            if (differ(same, [](const COperandUse& x) { return int{x.wordCount}; }))
                index.conflicts.push_back({u.text + " is used with different word counts", same});
            if (differ(same, [](const COperandUse& x) { return x.format; }) ||
                differ(same, [](const COperandUse& x) { return x.isSigned; }))
                index.conflicts.push_back({u.text + " is shown in different formats", same});
            if (reach && end(*reach) > u.address) {
                const COperandUse& far = uses[*reach];
                std::vector<std::size_t> both{*reach};
                both.insert(both.end(), same.begin(), same.end());
                index.conflicts.push_back(
                    {far.text + " (" + std::to_string(far.wordCount) + " words) overlaps " + u.text, both});
            }
            for (std::size_t i : same)
                if (!reach || end(i) > end(*reach))
                    reach = i;
            k = run;
        }
    }
}

} // namespace

const char* operandFieldName(COperandField field)
{
    switch (field) {
    case COperandField::kCoil:
        return "coil";
    case COperandField::kRegister:
        return "register";
    case COperandField::kAlarmCoil:
        return "alarm coil";
    case COperandField::kControlBlock:
        return "control register";
    default:
        return "operand";
    }
}

const char* accessName(CAccess access)
{
    return access == CAccess::kRead ? "read" : access == CAccess::kWrite ? "write" : "read/write";
}

const std::vector<std::string>& operandTypeNames(const CProtocolTables& t, COperandList list)
{
    switch (list) {
    case COperandList::kBit:
        return t.bitList;
    case COperandList::kThird:
        return t.thirdList;
    case COperandList::kAlarm:
        return t.alarmBitList;
    default:
        return t.wordList;
    }
}

std::string operandAddressText(const CProtocolTables& t, const std::string& typeName, std::uint32_t address)
{
    CNumValue number;
    number.octal = t.descriptor().octalAddress(typeName);
    number.hex = !number.octal && t.hexEntry;
    return number.Format(address);
}

std::string describeUse(const COperandUse& u)
{
    if (u.field == COperandField::kAlarmCoil)
        return "alarm list";
    if (u.field == COperandField::kControlBlock)
        return "panel settings, control register";
    return "window " + std::to_string(u.windowNumber) + (u.windowName.empty() ? "" : " (" + gbkToUtf8(u.windowName) + ")") +
           ", " + componentKindName(u.componentType) + " " + std::to_string(u.componentPosition + 1) + " at (" +
           std::to_string(u.x) + ", " + std::to_string(u.y) + "), " + operandFieldName(u.field);
}

COperandIndex indexOperands(const CProject& project)
{
    COperandIndex index;
    CIndexer indexer(project, index);
    for (std::size_t wi = 0; wi < project.windowCount(); ++wi) {
        const CMainView& w = *project.WindowAt(wi);
        const auto& components = w.components();
        for (std::size_t ci = 0; ci < components.size(); ++ci)
            indexer.component(static_cast<int>(wi), w, static_cast<int>(ci), *components[ci]);
    }
    indexer.project();
    findConflicts(index);
    index.marked.assign(index.uses.size(), false);
    for (std::size_t i = 0; i < index.uses.size(); ++i)
        index.marked[i] = !index.uses[i].problems.empty();
    for (const COperandConflict& c : index.conflicts)
        for (std::size_t i : c.uses)
            index.marked[i] = true;
    return index;
}

} // namespace zl
