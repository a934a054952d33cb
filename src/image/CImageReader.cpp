#include "image/CImageReader.h"

#include <algorithm>
#include <string>

#include "base/ComponentKind.h"

namespace zl
{
namespace
{

constexpr const char* kCaption = "Read image";
constexpr std::size_t kHeaderSize = 48;
constexpr std::size_t kWindowEntrySize = 9;
constexpr std::size_t kPointerEntrySize = 3;
constexpr std::size_t kWideGlyphSize = 32;
constexpr std::size_t kNarrowGlyphSize = 16;
// Each window, component, text character, table entry and key symbol the reader decodes stands on at
// least one byte of its own in an image the compiler made, so a 32 KB image never decodes to more. Tables
// that point at each other over and over would, and are refused at this count.
constexpr std::size_t kDecodeBudget = 0x8000;

// Thrown inside the reader only; Read turns it into an error value.
struct Malformed {
    std::string text;
    std::size_t offset;
};

std::string hex16(unsigned value)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string s = "0x";
    for (int shift = 12; shift >= 0; shift -= 4)
        s += digits[(value >> shift) & 0xF];
    return s;
}

class Reader
{
public:
    explicit Reader(CDecodedImage& image) : m_image(image), m_bytes(image.bytes) {}

    void Run()
    {
        ReadHeader();
        ReadWindows();
        if (m_image.settings.hasAlarms)
            ReadAlarms();
        CountNarrowGlyphs();
    }

private:
    // The `n` bytes at panel address `address`, which must lie inside the image.
    const std::uint8_t* Need(std::uint32_t address, std::size_t n, const std::string& what) const
    {
        const std::size_t size = m_bytes.size();
        if (address < CDecodedImage::kBase || address - CDecodedImage::kBase > size ||
            n > size - (address - CDecodedImage::kBase)) {
            const std::size_t offset = address < CDecodedImage::kBase ? 0 : address - CDecodedImage::kBase;
            throw Malformed{what + " at " + hex16(address) + " (" + std::to_string(n) +
                                " bytes) lies outside the image of " + std::to_string(size) + " bytes",
                            std::min(offset, size)};
        }
        return m_bytes.data() + (address - CDecodedImage::kBase);
    }

    static std::size_t OffsetOf(std::uint32_t address) { return address - CDecodedImage::kBase; }

    // Counts `n` more decoded parts against the budget.
    void Spend(std::size_t n, std::size_t offset) const
    {
        m_decoded += n;
        if (m_decoded > kDecodeBudget)
            throw Malformed{"The image's tables decode to more than " + std::to_string(kDecodeBudget) +
                                " windows, components, characters and entries, more than a 32768-byte image "
                                "holds: they point at each other over and over",
                            offset};
    }

    void ReadHeader()
    {
        if (m_bytes.size() < kHeaderSize)
            throw Malformed{"The image is " + std::to_string(m_bytes.size()) +
                                " bytes long, shorter than its 48-byte header",
                            m_bytes.size()};
        if (m_bytes.size() > CDecodedImage::kMaxSize)
            throw Malformed{"The image is " + std::to_string(m_bytes.size()) +
                                " bytes long; the panel holds at most 32768",
                            CDecodedImage::kMaxSize};
        const std::uint8_t* h = m_bytes.data();
        if (h[0] != 0xFF || h[1] != 0xFF)
            throw Malformed{"Not a download image: it does not begin with the bytes FF FF", 0};
        CImageSettings& s = m_image.settings;
        s.windowTable = static_cast<std::uint16_t>(getBe16(h + 2));
        s.alarmList = static_cast<std::uint16_t>(getBe16(h + 4));
        s.glyphArea = static_cast<std::uint16_t>(getBe16(h + 6));
        s.singleByteGlyphs = static_cast<std::uint16_t>(getBe16(h + 8));
        s.plcStation = h[11];
        s.protocol = h[12];
        s.driverVersion = h[13];
        s.settingsVersion = h[14];
        s.windowCount = static_cast<std::uint16_t>(getBe16(h + 16));
        s.initialWindow = static_cast<std::uint16_t>(getBe16(h + 18));
        s.screenSaverWindow = static_cast<std::uint16_t>(getBe16(h + 20));
        s.screenSaverMinutes = h[22];
        s.controlStation = h[23];
        s.controlTypeValue = h[24];
        s.controlAddress = static_cast<std::uint16_t>(getBe16(h + 25));
        s.registerStep = h[27];
        s.statusFlags = h[29];
        s.baud = h[30];
        s.dataBits = h[31];
        s.stopBits = h[32];
        s.parity = h[33];
        s.hasAlarms = h[34] != 0;
        s.writeFlag = h[35] != 0;
        s.password = static_cast<std::uint16_t>((h[36] >> 4) * 1000 + (h[36] & 0xF) * 100 +
                                                (h[37] >> 4) * 10 + (h[37] & 0xF));
        s.interface = h[39];
        s.delay = static_cast<std::uint16_t>(getBe16(h + 40));

        const std::uint32_t headerEnd = CDecodedImage::kBase + kHeaderSize;
        if (s.glyphArea < headerEnd || s.singleByteGlyphs < s.glyphArea || s.windowTable < s.singleByteGlyphs)
            throw Malformed{"The header's glyph area " + hex16(s.glyphArea) + ", single-byte glyphs " +
                                hex16(s.singleByteGlyphs) + " and window table " + hex16(s.windowTable) +
                                " are not in their order after the header",
                            2};
        if ((s.singleByteGlyphs - s.glyphArea) % kWideGlyphSize != 0)
            throw Malformed{"The single-byte glyphs at " + hex16(s.singleByteGlyphs) +
                                " do not follow whole 32-byte glyphs from " + hex16(s.glyphArea),
                            8};
        Need(s.windowTable, 0, "The window table");
        m_image.wideGlyphs = (s.singleByteGlyphs - s.glyphArea) / kWideGlyphSize;
    }

