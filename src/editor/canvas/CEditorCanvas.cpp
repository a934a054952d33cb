#include "editor/canvas/CEditorCanvas.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>
#include <QPainter>

#include "model/CCanvasPainter.h"
#include "components/CComponentFactory.h"
#include "editor/document/CEditorDocument.h"
#include "qt/CQtPainter.h"

namespace zl
{
namespace
{

// The outline of the selection's other members and of the band: the head keeps the light grey one.
constexpr CColor kSetOutlineColor = 0x4080FF;
constexpr CColor kGridColor = 0x9090A0;

bool onCanvas(CPoint p)
{
    return p.x >= 0 && p.y >= 0 && p.x < kCanvasWidth && p.y < kCanvasHeight;
}

} // namespace

CRect ghostRect(int typeCode)
{
    // Panel sizes of the new components, in canvas pixels.
    switch (typeCode) {
    case kLed:
    case kFunctionKey:
        return {0, 0, 36, 36};
    case kStaticText:
        return {0, 0, 108, 36};
    case kDynamicText:
        return {0, 0, 180, 36};
    case kRegister:
        return {0, 0, 90, 36};
    case kBarGraph:
        return {0, 0, 36, 108};
    case kTrendLine:
        return {0, 0, 216, 108};
    default:
        return {0, 0, 0, 0};
    }
}

CRect pictureGhostRect(int width, int height)
{
    return {0, 0, static_cast<int>(width * 2.5 + 0.5), static_cast<int>(height * 2.5 + 0.5)};
}

CEditorCanvas::CEditorCanvas(CEditorDocument& document, QWidget* parent)
    : QWidget(parent), m_doc(document), m_image(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32)
{
    setFixedSize(kCanvasWidth, kCanvasHeight);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent); // the composed image covers every pixel: nothing to erase
    m_image.fill(QColor(0x40, 0x40, 0x40));
    const auto repaint = [this] { update(); };
    connect(&m_doc, &CEditorDocument::projectReset, this, [this] {
        m_dragging = false;
        CancelPlacement();
    });
    connect(&m_doc, &CEditorDocument::currentWindowChanged, this, [this] {
        m_dragging = false;
        update();
    });
    connect(&m_doc, &CEditorDocument::selectionChanged, this, repaint);
    connect(&m_doc, &CEditorDocument::componentAdded, this, repaint);
    connect(&m_doc, &CEditorDocument::componentRemoved, this, repaint);
    connect(&m_doc, &CEditorDocument::componentChanged, this, repaint);
}

CMainView* CEditorCanvas::window() const
{
    return m_doc.currentWindow();
}

CBase* CEditorCanvas::selected() const
{
    return m_doc.selectedComponent();
}

bool CEditorCanvas::hasSelection() const
{
    return m_doc.hasSelection();
}

void CEditorCanvas::setPending(int typeCode, CRect ghost)
{
    m_pendingType = typeCode;
    m_frame = ghost;
    m_doc.clearSelection();
    emit stateChanged();
    update();
}

void CEditorCanvas::ArmPlacement(int typeCode)
{
    if (m_pendingType == typeCode) {
        CancelPlacement();
        return;
    }
    m_picture.reset();
    setPending(typeCode, ghostRect(typeCode));
}

void CEditorCanvas::ArmPicture(CRgbImage image)
{
    const CRect ghost = pictureGhostRect(image.width, image.height);
    m_picture = std::move(image);
    setPending(kPicture, ghost);
}

void CEditorCanvas::CancelPlacement()
{
    m_pendingType = kNothingPending;
    m_picture.reset();
    emit stateChanged();
    update();
}

bool CEditorCanvas::DeleteSelected()
{
    const CBase* c = selected();
    if (!c)
        return false;
    m_dragging = false;
    return m_doc.deleteSelected();
}

