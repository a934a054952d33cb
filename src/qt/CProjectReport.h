#pragma once
// The project's printable report: a first page with the project, its PLC link, the panel settings and the
// image size; a section per window with its screen and a table of its components; the alarm list; the
// operand cross-reference. One routine paints it on any paged device, a PDF file or a printer.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include "base/Result.h"

class QPagedPaintDevice;

namespace zl
{

class CFontFiles;
class CProject;

struct CReportSource {
    const CProject& project;
    QString fileName;                     // the project's file as the user named it
    QDateTime date;                       // when the report is made
    std::optional<std::size_t> imageSize; // the compiled image's size; none when it cannot be compiled
    QString imageProblem;                 // why there is no size
    const CFontFiles* fonts = nullptr;    // the panel's glyphs, for the screens
};

// The size of `project`'s download image, measured on a copy (the project is not changed); the error
// says why there is none.
Result<std::size_t> MeasureImageSize(const CProject& project, const std::string& dataDir, const CFontFiles* fonts);

// Told the windows painted so far and their number; false cancels the report.
using CReportProgress = std::function<bool(std::size_t done, std::size_t total)>;

// Paints the report on `device` (its page size and margins as set), counting the pages first so that
// each page can say "Page n of m". False when `progress` cancelled.
bool PaintProjectReport(QPagedPaintDevice& device, const CReportSource& source,
                        const CReportProgress& progress = {});

enum class CPaper { kA4, kLetter };

// Writes the report as a PDF file at `path` (UTF-8) through the safe save: a failure or a cancel leaves
// whatever was there. True when written, false when cancelled; errors as FileError.
Result<bool> WriteReportPdf(const std::string& path, CPaper paper, const CReportSource& source,
                            const CReportProgress& progress = {});


} // namespace zl
