// zl410-cli convert: turns an old (.olz) project into a project file.
#include <QSaveFile>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "cli/Cli.h"
#include "import/OldProjectConverter.h"

namespace zl::cli
{
namespace
{

int run(Args& args);
const CliCommand command{
    "convert", "OLD.olz [-o|--output NEW.pjz]",
    "convert an old project; NEW defaults to OLD's folder and name with the extension .pjz", run};

std::optional<Bytes> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in || std::filesystem::is_directory(path))
        return std::nullopt;
    Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return bytes;
}

// Writes beside the target and renames over it only after a complete, flushed write, so a failure leaves
// any previous file as it was.
Status writeFileSafely(const std::string& path, const Bytes& bytes)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) !=
            qint64(bytes.size()) ||
        !file.commit()) {
        return makeError("Cannot write " + path + ": " + file.errorString().toStdString());
    }
    return Ok{};
}

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

int run(Args& args)
{
    const std::optional<std::string> output = args.option("output", "o");
    const std::vector<std::string> files = args.positional();
    if (args.usageError())
        return usage(command, args.usageMessage());
    if (files.size() != 1)
        return usage(command, "one old project file expected");
    const std::string& oldPath = files.front();
    const std::string newPath =
        output ? *output : std::filesystem::path(oldPath).replace_extension(".pjz").string();
    if (sameFile(oldPath, newPath))
        return usage(command, "the converted project would replace the old one");

    const std::optional<Bytes> old = readFile(oldPath);
    if (!old)
        return fail(oldPath + ": " + kOpenOldFileError);
    const Result<Bytes> converted = ConvertOldProject(*old);
    if (!converted)
        return fail(oldPath + ": " + converted.error().describe());
    if (const Status written = writeFileSafely(newPath, *converted); !written)
        return fail(written.error().describe());
    std::printf("%s\n", kConversionDone);
    return kExitOk;
}

} // namespace
} // namespace zl::cli
