// The editor's canvas at its largest zoom, 8 widget pixels per panel pixel: the time one repaint of a
// crowded window takes (target: under 4 ms), and a drag of 50 selected components where each step is an
// edit of the document and a repaint (60 frames per second: under 16.7 ms a step).
#include <cstdio>

#include <QApplication>
#include <QImage>

#include "editor/canvas/CEditorCanvas.h"
#include "editor/document/CEditorDocument.h"
#include "render/CFontFiles.h"

#include "CrowdedWindow.h"
#include "MedianTime.h"

using namespace zl;
using zl::bench::fillCrowdedWindow;
using zl::bench::medianMs;

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto fonts = CFontFiles::Load(ZL410_BUILD_DATA_DIR);
    if (!fonts) {
        std::fprintf(stderr, "%s\n", fonts.error().text.c_str());
        return 1;
    }
    CEditorDocument doc;
    CProject& project = doc.project();
    project.AddWindow(1, "");
    project.currentWindow = 0;
    fillCrowdedWindow(*project.CurrentView());
    doc.reset();
    doc.selectAll();

    CEditorCanvas canvas(doc);
    canvas.setFonts(&*fonts);
    canvas.setZoom(CEditorCanvas::kLargestZoom);
    QImage target(canvas.size(), QImage::Format_RGB32);
    const double repaint = medianMs(200, [&] { canvas.render(&target); });

    // Back and forth by one step of the grid, as a hand on the mouse would, all one undo step.
    const QString drag = doc.newBurstKey(QStringLiteral("drag"));
    CPoint mouse{200, 70};
    int direction = kCanvasStep;
    const double step = medianMs(200, [&] {
        const CPoint to{mouse.x + direction, mouse.y};
        direction = -direction;
        doc.dragSelected(mouse, to, drag);
        canvas.render(&target);
    });
    std::printf("canvas at %gx (%dx%d): %zu components, repaint %.3f ms median (target 4 ms)\n",
                canvas.zoom(), canvas.width(), canvas.height(), doc.selection().size(), repaint);
    std::printf("drag of %zu selected: %.3f ms median a step, %.0f steps per second (target 60)\n",
                doc.selection().size(), step, 1000.0 / step);
    return 0;
}
