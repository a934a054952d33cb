#pragma once
// Messages that reach the user as plain text (from the core, which knows no Qt, and from the command
// line) are translated where they are shown, by the "Message" context of the interface language: a text
// marked QT_TRANSLATE_NOOP("Message", …) where it is written is looked up whole; a text built from parts
// is matched against the templates in CMessages.cpp, whose %1, %2 … stand for the parts and come back in
// the translation unchanged (file names, numbers, operands).
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

namespace zl
{

enum class COperandField : std::uint8_t;
enum class CAccess : std::uint8_t;
struct COperandUse;

// `text` in the interface language; `text` unchanged when nothing matches or the language is English.
std::string translateMessage(const std::string& text);

// The templates in the order they are tried, and the first one that matches `text` (nullptr: none).
std::span<const char* const> messageTemplates();
const char* matchingTemplate(const std::string& text);

// A text of the program's own in the interface language: `text` is marked QT_TRANSLATE_NOOP("Message", …)
// where it is written, and its %1 … %9 take `parts` (numbers, names, file names), which are never translated.
std::string localized(const char* text, std::initializer_list<std::string> parts = {});

// A component kind's name ("LED", "Bar Graph") in the interface language.
QString componentKindText(std::uint8_t typeCode);

// Where an operand is used ("window 3 (Pump), Register 2 at (10, 20)"), in which field and how the panel
// reaches it, in the interface language.
QString operandUseText(const COperandUse& use);
QString operandFieldText(COperandField field);
QString accessText(CAccess access);

} // namespace zl
