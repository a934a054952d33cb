#include "model/CBase.h"

#include <algorithm>
#include <cstdlib>

#include "model/CArchive.h"
#include "base/CJson.h"
#include "plc/CProtocolDescriptor.h"

namespace zl {

std::uint16_t defaultOperandAddress(unsigned p) { return protocolDescriptor(p).operandAddress; }

std::uint8_t defaultOperandStation(unsigned p) { return protocolDescriptor(p).operandStation; }

CBase::CBase(unsigned protocol) : address(defaultOperandAddress(protocol)), station(defaultOperandStation(protocol)) {}

CBase::CBase(const CBase& o)
    : rect(o.rect), typeCode(o.typeCode), keyByteA(o.keyByteA), subType(o.subType), subAddress(o.subAddress),
      registerType(o.registerType), address(o.address), format(o.format), station(o.station),
      keyByteB(o.keyByteB), wordCount(o.wordCount), x(o.x), y(o.y), doubleSize(o.doubleSize), reverse(o.reverse),
      isSigned(o.isSigned), downloadSize(0)
{
}

void CBase::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.writeByte(typeCode);
        ar.writeInt32(x);
        ar.writeInt32(y);
    } else {
        typeCode = ar.readByte();
        x = ar.readInt32();
        y = ar.readInt32();
    }
}

void CBase::SetAttribute(std::uint8_t value, int) { format = value; }

void CBase::FreeDownloadData() { Bytes().swap(record); }

void CBase::WriteTextCodes(std::uint16_t) {}

void CBase::CalcDownloadSize(CCompileContext&) {}

void CBase::CollectCharacters(CCompileContext&) {}

void CBase::BuildDownloadData(CCompileContext&)
{
    record.assign(downloadSize, 0);
    if (record.size() >= 2) {
        record[0] = static_cast<std::uint8_t>(x);
        record[1] = static_cast<std::uint8_t>(y);
    }
}

void CBase::Draw(CPainter&) const {}

void CBase::MoveTo(int, int) {}

void CBase::Describe(CJson& o) const
{
    o.set("class", GetRuntimeClass());
    o.set("typeCode", typeCode);
    o.set("x", x);
    o.set("y", y);
    o.set("rect", CJson::array().push(rect.left).push(rect.top).push(rect.right).push(rect.bottom));
    o.set("station", station);
    o.set("registerType", registerType);
    o.set("address", address);
    o.set("wordCount", wordCount);
    o.set("subAddress", subAddress);
    o.set("subType", subType);
    o.set("format", format);
    o.set("doubleSize", doubleSize);
    o.set("reverse", reverse);
    o.set("isSigned", isSigned);
    o.set("keyByteA", keyByteA);
    o.set("keyByteB", keyByteB);
}

void CBase::WriteOperand(std::uint8_t* at, std::uint8_t typeValue, std::uint16_t operandAddress) const
{
    at[0] = station;
    at[1] = typeValue;
    putBe16(at + 2, operandAddress);
    at[4] = static_cast<std::uint8_t>((typeValue & 0x0F) * wordCount);
    at[5] = subAddress;
}

void CBase::MoveToPanelPosition()
{
    // Far outside the panel every position looks the same; the limit keeps the canvas arithmetic of a
    // corrupt position from overflowing.
    constexpr int kFar = 1 << 20;
    const std::int32_t px = x;
    const std::int32_t py = y;
    MoveTo(panelToCanvas(std::clamp(px, -kFar, kFar)), panelToCanvas(std::clamp(py, -kFar, kFar)));
    x = px;
    y = py;
}

int CBase::MaxPanelX() const { return static_cast<int>(kPanelWidth - rect.width() * 0.4444444444444444); }

int CBase::MaxPanelY() const { return static_cast<int>(kPanelHeight - rect.height() * 0.4444444444444444); }

int CBase::EdgePanelX() const
{
    return canvasToPanel(kCanvasWidth - rect.width());
}

int CBase::EdgePanelY() const
{
    return canvasToPanel(kCanvasHeight - rect.height());
}

bool CBase::InsideCanvas() const
{
    return rect.left >= 0 && rect.top >= 0 && rect.right <= kCanvasWidth && rect.bottom <= kCanvasHeight;
}

void CBase::ClampToCanvas()
{
    const int w = rect.width();
    const int h = rect.height();
    if (rect.left < 0) {
        rect.left = 0;
        x = 0;
        rect.right = w;
    }
    if (rect.top < 0) {
        rect.top = 0;
        y = 0;
        rect.bottom = h;
    }
    if (rect.right > kCanvasWidth) {
        rect.right = kCanvasWidth;
        rect.left = kCanvasWidth - w;
        x = EdgePanelX();
    }
    if (rect.bottom > kCanvasHeight) {
        rect.bottom = kCanvasHeight;
        rect.top = kCanvasHeight - h;
        y = EdgePanelY();
    }
}

void CBase::PlaceAt(CPoint canvas)
{
    MoveTo(canvas.x, canvas.y);
    if (!InsideCanvas())
        ClampToCanvas();
}

bool CBase::Replace()
{
    MoveTo(rect.left, rect.top);
    if (InsideCanvas())
        return false;
    ClampToCanvas();
    return true;
}

CRect CBase::Drag(CPoint& mouse, CPoint to)
{
    const int dx = to.x - mouse.x;
    const int dy = to.y - mouse.y;
    if (std::abs(dx) <= kCanvasStep - 1 && std::abs(dy) <= kCanvasStep - 1)
        return rect;
    const CRect old = rect;
    const int stepsX = dx / kCanvasStep;
    const int stepsY = dy / kCanvasStep;
    x += stepsX * kPanelStep;
    y += stepsY * kPanelStep;
    mouse.x += stepsX * kCanvasStep;
    mouse.y += stepsY * kCanvasStep;
    MoveTo(old.left + stepsX * kCanvasStep, old.top + stepsY * kCanvasStep);
    if (!InsideCanvas())
        ClampToCanvas();
    return old.united(rect).grown(1);
}

bool CBase::MoveByPanel(int dx, int dy)
{
    const int px = std::clamp(x + dx, 0, std::max(0, MaxPanelX()));
    const int py = std::clamp(y + dy, 0, std::max(0, MaxPanelY()));
    if (px == x && py == y)
        return false;
    MoveTo(panelToCanvas(px), panelToCanvas(py));
    x = px;
    y = py;
    if (!InsideCanvas())
        ClampToCanvas();
    return true;
}

} // namespace zl
