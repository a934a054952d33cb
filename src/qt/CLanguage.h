#pragma once
// The interface language. The source texts are English; Simplified Chinese comes from
// translations/zl410_zh_CN.ts, built into <data folder>/translations/zl410_zh_CN.qm beside Qt's own
// qtbase_zh_CN.qm (standard buttons and dialogs). Numbers, operand names, file contents and what the
// compiler writes into the panel's image never go through this.
#include <string>

namespace zl
{

constexpr const char* kEnglish = "en";
constexpr const char* kChinese = "zh_CN";

// The language the environment asks for: $ZL410_LANG, else the first of LC_ALL, LC_MESSAGES and LANG
// that is set (on Windows, when none is, the user's interface language). "zh…" gives kChinese, anything
// else kEnglish.
std::string systemLanguage();

// Loads the catalogues of `language` (kEnglish loads none, an unknown name is English). With a
// QCoreApplication they are installed for tr(); translate() reads them in either case.
void useLanguage(const std::string& language);

// Whether the interface speaks English (no catalogue is loaded).
bool interfaceIsEnglish();

// `text` of `context` in the language in use, UTF-8; `text` itself when it has no translation.
std::string translate(const char* context, const char* text);

} // namespace zl
