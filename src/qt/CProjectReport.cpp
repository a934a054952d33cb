#include "qt/CProjectReport.h"

#include <map>
#include <utility>

#include <QBuffer>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

#include "base/Geometry.h"
#include "base/FileIo.h"
#include "base/Gbk.h"
#include "compile/CProjectCheck.h"
#include "model/CProject.h"
#include "operands/COperandIndex.h"
#include "plc/CProtocolTables.h"
#include "qt/CQtPainter.h"
#include "qt/CMessages.h"
#include "qt/CReportComponents.h"
#include "qt/CReportPages.h"

namespace zl
{
namespace
{

QString text(const std::string& gbk) { return QString::fromStdString(gbkToUtf8(gbk)); }

QString pick(const QStringList& names, std::size_t index)
{
    return index < std::size_t(names.size()) ? names[qsizetype(index)] : QString::number(index);
}

class CReport {
    Q_DECLARE_TR_FUNCTIONS(CProjectReport)

public:
    CReport(const CReportSource& source, const COperandIndex& operands, CReportPages& pages)
        : m_source(source), m_project(source.project), m_operands(operands), m_pages(pages)
    {
    }

    bool Paint(const CReportProgress& progress)
    {
        firstPage();
        const std::size_t windows = m_project.windowCount();
        for (std::size_t i = 0; i < windows; ++i) {
            if (progress && !progress(i, windows))
                return false;
            window(i);
        }
        alarmList();
        crossReference();
        return !progress || progress(windows, windows);
    }

private:
    QString operandOf(COperandField field) const
    {
        for (const COperandUse& use : m_operands.uses)
            if (use.field == field)
                return QString::fromStdString(use.text);
        return {};
    }

    void firstPage()
    {
        const CProject& p = m_project;
        m_pages.Heading(tr("Project report: %1").arg(QFileInfo(m_source.fileName).completeBaseName()));
        m_pages.BeginTable({tr("Item"), tr("Value")}, {1, 3});
        m_pages.Row({tr("File"), QFileInfo(m_source.fileName).absoluteFilePath()});
        m_pages.Row({tr("Date"), QLocale::c().toString(m_source.date, QStringLiteral("yyyy-MM-dd HH:mm"))});
        m_pages.Row({tr("Protocol"), QString::fromStdString(protocolDisplayName(p.protocol()))});
        QStringList bauds;
        for (const std::string& baud : baudList(p.protocol()))
            bauds << QString::fromStdString(baud);
        m_pages.Row({tr("Communication"),
                     tr("%1 baud, %2 data bits, %3 stop bits, parity %4, RS-%5, PLC station %6, delay %7")
                         .arg(pick(bauds, p.comm.baud), pick({"7", "8"}, p.comm.dataBits),
                              pick({"1", "2"}, p.comm.stopBits),
                              pick({tr("none"), tr("odd"), tr("even")}, p.comm.parity),
                              pick({"232", "485"}, p.comm.interface))
                         .arg(p.comm.plcStation)
                         .arg(p.comm.delay)});
        const CPanelSettings& s = p.panel;
        const QStringList delays = {tr("never"),  tr("1 min"),  tr("2 min"),  tr("3 min"),
                                    tr("5 min"),  tr("10 min"), tr("15 min"), tr("20 min"),
                                    tr("30 min"), tr("45 min"), tr("1 hour")};
        m_pages.Row({tr("Initial window"), QString::number(s.initialWindow)});
        m_pages.Row({tr("Password"), QString::number(s.password)});
        m_pages.Row({tr("Screen saver"),
                     tr("after %1: %2")
                         .arg(pick(delays, s.screenSaverDelay),
                              s.screenSaverAction == 0 ? tr("backlight off")
                                                       : tr("show window %1").arg(s.screenSaverWindow))});
        QStringList flags;
        if (s.statusFlags & 1)
            flags << tr("change window");
        if (s.statusFlags & 2)
            flags << tr("report window");
        if (s.statusFlags & 4)
            flags << tr("clock module");
        const QString control = operandOf(COperandField::kControlBlock);
        m_pages.Row({tr("Control block"), tr("station %1, register %2; %3")
                                              .arg(s.controlStation)
                                              .arg(control.isEmpty() ? tr("not used") : control,
                                                   flags.isEmpty() ? tr("no status flags") : flags.join(", "))});
        m_pages.Row({tr("Register step"), QString::number(s.registerStep)});
        std::size_t components = 0;
        for (const auto& w : p.windows())
            components += w->componentCount();
        m_pages.Row({tr("Windows"), tr("%1 windows, %2 components").arg(p.windowCount()).arg(components)});
        const std::size_t capacity = CCheckReport::kImageCapacity;
        QString size;
        if (m_source.imageSize) {
            const QLocale c(QLocale::English);
            size = tr("%1 of %2 bytes (%3 %)")
                       .arg(c.toString(qulonglong(*m_source.imageSize)), c.toString(qulonglong(capacity)))
                       .arg(100.0 * double(*m_source.imageSize) / double(capacity), 0, 'f', 1);
            if (*m_source.imageSize > capacity)
                size += tr("; it does not fit into the panel");
        } else {
            size = tr("not measured: %1").arg(m_source.imageProblem);
        }
        m_pages.Row({tr("Image size"), size});
        m_pages.EndTable();
    }

