#include "editor/CReportCommand.h"

#include <QFileInfo>
#include <QProgressDialog>
#ifdef ZL410_PRINTING
#include <QPrintDialog>
#include <QPrinter>
#endif

#include "base/CPrompter.h"
#include "editor/CZL110View.h"
#include "editor/dialogs/CFileChooser.h"
#include "editor/document/CZL110Doc.h"
#include "qt/CMessages.h"
#include "qt/CProjectReport.h"

namespace zl
{

CReportCommand::CReportCommand(CZL110View& view, CZL110Doc& doc, CFileChooser& files, CPrompter& prompter,
                               QWidget* parent)
    : m_view(view), m_doc(doc), m_files(files), m_prompter(prompter), m_parent(parent)
{
}

bool CReportCommand::CanPrint()
{
#ifdef ZL410_PRINTING
    return true;
#else
    return false;
#endif
}

// Makes the source of the report and calls `paint` with it and a progress that a dialog shows once the
// report takes longer than a moment, and whose Cancel stops it.
template <typename Paint>
void CReportCommand::withSource(Paint paint)
{
    const QString file = m_doc.pathName().isEmpty() ? tr("Untitled.pjz") : m_doc.pathName();
    CReportSource source{m_view.project(), file, QDateTime::currentDateTime(), {}, {}, m_view.fonts()};
    if (const auto size = MeasureImageSize(m_view.project(), m_view.dataDir(), m_view.fonts()))
        source.imageSize = *size;
    else
        source.imageProblem = QString::fromStdString(translateMessage(size.error().describe()));

    QProgressDialog progress(tr("Making the report…"), tr("Cancel"), 0, int(m_view.project().windowCount()),
                             m_parent);
    progress.setWindowTitle(tr("Report"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    paint(source, [&progress](std::size_t done, std::size_t) {
        progress.setValue(int(done));
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
}

void CReportCommand::ExportReport()
{
    const QString base = m_doc.pathName().isEmpty() ? tr("Untitled") : QFileInfo(m_doc.pathName()).completeBaseName();
    const QString path = m_files.saveFile(m_parent, tr("Export report"), tr("PDF documents (*.pdf)"), base + ".pdf");
    if (path.isEmpty())
        return;
    const CPaper paper = QLocale().measurementSystem() == QLocale::ImperialUSSystem ? CPaper::kLetter : CPaper::kA4;
    withSource([&](const CReportSource& source, const CReportProgress& progress) {
        const Result<bool> written = WriteReportPdf(path.toStdString(), paper, source, progress);
        if (!written)
            m_prompter.message(written.error().describe(), tr("Export report").toStdString());
    });
}

void CReportCommand::Print()
{
#ifdef ZL410_PRINTING
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QFileInfo(m_doc.pathName()).completeBaseName());
    QPrintDialog dialog(&printer, m_parent);
    dialog.setWindowTitle(tr("Print report"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    withSource([&](const CReportSource& source, const CReportProgress& progress) {
        // A cancel drops the print job rather than printing its first pages.
        PaintProjectReport(printer, source, [&](std::size_t done, std::size_t total) {
            const bool goOn = progress(done, total);
            if (!goOn)
                printer.abort();
            return goOn;
        });
    });
#endif
}

} // namespace zl
