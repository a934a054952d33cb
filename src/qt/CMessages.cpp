#include "qt/CMessages.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <vector>

#include "base/ComponentKind.h"
#include "qt/CLanguage.h"

namespace zl
{
namespace
{

constexpr const char* kContext = "Message";

// The kinds' names as the core's table (componentKindName) gives them, marked for translation.
[[maybe_unused]] constexpr const char* kKindNames[] = {
    QT_TRANSLATE_NOOP("ComponentKind", "Text"),       QT_TRANSLATE_NOOP("ComponentKind", "Register"),
    QT_TRANSLATE_NOOP("ComponentKind", "LED"),        QT_TRANSLATE_NOOP("ComponentKind", "Function Key"),
    QT_TRANSLATE_NOOP("ComponentKind", "Picture"),    QT_TRANSLATE_NOOP("ComponentKind", "Bar Graph"),
    QT_TRANSLATE_NOOP("ComponentKind", "Trend Line"), QT_TRANSLATE_NOOP("ComponentKind", "Dynamic Text"),
    QT_TRANSLATE_NOOP("ComponentKind", "Component")};

// Messages built from parts, with %1 … %9 where the parts go. A part matches any text, so that a
// template should begin or end with words rather than with a part where it can. The first template
// that matches the whole text is taken.
constexpr const char* kTemplates[] = {
    // file reading and writing
    QT_TRANSLATE_NOOP("Message", "Open file%1 error! (%2)"),
    QT_TRANSLATE_NOOP("Message", "too large: %1 bytes, more than the %2 bytes an input can have"),
    QT_TRANSLATE_NOOP("Message", "cannot write the standard output: %1"),
    QT_TRANSLATE_NOOP("Message", "%1 (at byte %2)"),
    // the command line's arguments
    QT_TRANSLATE_NOOP("Message", "%1 needs a value"),
    QT_TRANSLATE_NOOP("Message", "--%1 takes a number from %2 to %3, not \"%4\""),
    QT_TRANSLATE_NOOP("Message", "unknown option %1"),
    QT_TRANSLATE_NOOP("Message", "unknown command %1"),
    // the editor's window commands
    QT_TRANSLATE_NOOP("Message", "Do you want to delete the No. %1 window?"),
    QT_TRANSLATE_NOOP("Message", "No.%1 window exist"),
    // files, catalogues and projects
    QT_TRANSLATE_NOOP("Message", "its previous file cannot be kept while the others are written (%1)"),
    QT_TRANSLATE_NOOP("Message", "the folder %1 does not take new files"),
    QT_TRANSLATE_NOOP("Message", "the text is %1 bytes long, more than the %2 bytes read"),
    QT_TRANSLATE_NOOP("Message", "File %1 does not exist!"),
    QT_TRANSLATE_NOOP("Message", "The catalogue %1 is damaged: %2."),
    QT_TRANSLATE_NOOP("Message", "the project does not read back: %1"),
    QT_TRANSLATE_NOOP("Message", "format version %1 is not supported"),
    // compiling
    QT_TRANSLATE_NOOP("Message", "Window %1 holds %2 components; the panel takes at most %3 in a window."),
    QT_TRANSLATE_NOOP("Message", "The alarm list holds %1 texts; the panel takes at most 255."),
    QT_TRANSLATE_NOOP("Message",
                      "The download image would be %1 bytes, but the panel holds at most %2 bytes (addresses "
                      "0x8000 to 0xFFFF). Remove texts, pictures or components to make it smaller."),
    QT_TRANSLATE_NOOP("Message", "The download image came out %1 bytes long instead of %2; it is not sent."),
    QT_TRANSLATE_NOOP("Message", "The project has no windows; the panel would have nothing to show"),
    QT_TRANSLATE_NOOP("Message", "Window %1: the %2 at (%3, %4) %5."),
    QT_TRANSLATE_NOOP("Message", "The alarm list %1."),
    QT_TRANSLATE_NOOP("Message",
                      "holds a character the panel cannot show (%1): type it again or remove it; the "
                      "panel shows ASCII and two-byte GBK characters"),
    QT_TRANSLATE_NOOP("Message", "the panel fonts cannot draw %1"),
    QT_TRANSLATE_NOOP("Message", "The initial window %1 does not exist; the panel gets window %2 instead"),
    QT_TRANSLATE_NOOP("Message",
                      "The screen-saver window %1 does not exist; the panel gets window %2 instead"),
    QT_TRANSLATE_NOOP("Message", "holds %1 components; the panel takes at most %2 in a window"),
    QT_TRANSLATE_NOOP("Message", "the Up key jumps to window %1, which does not exist"),
    QT_TRANSLATE_NOOP("Message", "the Down key jumps to window %1, which does not exist"),
    QT_TRANSLATE_NOOP("Message", "jumps to window %1, which does not exist"),
    QT_TRANSLATE_NOOP("Message", "reaches beyond the 192 × 64 panel (to %1, %2)"),
    QT_TRANSLATE_NOOP("Message", "max %1 is not above min %2; the compile sets max %3, min %4"),
    QT_TRANSLATE_NOOP("Message",
                      "its register type %1 is not in the protocol's list (%2); the compile takes %3"),
    QT_TRANSLATE_NOOP("Message",
                      "entries %1 and %2 both have the value %3; the panel shows entry %4's content "
                      "for it"),
    QT_TRANSLATE_NOOP("Message", "The image is %1; it does not fit into the panel"),
    QT_TRANSLATE_NOOP("Message", "%1 of %2 bytes"),
    QT_TRANSLATE_NOOP("Message", "the check found %1 problem"),
    QT_TRANSLATE_NOOP("Message", "%1 is used with different word counts"),
    QT_TRANSLATE_NOOP("Message", "%1 is shown in different formats"),
    QT_TRANSLATE_NOOP("Message", "the check found %1 problems"),
    // downloading
    QT_TRANSLATE_NOOP("Message", "The serial port failed: %1"),
    QT_TRANSLATE_NOOP("Message", "The image is %1 bytes, more than the 32768 bytes the panel holds!"),
    QT_TRANSLATE_NOOP("Message", "The driver is %1 bytes, more than the 32768 bytes the panel holds!"),
    QT_TRANSLATE_NOOP("Message", "Download complete!Data %1 bytes"),
    QT_TRANSLATE_NOOP("Message", "Cannot open the serial port%1!\n%2"),
    QT_TRANSLATE_NOOP("Message", "Cannot create a pseudo-terminal: %1"),
    // whole messages of the core
    QT_TRANSLATE_NOOP("Message", "Import .OLZ Project"),
    QT_TRANSLATE_NOOP("Message", "Open the file error!"),
    QT_TRANSLATE_NOOP("Message", "the file type error!"),
    QT_TRANSLATE_NOOP("Message", "conversion accomplished!"),
    QT_TRANSLATE_NOOP("Message", "Register Limit error, cancel?"),
    QT_TRANSLATE_NOOP("Message", "File type error!"),
    QT_TRANSLATE_NOOP("Message", "Is it a correct file?"),
    QT_TRANSLATE_NOOP("Message", "version does not match!"),
    QT_TRANSLATE_NOOP("Message", "The protocol does not exist!"),
    QT_TRANSLATE_NOOP("Message", "Communication Error!!!"),
    QT_TRANSLATE_NOOP("Message", "Wrong informationg!"),
    QT_TRANSLATE_NOOP("Message", "Download data"),
    QT_TRANSLATE_NOOP("Message", "Read image"),
    QT_TRANSLATE_NOOP("Message", "not a regular file"),
    QT_TRANSLATE_NOOP("Message", "in use by another program"),
    QT_TRANSLATE_NOOP("Message", "a pipe that no process reads"),
    // a message after a window or a file name, and one message after another: each part on its own (last:
    // the more particular templates above win)
    QT_TRANSLATE_NOOP("Message", "Window %1: %2"),
    QT_TRANSLATE_NOOP("Message", "%1: %2"),
    QT_TRANSLATE_NOOP("Message", "%1\n%2"),
};

struct CTemplate {
    const char* source;
    QRegularExpression pattern;
};

// Each template as a whole-text pattern, its parts captured in the order they appear.
const std::vector<CTemplate>& templates()
{
    static const std::vector<CTemplate> list = [] {
        std::vector<CTemplate> out;
        const QRegularExpression part(QStringLiteral("%[1-9]"));
        for (const char* source : kTemplates) {
            const QString text = QString::fromUtf8(source);
            QString pattern = QStringLiteral("^");
            qsizetype at = 0;
            for (auto it = part.globalMatch(text); it.hasNext();) {
                const auto m = it.next();
                pattern += QRegularExpression::escape(text.mid(at, m.capturedStart() - at)) +
                           QStringLiteral("(?<p%1>.*?)").arg(m.captured().mid(1));
                at = m.capturedEnd();
            }
            pattern += QRegularExpression::escape(text.mid(at)) + QStringLiteral("$");
            out.push_back(
                {source, QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)});
        }
        return out;
    }();
    return list;
}

} // namespace

std::string translateMessage(const std::string& text)
{
    const std::string whole = translate(kContext, text.c_str());
    if (whole != text)
        return whole;
    const QString qtext = QString::fromStdString(text);
    for (const CTemplate& t : templates()) {
        const QRegularExpressionMatch m = t.pattern.match(qtext);
        if (!m.hasMatch())
            continue;
        const std::string translated = translate(kContext, t.source);
        // One pass over the translation, so that a part holding "%1" is never substituted again.
        const QString pattern = QString::fromStdString(translated);
        QString out;
        for (qsizetype i = 0; i < pattern.size(); ++i) {
            const QString name = QStringLiteral("p") + (i + 1 < pattern.size() ? pattern[i + 1] : QChar());
            if (pattern[i] == QLatin1Char('%') && t.pattern.namedCaptureGroups().contains(name)) {
                // A part that is itself a message (a reason after a file name) is translated too.
                out += QString::fromStdString(translateMessage(m.captured(name).toStdString()));
                ++i;
            } else {
                out += pattern[i];
            }
        }
        return out.toStdString();
    }
    return text;
}

QString componentKindText(std::uint8_t typeCode)
{
    return QCoreApplication::translate("ComponentKind", componentKindName(typeCode));
}

} // namespace zl
