#include "cli/CliFiles.h"

#include <filesystem>
#include <system_error>

#include <QBuffer>
#include <QImage>

#include "base/FileIo.h"
#include "cli/Cli.h"

namespace zl::cli
{
namespace
{

// A write to `path` puts a new file in place: it does not exist yet or is a regular file.
bool replacesAFile(const std::string& path)
{
    std::error_code ec;
    const auto type = std::filesystem::status(path, ec).type();
    return type == std::filesystem::file_type::not_found || type == std::filesystem::file_type::regular;
}

} // namespace

Status distinctFiles(const std::vector<std::string>& inputs, const std::vector<std::string>& outputs)
{
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const std::string& out = outputs[i];
        if (!replacesAFile(out))
            continue;
        for (const std::string& in : inputs) {
            if (SameFile(out, in))
                return makeError(localized(
                    QT_TRANSLATE_NOOP("Message", "%1 is the same file as the input %2: nothing written"),
                    {out, in}));
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (SameFile(out, outputs[j]))
                return makeError(localized(
                    QT_TRANSLATE_NOOP("Message", "%1 is the same file as the output %2: nothing written"),
                    {out, outputs[j]}));
        }
    }
    return Ok{};
}

Result<Bytes> encodePng(const QImage& picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        return makeError(QT_TRANSLATE_NOOP("Message", "cannot encode the picture"));
    return Bytes(png.begin(), png.end());
}

Status writePng(const std::string& path, const QImage& picture)
{
    const auto png = encodePng(picture);
    if (!png)
        return makeError(localized(QT_TRANSLATE_NOOP("Message", "cannot encode the picture for %1"), {path}));
    return WriteFileSafely(path, *png);
}

} // namespace zl::cli
