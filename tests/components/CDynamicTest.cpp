#include <gtest/gtest.h>

#include "ComponentTesting.h"
#include "components/CChars.h"
#include "components/CDynamic.h"

using namespace zl;
using namespace zl::test;

namespace {
const std::string kZhong = "\xD6\xD0";

// A dynamic text under protocol 1 whose entries are (value, value text, content).
CDynamic withEntries(std::initializer_list<std::tuple<std::int32_t, std::string, std::string>> entries)
{
    CDynamic d(1, {0, 0});
    d.values.clear();
    d.valueTexts.clear();
    d.contents.clear();
    for (const auto& [v, t, c] : entries) {
        d.values.push_back(v);
        d.valueTexts.push_back(t);
        d.contents.push_back(c);
    }
    d.MoveTo(0, 0);
    return d;
}

Bytes slice(const Bytes& b, std::size_t from, std::size_t n) { return Bytes(b.begin() + from, b.begin() + from + n); }
} // namespace

TEST(CDynamic, NewDefaultsPerProtocol)
{
    struct Case {
        unsigned protocol;
        std::uint16_t address, protocol31Address;
        std::uint8_t subAddress, station;
    };
    for (const Case c : {Case{1, 0, 0, 0, 1}, Case{3, 0, 0, 0, 1}, Case{5, 0, 0, 0, 0}, Case{31, 1, 257, 5, 1}}) {
        const CDynamic d(c.protocol, {18, 36});
        EXPECT_EQ(d.address, c.address) << c.protocol;
        EXPECT_EQ(d.protocol31Address, c.protocol31Address) << c.protocol;
        EXPECT_EQ(d.subAddress, c.subAddress) << c.protocol;
        EXPECT_EQ(d.station, c.station) << c.protocol;
    }
    const CDynamic d(1, {18, 36});
    EXPECT_EQ(d.typeCode, kDynamicText);
    ASSERT_EQ(d.values.size(), 32u);
    EXPECT_EQ(d.values[0], 1);
    EXPECT_EQ(d.valueTexts[0], "1");
    EXPECT_EQ(d.contents[0], "Dynamic Text");
    EXPECT_EQ(d.valueTexts[31], "");
    EXPECT_EQ(d.textWidth, 12);
    EXPECT_EQ(d.rect, (CRect{18, 36, 18 + 216, 72}));
    EXPECT_EQ(d.x, 8);
    EXPECT_EQ(d.y, 16);
}

TEST(CDynamic, NewComponentRecordAndTextTable)
{
    CCompileFixture f;
    CDynamic d(1, {0, 0});
    d.x = 10;
    d.y = 20;
    d.registerType = 1; // "W", two bytes
    d.address = 0x1234;
    f.compile(d);
    EXPECT_EQ(d.record, (Bytes{10, 20, 0x20, 1, 0x02, 0x12, 0x34, 2, 0, 0, 1, 12, 0, 0, 0, 0}));
    ASSERT_EQ(d.textTable.size(), 14u);
    EXPECT_EQ(slice(d.textTable, 0, 2), (Bytes{0x20, 12}));

    std::uint16_t address = 0x9000;
    d.PlaceTextTable(address);
    EXPECT_EQ(address, 0x900E);
    EXPECT_EQ(slice(d.record, 12, 4), (Bytes{0x00, 0x01, 0x90, 0x00}));
    Bytes image{0xEE};
    d.AppendTextTable(image);
    EXPECT_EQ(image.size(), 15u);

    d.FreeDownloadData();
    EXPECT_TRUE(d.record.empty());
    EXPECT_TRUE(d.textTable.empty());
    EXPECT_TRUE(d.compiledContents.empty());
}

