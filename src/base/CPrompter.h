#pragma once
// The core never talks to the user itself: every message and question goes through this interface.
// The editor answers with message boxes, the command line and the tests from a script.
#include <string>

namespace zl {

class CPrompter {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~CPrompter() = default;
    virtual void message(const std::string& text, const std::string& caption) = 0;
    // A message that reports success (an information icon where the front end has icons).
    virtual void inform(const std::string& text, const std::string& caption) { message(text, caption); }
    // OK/Cancel with a question icon; true for OK.
    virtual bool askOkCancel(const std::string& text, const std::string& caption) = 0;
    virtual Answer askYesNoCancel(const std::string& text, const std::string& caption) = 0;
};

} // namespace zl
