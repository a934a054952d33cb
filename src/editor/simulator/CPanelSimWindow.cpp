#include "editor/simulator/CPanelSimWindow.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "compile/CImageCompiler.h"
#include "editor/document/CEditorDocument.h"
#include "editor/CZL110View.h"
#include "editor/help/HelpTopics.h"
#include "file/CProjectFile.h"
#include "image/CImageReader.h"
#include "model/CProject.h"
#ifdef ZL410_ONLINE
#include "online/CModbusMemory.h"
#endif
#include "platform/SerialPortList.h"
#include "qt/CPanelScreenImage.h"
#include "qt/CMessages.h"

namespace zl
{

constexpr int kFrameMs = 16;
constexpr std::uint64_t kHighlightMs = 2000; // how long a row the keys wrote stays marked

// The screen at the chosen zoom.
class CPanelScreenView : public QWidget
{
public:
    explicit CPanelScreenView(QWidget* parent) : QWidget(parent) { setZoom(3); }
    void setZoom(int zoom)
    {
        m_zoom = zoom;
        setFixedSize(CFrameBuffer::kWidth * zoom, CFrameBuffer::kHeight * zoom);
    }
    void show(const CFrameBuffer& screen)
    {
        m_image = PanelScreenImage(screen, m_zoom);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.drawImage(0, 0, m_image);
    }

private:
    int m_zoom = 3;
    QImage m_image;
};

namespace
{

// Keypad layout: four rows of five keys.
constexpr CPanelKey kKeypad[4][5] = {{kKeyEsc, kKeyAlm, kKeyUp, kKeySet, kKeyClr},
                                     {kKeyLeft, kKeyDown, kKeyRight, kKeyEnt, kKeySign},
                                     {kKey1, kKey2, kKey3, kKey4, kKey5},
                                     {kKey6, kKey7, kKey8, kKey9, kKey0}};

std::optional<CPanelKey> keyOf(const QKeyEvent& e)
{
    switch (e.key()) {
    case Qt::Key_Up:
        return kKeyUp;
    case Qt::Key_Down:
        return kKeyDown;
    case Qt::Key_Left:
        return kKeyLeft;
    case Qt::Key_Right:
        return kKeyRight;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kKeyEnt;
    case Qt::Key_Escape:
        return kKeyEsc;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return kKeyClr;
    case Qt::Key_S:
        return kKeySet;
    case Qt::Key_A:
        return kKeyAlm;
    case Qt::Key_Minus:
    case Qt::Key_Plus:
        return kKeySign;
    default:
        break;
    }
    if (e.key() >= Qt::Key_0 && e.key() <= Qt::Key_9)
        return panelKeyByName(std::string(1, static_cast<char>('0' + (e.key() - Qt::Key_0))));
    return std::nullopt;
}

} // namespace

CPanelSimWindow::CPanelSimWindow(Compiler compile, const std::string& dataDir, QWidget* parent)
    : QWidget(parent, Qt::Window), m_compile(std::move(compile))
{
    help::setHelpTopic(this, help::kSimulator);
    setWindowTitle(tr("Simulate panel"));
    if (auto fonts = CFontFiles::Load(dataDir))
        m_fonts.emplace(std::move(*fonts));

    m_view = new CPanelScreenView(this);
    m_zoom = new QSpinBox(this);
    m_zoom->setRange(1, 8);
    m_zoom->setValue(3);
    m_zoom->setPrefix(tr("Zoom "));
    connect(m_zoom, &QSpinBox::valueChanged, this, [this](int z) {
        m_view->setZoom(z);
        m_view->show(m_screen);
    });
    auto* restartButton = new QPushButton(tr("Restart"), this);
    connect(restartButton, &QPushButton::clicked, this, &CPanelSimWindow::restart);
    m_status = new QLabel(this);
    m_connect = new QPushButton(tr("Connect to PLC…"), this);
    m_connect->setObjectName(QStringLiteral("connect"));
    connect(m_connect, &QPushButton::clicked, this, [this] { online() ? disconnectPlc() : askForPlc(); });
    m_link = new QLabel(this);
    m_link->setWordWrap(true);
#ifndef ZL410_ONLINE
    m_connect->setEnabled(false);
    m_link->setText(tr("Online simulation is not available: this build has no Modbus library."));
#endif

    auto* keypad = new QGridLayout;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 5; ++col) {
            const CPanelKey key = kKeypad[row][col];
            auto* button = new QPushButton(QString::fromLatin1(panelKeyName(key)), this);
            button->setFocusPolicy(Qt::NoFocus);
            button->setObjectName(QStringLiteral("key ") + QString::fromLatin1(panelKeyName(key)));
            connect(button, &QPushButton::clicked, this, [this, key] { press(key); });
            keypad->addWidget(button, row, col);
        }
    }

    m_table = new QTableWidget(0, 3, this);
    m_table->setHorizontalHeaderLabels({tr("Operand"), tr("Station"), tr("Value")});
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_table->setMinimumWidth(280);
    connect(m_table, &QTableWidget::itemChanged, this, &CPanelSimWindow::operandEdited);

    auto* left = new QVBoxLayout;
    left->addWidget(m_view);
    auto* controls = new QHBoxLayout;
    controls->addWidget(m_zoom);
    controls->addWidget(restartButton);
    controls->addWidget(m_connect);
    controls->addStretch();
    left->addLayout(controls);
    left->addLayout(keypad);
    left->addWidget(m_status);
    left->addWidget(m_link);
    left->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(m_table, 1);
    setFocusPolicy(Qt::StrongFocus);

    m_restartDelay.setSingleShot(true);
    m_restartDelay.setInterval(300);
    connect(&m_restartDelay, &QTimer::timeout, this, [this] { start(false); });
    connect(&m_timer, &QTimer::timeout, this, &CPanelSimWindow::tick);
    restart();
}

