// How the panel draws its screens: the window's components in pointer-table order, the alarm list, the
// time and date, and the password prompt.
#include <algorithm>
#include <cstdio>

#include "panel/CPanel.h"

namespace zl
{
namespace
{

constexpr int kRow = 16; // a character row

unsigned valueBytes(const CImageOperand& o)
{
    return std::min<unsigned>(o.length, 4);
}

int scaleOf(std::uint8_t attribute)
{
    return attribute & kAttrDouble ? 2 : 1;
}

// The bar's or trend's value as a fraction of its range, 0 … 1.
double fractionOf(std::int64_t v, std::int64_t min, std::int64_t max)
{
    if (max <= min)
        return 0;
    return std::clamp(static_cast<double>(v - min) / static_cast<double>(max - min), 0.0, 1.0);
}

} // namespace

void CPanel::Draw(CFrameBuffer& screen) const
{
    screen.Clear();
    switch (Screen()) {
    case CPanelScreen::ScreenSaver: {
        const int saver =
            m_image.settings.screenSaverWindow ? m_image.FindWindow(m_image.settings.screenSaverWindow) : -1;
        if (saver >= 0)
            DrawWindow(screen, saver);
        break;
    }
    case CPanelScreen::AlarmList:
        DrawAlarmList(screen);
        break;
    case CPanelScreen::TimeDate:
        DrawTimeDate(screen);
        break;
    case CPanelScreen::Password:
        DrawPrompt(screen);
        break;
    case CPanelScreen::Window:
        DrawWindow(screen, m_window);
        break;
    }
    if (!memory().Fault().empty())
        DrawFault(screen);
}

// The values on the screen may be stale: the bottom row says so in reverse across the whole width, the
// rest keeps the last values read. The reason itself is for the status line beside the screen.
void CPanel::DrawFault(CFrameBuffer& screen) const
{
    constexpr int kColumns = 192 / 8;
    const std::string text = "COMM ERROR";
    DrawBuiltIn(screen, 0, 64 - kRow, kAttrReverse, text + std::string(kColumns - text.size(), ' '));
}

void CPanel::DrawWindow(CFrameBuffer& screen, int position) const
{
    if (position < 0)
        return;
    const CImageWindow& w = m_image.windows[static_cast<std::size_t>(position)];
    for (std::size_t i = 0; i < w.components.size(); ++i)
        DrawComponent(screen, w, i, position == m_window);
}

void CPanel::DrawText(CFrameBuffer& screen, int x, int y, std::uint8_t attribute,
                      const CImageText& text) const
{
    const int scale = scaleOf(attribute);
    int width = 0;
    for (const CImageChar& c : text)
        width += (c.wide ? 16 : 8) * scale;
    screen.Fill(x, y, width, kRow * scale, false);
    int at = x;
    for (const CImageChar& c : text) {
        if (c.wide)
            screen.DrawPages(at, y, m_image.WideGlyph(c.glyph), 16, 2, scale);
        else
            screen.DrawPages(at, y, m_image.NarrowGlyph(c.glyph), 8, 2, scale);
        at += (c.wide ? 16 : 8) * scale;
    }
    if (attribute & kAttrReverse)
        screen.Invert(x, y, width, kRow * scale);
}

void CPanel::DrawBuiltIn(CFrameBuffer& screen, int x, int y, std::uint8_t attribute,
                         const std::string& text) const
{
    const int scale = scaleOf(attribute);
    const int width = static_cast<int>(text.size()) * 8 * scale;
    screen.Fill(x, y, width, kRow * scale, false);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c != ' ' && c < m_font.size())
            screen.DrawRows(x + static_cast<int>(i) * 8 * scale, y, m_font[c].data(), scale);
    }
    if (attribute & kAttrReverse)
        screen.Invert(x, y, width, kRow * scale);
}

