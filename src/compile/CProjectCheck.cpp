#include "compile/CProjectCheck.h"

#include <algorithm>
#include <cstdio>

#include "base/CJson.h"
#include "base/ComponentKind.h"
#include "base/Gbk.h"
#include "components/CBarTide.h"
#include "components/CDynamic.h"
#include "components/CFunction.h"
#include "components/CRegister.h"
#include "components/RegisterOperand.h"
#include "model/CCompileContext.h"
#include "model/TextCodes.h"
#include "render/CFontFiles.h"

namespace zl
{
namespace
{

using Kind = CCheckFinding::Kind;

std::string withThousands(std::size_t n)
{
    std::string digits = std::to_string(n);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

std::string nameOf(const CBase& c)
{
    return std::string(componentKindName(c.typeCode)) + " at (" + std::to_string(c.x) + ", " +
           std::to_string(c.y) + ")";
}

// The value range a compile may repair: the register's input limits, the bar's and trend's value range.
struct Limits {
    std::uint32_t max;
    std::uint32_t min;
};
std::optional<Limits> limitsOf(const CBase& c)
{
    if (const auto* r = dynamic_cast<const CRegister*>(&c))
        return Limits{r->maxInput, r->minInput};
    if (const auto* b = dynamic_cast<const CBarTide*>(&c))
        return Limits{b->maxValue, b->minValue};
    return std::nullopt;
}
bool setLimits(CBase& c, Limits limits)
{
    std::uint32_t* max = nullptr;
    std::uint32_t* min = nullptr;
    if (auto* r = dynamic_cast<CRegister*>(&c))
        max = &r->maxInput, min = &r->minInput;
    else if (auto* b = dynamic_cast<CBarTide*>(&c))
        max = &b->maxValue, min = &b->minValue;
    if (!max || (*max == limits.max && *min == limits.min))
        return false;
    *max = limits.max;
    *min = limits.min;
    return true;
}

// Stored files may hold windows out of order, so no binary search.
const CMainView* findWindow(const CProject& project, std::uint16_t number)
{
    for (const auto& w : project.windows())
        if (w->number == number)
            return w.get();
    return nullptr;
}

// The register type list a component's operand takes its type from; none where it has no operand.
std::optional<CListKind> operandList(const CBase& c)
{
    switch (c.typeCode) {
    case kRegister:
    case kBarGraph:
    case kTrendLine:
    case kDynamicText:
        return kWordList;
    case kLed:
        return kThirdList;
    case kFunctionKey: {
        const auto action = static_cast<const CFunction&>(c).action;
        if (action == CFunction::kSetRegister)
            return kWordList;
        if (action == CFunction::kSetCoil)
            return kBitList;
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

std::string joined(const std::vector<std::string>& names)
{
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + name;
    return list;
}

bool blank(const auto& glyph)
{
    return std::all_of(glyph.begin(), glyph.end(), [](std::uint8_t b) { return b == 0; });
}

std::string hexByte(unsigned b)
{
    char s[4];
    std::snprintf(s, sizeof s, "%02X", b & 0xFF);
    return s;
}

// The characters a compile context collected that the panel fonts draw as nothing (spaces excepted).
std::string undrawable(const CCompileContext& ctx, const CFontFiles& fonts)
{
    std::string list;
    const auto add = [&](const std::string& gbk, const std::string& code) {
        list += (list.empty() ? "" : ", ") + ("'" + gbkToUtf8(gbk) + "' (" + code + ")");
    };
    for (const std::uint8_t c : ctx.singleByteChars)
        if (c != ' ' && blank(fonts.singleByteGlyph(c)))
            add(std::string(1, static_cast<char>(c)), hexByte(c));
    for (const std::string& pair : ctx.doubleByteChars) {
        const auto lead = static_cast<std::uint8_t>(pair[0]);
        const auto trail = static_cast<std::uint8_t>(pair[1]);
        const bool ideographicSpace = lead == 0xA1 && trail == 0xA1;
        if (!ideographicSpace && blank(fonts.doubleByteGlyph(lead, trail)))
            add(pair, hexByte(lead) + " " + hexByte(trail));
    }
    return list.empty() ? list : "the panel fonts cannot draw " + list;
}

class Checker
{
public:
    Checker(const CProject& project, CCheckReport& report) : m_project(project), m_report(report) {}

    void add(Kind kind, std::string text, const CMainView* window = nullptr, std::size_t position = 0,
             const CBase* c = nullptr)
    {
        CCheckFinding f{kind, std::nullopt, std::nullopt, {}, std::move(text)};
        if (window)
            f.window = window->number;
        if (c) {
            f.component = position;
            f.componentName = nameOf(*c);
        }
        m_report.findings.push_back(std::move(f));
    }

    void panelWindows()
    {
        const auto& windows = m_project.windows();
        if (windows.empty()) {
            add(Kind::NoWindows, "The project has no windows; the panel would have nothing to show");
            return;
        }
        const std::uint16_t first = windows.front()->number;
        const auto replaced = [&](const char* what, std::uint16_t number) {
            if (!findWindow(m_project, number))
                add(Kind::ReplacedWindow, std::string(what) + " window " + std::to_string(number) +
                                              " does not exist; the panel gets window " +
                                              std::to_string(first) + " instead");
        };
        replaced("The initial", m_project.panel.initialWindow);
        if (m_project.panel.screenSaverAction == 1)
            replaced("The screen-saver", m_project.panel.screenSaverWindow);
    }

    void windowShape(const CMainView& w)
    {
        if (w.componentCount() > CImageCompiler::kMaxComponentsPerWindow)
            add(Kind::TooManyComponents,
                "holds " + std::to_string(w.componentCount()) + " components; the panel takes at most " +
                    std::to_string(CImageCompiler::kMaxComponentsPerWindow) + " in a window",
                &w);
        // Jumps to the neighbouring numbers are what every new window starts with; the panel ignores
        // them when the window is missing.
        const auto jump = [&](const char* key, std::uint16_t target, std::uint16_t byDefault) {
            if (target != byDefault && !findWindow(m_project, target))
                add(Kind::MissingArrowJump,
                    std::string("the ") + key + " key jumps to window " + std::to_string(target) +
                        ", which does not exist",
                    &w);
        };
        jump("Up", w.upJump, static_cast<std::uint16_t>(w.number - 1));
        jump("Down", w.downJump, static_cast<std::uint16_t>(w.number + 1));
    }

    // Compiles one component of the probe copy on its own: what its record repairs and which characters
    // it needs.
    void component(const CMainView& w, std::size_t position, CBase& c, const CFontFiles* fonts)
    {
        if (c.x < 0 || c.y < 0 || c.x > c.MaxPanelX() || c.y > c.MaxPanelY() || !c.InsideCanvas())
            add(Kind::Overhang,
                "reaches beyond the 192 × 64 panel (to " +
                    std::to_string(c.x + canvasToPanel(c.rect.width())) + ", " +
                    std::to_string(c.y + canvasToPanel(c.rect.height())) + ")",
                &w, position, &c);
        if (const auto* key = dynamic_cast<const CFunction*>(&c)) {
            if (key->action == CFunction::kJumpTo && key->jumpTarget == 0 &&
                !findWindow(m_project, key->windowNumber))
                add(Kind::MissingKeyJump,
                    "jumps to window " + std::to_string(key->windowNumber) + ", which does not exist", &w,
                    position, &c);
        }

        storedValues(w, position, c);

        CCompileContext ctx(m_project.tables());
        const std::optional<Limits> before = limitsOf(c);
        c.CalcDownloadSize(ctx);
        c.BuildDownloadData(ctx);
        const std::optional<Limits> after = limitsOf(c);
        if (!ctx.repaired.empty() && before && after) {
            const bool s = c.isSigned != 0;
            add(Kind::LimitRepair,
                "max " + std::to_string(limitValue(before->max, s)) + " is not above min " +
                    std::to_string(limitValue(before->min, s)) + "; the compile sets max " +
                    std::to_string(limitValue(after->max, s)) + ", min " +
                    std::to_string(limitValue(after->min, s)),
                &w, position, &c);
        }
        if (fonts && (c.typeCode == kStaticText || c.typeCode == kDynamicText)) {
            c.CollectCharacters(ctx);
            if (!ctx.unshowable.empty())
                add(Kind::UnshowableText, unshowableText(ctx.unshowable), &w, position, &c);
            else if (std::string list = undrawable(ctx, *fonts); !list.empty())
                add(Kind::UndrawableCharacter, std::move(list), &w, position, &c);
        }
        c.FreeDownloadData();
    }

    // Values a property page would not let the user enter; the page shows them as stored, so only the
    // check tells.
    void storedValues(const CMainView& w, std::size_t position, const CBase& c)
    {
        const CProtocolTables& tables = m_project.tables();
        bool typeKnown = true;
        if (const auto kind = operandList(c)) {
            const auto& types = tables.list(*kind);
            if (!types.empty() && c.registerType >= types.size()) {
                typeKnown = false;
                add(Kind::UnknownRegisterType,
                    "its register type " + std::to_string(c.registerType) +
                        " is not in the protocol's list (" + joined(types) + "); the compile takes " +
                        types.back(),
                    &w, position, &c);
            }
        }
        if (const auto* r = dynamic_cast<const CRegister*>(&c); r && typeKnown && (r->set || r->password)) {
            const std::string& type = tables.registerTypeName(r->registerType, kWordList);
            const auto lock = tables.descriptor().typeLock(type);
            if (lock && lock->setLocked) {
                const std::string saved = r->set && r->password ? "Set and a password"
                                          : r->set              ? "Set"
                                                                : "a password";
                add(Kind::ReadOnlyEntry,
                    "is saved with " + saved + ", but its type " + type +
                        " is read-only: the register page offers neither",
                    &w, position, &c);
            }
        }
        if (const auto* d = dynamic_cast<const CDynamic*>(&c)) {
            const std::size_t entries = std::min(d->valueTexts.size(), d->values.size());
            for (std::size_t i = 0; i < entries; ++i) {
                if (d->valueTexts[i].empty())
                    continue;
                // The record holds 16-bit values: they are compared as the panel compares them.
                const auto value = static_cast<std::uint16_t>(d->values[i]);
                for (std::size_t first = 0; first < i; ++first) {
                    if (d->valueTexts[first].empty() || static_cast<std::uint16_t>(d->values[first]) != value)
                        continue;
                    add(Kind::DuplicateValue,
                        "entries " + std::to_string(first + 1) + " and " + std::to_string(i + 1) +
                            " both have the value " + d->valueTexts[first] + "; the panel shows entry " +
                            std::to_string(first + 1) + "'s content for it",
                        &w, position, &c);
                    break;
                }
            }
        }
    }

    void alarmTexts(const CFontFiles& fonts)
    {
        const auto& texts = m_project.alarms.texts;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            CCompileContext ctx(m_project.tables());
            const std::string_view text = RecordText(texts[i]);
            Bytes codes(text.size());
            WriteTextCodesInto(text, codes.data(), 0, ctx);
            if (!ctx.unshowable.empty())
                add(Kind::UnshowableText, unshowableText(ctx.unshowable));
            else if (std::string list = undrawable(ctx, fonts); !list.empty())
                add(Kind::UndrawableCharacter, std::move(list));
            else
                continue;
            m_report.findings.back().componentName = "Alarm list, text " + std::to_string(i + 1);
        }
    }

private:
    const CProject& m_project;
    CCheckReport& m_report;
};

} // namespace

bool TakeCorrectedSettings(CProject& project, const CCheckReport& report)
{
    if (!report.compiledProject)
        return false;
    const CProject& compiled = *report.compiledProject;
    bool changed = false;
    const auto take = [&](auto& field, auto value) {
        changed = changed || field != value;
        field = value;
    };
    take(project.panel.initialWindow, compiled.panel.initialWindow);
    take(project.panel.screenSaverWindow, compiled.panel.screenSaverWindow);
    take(project.comm.listPosition, compiled.comm.listPosition);
    return changed;
}

std::vector<std::uint16_t> WindowsWithRepairedLimits(const CCheckReport& report)
{
    std::vector<std::uint16_t> numbers;
    for (const CCheckFinding& f : report.findings)
        if (f.kind == Kind::LimitRepair && f.window &&
            std::find(numbers.begin(), numbers.end(), *f.window) == numbers.end())
            numbers.push_back(*f.window);
    return numbers;
}

bool TakeRepairedLimits(CProject& project, const CCheckReport& report)
{
    if (!report.compiledProject)
        return false;
    const CProject& compiled = *report.compiledProject;
    bool changed = false;
    for (const CCheckFinding& f : report.findings) {
        if (f.kind != Kind::LimitRepair || !f.window || !f.component)
            continue;
        const CMainView* from = findWindow(compiled, *f.window);
        const CMainView* to = findWindow(project, *f.window);
        if (!from || !to || *f.component >= from->componentCount() || *f.component >= to->componentCount())
            continue;
        if (const auto limits = limitsOf(*from->components()[*f.component]))
            changed = setLimits(*to->components()[*f.component], *limits) || changed;
    }
    return changed;
}

const char* CCheckFinding::kindName(Kind kind)
{
    switch (kind) {
    case Kind::LimitRepair:
        return "limit-repair";
    case Kind::UndrawableCharacter:
        return "undrawable-character";
    case Kind::UnshowableText:
        return "unshowable-text";
    case Kind::MissingKeyJump:
        return "missing-key-jump";
    case Kind::NoWindows:
        return "no-windows";
    case Kind::ReplacedWindow:
        return "replaced-window";
    case Kind::MissingArrowJump:
        return "missing-arrow-jump";
    case Kind::Overhang:
        return "overhang";
    case Kind::TooManyComponents:
        return "too-many-components";
    case Kind::ImageTooLarge:
        return "image-too-large";
    case Kind::CompileError:
        return "compile-error";
    case Kind::DuplicateValue:
        return "duplicate-value";
    case Kind::ReadOnlyEntry:
        return "read-only-entry";
    case Kind::UnknownRegisterType:
        return "unknown-register-type";
    }
    return "unknown";
}

std::string CCheckReport::sizeText() const
{
    return imageSize ? withThousands(*imageSize) + " of " + withThousands(kImageCapacity) + " bytes" : "";
}

CJson CCheckReport::Describe() const
{
    CJson out = CJson::object();
    out.set("clean", clean());
    if (imageSize) {
        out.set("imageSize", *imageSize);
        out.set("imageCapacity", kImageCapacity);
    }
    CJson list = CJson::array();
    for (const CCheckFinding& f : findings) {
        CJson item = CJson::object();
        item.set("kind", CCheckFinding::kindName(f.kind));
        item.set("window", f.window ? CJson(unsigned{*f.window}) : CJson());
        item.set("component", f.component ? CJson(*f.component) : CJson());
        if (!f.componentName.empty())
            item.set("componentName", f.componentName);
        item.set("text", f.text);
        list.push(std::move(item));
    }
    out.set("findings", std::move(list));
    return out;
}

CCheckReport CheckProject(const CProject& project, const CCompileInputs& inputs)
{
    CCheckReport report;
    Checker check(project, report);

    std::optional<CFontFiles> loaded;
    const CFontFiles* fonts = inputs.fonts;
    CError fontError;
    if (!fonts) {
        auto read = CFontFiles::Load(inputs.dataDir);
        if (read) {
            loaded.emplace(std::move(*read));
            fonts = &*loaded;
        } else {
            fontError = read.error();
        }
    }

    check.panelWindows();
    CProject probe(project);
    for (std::size_t w = 0; w < probe.windowCount(); ++w) {
        const CMainView& window = *probe.WindowAt(w);
        check.windowShape(window);
        for (std::size_t i = 0; i < window.componentCount(); ++i)
            check.component(window, i, *window.components()[i], fonts);
    }
    if (fonts)
        check.alarmTexts(*fonts);

    if (!fonts) {
        check.add(Kind::CompileError, fontError.text);
        return report;
    }
    CCompileInputs compileInputs = inputs;
    compileInputs.fonts = fonts;
    compileInputs.measureOversize = true;
    auto copy = std::make_unique<CProject>(project);
    auto compiled = CImageCompiler::Compile(*copy, compileInputs);
    if (!compiled) {
        check.add(Kind::CompileError, compiled.error().text);
        return report;
    }
    report.imageSize = compiled->image.size();
    const bool fits = *report.imageSize <= CCheckReport::kImageCapacity;
    if (!fits)
        check.add(Kind::ImageTooLarge,
                  "The image is " + report.sizeText() + "; it does not fit into the panel");
    const bool sendable =
        std::none_of(report.findings.begin(), report.findings.end(), [](const CCheckFinding& f) {
            return f.kind == Kind::TooManyComponents || f.kind == Kind::UnshowableText;
        });
    if (fits && sendable)
        report.compiled = std::move(*compiled);
    report.compiledProject = std::move(copy);
    return report;
}

} // namespace zl
