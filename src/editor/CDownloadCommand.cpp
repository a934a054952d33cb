#include "editor/CDownloadCommand.h"

#include "compile/CProjectCheck.h"
#include "editor/dialogs/CDownloadDialog.h"
#include "editor/CZL110View.h"
#include "platform/CSerialPort.h"
#include "qt/CSerialSettings.h"

namespace zl
{
namespace
{

// What keeps a checked project from being sent.
bool blocks(const CCheckFinding& f)
{
    using Kind = CCheckFinding::Kind;
    return f.kind == Kind::CompileError || f.kind == Kind::ImageTooLarge || f.kind == Kind::TooManyComponents;
}

} // namespace

CDownloadCommand::CDownloadCommand(CZL110View& view, CPrompter& prompter, QWidget* dialogParent)
    : QObject(dialogParent), m_view(view), m_prompter(prompter), m_dialogParent(dialogParent)
{
}

void CDownloadCommand::Run(bool forceDriver)
{
    if (m_dialog)
        return;
    CProject& project = m_view.project();
    CCheckReport report =
        CheckProject(project, {m_view.dataDir(), m_view.toolSettingsPath(), m_view.fonts()});
    if (!report.clean())
        emit findings(report);
    if (!report.compiled) {
        for (const CCheckFinding& f : report.findings) {
            if (!blocks(f))
                continue;
            const std::string where = f.window ? "Window " + std::to_string(*f.window) + ": " : std::string();
            m_prompter.message(where + f.text, kDownloadCaption);
            return;
        }
        return;
    }
    // OK stops the download; Cancel goes on with the repaired limits.
    if (report.compiled->limitRepaired() && m_prompter.askOkCancel(kLimitQuestion, kDownloadCaption))
        return;
    if (takeCorrections)
        takeCorrections(report);

    const CPortChoice port = comPortChoice(comEntry(project.comm.portIndex));
    auto opened = CSerialPort::open(port.device, port.label);
    if (!opened) {
        m_prompter.message(opened.error().text, kDownloadCaption);
        return;
    }
    CDownloadOutcome outcome;
    {
        CDownloadDialog dialog(**opened,
                               CDownloadJob::make(std::move(report.compiled->image),
                                                  std::move(report.compiled->driver), forceDriver,
                                                  m_view.dataDir()),
                               m_prompter, downloadTick(), m_dialogParent);
        connect(&dialog, &CDownloadDialog::panelModel, this, &CDownloadCommand::panelModel);
        connect(&dialog, &CDownloadDialog::modelDriverLoaded, this, &CDownloadCommand::modelDriverLoaded);
        m_dialog = &dialog;
        outcome = dialog.Run();
        m_dialog = nullptr;
    }
    opened->reset(); // the port is closed before the outcome is told
    if (outcome.end == CDownloadOutcome::End::Complete)
        m_prompter.inform(outcome.message.text, outcome.message.caption);
    else if (outcome.end != CDownloadOutcome::End::Cancelled)
        m_prompter.message(outcome.message.text.empty() ? QT_TRANSLATE_NOOP("Message", "Download failed.")
                                                        : outcome.message.text,
                           outcome.message.caption);
}

bool CDownloadCommand::MayClose()
{
    if (!m_dialog)
        return true;
    if (!m_dialog->AskCancel())
        return false;
    m_dialog->CancelAndWait();
    return true;
}

} // namespace zl
