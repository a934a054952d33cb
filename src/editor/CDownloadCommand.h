#pragma once
// The Download command: the project check with the compile, its list when it finds something, the limit
// question, the port of COM Selection, the progress dialog with the transfer, and its outcome. The port
// is closed and the worker has ended before Run() returns, whatever the outcome.
#include <QObject>
#include <QPointer>

#include <functional>

#include "editor/dialogs/CDownloadDialog.h"

namespace zl
{

struct CCheckReport;

class CPrompter;
class CZL110View;

class CDownloadCommand : public QObject
{
    Q_OBJECT
public:
    CDownloadCommand(CZL110View& view, CPrompter& prompter, QWidget* dialogParent);

    // `forceDriver`: Ctrl was held as the command started.
    void Run(bool forceDriver);
    bool running() const { return m_dialog != nullptr; }
    CDownloadDialog* dialog() const { return m_dialog; }
    // The main window is closing: during a transfer the cancel question, and on OK the transfer ends
    // first. True when the window may close.
    bool MayClose();

    // Stores what the compile corrected into the project (the editor makes it one undoable step).
    std::function<void(const CCheckReport&)> takeCorrections;

signals:
    // The check found something: show its list.
    void findings(const CCheckReport& report);
    void panelModel(int code);
    void modelDriverLoaded(int version);

private:
    CZL110View& m_view;
    CPrompter& m_prompter;
    QWidget* m_dialogParent;
    QPointer<CDownloadDialog> m_dialog;
};

} // namespace zl
