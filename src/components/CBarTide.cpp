#include "components/CBarTide.h"

#include <utility>

#include "components/BarTidePreview.h"
#include "plc/CProtocolTables.h"
#include "plc/CVariableDictionary.h"
#include "model/CArchive.h"
#include "model/CCompileContext.h"
#include "base/CJson.h"

namespace zl {
namespace {

constexpr std::size_t kReserved = 99;
constexpr std::uint16_t kCommonRecordSize = 19;
constexpr std::uint16_t kBarRecordSize = 20;
constexpr std::uint16_t kTrendRecordSize = 24;

} // namespace

// --- common part

CBarTide::CBarTide(unsigned protocol, std::uint8_t code, std::uint8_t w) : CBase(protocol), width(w)
{
    typeCode = code;
    wordCount = 1;
    const bool named = protocolDescriptor(protocol).namedVariables;
    address = named ? 1 : 0;
    protocol31Address = named ? kDefaultVariableAddress : 0;
    maxValue = largestValueOf(named ? 4 : firstWordUnitBytes(protocol));
}

void CBarTide::Serialize(CArchive& ar)
{
    CBase::Serialize(ar);
    if (ar.IsStoring()) {
        for (std::uint8_t b : {width, height, format, isSigned})
            ar.writeByte(b);
        ar.writeInt32(static_cast<std::int32_t>(maxValue));
        ar.writeInt32(static_cast<std::int32_t>(minValue));
        for (std::uint8_t b : {station, registerType})
            ar.writeByte(b);
        ar.writeWord(address);
        ar.writeByte(wordCount);
        ar.writeByte(subType);
        ar.writeWord(protocol31Address);
        ar.writeByte(protocol31TypeValue);
        return;
    }
    for (std::uint8_t* b : {&width, &height, &format, &isSigned})
        *b = ar.readByte();
    maxValue = static_cast<std::uint32_t>(ar.readInt32());
    minValue = static_cast<std::uint32_t>(ar.readInt32());
    for (std::uint8_t* b : {&station, &registerType})
        *b = ar.readByte();
    address = ar.readWord();
    wordCount = ar.readByte();
    if (ar.version() >= 11) { // older files end the common part before the protocol-31 fields
        subType = ar.readByte();
        protocol31Address = ar.readWord();
        protocol31TypeValue = ar.readByte();
    } else if (protocolDescriptor(ar.protocol()).namedVariables) {
        protocol31Address = kDefaultVariableAddress; // what a new one gets
    }
}

void CBarTide::BuildDownloadData(CCompileContext& ctx)
{
    repairLimits(ctx, 3, *this, maxValue, minValue);
    CBase::BuildDownloadData(ctx);
    if (record.size() < kCommonRecordSize)
        return;
    std::uint8_t* r = record.data();
    r[2] = static_cast<std::uint8_t>((isSigned ? 0x10 : 0) | (format ? 0x20 : 0));
    WriteOperand(r + 3, TypeValue(ctx.tables), ctx.tables.descriptor().namedVariables ? protocol31Address : address);
    r[9] = width;
    r[10] = height;
    putBe32(r + 11, maxValue);
    putBe32(r + 15, minValue);
}

void CBarTide::MoveTo(int cx, int cy)
{
    rect = {cx, cy, static_cast<int>(cx + width * 2.25 + 0.5), static_cast<int>(cy + height * 2.25 + 0.5)};
    x = canvasToPanel(cx);
    y = canvasToPanel(cy);
}

std::uint8_t CBarTide::TypeValue(const CProtocolTables& t) const
{
    return t.descriptor().namedVariables ? protocol31TypeValue : t.typeValue(registerType, kWordList);
}

CValueRange CBarTide::RangeOfBits(const CProtocolTables& t, unsigned bits) const
{
    if (isCounterArea(t.descriptor(), TypeValue(t)))
        return kCounterAreaRange;
    return valueRangeOfBits(bits, isSigned != 0);
}

void CBarTide::Describe(CJson& o) const
{
    CBase::Describe(o);
    o.set("width", width);
    o.set("height", height);
    o.set("maxValue", limitValue(maxValue, isSigned != 0));
    o.set("minValue", limitValue(minValue, isSigned != 0));
    o.set("protocol31Address", protocol31Address);
    o.set("protocol31TypeValue", protocol31TypeValue);
}

// --- bar graph

CBar::CBar() : CBarTide(0, kBarGraph, 16) {}

CBar::CBar(unsigned protocol, CPoint canvas) : CBarTide(protocol, kBarGraph, 16) { MoveTo(canvas.x, canvas.y); }

void CBar::Serialize(CArchive& ar)
{
    CBarTide::Serialize(ar);
    if (ar.IsStoring()) {
        ar.writeByte(direction);
        ar.writeByte(subAddress);
        ar.writeReserved(kReserved);
        return;
    }
    direction = ar.readByte();
    subAddress = ar.readByte();
    ar.readReserved(kReserved);
    MoveToPanelPosition();
}

void CBar::CalcDownloadSize(CCompileContext&) { downloadSize = kBarRecordSize; }

void CBar::BuildDownloadData(CCompileContext& ctx)
{
    CBarTide::BuildDownloadData(ctx);
    if (record.size() >= kBarRecordSize)
        record[19] = direction < 8 ? static_cast<std::uint8_t>(1u << direction) : 0; // 1 UP, 2 DOWN, 4 LEFT, 8 RIGHT
}

void CBar::Draw(CPainter& painter) const { DrawBarSample(painter, rect, direction); }

void CBar::Rotate()
{
    std::swap(width, height);
    Replace();
}

void CBar::SetDirection(std::uint8_t to)
{
    const bool wasVertical = direction <= kDown;
    direction = to;
    if (wasVertical != (to <= kDown))
        Rotate();
}

CValueRange CBar::LimitRange(const CProtocolTables& t) const
{
    return RangeOfBits(t, 8 * (TypeValue(t) & 0x0F) * wordCount);
}

void CBar::Describe(CJson& o) const
{
    CBarTide::Describe(o);
    o.set("direction", direction);
}

// --- trend line

CTide::CTide() : CBarTide(0, kTrendLine, 96) {}

CTide::CTide(unsigned protocol, CPoint canvas) : CBarTide(protocol, kTrendLine, 96) { MoveTo(canvas.x, canvas.y); }

void CTide::Serialize(CArchive& ar)
{
    CBarTide::Serialize(ar);
    if (ar.IsStoring()) {
        ar.writeWord(sampleInterval);
        ar.writeByte(sampleDots);
        ar.writeByte(subAddress);
        ar.writeReserved(kReserved);
        return;
    }
    sampleInterval = ar.readWord();
    sampleDots = ar.readByte();
    subAddress = ar.readByte();
    ar.readReserved(kReserved);
    MoveToPanelPosition();
}

void CTide::CalcDownloadSize(CCompileContext&) { downloadSize = kTrendRecordSize; }

void CTide::BuildDownloadData(CCompileContext& ctx)
{
    CBarTide::BuildDownloadData(ctx);
    if (record.size() < kTrendRecordSize)
        return;
    record[19] = sampleDots;
    putBe16(&record[20], sampleInterval);
    record[22] = trendCount;
    record[23] = trendOrdinal;
}

CValueRange CTide::LimitRange(const CProtocolTables& t) const
{
    return RangeOfBits(t, 8 * ((TypeValue(t) * wordCount) % 16));
}

void CTide::Draw(CPainter& painter) const { DrawTrendSample(painter, rect); }

void CTide::Describe(CJson& o) const
{
    CBarTide::Describe(o);
    o.set("sampleDots", sampleDots);
    o.set("sampleInterval", sampleInterval);
    o.set("trendOrdinal", trendOrdinal);
    o.set("trendCount", trendCount);
}

} // namespace zl
