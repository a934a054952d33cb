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

// A clipboard far larger than any component (a full-panel picture is some kilobytes) is not read.
constexpr qsizetype kLargestComponent = 1 << 20;

} // namespace

void CopyToClipboard(CBase& component)
{
    const Bytes body = WriteComponent(component);
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kComponentMimeType),
                  QByteArray(reinterpret_cast<const char*>(body.data()), qsizetype(body.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

bool ClipboardHasComponent()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasFormat(QString::fromLatin1(kComponentMimeType));
}

std::unique_ptr<CBase> ComponentFromClipboard()
{
    if (!ClipboardHasComponent())
        return nullptr;
    const QByteArray raw =
        QGuiApplication::clipboard()->mimeData()->data(QString::fromLatin1(kComponentMimeType));
    if (raw.size() > kLargestComponent)
        return nullptr;
    auto component = ReadComponent(Bytes(raw.begin(), raw.end()));
    return component ? std::move(*component) : nullptr;
}

} // namespace zl