// `shown`: the window is the current one, with its entry and trend samples (the screen saver's window
// has neither).
void CPanel::DrawComponent(CFrameBuffer& screen, const CImageWindow& w, std::size_t i, bool shown) const
{
    const CImageComponent& c = w.components[i];
    const int x = c.x, y = c.y;
    if (const auto* text = std::get_if<CImageStaticText>(&c.record)) {
        DrawText(screen, x, y, text->attribute, text->text);
    } else if (const auto* reg = std::get_if<CImageRegister>(&c.record)) {
        if (shown && m_entry && m_entry->component == i) {
            // The digits typed so far, in the field's layout, shown the other way round.
            std::string shown = m_entry->digits;
            if (reg->decimals && !shown.empty()) {
                if (shown.size() <= reg->decimals)
                    shown.insert(0, reg->decimals + 1 - shown.size(), '0');
                shown.insert(shown.size() - reg->decimals, 1, '.');
            }
            if (m_entry->negative)
                shown.insert(0, 1, '-');
            shown.insert(0, reg->width > shown.size() ? reg->width - shown.size() : 0, ' ');
            DrawBuiltIn(screen, x, y, static_cast<std::uint8_t>(reg->attribute ^ kAttrReverse), shown);
        } else {
            DrawBuiltIn(screen, x, y, reg->attribute,
                        FormatValue(memory().Read(reg->operand), valueBytes(reg->operand), reg->attribute,
                                    reg->width, reg->decimals));
        }
    } else if (const auto* led = std::get_if<CImageLed>(&c.record)) {
        const int scale = led->doubleSize ? 2 : 1;
        const bool on = memory().ReadBit(led->operand, led->bitOffset);
        screen.Fill(x, y, 16 * scale, 16 * scale, false);
        screen.DrawPages(x, y, m_image.WideGlyph(on ? led->glyphWhenOn : led->glyphWhenOff), 16, 2, scale);
    } else if (const auto* key = std::get_if<CImageFunctionKey>(&c.record)) {
        if (key->attribute & kAttrInvisible)
            return;
        const int scale = scaleOf(key->attribute);
        const int width = 16 * scale * static_cast<int>(key->glyphs.size());
        screen.Fill(x, y, width, 16 * scale, false);
        for (std::size_t g = 0; g < key->glyphs.size(); ++g)
            screen.DrawPages(x + static_cast<int>(g) * 16 * scale, y, m_image.WideGlyph(key->glyphs[g]), 16,
                             2, scale);
        if (key->attribute & kAttrReverse)
            screen.Invert(x, y, width, 16 * scale);
    } else if (const auto* picture = std::get_if<CImagePicture>(&c.record)) {
        screen.DrawPages(x, y, m_image.At(picture->data), picture->width, (picture->height + 7) / 8, 1,
                         picture->height);
    } else if (const auto* bar = std::get_if<CImageBarGraph>(&c.record)) {
        const bool isSigned = bar->attribute & kAttrSigned;
        const double f =
            fractionOf(NumberOf(memory().Read(bar->operand), valueBytes(bar->operand), isSigned),
                       NumberOf(bar->minValue, 4, isSigned), NumberOf(bar->maxValue, 4, isSigned));
        screen.Fill(x, y, bar->width, bar->height, false);
        screen.Frame(x, y, bar->width, bar->height);
        const int iw = bar->width - 2, ih = bar->height - 2;
        const bool vertical = bar->directionMask & 3;
        const int filled = static_cast<int>(f * (vertical ? ih : iw));
        switch (bar->directionMask) {
        case 2:
            screen.Fill(x + 1, y + 1, iw, filled);
            break; // down: from the top
        case 4:
            screen.Fill(x + 1 + iw - filled, y + 1, filled, ih);
            break; // left: from the right
        case 8:
            screen.Fill(x + 1, y + 1, filled, ih);
            break; // right: from the left
        default:
            screen.Fill(x + 1, y + 1 + ih - filled, iw, filled);
            break; // up: from the bottom
        }
    } else if (const auto* trend = std::get_if<CImageTrendLine>(&c.record)) {
        screen.Fill(x, y, trend->width, trend->height, false);
        screen.Frame(x, y, trend->width, trend->height);
        const auto found = m_trends.find(i);
        if (!shown || found == m_trends.end())
            return;
        const bool isSigned = trend->attribute & kAttrSigned;
        const std::int64_t min = NumberOf(trend->minValue, 4, isSigned),
                           max = NumberOf(trend->maxValue, 4, isSigned);
        const int dots = std::max<int>(trend->dots, 2);
        const int iw = trend->width - 3, ih = trend->height - 3;
        int px = 0, py = 0;
        for (std::size_t s = 0; s < found->second.samples.size(); ++s) {
            const int sx = x + 1 + static_cast<int>(s) * iw / (dots - 1);
            const int sy = y + 1 + ih - static_cast<int>(fractionOf(found->second.samples[s], min, max) * ih);
            if (s == 0)
                screen.Set(sx, sy);
            else
                screen.Line(px, py, sx, sy);
            px = sx;
            py = sy;
        }
    } else if (const auto* dynamic = std::get_if<CImageDynamicText>(&c.record)) {
        const auto value = static_cast<std::uint16_t>(memory().Read(dynamic->operand));
        for (const auto& e : dynamic->entries) {
            if (e.value == value)
                return DrawText(screen, x, y, e.attribute, e.text);
        }
        // No entry matches: the field stays blank.
        DrawBuiltIn(screen, x, y, dynamic->attribute, std::string(dynamic->textWidth, ' '));
    }
}

void CPanel::DrawAlarmList(CFrameBuffer& screen) const
{
    const std::vector<std::size_t> active = ActiveAlarms();
    if (active.empty())
        return DrawBuiltIn(screen, 0, 0, 0, "No alarm");
    for (std::size_t row = 0; row < 4 && m_alarmScroll + row < active.size(); ++row)
        DrawText(screen, 0, static_cast<int>(row) * kRow, 0,
                 m_image.alarms.entries[active[m_alarmScroll + row]].text);
}

void CPanel::DrawTimeDate(CFrameBuffer& screen) const
{
    // The simulated clock starts at midnight of 1 January 2000.
    const std::uint64_t seconds = m_now / 1000;
    char time[16];
    std::snprintf(time, sizeof time, "%02u:%02u:%02u", static_cast<unsigned>(seconds / 3600 % 24),
                  static_cast<unsigned>(seconds / 60 % 60), static_cast<unsigned>(seconds % 60));
    char date[16];
    std::snprintf(date, sizeof date, "2000-01-%02u", static_cast<unsigned>(1 + seconds / 86400 % 31));
    DrawBuiltIn(screen, 0, 0, 0, date);
    DrawBuiltIn(screen, 0, kRow, 0, time);
}

void CPanel::DrawPrompt(CFrameBuffer& screen) const
{
    DrawBuiltIn(screen, 0, 0, 0, "Password:");
    DrawBuiltIn(screen, 0, kRow, 0, std::string(m_prompt->digits.size(), '*'));
}

} // namespace zl
