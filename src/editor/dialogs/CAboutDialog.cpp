#include "editor/dialogs/CAboutDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

#include "editor/canvas/CToolIcons.h"
#include "editor/help/HelpTopics.h"
#include "qt/ProgramVersion.h"

namespace zl
{

CAboutDialog::CAboutDialog(const QString& licenceFile, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About ZL410"));
    help::setHelpTopic(this, help::kAbout);
    auto* layout = new QGridLayout(this);
    auto* image = new QLabel(this);
    image->setPixmap(applicationIcon().pixmap(48, 48));
    layout->addWidget(image, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(new QLabel(tr("ZL410 configuration tool, version %1").arg(QLatin1String(programVersion())), this),
                      0, 1);
    QFile licence(licenceFile);
    if (licence.open(QIODevice::ReadOnly)) {
        m_licence = new QPlainTextEdit(QString::fromUtf8(licence.readAll()), this);
        m_licence->setReadOnly(true);
        m_licence->setMinimumSize(520, 260);
        layout->addWidget(m_licence, 1, 1);
    } else {
        // Only a damaged installation lacks it.
        layout->addWidget(
            new QLabel(tr("The licence file %1 is missing.").arg(QDir::toNativeSeparators(licenceFile)),
                       this),
            1, 1);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons, 2, 1);
    setFixedSize(sizeHint());
}

} // namespace zl
