#include "plc/CProtocolDescriptor.h"

#include <algorithm>
#include <array>

namespace zl
{
namespace
{

using Line = CLineDefaults;
using Coil = CAlarmCoil;
constexpr auto NONE = CLineDefaults::kNone;
constexpr auto ODD = CLineDefaults::kOdd;
constexpr auto EVEN = CLineDefaults::kEven;
constexpr int KEEP = CLineDefaults::kKeepInterface;

// Operand sets that several protocols share.
const COperandSet kModbus{{"4x", "3x"}, {"0x"}, {"0x", "1x"}, {"0x", "1x"}, 1, 247, 0xFFFF, 0xFFFF, 15, 2};
const COperandSet kModbusExtend{{"3x", "4x", "5x", "6x"},
                                {"0x", "4x"},
                                {"0x", "1x", "3x", "4x"},
                                {"0x", "4x"},
                                1,
                                247,
                                0xFFFF,
                                0xFFFF,
                                15,
                                2};
const COperandSet kLgMasterK{{"D"}, {"M"}, {"M"}, {"M"}, 1, 31, 9999, 9999, 15, 2};
const COperandSet kS7Words{
    {"AIW", "AQW", "VW"}, {"M", "Q", "I"}, {"M", "Q", "I"}, {"M", "Q", "I"}, 1, 255, 4094, 31, 7, 2};
const CNames kAbBits{"B3", "B9", "B10", "B11", "B12", "B13"};
const CNames kNamedGroups{"RC", "AI", "UI", "AU", "DI", "DU"};

constexpr CShowFlags kNoBitNumber{.bitNumber = 0};

// Alarm coil encodings that several protocols share.
const Coil
    kBitNumbered{}; // the coil as a plain bit number: length and bit field B from the type and the offset
const Coil kPlainCoil{.lengthCode = 2, .fieldB = Coil::kSubAddress};
const Coil kModbusCoil{
    .addressShift = 5, .lengthCode = 4, .fieldA = Coil::kAddressBits, .valueA = 0x1F, .fieldB = Coil::kZero};
const Coil kWordBitCoil{.addressShift = 5, .lengthCode = 4, .fieldB = Coil::kAddressBits, .valueB = 0x1F};
const Coil kFromOneCoil{
    .addressShift = 5, .countsFromOne = true, .lengthCode = 4, .fieldB = Coil::kAddressBits, .valueB = 0x1F};
// Register type 1 of protocols 19 and 25: bits of 16-bit words that the driver addresses in word pairs.
const Coil kPairedWordCoil{.typeRule = Coil::kListed,
                           .listedTypes = {0x12, 0x12},
                           .addressShift = 1,
                           .countsFromOne = true,
                           .lengthCode = 4,
                           .fieldB = Coil::kSubAddressOddWord,
                           .valueB = 16};
const Coil kS7Coil{.typeRule = Coil::kLetters,
                   .letterTypes = {{"M", 0x12}, {"Q", 0x22}},
                   .addressShift = 1,
                   .lengthCode = 2,
                   .fieldA = Coil::kZero,
                   .fieldB = Coil::kSubAddressOddWord,
                   .valueB = 8};

const std::vector<CTypeLock> kFxLocks{{"D"}, {"SD"}, {"C_double", 2}};
// Input registers cannot be written: "Set" is off for them.
const std::vector<CTypeLock> kInputRegisterLocks{{"3x", 0, true}};
// The extended Modbus areas: "6x" holds no value a bar or trend line could scale.
const std::vector<CTypeLock> kModbusExtendLocks{{"3x", 0, true}, {"6x", 0, false, false, true}};
// The analogue words are one word each on the register page; the analogue inputs cannot be written.
const std::vector<CTypeLock> kS7Locks{{"AIW", 1, true, true}, {"AQW", 1, false, true}};

// `row` under another protocol's number and names.
CProtocolDescriptor named(CProtocolDescriptor row, unsigned number, const char* name, const char* chineseName)
{
    row.number = number;
    row.name = name;
    row.chineseName = chineseName;
    return row;
}

std::vector<CProtocolDescriptor> makeRows()
{
    static const COperandSet p1{
        {"B", "W", "D"}, {"B", "W", "D"}, {"B", "W", "D"}, {"B", "W", "D"}, 1, 15, 0xFFFF, 0xFFFF, 255, 1};
    static const COperandSet p2{{"VW", "VD"}, {"M"}, {"M"}, {"M"}, 2, 126, 9999, 9999, 7, 1};
    static const COperandSet p4{{"D"}, {"M"}, {"M"}, {"M"}, 1, 1, 9999, 9999, 0, 2};
    static const COperandSet p5{{"DM"}, {"IR"}, {"IR"}, {"IR"}, 0, 99, 9999, 9999, 15, 2};
    static const COperandSet p6{{"DT"}, {"R"}, {"R"}, {"R"}, 1, 254, 9999, 9999, 15, 2};
    static const COperandSet p7{{"R"}, {"M"}, {"M"}, {"M"}, 1, 1, 9999, 9999, 0, 2};
    static const COperandSet p8{{"MW"}, {"M"}, {"M"}, {"M"}, 1, 247, 9999, 9999, 0, 2};
    static const COperandSet p9{{"W"}, {"M"}, {"M"}, {"M"}, 1, 101, 9999, 9999, 0, 2};
    static const COperandSet p10{{"R", "D"}, {"M"}, {"M"}, {"M"}, 1, 254, 9999, 9999, 0, 2};
    static const COperandSet p13{{"D"}, {"M"}, {"M"}, {"M"}, 1, 254, 9999, 9999, 0, 2};
    static const COperandSet p14{{"MW"}, {"MW"}, {"MW"}, {"MW"}, 1, 255, 9999, 9999, 15, 2};
    static const COperandSet p15{{"N7", "N9", "N10", "N11", "N12", "N13", "N14", "N15"},
                                 kAbBits,
                                 kAbBits,
                                 kAbBits,
                                 1,
                                 1,
                                 9999,
                                 9999,
                                 15,
                                 2};
    static const COperandSet p17{{"R"}, {"F"}, {"F"}, {"F"}, 0, 253, 9999, 9999, 0, 1};
    static const COperandSet p20{{"D", "SD", "Z", "T", "C", "C_double"},
                                 {"M", "SM", "Y", "X", "S", "T", "C"},
                                 {"M", "SM", "Y", "X", "S", "T", "C"},
                                 {"M", "SM"},
                                 1,
                                 247,
                                 9999,
                                 9999,
                                 15,
                                 2};
    // The station range is the PLC station number itself.
    static const COperandSet p21{{"4x", "5x"}, {"0x", "4x"}, {"0x", "4x"}, {"0x"}, 0, 0,
                                 0xFFFF,       0xFFFF,       15,           2};
    static const COperandSet p22{{"MW"}, {"MX"}, {"MX"}, {"MX"}, 0, 31, 9999, 9999, 15, 2};
    static const COperandSet p23{{"D"}, {"M", "Y", "S"}, {"X", "M", "Y", "S"}, {"M"}, 0, 255, 9999, 9999, 0,
                                 2};
    static const COperandSet p24{{"DM", "TM"}, {"R"}, {"R"}, {"R"}, 1, 255, 9999, 9999, 255, 2};
    static const COperandSet p26{{"WM", "WR"}, {"R", "M"}, {"R", "M"}, {"R", "M"}, 0, 0,
                                 0xFFFF,       0xFFFF,     15,         2};
    static const COperandSet p27{{"D", "H", "W", "CIO", "A"},
                                 {"H", "W", "CIO", "A"},
                                 {"H", "W", "CIO", "A"},
                                 {"H", "W", "CIO", "A"},
                                 0,
                                 0,
                                 0xFFFF,
                                 0xFFFF,
                                 15,
                                 2};
    static const COperandSet p28{{"D", "Z", "V"},
                                 {"M", "S"},
                                 {"X", "Y", "M", "S", "T", "C"},
                                 {"M", "S"},
                                 1,
                                 247,
                                 0xFFFF,
                                 0xFFFF,
                                 15,
                                 2};
    static const COperandSet p31{{"RC", "KV", "AI", "UI", "AU", "DI", "DU"},
                                 kNamedGroups,
                                 kNamedGroups,
                                 kNamedGroups,
                                 1,
                                 255,
                                 255,
                                 255,
                                 0,
                                 2};
    static const COperandSet p32{{"W"}, {"M"}, {"M"}, {"M"}, 1, 255, 2564, 127, 15, 2};
    static const COperandSet p33{{"R"}, {"M"}, {"M"}, {"M"}, 0, 255, 0xFFFF, 9999, 15, 2};

    const Line modbusLine{19200, 8, 1, EVEN};
    // Rows that two protocols share under their own numbers and names.
    const CProtocolDescriptor modbusRtuRow{.operands = &kModbus,
                                           .addressesFromOne = true,
                                           .show = kNoBitNumber,
                                           .startupLine = modbusLine,
                                           .dialogLine = modbusLine,
                                           .delay = 500,
                                           .delayShown = true,
                                           .operandAddress = 1,
                                           .controlAddressFromOne = true,
                                           .controlAreaFixed = true,
                                           .coilNotation = CProtocolDescriptor::kSlashCounted,
                                           .modbusMaster = true,
                                           .typeLocks = kInputRegisterLocks,
                                           .alarmCoil = kModbusCoil};
    const CProtocolDescriptor modbusExtendRow{.operands = &kModbusExtend,
                                              .addressesFromOne = true,
                                              .startupLine = modbusLine,
                                              .dialogLine = modbusLine,
                                              .operandAddress = 1,
                                              .controlAddressFromOne = true,
                                              .alarmBitInWord = true,
                                              .alarmWordBitType = "4x",
                                              .coilTypeFromBitList = true,
                                              .modbusMaster = true,
                                              .typeLocks = kModbusExtendLocks,
                                              .alarmCoil = kFromOneCoil,
                                              .alarmCoilOfType1 = kPairedWordCoil};
    const CProtocolDescriptor s7Row{.operands = &kS7Words,
                                    .registerStep = 2,
                                    .startupLine = {9600, 8, 1, NONE, KEEP},
                                    .dialogLine = {19200, 8, 1, NONE},
                                    .alarmBitInWord = true,
                                    .coilNotation = CProtocolDescriptor::kByteDotted,
                                    .typeLocks = kS7Locks,
                                    .alarmCoil = kS7Coil};
    // The G3 series counts the coils of its word area on instead of naming bits.
    CProtocolDescriptor g3 = named(modbusExtendRow, 25, "Hollysys(G3 series)", "和利时(G3系列)");
    g3.coilNotation = CProtocolDescriptor::kCounted;

    return {
        {.number = 1,
         .name = "TORVAIN",
         .chineseName = "TORVAIN",
         .operands = &p1,
         .hexEntry = true,
         .show = {.subAddress = 5,
                  .wordCount = 0,
                  .parameter = 5,
                  .offset = 5,
                  .coilActions = 0,
                  .statusFlagsEnabled = 0,
                  .controlBlockEnabled = 0},
         .functionKeyJumps = true,
         .alarmBitInWord = true,
         .typeLocks = {{"3x", 0, true}},
         .alarmCoil = kBitNumbered},
        {.number = 2,
         .name = "Siemens (S7-200)",
         .chineseName = "西门子S7-200 系列",
         .operands = &p2,
         .baudOffset = 3,
         .registerStep = 2,
         .show = {.controlBlockEnabled = 0},
         .bauds = CProtocolDescriptor::kSiemensBauds,
         .startupLine = {9600, 8, 1, EVEN, 485},
         .dialogLine = {9600, 8, 1, EVEN, 485},
         .delay = 10000,
         .startupControlStation = 2,
         .delayShown = true,
         .operandStation = 2,
         .controlStation = 2,
         .controlTypeFixed = true,
         .alarmStation = 2,
         .alarmBitInWord = true,
         .coilNotation = CProtocolDescriptor::kByteDotted,
         .alarmCoil = {.lengthCode = 1, .fieldB = Coil::kSubAddress},
         .oldCodes = {2}},
        named(modbusRtuRow, 3, "Modbus RTU", "Modbus RTU"),
        {.number = 4,
         .name = "Mitsubishi (FX)",
         .chineseName = "三菱(FX系列)",
         .operands = &p4,
         .show = kNoBitNumber,
         .startupLine = {9600, 7, 1, EVEN},
         .dialogLine = {9600, 7, 1, EVEN},
         .alarmCoil = {.addressShift = 3, .lengthCode = 1, .fieldB = Coil::kAddressBits, .valueB = 7},
         .oldCodes = {0, 5, 9, 13}},
        {.number = 5,
         .name = "Omron (CPM/CQM)",
         .chineseName = "欧姆龙(CPM/CQM系列)",
         .operands = &p5,
         .bauds = CProtocolDescriptor::kSlowBauds,
         .startupLine = {9600, 7, 2, EVEN},
         .dialogLine = {9600, 7, 2, EVEN},
         .operandStation = 0,
         .operandAddress = 16,
         .controlStation = 0,
         .alarmStation = 0,
         .alarmAddress = 16,
         .alarmBitInWord = true,
         .alarmCoil = kPlainCoil,
         .oldCodes = {3},
         .oldBitsInWords = true},
        {.number = 6,
         .name = "Panasonic (FPM/FP1/FP0)",
         .chineseName = "松下(FPM/FP1/FP0)",
         .operands = &p6,
         .startupLine = {9600, 8, 1, ODD},
         .dialogLine = {9600, 8, 1, ODD},
         .alarmBitInWord = true,
         .alarmCoil = kPlainCoil,
         .oldCodes = {6},
         .oldBitsInWords = true},
        {.number = 7,
         .name = "KOYO (S)",
         .chineseName = "光洋S系列",
         .operands = &p7,
         .octal = true,
         .show = kNoBitNumber,
         .bauds = CProtocolDescriptor::kSlowBauds,
         .startupLine = {9600, 8, 1, ODD},
         .dialogLine = {9600, 8, 1, ODD},
         .registerAddress = 1024,
         .alarmBitInWord = true,
         .alarmCoil = {.addressShift = 4,
                       .lengthCode = 2,
                       .fieldA = Coil::kAddressBits,
                       .valueA = 0x0F,
                       .fieldB = Coil::kZero},
         .oldCodes = {1}},
        {.number = 8,
         .name = "Schneider (M/N/T)",
         .chineseName = "施耐德(Micro/Neza/Twido)",
         .operands = &p8,
         .show = kNoBitNumber,
         .startupLine = {9600, 8, 1, EVEN},
         .dialogLine = {9600, 8, 1, EVEN},
         .controlAreaFixed = true,
         .alarmCoil = kModbusCoil,
         .oldCodes = {4}},
        {.number = 9,
         .name = "AI (AI)",
         .chineseName = "宇电 (AI)",
         .operands = &p9,
         .show = kNoBitNumber,
         .alarmCoil = kBitNumbered},
        {.number = 10,
         .name = "FETAK (MU/MA)",
         .chineseName = "永宏(MU/MA)",
         .operands = &p10,
         .show = kNoBitNumber,
         .startupLine = {9600, 7, 1, EVEN},
         .dialogLine = {9600, 7, 1, EVEN},
         .alarmCoil = kWordBitCoil,
         .oldCodes = {8}},
        {.number = 11,
         .name = "LG Master-K Cnet",
         .chineseName = "LG Master-K Cnet",
         .operands = &kLgMasterK,
         .operandStation = 0,
         .controlAreaFixed = true,
         .coilNotation = CProtocolDescriptor::kHexDigit,
         .bitsInWords = true,
         .alarmCoil = kPlainCoil,
         .oldCodes = {10, 12},
         .oldBitsInWords = true},
        {.number = 12,
         .name = "LG Modbus(K80/K120)",
         .chineseName = "LG Modbus(K80/K120)",
         .operands = &kLgMasterK,
         .startupLine = {9600, 8, 1, EVEN},
         .dialogLine = {9600, 8, 1, EVEN},
         .controlAreaFixed = true,
         .coilNotation = CProtocolDescriptor::kHexDigit,
         .bitsInWords = true,
         .alarmCoil = kPlainCoil,
         .oldBitsInWords = true},
        {.number = 13,
         .name = "DELTA (DVP)",
         .chineseName = "台达 (DVP)",
         .operands = &p13,
         .show = kNoBitNumber,
         .startupLine = {9600, 7, 1, EVEN},
         .dialogLine = {9600, 7, 1, EVEN},
         .alarmCoil = kModbusCoil,
         .oldCodes = {7}},
        {.number = 14,
         .name = "Free",
         .chineseName = "自由机型",
         .operands = &p14,
         .startupLine = {19200, 8, 1, NONE},
         .dialogLine = {19200, 8, 1, NONE},
         .plcStation = 1,
         .stationShown = true,
         .alarmBitInWord = true,
         .alarmCoil = kPlainCoil,
         .oldCodes = {11},
         .oldBitsInWords = true},
        {.number = 15,
         .name = "AB_DF1",
         .chineseName = "AB_DF1",
         .operands = &p15,
         .fileAddresses = true,
         .startupLine = {19200, 8, 1, NONE},
         .dialogLine = {19200, 8, 1, NONE, KEEP},
         .controlStationFixed = true,
         .alarmBitInWord = true,
         .alarmCoil = kPlainCoil},
        {.number = 16,
         .name = "Modbus ASCII",
         .chineseName = "Modbus ASCII",
         .operands = &kModbus,
         .addressesFromOne = true,
         .show = kNoBitNumber,
         .startupLine = {19200, 7, 1, EVEN},
         .dialogLine = {19200, 7, 1, EVEN},
         .operandAddress = 1,
         .controlAddressFromOne = true,
         .controlAreaFixed = true,
         .coilNotation = CProtocolDescriptor::kSlashCounted,
         .modbusMaster = true,
         .typeLocks = kInputRegisterLocks,
         .alarmCoil = kModbusCoil},
        {.number = 17,
         .name = "SAIA S-BUS",
         .chineseName = "SAIA S-BUS",
         .operands = &p17,
         .show = kNoBitNumber,
         .operandStation = 0,
         .controlStation = 0,
         .alarmCoil = kWordBitCoil},
        {.number = 18,
         .name = "LG Master-K CPU",
         .chineseName = "LG Master-K CPU",
         .operands = &kLgMasterK,
         .startupLine = {38400, 8, 1, NONE},
         .dialogLine = {38400, 8, 1, NONE},
         .operandStation = 0,
         .controlAreaFixed = true,
         .coilNotation = CProtocolDescriptor::kHexDigit,
         .bitsInWords = true,
         .alarmCoil = kPlainCoil,
         .oldBitsInWords = true},
        named(modbusExtendRow, 19, "Modbus RTU Extend", "Modbus RTU Extend"),
        {.number = 20,
         .name = "Emerson EC20",
         .chineseName = "Emerson PLC EC20",
         .operands = &p20,
         .octalTypes = {"X", "Y"},
         .show = kNoBitNumber,
         .startupLine = {19200, 7, 1, EVEN},
         .dialogLine = {19200, 8, 1, EVEN},
         .controlAddressFromOne = true,
         .controlAreaFixed = true,
         .alarmSubAddressHidden = true,
         .coilNotation = CProtocolDescriptor::kCounted,
         .coilTypeFromBitList = true,
         .counterAreaType = 0xD2,
         .typeLocks = kFxLocks,
         .otherTypesWordCount = 1,
         .alarmCoil = {.typeRule = Coil::kThirdListPlus2,
                       .addressShift = 4,
                       .lengthCode = 2,
                       .fieldA = Coil::kAddressBits,
                       .valueA = 0x0F,
                       .fieldB = Coil::kAddressBits,
                       .valueB = 0x0F}},
        {.number = 21,
         .name = "Modbus Server",
         .chineseName = "Modbus Server",
         .operands = &p21,
         .stationIsPlcStation = true,
         .addressesFromOne = true,
         .startupLine = modbusLine,
         .dialogLine = modbusLine,
         .plcStation = 1,
         .stationShown = true,
         .plcStationMin = 1,
         .plcStationMax = 247,
         .operandAddress = 1,
         .controlAddressFromOne = true,
         .controlAreaFixed = true,
         .alarmBitInWord = true,
         .coilNotation = CProtocolDescriptor::kCounted,
         .alarmCoil = kFromOneCoil},
        {.number = 22,
         .name = "LG Glofa Cnet",
         .chineseName = "LG Glofa Cnet",
         .operands = &p22,
         .operandStation = 0,
         .controlAreaFixed = true,
         .coilNotation = CProtocolDescriptor::kHexDigit,
         .bitsInWords = true,
         .alarmCoil = kPlainCoil,
         .oldBitsInWords = true},
        {.number = 23,
         .name = "VIGOR",
         .chineseName = "VIGOR",
         .operands = &p23,
         .startupLine = {19200, 7, 1, EVEN},
         .dialogLine = {19200, 7, 1, EVEN},
         .controlAddressFromOne = true,
         .controlAreaFixed = true,
         .alarmSubAddressHidden = true,
         .coilNotation = CProtocolDescriptor::kCounted,
         .coilTypeFromBitList = true,
         .counterAreaType = 0xD2,
         .typeLocks = kFxLocks,
         .otherTypesWordCount = 1,
         .alarmCoil = {.typeRule = Coil::kBitList,
                       .addressShift = 4,
                       .lengthCode = 2,
                       .fieldA = Coil::kAddressBits,
                       .valueA = 0x0F,
                       .fieldB = Coil::kAddressBits,
                       .valueB = 0x0F}},
        {.number = 24,
         .name = "KEYENCE",
         .chineseName = "KEYENCE",
         .operands = &p24,
         .show = kNoBitNumber,
         .startupLine = {9600, 8, 1, EVEN},
         .dialogLine = {9600, 8, 1, EVEN},
         .controlAddressFromOne = true,
         .controlAreaFixed = true,
         .alarmSubAddressHidden = true,
         .coilNotation = CProtocolDescriptor::kCounted,
         .coilTypeFromBitList = true,
         .alarmCoil =
             {.typeRule = Coil::kBitList, .lengthCode = 0, .fieldA = Coil::kZero, .fieldB = Coil::kZero}},
        g3,
        {.number = 26,
         .name = "HITACHI(EH-A14DR)",
         .chineseName = "日立(HITACHI)",
         .operands = &p26,
         .show = kNoBitNumber,
         .startupLine = {19200, 7, 1, EVEN},
         .dialogLine = {19200, 7, 1, EVEN},
         // Two alarm areas: register type 0 the first, any larger index the second.
         .alarmCoil = {.typeRule = Coil::kListed,
                       .listedTypes = {0xB2, 0xD2},
                       .addressShift = 4,
                       .lengthCode = 2,
                       .fieldB = Coil::kAddressBits,
                       .valueB = 0x0F}},
        {.number = 27,
         .name = "OMRON(CP1H)",
         .chineseName = "欧姆龙(CP1H)",
         .operands = &p27,
         .startupLine = {9600, 7, 2, EVEN},
         .dialogLine = {9600, 7, 2, EVEN},
         .alarmBitInWord = true,
         .alarmCoil = {.typeRule = Coil::kNextWordArea, .lengthCode = 2, .fieldB = Coil::kSubAddress}},
        {.number = 28,
         .name = "TAIAN(TP03)",
         .chineseName = "台安(TP03)",
         .operands = &p28,
         .show = kNoBitNumber,
         .startupLine = {19200, 8, 2, NONE, KEEP},
         .dialogLine = {19200, 8, 2, NONE},
         .coilTypeFromBitList = true,
         .alarmCoil =
             {.typeRule = Coil::kLetters,
              .letterTypes = {{"X", 0x12}, {"Y", 0x22}, {"M", 0x32}, {"S", 0x42}, {"T", 0x52}, {"C", 0x62}},
              .addressShift = 4,
              .lengthCode = 2,
              .fieldB = Coil::kAddressBits,
              .valueB = 0x0F}},
        named(s7Row, 29, "QPL-m7", "QPL-m7"),
        named(s7Row, 30, "RONDA", "RONDA"),
        {.number = 31,
         .name = "VXM",
         .chineseName = "VXM",
         .operands = &p31,
         .addressesFromOne = true,
         .show = {.bitNumber = 0, .wordCount = 0},
         .startupLine = {9600, 8, 1, NONE, KEEP},
         .stationShown = true,
         .alarmListOffered = false,
         .namedVariables = true,
         .fullWordLimits = true,
         .alarmCoil = kBitNumbered},
        {.number = 32,
         .name = "OEMax",
         .chineseName = "OEMax",
         .operands = &p32,
         .registerStep = 2,
         .startupLine = {9600, 8, 1, NONE, KEEP},
         .alarmBitInWord = true,
         .fullWordLimits = true,
         .alarmCoil = kPlainCoil},
        {.number = 33,
         .name = "GE-SNPX",
         .chineseName = "GE-SNPX",
         .operands = &p33,
         .addressesFromOne = true,
         .registerStep = 2,
         .show = kNoBitNumber,
         .startupLine = {19200, 8, 1, ODD, KEEP},
         .dialogLine = {19200, 8, 1, ODD},
         .alarmCoil = kBitNumbered},
        named(modbusRtuRow, 34, "techwayson V80", "德维森V80"),
    };
}

} // namespace

const CProtocolDescriptor& protocolDescriptor(unsigned protocol)
{
    static const std::vector<CProtocolDescriptor> rows = makeRows();
    // Any other number: no operands, and the line settings of neither list.
    static const CProtocolDescriptor other{.startupLine = {9600, 8, 2, NONE},
                                           .dialogLine = {9600, 7, 1, NONE}};
    return protocol >= 1 && protocol <= rows.size() ? rows[protocol - 1] : other;
}

const CNames& CProtocolDescriptor::baudRates() const
{
    static const std::array<CNames, 3> sets{{
        {"1200", "2400", "4800", "9600", "19200", "38400", "115200"},
        {"9600", "19200"},
        {"1200", "2400", "4800", "9600", "19200"},
    }};
    return sets[bauds];
}

bool CProtocolDescriptor::octalAddress(std::string_view typeName) const
{
    return octal || (!typeName.empty() &&
                     std::find(octalTypes.begin(), octalTypes.end(), typeName) != octalTypes.end());
}

std::optional<CTypeLock> CProtocolDescriptor::typeLock(const std::string& typeName) const
{
    const auto it = std::find_if(typeLocks.begin(), typeLocks.end(),
                                 [&](const CTypeLock& l) { return typeName == l.typeName; });
    if (it != typeLocks.end())
        return it->wordCount != 0 || it->setLocked || it->noValueRange ? std::optional<CTypeLock>(*it)
                                                                       : std::nullopt;
    if (otherTypesWordCount != 0)
        return CTypeLock{nullptr, otherTypesWordCount, false};
    return std::nullopt;
}

} // namespace zl
