#include "panel/CPanelOperands.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "plc/CProtocolTables.h"

namespace zl
{
namespace
{

constexpr int kKinds[] = {kWordList, kBitList, kThirdList};

CProtocolTables tablesOf(unsigned protocol)
{
    return CProtocolTables::Build(protocol, {}, 1);
}

std::string hexByte(unsigned v)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    return {digits[v >> 4 & 0xF], digits[v & 0xF]};
}

void addOperand(std::vector<CPanelOperand>& out, const CImageOperand& o, bool isBit, unsigned bit, int kind,
                unsigned protocol)
{
    for (const CPanelOperand& seen : out)
        if (seen.operand.station == o.station && seen.operand.typeValue == o.typeValue &&
            seen.operand.address == o.address && seen.operand.subAddress == o.subAddress &&
            seen.isBit == isBit && seen.bit == bit)
            return;
    std::string name = operandName(o.typeValue, o.address, protocol, kind);
    if (isBit && CPlcMemory::UnitBytes(o.typeValue) > 0)
        name += "." + std::to_string(bit);
    out.push_back({o, isBit, bit, name});
}

} // namespace

std::string operandName(std::uint8_t typeValue, std::uint16_t address, unsigned protocol, int kind)
{
    const CProtocolTables tables = tablesOf(protocol);
    std::vector<int> kinds = {kind};
    for (int k : kKinds)
        if (k != kind)
            kinds.push_back(k);
    // Named variables carry their own type values: no register type name stands for them.
    if (!tables.descriptor().namedVariables)
        for (int k : kinds)
            for (const std::string& name : tables.list(k))
                if (typeValueOf(name, protocol, k) == typeValue)
                    return name + std::to_string(address);
    return "$" + hexByte(typeValue) + ":" + std::to_string(address);
}

std::vector<CPanelOperand> imageOperands(const CPanel& panel)
{
    std::vector<CPanelOperand> out;
    const CDecodedImage& image = panel.image();
    const unsigned protocol = image.settings.protocol;
    for (const CImageWindow& w : image.windows) {
        for (const CImageComponent& c : w.components) {
            if (const auto* led = std::get_if<CImageLed>(&c.record)) {
                addOperand(out, led->operand, true, led->bitOffset, kThirdList, protocol);
            } else if (const auto* key = std::get_if<CImageFunctionKey>(&c.record)) {
                if (key->operation >= 1 && key->operation <= 4)
                    addOperand(out, key->operand, true, key->operand.subAddress, kBitList, protocol);
                else if (key->operation == 5)
                    addOperand(out, key->operand, false, 0, kWordList, protocol);
            } else {
                std::visit(
                    [&](const auto& r) {
                        if constexpr (requires { r.operand; })
                            addOperand(out, r.operand, false, 0, kWordList, protocol);
                    },
                    c.record);
            }
        }
    }
    for (std::size_t i = 0; i < image.alarms.entries.size(); ++i) {
        const auto [coil, bit] = panel.AlarmBit(i);
        addOperand(out, coil, true, bit, kThirdList, protocol);
    }
    return out;
}

std::uint32_t operandValue(const CPanel& panel, const CPanelOperand& o)
{
    return o.isBit ? panel.memory().ReadBit(o.operand, o.bit) : panel.memory().Read(o.operand);
}

void setOperandValue(CPanel& panel, const CPanelOperand& o, std::uint32_t value)
{
    if (o.isBit)
        panel.memory().WriteBit(o.operand, o.bit, value != 0);
    else
        panel.memory().Write(o.operand, value);
}

Status setOperand(CPanel& panel, const std::string& assignment)
{
    const std::size_t equals = assignment.find('=');
    if (equals == std::string::npos || equals == 0)
        return makeError("\"" + assignment + "\" is not OPERAND=VALUE");
    const std::string operand = assignment.substr(0, equals);
    const std::string valueText = assignment.substr(equals + 1);
    char* end = nullptr;
    const long long value = std::strtoll(valueText.c_str(), &end, 0);
    if (valueText.empty() || *end || value < -2147483648LL || value > 4294967295LL)
        return makeError("\"" + valueText + "\" is not a 32-bit value");

    // The name is what comes before the address's digits; a trailing ".B" names a bit of a word.
    std::string text = operand;
    std::optional<unsigned> bit;
    if (const std::size_t dot = text.find('.'); dot != std::string::npos) {
        const std::string b = text.substr(dot + 1);
        if (b.empty() || b.size() > 2 || !std::all_of(b.begin(), b.end(), ::isdigit))
            return makeError("\"" + operand + "\": the bit after the point is a number");
        bit = static_cast<unsigned>(std::stoul(b));
        text.resize(dot);
    }
    std::size_t digits = text.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(text[digits - 1])))
        --digits;
    const unsigned protocol = panel.image().settings.protocol;
    const CProtocolTables tables = tablesOf(protocol);
    const std::vector<CPanelOperand> operands = imageOperands(panel);
    int matched = 0;
    // The address digits begin where a name of the protocol ends: "4x12" is 4x, 12.
    for (std::size_t split = std::max<std::size_t>(digits, 1); split < text.size(); ++split) {
        const std::string name = text.substr(0, split);
        const unsigned long address = std::strtoul(text.c_str() + split, nullptr, 10);
        if (address > 0xFFFF)
            continue;
        std::vector<std::uint8_t> types;
        if (name.size() == 3 && name[0] == '$') {
            types.push_back(static_cast<std::uint8_t>(std::strtoul(name.c_str() + 1, nullptr, 16)));
        } else {
            for (int kind : kKinds) {
                const auto& list = tables.list(kind);
                for (const std::string& n : list)
                    if (n.size() == name.size() &&
                        std::equal(n.begin(), n.end(), name.begin(), [](char a, char b) {
                            return std::toupper(static_cast<unsigned char>(a)) ==
                                   std::toupper(static_cast<unsigned char>(b));
                        }))
                        types.push_back(typeValueOf(n, protocol, kind));
            }
        }
        for (const CPanelOperand& o : operands) {
            if (std::find(types.begin(), types.end(), o.operand.typeValue) == types.end())
                continue;
            const unsigned units = o.isBit ? 1 : CPlcMemory::Units(o.operand);
            if (address < o.operand.address || address >= o.operand.address + units)
                continue;
            if (bit && (!o.isBit || o.bit != *bit))
                continue;
            ++matched;
            const auto v = static_cast<std::uint32_t>(value);
            const bool wordBit = o.isBit && CPlcMemory::UnitBytes(o.operand.typeValue) > 0;
            if (wordBit && !bit)
                panel.plc().Write(o.operand, v); // the whole word, not just the bit it shows
            else if (address == o.operand.address)
                setOperandValue(panel, o, v);
            else
                panel.plc().SetCell({o.operand.station, o.operand.typeValue,
                                     static_cast<std::uint16_t>(address), o.operand.subAddress},
                                    v);
        }
        if (matched)
            return Ok{};
    }
    return makeError("the image uses no operand " + operand);
}

} // namespace zl
