// The alarm coils as the editor lists them: one PLC bit per text, counted on from the initial coil in
// the notation of the PLC's own manuals.
#include <algorithm>
#include <cstdio>

#include "model/CAlarmList.h"
#include "plc/CProtocolTables.h"

namespace zl {
namespace {

// Texts the image's one-byte count can say.
constexpr std::size_t kMostTexts = 255;

template <class... Args>
std::string format(const char* pattern, Args... args)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, args...);
    return text;
}

// The name the editor's type list shows for `index`; past the end the last one.
std::string alarmTypeName(const CProtocolTables& t, unsigned index)
{
    const auto& names = t.alarmBitList;
    return names.empty() ? std::string() : names[std::min<std::size_t>(index, names.size() - 1)];
}

} // namespace

unsigned CAlarmList::UnitBits(const CProtocolTables& t) const
{
    const unsigned bytes = TypeValue(t) & 0x0F;
    return bytes ? 8 * bytes : 16;
}

std::size_t CAlarmList::TextLimit(const CProtocolTables& t) const
{
    return t.show.offset ? UnitBits(t) : kMostTexts;
}

std::optional<std::string> CAlarmList::CoilLabel(std::size_t k, const CProtocolTables& t) const
{
    const CProtocolDescriptor& d = t.descriptor();
    const unsigned u = UnitBits(t);
    const unsigned bit = static_cast<unsigned>(k);
    const unsigned a = address;
    if (t.show.offset) {
        const unsigned b = offset + bit;
        if (b / u != 0)
            return std::nullopt;
        return format("%04x %02x %02x", a, unsigned(subAddress), b % u);
    }
    const std::string type = alarmTypeName(t, registerType);
    std::string number;
    if (t.show.bitNumber) {
        const unsigned b = subAddress + bit;
        const bool plainCoils = *d.alarmWordBitType && type != d.alarmWordBitType;
        switch (plainCoils ? CProtocolDescriptor::kCounted : d.coilNotation) {
        case CProtocolDescriptor::kByteDotted: { // eight bits to a byte address
            const unsigned byteBits = u > 8 ? u - 8 : u;
            number = format("%u.%x", a + b / byteBits, b % byteBits);
            break;
        }
        case CProtocolDescriptor::kHexDigit:
            number = format("%u%x", a + b / u, b % u);
            break;
        case CProtocolDescriptor::kCounted:
            number = format("%u", a + bit);
            break;
        default:
            number = format(d.fileAddresses ? ":%u/%x" : "%u.%x", a + b / u, b % u);
        }
    } else if (d.coilNotation == CProtocolDescriptor::kSlashCounted) {
        number = format("/%u", a + bit);
    } else if (t.octal) {
        number = format("%o", a + bit);
    } else {
        number = format("%u", a + bit);
    }
    return type + number;
}

} // namespace zl
