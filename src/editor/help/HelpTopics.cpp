#include "editor/help/HelpTopics.h"

#include <QVariant>
#include <QWidget>

namespace zl::help
{
namespace
{
constexpr const char* kProperty = "zl410HelpTopic";
} // namespace

void setHelpTopic(QWidget* widget, const char* topic)
{
    widget->setProperty(kProperty, QString::fromLatin1(topic));
}

QString helpTopic(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        const QVariant topic = widget->property(kProperty);
        if (topic.isValid())
            return topic.toString();
    }
    return QString::fromLatin1(kContents);
}

} // namespace zl::help
