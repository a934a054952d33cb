#pragma once
// Dynamic text: the panel reads a PLC register and shows the content text whose value matches. The user
// fills up to 32 (value, content) entries; besides its record the component compiles a text table that
// the image places after all records.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/CBase.h"

namespace zl {

struct CProtocolTables;

class CDynamic : public CBase {
public:
    static constexpr const char* kClassName = "CDynamic";
    static constexpr const char* kDefaultText = "Dynamic Text";
    static constexpr int kEntries = 32;
    // Protocol-31 address of a new dynamic text under protocol 31.

    // For loading: the file supplies every field.
    CDynamic();
    // A new dynamic text under `protocol` at the canvas point: 32 entries, the first (1, "1", content).
    CDynamic(unsigned protocol, CPoint canvas, std::string gbkContent = kDefaultText);
    CDynamic(const CDynamic& other);

    const char* GetRuntimeClass() const override { return kClassName; }
    std::unique_ptr<CBase> Clone() const override { return std::make_unique<CDynamic>(*this); }

    void Serialize(CArchive& ar) override;
    void FreeDownloadData() override;
    void WriteTextCodes(std::uint16_t offset) override;
    // Compiles the entries that have a value text: record 12 + 4 × entries, text table Σ (length + 2).
    void CalcDownloadSize(CCompileContext& ctx) override;
    // Builds the text table: per entry the attribute, the length and the text codes.
    void CollectCharacters(CCompileContext& ctx) override;
    void BuildDownloadData(CCompileContext& ctx) override;
    void Draw(CPainter& painter) const override;
    // As wide as the longest content, one character row high (two when double).
    void MoveTo(int canvasX, int canvasY) override;
    void Describe(CJson& out) const override;

    // --- the image compiler's layout
    // Writes each entry's value and its text's panel address into the record; `address` runs on.
    void PlaceTextTable(std::uint16_t& address);
    void AppendTextTable(Bytes& image) const;

    // --- the value/content table of the property page
    enum class CColumn { Value, Content };
    // Clamps every used entry's value into [minimum, maximum] and rewrites its value text in the mode:
    // 0 lower-case hexadecimal, 1 decimal.
    void ReformatValues(int mode, std::int64_t maximum, std::int64_t minimum);
    // Takes the page's edit into entry `row` − 1 (rows 1 … 32): the content column takes the text being
    // edited and re-places the component; the value column takes `valueEditText` and the value being edited,
    // and an empty value text empties the entry. Returns the text for the grid cell.
    std::string CommitGridEdit(int row, CColumn column, std::string_view valueEditText = {});
    // The range the value edit offers for the current register type and signedness.
    std::pair<std::int64_t, std::int64_t> ValueRange(const CProtocolTables& tables) const;
    // What the preview shows: the first non-empty content, padded with spaces to the text width.
    std::string PreviewText() const;
    // Derives the protocol-31 type value and sub-address from the variable group and sub-type.
    void DeriveVariable();

    std::uint8_t attribute = 0; // the record's attribute byte, repeated in every text table entry
    std::uint8_t textWidth = 1; // bytes of the longest content
    std::uint32_t textTableSize = 0;
    Bytes textTable;
    std::vector<std::string> contents;   // GBK, entry i's content
    std::vector<std::string> valueTexts; // entry i's value as typed; empty: the entry takes no part
    std::vector<std::int32_t> values;
    std::string editText;                // the page's text edit
    std::int32_t editValue = 1;          // the page's value edit
    std::uint16_t protocol31Address = 0;
    std::uint8_t protocol31TypeValue = 0;

    // Compile scratch, from CalcDownloadSize to FreeDownloadData.
    std::vector<std::string> compiledContents;
    std::vector<std::uint16_t> compiledValues;
    std::vector<std::uint16_t> entrySizes;

private:
    // Gives the three entry lists one length, so that entry i always exists in each.
    void EqualizeEntries(std::size_t atLeast = 0);
    // Entries present in all three lists.
    std::size_t EntryCount() const;
};

} // namespace zl