    void window(std::size_t position)
    {
        const CMainView& w = *m_project.WindowAt(position);
        m_pages.BreakPage();
        m_pages.Heading(w.description.empty() ? tr("Window %1").arg(w.number)
                                              : tr("Window %1: %2").arg(w.number).arg(text(w.description)));
        m_pages.Line(tr("Up key: window %1; Down key: window %2").arg(w.upJump).arg(w.downJump));
        m_pages.Space(2);
        screen(w);
        m_pages.Space(3);
        if (w.componentCount() == 0) {
            m_pages.Line(tr("No components."));
            return;
        }
        m_pages.BeginTable(CReportComponents::TableTitles(), CReportComponents::TableShares());
        const auto& components = w.components();
        for (std::size_t i = 0; i < components.size(); ++i) {
            QStringList operands;
            for (const COperandUse& use : usesOf(int(position), int(i)))
                operands << QString::fromStdString(use.text);
            m_pages.Row(CReportComponents::Row(i + 1, *components[i], operands));
        }
        m_pages.EndTable();
    }

    std::vector<COperandUse> usesOf(int window, int component) const
    {
        std::vector<COperandUse> found;
        const auto range = m_byComponent.equal_range({window, component});
        for (auto it = range.first; it != range.second; ++it)
            found.push_back(m_operands.uses[it->second]);
        return found;
    }

    // The canvas as the editor and `render` draw it, each canvas pixel a square of whole device units so
    // that no pixel is stretched more than another, with every component outlined and numbered on top.
    void screen(const CMainView& w)
    {
        const int scale = std::max(1, int(m_pages.width() / kCanvasWidth));
        const QRectF room = m_pages.Block(double(kCanvasHeight * scale));
        QPainter* painter = m_pages.painter();
        if (!painter)
            return;
        const QImage canvas = RenderCanvasImage(&w, std::nullopt, m_source.fonts);
        painter->save();
        painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
        // A PDF would otherwise hold the screen as JPEG, blurring the panel's dots.
        painter->setRenderHint(QPainter::LosslessImageRendering, true);
        painter->translate(room.topLeft());
        painter->drawImage(QRectF(0, 0, kCanvasWidth * scale, kCanvasHeight * scale), canvas);
        painter->scale(scale, scale);
        QFont label = m_pages.smallFont();
        label.setPointSizeF(label.pointSizeF() / scale);
        painter->setFont(label);
        QPen outline(QColor(220, 40, 40));
        outline.setWidthF(0.4 * m_pages.unitsPerMm() / scale);
        const auto& components = w.components();
        for (std::size_t i = 0; i < components.size(); ++i) {
            const CRect& r = components[i]->rect;
            painter->setPen(outline);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(QRectF(r.left, r.top, r.width(), r.height()));
            const QString number = QString::number(i + 1);
            QRectF tag = painter->fontMetrics().boundingRect(number).toRectF();
            tag.moveTopLeft(QPointF(r.left, r.top));
            tag.adjust(0, 0, 2, 0);
            painter->fillRect(tag, QColor(220, 40, 40));
            painter->setPen(Qt::white);
            painter->drawText(tag, Qt::AlignCenter, number);
        }
        painter->restore();
    }