TEST(CDynamic, EntriesTakePartByTheirValueText)
{
    CCompileFixture f;
    CDynamic d = withEntries({
        {0, "0", "ab"},           // value 0 with a value text takes part
        {5, "", "skipped"},       // no value text: no part, whatever the content
        {70000, "70000", ""},     // low 16 bits; an empty content takes part with length 0
        {-1, "-1", "abcdef"},
    });
    d.reverse = 1;
    d.doubleSize = 1;
    d.isSigned = 1;
    d.format = 1;
    f.compile(d);
    EXPECT_EQ(d.compiledValues, (std::vector<std::uint16_t>{0x0000, 0x1170, 0xFFFF}));
    EXPECT_EQ(d.downloadSize, 24);
    EXPECT_EQ(d.record[2], 0x33);
    EXPECT_EQ(d.record[10], 3);
    EXPECT_EQ(d.record[11], 7); // the widest content counts, used or not
    EXPECT_EQ(d.textTableSize, 14u);

    std::uint16_t address = 0x9000;
    d.PlaceTextTable(address);
    EXPECT_EQ(slice(d.record, 12, 12),
              (Bytes{0x00, 0x00, 0x90, 0x00, 0x11, 0x70, 0x90, 0x04, 0xFF, 0xFF, 0x90, 0x06}));
    EXPECT_EQ(d.textTable, (Bytes{0x33, 2, 0, 1, 0x33, 0, 0x33, 6, 0, 1, 2, 3, 4, 5}));

    // Compiling again without freeing lists every entry once.
    d.CalcDownloadSize(f.ctx);
    EXPECT_EQ(d.compiledValues.size(), 3u);
    EXPECT_EQ(d.textTableSize, 14u);
}

TEST(CDynamic, TextTableCodesShareTablesAndRelocate)
{
    // A static text compiled first has put its characters into the tables; the entries reuse them.
    CCompileFixture f;
    CChars before(1, {0, 0}, "\xCE\xC4" "BA");
    f.compile(before);
    CDynamic d = withEntries({{1, "1", "A" + kZhong}, {2, "2", kZhong}});
    f.compile(d);
    EXPECT_EQ(f.ctx.doubleByteChars.size(), 2u);
    EXPECT_EQ(f.ctx.singleByteChars, (Bytes{'B', 'A'}));
    EXPECT_EQ(d.textTable, (Bytes{0x20, 3, 0x01, 0x80, 0x01, 0x20, 2, 0x80, 0x01}));
    d.WriteTextCodes(4);
    EXPECT_EQ(d.textTable, (Bytes{0x20, 3, 0x01, 0x80, 0x05, 0x20, 2, 0x80, 0x05}));
}

TEST(CDynamic, Protocol31OperandComesFromTheVariable)
{
    CCompileFixture f(31);
    CDynamic d(31, {0, 0});
    d.registerType = 0; // "RC"
    d.subType = 18;     // "PBand1"
    d.DeriveVariable();
    EXPECT_EQ(d.subAddress, 57);
    EXPECT_EQ(d.protocol31TypeValue, 0x64);
    f.compile(d);
    EXPECT_EQ(slice(d.record, 3, 6), (Bytes{1, 0x64, 0x01, 0x01, 4, 57}));
}

