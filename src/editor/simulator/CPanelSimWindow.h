#pragma once
// Tools → "Simulate panel": the project's download image running on a virtual panel. The screen is shown
// in the LCD's colours at a whole-number zoom; the keypad is a set of buttons and the computer keyboard
// (arrows, digits, Enter, Escape, Backspace for CLR, S for SET, A for ALM, - or + for +/-); a table lists
// every PLC operand the image uses with its current value, editable, and marks the ones the keys wrote.
// The window compiles again and restarts when told the project changed, keeping the PLC's values and the
// window shown (while the project still has it); "Restart" starts afresh. "Connect to PLC…" runs the panel
// online against a real Modbus PLC (TCP or a serial port with the project's line settings) instead of the
// simulated one, with the link's state and request counts beside the keypad; disconnecting returns to the
// simulated PLC.
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "base/Result.h"
#include "panel/CPanel.h"
#include "panel/CPanelOperands.h"
#include "render/CFontFiles.h"

class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

namespace zl
{

class CModbusMemory;
class CPanelScreenView;
class CProject;
class CZL110View;

class CPanelSimWindow : public QWidget
{
    Q_OBJECT
public:
    // `compile` gives the image of the project as it stands (or why there is none); it is called on start
    // and on every restart.
    using Compiler = std::function<Result<Bytes>()>;
    CPanelSimWindow(Compiler compile, const std::string& dataDir, QWidget* parent = nullptr);
    ~CPanelSimWindow() override;

    // A window running `view`'s project, restarted whenever the view reports a change. It compiles a
    // copy, so that the compile's repairs and corrections never touch the project being edited.
    static CPanelSimWindow* ForView(CZL110View& view, const std::string& dataDir, QWidget* parent);
    static Result<Bytes> CompileCopy(CProject& project, const std::string& dataDir);

    const CPanel* panel() const { return m_panel ? &*m_panel : nullptr; }
    QTableWidget* operandTable() const { return m_table; }
    QLabel* statusLabel() const { return m_status; }
    QLabel* linkLabel() const { return m_link; }
    bool online() const;
    const CFrameBuffer& screen() const { return m_screen; }

public slots:
    // Compiles and starts again from the initial window with a fresh PLC.
    void restart();
    // The project may have changed: shortly after the changes stop, compile and restart when the image
    // differs, with the PLC's values and the window shown carried over.
    void projectChanged();
    void press(int key);
    // One step of the clock by the real time elapsed, then the screen and the table.
    void tick();
    // Runs on the PLC at `address` ("tcp:HOST:PORT" or "rtu:DEVICE"); false, with the reason in the link
    // line, when it cannot.
    bool connectTo(const QString& address);
    void disconnectPlc();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void start(bool always);
    void fillTable();
    void refreshTable();
    void operandEdited(QTableWidgetItem* item);
    void askForPlc();
    void showLink();

    Compiler m_compile;
    std::optional<CFontFiles> m_fonts;
    std::optional<CPanel> m_panel;
    // What a restart after a change carries over, kept while a change leaves no panel running (a compile
    // that fails half way through an edit) until one runs again.
    struct Carried {
        CPlcMemory plc;
        std::uint16_t window = 0;
    };
    std::optional<Carried> m_carried;
    std::vector<CPanelOperand> m_operands;
    std::vector<std::uint64_t> m_writtenAt; // per operand: when a key last wrote it, +1 (0: never)
    CFrameBuffer m_screen;
    CPanelScreenView* m_view = nullptr;
    QSpinBox* m_zoom = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_connect = nullptr;
    QLabel* m_link = nullptr;
    QString m_lastAddress;
#ifdef ZL410_ONLINE
    std::unique_ptr<CModbusMemory> m_online; // the PLC the panel runs on, when not the simulated one
#endif
    QTimer m_timer;
    QTimer m_restartDelay;
    QElapsedTimer m_clock;
    bool m_filling = false;
};

} // namespace zl
