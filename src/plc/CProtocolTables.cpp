#include "plc/CProtocolTables.h"

#include <algorithm>
#include <initializer_list>

namespace zl {
namespace {

struct CNames {
    const char* english;
    const char* chinese;
};

constexpr std::array<CNames, kProtocolCount> kNames{{
    {"TORVAIN", "TORVAIN"},
    {"Siemens (S7-200)", "西门子S7-200 系列"},
    {"Modbus RTU", "Modbus RTU"},
    {"Mitsubishi (FX)", "三菱(FX系列)"},
    {"Omron (CPM/CQM)", "欧姆龙(CPM/CQM系列)"},
    {"Panasonic (FPM/FP1/FP0)", "松下(FPM/FP1/FP0)"},
    {"KOYO (S)", "光洋S系列"},
    {"Schneider (M/N/T)", "施耐德(Micro/Neza/Twido)"},
    {"AI (AI)", "宇电 (AI)"},
    {"FETAK (MU/MA)", "永宏(MU/MA)"},
    {"LG Master-K Cnet", "LG Master-K Cnet"},
    {"LG Modbus(K80/K120)", "LG Modbus(K80/K120)"},
    {"DELTA (DVP)", "台达 (DVP)"},
    {"Free", "自由机型"},
    {"AB_DF1", "AB_DF1"},
    {"Modbus ASCII", "Modbus ASCII"},
    {"SAIA S-BUS", "SAIA S-BUS"},
    {"LG Master-K CPU", "LG Master-K CPU"},
    {"Modbus RTU Extend", "Modbus RTU Extend"},
    {"Emerson EC20", "Emerson PLC EC20"},
    {"Modbus Server", "Modbus Server"},
    {"LG Glofa Cnet", "LG Glofa Cnet"},
    {"VIGOR", "VIGOR"},
    {"KEYENCE", "KEYENCE"},
    {"Hollysys(G3 series)", "和利时(G3系列)"},
    {"HITACHI(EH-A14DR)", "日立(HITACHI)"},
    {"OMRON(CP1H)", "欧姆龙(CP1H)"},
    {"TAIAN(TP03)", "台安(TP03)"},
    {"QPL-m7", "QPL-m7"},
    {"RONDA", "RONDA"},
    {"VXM", "VXM"},
    {"OEMax", "OEMax"},
    {"GE-SNPX", "GE-SNPX"},
    {"techwayson V80", "德维森V80"},
}};

using Names = std::vector<std::string>;


// One row of the operand table: lists, station range, address maxima, bit number and word count maxima.
struct COperandRow {
    std::vector<unsigned> protocols;
    Names word, bit, third, alarm;
    std::uint8_t stationMin, stationMax;
    std::uint16_t registerMax, coilMax;
    std::uint8_t bitMax, wordCountMax;
};

const std::vector<COperandRow>& operandRows()
{
    static const std::vector<COperandRow> rows{
        {{1}, {"B", "W", "D"}, {"B", "W", "D"}, {"B", "W", "D"}, {"B", "W", "D"}, 1, 15, 0xFFFF, 0xFFFF, 255, 1},
        {{2}, {"VW", "VD"}, {"M"}, {"M"}, {"M"}, 2, 126, 9999, 9999, 7, 1},
        {{3, 16, 34}, {"4x", "3x"}, {"0x"}, {"0x", "1x"}, {"0x", "1x"}, 1, 247, 0xFFFF, 0xFFFF, 15, 2},
        {{4}, {"D"}, {"M"}, {"M"}, {"M"}, 1, 1, 9999, 9999, 0, 2},
        {{5}, {"DM"}, {"IR"}, {"IR"}, {"IR"}, 0, 99, 9999, 9999, 15, 2},
        {{6}, {"DT"}, {"R"}, {"R"}, {"R"}, 1, 254, 9999, 9999, 15, 2},
        {{7}, {"R"}, {"M"}, {"M"}, {"M"}, 1, 1, 9999, 9999, 0, 2},
        {{8}, {"MW"}, {"M"}, {"M"}, {"M"}, 1, 247, 9999, 9999, 0, 2},
        {{9}, {"W"}, {"M"}, {"M"}, {"M"}, 1, 101, 9999, 9999, 0, 2},
        {{10}, {"R", "D"}, {"M"}, {"M"}, {"M"}, 1, 254, 9999, 9999, 0, 2},
        {{11, 12, 18}, {"D"}, {"M"}, {"M"}, {"M"}, 1, 31, 9999, 9999, 15, 2},
        {{13}, {"D"}, {"M"}, {"M"}, {"M"}, 1, 254, 9999, 9999, 0, 2},
        {{14}, {"MW"}, {"MW"}, {"MW"}, {"MW"}, 1, 255, 9999, 9999, 15, 2},
        {{15},
         {"N7", "N9", "N10", "N11", "N12", "N13", "N14", "N15"},
         {"B3", "B9", "B10", "B11", "B12", "B13"},
         {"B3", "B9", "B10", "B11", "B12", "B13"},
         {"B3", "B9", "B10", "B11", "B12", "B13"},
         1, 1, 9999, 9999, 15, 2},
        {{17}, {"R"}, {"F"}, {"F"}, {"F"}, 0, 253, 9999, 9999, 0, 1},
        {{19, 25}, {"3x", "4x", "5x", "6x"}, {"0x", "4x"}, {"0x", "1x", "3x", "4x"}, {"0x", "4x"}, 1, 247, 0xFFFF,
         0xFFFF, 15, 2},
        {{20},
         {"D", "SD", "Z", "T", "C", "C_double"},
         {"M", "SM", "Y", "X", "S", "T", "C"},
         {"M", "SM", "Y", "X", "S", "T", "C"},
         {"M", "SM"},
         1, 247, 9999, 9999, 15, 2},
        // Protocol 21: the station range is the PLC station number itself (filled in by Build).
        {{21}, {"4x", "5x"}, {"0x", "4x"}, {"0x", "4x"}, {"0x"}, 0, 0, 0xFFFF, 0xFFFF, 15, 2},
        {{22}, {"MW"}, {"MX"}, {"MX"}, {"MX"}, 0, 31, 9999, 9999, 15, 2},
        {{23}, {"D"}, {"M", "Y", "S"}, {"X", "M", "Y", "S"}, {"M"}, 0, 255, 9999, 9999, 0, 2},
        {{24}, {"DM", "TM"}, {"R"}, {"R"}, {"R"}, 1, 255, 9999, 9999, 255, 2},
        {{26}, {"WM", "WR"}, {"R", "M"}, {"R", "M"}, {"R", "M"}, 0, 0, 0xFFFF, 0xFFFF, 15, 2},
        {{27},
         {"D", "H", "W", "CIO", "A"},
         {"H", "W", "CIO", "A"},
         {"H", "W", "CIO", "A"},
         {"H", "W", "CIO", "A"},
         0, 0, 0xFFFF, 0xFFFF, 15, 2},
        {{28}, {"D", "Z", "V"}, {"M", "S"}, {"X", "Y", "M", "S", "T", "C"}, {"M", "S"}, 1, 247, 0xFFFF, 0xFFFF, 15, 2},
        {{29, 30}, {"AIW", "AQW", "VW"}, {"M", "Q", "I"}, {"M", "Q", "I"}, {"M", "Q", "I"}, 1, 255, 4094, 31, 7, 2},
        {{31},
         {"RC", "KV", "AI", "UI", "AU", "DI", "DU"},
         {"RC", "AI", "UI", "AU", "DI", "DU"},
         {"RC", "AI", "UI", "AU", "DI", "DU"},
         {"RC", "AI", "UI", "AU", "DI", "DU"},
         1, 255, 255, 255, 0, 2},
        {{32}, {"W"}, {"M"}, {"M"}, {"M"}, 1, 255, 2564, 127, 15, 2},
        {{33}, {"R"}, {"M"}, {"M"}, {"M"}, 0, 255, 0xFFFF, 9999, 15, 2},
    };
    return rows;
}

} // namespace

const char* protocolName(unsigned protocol)
{
    return protocol >= 1 && protocol <= kProtocolCount ? kNames[protocol - 1].english : "";
}

const char* protocolChineseName(unsigned protocol)
{
    return protocol >= 1 && protocol <= kProtocolCount ? kNames[protocol - 1].chinese : "";
}

std::string protocolDisplayName(unsigned protocol)
{
    if (protocol >= 1 && protocol <= kProtocolCount)
        return protocolName(protocol);
    return "Unknown protocol " + std::to_string(protocol);
}

const std::vector<std::string>& baudList(unsigned protocol)
{
    static const Names full{"1200", "2400", "4800", "9600", "19200", "38400", "115200"};
    static const Names siemens{"9600", "19200"};
    static const Names slow{"1200", "2400", "4800", "9600", "19200"};
    if (protocol == 2)
        return siemens;
    if (protocol == 5 || protocol == 7)
        return slow;
    return full;
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

CProtocolTables CProtocolTables::Build(unsigned protocol, const CProtocolTables& previous, std::uint8_t plcStation)
{
    CProtocolTables t;
    t.protocol = protocol;
    t.formatList = {"Unsigned", "HEX", "Signed"};
    t.stationMin = previous.stationMin;
    t.stationMax = previous.stationMax;
    t.registerMax = previous.registerMax;
    t.coilMax = previous.coilMax;
    t.bitMax = 0;
    t.wordCountMax = 2;

    for (const COperandRow& row : operandRows()) {
        if (std::find(row.protocols.begin(), row.protocols.end(), protocol) == row.protocols.end())
            continue;
        t.wordList = row.word;
        t.bitList = row.bit;
        t.thirdList = row.third;
        t.alarmBitList = row.alarm;
        t.stationMin = row.stationMin;
        t.stationMax = row.stationMax;
        t.registerMax = row.registerMax;
        t.coilMax = row.coilMax;
        t.bitMax = row.bitMax;
        t.wordCountMax = row.wordCountMax;
        break;
    }
    if (protocol == 21)
        t.stationMin = t.stationMax = plcStation;

    if (protocol == 1)
        t.hexEntry = true;
    if (protocol == 2)
        t.baudOffset = 3;
    if (protocol == 7)
        t.octal = true;
    if (isOneOf(protocol, {2, 29, 30, 32, 33}))
        t.registerStep = 2;

    CShowFlags& s = t.show;
    if (isOneOf(protocol, {3, 4, 7, 8, 9, 10, 13, 16, 17, 20, 24, 26, 28, 31, 33, 34}))
        s.bitNumber = 0;
    if (protocol == 1) {
        s.subAddress = 5;
        s.parameter = 5;
        s.offset = 5;
        s.coilActions = 0;
        s.statusFlagsEnabled = 0;
    }
    if (protocol == 1 || protocol == 31)
        s.wordCount = 0;
    if (protocol == 1 || protocol == 2)
        s.controlBlockEnabled = 0;
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
    return typeValueOf(registerTypeName(index, kind), protocol, kind);
}

std::uint8_t typeValueOf(const std::string& n, unsigned p, int kind)
{
    const bool word = kind == kWordList;
    auto is = [&](std::initializer_list<const char*> names) {
        return std::any_of(names.begin(), names.end(), [&](const char* x) { return n == x; });
    };
    if (is({"0x", "IR", "F", "MX"}))
        return 0x00;
    if (n == "Y")
        return p == 28 ? 0x20 : 0x00;
    if (n == "M") {
        if (isOneOf(p, {20, 23}))
            return 0x20;
        if (p == 26)
            return 0x40;
        if (p == 28)
            return 0x30;
        if (isOneOf(p, {29, 30, 32}))
            return 0x10;
        return 0x00;
    }
    if (n == "R") {
        if (p == 6)
            return 0x00;
        if (p == 17)
            return 0x04;
        if (p == 24)
            return 0x10;
        if (p == 26)
            return 0x20;
        return 0x02;
    }
    if (n == "1x")
        return 0x80;
    if (n == "3x")
        return 0x82;
    if (n == "4x")
        return 0x02;
    if (n == "5x")
        return 0x42;
    if (n == "6x")
        return 0x22;
    if (is({"B", "VB"}))
        return 0x01;
    if (is({"W", "VW"})) {
        if (p == 27)
            return word ? 0xA2 : 0x30;
        if (isOneOf(p, {29, 30}))
            return 0xC2;
        return 0x02;
    }
    if (n == "DM")
        return p == 24 ? 0xB2 : 0x02;
    if (n == "VD")
        return 0x04;
    if (n == "D") {
        if (isOneOf(p, {4, 11, 12, 13, 18}))
            return 0x02;
        if (p == 10)
            return 0x12;
        if (isOneOf(p, {20, 23}))
            return 0x82;
        if (p == 27)
            return word ? 0x82 : 0x10;
        if (p == 28)
            return 0x22;
        return 0x04;
    }
    if (n == "SD")
        return 0x92;
    if (n == "Z")
        return 0xA2;
    if (n == "T") {
        if (p == 27)
            return word ? 0xD2 : 0x60;
        return word ? 0x02 : 0x50;
    }
    if (n == "C") {
        if (p == 27)
            return word ? 0xE2 : 0x70;
        return word ? 0xC2 : 0x60;
    }
    if (n == "C_double")
        return 0xD2;
    if (n == "CTH")
        return 0x32;
    if (n == "CTC")
        return 0x42;
    if (n == "X")
        return 0x10;
    if (n == "SM")
        return 0x30;
    if (n == "S")
        return 0x40;
    if (n == "MW") {
        if (p == 14)
            return kind != 0 ? 0x02 : 0x00;
        return isOneOf(p, {8, 22}) ? 0x02 : 0x00;
    }
    if (n == "DT")
        return p == 6 ? 0x02 : 0x00;
    if (n == "TM")
        return 0xC2;
    if (n == "H") {
        if (p == 27)
            return word ? 0x92 : 0x20;
        return 0x00;
    }
    if (n == "CIO") {
        if (p == 27)
            return word ? 0xB2 : 0x40;
        return 0x00;
    }
    if (n == "A") {
        if (p == 27)
            return word ? 0xC2 : 0x50;
        return 0x00;
    }
    if (n == "WM")
        return p == 26 ? 0xC2 : 0x00;
    if (n == "WR")
        return p == 26 ? 0xA2 : 0x00;
    if (n == "Q")
        return isOneOf(p, {29, 30}) ? 0x20 : 0x00;
    if (n == "I")
        return isOneOf(p, {29, 30}) ? 0x80 : 0x00;
    if (n == "AIW")
        return isOneOf(p, {29, 30}) ? 0xA2 : 0x00;
    if (n == "AQW")
        return isOneOf(p, {29, 30}) ? 0xB2 : 0x00;
    if (n == "V")
        return 0xB2;
    static const std::array<std::pair<const char*, std::uint8_t>, 14> areas{{
        {"B3", 0x30}, {"B9", 0x90}, {"B10", 0xA0}, {"B11", 0xB0}, {"B12", 0xC0}, {"B13", 0xD0},
        {"N7", 0x42}, {"N9", 0x62}, {"N10", 0xA2}, {"N11", 0xB2}, {"N12", 0xC2}, {"N13", 0xD2},
        {"N14", 0xE2}, {"N15", 0xF2},
    }};
    for (const auto& [name, value] : areas) {
        if (n == name)
            return value;
    }
    return 0x00;
}

} // namespace zl
