#include "plc/CProtocolTables.h"

#include <algorithm>

namespace zl
{
namespace
{

using Names = std::vector<std::string>;

// One rule of the type-value mapping: the value of `name` under the listed protocols (none listed: any
// protocol) for the word list and for the other kinds. A name's rules are tried in order; a rule marked
// `listKindsOnly` does not apply to kind 0.
struct CTypeRule {
    const char* name;
    std::vector<unsigned> protocols;
    std::uint8_t word, other;
    bool listKindsOnly = false;
};

const std::vector<CTypeRule>& typeRules()
{
    static const std::vector<CTypeRule> rules{
        {"0x", {}, 0x00, 0x00},
        {"IR", {}, 0x00, 0x00},
        {"F", {}, 0x00, 0x00},
        {"MX", {}, 0x00, 0x00},
        {"Y", {28}, 0x20, 0x20},
        {"Y", {}, 0x00, 0x00},
        {"M", {20, 23}, 0x20, 0x20},
        {"M", {26}, 0x40, 0x40},
        {"M", {28}, 0x30, 0x30},
        {"M", {29, 30, 32}, 0x10, 0x10},
        {"M", {}, 0x00, 0x00},
        {"R", {6}, 0x00, 0x00},
        {"R", {17}, 0x04, 0x04},
        {"R", {24}, 0x10, 0x10},
        {"R", {26}, 0x20, 0x20},
        {"R", {}, 0x02, 0x02},
        {"1x", {}, 0x80, 0x80},
        {"3x", {}, 0x82, 0x82},
        {"4x", {}, 0x02, 0x02},
        {"5x", {}, 0x42, 0x42},
        {"6x", {}, 0x22, 0x22},
        {"B", {}, 0x01, 0x01},
        {"VB", {}, 0x01, 0x01},
        {"W", {27}, 0xA2, 0x30},
        {"W", {29, 30}, 0xC2, 0xC2},
        {"W", {}, 0x02, 0x02},
        {"VW", {27}, 0xA2, 0x30},
        {"VW", {29, 30}, 0xC2, 0xC2},
        {"VW", {}, 0x02, 0x02},
        {"DM", {24}, 0xB2, 0xB2},
        {"DM", {}, 0x02, 0x02},
        {"VD", {}, 0x04, 0x04},
        {"D", {4, 11, 12, 13, 18}, 0x02, 0x02},
        {"D", {10}, 0x12, 0x12},
        {"D", {20, 23}, 0x82, 0x82},
        {"D", {27}, 0x82, 0x10},
        {"D", {28}, 0x22, 0x22},
        {"D", {}, 0x04, 0x04},
        {"SD", {}, 0x92, 0x92},
        {"Z", {}, 0xA2, 0xA2},
        {"T", {27}, 0xD2, 0x60},
        {"T", {}, 0x02, 0x50},
        {"C", {27}, 0xE2, 0x70},
        {"C", {}, 0xC2, 0x60},
        {"C_double", {}, 0xD2, 0xD2},
        {"CTH", {}, 0x32, 0x32},
        {"CTC", {}, 0x42, 0x42},
        {"X", {}, 0x10, 0x10},
        {"SM", {}, 0x30, 0x30},
        {"S", {}, 0x40, 0x40},
        {"MW", {14}, 0x02, 0x02, true},
        {"MW", {8, 22}, 0x02, 0x02},
        {"MW", {}, 0x00, 0x00},
        {"DT", {6}, 0x02, 0x02},
        {"DT", {}, 0x00, 0x00},
        {"TM", {}, 0xC2, 0xC2},
        {"H", {27}, 0x92, 0x20},
        {"H", {}, 0x00, 0x00},
        {"CIO", {27}, 0xB2, 0x40},
        {"CIO", {}, 0x00, 0x00},
        {"A", {27}, 0xC2, 0x50},
        {"A", {}, 0x00, 0x00},
        {"WM", {26}, 0xC2, 0xC2},
        {"WM", {}, 0x00, 0x00},
        {"WR", {26}, 0xA2, 0xA2},
        {"WR", {}, 0x00, 0x00},
        {"Q", {29, 30}, 0x20, 0x20},
        {"Q", {}, 0x00, 0x00},
        {"I", {29, 30}, 0x80, 0x80},
        {"I", {}, 0x00, 0x00},
        {"AIW", {29, 30}, 0xA2, 0xA2},
        {"AIW", {}, 0x00, 0x00},
        {"AQW", {29, 30}, 0xB2, 0xB2},
        {"AQW", {}, 0x00, 0x00},
        {"V", {}, 0xB2, 0xB2},
        {"B3", {}, 0x30, 0x30},
        {"B9", {}, 0x90, 0x90},
        {"B10", {}, 0xA0, 0xA0},
        {"B11", {}, 0xB0, 0xB0},
        {"B12", {}, 0xC0, 0xC0},
        {"B13", {}, 0xD0, 0xD0},
        {"N7", {}, 0x42, 0x42},
        {"N9", {}, 0x62, 0x62},
        {"N10", {}, 0xA2, 0xA2},
        {"N11", {}, 0xB2, 0xB2},
        {"N12", {}, 0xC2, 0xC2},
        {"N13", {}, 0xD2, 0xD2},
        {"N14", {}, 0xE2, 0xE2},
        {"N15", {}, 0xF2, 0xF2},
    };
    return rules;
}

} // namespace

const char* protocolName(unsigned protocol)
{
    return protocolDescriptor(protocol).name;
}

const char* protocolChineseName(unsigned protocol)
{
    return protocolDescriptor(protocol).chineseName;
}

std::string protocolDisplayName(unsigned protocol)
{
    if (protocol >= 1 && protocol <= kProtocolCount)
        return protocolName(protocol);
    return "Unknown protocol " + std::to_string(protocol);
}

const std::vector<std::string>& baudList(unsigned protocol)
{
    return protocolDescriptor(protocol).baudRates();
}

const std::vector<std::string>& dataBitsList()
{
    static const Names l{"7", "8"};
    return l;
}
const std::vector<std::string>& stopBitsList()
{
    static const Names l{"1", "2"};
    return l;
}
const std::vector<std::string>& parityList()
{
    static const Names l{"NONE", "ODD", "EVEN"};
    return l;
}
const std::vector<std::string>& interfaceList()
{
    static const Names l{"232", "485"};
    return l;
}

CProtocolTables CProtocolTables::Build(unsigned protocol, const CProtocolTables& previous,
                                       std::uint8_t plcStation)
{
    const CProtocolDescriptor& d = protocolDescriptor(protocol);
    CProtocolTables t;
    t.protocol = protocol;
    t.formatList = {"Unsigned", "HEX", "Signed"};
    if (d.operands) {
        static_cast<COperandSet&>(t) = *d.operands;
    } else {
        t.stationMin = previous.stationMin;
        t.stationMax = previous.stationMax;
        t.registerMax = previous.registerMax;
        t.coilMax = previous.coilMax;
    }
    if (d.stationIsPlcStation)
        t.stationMin = t.stationMax = plcStation;
    t.hexEntry = d.hexEntry;
    t.octal = d.octal;
    t.baudOffset = d.baudOffset;
    t.registerStep = d.registerStep;
    t.show = d.show;
    const auto valuesOf = [&](int kind) {
        std::vector<std::uint8_t> values;
        for (const std::string& name : t.list(kind))
            values.push_back(typeValueOf(name, protocol, kind));
        return values;
    };
    t.wordTypeValues = valuesOf(kWordList);
    t.bitTypeValues = valuesOf(kBitList);
    t.thirdTypeValues = valuesOf(kThirdList);
    return t;
}

const std::vector<std::string>& CProtocolTables::list(int kind) const
{
    if (kind == kWordList)
        return wordList;
    if (kind == kBitList)
        return bitList;
    return thirdList;
}

const std::string& CProtocolTables::registerTypeName(unsigned index, int kind) const
{
    static const std::string none;
    const auto& l = list(kind);
    if (l.empty())
        return none;
    return l[std::min<std::size_t>(index, l.size() - 1)];
}

std::uint8_t CProtocolTables::typeValue(unsigned index, int kind) const
{
    const std::vector<std::uint8_t>* values = kind == kWordList    ? &wordTypeValues
                                              : kind == kBitList   ? &bitTypeValues
                                              : kind == kThirdList ? &thirdTypeValues
                                                                   : nullptr;
    // Tables not made by Build (or lists changed since) have no values, or not one per name.
    if (values && !values->empty() && values->size() == list(kind).size())
        return (*values)[std::min<std::size_t>(index, values->size() - 1)];
    return typeValueOf(registerTypeName(index, kind), protocol, kind);
}

std::uint8_t typeValueOf(const std::string& name, unsigned protocol, int kind)
{
    for (const CTypeRule& r : typeRules()) {
        if (name != r.name || (r.listKindsOnly && kind == 0))
            continue;
        if (!r.protocols.empty() &&
            std::find(r.protocols.begin(), r.protocols.end(), protocol) == r.protocols.end())
            continue;
        return kind == kWordList ? r.word : r.other;
    }
    return 0x00;
}

} // namespace zl
