#include "components/CRegister.h"

#include <string>

#include "plc/CProtocolTables.h"
#include "plc/CVariableDictionary.h"
#include "model/CArchive.h"
#include "model/CCompileContext.h"
#include "base/CJson.h"
#include "render/CPainter.h"

namespace zl {
namespace {

constexpr std::size_t kReserved = 99;
constexpr int kCharWidth = 18; // canvas pixels of one digit at normal size
constexpr int kCharHeight = 36;

std::uint8_t bit(std::uint8_t flag, int position) { return static_cast<std::uint8_t>((flag ? 1 : 0) << position); }

} // namespace

CRegister::CRegister() : CBase(0) { typeCode = kRegister; }

CRegister::CRegister(unsigned protocol, CPoint canvas) : CBase(protocol)
{
    typeCode = kRegister;
    const CProtocolDescriptor& d = protocolDescriptor(protocol);
    address = d.registerAddress;
    const std::uint32_t largest = largestValueOf(d.namedVariables ? 2 : firstWordUnitBytes(protocol));
    maxInput = largest;
    engineeringMax = largest;
    MoveTo(canvas.x, canvas.y);
}

void CRegister::Serialize(CArchive& ar)
{
    CBase::Serialize(ar);
    if (ar.IsStoring()) {
        for (std::uint8_t b : {doubleSize, reverse, station, registerType})
            ar.writeByte(b);
        ar.writeWord(address);
        for (std::uint8_t b : {wordCount, digits, decimals, set, limited})
            ar.writeByte(b);
        for (std::uint32_t v : {maxInput, minInput, engineeringMax, engineeringMin})
            ar.writeInt32(static_cast<std::int32_t>(v));
        for (std::uint8_t b : {password, format, isSigned, engineeringUnits, subAddress, subType, protocol31TypeValue})
            ar.writeByte(b);
        ar.writeWord(protocol31Address);
        ar.writeReserved(kReserved);
        return;
    }
    for (std::uint8_t* b : {&doubleSize, &reverse, &station, &registerType})
        *b = ar.readByte();
    address = ar.readWord();
    for (std::uint8_t* b : {&wordCount, &digits, &decimals, &set, &limited})
        *b = ar.readByte();
    for (std::uint32_t* v : {&maxInput, &minInput, &engineeringMax, &engineeringMin})
        *v = static_cast<std::uint32_t>(ar.readInt32());
    for (std::uint8_t* b : {&password, &format, &isSigned, &engineeringUnits, &subAddress})
        *b = ar.readByte();
    if (ar.version() >= 11) { // older files end the register before the protocol-31 fields
        subType = ar.readByte();
        protocol31TypeValue = ar.readByte();
        protocol31Address = ar.readWord();
    }
    ar.readReserved(kReserved);
    MoveToPanelPosition();
}

void CRegister::CalcDownloadSize(CCompileContext&)
{
    downloadSize = static_cast<std::uint16_t>(11 + (limited ? 8 : 0) * (engineeringUnits ? 2 : 1));
}

void CRegister::BuildDownloadData(CCompileContext& ctx)
{
    repairLimits(ctx, 1, *this, maxInput, minInput);
    if (password)
        ctx.writeFlag = 1;

    CBase::BuildDownloadData(ctx);
    if (record.size() < 11)
        return;
    std::uint8_t* r = record.data();
    r[2] = bit(reverse, 0) | bit(doubleSize, 1) | bit(engineeringUnits, 2) | bit(set, 3) | bit(isSigned, 4) |
           bit(format, 5) | bit(password, 6) | bit(limited, 7);
    WriteOperand(r + 3, TypeValue(ctx.tables), ctx.tables.descriptor().namedVariables ? protocol31Address : address);
    r[9] = static_cast<std::uint8_t>(DisplayWidth());
    r[10] = decimals;
    if (record.size() >= 19) {
        putBe32(r + 11, maxInput);
        putBe32(r + 15, minInput);
    }
    if (record.size() >= 27) {
        putBe32(r + 19, engineeringMax);
        putBe32(r + 23, engineeringMin);
    }
}

std::optional<CError> CRegister::GeometryError() const
{
    if (decimals > digits)
        return makeError("Register error!");
    return std::nullopt;
}

void CRegister::Draw(CPainter& painter) const { painter.GlyphText(rect, SampleText(), doubleSize, reverse); }

void CRegister::MoveTo(int cx, int cy)
{
    int extra = 0;
    if (decimals > 0 && decimals < digits)
        extra = 1;
    else if (decimals > 0 && decimals == digits)
        extra = 2;
    const int scale = doubleSize ? 2 : 1;
    rect = {cx, cy, cx + (extra + (isSigned ? 1 : 0) + digits) * scale * kCharWidth, cy + scale * kCharHeight};
    x = canvasToPanel(cx);
    y = canvasToPanel(cy);
}

unsigned CRegister::DisplayWidth() const
{
    unsigned width = digits + (isSigned ? 1u : 0u);
    if (decimals > 0)
        width += decimals >= digits ? 2 : 1;
    return width;
}

std::string CRegister::SampleText() const
{
    std::uint32_t v = 0;
    for (unsigned i = 1; i <= digits; ++i)
        v = v * 10 + i % 10;
    std::uint32_t p = 1;
    for (unsigned i = 0; i < decimals; ++i)
        p *= 10;
    // From 32 decimals on the power of ten is 0 in 32 bits; such a register shows no fraction.
    std::string text = isSigned ? "-" : "";
    text += std::to_string(p ? v / p : v);
    if (decimals > 0)
        text += "." + std::to_string(p ? v % p : 0);
    return text;
}

std::uint8_t CRegister::TypeValue(const CProtocolTables& t) const
{
    return t.descriptor().namedVariables ? protocol31TypeValue : t.typeValue(registerType, kWordList);
}

CValueRange CRegister::LimitRange(const CProtocolTables& t) const
{
    if (t.descriptor().fullWordLimits)
        return {0, 65535};
    const std::uint8_t typeValue = TypeValue(t);
    if (isCounterArea(t.descriptor(), typeValue))
        return kCounterAreaRange;
    return valueRangeOfBits(8 * ((typeValue * wordCount) % 16), isSigned != 0);
}

void CRegister::Describe(CJson& o) const
{
    CBase::Describe(o);
    auto limit = [&](std::uint32_t v) { return limitValue(v, isSigned != 0); };
    o.set("digits", digits);
    o.set("decimals", decimals);
    o.set("password", password);
    o.set("engineeringUnits", engineeringUnits);
    o.set("set", set);
    o.set("limited", limited);
    o.set("maxInput", limit(maxInput));
    o.set("minInput", limit(minInput));
    o.set("engineeringMax", limit(engineeringMax));
    o.set("engineeringMin", limit(engineeringMin));
    o.set("protocol31Address", protocol31Address);
    o.set("protocol31TypeValue", protocol31TypeValue);
}

} // namespace zl
