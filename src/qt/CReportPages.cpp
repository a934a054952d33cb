#include "qt/CReportPages.h"

#include <algorithm>
#include <numeric>

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

namespace zl
{
namespace
{

constexpr double kPadding = 0.6; // millimetres inside a table cell

// Lines break between words, and inside a word only where it is wider than the line (a file path).
QTextOption wrapping()
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

} // namespace

QFont ReportFont(double pointSize)
{
    QFont font;
    // Fonts that hold both scripts; Qt falls back per character when none of them is installed.
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("Microsoft YaHei"), QStringLiteral("SimSun"), QStringLiteral("Unifont")});
    font.setPointSizeF(pointSize);
    return font;
}

CReportPages::CReportPages(QPagedPaintDevice& device, QPainter* painter, int pageCount)
    : m_device(device), m_painter(painter), m_pageCount(pageCount), m_body(ReportFont(9)),
      m_heading(ReportFont(15)), m_subHeading(ReportFont(11)), m_small(ReportFont(7.5)), m_bold(ReportFont(7.5))
{
    m_heading.setBold(true);
    m_subHeading.setBold(true);
    m_bold.setBold(true);
    startPage();
}

double CReportPages::bottom() const
{
    // The foot line: one line of small text and a gap above it.
    return m_device.height() - QFontMetricsF(m_small, &m_device).height() - 3 * unitsPerMm();
}

void CReportPages::startPage()
{
    ++m_page;
    m_y = 0;
    m_empty = true;
    if (!m_painter)
        return;
    m_painter->save();
    m_painter->setFont(m_small);
    m_painter->setPen(Qt::black);
    const QRectF foot(0, bottom(), m_device.width(), m_device.height() - bottom());
    m_painter->drawText(foot, Qt::AlignHCenter | Qt::AlignBottom, tr("Page %1 of %2").arg(m_page).arg(m_pageCount));
    m_painter->restore();
}

void CReportPages::nextPage()
{
    if (m_painter)
        m_device.newPage();
    startPage();
}

void CReportPages::BreakPage()
{
    if (!m_empty)
        nextPage();
}

void CReportPages::ensure(double height)
{
    if (!m_empty && m_y + height > bottom())
        nextPage();
    m_empty = false;
}

double CReportPages::textHeight(const QFont& font, double width, const QString& text) const
{
    // Laid out as QPainter::drawText lays it out with the same option.
    const double lineHeight = QFontMetricsF(font, &m_device).lineSpacing();
    double height = 0;
    for (const QString& paragraph : text.split('\n')) {
        QTextLayout layout(paragraph, font, &m_device);
        layout.setTextOption(wrapping());
        layout.beginLayout();
        int lines = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            ++lines;
        }
        layout.endLayout();
        height += std::max(lines, 1) * lineHeight;
    }
    return height;
}

void CReportPages::text(const QFont& font, const QString& text, double gapAfter)
{
    const double height = textHeight(font, width(), text);
    ensure(height);
    if (m_painter) {
        m_painter->setFont(font);
        m_painter->setPen(Qt::black);
        m_painter->drawText(QRectF(0, m_y, width(), height), text, wrapping());
    }
    m_y += height + gapAfter * unitsPerMm();
}

void CReportPages::Heading(const QString& text) { this->text(m_heading, text, 3); }
void CReportPages::SubHeading(const QString& text) { this->text(m_subHeading, text, 1.5); }
void CReportPages::Line(const QString& text) { this->text(m_body, text, 0.8); }

void CReportPages::Space(double millimetres)
{
    m_y = std::min(m_y + millimetres * unitsPerMm(), bottom());
}

QRectF CReportPages::Block(double height)
{
    ensure(height);
    const QRectF room(0, m_y, width(), height);
    m_y += height;
    return room;
}

void CReportPages::BeginTable(QStringList titles, std::vector<double> shares)
{
    const double total = std::accumulate(shares.begin(), shares.end(), 0.0);
    for (double& share : shares)
        share /= total;
    m_titles = std::move(titles);
    m_shares = std::move(shares);
    // The title row stays with at least one row of the table.
    ensure(2 * rowHeight(m_titles, m_bold));
    tableRow(m_titles, m_bold, true);
}

void CReportPages::Row(const QStringList& cells)
{
    const double height = rowHeight(cells, m_small);
    if (m_y + height > bottom()) {
        nextPage();
        ensure(0);
        tableRow(m_titles, m_bold, true);
    }
    tableRow(cells, m_small, false);
}

double CReportPages::rowHeight(const QStringList& cells, const QFont& font) const
{
    const double pad = kPadding * unitsPerMm();
    double height = QFontMetricsF(font, &m_device).height();
    for (qsizetype i = 0; i < cells.size() && i < qsizetype(m_shares.size()); ++i)
        height = std::max(height, textHeight(font, m_shares[i] * width() - 2 * pad, cells[i]));
    // A row taller than a page is cut at the page's foot rather than never placed.
    return std::min(height + 2 * pad, bottom() / 2);
}

void CReportPages::tableRow(const QStringList& cells, const QFont& font, bool shaded)
{
    const double height = rowHeight(cells, font);
    m_empty = false;
    if (m_painter) {
        const double pad = kPadding * unitsPerMm();
        m_painter->save();
        m_painter->setFont(font);
        QPen grid(Qt::gray);
        grid.setWidthF(0.15 * unitsPerMm());
        double x = 0;
        for (std::size_t i = 0; i < m_shares.size(); ++i) {
            const QRectF cell(x, m_y, m_shares[i] * width(), height);
            if (shaded)
                m_painter->fillRect(cell, QColor(230, 230, 230));
            m_painter->setPen(grid);
            m_painter->drawRect(cell);
            m_painter->setPen(Qt::black);
            if (qsizetype(i) < cells.size())
                m_painter->drawText(cell.adjusted(pad, pad, -pad, -pad), cells[qsizetype(i)], wrapping());
            x += cell.width();
        }
        m_painter->restore();
    }
    m_y += height;
}

} // namespace zl