CPanelSimWindow::~CPanelSimWindow() = default;

Result<Bytes> CPanelSimWindow::CompileCopy(CProject& project, const std::string& dataDir)
{
    const std::uint8_t version = project.formatVersion; // what the next download reports
    const Bytes bytes = WriteProject(project);
    project.formatVersion = version;
    CProject copy;
    if (Status read = ReadProject(bytes, copy); !read)
        return read.error();
    // No tool settings path: the simulation leaves the user's settings file alone.
    auto compiled = CImageCompiler::Compile(copy, {dataDir, std::string(), nullptr});
    if (!compiled)
        return compiled.error();
    return std::move(compiled->image);
}

CPanelSimWindow* CPanelSimWindow::ForView(CZL110View& view, const std::string& dataDir, QWidget* parent)
{
    auto* window = new CPanelSimWindow([&view, dataDir] { return CompileCopy(view.project(), dataDir); },
                                       dataDir, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(&view.document(), &CEditorDocument::changed, window, &CPanelSimWindow::projectChanged);
    connect(&view, &CZL110View::stateChanged, window, &CPanelSimWindow::projectChanged);
    return window;
}

void CPanelSimWindow::restart()
{
    start(true);
}

void CPanelSimWindow::start(bool always)
{
    std::optional<CError> error;
    Result<Bytes> image =
        m_fonts
            ? m_compile()
            : makeError(QT_TRANSLATE_NOOP("Message", "The panel's fonts are missing from the data folder."));
    if (image && m_panel && !always && *image == m_panel->image().bytes)
        return; // the change left the image as it was: the run goes on
    m_timer.stop();
    if (always)
        m_carried.reset();
    else if (m_panel)
        m_carried = Carried{m_panel->plc(), m_panel->WindowNumber()};
    m_panel.reset();
    m_operands.clear();
    if (!image) {
        error = image.error();
    } else if (auto decoded = CImageReader::Read(std::move(*image)); !decoded) {
        error = decoded.error();
    } else {
        m_panel.emplace(std::move(*decoded), *m_fonts);
        if (m_carried) {
            m_panel->plc() = m_carried->plc;
            (void)m_panel->ShowNumber(m_carried->window); // else the initial window, as on a fresh start
        }
        m_operands = imageOperands(*m_panel);
#ifdef ZL410_ONLINE
        if (m_online && !modbusProtocolProblem(m_panel->image().settings.protocol).empty())
            disconnectPlc(); // the project left the Modbus protocols
        else if (m_online)
            m_panel->UseMemory(m_online.get());
#endif
    }
    m_status->setText(error ? QString::fromStdString(translateMessage(error->describe())) : QString());
    fillTable();
    m_clock.start();
    tick();
    if (m_panel)
        m_timer.start(kFrameMs);
}

bool CPanelSimWindow::online() const
{
#ifdef ZL410_ONLINE
    return m_online != nullptr;
#else
    return false;
#endif
}

void CPanelSimWindow::askForPlc()
{
#ifdef ZL410_ONLINE
    if (!m_panel)
        return;
    if (m_lastAddress.isEmpty()) {
        // A serial port of this machine, else a Modbus TCP gateway on the usual port.
        const auto ports = availableSerialPorts();
        m_lastAddress = ports.empty() ? QStringLiteral("tcp:127.0.0.1:502")
                                      : QStringLiteral("rtu:") + QString::fromStdString(ports.front().device);
    }
    const auto serial = CModbusEndpoint::Parse("rtu:-", m_panel->image().settings);
    bool ok = false;
    const QString address = QInputDialog::getText(
        this, tr("Connect to PLC"),
        tr("Modbus TCP as tcp:HOST:PORT, or Modbus RTU as rtu:DEVICE on a serial port with the project's "
           "line settings (%1). Each operand's station is the PLC's station.")
            .arg(QString::fromStdString(serial ? serial->LineText() : translateMessage(serial.error().text))),
        QLineEdit::Normal, m_lastAddress, &ok);
    if (ok && !address.trimmed().isEmpty())
        connectTo(address.trimmed());
#endif
}

bool CPanelSimWindow::connectTo(const QString& address)
{
#ifdef ZL410_ONLINE
    if (!m_panel)
        return false;
    disconnectPlc();
    const CImageSettings& settings = m_panel->image().settings;
    if (!modbusProtocolProblem(settings.protocol).empty()) {
        m_link->setText(tr("Online simulation needs a Modbus protocol (Modbus RTU, Modbus ASCII, Modbus RTU "
                           "Extend or one that shares their operands)."));
        return false;
    }
    const auto endpoint = CModbusEndpoint::Parse(address.toStdString(), settings);
    if (!endpoint) {
        m_link->setText(
            tr("Cannot connect: %1").arg(QString::fromStdString(translateMessage(endpoint.error().text))));
        return false;
    }
    m_lastAddress = address;
    m_online = std::make_unique<CModbusMemory>(*endpoint, settings.protocol);
    m_panel->UseMemory(m_online.get());
    m_connect->setText(tr("Disconnect"));
    showLink();
    return true;
#else
    (void)address;
    return false;
#endif
}

void CPanelSimWindow::disconnectPlc()
{
#ifdef ZL410_ONLINE
    if (!m_online)
        return;
    if (m_panel)
        m_panel->UseMemory(nullptr);
    m_online.reset();
    m_connect->setText(tr("Connect to PLC…"));
    m_link->clear();
    tick();
#endif
}

void CPanelSimWindow::showLink()
{
#ifdef ZL410_ONLINE
    if (!m_online)
        return;
    const CModbusStats stats = m_online->Stats();
    const QString state = stats.state == CLinkState::Up     ? tr("connected")
                          : stats.state == CLinkState::Down ? tr("no link")
                                                            : tr("connecting");
    QString text = tr("PLC %1: %2; %3 requests, %4 failed")
                       .arg(m_lastAddress, state)
                       .arg(stats.requests)
                       .arg(stats.failures);
    if (!stats.fault.empty())
        text += QStringLiteral("\n") + QString::fromStdString(translateMessage(stats.fault));
    if (m_link->text() != text)
        m_link->setText(text);
#endif
}

void CPanelSimWindow::projectChanged()
{
    m_restartDelay.start();
}

void CPanelSimWindow::press(int key)
{
    if (!m_panel)
        return;
    m_panel->Press(static_cast<CPanelKey>(key));
    tick();
}

void CPanelSimWindow::tick()
{
    if (m_panel) {
        m_panel->Advance(static_cast<std::uint64_t>(m_clock.restart()));
        m_panel->Draw(m_screen);
        refreshTable();
        showLink();
    } else {
        m_screen.Clear();
    }
    m_view->show(m_screen);
}

void CPanelSimWindow::keyPressEvent(QKeyEvent* event)
{
    if (const auto key = keyOf(*event))
        press(*key);
    else
        QWidget::keyPressEvent(event);
}

void CPanelSimWindow::fillTable()
{
    m_filling = true;
    m_table->setRowCount(static_cast<int>(m_operands.size()));
    m_writtenAt.assign(m_operands.size(), 0);
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const CPanelOperand& o = m_operands[static_cast<std::size_t>(row)];
        auto* name = new QTableWidgetItem(QString::fromStdString(o.name));
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        auto* station = new QTableWidgetItem(QString::number(o.operand.station));
        station->setFlags(station->flags() & ~Qt::ItemIsEditable);
        m_table->setItem(row, 0, name);
        m_table->setItem(row, 1, station);
        m_table->setItem(row, 2, new QTableWidgetItem);
    }
    m_filling = false;
    refreshTable();
}

