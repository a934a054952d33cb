#pragma once
#include <QDialog>

class QPlainTextEdit;

namespace zl
{

// "About ZL410": the program's image, version and licence. The licence is the text of `licenceFile`;
// while there is none it is announced as to come.
class CAboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDialog(const QString& licenceFile, QWidget* parent = nullptr);

    // The licence's text, or null while there is no licence file.
    QPlainTextEdit* licenceText() const { return m_licence; }

private:
    QPlainTextEdit* m_licence = nullptr;
};

} // namespace zl
