#include "editor/document/CComponentClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "file/CProjectFile.h"
#include "model/CBase.h"

namespace zl
{
namespace
{

// A clipboard far larger than any window's components (a full-panel picture is some kilobytes) is not
// read.
constexpr qsizetype kLargestClipboard = 1 << 22;

QString mime(const char* type)
{
    return QString::fromLatin1(type);
}

std::unique_ptr<CBase> readBody(const char* begin, const char* end)
{
    auto component = ReadComponent(Bytes(begin, end));
    return component ? std::move(*component) : nullptr;
}

} // namespace

void CopyToClipboard(const std::vector<CBase*>& components)
{
    if (components.empty())
        return;
    auto* data = new QMimeData;
    QByteArray list;
    for (CBase* c : components) {
        const Bytes body = WriteComponent(*c);
        const auto size = static_cast<std::uint32_t>(body.size());
        for (int shift = 0; shift < 32; shift += 8)
            list.append(static_cast<char>(size >> shift & 0xFF));
        list.append(reinterpret_cast<const char*>(body.data()), qsizetype(body.size()));
        if (c == components.front())
            data->setData(mime(kComponentMimeType), list.mid(4));
    }
    data->setData(mime(kComponentsMimeType), list);
    QGuiApplication::clipboard()->setMimeData(data);
}

bool ClipboardHasComponent()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && (data->hasFormat(mime(kComponentsMimeType)) || data->hasFormat(mime(kComponentMimeType)));
}

std::vector<std::unique_ptr<CBase>> ComponentsFromClipboard()
{
    std::vector<std::unique_ptr<CBase>> out;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return out;
    if (!data->hasFormat(mime(kComponentsMimeType))) {
        const QByteArray raw = data->data(mime(kComponentMimeType));
        if (raw.isEmpty() || raw.size() > kLargestClipboard)
            return out;
        if (auto c = readBody(raw.cbegin(), raw.cend()))
            out.push_back(std::move(c));
        return out;
    }
    const QByteArray raw = data->data(mime(kComponentsMimeType));
    if (raw.size() > kLargestClipboard)
        return out;
    for (qsizetype at = 0; at < raw.size();) {
        if (raw.size() - at < 4)
            return {};
        std::uint32_t size = 0;
        for (int i = 0; i < 4; ++i)
            size |= std::uint32_t(static_cast<unsigned char>(raw[at + i])) << (8 * i);
        at += 4;
        if (size > std::uint64_t(raw.size() - at))
            return {};
        auto c = readBody(raw.cbegin() + at, raw.cbegin() + at + qsizetype(size));
        if (!c)
            return {};
        out.push_back(std::move(c));
        at += qsizetype(size);
    }
    return out;
}

} // namespace zl