TEST(CDynamic, FileBodyByVersion)
{
    CDynamic d = withEntries({{1, "1", "On"}, {-2, "fffe", ""}});
    d.x = 4;
    d.y = 16;
    d.doubleSize = 1;
    d.station = 3;
    d.registerType = 2;
    d.address = 0x0102;
    d.wordCount = 2;
    d.format = 0;
    d.subAddress = 9;
    d.subType = 7;
    d.protocol31TypeValue = 0x32;
    d.protocol31Address = 0x0304;
    const Bytes head = cat({{8}, le32(4), le32(16), {1, 0, 3, 2, 0x02, 0x01, 2, 0},
                            le16(2), {2, 'O', 'n', 0},
                            le16(2), le32(1), le32(0xFFFFFFFE),
                            le16(2), {1, '1', 4, 'f', 'f', 'f', 'e'}, {9}});
    const Bytes body = storeBody(d);
    EXPECT_EQ(body, cat({head, {7, 0x32, 0x04, 0x03}, zeros(99)}));

    const auto back = loadBody<CDynamic>(body);
    EXPECT_EQ(back.values, d.values);
    EXPECT_EQ(back.valueTexts, d.valueTexts);
    EXPECT_EQ(back.contents, d.contents);
    EXPECT_EQ(back.protocol31Address, 0x0304);
    EXPECT_EQ(back.rect, (CRect{9, 36, 9 + 72, 108}));
    auto again = back;
    EXPECT_EQ(storeBody(again), body);
    expectTruncationsFail<CDynamic>(body);

    // Before version 11 the sub-type and the protocol-31 fields are absent.
    for (std::uint8_t version : {1, 10}) {
        auto old = loadBody<CDynamic>(cat({head, zeros(99)}), version);
        EXPECT_EQ(old.subAddress, 9);
        EXPECT_EQ(old.subType, 0);
        EXPECT_EQ(old.protocol31Address, 0);
        EXPECT_EQ(storeBody(old), cat({head, {0, 0, 0, 0}, zeros(99)}));
    }
}

TEST(CDynamic, SignedFlagSurvivesTheFile)
{
    CDynamic d = withEntries({{-1, "-1", "Low"}});
    d.isSigned = 1;
    const Bytes body = storeBody(d);
    const std::size_t reservedStart = body.size() - 99;
    EXPECT_EQ(body[reservedStart], 1);
    EXPECT_EQ(Bytes(body.begin() + static_cast<std::ptrdiff_t>(reservedStart) + 1, body.end()), zeros(98));
    EXPECT_EQ(loadBody<CDynamic>(body).isSigned, 1);

    // Files that never stored it read as unsigned.
    Bytes unsignedBody = body;
    unsignedBody[reservedStart] = 0;
    EXPECT_EQ(loadBody<CDynamic>(unsignedBody).isSigned, 0);
}

TEST(CDynamic, ListsOfDifferentLengthsInAFile)
{
    // Three contents, one value, no value texts: every entry exists in all three lists after loading.
    const Bytes body = cat({{8}, le32(0), le32(0), {0, 0, 1, 0, 0, 0, 1, 1},
                            le16(3), {1, 'a', 1, 'b', 1, 'c'}, le16(1), le32(7), le16(0), {0, 0, 0, 0, 0},
                            zeros(99)});
    auto d = loadBody<CDynamic>(body);
    EXPECT_EQ(d.values, (std::vector<std::int32_t>{7, 0, 0}));
    EXPECT_EQ(d.valueTexts, (std::vector<std::string>(3)));
    CCompileFixture f;
    EXPECT_EQ(f.compile(d).size(), 12u);

    // A count larger than the file can hold is refused before anything is reserved.
    Bytes hostile = body;
    hostile[17] = 0xFF;
    hostile[18] = 0xFF;
    hostile.insert(hostile.begin() + 19, {0xFF, 0xFF, 0xFF, 0x7F});
    CDynamic h;
    CArchive ar(hostile);
    EXPECT_THROW(h.Serialize(ar), CArchiveError);
}

TEST(CDynamic, GridEdits)
{
    CDynamic d(1, {0, 0});
    d.editText = "Longer text";
    EXPECT_EQ(d.CommitGridEdit(3, CDynamic::CColumn::Content), "Longer text");
    EXPECT_EQ(d.contents[2], "Longer text");
    d.editText = "Much longer text";
    d.CommitGridEdit(1, CDynamic::CColumn::Content);
    EXPECT_EQ(d.textWidth, 16);
    EXPECT_EQ(d.rect.width(), 16 * 18);

    d.editValue = 42;
    EXPECT_EQ(d.CommitGridEdit(3, CDynamic::CColumn::Value, "2a"), "2a");
    EXPECT_EQ(d.values[2], 42);

    // Emptying a value empties its entry: it leaves the download and stays out when values are reformatted.
    d.editValue = 9;
    EXPECT_EQ(d.CommitGridEdit(1, CDynamic::CColumn::Value, ""), "");
    EXPECT_EQ(d.contents[0], "");
    EXPECT_EQ(d.textWidth, 11);
    d.ReformatValues(1, 65535, 0);
    EXPECT_EQ(d.valueTexts[0], "");
    CCompileFixture f;
    f.compile(d);
    EXPECT_EQ(d.compiledValues, (std::vector<std::uint16_t>{42}));

    EXPECT_EQ(d.CommitGridEdit(0, CDynamic::CColumn::Value, "1"), "");
    EXPECT_EQ(d.CommitGridEdit(33, CDynamic::CColumn::Value, "1"), "");
    EXPECT_EQ(d.values.size(), 32u);
}

