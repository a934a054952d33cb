#include "editor/dialogs/CAboutDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

#include "editor/canvas/CToolIcons.h"
#include "qt/ProgramVersion.h"

namespace zl
{

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About ZL410"));
    auto* layout = new QGridLayout(this);
    auto* image = new QLabel(this);
    image->setPixmap(applicationIcon().pixmap(48, 48));
    layout->addWidget(image, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(new QLabel(QStringLiteral("ZL410 V") + QString::fromLatin1(programVersion()), this), 0, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons, 1, 1);
    setFixedSize(sizeHint());
}

} // namespace zl
