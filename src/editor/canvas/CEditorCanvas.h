#pragma once
// The preview canvas of the current window: painting, placing a new component, selecting, dragging and
// deleting with the mouse, each change an undoable edit of the editing document. It keeps the pending
// placement and the drag; the selection is the document's.
#include <QImage>
#include <QWidget>

#include <optional>

#include "components/CUpLoadPic.h"
#include "base/Geometry.h"

namespace zl
{

class CBase;
class CFontFiles;
class CEditorDocument;
class CMainView;

class CEditorCanvas : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kNothingPending = -1;
    // Widget pixels per panel pixel: the form's own scale, and the range the zoom offers.
    static constexpr double kDefaultZoom = 2.25;
    static constexpr double kSmallestZoom = 1;
    static constexpr double kLargestZoom = 8;

    CEditorCanvas(CEditorDocument& document, QWidget* parent = nullptr);
    // The panel glyphs texts are drawn with; without them character cells stay blank.
    void setFonts(const CFontFiles* fonts) { m_fonts = fonts; }

    // Arms the placement of `typeCode`, or cancels it when it is already pending.
    void ArmPlacement(int typeCode);
    // Arms the placement of a picture holding `image` (its size already checked).
    void ArmPicture(CRgbImage image);
    void CancelPlacement();
    // Deletes the selected component; false when nothing is selected.
    bool DeleteSelected();
    void Invalidate() { update(); }

    int pendingType() const { return m_pendingType; }
    bool hasSelection() const;
    CBase* selected() const;
    bool dragging() const { return m_dragging; }
    // The ghost outline of the pending component, or the outline of the selected one.
    CRect frame() const { return m_frame; }
    // The rubber band being drawn on empty canvas, if any.
    std::optional<CRect> band() const;
    // The canvas as last painted.
    const QImage& image() const { return m_image; }
    // Composes the canvas into image().
    void Compose();

    // Shows the canvas at `zoom` widget pixels per panel pixel (within the range), drawn crisply: the
    // composed canvas scaled without smoothing. Hit-testing and dragging follow.
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    // A grid every `spacing` panel pixels, drawn over the window while `shown`; with `snap` a drag puts
    // the component clicked on (and the rest of the selection with it) on the grid, and so does placing.
    void setGrid(bool shown, bool snap, QSize spacing);
    bool gridShown() const { return m_gridShown; }
    bool snapping() const { return m_snap; }
    QSize gridSpacing() const { return m_gridSpacing; }
    // Between canvas and widget coordinates at the zoom.
    CPoint toCanvas(QPointF widget) const;
    QPoint toWidget(CPoint canvas) const;

signals:
    // A left-button press reached the canvas (the form then moves the keyboard focus to its list).
    void pressed();
    // The pending placement changed.
    void stateChanged();
    // The mouse is over the panel pixel `panel` (or has left the canvas: nullopt).
    void hovered(std::optional<CPoint> panel);
    // Ctrl+wheel over the canvas: `steps` zoom levels in (negative: out) around the widget point.
    void zoomWheeled(int steps, QPoint around);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    CMainView* window() const;
    // The grid point nearest to a panel point.
    CPoint snapped(CPoint panel) const;
    // The topmost component at the canvas point.
    CBase* componentAt(CPoint p) const;
    void place();
    void snapGhost(CPoint to);
    void setPending(int typeCode, CRect ghost);

    CEditorDocument& m_doc;
    double m_zoom = kDefaultZoom;
    bool m_gridShown = false;
    bool m_snap = false;
    QSize m_gridSpacing{8, 8};
    CPoint m_dragFrom;      // panel position of the head when a snapping drag began
    CPoint m_dragMouseFrom; // and the mouse, on the canvas
    const CFontFiles* m_fonts = nullptr;
    QImage m_image;
    int m_pendingType = kNothingPending;
    CRect m_frame{-1, -1, -1, -1};
    bool m_dragging = false;
    QString m_dragKey; // one drag is one undo step
    CPoint m_anchor;
    std::optional<CPoint> m_bandStart; // a press on empty canvas: the band's fixed corner
    bool m_bandAdds = false;           // with Shift or Ctrl: the band adds to the selection
    std::optional<CRgbImage> m_picture; // the image of a pending picture
};

// The ghost outline a component command shows before the component is placed.
CRect ghostRect(int typeCode);
// The ghost of a picture of width × height pixels.
CRect pictureGhostRect(int width, int height);

} // namespace zl
