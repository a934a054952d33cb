#pragma once
#include <QDialog>

namespace zl
{

// "About ZL410": the program's image and version.
class CAboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};

} // namespace zl