    void ReadWindows()
    {
        const CImageSettings& s = m_image.settings;
        const std::uint8_t* table = Need(s.windowTable, std::size_t{s.windowCount} * kWindowEntrySize,
                                         "The window table of " + std::to_string(s.windowCount) + " windows");
        Spend(s.windowCount, OffsetOf(s.windowTable));
        m_image.windows.resize(s.windowCount);
        for (std::size_t w = 0; w < s.windowCount; ++w) {
            const std::uint8_t* e = table + w * kWindowEntrySize;
            CImageWindow& window = m_image.windows[w];
            window.number = static_cast<std::uint16_t>(getBe16(e));
            window.upJump = static_cast<std::uint16_t>(getBe16(e + 3));
            window.downJump = static_cast<std::uint16_t>(getBe16(e + 5));
            window.pointerTable = static_cast<std::uint16_t>(getBe16(e + 7));
            const std::string where = "Window " + std::to_string(window.number);
            const std::uint8_t* pointers =
                Need(window.pointerTable, std::size_t{e[2]} * kPointerEntrySize,
                     where + ": its pointer table of " + std::to_string(e[2]) + " components");
            Spend(e[2], OffsetOf(window.pointerTable));
            window.components.resize(e[2]);
            for (std::size_t i = 0; i < e[2]; ++i) {
                CImageComponent& c = window.components[i];
                c.typeCode = pointers[i * kPointerEntrySize];
                c.address = static_cast<std::uint16_t>(getBe16(pointers + i * kPointerEntrySize + 1));
                const std::string what = where + ", component " + std::to_string(i + 1);
                if (c.typeCode < 1 || c.typeCode > 8)
                    throw Malformed{what + ": unknown component type " + std::to_string(c.typeCode),
                                    OffsetOf(window.pointerTable + i * kPointerEntrySize)};
                ReadRecord(c, what + " (" + componentKindName(c.typeCode) + ")");
            }
        }
    }

    void ReadRecord(CImageComponent& c, const std::string& what)
    {
        const std::uint8_t* r = Need(c.address, 2, what + ": its record");
        c.x = r[0];
        c.y = r[1];
        switch (c.typeCode) {
        case 1:
            c.record = StaticText(c.address, what);
            break;
        case 2:
            c.record = Register(c.address, what);
            break;
        case 3:
            c.record = Led(c.address, what);
            break;
        case 4:
            c.record = FunctionKey(c.address, what);
            break;
        case 5:
            c.record = Picture(c.address, what);
            break;
        case 6:
            c.record = BarGraph(c.address, what);
            break;
        case 7:
            c.record = TrendLine(c.address, what);
            break;
        default:
            c.record = DynamicText(c.address, what);
            break;
        }
    }

    static CImageOperand Operand(const std::uint8_t* at)
    {
        return {at[0], at[1], static_cast<std::uint16_t>(getBe16(at + 2)), at[4], at[5]};
    }
    static std::uint32_t Be32(const std::uint8_t* at)
    {
        return std::uint32_t{getBe16(at)} << 16 | getBe16(at + 2);
    }

