#include "import/OldProjectConverter.h"

#include <cstring>
#include <string>
#include <vector>

#include "import/COldComponents.h"
#include "import/COldProtocolRules.h"
#include "model/CArchive.h"
#include "model/CMainView.h"
#include "base/Geometry.h"

namespace zl {
namespace {

constexpr std::size_t kHeaderSize = 80;
constexpr std::size_t kWindowHeaderSize = 57;
constexpr std::size_t kAlarmRecordSize = 25;
constexpr std::size_t kTrailerSize = 111;

void writeHeader(const COldRecord& h, const COldProtocolRules& rules, CArchive& ar)
{
    const bool byteAddressed = rules.byteAddressed();
    ar.writeByte(0x08);
    ar.writeBytes(reinterpret_cast<const std::uint8_t*>("Zentu"), 5);
    ar.writeByte(1); // format version
    ar.writeByte(1); // format marker
    ar.writeWord(0); // current window
    ar.writeByte(rules.protocol());
    ar.writeWord(h.w(25)); // panel password
    ar.writeWord(h.w(21)); // initial window
    ar.writeByte(rules.Station(h.b(50)));
    ar.writeWord(rules.WordAddress(h.w(58)));
    ar.writeByte(byteAddressed ? 1 : 0); // control register type
    ar.writeWord(h.w(72));    // screen-saver window
    ar.writeByte(h.b(67));    // screen-saver delay
    ar.writeByte(StatusFromOldByte(h.b(49)));
    ar.writeByte(rules.Baud(h.b(45)));
    ar.writeByte(h.b(47) == 0 ? 1 : 0); // data bits
    // Stop bits with bit 7 clear: a version-1 reader then takes four more bytes and no interface byte.
    ar.writeByte(h.b(48) == 0 ? 1 : 0);
    ar.writeByte(h.b(46));              // parity
    ar.writeByte(h.b(17));              // PLC station
    ar.writeByte(byteAddressed ? 2 : 1); // register step
    ar.writeByte(h.b(71) == 0 ? 1 : 0); // screen-saver action
    ar.writeReserved(98);
}

COldRecord readComponent(const Bytes& old, std::size_t at, std::string name)
{
    const COldRecord typePart(old, at, kOldTypeOffset + 1, name);
    const COldComponentKind* kind = FindOldComponentKind(typePart.b(kOldTypeOffset));
    if (!kind)
        throw COldFileError{name + " has the unknown type " + std::to_string(typePart.b(kOldTypeOffset)), at};
    const COldRecord fixedPart(old, at, kind->fixedSize, name);
    return COldRecord(old, at, kind->recordSize(fixedPart), std::move(name));
}

// Writes one window with its components grouped by class; returns where the next window record starts.
std::size_t convertWindow(const Bytes& old, std::size_t at, unsigned number, const COldProtocolRules& rules,
                          CArchive& ar)
{
    const std::string name = "window record " + std::to_string(number);
    const COldRecord head(old, at, kWindowHeaderSize, name);
    std::vector<COldRecord> components;
    std::size_t next = head.end();
    const unsigned count = head.b(53);
    for (unsigned i = 1; i <= count; ++i) {
        components.push_back(readComponent(old, next, "component " + std::to_string(i) + " of " + name));
        next = components.back().end();
    }

    ar.writeObjectTag(CMainView::kClassName);
    ar.writeWord(head.w(0));
    ar.writeText(head.chars(5, head.b(2)));
    ar.writeWord(head.w(45)); // up jump
    ar.writeWord(head.w(47)); // down jump
    ar.writeReserved(20);
    ar.writeCount(count);
    for (const COldComponentKind& kind : OldComponentKinds()) {
        for (const COldRecord& r : components) {
            if (r.b(kOldTypeOffset) != kind.oldType)
                continue;
            ar.writeObjectTag(kind.className);
            ar.writeByte(kind.typeCode);
            ar.writeInt32(canvasToPanel(static_cast<std::int32_t>(r.d(0))));
            ar.writeInt32(canvasToPanel(static_cast<std::int32_t>(r.d(4))));
            kind.writeFields(r, rules, ar);
        }
    }
    return next;
}

void convertAlarms(const Bytes& old, std::size_t at, const COldRecord& h, const COldProtocolRules& rules,
                   CArchive& ar)
{
    const std::uint32_t coil = h.d(41);
    ar.writeByte(rules.Station(h.b(33)));
    ar.writeWord(rules.BitAddress(coil));
    ar.writeByte(rules.BitNumber(coil)); // sub-address
    ar.writeByte(0);                     // register type
    ar.writeByte(0);                     // bit offset
    ar.writeReserved(100);
    const unsigned count = h.b(29);
    ar.writeCount(count);
    for (unsigned i = 0; i < count; ++i) {
        const COldRecord r(old, at + i * kAlarmRecordSize, kAlarmRecordSize,
                           "alarm record " + std::to_string(i + 1));
        ar.writeText(r.chars(1, r.b(0)));
    }
}

} // namespace

Result<Bytes> ConvertOldProject(const Bytes& old)
{
    if (old.size() < 4 || old[0] != 0x03 || std::memcmp(old.data() + 1, "OLZ", 3) != 0)
        return CError{kOldFileTypeError, kImportCaption, 0};
    try {
        const COldRecord head(old, 0, kHeaderSize, "the project header");
        const COldProtocolRules rules(ProtocolFromOldCode(head.b(13)));
        CArchive ar;
        writeHeader(head, rules, ar);
        const unsigned windows = head.w(76);
        ar.writeCount(windows);
        std::size_t at = head.end();
        for (unsigned i = 1; i <= windows; ++i)
            at = convertWindow(old, at, i, rules, ar);
        convertAlarms(old, at, head, rules, ar);
        ar.writeReserved(kTrailerSize);
        return ar.takeBuffer();
    } catch (const COldFileError& e) {
        return CError{e.text, kImportCaption, e.offset};
    }
}

} // namespace zl
