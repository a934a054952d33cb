#pragma once
// The progress dialog "Download Project": runs the transfer on a worker thread and shows its progress.
// Enter, Escape and the button ask whether to cancel; the worker holds after its exchange in progress
// while the question is open. A panel that does not answer the handshake brings up "No Response!!!",
// which closes by itself when the panel answers after all. The dialog closes when the transfer ends, and
// the worker has ended before the dialog's Run() returns.
#include <QDialog>
#include <QMessageBox>
#include <QPointer>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "download/CDownloadTransfer.h"

class QProgressBar;
class QPushButton;

namespace zl
{

class CDownloadDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr const char* kCancelQuestion = QT_TRANSLATE_NOOP("Message", "Download will be canceled?");
    static constexpr const char* kCancelCaption = QT_TRANSLATE_NOOP("Message", "Download Data");
    static constexpr const char* kNoResponseCaption = "ZL410 no response";

    // `prompter` is asked on the interface thread only.
    CDownloadDialog(CByteLink& link, CDownloadJob job, CPrompter& prompter, std::chrono::milliseconds tick,
                    QWidget* parent = nullptr);
    ~CDownloadDialog() override;

    // Shows the dialog modally, runs the transfer and returns its outcome once the worker has ended.
    CDownloadOutcome Run();
    // The cancel question; on OK the transfer stops after the exchange in progress. True for OK.
    bool AskCancel();
    // Cancels without asking and waits, handling events, until the worker has ended.
    void CancelAndWait();

    QProgressBar* progressBar() const { return m_bar; }
    QPushButton* cancelButton() const { return m_cancel; }
    // The "No Response!!!" box while it is shown.
    QMessageBox* noResponseBox() const { return m_noResponse; }

signals:
    void panelModel(int code);
    void modelDriverLoaded(int version);
    // The worker has ended (and is joined).
    void transferEnded();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    class Worker;
    class UiPrompter;

    void setGate(bool open);
    void waitAtGate();
    void showNoResponse(CPanelWait& panel);
    void finished();

    QProgressBar* m_bar;
    QPushButton* m_cancel;
    QPointer<QMessageBox> m_noResponse;
    CPrompter& m_prompter;
    std::unique_ptr<UiPrompter> m_workerPrompter;
    std::unique_ptr<Worker> m_observer;
    CDownloadTransfer m_transfer;
    CDownloadJob m_job;
    CDownloadOutcome m_outcome;
    std::thread m_thread;
    bool m_ended = false;
    bool m_asking = false;
    std::mutex m_gateMutex;
    std::condition_variable m_gateChanged;
    bool m_gateOpen = true;
};

} // namespace zl