TEST(CDynamic, ReformatValues)
{
    struct Case {
        int mode;
        std::int64_t maximum, minimum;
        std::vector<std::string> texts;
        std::vector<std::int32_t> values;
    };
    const Case cases[] = {
        {0, 65535, 0, {"1f", "0", "ffff", ""}, {31, 0, 65535, 0}},
        {1, 65535, 0, {"31", "0", "65535", ""}, {31, 0, 65535, 0}},
        {1, 127, -128, {"31", "-128", "127", ""}, {31, -128, 127, 0}},
        {0, 127, -128, {"1f", "ffffff80", "7f", ""}, {31, -128, 127, 0}},
    };
    for (const auto& c : cases) {
        CDynamic d = withEntries({{31, "31", "a"}, {-300, "-300", "b"}, {70000, "70000", "c"}, {0, "", ""}});
        d.ReformatValues(c.mode, c.maximum, c.minimum);
        EXPECT_EQ(d.valueTexts, c.texts) << c.mode << " " << c.minimum;
        EXPECT_EQ(d.values, c.values);
    }
}

TEST(CDynamic, ValueRangeFollowsTypeAndSign)
{
    struct Case {
        unsigned protocol;
        std::uint8_t registerType, isSigned;
        std::int64_t minimum, maximum;
    };
    const Case cases[] = {
        {1, 0, 0, 0, 255},          // "B", one byte
        {1, 0, 1, -128, 127},
        {1, 1, 0, 0, 65535},        // "W"
        {1, 2, 1, -32768, 32767},   // "D": four bytes, sent as 16 bits
        {31, 0, 0, 0, 65535},
        {31, 0, 1, -32768, 32767},
    };
    for (const auto& c : cases) {
        const auto tables = CProtocolTables::Build(c.protocol, {}, 1);
        CDynamic d(c.protocol, {0, 0});
        d.registerType = c.registerType;
        d.isSigned = c.isSigned;
        EXPECT_EQ(d.ValueRange(tables), std::make_pair(c.minimum, c.maximum)) << c.protocol << " " << int(c.registerType);
    }
}

TEST(CDynamic, PreviewShowsTheFirstContentPadded)
{
    CDynamic d = withEntries({{1, "1", ""}, {2, "2", ""}, {3, "3", ""}, {4, "4", "ab"}, {5, "5", "abcde"}});
    EXPECT_EQ(d.PreviewText(), "ab   ");
    EXPECT_EQ(withEntries({{1, "1", ""}}).PreviewText(), "");
}

TEST(CDynamic, CopyKeepsEntriesWithoutCompileState)
{
    CCompileFixture f;
    CDynamic d(31, {0, 0});
    d.protocol31TypeValue = 0x32;
    f.compile(d);
    const auto copy = d.Clone();
    const auto& c = static_cast<const CDynamic&>(*copy);
    EXPECT_EQ(c.contents, d.contents);
    EXPECT_EQ(c.values, d.values);
    EXPECT_EQ(c.protocol31Address, 257);
    EXPECT_EQ(c.protocol31TypeValue, 0x32);
    EXPECT_EQ(c.rect, d.rect);
    EXPECT_TRUE(c.record.empty());
    EXPECT_TRUE(c.textTable.empty());
    EXPECT_TRUE(c.compiledContents.empty());
}