    // `length` bytes of text codes at `address`.
    CImageText Text(std::uint32_t address, std::size_t length, const std::string& what) const
    {
        const std::uint8_t* codes = Need(address, length, what + ": its text");
        Spend(length, OffsetOf(address));
        const CImageSettings& s = m_image.settings;
        CImageText text;
        for (std::size_t i = 0; i < length; ++i) {
            const std::size_t offset = OffsetOf(address) + i;
            if (codes[i] & 0x80) {
                if (i + 1 == length)
                    throw Malformed{what + ": its text ends in half a double-byte code", offset};
                const unsigned glyph = getBe16(codes + i) - 0x8000;
                if (glyph >= m_image.wideGlyphs)
                    throw Malformed{what + ": its text names 16 x 16 glyph " + std::to_string(glyph) +
                                        ", but the image has " + std::to_string(m_image.wideGlyphs),
                                    offset};
                text.push_back({true, static_cast<std::uint16_t>(glyph)});
                ++i;
            } else {
                if (s.singleByteGlyphs + kNarrowGlyphSize * (codes[i] + 1u) > s.windowTable)
                    throw Malformed{what + ": its text names 8 x 16 glyph " + std::to_string(codes[i]) +
                                        ", which lies past the glyph tables",
                                    offset};
                text.push_back({false, codes[i]});
            }
        }
        return text;
    }

    CImageStaticText StaticText(std::uint16_t at, const std::string& what) const
    {
        const std::uint8_t* r = Need(at, 4, what + ": its record");
        return {r[2], Text(at + 4u, r[3], what)};
    }

    CImageRegister Register(std::uint16_t at, const std::string& what) const
    {
        const std::uint8_t* r = Need(at, 11, what + ": its record");
        CImageRegister reg;
        reg.attribute = r[2];
        const bool limited = reg.attribute & kAttrLimited;
        const bool engineering = reg.attribute & kAttrEngineering;
        r = Need(at, 11 + (limited ? (engineering ? 16 : 8) : 0), what + ": its record with its limits");
        reg.operand = Operand(r + 3);
        reg.width = r[9];
        reg.decimals = r[10];
        if (limited) {
            reg.maxInput = Be32(r + 11);
            reg.minInput = Be32(r + 15);
            if (engineering) {
                reg.engineeringMax = Be32(r + 19);
                reg.engineeringMin = Be32(r + 23);
            }
        }
        return reg;
    }

    CImageLed Led(std::uint16_t at, const std::string& what) const
    {
        const std::uint8_t* r = Need(at, 12, what + ": its record");
        CImageLed led;
        led.doubleSize = r[2] & kAttrDouble;
        led.operand = Operand(r + 3);
        led.bitOffset = r[9];
        led.glyphWhenOff = r[10];
        led.glyphWhenOn = r[11];
        for (int i : {10, 11})
            CheckWideGlyph(r[i], OffsetOf(at + i), what);
        return led;
    }

    CImageFunctionKey FunctionKey(std::uint16_t at, const std::string& what) const
    {
        const std::uint8_t* r = Need(at, 16, what + ": its record");
        const std::size_t glyphs = r[15] / 2u;
        r = Need(at, 16 + glyphs, what + ": its record with " + std::to_string(glyphs) + " symbols");
        Spend(glyphs, OffsetOf(at));
        CImageFunctionKey key;
        key.attribute = r[2];
        key.operand = Operand(r + 3);
        key.keyCode = r[9];
        key.operation = r[10];
        key.value = Be32(r + 11);
        for (std::size_t i = 0; i < glyphs; ++i) {
            CheckWideGlyph(r[16 + i], OffsetOf(at + 16u + static_cast<unsigned>(i)), what);
            key.glyphs.push_back(r[16 + i]);
        }
        return key;
    }

    CImagePicture Picture(std::uint16_t at, const std::string& what) const
    {
        const std::uint8_t* r = Need(at, 9, what + ": its record");
        CImagePicture picture{r[3], r[4], static_cast<std::uint16_t>(getBe16(r + 5))};
        Need(picture.data, std::size_t{picture.width} * ((picture.height + 7u) / 8u),
             what + ": its " + std::to_string(picture.width) + " x " + std::to_string(picture.height) +
                 " pixels");
        return picture;
    }

    static void Common(CImageBar& bar, const std::uint8_t* r)
    {
        bar.attribute = r[2];
        bar.operand = Operand(r + 3);
        bar.width = r[9];
        bar.height = r[10];
        bar.maxValue = Be32(r + 11);
        bar.minValue = Be32(r + 15);
    }

    CImageBarGraph BarGraph(std::uint16_t at, const std::string& what) const
    {
        const std::uint8_t* r = Need(at, 20, what + ": its record");
        CImageBarGraph bar;
        Common(bar, r);
        bar.directionMask = r[19];
        return bar;
    }

