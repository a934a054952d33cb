#pragma once
// The file dialogs the editor asks through, so that tests can answer them from a script.
#include <QString>

class QWidget;

namespace zl
{

class CFileChooser
{
public:
    virtual ~CFileChooser() = default;
    // An empty path when the user cancels. `filter` is in Qt's form ("Name (*.ext);;…").
    virtual QString openFile(QWidget* parent, const QString& caption, const QString& filter) = 0;
    virtual QString saveFile(QWidget* parent, const QString& caption, const QString& filter,
                             const QString& suggested) = 0;
};

// The standard file dialogs.
class CDialogFileChooser : public CFileChooser
{
public:
    QString openFile(QWidget* parent, const QString& caption, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& caption, const QString& filter,
                     const QString& suggested) override;
};

} // namespace zl
