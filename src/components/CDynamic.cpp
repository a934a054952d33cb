#include "components/CDynamic.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

#include "model/TextCodes.h"
#include "plc/CProtocolTables.h"
#include "model/CArchive.h"
#include "model/CCompileContext.h"
#include "base/CJson.h"
#include "render/CPainter.h"
#include "plc/CVariableDictionary.h"

namespace zl {
namespace {
constexpr std::size_t kReserved = 99;
constexpr std::size_t kEntriesAt = 12;
// The record counts its entries in one byte.
constexpr std::size_t kMaxCompiledEntries = 0xFF;

void writeTexts(CArchive& ar, const std::vector<std::string>& texts)
{
    ar.writeCount(static_cast<std::uint32_t>(texts.size()));
    for (const auto& t : texts)
        ar.writeText(t);
}

std::vector<std::string> readTexts(CArchive& ar)
{
    std::vector<std::string> texts(ar.readCount(1));
    for (auto& t : texts)
        t = ar.readText();
    return texts;
}
} // namespace

CDynamic::CDynamic() : CBase(0) { typeCode = kDynamicText; }

CDynamic::CDynamic(unsigned protocol, CPoint canvas, std::string gbkContent) : CBase(protocol)
{
    typeCode = kDynamicText;
    address = 0;
    if (protocolDescriptor(protocol).namedVariables) {
        address = 1;
        subAddress = 5;
        protocol31Address = kDefaultVariableAddress;
    }
    EqualizeEntries(kEntries);
    contents[0] = std::move(gbkContent);
    valueTexts[0] = "1";
    values[0] = 1;
    MoveTo(canvas.x, canvas.y);
}

CDynamic::CDynamic(const CDynamic& o)
    : CBase(o), textWidth(o.textWidth), contents(o.contents), valueTexts(o.valueTexts), values(o.values),
      protocol31Address(o.protocol31Address), protocol31TypeValue(o.protocol31TypeValue)
{
}

void CDynamic::EqualizeEntries(std::size_t atLeast)
{
    const std::size_t n = std::max({atLeast, contents.size(), valueTexts.size(), values.size()});
    contents.resize(n);
    valueTexts.resize(n);
    values.resize(n);
}

std::size_t CDynamic::EntryCount() const
{
    return std::min({contents.size(), valueTexts.size(), values.size()});
}

void CDynamic::Serialize(CArchive& ar)
{
    CBase::Serialize(ar);
    if (ar.IsStoring()) {
        ar.writeByte(doubleSize);
        ar.writeByte(reverse);
        ar.writeByte(station);
        ar.writeByte(registerType);
        ar.writeWord(address);
        ar.writeByte(wordCount);
        ar.writeByte(format);
        writeTexts(ar, contents);
        ar.writeCount(static_cast<std::uint32_t>(values.size()));
        for (const std::int32_t v : values)
            ar.writeInt32(v);
        writeTexts(ar, valueTexts);
        ar.writeByte(subAddress);
        ar.writeByte(subType);
        ar.writeByte(protocol31TypeValue);
        ar.writeWord(protocol31Address);
        // The signed flag has no field of its own in this body; it takes the first reserved byte, which
        // older files leave 0 (unsigned) and older readers skip.
        ar.writeByte(isSigned ? 1 : 0);
        ar.writeReserved(kReserved - 1);
        return;
    }
    doubleSize = ar.readByte();
    reverse = ar.readByte();
    station = ar.readByte();
    registerType = ar.readByte();
    address = ar.readWord();
    wordCount = ar.readByte();
    format = ar.readByte();
    contents = readTexts(ar);
    values.assign(ar.readCount(4), 0);
    for (auto& v : values)
        v = ar.readInt32();
    valueTexts = readTexts(ar);
    subAddress = ar.readByte();
    if (ar.version() >= 11) {
        subType = ar.readByte();
        protocol31TypeValue = ar.readByte();
        protocol31Address = ar.readWord();
    }
    isSigned = ar.readByte() != 0 ? 1 : 0;
    ar.readReserved(kReserved - 1);
    // A file may carry lists of different lengths; entry i must exist in all three.
    EqualizeEntries();
    MoveToPanelPosition();
}

void CDynamic::Draw(CPainter& painter) const { painter.GlyphText(rect, PreviewText(), doubleSize, reverse); }

void CDynamic::MoveTo(int cx, int cy)
{
    std::size_t widest = 0;
    for (const auto& c : contents)
        widest = std::max(widest, RecordText(c).size());
    textWidth = static_cast<std::uint8_t>(widest);
    rect = {cx, cy, cx + textWidth * (doubleSize + 1) * 18, cy + doubleSize * 36 + 36};
    x = canvasToPanel(cx);
    y = canvasToPanel(cy);
}

void CDynamic::FreeDownloadData()
{
    CBase::FreeDownloadData();
    Bytes().swap(textTable);
    textTableSize = 0;
    compiledContents.clear();
    compiledValues.clear();
    entrySizes.clear();
}

void CDynamic::CalcDownloadSize(CCompileContext&)
{
    // Start afresh, so that a second compile without FreeDownloadData cannot list entries twice.
    compiledContents.clear();
    compiledValues.clear();
    entrySizes.clear();
    textTableSize = 0;
    for (std::size_t i = 0; i < EntryCount() && compiledContents.size() < kMaxCompiledEntries; ++i) {
        if (valueTexts[i].empty())
            continue;
        const std::string_view text = RecordText(contents[i]);
        compiledContents.emplace_back(text);
        compiledValues.push_back(static_cast<std::uint16_t>(values[i]));
        entrySizes.push_back(static_cast<std::uint16_t>(text.size() + 2));
        textTableSize += entrySizes.back();
    }
    downloadSize = static_cast<std::uint16_t>(kEntriesAt + 4 * compiledContents.size());
}

void CDynamic::BuildDownloadData(CCompileContext& ctx)
{
    CBase::BuildDownloadData(ctx);
    attribute = static_cast<std::uint8_t>((reverse ? 0x01 : 0) | (doubleSize ? 0x02 : 0) | (isSigned ? 0x10 : 0) |
                                          (format ? 0x20 : 0));
    if (record.size() < kEntriesAt)
        return;
    const bool named = ctx.tables.descriptor().namedVariables;
    record[2] = attribute;
    WriteOperand(&record[3], named ? protocol31TypeValue : ctx.tables.typeValue(registerType, kWordList),
                 named ? protocol31Address : address);
    record[10] = static_cast<std::uint8_t>(compiledContents.size());
    record[11] = textWidth;
}

void CDynamic::CollectCharacters(CCompileContext& ctx)
{
    textTable.assign(textTableSize, 0);
    std::size_t pos = 0;
    for (std::size_t i = 0; i < compiledContents.size(); ++i) {
        const std::string& text = compiledContents[i];
        textTable[pos] = attribute;
        textTable[pos + 1] = static_cast<std::uint8_t>(text.size());
        WriteTextCodesInto(text, &textTable[pos + 2], 0, ctx);
        pos += entrySizes[i];
    }
}

void CDynamic::WriteTextCodes(std::uint16_t offset)
{
    if (textTable.size() != textTableSize)
        return; // no characters collected
    std::size_t pos = 0;
    for (std::size_t i = 0; i < compiledContents.size(); ++i) {
        RelocateTextCodes(&textTable[pos + 2], compiledContents[i].size(), offset);
        pos += entrySizes[i];
    }
}

void CDynamic::PlaceTextTable(std::uint16_t& address)
{
    for (std::size_t i = 0; i < compiledValues.size(); ++i) {
        const std::size_t at = kEntriesAt + 4 * i;
        if (at + 4 <= record.size()) {
            putBe16(&record[at], compiledValues[i]);
            putBe16(&record[at + 2], address);
        }
        address = static_cast<std::uint16_t>(address + entrySizes[i]);
    }
}

void CDynamic::AppendTextTable(Bytes& image) const { image.insert(image.end(), textTable.begin(), textTable.end()); }

void CDynamic::ReformatValues(int mode, std::int64_t maximum, std::int64_t minimum)
{
    for (std::size_t i = 0; i < EntryCount(); ++i) {
        if (values[i] == 0 && valueTexts[i].empty())
            continue;
        const auto v = static_cast<std::int32_t>(std::max(minimum, std::min<std::int64_t>(values[i], maximum)));
        values[i] = v;
        char buf[16];
        if (mode == 0)
            std::snprintf(buf, sizeof buf, "%" PRIx32, static_cast<std::uint32_t>(v));
        else
            std::snprintf(buf, sizeof buf, "%" PRId32, v);
        valueTexts[i] = buf;
    }
}

std::string CDynamic::CommitGridEdit(int row, CColumn column, std::string_view valueEditText)
{
    if (row < 1 || static_cast<std::size_t>(row) > std::max<std::size_t>(kEntries, values.size()))
        return {};
    EqualizeEntries(static_cast<std::size_t>(row));
    const std::size_t i = static_cast<std::size_t>(row - 1);
    if (column == CColumn::Content) {
        contents[i] = editText;
        Replace();
        return contents[i];
    }
    valueTexts[i] = valueEditText;
    values[i] = editValue;
    if (valueTexts[i].empty()) {
        // An emptied row is an unused entry again; a value left behind would bring it back when the
        // values are reformatted.
        values[i] = 0;
        contents[i].clear();
        Replace();
    }
    return valueTexts[i];
}

std::pair<std::int64_t, std::int64_t> CDynamic::ValueRange(const CProtocolTables& tables) const
{
    // The panel sends every value as 16 bits; narrower units narrow the range.
    const unsigned unit = tables.typeValue(registerType, kWordList) & 0x0F;
    const int bits =
        (tables.descriptor().namedVariables || unit == 0 || unit > 2) ? 16 : 8 * static_cast<int>(unit);
    if (isSigned)
        return {-(std::int64_t{1} << (bits - 1)), (std::int64_t{1} << (bits - 1)) - 1};
    return {0, (std::int64_t{1} << bits) - 1};
}

std::string CDynamic::PreviewText() const
{
    std::string text;
    const std::size_t shown = std::min<std::size_t>(kEntries, contents.size());
    const auto first = std::find_if(contents.begin(), contents.begin() + static_cast<std::ptrdiff_t>(shown),
                                    [](const std::string& c) { return !c.empty(); });
    if (first != contents.begin() + static_cast<std::ptrdiff_t>(shown))
        text = *first;
    if (text.size() < textWidth)
        text.append(textWidth - text.size(), ' ');
    return text;
}

void CDynamic::DeriveVariable()
{
    subAddress = CVariableDictionary::variableNumber(registerType, subType, kReadWords);
    protocol31TypeValue = CVariableDictionary::typeValue(registerType, subType, kReadWords);
}

void CDynamic::Describe(CJson& o) const
{
    CBase::Describe(o);
    o.set("textWidth", textWidth);
    o.set("protocol31Address", protocol31Address);
    o.set("protocol31TypeValue", protocol31TypeValue);
    CJson entries = CJson::array();
    for (std::size_t i = 0; i < EntryCount(); ++i) {
        CJson e = CJson::object();
        e.set("value", values[i]);
        e.set("valueText", CJson::text(valueTexts[i]));
        e.set("content", CJson::text(contents[i]));
        entries.push(std::move(e));
    }
    o.set("entries", std::move(entries));
}

} // namespace zl
