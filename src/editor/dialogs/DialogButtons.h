#pragma once
// The "Ok" and "Cancel" row at the foot of a dialog.
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace zl
{

inline QDialogButtonBox* okCancelButtons(QDialog* dialog)
{
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    box->button(QDialogButtonBox::Ok)->setText(QCoreApplication::translate("DialogButtons", "Ok"));
    box->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("DialogButtons", "Cancel"));
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

} // namespace zl