    CImageTrendLine TrendLine(std::uint16_t at, const std::string& what) const
    {
        const std::uint8_t* r = Need(at, 24, what + ": its record");
        CImageTrendLine trend;
        Common(trend, r);
        trend.dots = r[19];
        trend.interval = static_cast<std::uint16_t>(getBe16(r + 20));
        trend.trendCount = r[22];
        trend.trendOrdinal = r[23];
        return trend;
    }

    CImageDynamicText DynamicText(std::uint16_t at, const std::string& what) const
    {
        const std::uint8_t* r = Need(at, 12, what + ": its record");
        r = Need(at, 12 + 4u * r[10], what + ": its record of " + std::to_string(r[10]) + " entries");
        CImageDynamicText text;
        text.attribute = r[2];
        text.operand = Operand(r + 3);
        text.textWidth = r[11];
        Spend(r[10], OffsetOf(at));
        text.entries.resize(r[10]);
        for (std::size_t i = 0; i < text.entries.size(); ++i) {
            CImageDynamicText::Entry& e = text.entries[i];
            e.value = static_cast<std::uint16_t>(getBe16(r + 12 + 4 * i));
            e.address = static_cast<std::uint16_t>(getBe16(r + 14 + 4 * i));
            const std::string entry = what + ", entry " + std::to_string(i + 1);
            const std::uint8_t* t = Need(e.address, 2, entry);
            e.attribute = t[0];
            e.text = Text(e.address + 2u, t[1], entry);
        }
        return text;
    }

    void ReadAlarms()
    {
        const std::uint16_t at = m_image.settings.alarmList;
        const std::uint8_t* h = Need(at, 10, "The alarm list");
        h = Need(at, 10 + 3u * h[0], "The alarm list of " + std::to_string(h[0]) + " texts");
        CImageAlarmList& alarms = m_image.alarms;
        alarms.station = h[3];
        alarms.typeValue = h[4];
        alarms.addressHigh = h[5];
        alarms.addressLow = h[6];
        alarms.lengthCode = h[7];
        alarms.bitFieldA = h[8];
        alarms.bitFieldB = h[9];
        Spend(h[0], OffsetOf(at));
        alarms.entries.resize(h[0]);
        for (std::size_t i = 0; i < alarms.entries.size(); ++i) {
            auto& e = alarms.entries[i];
            e.address = static_cast<std::uint16_t>(getBe16(h + 11 + 3 * i));
            const std::string what = "Alarm " + std::to_string(i + 1);
            const std::uint8_t* record = Need(e.address, 18, what);
            e.text = Text(e.address + 18u, record[0], what);
        }
    }

    void CheckWideGlyph(std::uint8_t glyph, std::size_t offset, const std::string& what) const
    {
        if (glyph >= m_image.wideGlyphs)
            throw Malformed{what + ": names 16 x 16 glyph " + std::to_string(glyph) + ", but the image has " +
                                std::to_string(m_image.wideGlyphs),
                            offset};
    }

    // The single-byte table ends where the picture data or the window table begins.
    void CountNarrowGlyphs()
    {
        std::uint32_t end = m_image.settings.windowTable;
        for (const CImageWindow& w : m_image.windows)
            for (const CImageComponent& c : w.components)
                if (const auto* p = std::get_if<CImagePicture>(&c.record))
                    if (p->data >= m_image.settings.singleByteGlyphs)
                        end = std::min<std::uint32_t>(end, p->data);
        m_image.narrowGlyphs = (end - m_image.settings.singleByteGlyphs) / kNarrowGlyphSize;
    }

    CDecodedImage& m_image;
    const Bytes& m_bytes;
    mutable std::size_t m_decoded = 0; // parts decoded so far, against kDecodeBudget
};

} // namespace

const std::uint8_t* CDecodedImage::WideGlyph(std::size_t index) const
{
    return At(settings.glyphArea) + kWideGlyphSize * index;
}

const std::uint8_t* CDecodedImage::NarrowGlyph(std::size_t index) const
{
    return At(settings.singleByteGlyphs) + kNarrowGlyphSize * index;
}

int CDecodedImage::FindWindow(std::uint16_t number) const
{
    for (std::size_t i = 0; i < windows.size(); ++i)
        if (windows[i].number == number)
            return static_cast<int>(i);
    return -1;
}

Result<CDecodedImage> CImageReader::Read(Bytes image)
{
    CDecodedImage decoded;
    decoded.bytes = std::move(image);
    try {
        Reader(decoded).Run();
    } catch (const Malformed& m) {
        return CError{m.text + ".", kCaption, m.offset};
    }
    return decoded;
}

} // namespace zl
