#include "panel/CPanel.h"

#include <algorithm>
#include <limits>

#include "base/Bytes.h"

namespace zl
{
namespace
{

constexpr std::uint64_t kMinute = 60'000;

std::uint32_t mask(unsigned bytes)
{
    return bytes == 0 || bytes >= 4 ? 0xFFFFFFFFu : (1u << (8 * bytes)) - 1;
}

// Bytes of a register operand's value (0 length reads a whole 32-bit value).
unsigned valueBytes(const CImageOperand& o)
{
    return std::min<unsigned>(o.length, 4);
}

bool isOperation(std::uint8_t op, std::uint8_t first, std::uint8_t last)
{
    return op >= first && op <= last;
}

} // namespace

CPanel::CPanel(CDecodedImage image, const CFontFiles& fonts) : m_image(std::move(image))
{
    for (unsigned c = 0; c < m_font.size(); ++c)
        m_font[c] = fonts.singleByteGlyph(static_cast<std::uint8_t>(c));
    const int initial = m_image.FindWindow(m_image.settings.initialWindow);
    Show(initial >= 0 ? initial : (m_image.windows.empty() ? -1 : 0));
}

void CPanel::UseMemory(IPlcMemory* memory)
{
    m_external = memory;
    m_watched.clear();
    UpdateWatch();
}

std::vector<CImageOperand> CPanel::WatchedOperands() const
{
    std::vector<CImageOperand> out;
    const bool saver = Screen() == CPanelScreen::ScreenSaver;
    const int shown = saver ? m_image.FindWindow(m_image.settings.screenSaverWindow) : m_window;
    if (shown >= 0)
        for (const CImageComponent& c : m_image.windows[static_cast<std::size_t>(shown)].components)
            std::visit(
                [&](const auto& r) {
                    using R = std::decay_t<decltype(r)>;
                    if constexpr (std::is_same_v<R, CImageFunctionKey>) {
                        if (r.operation >= 1 && r.operation <= 5) // a key that jumps has no operand
                            out.push_back(r.operand);
                    } else if constexpr (requires { r.operand; }) {
                        out.push_back(r.operand);
                    }
                },
                c.record);
    for (std::size_t i = 0; i < m_image.alarms.entries.size(); ++i)
        out.push_back(AlarmBit(i).first);
    return out;
}

void CPanel::UpdateWatch()
{
    if (!m_external)
        return;
    std::vector<CImageOperand> now = WatchedOperands();
    const auto same = [](const CImageOperand& a, const CImageOperand& b) {
        return a.station == b.station && a.typeValue == b.typeValue && a.address == b.address &&
               a.length == b.length && a.subAddress == b.subAddress;
    };
    if (std::equal(now.begin(), now.end(), m_watched.begin(), m_watched.end(), same))
        return;
    m_watched = std::move(now);
    memory().Watch(m_watched);
}

CPanelScreen CPanel::Screen() const
{
    const std::uint8_t minutes = m_image.settings.screenSaverMinutes;
    if (minutes && m_now - m_lastKey >= minutes * kMinute)
        return CPanelScreen::ScreenSaver;
    if (m_prompt)
        return CPanelScreen::Password;
    return m_screen;
}

std::uint16_t CPanel::WindowNumber() const
{
    return Window() ? Window()->number : 0;
}

const CImageWindow* CPanel::Window() const
{
    return m_window >= 0 ? &m_image.windows[static_cast<std::size_t>(m_window)] : nullptr;
}

std::optional<std::size_t> CPanel::EntryComponent() const
{
    return m_entry ? std::optional<std::size_t>(m_entry->component) : std::nullopt;
}

void CPanel::Show(int position)
{
    m_window = position;
    m_screen = CPanelScreen::Window;
    m_entry.reset();
    m_prompt.reset();
    m_trends.clear();
    if (const CImageWindow* w = Window())
        for (std::size_t i = 0; i < w->components.size(); ++i)
            if (std::holds_alternative<CImageTrendLine>(w->components[i].record))
                Sample(i, m_trends[i]);
    UpdateWatch();
}

bool CPanel::ShowNumber(std::uint16_t number)
{
    const int position = m_image.FindWindow(number);
    if (position >= 0)
        Show(position);
    return position >= 0;
}

void CPanel::Press(CPanelKey key)
{
    PressKey(key);
    UpdateWatch();
}

void CPanel::PressKey(CPanelKey key)
{
    const bool sleeping = Screen() == CPanelScreen::ScreenSaver;
    m_lastKey = m_now;
    if (sleeping)
        return; // the key only wakes the panel
    if (m_prompt)
        return PromptKey(key);
    if (m_entry)
        return EntryKey(key);
    if (m_screen == CPanelScreen::AlarmList) {
        const std::size_t active = ActiveAlarms().size();
        if (key == kKeyDown && m_alarmScroll + 4 < active)
            ++m_alarmScroll;
        else if (key == kKeyUp && m_alarmScroll > 0)
            --m_alarmScroll;
        else if (key == kKeyEsc || key == kKeyAlm)
            m_screen = CPanelScreen::Window;
        return;
    }
    if (m_screen == CPanelScreen::TimeDate) {
        if (key == kKeyEsc)
            m_screen = CPanelScreen::Window;
        return;
    }
    if (RunFunctionKeys(key))
        return;
    const CImageWindow* w = Window();
    switch (key) {
    case kKeySet:
        if (w) {
            for (std::size_t i = 0; i < w->components.size(); ++i) {
                const auto* reg = std::get_if<CImageRegister>(&w->components[i].record);
                if (reg && (reg->attribute & kAttrSet))
                    return BeginOrAsk(i, true, reg->attribute & kAttrPassword);
            }
        }
        break;
    case kKeyUp:
        if (w && w->upJump)
            ShowNumber(w->upJump);
        break;
    case kKeyDown:
        if (w && w->downJump)
            ShowNumber(w->downJump);
        break;
    case kKeyAlm:
        m_screen = CPanelScreen::AlarmList;
        m_alarmScroll = 0;
        break;
    default:
        break;
    }
}

bool CPanel::RunFunctionKeys(CPanelKey key)
{
    const CImageWindow* w = Window();
    if (!w)
        return false;
    for (std::size_t i = 0; i < w->components.size(); ++i) {
        const auto* k = std::get_if<CImageFunctionKey>(&w->components[i].record);
        if (k && k->keyCode == key) {
            // The first key of that code acts; a jump leaves the window and its other keys.
            BeginOrAsk(i, false, k->attribute & kAttrPassword);
            return true;
        }
    }
    return false;
}

void CPanel::BeginOrAsk(std::size_t component, bool forEntry, bool password)
{
    if (password) {
        m_prompt = Prompt{{}, component, forEntry};
        return;
    }
    if (forEntry)
        StartEntry(component);
    else
        Act(component);
}

void CPanel::Act(std::size_t component)
{
    const auto& k = std::get<CImageFunctionKey>(Window()->components[component].record);
    const std::uint8_t op = k.operation;
    if (isOperation(op, 1, 4)) {
        // A coil: a bit device's own bit, else the bit the sub-address names in the word.
        const unsigned bit = k.operand.subAddress;
        const bool on = op == 1 || op == 4 || (op == 3 && !memory().ReadBit(k.operand, bit));
        WriteBit(k.operand, bit, on);
        if (op == 4)
            m_pulses.push_back({k.operand, bit, m_now + kPulseMs});
    } else if (op == 5) {
        WriteValue(k.operand, k.value & mask(valueBytes(k.operand)));
    } else if (op == 0x80) {
        ShowNumber(static_cast<std::uint16_t>(k.value));
    } else if (op == 0x81) {
        m_screen = CPanelScreen::AlarmList;
        m_alarmScroll = 0;
    } else if (op == 0x82) {
        m_screen = CPanelScreen::TimeDate;
    }
}

void CPanel::WriteValue(const CImageOperand& operand, std::uint32_t value)
{
    memory().Write(operand, value);
    m_writes.push_back({operand, std::nullopt, value, m_now});
}

void CPanel::WriteBit(const CImageOperand& operand, unsigned bit, bool on)
{
    memory().WriteBit(operand, bit, on);
    m_writes.push_back({operand, bit, on ? 1u : 0u, m_now});
}

void CPanel::StartEntry(std::size_t component)
{
    m_entry = Entry{component, {}, false};
}

void CPanel::EntryKey(CPanelKey key)
{
    const CImageWindow& w = *Window();
    const auto& reg = std::get<CImageRegister>(w.components[m_entry->component].record);
    const bool isSigned = reg.attribute & kAttrSigned;
    const bool decimal = reg.attribute & kAttrDecimal;
    const unsigned bytes = valueBytes(reg.operand);
    if (const int digit = panelKeyDigit(key); digit >= 0) {
        // Room for the digits beside the sign and the point, as the field shows them.
        const std::size_t room = std::max(1, reg.width - (isSigned ? 1 : 0) - (reg.decimals ? 1 : 0));
        if (m_entry->digits.size() < std::min<std::size_t>(room, 10))
            m_entry->digits += static_cast<char>('0' + digit);
        return;
    }
    switch (key) {
    case kKeySign:
        if (isSigned)
            m_entry->negative = !m_entry->negative;
        break;
    case kKeyClr:
        m_entry->digits.clear();
        m_entry->negative = false;
        break;
    case kKeyEsc:
        m_entry.reset();
        break;
    case kKeySet: {
        // On to the next register that takes entries, round the window.
        const std::size_t n = w.components.size();
        for (std::size_t step = 1; step <= n; ++step) {
            const std::size_t i = (m_entry->component + step) % n;
            const auto* next = std::get_if<CImageRegister>(&w.components[i].record);
            if (next && (next->attribute & kAttrSet)) {
                m_entry.reset();
                return BeginOrAsk(i, true, next->attribute & kAttrPassword);
            }
        }
        break;
    }
    case kKeyEnt: {
        if (m_entry->digits.empty()) {
            m_entry.reset();
            break;
        }
        // Digits are the register's own value, the point only shown: decimal for DEC, hexadecimal
        // (BCD) for HEX/BCD.
        const std::uint64_t magnitude = std::stoull(m_entry->digits, nullptr, decimal ? 10 : 16);
        const std::int64_t value =
            m_entry->negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
        const unsigned bits = 8 * (bytes ? bytes : 4);
        const std::int64_t low = isSigned ? -(std::int64_t{1} << (bits - 1)) : 0;
        const std::int64_t high =
            isSigned ? (std::int64_t{1} << (bits - 1)) - 1 : static_cast<std::int64_t>(mask(bytes));
        bool inside = value >= low && value <= high;
        if (inside && reg.maxInput && reg.minInput) {
            const std::int64_t max = NumberOf(*reg.maxInput, 4, isSigned);
            const std::int64_t min = NumberOf(*reg.minInput, 4, isSigned);
            inside = value >= min && value <= max;
        }
        if (!inside)
            break; // refused: the entry stays open for a correction, CLR or ESC
        WriteValue(reg.operand, static_cast<std::uint32_t>(value) & mask(bytes));
        m_entry.reset();
        break;
    }
    default:
        break;
    }
}

void CPanel::PromptKey(CPanelKey key)
{
    if (const int digit = panelKeyDigit(key); digit >= 0) {
        if (m_prompt->digits.size() < 4)
            m_prompt->digits += static_cast<char>('0' + digit);
    } else if (key == kKeyClr) {
        m_prompt->digits.clear();
    } else if (key == kKeyEsc) {
        m_prompt.reset();
    } else if (key == kKeyEnt) {
        const Prompt prompt = *m_prompt;
        const bool right = !prompt.digits.empty() && std::stoi(prompt.digits) == m_image.settings.password;
        m_prompt.reset();
        if (!right)
            m_prompt = Prompt{{}, prompt.component, prompt.forEntry}; // asked again
        else if (prompt.forEntry)
            StartEntry(prompt.component);
        else
            Act(prompt.component);
    }
}

std::int64_t CPanel::NumberOf(std::uint32_t raw, unsigned bytes, bool isSigned)
{
    const unsigned bits = 8 * (bytes == 0 || bytes > 4 ? 4 : bytes);
    const std::uint32_t m = mask(bits / 8);
    raw &= m;
    if (isSigned && (raw >> (bits - 1)) & 1)
        return static_cast<std::int64_t>(raw) - (std::int64_t{1} << bits);
    return raw;
}

std::string CPanel::FormatValue(std::uint32_t raw, unsigned bytes, std::uint8_t attribute, unsigned width,
                                unsigned decimals)
{
    const std::int64_t n = NumberOf(raw, bytes, attribute & kAttrSigned);
    const std::uint64_t magnitude = static_cast<std::uint64_t>(n < 0 ? -n : n);
    std::string digits;
    const bool decimal = attribute & kAttrDecimal;
    for (std::uint64_t v = magnitude; v || digits.empty(); v /= decimal ? 10 : 16)
        digits.insert(digits.begin(), "0123456789ABCDEF"[v % (decimal ? 10 : 16)]);
    if (decimals) {
        if (digits.size() <= decimals)
            digits.insert(0, decimals + 1 - digits.size(), '0');
        digits.insert(digits.size() - decimals, 1, '.');
    }
    if (n < 0)
        digits.insert(0, 1, '-');
    if (digits.size() > width)
        return std::string(width, '*');
    return std::string(width - digits.size(), ' ') + digits;
}

std::pair<CImageOperand, unsigned> CPanel::AlarmBit(std::size_t i) const
{
    const CImageAlarmList& a = m_image.alarms;
    const unsigned packed = unsigned{a.addressHigh} << 8 | a.addressLow;
    const unsigned A = a.bitFieldA, B = a.bitFieldB;
    unsigned address = packed, sub = 0, offset = 0;
    bool bitAddress = true; // the protocol packs a bit address: the coils are bits of a bit device
    switch (m_image.settings.protocol) {
    case 3:
    case 8:
    case 13:
    case 16:
    case 34:
        address = packed << 5 | (A & 0x1F);
        break;
    case 10:
    case 17:
        address = packed << 5 | (B & 0x1F);
        break;
    case 4:
        address = packed << 3 | (B & 7);
        break;
    case 7:
    case 20:
    case 23:
        address = packed << 4 | (A & 0xF);
        break;
    case 26:
    case 28:
        address = packed << 4 | (B & 0xF);
        break;
    case 21:
        address = (packed << 5 | (B & 0x1F)) + 1;
        break;
    case 19:
    case 25:
        if (a.typeValue == 0x12) { // a bit of a holding register
            address = packed * 2 + 1 + (B >> 4 & 1);
            sub = B & 0xF;
        } else {
            address = (packed << 5 | (B & 0x1F)) + 1;
        }
        break;
    case 29:
    case 30:
        address = packed << 1 | (B >> 3 & 1);
        sub = B & 7;
        break;
    case 24:
        bitAddress = false;
        break;
    case 2:
    case 5:
    case 6:
    case 11:
    case 12:
    case 14:
    case 15:
    case 18:
    case 22:
    case 27:
    case 32:
        sub = A;
        bitAddress = false;
        break;
    default: // 9, 31, 33 and numbers without a protocol: a bit offset inside the word
        sub = A;
        offset = B;
        bitAddress = false;
        break;
    }
    // A packed bit address names bits whatever unit the type value gives (protocol 20 adds 2 to it).
    const auto type = static_cast<std::uint8_t>(bitAddress ? a.typeValue & 0xF0 : a.typeValue);
    CImageOperand coil{a.station, type, 0, static_cast<std::uint8_t>(CPlcMemory::UnitBytes(type)),
                       static_cast<std::uint8_t>(sub)};
    const unsigned unitBits = 8 * CPlcMemory::UnitBytes(type);
    if (unitBits == 0) {
        coil.address = static_cast<std::uint16_t>(address + i);
        return {coil, 0};
    }
    const std::size_t bit = offset + i;
    coil.address = static_cast<std::uint16_t>(address + bit / unitBits);
    return {coil, static_cast<unsigned>(bit % unitBits)};
}

std::vector<std::size_t> CPanel::ActiveAlarms() const
{
    std::vector<std::size_t> active;
    for (std::size_t i = 0; i < m_image.alarms.entries.size(); ++i) {
        const auto [coil, bit] = AlarmBit(i);
        if (memory().ReadBit(coil, bit))
            active.push_back(i);
    }
    return active;
}

void CPanel::Sample(std::size_t component, Trend& trend)
{
    const auto& t = std::get<CImageTrendLine>(Window()->components[component].record);
    trend.samples.push_back(
        NumberOf(memory().Read(t.operand), valueBytes(t.operand), t.attribute & kAttrSigned));
    while (trend.samples.size() > std::max<std::size_t>(t.dots, 2))
        trend.samples.pop_front();
    trend.next = m_now + 1000u * std::max<unsigned>(t.interval, 1);
}

std::uint64_t CPanel::NextEvent() const
{
    std::uint64_t next = std::numeric_limits<std::uint64_t>::max();
    for (const auto& [i, trend] : m_trends)
        next = std::min(next, trend.next);
    for (const Pulse& p : m_pulses)
        next = std::min(next, p.off);
    return next;
}

bool CPanel::SkipRepeatedSamples(std::uint64_t until)
{
    // Nothing changes the PLC until `until`: of the samples due, only the last "Dots" can still show, and
    // they are all alike; the ones before them are skipped, so that a long run takes no longer.
    bool skipped = false;
    for (auto& [i, trend] : m_trends) {
        const auto& t = std::get<CImageTrendLine>(Window()->components[i].record);
        const std::uint64_t interval = 1000u * std::max<unsigned>(t.interval, 1);
        const std::size_t keep = std::max<std::size_t>(t.dots, 2);
        if (trend.next > until)
            continue;
        const std::uint64_t due = (until - trend.next) / interval + 1;
        if (due > keep) {
            trend.next += (due - keep) * interval;
            skipped = true;
        }
    }
    return skipped;
}

void CPanel::Advance(std::uint64_t ms)
{
    const std::uint64_t until = m_now + ms;
    for (std::uint64_t next = NextEvent(); next <= until; next = NextEvent()) {
        if (m_pulses.empty() && SkipRepeatedSamples(until))
            continue;
        m_now = next;
        for (auto& [i, trend] : m_trends)
            if (trend.next <= m_now)
                Sample(i, trend);
        for (auto p = m_pulses.begin(); p != m_pulses.end();) {
            if (p->off <= m_now) {
                WriteBit(p->operand, p->bit, false);
                p = m_pulses.erase(p);
            } else {
                ++p;
            }
        }
    }
    m_now = until;
    UpdateWatch();
}

} // namespace zl
