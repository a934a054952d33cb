// The form's commands for working on several components: Select all, the Arrange menu and toolbar (align,
// distribute, same size), the undo history and the status bar's cursor and selection panes. Each arrangement
// is one undoable edit of the editing document.
#include <QDockWidget>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QToolBar>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QUndoView>

#include "components/CBarTide.h"
#include "editor/CMainFrame.h"
#include "editor/CZL110View.h"
#include "editor/canvas/CEditorCanvas.h"
#include "editor/document/CEditorDocument.h"

namespace zl
{
namespace
{

constexpr int kIconSize = 20;

// The arrange commands' pictures, in their order: six alignments, two distributions, three sizes. Boxes are
// components, the line the edge or centre they line up on.
QIcon arrangeIcon(int command)
{
    struct CShape {
        QRect boxes[3];
        QLine line;
    };
    static const CShape shapes[] = {
        {{{3, 3, 8, 5}, {3, 11, 13, 5}, {}}, {2, 1, 2, 18}},   // left edges
        {{{9, 3, 8, 5}, {4, 11, 13, 5}, {}}, {17, 1, 17, 18}}, // right edges
        {{{3, 3, 5, 8}, {11, 3, 5, 13}, {}}, {1, 2, 18, 2}},   // top edges
        {{{3, 9, 5, 8}, {11, 4, 5, 13}, {}}, {1, 17, 18, 17}}, // bottom edges
        {{{6, 3, 8, 5}, {3, 11, 14, 5}, {}}, {10, 1, 10, 18}}, // centres
        {{{3, 6, 5, 8}, {11, 3, 5, 14}, {}}, {1, 10, 18, 10}}, // middles
        {{{1, 6, 4, 8}, {8, 6, 4, 8}, {15, 6, 4, 8}}, {}},     // across
        {{{6, 1, 8, 4}, {6, 8, 8, 4}, {6, 15, 8, 4}}, {}},     // down
        {{{3, 3, 14, 5}, {3, 11, 14, 5}, {}}, {}},             // same width
        {{{3, 3, 5, 14}, {11, 3, 5, 14}, {}}, {}},             // same height
        {{{2, 2, 7, 7}, {11, 11, 7, 7}, {}}, {}},              // same size
    };
    QPixmap picture(kIconSize, kIconSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const CShape& shape = shapes[command];
    painter.setPen(QColor(0x30, 0x30, 0x30));
    painter.setBrush(QColor(0x40, 0x80, 0xFF));
    for (const QRect& box : shape.boxes)
        if (!box.isNull())
            painter.drawRect(box.adjusted(0, 0, -1, -1));
    if (!shape.line.isNull()) {
        painter.setPen(QPen(QColor(0xC0, 0x30, 0x30), 2));
        painter.drawLine(shape.line);
    }
    return QIcon(picture);
}

} // namespace

void CMainFrame::createArrangeCommands(QMenu* edit)
{
    CEditorDocument& doc = *m_editing;
    QAction* all = edit->addAction(tr("Select all"));
    all->setShortcut(QKeySequence::SelectAll);
    all->setStatusTip(tr("Select every component of the window"));
    connect(all, &QAction::triggered, this, [&doc] { doc.selectAll(); });

    m_history = new QDockWidget(tr("Undo history"), this);
    m_history->setObjectName(QStringLiteral("undoHistory"));
    auto* list = new QUndoView(&doc.undoStack(), m_history);
    list->setEmptyLabel(tr("<opened>"));
    m_history->setWidget(list);
    addDockWidget(Qt::RightDockWidgetArea, m_history);
    m_history->setFloating(true); // the form keeps its size
    m_history->resize(260, 320);
    m_history->hide();
    QAction* showHistory = m_history->toggleViewAction();
    showHistory->setStatusTip(tr("List the steps that undo and redo go through; a click goes back to one"));
    edit->addAction(showHistory);

    QMenu* arrange = menuBar()->addMenu(tr("Arrange(&A)"));
    using A = CEditorDocument::Align;
    const std::pair<QString, A> aligns[] = {
        {tr("Align left edges"), A::Left},
        {tr("Align right edges"), A::Right},
        {tr("Align top edges"), A::Top},
        {tr("Align bottom edges"), A::Bottom},
        {tr("Align centres"), A::HorizontalCentre},
        {tr("Align middles"), A::VerticalCentre},
    };
    m_arrangeActions.clear();
    for (const auto& [text, how] : aligns) {
        QAction* a = arrange->addAction(text);
        connect(a, &QAction::triggered, this, [&doc, how] { doc.alignSelection(how); });
        m_arrangeActions.push_back({a, 2});
    }
    arrange->addSeparator();
    for (const bool across : {true, false}) {
        QAction* a = arrange->addAction(across ? tr("Distribute horizontally") : tr("Distribute vertically"));
        connect(a, &QAction::triggered, this, [&doc, across] { doc.distributeSelection(across); });
        m_arrangeActions.push_back({a, 3});
    }
    arrange->addSeparator();
    const std::tuple<QString, bool, bool> sizes[] = {
        {tr("Same width"), true, false}, {tr("Same height"), false, true}, {tr("Same size"), true, true}};
    for (const auto& [text, width, height] : sizes) {
        QAction* a = arrange->addAction(text);
        a->setStatusTip(tr("Give the bars and trend lines of the selection the size of the selected one"));
        connect(a, &QAction::triggered, this,
                [&doc, width, height] { doc.sameSizeSelection(width, height); });
        m_arrangeActions.push_back({a, 2});
    }

    // The same commands as a toolbar of their own, floating beside the fixed-size form like the history.
    auto* bar = new QToolBar(tr("Arrange"));
    bar->setIconSize({kIconSize, kIconSize});
    for (std::size_t i = 0; i < m_arrangeActions.size(); ++i) {
        QAction* a = m_arrangeActions[i].first;
        a->setIcon(arrangeIcon(static_cast<int>(i)));
        a->setToolTip(a->text());
        bar->addAction(a);
        if (i == 5 || i == 7)
            bar->addSeparator();
    }
    auto* barDock = new QDockWidget(tr("Arrange"), this);
    barDock->setObjectName(QStringLiteral("arrangeToolbar"));
    barDock->setWidget(bar);
    addDockWidget(Qt::RightDockWidgetArea, barDock);
    barDock->setFloating(true);
    barDock->hide();
    QAction* showBar = barDock->toggleViewAction();
    showBar->setText(tr("Arrange toolbar"));
    showBar->setStatusTip(tr("Show the arrange commands as a toolbar"));
    arrange->addSeparator();
    arrange->addAction(showBar);

    m_cursorPane = new QLabel(this);
    m_selectionPane = new QLabel(this);
    for (QLabel* pane : {m_cursorPane, m_selectionPane}) {
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("000, 00  000 × 00")));
        statusBar()->addPermanentWidget(pane);
    }
    connect(&m_view->canvas(), &CEditorCanvas::hovered, this, [this](std::optional<CPoint> at) {
        m_cursorPane->setText(at ? tr("%1, %2").arg(at->x).arg(at->y) : QString());
    });
    for (auto changed : {&CEditorDocument::selectionChanged, &CEditorDocument::changed})
        connect(&doc, changed, this, &CMainFrame::showSelection);
    m_cursorPane->setToolTip(tr("The panel pixel under the mouse"));
    m_selectionPane->setToolTip(tr("Position and size of the selection, in panel pixels"));
}

void CMainFrame::showSelection()
{
    const std::vector<CBase*> chosen = m_editing->selection();
    for (const auto& [a, least] : m_arrangeActions)
        a->setEnabled(chosen.size() >= least);
    if (chosen.empty()) {
        m_selectionPane->clear();
        return;
    }
    int left = kPanelWidth, top = kPanelHeight, right = 0, bottom = 0;
    for (const CBase* c : chosen) {
        left = std::min(left, c->x);
        top = std::min(top, c->y);
        right = std::max(right, c->x + kPanelWidth - c->MaxPanelX());
        bottom = std::max(bottom, c->y + kPanelHeight - c->MaxPanelY());
    }
    m_selectionPane->setText(tr("%1, %2  %3 × %4").arg(left).arg(top).arg(right - left).arg(bottom - top));
}

} // namespace zl
