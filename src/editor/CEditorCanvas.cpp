#include "editor/CEditorCanvas.h"

#include <QMouseEvent>
#include <QPainter>

#include "model/CCanvasPainter.h"
#include "components/CComponentFactory.h"
#include "model/CProject.h"
#include "qt/CQtPainter.h"

namespace zl
{

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

CEditorCanvas::CEditorCanvas(CProject& project, QWidget* parent)
    : QWidget(parent), m_project(project), m_image(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32)
{
    setFixedSize(kCanvasWidth, kCanvasHeight);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent); // the composed image covers every pixel: nothing to erase
    m_image.fill(QColor(0x40, 0x40, 0x40));
}

CMainView* CEditorCanvas::window() const
{
    return m_project.CurrentWindow();
}

CBase* CEditorCanvas::selected() const
{
    CMainView* w = window();
    return (w && !m_nothingSelected) ? w->head() : nullptr;
}

void CEditorCanvas::setPending(int typeCode, CRect ghost)
{
    m_pendingType = typeCode;
    m_frame = ghost;
    m_nothingSelected = true;
    emit selectionCleared();
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
    CMainView* w = window();
    if (m_nothingSelected || !w)
        return false;
    w->DeleteSelected();
    m_nothingSelected = true;
    m_dragging = false;
    emit selectionCleared();
    emit modified();
    emit stateChanged();
    update();
    return true;
}

void CEditorCanvas::ClearSelection()
{
    m_nothingSelected = true;
    m_dragging = false;
    emit stateChanged();
    update();
}

void CEditorCanvas::Compose()
{
    CMainView* w = window();
    std::optional<CRect> outline;
    if (w && !m_nothingSelected)
        m_frame = w->SelectionRect().value_or(m_frame);
    if (!m_nothingSelected || m_pendingType != kNothingPending)
        outline = m_frame;
    if (!w)
        return; // nothing to paint without a window
    CQtPainter painter(m_image, m_fonts);
    PaintCanvas(w, painter, outline);
}

void CEditorCanvas::paintEvent(QPaintEvent*)
{
    Compose();
    QPainter(this).drawImage(0, 0, m_image);
}

void CEditorCanvas::place(CMainView& w)
{
    const CPoint at{m_frame.left, m_frame.top};
    std::unique_ptr<CBase> component =
        CreateComponent(static_cast<std::uint8_t>(m_pendingType), m_project.protocol(), at);
    if (component && m_picture && !static_cast<CUpLoadPic&>(*component).TakeImage(*m_picture))
        component.reset(); // an image the picture refuses is not placed
    m_pendingType = kNothingPending;
    m_picture.reset();
    if (!component)
        return;
    w.AddComponent(std::move(component), at);
    m_dragging = true;
    m_nothingSelected = false;
    emit componentSelected(w.head());
    emit modified();
}

void CEditorCanvas::mousePressEvent(QMouseEvent* event)
{
    CMainView* w = window();
    if (!w)
        return;
    const CPoint p{event->position().toPoint().x(), event->position().toPoint().y()};
    if (event->button() == Qt::RightButton) {
        if (m_pendingType != kNothingPending)
            CancelPlacement();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    emit pressed();
    if (m_pendingType != kNothingPending) {
        place(*w);
    } else if (w->SelectAt(p)) {
        m_dragging = true;
        m_nothingSelected = false;
        emit componentSelected(w->head());
    } else {
        m_dragging = false;
        m_nothingSelected = true;
        emit selectionCleared();
    }
    m_anchor = p;
    update();
    emit stateChanged();
}

bool CEditorCanvas::SelectComponent(std::size_t position)
{
    CMainView* w = window();
    if (!w || !w->SelectPosition(position))
        return false;
    m_nothingSelected = false;
    emit componentSelected(w->head());
    update();
    emit stateChanged();
    return true;
}

void CEditorCanvas::mouseMoveEvent(QMouseEvent* event)
{
    CMainView* w = window();
    if (!w)
        return;
    const CPoint p{event->position().toPoint().x(), event->position().toPoint().y()};
    if (m_dragging) {
        CBase* head = w->head();
        if (!head)
            return;
        const CRect before = head->rect;
        const CRect area = head->Drag(m_anchor, p);
        if (!(head->rect == before)) {
            update(QRect(area.left, area.top, area.width(), area.height()));
            emit componentMoved(head);
        }
        setCursor(Qt::PointingHandCursor);
        emit modified();
        return;
    }
    unsetCursor();
    if (m_pendingType != kNothingPending && rect().contains(p.x, p.y))
        snapGhost(p);
}

void CEditorCanvas::snapGhost(CPoint to)
{
    const int width = m_frame.width();
    const int height = m_frame.height();
    m_frame.left = kCanvasStep * (to.x / kCanvasStep);
    m_frame.top = kCanvasStep * (to.y / kCanvasStep);
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
    }
}

} // namespace zl
