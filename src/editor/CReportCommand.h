#pragma once
// File → "Export report…" and "Print…": the project's report as a PDF file or on a printer, with a
// progress dialog that can cancel it. Both only read the project.
#include <QCoreApplication>

class QWidget;

namespace zl
{

class CFileChooser;
class CPrompter;
class CZL110Doc;
class CZL110View;
struct CReportSource;

class CReportCommand
{
    Q_DECLARE_TR_FUNCTIONS(CReportCommand)

public:
    CReportCommand(CZL110View& view, CZL110Doc& doc, CFileChooser& files, CPrompter& prompter, QWidget* parent);

    // Asks for the file, writes it, and tells a failure; opens nothing afterwards.
    void ExportReport();
    // The system's print dialog, then the report on the chosen printer.
    void Print();
    // Whether this build can print (Qt's print support was found).
    static bool CanPrint();

private:
    template <typename Paint>
    void withSource(Paint paint);

    CZL110View& m_view;
    CZL110Doc& m_doc;
    CFileChooser& m_files;
    CPrompter& m_prompter;
    QWidget* m_parent;
};

} // namespace zl
