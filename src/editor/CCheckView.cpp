#include "editor/CCheckView.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "compile/CProjectCheck.h"
#include "qt/CMessages.h"

namespace zl
{
namespace
{
constexpr int kWindowRole = Qt::UserRole;
constexpr int kComponentRole = Qt::UserRole + 1;
} // namespace

CCheckView::CCheckView(QWidget* parent)
    : QDockWidget(tr("Check project"), parent), m_size(new QProgressBar), m_summary(new QLabel),
      m_refresh(new QPushButton(tr("Refresh"))), m_list(new QTreeWidget), m_recheck(new QTimer(this))
{
    setObjectName(QStringLiteral("checkView"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    m_size->setRange(0, static_cast<int>(CCheckReport::kImageCapacity));
    auto* top = new QHBoxLayout;
    top->addWidget(m_size, 1);
    top->addWidget(m_refresh);
    layout->addLayout(top);
    layout->addWidget(m_summary);
    m_list->setColumnCount(3);
    m_list->setHeaderLabels({tr("Window"), tr("Component"), tr("Problem")});
    m_list->setRootIsDecorated(false);
    m_list->setWordWrap(true);
    m_list->header()->setStretchLastSection(true);
    m_list->setColumnWidth(0, 60);
    m_list->setColumnWidth(1, 170);
    layout->addWidget(m_list);
    setWidget(content);

    m_recheck->setSingleShot(true);
    m_recheck->setInterval(kRecheckDelayMs);
    connect(m_recheck, &QTimer::timeout, this, [this] {
        if (isVisible())
            emit recheckWanted();
    });
    connect(m_refresh, &QPushButton::clicked, this, &CCheckView::recheckWanted);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item->data(0, kWindowRole).isValid())
            emit componentWanted(static_cast<quint16>(item->data(0, kWindowRole).toUInt()),
                                 item->data(0, kComponentRole).toULongLong());
    });
}

void CCheckView::ScheduleRecheck()
{
    if (isVisible())
        m_recheck->start(); // restarts: the delay runs from the last change
}

bool CCheckView::recheckPending() const
{
    return m_recheck->isActive();
}

void CCheckView::ShowNoProject()
{
    m_recheck->stop();
    m_size->setValue(0);
    m_size->setFormat(tr("Not compiled"));
    m_summary->setText(tr("No project is open."));
    m_list->clear();
}

void CCheckView::ShowReport(const CCheckReport& report)
{
    m_recheck->stop();
    m_size->setValue(static_cast<int>(std::min(report.imageSize.value_or(0), CCheckReport::kImageCapacity)));
    m_size->setFormat(report.imageSize ? QString::fromStdString(translateMessage(report.sizeText())) : tr("Not compiled"));
    const auto count = static_cast<int>(report.findings.size());
    m_summary->setText(count == 0   ? tr("No problems found.")
                       : count == 1 ? tr("1 problem found (double-click a row to show it).")
                                    : tr("%1 problems found (double-click a row to show it).").arg(count));
    m_list->clear();
    for (const CCheckFinding& f : report.findings) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, f.window ? QString::number(*f.window) : QStringLiteral("—"));
        item->setText(1, QString::fromStdString(translateMessage(f.componentName)));
        item->setText(2, QString::fromStdString(translateMessage(f.text)));
        item->setToolTip(2, item->text(2));
        if (f.window) {
            item->setData(0, kWindowRole, static_cast<uint>(*f.window));
            item->setData(0, kComponentRole, f.component ? qulonglong(*f.component) : kNoComponent);
        }
    }
}

} // namespace zl
