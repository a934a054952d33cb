#include "import/COldComponents.h"

#include <algorithm>
#include <string>

#include "import/COldProtocolRules.h"
#include "model/CArchive.h"
#include "model/CBase.h"
#include "base/Geometry.h"

namespace zl {
namespace {

constexpr std::size_t kTrailingReserved = 100; // the sub-address (0) and the reserved block after it
constexpr int kDynamicEntries = 32;
constexpr std::size_t kDynamicEntrySize = 25;
constexpr std::size_t kBitmapInfoSize = 48; // image header and two-entry colour table
constexpr std::size_t kPictureDataOffset = 40;

std::uint8_t toPanel(std::uint8_t canvas)
{
    return static_cast<std::uint8_t>(canvasToPanel(canvas));
}
std::uint8_t flipped(std::uint8_t flag)
{
    return static_cast<std::uint8_t>(1 - flag);
}

void writeText(CArchive& ar, const COldRecord& r, std::size_t lengthAt)
{
    ar.writeText(r.chars(lengthAt + 1, r.b(lengthAt)));
}

// An upper limit at or below the lower one is raised just above it, compared as the value is signed
// or not, as the download check does later.
std::int32_t raisedMaximum(std::uint32_t max, std::uint32_t min, std::uint8_t isSigned)
{
    const bool inverted =
        isSigned ? static_cast<std::int32_t>(min) >= static_cast<std::int32_t>(max) : min >= max;
    return static_cast<std::int32_t>(inverted ? min + 1 : max);
}

void writeChars(const COldRecord& r, const COldProtocolRules&, CArchive& ar)
{
    ar.writeByte(r.b(8)); // double
    ar.writeByte(r.b(9)); // reverse
    writeText(ar, r, 14);
    ar.writeReserved(50);
}

void writeRegister(const COldRecord& r, const COldProtocolRules& rules, CArchive& ar)
{
    const std::uint8_t isSigned = flipped(r.b(39));
    ar.writeByte(r.b(8)); // double
    ar.writeByte(r.b(9)); // reverse
    ar.writeByte(rules.Station(r.b(14)));
    ar.writeByte(rules.RegisterType(r.b(18)));
    ar.writeWord(rules.WordAddress(r.d(22)));
    ar.writeByte(r.b(26)); // word count
    ar.writeByte(r.b(30)); // digits
    ar.writeByte(r.b(34)); // decimals
    ar.writeByte(r.b(40)); // set
    ar.writeByte(r.b(42)); // limited
    ar.writeInt32(raisedMaximum(r.d(43), r.d(47), isSigned));
    ar.writeInt32(static_cast<std::int32_t>(r.d(47)));
    ar.writeInt32(1);      // engineering maximum
    ar.writeInt32(0);      // engineering minimum
    ar.writeByte(r.b(41)); // password
    ar.writeByte(r.b(38)); // format
    ar.writeByte(isSigned);
    ar.writeByte(0); // engineering units
    ar.writeReserved(kTrailingReserved);
}

void writeLed(const COldRecord& r, const COldProtocolRules& rules, CArchive& ar)
{
    ar.writeByte(r.b(8));           // double
    ar.writeByte(flipped(r.b(30))); // logic
    ar.writeByte(rules.BitNumber(r.d(26)));
    ar.writeByte(r.b(14)); // shape
    ar.writeByte(rules.Station(r.b(18)));
    ar.writeByte(r.b(22)); // register type
    ar.writeWord(rules.BitAddress(r.d(26)));
    ar.writeByte(0); // bit offset
    ar.writeReserved(50);
}

void writeFunction(const COldRecord& r, const COldProtocolRules& rules, CArchive& ar)
{
    ar.writeByte(r.b(8)); // double
    ar.writeByte(r.b(9)); // reverse
    ar.writeByte(rules.BitNumber(r.d(30)));
    ar.writeByte(KeyFromOldCode(r.b(14)));
    ar.writeByte(rules.Station(r.b(22)));
    ar.writeByte(r.b(26)); // register type
    ar.writeWord(rules.BitAddress(r.d(30)));
    ar.writeByte(r.b(19)); // hand
    ar.writeByte(r.b(18)); // invisible
    ar.writeByte(r.b(20)); // password
    ar.writeByte(r.b(21)); // action
    ar.writeByte(r.b(34)); // coil action
    ar.writeByte(r.b(35)); // jump target
    ar.writeWord(r.w(36)); // window number
    ar.writeInt32(0);      // value
    ar.writeReserved(kTrailingReserved);
}

// Size, value range and operand, shared by bar graphs and trend lines.
void writeBarTide(const COldRecord& r, const COldProtocolRules& rules, CArchive& ar)
{
    const std::uint8_t isSigned = flipped(r.b(31));
    ar.writeByte(toPanel(r.b(32))); // width
    ar.writeByte(toPanel(r.b(36))); // height
    ar.writeByte(r.b(30));          // format
    ar.writeByte(isSigned);
    ar.writeInt32(raisedMaximum(r.d(44), r.d(40), isSigned));
    ar.writeInt32(static_cast<std::int32_t>(r.d(40)));
    ar.writeByte(rules.Station(r.b(14)));
    ar.writeByte(rules.RegisterType(r.b(18)));
    ar.writeWord(rules.WordAddress(r.d(22)));
    ar.writeByte(r.b(26)); // word count
}

void writeBar(const COldRecord& r, const COldProtocolRules& rules, CArchive& ar)
{
    writeBarTide(r, rules, ar);
    // The old tool numbered LEFT and RIGHT the other way round.
    const std::uint8_t direction = r.b(48);
    ar.writeByte(direction == 2 ? 3 : direction == 3 ? 2 : direction);
    ar.writeReserved(kTrailingReserved);
}

void writeTide(const COldRecord& r, const COldProtocolRules& rules, CArchive& ar)
{
    writeBarTide(r, rules, ar);
    ar.writeWord(static_cast<std::uint16_t>(r.d(52))); // sample interval
    ar.writeByte(r.b(48));                             // sample dots
    ar.writeReserved(kTrailingReserved);
}

void writePicture(const COldRecord& r, const COldProtocolRules&, CArchive& ar)
{
    // The record ends with the bitmap information (header and colour table) and the pixel data, as the
    // project file stores them. The reader sizes the pixel data from the header and refuses a picture
    // larger than the panel, so both are checked here, where the old record can still be named.
    const std::size_t length = r.size() - std::min(r.size(), kPictureDataOffset);
    const auto incomplete = [&] {
        return COldFileError{"the picture of " + r.name() + " does not hold a complete bitmap", r.start()};
    };
    if (length < kBitmapInfoSize)
        throw incomplete();
    const auto width = static_cast<std::int32_t>(r.d(kPictureDataOffset + 4));
    const auto height = static_cast<std::int32_t>(r.d(kPictureDataOffset + 8));
    const std::uint32_t imageSize = r.d(kPictureDataOffset + 20);
    if (width < 0 || width > kPanelWidth || height < 0 || height > kPanelHeight)
        throw COldFileError{"the picture of " + r.name() + " is larger than the panel", r.start()};
    const std::uint32_t stride = static_cast<std::uint32_t>(width + 31) / 32 * 4;
    if (imageSize != length - kBitmapInfoSize || imageSize < stride * static_cast<std::uint32_t>(height))
        throw incomplete();
    const std::string_view bitmap = r.chars(kPictureDataOffset, length);
    ar.writeBytes(reinterpret_cast<const std::uint8_t*>(bitmap.data()), bitmap.size());
    ar.writeReserved(20);
}

void writeDynamic(const COldRecord& r, const COldProtocolRules& rules, CArchive& ar)
{
    const int entries = r.b(27);
    ar.writeByte(r.b(8)); // double
    ar.writeByte(r.b(9)); // reverse
    ar.writeByte(rules.Station(r.b(14)));
    ar.writeByte(rules.RegisterType(r.b(18)));
    ar.writeWord(rules.WordAddress(r.d(22)));
    ar.writeByte(1);       // word count
    ar.writeByte(r.b(26)); // format
    ar.writeCount(kDynamicEntries);
    for (int i = 0; i < kDynamicEntries; ++i) {
        if (i < entries)
            writeText(ar, r, 31 + kDynamicEntrySize * i);
        else
            ar.writeText({});
    }
    // The old entries had no values of their own: entry i shows when the register holds i + 1.
    ar.writeCount(kDynamicEntries);
    for (int i = 0; i < kDynamicEntries; ++i)
        ar.writeInt32(i < entries ? i + 1 : 0);
    ar.writeCount(kDynamicEntries);
    for (int i = 0; i < kDynamicEntries; ++i)
        ar.writeText(i < entries ? std::to_string(i + 1) : std::string());
    ar.writeReserved(kTrailingReserved);
}

template <std::uint64_t Size> std::uint64_t fixedSize(const COldRecord&)
{
    return Size;
}
std::uint64_t pictureSize(const COldRecord& r)
{
    return std::uint64_t(r.d(22)) + 26;
}
std::uint64_t dynamicSize(const COldRecord& r)
{
    return std::uint64_t(r.b(27)) * kDynamicEntrySize + 35;
}

constexpr COldComponentKind kKinds[] = {
    {1, "CChars", kStaticText, 39, fixedSize<39>, writeChars},
    {2, "CRegister", kRegister, 51, fixedSize<51>, writeRegister},
    {3, "CLight", kLed, 31, fixedSize<31>, writeLed},
    {4, "CFunction", kFunctionKey, 41, fixedSize<41>, writeFunction},
    {6, "CBar", kBarGraph, 52, fixedSize<52>, writeBar},
    {5, "CTide", kTrendLine, 56, fixedSize<56>, writeTide},
    {7, "CUpLoadPic", kPicture, 26, pictureSize, writePicture},
    {8, "CDynamic", kDynamicText, 28, dynamicSize, writeDynamic},
};

} // namespace

std::span<const COldComponentKind> OldComponentKinds()
{
    return kKinds;
}

const COldComponentKind* FindOldComponentKind(std::uint8_t oldType)
{
    const auto it = std::find_if(std::begin(kKinds), std::end(kKinds),
                                 [&](const COldComponentKind& k) { return k.oldType == oldType; });
    return it == std::end(kKinds) ? nullptr : it;
}

} // namespace zl
