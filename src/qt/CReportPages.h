#pragma once
// A paged document laid out top to bottom on a printer or a PDF writer: headings, lines of text, tables
// whose rows wrap and break across pages with their header repeated, and blocks of a fixed height. Every
// page carries "Page n of m" at its foot. The same calls run twice: once without a painter to count the
// pages, then with one to paint them; nothing of a page is kept once the next one starts.
#include <vector>

#include <QCoreApplication>
#include <QFont>
#include <QPagedPaintDevice>
#include <QRectF>
#include <QStringList>

class QPainter;

namespace zl
{

class CReportPages {
    Q_DECLARE_TR_FUNCTIONS(CReportPages)

public:
    // Lays out on `device`. With `painter` (active on `device`) the pages are painted, `pageCount` being
    // what the counting run found; without one, only counted.
    CReportPages(QPagedPaintDevice& device, QPainter* painter, int pageCount);

    bool painting() const { return m_painter != nullptr; }
    QPainter* painter() const { return m_painter; }
    // The pages used so far, the current one included.
    int pages() const { return m_page; }

    // Starts a new page unless the current one is still empty.
    void BreakPage();
    void Heading(const QString& text);
    void SubHeading(const QString& text);
    // One line of text, wrapped at the page width.
    void Line(const QString& text);
    void Space(double millimetres);

    // A table: column titles and their shares of the page width.
    void BeginTable(QStringList titles, std::vector<double> shares);
    void Row(const QStringList& cells);
    void EndTable() { m_titles.clear(); }

    // Room of `height` device units across the page width, on a new page when the current one has too
    // little; the caller paints into the returned rectangle when painting().
    QRectF Block(double height);
    double width() const { return m_device.width(); }
    // Device units per millimetre.
    double unitsPerMm() const { return m_device.logicalDpiY() / 25.4; }
    const QFont& smallFont() const { return m_small; }

private:
    double textHeight(const QFont& font, double width, const QString& text) const;
    void text(const QFont& font, const QString& text, double gapAfter);
    void tableRow(const QStringList& cells, const QFont& font, bool shaded);
    double rowHeight(const QStringList& cells, const QFont& font) const;
    void ensure(double height);
    void nextPage();
    void startPage();
    double bottom() const;

    QPagedPaintDevice& m_device;
    QPainter* m_painter;
    int m_pageCount;
    int m_page = 0;
    double m_y = 0;
    bool m_empty = true;
    QFont m_body, m_heading, m_subHeading, m_small, m_bold;
    QStringList m_titles;
    std::vector<double> m_shares;
};

// A font with Chinese and Latin glyphs in the given point size.
QFont ReportFont(double pointSize);

} // namespace zl
