#include "compile/CImageCompiler.h"

#include <algorithm>
#include <optional>

#include "base/ComponentKind.h"
#include "components/CBarTide.h"
#include "components/CDynamic.h"
#include "render/CFontFiles.h"
#include "render/CImageGlyphs.h"
#include "compile/CImageHeader.h"
#include "compile/CProjectCheck.h"
#include "plc/CToolSettings.h"
#include "model/CCompileContext.h"
#include "model/CProject.h"
#include "model/TextCodes.h"

namespace zl {
namespace {

constexpr std::size_t kWindowEntrySize = 9;
constexpr std::size_t kPointerEntrySize = 3;
constexpr std::size_t kGlyphSize = 32;
constexpr std::size_t kHalfGlyphSize = 16;

// Frees every record of the project, however the compile ends.
class FreeRecords {
public:
    explicit FreeRecords(CProject& project) : m_project(project) {}
    FreeRecords(const FreeRecords&) = delete;
    FreeRecords& operator=(const FreeRecords&) = delete;
    ~FreeRecords()
    {
        for (const auto& window : m_project.windows())
            for (const auto& c : window->components())
                c->FreeDownloadData();
        m_project.alarms.FreeDownloadData();
    }

private:
    CProject& m_project;
};

struct Placed {
    CBase* component;
    std::size_t listPosition;
};

// A register's place in its window's panel order: rows of 16 pixels from the top, then columns of 8.
struct RegisterKey {
    std::int32_t row;
    std::int32_t column;
    bool operator<(const RegisterKey& o) const { return row != o.row ? row < o.row : column < o.column; }
};

class Compilation {
public:
    Compilation(CProject& project, bool measureOversize)
        : m_project(project), m_ctx(project.tables()), m_measureOversize(measureOversize)
    {
    }

    Status Run(const CCompileInputs& inputs, CCompiledImage& out);

private:
    Status CompileWindows();
    void RenderGlyphs(const CFontFiles& fonts);
    void LayOut();
    void Assemble(const CImageHeader& header, Bytes& image) const;

    std::size_t symbolBase() const { return m_led ? CImageGlyphs::kLedGlyphs : 0; }
    std::size_t doubleByteBase() const { return symbolBase() + m_ctx.symbolCodes.size(); }

