#include "plc/CVariableDictionary.h"

#include <array>
#include <map>
#include <utility>

namespace zl::CVariableDictionary {
namespace {

using Names = std::vector<std::string>;

struct CVariable {
    const char* name;
    std::uint8_t number;
    std::uint8_t type;
};

const std::map<std::string, std::vector<CVariable>>& definitions()
{
    static const std::map<std::string, std::vector<CVariable>> d{
        {"RC",
         {{"Inv1", 1, 0x10},          {"Inv2", 2, 0x10},          {"Inv3", 3, 0x10},
          {"Inv4", 4, 0x10},          {"Itime", 5, 0x32},         {"Dfactor", 6, 0x64},
          {"Offset", 7, 0x64},        {"DeadBand", 11, 0x64},     {"DeadBandSeq", 12, 0x32},
          {"FailAlmLock", 13, 0x10},  {"AlarmLowLimit", 14, 0x64}, {"AlarmHighLimit", 15, 0x64},
          {"AlarmDelay", 16, 0x32},   {"AlarmStatus", 19, 0x32},  {"AlarmPriority", 21, 0x32},
          {"AlarmAck", 22, 0x10},     {"Dir1", 23, 0x10},         {"Dir2", 24, 0x10},
          {"Dir3", 25, 0x10},         {"Dir4", 26, 0x10},         {"Deviation", 27, 0x64},
          {"Function1", 31, 0x32},    {"Function2", 32, 0x32},    {"Function3", 33, 0x32},
          {"LimitiTime", 44, 0x32},   {"LimitMin", 45, 0x64},     {"LimitMax", 46, 0x64},
          {"LimitPBand", 47, 0x64},   {"ControlStatus", 48, 0x10}, {"Status", 56, 0x10},
          {"PBand1", 57, 0x64},       {"PBand2", 58, 0x64},       {"PBand3", 59, 0x64},
          {"PBand4", 60, 0x64},       {"Deviation_Min", 67, 0x64}, {"Deviation_Max", 68, 0x64},
          {"Value", 69, 0x64},        {"Setting", 75, 0x64},      {"MinMaxResetInterval", 98, 0x32},
          {"MinMaxReset", 99, 0x10}}},
        {"KV",
         {{"Input1", 38, 0xC2}, {"Value", 69, 0x64}, {"Unit", 76, 0x32}, {"X1", 78, 0x64}, {"X2", 79, 0x64},
          {"X3", 80, 0x64},     {"X4", 81, 0x64},    {"X5", 82, 0x64},   {"X6", 83, 0x64}, {"X7", 84, 0x64},
          {"X8", 85, 0x64},     {"X9", 86, 0x64},    {"Y1", 88, 0x64},   {"Y2", 89, 0x64}, {"Y3", 90, 0x64},
          {"Y4", 91, 0x64},     {"Y5", 92, 0x64},    {"Y6", 93, 0x64},   {"Y7", 94, 0x64}, {"Y8", 95, 0x64},
          {"Y9", 96, 0x64}}},
        {"AI",
         {{"AlarmSensorStatus", 20, 0x32}, {"AlarmLowLimit", 14, 0x64},      {"AlarmHighLimit", 15, 0x64},
          {"AlarmDelay", 16, 0x32},        {"AlarmSensorPriority", 17, 0x32}, {"AlarmPriority", 21, 0x32},
          {"AlarmStatus", 19, 0x32},       {"AlarmAck", 22, 0x10},           {"Filter", 34, 0x32},
          {"SensorError", 35, 0x10},       {"SensorType", 72, 0x32},         {"RangeMin", 62, 0x64},
          {"RangeMax", 63, 0x64},          {"Min", 67, 0x64},                {"Max", 68, 0x64},
          {"Value", 69, 0x64},             {"Calib", 74, 0x64},              {"Unit", 76, 0x32},
          {"MinMaxResetInterval", 98, 0x32}, {"MinMaxReset", 99, 0x10}}},
        {"UI",
         {{"AlarmSensorStatus", 20, 0x32}, {"AlarmLowLimit", 14, 0x64},      {"AlarmHighLimit", 15, 0x64},
          {"AlarmDelay", 16, 0x32},        {"AlarmSensorPriority", 17, 0x32}, {"AlarmPriority", 21, 0x32},
          {"AlarmStatus", 19, 0x32},       {"AlarmAck", 22, 0x10},           {"DigAlarmStatus", 28, 0x32},
          {"DigAlarmPriority", 29, 0x32},  {"DigAlarmAck", 30, 0x10},        {"Status", 70, 0x10},
          {"Filter", 34, 0x32},            {"SensorError", 35, 0x10},        {"SensorType", 72, 0x32},
          {"RangeMin", 62, 0x64},          {"RangeMax", 63, 0x64},           {"Min", 67, 0x64},
          {"Max", 68, 0x64},               {"Value", 69, 0x64},              {"Calib", 74, 0x64},
          {"Unit", 76, 0x32},              {"MinMaxResetInterval", 98, 0x32}, {"MinMaxReset", 99, 0x10}}},
        {"AU",
         {{"Output", 5, 0x64},     {"MinOut1", 6, 0x64},         {"MinOut2", 7, 0x64},
          {"MaxOut", 8, 0x64},     {"MinOut", 9, 0x64},          {"VoltMin", 45, 0x64},
          {"VoltMax", 46, 0x64},   {"Mode", 48, 0x32},           {"FixedMinOut", 50, 0x64},
          {"FixedMaxOut", 51, 0x64}, {"Min", 67, 0x64},          {"Max", 68, 0x64},
          {"Value", 69, 0x64},     {"OutPercent", 73, 0x64},     {"ManualOutputVolt", 75, 0x64},
          {"OutputVolt", 77, 0x64}, {"MinMaxResetInterval", 98, 0x32}, {"MinMaxReset", 99, 0x10},
          {"ForceOutput", 71, 0x10}}},
        {"DI",
         {{"AlarmDelay", 16, 0x32},      {"AlarmInterlock", 18, 0xC2},   {"AlarmStatus", 19, 0x32},
          {"AlarmPriority", 21, 0x32},   {"AlarmAck", 22, 0x10},         {"TimeAlarmStatus", 64, 0x32},
          {"TimeAlarmPriority", 65, 0x32}, {"TimeAlarmAck", 66, 0x10},   {"Value", 69, 0x10},
          {"DateTimeReset", 97, 0xA4},   {"ResetTimer", 100, 0x10},      {"PosFlank", 61, 0x10},
          {"NegFlank", 49, 0x10}}},
        {"DU",
         {{"Inv1", 1, 0x10}, {"Inv2", 2, 0x10}, {"Inv3", 3, 0x10}, {"Inv4", 4, 0x10}, {"OP1", 31, 0x32},
          {"OP2", 32, 0x32}, {"Op3", 33, 0x32}, {"Mode", 48, 0x32}, {"Value", 69, 0x10},
          {"ForceOutput", 71, 0x10}}},
    };
    return d;
}

const Names kEmpty;

// Variable lists by kind (index kind - 1) and group name.
const std::map<std::string, Names>& listsOf(int kind)
{
    static const std::array<std::map<std::string, Names>, 4> lists{{
        // 1: readable words
        {{"RC", {"Itime", "Dfactor", "Offset", "DeadBand", "DeadBandSeq", "AlarmLowLimit", "AlarmHighLimit",
                 "AlarmDelay", "AlarmStatus", "AlarmPriority", "Deviation", "Function1", "Function2", "Function3",
                 "LimitiTime", "LimitMin", "LimitMax", "LimitPBand", "PBand1", "PBand2", "PBand3", "PBand4",
                 "Deviation_Min", "Deviation_Max", "Value", "Setting", "MinMaxResetInterval"}},
         {"KV", {"Value", "Unit", "X1", "X2", "X3", "X4", "X5", "X6", "X7", "X8", "X9", "Y1", "Y2", "Y3", "Y4",
                 "Y5", "Y6", "Y7", "Y8", "Y9"}},
         {"AI", {"AlarmSensorStatus", "AlarmLowLimit", "AlarmHighLimit", "AlarmDelay", "AlarmSensorPriority",
                 "AlarmPriority", "AlarmStatus", "Filter", "SensorType", "RangeMin", "RangeMax", "Min", "Max",
                 "Value", "Calib", "Unit", "MinMaxResetInterval"}},
         {"UI", {"AlarmSensorStatus", "AlarmLowLimit", "AlarmHighLimit", "AlarmDelay", "AlarmSensorPriority",
                 "AlarmPriority", "AlarmStatus", "DigAlarmStatus", "DigAlarmPriority", "Filter", "SensorType",
                 "RangeMin", "RangeMax", "Min", "Max", "Value", "Calib", "Unit", "MinMaxResetInterval"}},
         {"AU", {"Output", "MinOut1", "MinOut2", "MaxOut", "MinOut", "VoltMin", "VoltMax", "Mode", "FixedMinOut",
                 "FixedMaxOut", "Min", "Max", "Value", "OutPercent", "ManualOutputVolt", "OutputVolt",
                 "MinMaxResetInterval"}},
         {"DI", {"AlarmDelay", "AlarmInterlock", "AlarmStatus", "AlarmPriority", "TimeAlarmStatus",
                 "TimeAlarmPriority"}},
         {"DU", {"OP1", "OP2", "Op3", "Mode"}}},
        // 2: writable bits
        {{"RC", {"Inv1", "Inv2", "Inv3", "Inv4", "FailAlmLock", "AlarmAck", "Dir1", "Dir2", "Dir3", "Dir4",
                 "MinMaxReset"}},
         {"AI", {"AlarmAck", "MinMaxReset"}},
         {"UI", {"AlarmAck", "DigAlarmAck", "MinMaxReset"}},
         {"AU", {"MinMaxReset"}},
         {"DI", {"AlarmAck", "TimeAlarmAck", "ResetTimer"}},
         {"DU", {"Inv1", "Inv2", "Inv3", "Inv4"}}},
        // 3: readable bits
        {{"RC", {"Inv1", "Inv2", "Inv3", "Inv4", "FailAlmLock", "AlarmAck", "Dir1", "Dir2", "Dir3", "Dir4",
                 "ControlStatus", "Status", "MinMaxReset"}},
         {"AI", {"AlarmAck", "SensorError", "MinMaxReset"}},
         {"UI", {"AlarmAck", "DigAlarmAck", "Status", "SensorError", "MinMaxReset"}},
         {"AU", {"MinMaxReset", "ForceOutput"}},
         {"DI", {"AlarmAck", "TimeAlarmAck", "Value", "ResetTimer", "PosFlank", "NegFlank"}},
         {"DU", {"Inv1", "Inv2", "Inv3", "Inv4", "Value", "ForceOutput"}}},
        // 4: writable words
        {{"RC", {"Itime", "Dfactor", "DeadBand", "DeadBandSeq", "AlarmLowLimit", "AlarmHighLimit", "AlarmDelay",
                 "AlarmStatus", "AlarmPriority", "Function1", "Function2", "Function3", "LimitiTime", "LimitMin",
                 "LimitMax", "LimitPBand", "PBand1", "PBand2", "PBand3", "PBand4", "Setting",
                 "MinMaxResetInterval"}},
         {"KV", {"Unit", "X1", "X2", "X3", "X4", "X5", "X6", "X7", "X8", "X9", "Y1", "Y2", "Y3", "Y4", "Y5", "Y6",
                 "Y7", "Y8", "Y9"}},
         {"AI", {"AlarmLowLimit", "AlarmHighLimit", "AlarmDelay", "AlarmSensorPriority", "AlarmPriority", "Filter",
                 "SensorType", "RangeMin", "RangeMax", "Calib", "Unit", "MinMaxResetInterval"}},
         {"UI", {"AlarmLowLimit", "AlarmHighLimit", "AlarmDelay", "AlarmSensorPriority", "AlarmPriority",
                 "DigAlarmPriority", "Filter", "SensorType", "RangeMin", "RangeMax", "Calib", "Unit",
                 "MinMaxResetInterval"}},
         {"AU", {"VoltMin", "VoltMax", "Mode", "FixedMinOut", "FixedMaxOut", "ManualOutputVolt",
                 "MinMaxResetInterval"}},
         {"DI", {"AlarmDelay", "AlarmInterlock", "AlarmStatus", "AlarmPriority", "TimeAlarmStatus",
                 "TimeAlarmPriority"}},
         {"DU", {"OP1", "OP2", "Op3", "Mode"}}},
    }};
    return lists[static_cast<std::size_t>(kind - 1)];
}

bool validKind(int kind) { return kind >= 1 && kind <= 4; }

const CVariable* lookup(unsigned groupIndex, unsigned position, int kind)
{
    const auto& names = variables(groupIndex, kind);
    if (position >= names.size())
        return nullptr;
    for (const CVariable& v : definitions().at(groups(kind)[groupIndex])) {
        if (names[position] == v.name)
            return &v;
    }
    return nullptr;
}

} // namespace

const std::vector<std::string>& groups(int kind)
{
    static const Names words{"RC", "KV", "AI", "UI", "AU", "DI", "DU"};
    static const Names bits{"RC", "AI", "UI", "AU", "DI", "DU"};
    return (kind == kWriteBits || kind == kReadBits) ? bits : words;
}

const std::vector<std::string>& variables(unsigned groupIndex, int kind)
{
    if (!validKind(kind) || groupIndex >= groups(kind).size())
        return kEmpty;
    return listsOf(kind).at(groups(kind)[groupIndex]);
}

std::uint8_t variableNumber(unsigned groupIndex, unsigned position, int kind)
{
    const CVariable* v = lookup(groupIndex, position, kind);
    return v ? v->number : 0;
}

std::uint8_t typeValue(unsigned groupIndex, unsigned position, int kind)
{
    const CVariable* v = lookup(groupIndex, position, kind);
    return v ? v->type : 0;
}

std::uint8_t groupCode(const std::string& group)
{
    static const Names order{"RC", "KV", "AI", "UI", "AU", "DI", "DU"};
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i] == group)
            return static_cast<std::uint8_t>(i + 1);
    }
    return 0;
}

} // namespace zl::CVariableDictionary
