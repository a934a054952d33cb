#include "cli/Cli.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "qt/CLanguage.h"
#include "qt/CMessages.h"

namespace zl::cli {

namespace {
std::vector<const CliCommand*>& registry()
{
    static std::vector<const CliCommand*> list;
    return list;
}

bool isOptionName(const std::string& arg) { return arg.size() > 2 && arg.compare(0, 2, "--") == 0; }

// A whole decimal number of digits only (no sign, space or exponent) that fits.
std::optional<unsigned long> parseNumber(const std::string& text)
{
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoul(text);
}

} // namespace

CliCommand::CliCommand(const char* n, const char* u, const char* s, int (*r)(Args&))
    : name(n), usage(u), summary(s), run(r)
{
    auto& list = registry();
    list.insert(std::upper_bound(list.begin(), list.end(), this,
                                 [](const CliCommand* a, const CliCommand* b) {
                                     return std::string(a->name) < b->name;
                                 }),
                this);
}

const std::vector<const CliCommand*>& commands() { return registry(); }

std::optional<std::string> Args::option(const std::string& name, const std::string& shortName)
{
    const std::string flagName = "--" + name;
    for (auto it = m_args.begin(); it != m_args.end(); ++it) {
        if (*it == flagName || (!shortName.empty() && *it == "-" + shortName)) {
            if (it + 1 == m_args.end() || isOptionName(*(it + 1))) {
                setUsageError(*it + " needs a value");
                m_args.erase(it);
                return std::nullopt;
            }
            std::string value = *(it + 1);
            m_args.erase(it, it + 2);
            return value;
        }
        if (it->rfind(flagName + "=", 0) == 0) {
            std::string value = it->substr(flagName.size() + 1);
            m_args.erase(it);
            return value;
        }
        if (*it == "--")
            break;
    }
    return std::nullopt;
}

std::optional<unsigned long> Args::number(const std::string& name, unsigned long low, unsigned long high)
{
    const auto text = option(name);
    if (!text)
        return std::nullopt;
    const auto value = parseNumber(*text);
    if (value && *value >= low && *value <= high)
        return value;
    setUsageError("--" + name + " takes a number from " + std::to_string(low) + " to " + std::to_string(high) +
                  ", not \"" + *text + "\"");
    return std::nullopt;
}

bool Args::flag(const std::string& name)
{
    const auto it = std::find(m_args.begin(), m_args.end(), "--" + name);
    if (it == m_args.end())
        return false;
    m_args.erase(it);
    return true;
}

std::vector<std::string> Args::positional()
{
    std::vector<std::string> out;
    bool literal = false;
    for (const auto& a : m_args) {
        if (!literal && a == "--") {
            literal = true;
        } else if (!literal && a.size() > 1 && a[0] == '-') {
            setUsageError("unknown option " + a);
        } else {
            out.push_back(a);
        }
    }
    return out;
}

std::string padded(const std::string& text, std::size_t columns)
{
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        // East Asian wide characters: Hangul Jamo, CJK and its punctuation, Hangul, full-width forms.
        const bool wide = (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF) ||
                          (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF) ||
                          (code >= 0xFE30 && code <= 0xFE4F) || (code >= 0xFF00 && code <= 0xFF60) ||
                          (code >= 0xFFE0 && code <= 0xFFE6) || (code >= 0x20000 && code <= 0x3FFFD);
        width += wide ? 2 : 1;
        i += length;
    }
    return text + std::string(columns > width ? columns - width : 0, ' ');
}

int fail(const std::string& text)
{
    std::fprintf(stderr, "zl410-cli: %s\n", translateMessage(text).c_str());
    return kExitFailure;
}

int usage(const CliCommand& command, const std::string& text)
{
    std::fprintf(stderr, "zl410-cli %s: %s\n%s zl410-cli %s %s\n", command.name,
                 translateMessage(text).c_str(), translate("Message", "usage:").c_str(), command.name,
                 command.usage);
    return kExitUsage;
}

int finishStandardOutput(int status)
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    const int error = errno;
    fail(std::string("cannot write the standard output: ") + std::strerror(error));
    return kExitFailure;
}

} // namespace zl::cli