void CEditorCanvas::Compose()
{
    CMainView* w = window();
    std::optional<CRect> outline;
    const bool selection = hasSelection();
    if (w && selection)
        m_frame = w->SelectionRect().value_or(m_frame);
    if (selection || m_pendingType != kNothingPending)
        outline = m_frame;
    if (!w) {
        m_image.fill(palette().window().color()); // no window: the canvas shows nothing
        return;
    }
    CQtPainter painter(m_image, m_fonts);
    PaintCanvas(w, painter, outline);
    // The rest of a selection of several, and the band, in a colour of their own.
    const std::vector<CBase*> chosen = m_doc.selection();
    for (std::size_t i = 1; i < chosen.size(); ++i) {
        CRect r = chosen[i]->rect;
        --r.right;
        --r.bottom;
        painter.DottedRect(r, kSetOutlineColor);
    }
    if (const auto b = band())
        painter.DottedRect(*b, kSetOutlineColor);
    if (m_gridShown) {
        // Dotted lines, so that what lies under them still shows.
        std::vector<CPoint> dots;
        for (int px = m_gridSpacing.width(); px < kPanelWidth; px += m_gridSpacing.width())
            for (int y = 0; y < kCanvasHeight; y += 2)
                dots.push_back({panelToCanvas(px), y});
        for (int py = m_gridSpacing.height(); py < kPanelHeight; py += m_gridSpacing.height())
            for (int x = 0; x < kCanvasWidth; x += 2)
                dots.push_back({x, panelToCanvas(py)});
        painter.SetPixels(dots, kGridColor);
    }
}

void CEditorCanvas::setGrid(bool shown, bool snap, QSize spacing)
{
    m_gridShown = shown;
    m_snap = snap;
    m_gridSpacing = spacing.boundedTo({kPanelWidth, kPanelHeight}).expandedTo({1, 1});
    update();
}

CPoint CEditorCanvas::snapped(CPoint panel) const
{
    const auto to = [](int v, int step) { return static_cast<int>(std::lround(double(v) / step)) * step; };
    return {to(panel.x, m_gridSpacing.width()), to(panel.y, m_gridSpacing.height())};
}

std::optional<CRect> CEditorCanvas::band() const
{
    if (!m_bandStart)
        return std::nullopt;
    return CRect{std::min(m_bandStart->x, m_anchor.x), std::min(m_bandStart->y, m_anchor.y),
                 std::max(m_bandStart->x, m_anchor.x), std::max(m_bandStart->y, m_anchor.y)};
}

void CEditorCanvas::paintEvent(QPaintEvent*)
{
    Compose();
    QPainter painter(this);
    if (m_zoom == kDefaultZoom)
        painter.drawImage(0, 0, m_image);
    else
        painter.drawImage(rect(), m_image); // no smooth transformation: whole blocks of each pixel
}

void CEditorCanvas::setZoom(double zoom)
{
    m_zoom = std::clamp(zoom, kSmallestZoom, kLargestZoom);
    setFixedSize(static_cast<int>(std::lround(kPanelWidth * m_zoom)),
                 static_cast<int>(std::lround(kPanelHeight * m_zoom)));
    update();
}

CPoint CEditorCanvas::toCanvas(QPointF widget) const
{
    const double per = kDefaultZoom / m_zoom;
    return {static_cast<int>(std::floor(widget.x() * per)), static_cast<int>(std::floor(widget.y() * per))};
}

QPoint CEditorCanvas::toWidget(CPoint canvas) const
{
    const double per = m_zoom / kDefaultZoom;
    return {static_cast<int>(std::lround(canvas.x * per)), static_cast<int>(std::lround(canvas.y * per))};
}

void CEditorCanvas::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore(); // the scroll area scrolls
        return;
    }
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0)
        emit zoomWheeled(steps, event->position().toPoint());
    event->accept();
}

void CEditorCanvas::place()
{
    const CPoint at{m_frame.left, m_frame.top};
    const int type = m_pendingType;
    std::unique_ptr<CBase> component =
        CreateComponent(static_cast<std::uint8_t>(type), m_doc.project().protocol(), at);
    if (component && m_picture && !static_cast<CUpLoadPic&>(*component).TakeImage(*m_picture))
        component.reset(); // an image the picture refuses is not placed
    m_pendingType = kNothingPending;
    m_picture.reset();
    if (!m_doc.placeComponent(std::move(component), at))
        return;
    m_dragging = true;
}

