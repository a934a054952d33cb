#include "components/CChars.h"

#include <algorithm>

#include "model/TextCodes.h"
#include "model/CArchive.h"
#include "base/CJson.h"
#include "render/CPainter.h"

namespace zl {
namespace {
constexpr std::size_t kReserved = 50;
constexpr std::size_t kCodesAt = 4;
} // namespace

CChars::CChars() : CBase(0) { typeCode = kStaticText; }

CChars::CChars(unsigned protocol, CPoint canvas, std::string gbkText) : CBase(protocol), text(std::move(gbkText))
{
    typeCode = kStaticText;
    MoveTo(canvas.x, canvas.y);
}

CChars::CChars(const CChars& o) : CBase(o), textLength(o.textLength), text(o.text) {}

void CChars::Serialize(CArchive& ar)
{
    CBase::Serialize(ar);
    if (ar.IsStoring()) {
        ar.writeByte(doubleSize);
        ar.writeByte(reverse);
        ar.writeText(text);
        ar.writeReserved(kReserved);
    } else {
        doubleSize = ar.readByte();
        reverse = ar.readByte();
        text = ar.readText();
        MoveToPanelPosition();
        ar.readReserved(kReserved);
    }
}

void CChars::Draw(CPainter& painter) const { painter.GlyphText(rect, text, doubleSize, reverse); }

void CChars::MoveTo(int cx, int cy)
{
    textLength = static_cast<std::uint8_t>(RecordText(text).size());
    rect = {cx, cy, cx + textLength * (doubleSize + 1) * 18, cy + doubleSize * 36 + 36};
    x = canvasToPanel(cx);
    y = canvasToPanel(cy);
}

void CChars::CalcDownloadSize(CCompileContext&) { downloadSize = static_cast<std::uint16_t>(textLength + kCodesAt); }

void CChars::BuildDownloadData(CCompileContext& ctx)
{
    CBase::BuildDownloadData(ctx);
    if (record.size() < kCodesAt)
        return;
    record[2] = static_cast<std::uint8_t>((reverse ? 0x01 : 0) | (doubleSize ? 0x02 : 0));
    record[3] = textLength;
}

void CChars::CollectCharacters(CCompileContext& ctx)
{
    if (record.size() < kCodesAt + textLength)
        return;
    WriteTextCodesInto(std::string_view(text).substr(0, textLength), record.data() + kCodesAt, 0, ctx);
}

void CChars::WriteTextCodes(std::uint16_t offset)
{
    if (record.size() >= kCodesAt)
        RelocateTextCodes(record.data() + kCodesAt, std::min<std::size_t>(textLength, record.size() - kCodesAt),
                          offset);
}

void CChars::Describe(CJson& o) const
{
    CBase::Describe(o);
    o.set("textLength", textLength);
    o.set("text", CJson::text(text));
}

} // namespace zl
