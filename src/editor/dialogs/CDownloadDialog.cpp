#include "editor/dialogs/CDownloadDialog.h"
#include "editor/help/HelpTopics.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <future>

namespace zl
{

// The worker thread's side: progress and the model go to the interface thread as queued calls; after
// each exchange the worker holds at the gate while the cancel question is open; a silent panel waits
// for the "No Response!!!" box to go.
class CDownloadDialog::Worker : public CDownloadObserver
{
public:
    explicit Worker(CDownloadDialog& dialog) : m_dialog(dialog) {}

    void progress(int position) override
    {
        QMetaObject::invokeMethod(
            &m_dialog, [d = &m_dialog, position] { d->m_bar->setValue(position); }, Qt::QueuedConnection);
    }
    void panelModel(std::uint8_t code) override
    {
        QMetaObject::invokeMethod(
            &m_dialog, [d = &m_dialog, code] { emit d->panelModel(code); }, Qt::QueuedConnection);
    }
    void modelDriverLoaded(const CDriver& driver) override
    {
        QMetaObject::invokeMethod(
            &m_dialog, [d = &m_dialog, v = driver.version] { emit d->modelDriverLoaded(v); },
            Qt::QueuedConnection);
    }
    void afterExchange() override { m_dialog.waitAtGate(); }
    void noResponse(CPanelWait& panel) override
    {
        std::promise<void> gone;
        QMetaObject::invokeMethod(
            &m_dialog,
            [d = &m_dialog, &panel, &gone] {
                d->showNoResponse(panel);
                gone.set_value();
            },
            Qt::QueuedConnection);
        gone.get_future().wait();
    }

private:
    CDownloadDialog& m_dialog;
};

// What the transfer itself says ("failed!" and the catalogue's message) is shown on the interface thread.
class CDownloadDialog::UiPrompter : public CPrompter
{
public:
    UiPrompter(QObject& context, CPrompter& prompter) : m_context(context), m_prompter(prompter) {}

    void message(const std::string& text, const std::string& caption) override
    {
        QMetaObject::invokeMethod(
            &m_context, [&] { m_prompter.message(text, caption); }, Qt::BlockingQueuedConnection);
    }
    bool askOkCancel(const std::string& text, const std::string& caption) override
    {
        bool ok = false;
        QMetaObject::invokeMethod(
            &m_context, [&] { ok = m_prompter.askOkCancel(text, caption); }, Qt::BlockingQueuedConnection);
        return ok;
    }
    Answer askYesNoCancel(const std::string& text, const std::string& caption) override
    {
        Answer a = Answer::Cancel;
        QMetaObject::invokeMethod(
            &m_context, [&] { a = m_prompter.askYesNoCancel(text, caption); }, Qt::BlockingQueuedConnection);
        return a;
    }

private:
    QObject& m_context;
    CPrompter& m_prompter;
};

CDownloadDialog::CDownloadDialog(CByteLink& link, CDownloadJob job, CPrompter& prompter,
                                 std::chrono::milliseconds tick, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_bar(new QProgressBar(this)), m_cancel(new QPushButton(tr("Cancel"), this)), m_prompter(prompter),
      m_workerPrompter(std::make_unique<UiPrompter>(*this, prompter)),
      m_observer(std::make_unique<Worker>(*this)), m_transfer(link, *m_observer, *m_workerPrompter, tick),
      m_job(std::move(job))
{
    help::setHelpTopic(this, help::kDownload);
    setWindowTitle(tr("Download Project"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Download Project"), this));
    m_bar->setRange(0, kProgressEnd);
    m_bar->setValue(0);
    m_bar->setMinimumWidth(300);
    layout->addWidget(m_bar);
    // Enter reaches the dialog's own handler instead of pressing the button a second time.
    m_cancel->setAutoDefault(false);
    m_cancel->setDefault(false);
    layout->addWidget(m_cancel, 0, Qt::AlignHCenter);
    connect(m_cancel, &QPushButton::clicked, this, &CDownloadDialog::AskCancel);
}

CDownloadDialog::~CDownloadDialog()
{
    // Run() waits for the worker; this is the last guard when the dialog goes without it.
    if (m_thread.joinable())
        CancelAndWait();
}

CDownloadOutcome CDownloadDialog::Run()
{
    m_thread = std::thread([this] {
        CDownloadOutcome outcome = m_transfer.run(std::move(m_job));
        QMetaObject::invokeMethod(
            this,
            [this, outcome = std::move(outcome)]() mutable {
                m_outcome = std::move(outcome);
                finished();
            },
            Qt::QueuedConnection);
    });
    if (!m_ended)
        exec();
    // exec() may end early when the main window closes under it: wait for the worker all the same.
    if (!m_ended)
        CancelAndWait();
    return m_outcome;
}

void CDownloadDialog::finished()
{
    m_ended = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_noResponse)
        m_noResponse->reject();
    done(QDialog::Accepted);
    emit transferEnded();
}

void CDownloadDialog::CancelAndWait()
{
    m_transfer.cancel();
    setGate(true);
    if (m_noResponse)
        m_noResponse->reject();
    if (m_ended || !m_thread.joinable())
        return;
    QEventLoop loop;
    connect(this, &CDownloadDialog::transferEnded, &loop, &QEventLoop::quit);
    loop.exec();
}

bool CDownloadDialog::AskCancel()
{
    if (m_asking || m_ended)
        return false;
    m_asking = true;
    setGate(false);
    const bool ok = m_prompter.askOkCancel(kCancelQuestion, kCancelCaption);
    if (ok)
        m_transfer.cancel();
    setGate(true);
    m_asking = false;
    return ok;
}

void CDownloadDialog::setGate(bool open)
{
    {
        std::lock_guard lock(m_gateMutex);
        m_gateOpen = open;
    }
    m_gateChanged.notify_all();
}

void CDownloadDialog::waitAtGate()
{
    std::unique_lock lock(m_gateMutex);
    m_gateChanged.wait(lock, [this] { return m_gateOpen; });
}

void CDownloadDialog::showNoResponse(CPanelWait& panel)
{
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(kNoResponseCaption), tr("No Response!!!"),
                    QMessageBox::Ok, this);
    m_noResponse = &box;
    // The panel answering closes the box; the call comes on the transfer's background thread.
    panel.onAnswered([this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_noResponse)
                    m_noResponse->reject();
            },
            Qt::QueuedConnection);
    });
    if (!m_ended)
        box.exec();
    m_noResponse = nullptr;
    if (!panel.answered())
        panel.giveUp();
}

void CDownloadDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        AskCancel();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CDownloadDialog::closeEvent(QCloseEvent* event)
{
    // No system menu: only the transfer closes the dialog.
    if (!m_ended)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void CDownloadDialog::reject()
{
    if (m_ended)
        QDialog::reject();
    else
        AskCancel();
}

} // namespace zl
