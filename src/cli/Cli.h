#pragma once
// The command line's sub-commands. Each command file registers itself with a static CliCommand, so
// adding a command touches no other file.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include <QtGlobal> // QT_TRANSLATE_NOOP: messages and summaries are translated where they are printed

#include "qt/CMessages.h" // localized(): the command line's own lines in the interface language

namespace zl::cli {

// Exit statuses of every command.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1; // the system's message is on stderr
constexpr int kExitUsage = 2;

// Arguments after the command name, with the global options already taken out.
class Args {
public:
    Args(std::vector<std::string> args, std::string dataDir)
        : m_args(std::move(args)), m_dataDir(std::move(dataDir)) {}

    // Removes "--name VALUE" (or "--name=VALUE", or "-s VALUE" when a short name s is given) and returns
    // VALUE; nullopt when absent. A missing value (the end, or another "--option" in its place) sets the
    // usage error.
    std::optional<std::string> option(const std::string& name, const std::string& shortName = {});
    // Removes "--name N" and returns N, a whole decimal number from `low` to `high` written with digits
    // only; anything else sets the usage error naming the option and gives nullopt, as does absence.
    std::optional<unsigned long> number(const std::string& name, unsigned long low, unsigned long high);
    // Removes the flag "--name" and returns whether it was there.
    bool flag(const std::string& name);
    // The remaining positional arguments; an unknown "--option" left over sets the usage error.
    std::vector<std::string> positional();

    // Data folder: --data-dir, else the program's own lookup.
    const std::string& dataDir() const { return m_dataDir; }
    bool usageError() const { return !m_usage.empty(); }
    const std::string& usageMessage() const { return m_usage; }
    void setUsageError(std::string text) { m_usage = std::move(text); }

private:
    std::vector<std::string> m_args;
    std::string m_dataDir;
    std::string m_usage;
};

struct CliCommand {
    const char* name;
    const char* usage; // one line: arguments and options
    const char* summary;
    int (*run)(Args&);

    CliCommand(const char* n, const char* u, const char* s, int (*r)(Args&));
};

const std::vector<const CliCommand*>& commands();

// `text` (UTF-8) with spaces after it up to `columns` terminal columns, where a Chinese character takes
// two: listings line up in either language.
std::string padded(const std::string& text, std::size_t columns);

// Words of a listing (column headings, names of screens) are marked QT_TRANSLATE_NOOP("Listing", …) and
// translated with translate("Listing", …): kept apart from the messages, where a part that happens to be
// such a word must stay as it is.

// Prints "zl410-cli: TEXT" on stderr and returns kExitFailure.
int fail(const std::string& text);
// Prints the usage error with the command's usage line and returns kExitUsage.
int usage(const CliCommand& command, const std::string& text);
// Flushes standard output and turns a write error on it (a full disk, a closed pipe) into a failure;
// `status` otherwise.
int finishStandardOutput(int status);

} // namespace zl::cli
