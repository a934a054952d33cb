#include "editor/dialogs/CImportDialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/help/HelpTopics.h"
#include "import/OldProjectConverter.h"
#include "qt/CMessages.h"

namespace zl
{

bool RunImportDialog(QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("importDialog"));
    help::setHelpTopic(&dialog, help::kImport);
    dialog.setWindowTitle(QString::fromStdString(translateMessage(kImportCaption)));
    auto* layout = new QVBoxLayout(&dialog);
    auto* bar = new QProgressBar(&dialog);
    bar->setRange(0, 10000);
    auto* line = new QLabel(&dialog);
    layout->addWidget(bar);
    layout->addWidget(line);
    auto* buttons = new QHBoxLayout;
    auto* convert = new QPushButton(QCoreApplication::translate("CImportDialog", "Convert"), &dialog);
    auto* cancel = new QPushButton(QCoreApplication::translate("CImportDialog", "Cancel"), &dialog);
    convert->setObjectName(QStringLiteral("convert"));
    convert->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(convert);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(convert, &QPushButton::clicked, &dialog, [&] {
        line->setText(QCoreApplication::translate("CImportDialog", "Convert Old Project..."));
        for (int v = 1; v < 10000; v += 2)
            bar->setValue(v);
        dialog.accept();
    });
    return dialog.exec() == QDialog::Accepted;
}

} // namespace zl
