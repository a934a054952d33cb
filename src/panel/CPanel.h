#pragma once
// The panel running a download image against a PLC (a simulated one unless told to use another memory):
// the window shown, the keys, a clock for the trend lines, pulsed coils and the screen saver, and the
// screen drawn from the image's own glyphs and pictures (numbers and the panel's prompts from its
// built-in 8 × 16 font).
#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "image/CDecodedImage.h"
#include "panel/CFrameBuffer.h"
#include "panel/CPlcMemory.h"
#include "panel/PanelKeys.h"
#include "render/CFontFiles.h"

namespace zl
{

// A value a key wrote into the PLC.
struct CPlcWrite {
    CImageOperand operand;
    std::optional<unsigned> bit; // a coil, or a bit of a word; else the whole operand
    std::uint32_t value = 0;
    std::uint64_t at = 0; // milliseconds on the panel's clock
};

enum class CPanelScreen { Window, AlarmList, TimeDate, ScreenSaver, Password };

class CPanel
{
public:
    static constexpr int kPulseMs = 200; // how long "Instant on" holds a coil on

    CPanel(CDecodedImage image, const CFontFiles& fonts);

    const CDecodedImage& image() const { return m_image; }
    // The simulated PLC, whatever memory is in use.
    CPlcMemory& plc() { return m_plc; }
    const CPlcMemory& plc() const { return m_plc; }
    // The memory the panel reads and writes: the simulated PLC, or the one given to UseMemory.
    IPlcMemory& memory() { return m_external ? *m_external : static_cast<IPlcMemory&>(m_plc); }
    const IPlcMemory& memory() const
    {
        return m_external ? *m_external : static_cast<const IPlcMemory&>(m_plc);
    }
    // Runs on `memory` from now on (nullptr: the simulated PLC again); it must outlive its use here.
    void UseMemory(IPlcMemory* memory);
    // What the screen reads now: the operands of the window shown (or of the screen saver's window) and
    // the alarm coils.
    std::vector<CImageOperand> WatchedOperands() const;

    void Press(CPanelKey key);
    // Runs the clock on by `ms` milliseconds: trend samples, the end of pulses, the screen saver.
    void Advance(std::uint64_t ms);
    std::uint64_t Now() const { return m_now; }

    CPanelScreen Screen() const;
    // Position in image().windows of the window shown (also under the alarm list or a prompt), or -1.
    int WindowPosition() const { return m_window; }
    std::uint16_t WindowNumber() const;
    // Shows window `number` as a jump does; false (and nothing changes) when the image has no such window.
    bool ShowNumber(std::uint16_t number);
    // The register being entered (position in the window's components), if any.
    std::optional<std::size_t> EntryComponent() const;

    const std::vector<CPlcWrite>& Writes() const { return m_writes; }
    void ClearWrites() { m_writes.clear(); }

    void Draw(CFrameBuffer& screen) const;

    // A register's value as the panel shows it in `width` characters ('*' when it does not fit).
    static std::string FormatValue(std::uint32_t raw, unsigned bytes, std::uint8_t attribute, unsigned width,
                                   unsigned decimals);
    // The operand's value as a number, sign-extended when `isSigned`.
    static std::int64_t NumberOf(std::uint32_t raw, unsigned bytes, bool isSigned);
    // The coil of alarm `i`, unpacked from the alarm list's bytes as the image's protocol packs them, and
    // the bit inside it (for a word device).
    std::pair<CImageOperand, unsigned> AlarmBit(std::size_t i) const;

private:
    struct Entry {
        std::size_t component = 0;
        std::string digits;
        bool negative = false;
    };
    struct Prompt { // the password asked before an entry or a function key
        std::string digits;
        std::size_t component = 0;
        bool forEntry = false;
    };
    struct Trend {
        std::deque<std::int64_t> samples;
        std::uint64_t next = 0;
    };
    struct Pulse {
        CImageOperand operand;
        unsigned bit;
        std::uint64_t off;
    };

    const CImageWindow* Window() const;
    void Show(int position);
    void PressKey(CPanelKey key);
    // Tells the memory what the screen reads, when that changed.
    void UpdateWatch();
    bool RunFunctionKeys(CPanelKey key);
    void Act(std::size_t component);
    void StartEntry(std::size_t component);
    void EntryKey(CPanelKey key);
    void PromptKey(CPanelKey key);
    void BeginOrAsk(std::size_t component, bool forEntry, bool password);
    void WriteValue(const CImageOperand& operand, std::uint32_t value);
    void WriteBit(const CImageOperand& operand, unsigned bit, bool on);
    std::vector<std::size_t> ActiveAlarms() const;
    void Sample(std::size_t component, Trend& trend);
    std::uint64_t NextEvent() const;
    bool SkipRepeatedSamples(std::uint64_t until);

    void DrawWindow(CFrameBuffer& screen, int position) const;
    void DrawComponent(CFrameBuffer& screen, const CImageWindow& w, std::size_t i, bool shown) const;
    void DrawText(CFrameBuffer& screen, int x, int y, std::uint8_t attribute, const CImageText& text) const;
    void DrawBuiltIn(CFrameBuffer& screen, int x, int y, std::uint8_t attribute,
                     const std::string& text) const;
    void DrawAlarmList(CFrameBuffer& screen) const;
    void DrawTimeDate(CFrameBuffer& screen) const;
    void DrawPrompt(CFrameBuffer& screen) const;
    void DrawFault(CFrameBuffer& screen) const;

    CDecodedImage m_image;
    std::array<CFontFiles::SingleGlyph, 128> m_font{};
    CPlcMemory m_plc;
    IPlcMemory* m_external = nullptr; // the memory given to UseMemory; a copy of the panel shares it
    std::vector<CImageOperand> m_watched;
    int m_window = -1;
    CPanelScreen m_screen = CPanelScreen::Window;
    std::optional<Entry> m_entry;
    std::optional<Prompt> m_prompt;
    std::map<std::size_t, Trend> m_trends; // of the window shown, by component
    std::vector<Pulse> m_pulses;
    std::size_t m_alarmScroll = 0;
    std::uint64_t m_now = 0;
    std::uint64_t m_lastKey = 0;
    std::vector<CPlcWrite> m_writes;
};

} // namespace zl
