// How the canvas is viewed: the zoom (a ladder of levels from the panel's own pixel to eight widget pixels
// per panel pixel, Ctrl+wheel around the mouse) and the grid with its snapping; the View menu's commands,
// and all of it remembered in the editor settings.
#include <QAction>
#include <QInputDialog>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>

#include <cmath>

#include "editor/CEditorSettings.h"
#include "editor/CMainFrame.h"
#include "editor/CZL110View.h"
#include "editor/canvas/CEditorCanvas.h"

namespace zl
{
namespace
{

constexpr double kLadder[] = {1, 1.5, 2, CEditorCanvas::kDefaultZoom, 3, 4, 5, 6, 7, 8};
constexpr const char* kZoomKey = "canvas/zoom";
constexpr const char* kGridShownKey = "canvas/grid";
constexpr const char* kSnapKey = "canvas/snap";
constexpr const char* kGridWidthKey = "canvas/gridWidth";
constexpr const char* kGridHeightKey = "canvas/gridHeight";
constexpr int kLargestSpacing = 64;

// A remembered spacing, or 8 (a text cell) for none or one out of range.
int rememberedSpacing(const QSettings& settings, const char* key)
{
    bool ok = false;
    const int spacing = settings.value(QString::fromLatin1(key)).toInt(&ok);
    return ok && spacing >= 1 && spacing <= kLargestSpacing ? spacing : 8;
}

// The remembered level, or the default for none or for anything but a number in the range.
double rememberedZoom()
{
    bool ok = false;
    const double zoom = editorSettings()->value(QString::fromLatin1(kZoomKey)).toDouble(&ok);
    return ok && std::isfinite(zoom) && zoom >= CEditorCanvas::kSmallestZoom &&
                   zoom <= CEditorCanvas::kLargestZoom
               ? zoom
               : CEditorCanvas::kDefaultZoom;
}

} // namespace

void CZL110View::setZoom(double zoom, std::optional<QPoint> around)
{
    const double before = m_canvas->zoom();
    // The widget point `around` shows a canvas point; after the change it is that point's new place.
    const QPoint anchor = around.value_or(m_canvasArea->viewport()->rect().center() - m_canvas->pos());
    const QPoint inViewport = anchor + m_canvas->pos();
    m_canvas->setZoom(zoom);
    const double ratio = m_canvas->zoom() / before;
    m_canvasArea->horizontalScrollBar()->setValue(static_cast<int>(std::lround(anchor.x() * ratio)) -
                                                  inViewport.x());
    m_canvasArea->verticalScrollBar()->setValue(static_cast<int>(std::lround(anchor.y() * ratio)) -
                                                inViewport.y());
    if (m_canvas->zoom() != before)
        editorSettings()->setValue(QString::fromLatin1(kZoomKey), m_canvas->zoom());
}

void CZL110View::zoomBy(int steps, std::optional<QPoint> around)
{
    const double now = m_canvas->zoom();
    // The nearest level above (or below) the current one, then on from there.
    auto at =
        std::find_if(std::begin(kLadder), std::end(kLadder), [&](double level) { return level >= now; });
    std::ptrdiff_t index = at - std::begin(kLadder);
    if (steps < 0 && (at == std::end(kLadder) || *at > now))
        --index, ++steps; // between two levels: the one below is the first step down
    index = std::clamp<std::ptrdiff_t>(index + steps, 0, std::ssize(kLadder) - 1);
    setZoom(kLadder[index], around);
}

void CZL110View::zoomToFit()
{
    const QSize room = m_canvasArea->viewport()->size();
    setZoom(std::max(CEditorCanvas::kSmallestZoom,
                     std::min(double(room.width()) / kPanelWidth, double(room.height()) / kPanelHeight)));
}

void CZL110View::restoreCanvasSettings()
{
    setZoom(rememberedZoom());
    const auto settings = editorSettings();
    m_canvas->setGrid(settings->value(QString::fromLatin1(kGridShownKey)).toBool(),
                      settings->value(QString::fromLatin1(kSnapKey)).toBool(),
                      {rememberedSpacing(*settings, kGridWidthKey), rememberedSpacing(*settings, kGridHeightKey)});
}

void CZL110View::setGrid(bool shown, bool snap, QSize spacing)
{
    m_canvas->setGrid(shown, snap, spacing);
    const auto settings = editorSettings();
    settings->setValue(QString::fromLatin1(kGridShownKey), m_canvas->gridShown());
    settings->setValue(QString::fromLatin1(kSnapKey), m_canvas->snapping());
    settings->setValue(QString::fromLatin1(kGridWidthKey), m_canvas->gridSpacing().width());
    settings->setValue(QString::fromLatin1(kGridHeightKey), m_canvas->gridSpacing().height());
}

void CMainFrame::createZoomCommands(QMenu* view)
{
    view->addSeparator();
    const auto add = [&](const QString& text, QList<QKeySequence> keys, auto act) {
        QAction* a = view->addAction(text);
        a->setShortcuts(keys);
        connect(a, &QAction::triggered, this, act);
        return a;
    };
    add(tr("Zoom in"), {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
        [this] { m_view->zoomBy(1); });
    add(tr("Zoom out"), {QKeySequence::ZoomOut}, [this] { m_view->zoomBy(-1); });
    add(tr("Actual size"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
        [this] { m_view->setZoom(CEditorCanvas::kDefaultZoom); });
    add(tr("Fit to window"), {}, [this] { m_view->zoomToFit(); });

    view->addSeparator();
    CEditorCanvas& canvas = m_view->canvas();
    QAction* grid = add(tr("Show grid"), {QKeySequence(Qt::CTRL | Qt::Key_G)}, [] {});
    QAction* snap = add(tr("Snap to grid"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G)}, [] {});
    for (QAction* a : {grid, snap})
        a->setCheckable(true);
    grid->setChecked(canvas.gridShown());
    snap->setChecked(canvas.snapping());
    connect(grid, &QAction::toggled, this,
            [this, &canvas](bool on) { m_view->setGrid(on, canvas.snapping(), canvas.gridSpacing()); });
    connect(snap, &QAction::toggled, this,
            [this, &canvas](bool on) { m_view->setGrid(canvas.gridShown(), on, canvas.gridSpacing()); });
    add(tr("Grid spacing…"), {}, [this, &canvas] {
        bool ok = false;
        const int spacing = QInputDialog::getInt(this, tr("Grid spacing"), tr("Grid spacing in panel pixels:"),
                                                 canvas.gridSpacing().width(), 1, kLargestSpacing, 1, &ok);
        if (ok)
            m_view->setGrid(canvas.gridShown(), canvas.snapping(), {spacing, spacing});
    });
}

} // namespace zl