    void alarmList()
    {
        const CAlarmList& alarms = m_project.alarms;
        m_pages.BreakPage();
        m_pages.Heading(tr("Alarm list"));
        m_pages.Line(tr("Initial coil: %1").arg(operandOf(COperandField::kAlarmCoil)));
        m_pages.Space(2);
        if (alarms.texts.empty()) {
            m_pages.Line(tr("No alarm texts."));
            return;
        }
        m_pages.BeginTable({tr("No."), tr("Coil"), tr("Text")}, {1, 3, 12});
        for (std::size_t k = 0; k < alarms.texts.size(); ++k) {
            const auto coil = alarms.CoilLabel(k, m_project.tables());
            m_pages.Row({QString::number(k + 1), coil ? QString::fromStdString(*coil) : tr("none"),
                         text(alarms.texts[k])});
        }
        m_pages.EndTable();
    }

    void crossReference()
    {
        m_pages.BreakPage();
        m_pages.Heading(tr("Operand cross-reference"));
        if (m_operands.uses.empty()) {
            m_pages.Line(tr("The project uses no operands."));
            return;
        }
        m_pages.BeginTable({tr("Operand"), tr("Where"), tr("Use"), tr("Access"), tr("Problems")}, {3, 9, 3, 2, 5});
        for (std::size_t i = 0; i < m_operands.uses.size(); ++i) {
            const COperandUse& u = m_operands.uses[i];
            QStringList problems;
            for (const std::string& problem : u.problems)
                problems << QString::fromStdString(problem);
            for (const COperandConflict& conflict : m_operands.conflicts)
                if (std::find(conflict.uses.begin(), conflict.uses.end(), i) != conflict.uses.end())
                    problems << QString::fromStdString(conflict.reason);
            m_pages.Row({QString::fromStdString(u.text), operandUseText(u), operandFieldText(u.field),
                         accessText(u.access), problems.join('\n')});
        }
        m_pages.EndTable();
    }

    const CReportSource& m_source;
    const CProject& m_project;
    const COperandIndex& m_operands;
    CReportPages& m_pages;
    std::multimap<std::pair<int, int>, std::size_t> m_byComponent = [this] {
        std::multimap<std::pair<int, int>, std::size_t> byComponent;
        for (std::size_t i = 0; i < m_operands.uses.size(); ++i)
            byComponent.emplace(std::pair(m_operands.uses[i].windowPosition, m_operands.uses[i].componentPosition), i);
        return byComponent;
    }();
};

} // namespace

Result<std::size_t> MeasureImageSize(const CProject& project, const std::string& dataDir, const CFontFiles* fonts)
{
    CCompileInputs inputs{dataDir, {}, fonts};
    inputs.measureOversize = true;
    const CCheckReport report = CheckProject(project, inputs);
    if (report.imageSize)
        return *report.imageSize;
    for (const CCheckFinding& finding : report.findings)
        if (finding.kind == CCheckFinding::Kind::CompileError)
            return makeError(finding.text);
    return makeError("the project does not compile");
}

bool PaintProjectReport(QPagedPaintDevice& device, const CReportSource& source, const CReportProgress& progress)
{
    const COperandIndex operands = indexOperands(source.project);
    CReportPages counting(device, nullptr, 0);
    CReport(source, operands, counting).Paint({});

    QPainter painter(&device);
    CReportPages pages(device, &painter, counting.pages());
    return CReport(source, operands, pages).Paint(progress);
}

Result<bool> WriteReportPdf(const std::string& path, CPaper paper, const CReportSource& source,
                            const CReportProgress& progress)
{
    // A few kilobytes a window: the pictures of the screens are compressed as they are drawn, one at a time.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    bool finished = false;
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(paper == CPaper::kA4 ? QPageSize::A4 : QPageSize::Letter));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(600);
        writer.setTitle(QFileInfo(source.fileName).completeBaseName());
        writer.setCreator(QStringLiteral("zl410"));
        finished = PaintProjectReport(writer, source, progress);
    }
    if (!finished)
        return false;
    const Status written =
        WriteFileSafely(path, std::span(reinterpret_cast<const std::uint8_t*>(pdf.constData()), std::size_t(pdf.size())));
    if (!written)
        return written.error();
    return true;
}

} // namespace zl
