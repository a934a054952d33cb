#include "editor/dialogs/CMessagePrompter.h"

#include <QMessageBox>

#include "qt/CMessages.h"

namespace zl
{
namespace
{

// Messages without a caption of their own carry the program's name. Texts and captions come in English
// (many from the core) and are shown in the interface language.
QString captionOf(const std::string& caption)
{
    return caption.empty() ? QStringLiteral("ZL410") : QString::fromStdString(translateMessage(caption));
}

QString shown(const std::string& text)
{
    return QString::fromStdString(translateMessage(text));
}

} // namespace

void CMessagePrompter::message(const std::string& text, const std::string& caption)
{
    QMessageBox::warning(m_parent, captionOf(caption), shown(text));
}

void CMessagePrompter::inform(const std::string& text, const std::string& caption)
{
    QMessageBox::information(m_parent, captionOf(caption), shown(text));
}

bool CMessagePrompter::askOkCancel(const std::string& text, const std::string& caption)
{
    QMessageBox box(QMessageBox::Question, captionOf(caption), shown(text),
                    QMessageBox::Ok | QMessageBox::Cancel, m_parent);
    return box.exec() == QMessageBox::Ok;
}

CPrompter::Answer CMessagePrompter::askYesNoCancel(const std::string& text, const std::string& caption)
{
    const auto button = QMessageBox::question(m_parent, captionOf(caption), shown(text),
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    return button == QMessageBox::Yes ? Answer::Yes : button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

} // namespace zl
