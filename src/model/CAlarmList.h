#pragma once
// The project's alarm list: alarm texts bound to consecutive PLC bits from one initial coil. It is stored
// at the end of the project file and compiled into a header record (the coil and one entry per text)
// and the text records of the download image.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Bytes.h"

namespace zl {

class CArchive;
class CJson;
struct CCompileContext;
struct CProtocolTables;

class CAlarmList {
public:
    // Defaults of a list created under `protocol`.
    explicit CAlarmList(unsigned protocol = 0);

    // New project under `protocol`: no texts, the coil's defaults; the register type is kept.
    void Reset(unsigned protocol);
    // Station, address, sub-address, register type, offset, 100 reserved bytes, the texts. Loading
    // replaces the texts.
    void Serialize(CArchive& ar);

    // --- compiling, in this order
    void CalcDownloadSize();
    // Advances `running` (the image offset) past the header and every text record, noting where each
    // text record lands.
    void Place(std::uint16_t& running);
    // Fills both records; texts become codes into the context's character tables, double-byte codes
    // counting from `doubleByteBase`.
    void BuildDownloadData(CCompileContext& ctx, std::uint16_t doubleByteBase);
    void FreeDownloadData();

    void Describe(CJson& out) const;

    // --- the coil as the alarm list editor shows it, under the protocol of `t`
    // The coil's type value as the panel receives it (low four bits: bytes per register unit).
    std::uint8_t TypeValue(const CProtocolTables& t) const;
    // Bits in one register unit of the coil's area; a bit area counts in 16-bit words.
    unsigned UnitBits(const CProtocolTables& t) const;
    // How many texts the list may hold: one register unit where the coil is a bit of a register
    // addressed by its offset, otherwise as many as the image's one-byte count can say.
    std::size_t TextLimit(const CProtocolTables& t) const;
    // The PLC bit of alarm k; none when the offset puts it past the first register unit.
    std::optional<std::string> CoilLabel(std::size_t k, const CProtocolTables& t) const;

    std::vector<std::string> texts;       // GBK; position i is alarm i
    std::vector<std::string> workingCopy; // the editor's backup of the texts while it is open; not stored
    Bytes headerRecord;
    Bytes textRecords;
    std::uint8_t subAddress = 0;
    std::uint8_t station = 1;
    // Sizes are kept exact, so that records always hold what is written into them; the image offsets
    // and the length bytes inside the records are 16 and 8 bits wide.
    std::size_t headerSize = 0;
    std::vector<std::size_t> recordLengths;
    std::size_t recordsSize = 0;
    std::uint16_t address = 0;
    std::uint8_t registerType = 0;
    std::uint8_t offset = 0; // bit offset of the coil inside its register unit

private:
    // The 10 bytes before the entries: count, 1, 0, station, type value, address bytes, length code,
    // bit fields A and B.
    void WriteCoil(std::uint8_t* at, const CCompileContext& ctx) const;

    std::vector<std::uint16_t> m_placed; // image offset of each text record
};

} // namespace zl