    CProject& m_project;
    CCompileContext m_ctx;
    bool m_led = false;
    Bytes m_glyphArea;                        // LED block, symbols, double- and single-byte glyphs, pictures
    std::vector<std::vector<Placed>> m_order; // per window: the records in pointer-table order
    std::uint32_t m_end = 0;                  // address after the last byte; 32 bits to see an overflow
    CImageMap m_map;
    bool m_measureOversize;
};

Status Compilation::CompileWindows()
{
    for (const auto& window : m_project.windows()) {
        if (window->componentCount() > CImageCompiler::kMaxComponentsPerWindow && !m_measureOversize) {
            return makeError("Window " + std::to_string(window->number) + " holds " +
                                 std::to_string(window->componentCount()) +
                                 " components; the panel takes at most " +
                                 std::to_string(CImageCompiler::kMaxComponentsPerWindow) + " in a window.",
                             "Download data");
        }
        const auto& components = window->components();
        const auto trends = std::count_if(components.begin(), components.end(),
                                          [](const auto& c) { return c->typeCode == kTrendLine; });
        std::uint8_t trendOrdinal = 0;
        for (const auto& c : components) {
            if (auto* trend = dynamic_cast<CTide*>(c.get())) {
                trend->trendOrdinal = trendOrdinal++;
                trend->trendCount = static_cast<std::uint8_t>(trends);
            }
            c->CalcDownloadSize(m_ctx);
            const std::size_t repairedBefore = m_ctx.repaired.size();
            c->BuildDownloadData(m_ctx);
            for (std::size_t i = repairedBefore; i < m_ctx.repaired.size(); ++i)
                m_ctx.repaired[i] = "window " + std::to_string(window->number) + ": " + m_ctx.repaired[i];
            switch (c->typeCode) {
            case kStaticText:
            case kDynamicText:
            case kFunctionKey:
            case kPicture:
                c->CollectCharacters(m_ctx);
                if (!m_ctx.unshowable.empty() && !m_measureOversize)
                    return makeError("Window " + std::to_string(window->number) + ": the " +
                                         componentKindName(c->typeCode) + " at (" + std::to_string(c->x) +
                                         ", " + std::to_string(c->y) + ") " +
                                         unshowableText(m_ctx.unshowable) + ".",
                                     "Download data");
                break;
            case kLed:
                m_led = true;
                break;
            default:
                break;
            }
        }
    }
    CAlarmList& alarms = m_project.alarms;
    if (alarms.texts.size() > 255) {
        return makeError("The alarm list holds " + std::to_string(alarms.texts.size()) +
                             " texts; the panel takes at most 255.",
                         "Download data");
    }
    if (!alarms.texts.empty())
        alarms.BuildDownloadData(m_ctx, static_cast<std::uint16_t>(doubleByteBase()));
    if (!m_ctx.unshowable.empty() && !m_measureOversize)
        return makeError("The alarm list " + unshowableText(m_ctx.unshowable) + ".", "Download data");
    return Ok{};
}

void Compilation::RenderGlyphs(const CFontFiles& fonts)
{
    const auto dbBase = static_cast<std::uint16_t>(doubleByteBase());
    const auto symbolsAt = static_cast<std::uint16_t>(symbolBase());
    const std::size_t pictureData = CImageCompiler::kGlyphAddress +
                                    kGlyphSize * (dbBase + m_ctx.doubleByteChars.size()) +
                                    kHalfGlyphSize * m_ctx.singleByteChars.size();
    for (const auto& window : m_project.windows()) {
        for (const auto& c : window->components()) {
            switch (c->typeCode) {
            case kStaticText:
            case kDynamicText:
                c->WriteTextCodes(dbBase);
                break;
            case kFunctionKey:
                c->WriteTextCodes(symbolsAt);
                break;
            case kPicture:
                c->WriteTextCodes(static_cast<std::uint16_t>(pictureData));
                break;
            default:
                break;
            }
        }
    }

    Bytes& area = m_glyphArea;
    auto append = [&area](const auto& glyph) { area.insert(area.end(), glyph.begin(), glyph.end()); };
    if (m_led)
        for (const auto& glyph : CImageGlyphs::LedBlock())
            append(glyph);
    for (const std::uint8_t code : m_ctx.symbolCodes)
        append(CImageGlyphs::Symbol(code));
    for (const std::string& pair : m_ctx.doubleByteChars)
        append(CImageGlyphs::FromRows(
            fonts.doubleByteGlyph(static_cast<std::uint8_t>(pair[0]), static_cast<std::uint8_t>(pair[1]))));
    for (const std::uint8_t code : m_ctx.singleByteChars)
        append(CImageGlyphs::FromRows(fonts.singleByteGlyph(code)));
    area.insert(area.end(), m_ctx.pictureData.begin(), m_ctx.pictureData.end());

    m_map.glyphArea = CImageCompiler::kGlyphAddress;
    m_map.ledGlyphs = symbolBase();
    m_map.symbols = m_ctx.symbolCodes.size();
    m_map.doubleByteChars = m_ctx.doubleByteChars.size();
    m_map.singleByteChars = m_ctx.singleByteChars.size();
    m_map.pictureData = static_cast<std::uint16_t>(pictureData);
    m_map.pictureBytes = m_ctx.pictureData.size();
    m_map.singleByteGlyphs = static_cast<std::uint16_t>(CImageCompiler::kGlyphAddress +
                                                        kGlyphSize * (dbBase + m_ctx.doubleByteChars.size()));
}

void Compilation::LayOut()
{
    const auto& windows = m_project.windows();
    std::uint32_t a = CImageCompiler::kGlyphAddress + static_cast<std::uint32_t>(m_glyphArea.size());
    m_map.windowTable = static_cast<std::uint16_t>(a);
    a += static_cast<std::uint32_t>(kWindowEntrySize * windows.size());
    m_map.windows.resize(windows.size());
    for (std::size_t w = 0; w < windows.size(); ++w) {
        CImageMap::Window& entry = m_map.windows[w];
        entry.number = windows[w]->number;
        entry.entry = static_cast<std::uint16_t>(m_map.windowTable + kWindowEntrySize * w);
        entry.upJump = windows[w]->upJump;
        entry.downJump = windows[w]->downJump;
        entry.pointerTable = static_cast<std::uint16_t>(a);
        a += static_cast<std::uint32_t>(kPointerEntrySize * windows[w]->componentCount());
    }

    m_order.resize(windows.size());
    for (std::size_t w = 0; w < windows.size(); ++w) {
        const auto& components = windows[w]->components();
        std::vector<Placed>& order = m_order[w];
        std::vector<std::pair<RegisterKey, Placed>> registers;
        for (std::size_t i = 0; i < components.size(); ++i) {
            CBase* c = components[i].get();
            if (c->typeCode == kRegister)
                registers.push_back({{c->y / 16, c->x / 8}, {c, i}});
            else
                order.push_back({c, i});
        }
        std::stable_sort(registers.begin(), registers.end(),
                         [](const auto& l, const auto& r) { return l.first < r.first; });
        for (const auto& r : registers)
            order.push_back(r.second);
        for (const Placed& p : order) {
            m_map.windows[w].components.push_back({p.listPosition, p.component->typeCode,
                                                   p.component->GetRuntimeClass(),
                                                   static_cast<std::uint16_t>(a), p.component->downloadSize});
            a += p.component->downloadSize;
        }
    }

    for (std::size_t w = 0; w < windows.size(); ++w) {
        const auto& components = windows[w]->components();
        for (std::size_t i = 0; i < components.size(); ++i) {
            auto* text = dynamic_cast<CDynamic*>(components[i].get());
            if (!text)
                continue;
            auto at = static_cast<std::uint16_t>(a);
            text->PlaceTextTable(at);
            m_map.windows[w].textTables.push_back({i, static_cast<std::uint16_t>(a), text->textTableSize});
            a += static_cast<std::uint32_t>(text->textTableSize);
        }
    }

    CAlarmList& alarms = m_project.alarms;
    m_map.alarmList = static_cast<std::uint16_t>(a);
    m_map.alarmTexts = alarms.texts.size();
    if (!alarms.texts.empty()) {
        auto at = static_cast<std::uint16_t>(a);
        alarms.Place(at);
        a += static_cast<std::uint32_t>(alarms.headerSize + alarms.recordsSize);
        // Its header entries carry the addresses just placed; its characters are in the tables already, so
        // building again adds none and codes them as before.
        alarms.BuildDownloadData(m_ctx, static_cast<std::uint16_t>(doubleByteBase()));
    }
    m_end = a;
}

void Compilation::Assemble(const CImageHeader& header, Bytes& image) const
{
    image.reserve(m_end - CImageCompiler::kImageAddress);
    image.assign(header.begin(), header.end());
    image.insert(image.end(), m_glyphArea.begin(), m_glyphArea.end());
    for (const CImageMap::Window& w : m_map.windows) {
        std::uint8_t entry[kWindowEntrySize];
        putBe16(entry, w.number);
        entry[2] = static_cast<std::uint8_t>(w.components.size());
        putBe16(entry + 3, w.upJump);
        putBe16(entry + 5, w.downJump);
        putBe16(entry + 7, w.pointerTable);
        image.insert(image.end(), entry, entry + kWindowEntrySize);
    }
    for (const CImageMap::Window& w : m_map.windows) {
        for (const CImageMap::Component& c : w.components) {
            image.push_back(c.typeCode);
            image.push_back(static_cast<std::uint8_t>(c.address >> 8));
            image.push_back(static_cast<std::uint8_t>(c.address));
        }
    }
    for (const std::vector<Placed>& order : m_order) {
        for (const Placed& p : order) {
            // Exactly the download size, whatever the record holds.
            const Bytes& record = p.component->record;
            const std::size_t size = p.component->downloadSize;
            const std::size_t copied = std::min(size, record.size());
            image.insert(image.end(), record.begin(), record.begin() + static_cast<std::ptrdiff_t>(copied));
            image.resize(image.size() + (size - copied), 0);
        }
    }
    for (const auto& window : m_project.windows())
        for (const auto& c : window->components())
            if (const auto* text = dynamic_cast<const CDynamic*>(c.get()))
                text->AppendTextTable(image);
    const CAlarmList& alarms = m_project.alarms;
    if (!alarms.texts.empty()) {
        image.insert(image.end(), alarms.headerRecord.begin(), alarms.headerRecord.end());
        image.insert(image.end(), alarms.textRecords.begin(), alarms.textRecords.end());
    }
}

Status Compilation::Run(const CCompileInputs& inputs, CCompiledImage& out)
{
    if (Status compiled = CompileWindows(); !compiled)
        return compiled;

    std::optional<CFontFiles> loaded;
    if (!inputs.fonts) {
        auto fonts = CFontFiles::Load(inputs.dataDir);
        if (!fonts)
            return fonts.error();
        loaded.emplace(std::move(*fonts));
    }
    RenderGlyphs(inputs.fonts ? *inputs.fonts : *loaded);
    LayOut();

    const std::size_t size = m_end - CImageCompiler::kImageAddress;
    if (size > CImageCompiler::kMaxImageSize && !m_measureOversize) {
        return makeError("The download image would be " + std::to_string(size) +
                             " bytes, but the panel holds at most " +
                             std::to_string(CImageCompiler::kMaxImageSize) +
                             " bytes (addresses 0x8000 to 0xFFFF). Remove texts, pictures or components to "
                             "make it smaller.",
                         "Download data");
    }

    auto driver = CProtocolCatalogue::LoadDriver(CProtocolCatalogue::cataloguePath(inputs.dataDir),
                                                 static_cast<std::uint8_t>(m_project.protocol()));
    if (!driver)
        return driver.error();
    const auto position = static_cast<std::uint8_t>(driver->position);
    m_project.comm.listPosition = position;
    if (!inputs.toolSettingsPath.empty()) {
        if (Status written = CToolSettings::WriteListPosition(inputs.toolSettingsPath, position); !written)
            out.notes.push_back(written.error().text);
    }

    CImageHeaderInputs headerInputs;
    headerInputs.windowTable = m_map.windowTable;
    headerInputs.alarmList = m_map.alarmList;
    headerInputs.singleByteGlyphs = m_map.singleByteGlyphs;
    headerInputs.driverVersion = driver->version;
    headerInputs.writeFlag = m_ctx.writeFlag != 0;
    Assemble(BuildImageHeader(m_project, headerInputs), out.image);
    if (out.image.size() != size)
        return makeError("The download image came out " + std::to_string(out.image.size()) +
                             " bytes long instead of " + std::to_string(size) + "; it is not sent.",
                         "Download data");

    out.driver = std::move(*driver);
    out.limitFlag = m_ctx.limitFlag;
    out.repaired = m_ctx.repaired;
    m_map.imageSize = size;
    out.map = std::move(m_map);
    return Ok{};
}

} // namespace

Result<CCompiledImage> CImageCompiler::Compile(CProject& project, const CCompileInputs& inputs)
{
    FreeRecords freeRecords(project);
    CCompiledImage out;
    Compilation compilation(project, inputs.measureOversize);
    if (Status done = compilation.Run(inputs, out); !done)
        return done.error();
    return out;
}

} // namespace zl