void CEditorCanvas::mousePressEvent(QMouseEvent* event)
{
    if (!window())
        return;
    const CPoint p = toCanvas(event->position());
    if (event->button() == Qt::RightButton) {
        if (m_pendingType != kNothingPending)
            CancelPlacement();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    emit pressed();
    m_dragKey = m_doc.newBurstKey(QStringLiteral("drag"));
    const Qt::KeyboardModifiers keys = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    m_bandStart.reset();
    if (m_pendingType != kNothingPending)
        place();
    else if (keys != Qt::NoModifier)
        // Shift adds, Ctrl adds or takes out; a drag may follow while the component stays selected.
        m_dragging =
            m_doc.extendSelectionAt(p, keys & Qt::ControlModifier) && m_doc.isSelected(componentAt(p));
    else
        m_dragging = m_doc.selectAt(p);
    if (m_pendingType == kNothingPending && !m_dragging && !componentAt(p)) {
        m_bandStart = p;
        m_bandAdds = keys != Qt::NoModifier;
    }
    if (const CBase* head = selected()) {
        m_dragFrom = {head->x, head->y};
        m_dragMouseFrom = p;
    }
    m_anchor = p;
    update();
    emit stateChanged();
}

void CEditorCanvas::mouseMoveEvent(QMouseEvent* event)
{
    if (!window())
        return;
    const CPoint p = toCanvas(event->position());
    emit hovered(onCanvas(p) ? std::optional<CPoint>(CPoint{canvasToPanel(p.x), canvasToPanel(p.y)})
                             : std::nullopt);
    if (m_bandStart) {
        m_anchor = p;
        update();
        return;
    }
    if (m_dragging) {
        if (!selected())
            return;
        if (m_snap) {
            // The component under the mouse goes to the grid point nearest to where the mouse takes it.
            const CBase* head = selected();
            const auto panel = [](int canvas) { return static_cast<int>(std::lround(canvas / kDefaultZoom)); };
            const CPoint to = snapped({m_dragFrom.x + panel(p.x - m_dragMouseFrom.x),
                                       m_dragFrom.y + panel(p.y - m_dragMouseFrom.y)});
            m_doc.moveSelected(to.x - head->x, to.y - head->y, m_dragKey);
        } else {
            m_doc.dragSelected(m_anchor, p, m_dragKey);
        }
        setCursor(Qt::PointingHandCursor);
        return;
    }
    unsetCursor();
    if (m_pendingType != kNothingPending && onCanvas(p))
        snapGhost(p);
}

void CEditorCanvas::snapGhost(CPoint to)
{
    const int width = m_frame.width();
    const int height = m_frame.height();
    if (m_snap) {
        const CPoint grid = snapped({canvasToPanel(to.x), canvasToPanel(to.y)});
        m_frame.left = panelToCanvas(grid.x);
        m_frame.top = panelToCanvas(grid.y);
    } else {
        m_frame.left = kCanvasStep * (to.x / kCanvasStep);
        m_frame.top = kCanvasStep * (to.y / kCanvasStep);
    }
    m_frame.right = m_frame.left + width;
    m_frame.bottom = m_frame.top + height;
    // The ghost stays on the canvas: its last column and row are 431 and 143.
    if (m_frame.right > kCanvasWidth) {
        m_frame.right = kCanvasWidth - 1;
        m_frame.left = m_frame.right - width;
    }
    if (m_frame.bottom > kCanvasHeight) {
        m_frame.bottom = kCanvasHeight - 1;
        m_frame.top = m_frame.bottom - height;
    }
    update();
}

void CEditorCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = false;
        unsetCursor();
        if (const auto b = band()) {
            m_bandStart.reset();
            m_doc.selectInside(*b, m_bandAdds);
            update();
        }
    }
}

void CEditorCanvas::leaveEvent(QEvent*)
{
    emit hovered(std::nullopt);
}

CBase* CEditorCanvas::componentAt(CPoint p) const
{
    const CMainView* w = window();
    if (!w)
        return nullptr;
    for (const auto& c : w->components())
        if (c->HitTest(p))
            return c.get();
    return nullptr;
}

} // namespace zl
