// The form's commands for working on several components: Select all, the Arrange menu (align, distribute,
// same size), the undo history and the status bar's cursor and selection panes. Each arrangement is one
// undoable edit of the editing document.
#include <QDockWidget>
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
