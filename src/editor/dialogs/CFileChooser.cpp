#include "editor/dialogs/CFileChooser.h"

#include <QFileDialog>

namespace zl
{

QString CDialogFileChooser::openFile(QWidget* parent, const QString& caption, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter, nullptr, QFileDialog::ReadOnly);
}

QString CDialogFileChooser::saveFile(QWidget* parent, const QString& caption, const QString& filter,
                                     const QString& suggested)
{
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

} // namespace zl