void CPanelSimWindow::refreshTable()
{
    if (!m_panel)
        return;
    // Writes the keys made mark their operands' rows for a while.
    for (const CPlcWrite& w : m_panel->Writes()) {
        for (std::size_t i = 0; i < m_operands.size(); ++i) {
            const CImageOperand& o = m_operands[i].operand;
            if (o.station == w.operand.station && o.typeValue == w.operand.typeValue &&
                o.address == w.operand.address && o.subAddress == w.operand.subAddress)
                m_writtenAt[i] = w.at + 1;
        }
    }
    m_panel->ClearWrites();
    m_filling = true;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const auto i = static_cast<std::size_t>(row);
        QTableWidgetItem* item = m_table->item(row, 2);
        // The cell being typed into keeps what the user types.
        QWidget* focus = QApplication::focusWidget();
        const bool editing =
            focus && focus != m_table && m_table->isAncestorOf(focus) && m_table->currentItem() == item;
        if (!editing) {
            const QString text = QString::number(operandValue(*m_panel, m_operands[i]));
            if (item->text() != text)
                item->setText(text);
        }
        const bool marked = m_writtenAt[i] && m_panel->Now() + 1 - m_writtenAt[i] < kHighlightMs;
        const QBrush brush = marked ? QBrush(QColor(255, 214, 102)) : QBrush();
        for (int col = 0; col < 3; ++col)
            if (m_table->item(row, col)->background() != brush)
                m_table->item(row, col)->setBackground(brush);
    }
    m_filling = false;
}

void CPanelSimWindow::operandEdited(QTableWidgetItem* item)
{
    if (m_filling || !m_panel || item->column() != 2)
        return;
    bool ok = false;
    const QString text = item->text().trimmed();
    long long value = text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)
                          ? text.mid(2).toLongLong(&ok, 16)
                          : text.toLongLong(&ok, 10);
    if (ok && value >= -2147483648LL && value <= 4294967295LL)
        setOperandValue(*m_panel, m_operands[static_cast<std::size_t>(item->row())],
                        static_cast<std::uint32_t>(value));
    refreshTable();
}

} // namespace zl
