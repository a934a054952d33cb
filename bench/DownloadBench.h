#pragma once
// What the download benchmarks share: deterministic filler bytes and a prompter that only prints.
#include <cstdio>
#include <string>

#include "base/Bytes.h"
#include "base/CPrompter.h"

namespace zl::bench
{

inline Bytes filler(std::size_t n, unsigned seed)
{
    Bytes b(n);
    for (auto& x : b)
        x = static_cast<std::uint8_t>(seed = seed * 1103515245u + 12345u);
    return b;
}

// Messages go to stderr; questions are answered OK.
class PrintingPrompter : public CPrompter
{
public:
    void message(const std::string& text, const std::string&) override
    {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    bool askOkCancel(const std::string&, const std::string&) override { return true; }
    Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::Cancel; }
};

} // namespace zl::bench
