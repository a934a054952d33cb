#include "editor/dialogs/CMessagePrompter.h"

#include <QMessageBox>

namespace zl
{
namespace
{

// Messages without a caption of their own carry the program's name.
QString captionOf(const std::string& caption)
{
    return caption.empty() ? QStringLiteral("ZL410") : QString::fromStdString(caption);
}

} // namespace

void CMessagePrompter::message(const std::string& text, const std::string& caption)
{
    QMessageBox::warning(m_parent, captionOf(caption), QString::fromStdString(text));
}

void CMessagePrompter::inform(const std::string& text, const std::string& caption)
{
    QMessageBox::information(m_parent, captionOf(caption), QString::fromStdString(text));
}

bool CMessagePrompter::askOkCancel(const std::string& text, const std::string& caption)
{
    QMessageBox box(QMessageBox::Question, captionOf(caption), QString::fromStdString(text),
                    QMessageBox::Ok | QMessageBox::Cancel, m_parent);
    return box.exec() == QMessageBox::Ok;
}

CPrompter::Answer CMessagePrompter::askYesNoCancel(const std::string& text, const std::string& caption)
{
    const auto button = QMessageBox::question(m_parent, captionOf(caption), QString::fromStdString(text),
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    return button == QMessageBox::Yes ? Answer::Yes : button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

} // namespace zl
