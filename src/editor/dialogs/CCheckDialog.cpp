#include "editor/dialogs/CCheckDialog.h"

#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "compile/CProjectCheck.h"

namespace zl
{
namespace
{
constexpr int kWindowRole = Qt::UserRole;
constexpr int kComponentRole = Qt::UserRole + 1;
} // namespace

CCheckDialog::CCheckDialog(QWidget* parent)
    : QDialog(parent), m_size(new QProgressBar(this)), m_summary(new QLabel(this)),
      m_list(new QTreeWidget(this))
{
    setWindowTitle(QStringLiteral("Check project"));
    setModal(false);
    resize(640, 320);
    auto* layout = new QVBoxLayout(this);
    m_size->setRange(0, static_cast<int>(CCheckReport::kImageCapacity));
    layout->addWidget(m_size);
    layout->addWidget(m_summary);
    m_list->setColumnCount(3);
    m_list->setHeaderLabels(
        {QStringLiteral("Window"), QStringLiteral("Component"), QStringLiteral("Problem")});
    m_list->setRootIsDecorated(false);
    m_list->setWordWrap(true);
    m_list->header()->setStretchLastSection(true);
    m_list->setColumnWidth(0, 60);
    m_list->setColumnWidth(1, 170);
    layout->addWidget(m_list);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item->data(0, kWindowRole).isValid())
            emit componentWanted(static_cast<quint16>(item->data(0, kWindowRole).toUInt()),
                                 item->data(0, kComponentRole).toULongLong());
    });
}

void CCheckDialog::ShowReport(const CCheckReport& report)
{
    m_size->setValue(static_cast<int>(std::min(report.imageSize.value_or(0), CCheckReport::kImageCapacity)));
    m_size->setFormat(report.imageSize ? QString::fromStdString(report.sizeText())
                                       : QStringLiteral("Not compiled"));
    const auto count = report.findings.size();
    m_summary->setText(count == 0 ? QStringLiteral("No problems found.")
                       : count == 1
                           ? QStringLiteral("1 problem found (double-click a row to show it).")
                           : QStringLiteral("%1 problems found (double-click a row to show it).").arg(count));
    m_list->clear();
    for (const CCheckFinding& f : report.findings) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, f.window ? QString::number(*f.window) : QStringLiteral("—"));
        item->setText(1, QString::fromStdString(f.componentName));
        item->setText(2, QString::fromStdString(f.text));
        item->setToolTip(2, item->text(2));
        if (f.window) {
            item->setData(0, kWindowRole, static_cast<uint>(*f.window));
            item->setData(0, kComponentRole, f.component ? qulonglong(*f.component) : kNoComponent);
        }
    }
    show();
    raise();
}

} // namespace zl
