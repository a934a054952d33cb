#include "editor/document/CZL110Doc.h"

#include <QDir>
#include <QFileInfo>

#include "editor/CEditorSettings.h"
#include "editor/dialogs/CFileChooser.h"
#include "editor/dialogs/CImportDialog.h"
#include "editor/CZL110View.h"
#include "import/OldProjectConverter.h"
#include "file/CProjectFile.h"
#include "base/CPrompter.h"
#include "base/FileIo.h"

namespace zl
{
namespace
{

constexpr const char* kRecentGroup = "Recent File List";

std::string text(const QString& s)
{
    return s.toStdString();
}

} // namespace

CZL110Doc::CZL110Doc(CZL110View& view, CPrompter& prompter, CFileChooser& files, QWidget* dialogParent)
    : QObject(dialogParent), m_view(view), m_prompter(prompter), m_files(files), m_dialogParent(dialogParent),
      m_title(QStringLiteral("ZL410"))
{
    connect(&view.document(), &CEditorDocument::modifiedChanged, this,
            [this] { emit titleChanged(caption()); });
}

bool CZL110Doc::IsModified() const
{
    return m_view.document().isModified();
}

void CZL110Doc::SetModifiedFlag(bool modified)
{
    m_view.document().setModified(modified);
}

QString CZL110Doc::caption() const
{
    return IsModified() ? m_title + QLatin1Char('*') : m_title;
}

void CZL110Doc::SetPathName(const QString& path)
{
    m_path = path;
    if (!path.isEmpty())
        SetTitle(path);
}

void CZL110Doc::SetTitle(const QString& title)
{
    m_title = m_path.isEmpty() ? title : m_path;
    emit titleChanged(caption());
}

bool CZL110Doc::SaveModified()
{
    if (!IsModified())
        return true;
    const QString name = !m_path.isEmpty() ? m_path : !m_title.isEmpty() ? m_title : tr("Untitled");
    switch (m_prompter.askYesNoCancel(text(tr("Save changes to %1?").arg(name)), "ZL410 software")) {
    case CPrompter::Answer::Yes:
        return Save();
    case CPrompter::Answer::No:
        return true;
    default:
        return false;
    }
}

bool CZL110Doc::DoSave(QString path)
{
    if (path.isEmpty()) {
        // A project with a path proposes that path, an untitled one its title.
        const QString proposed = !m_path.isEmpty() ? m_path : m_title + QStringLiteral(".pjz");
        path =
            m_files.saveFile(m_dialogParent, tr("Save Project as"), QString::fromLatin1(kFilter), proposed);
        if (path.isEmpty())
            return false;
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".pjz");
    }
    const Status saved = SaveProjectFile(text(path), m_view.project());
    if (!saved) {
        m_prompter.message(saved.error().text, QT_TRANSLATE_NOOP("Message", "Save Project"));
        return false;
    }
    SetModifiedFlag(false);
    Opened(path);
    return true;
}

bool CZL110Doc::Save()
{
    return DoSave(m_path);
}

bool CZL110Doc::SaveAs()
{
    return DoSave(QString());
}

void CZL110Doc::Opened(const QString& path)
{
    SetPathName(path);
    AddRecent(path);
}

bool CZL110Doc::Load(const QString& path)
{
    CProject& project = m_view.project();
    // A file that turns out unreadable must not cost the project that is open.
    const std::uint8_t version = project.formatVersion;
    const Bytes previous = WriteProject(project);
    project.formatVersion = version;
    m_view.ClearView();
    const Status loaded = LoadProjectFile(text(path), project);
    if (!loaded) {
        m_prompter.message(loaded.error().describe(), QT_TRANSLATE_NOOP("Message", "Open Project"));
        (void)ReadProject(previous, project);
        project.formatVersion = version;
        m_view.ProjectRestored();
        return false;
    }
    m_view.ProjectLoaded(); // with a fresh history, unmodified
    return true;
}

CZL110Doc::OpenResult CZL110Doc::OpenDocumentFile(const QString& path)
{
    if (!SaveModified())
        return OpenResult::Refused;
    const Status checked = CheckProjectFile(text(path));
    if (!checked) {
        m_prompter.message(checked.error().text, checked.error().caption);
        if (!QFileInfo::exists(path))
            RemoveRecent(path);
        return OpenResult::Refused;
    }
    if (!Load(path))
        return OpenResult::LoadFailed;
    Opened(path);
    return OpenResult::Opened;
}

void CZL110Doc::Open()
{
    const QString path = m_files.openFile(m_dialogParent, tr(QT_TRANSLATE_NOOP("Message", "Open Project")),
                                          QString::fromLatin1(kOpenFilter));
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

void CZL110Doc::NewProject()
{
    if (!m_view.NewProject([this] { return SaveModified(); }))
        return;
    SetPathName(QString());
    SetTitle(tr("New file"));
    SetModifiedFlag(false);
}

void CZL110Doc::ImportOldProject()
{
    const QString oldPath = m_files.openFile(m_dialogParent, QString::fromLatin1(kImportCaption),
                                             tr("ZL410 old project files (*.olz);;All files (*.*)"));
    if (oldPath.isEmpty() || !SaveModified())
        return;
    const auto old = ReadWholeFile(text(oldPath));
    if (!old) {
        m_prompter.message(std::string(kOpenOldFileError) + "\n" + old.error().text, kImportCaption);
        return;
    }
    const auto converted = ConvertOldProject(*old);
    if (!converted) {
        m_prompter.message(converted.error().text, kImportCaption);
        return;
    }
    if (!RunImportDialog(m_dialogParent))
        return;
    const QFileInfo info(oldPath);
    const QString newPath = info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral(".pjz"));
    const Status written = WriteFileSafely(text(newPath), *converted);
    if (!written) {
        m_prompter.message(written.error().text, kImportCaption);
        return;
    }
    m_prompter.message(kConversionDone, kImportCaption);
    if (Load(newPath))
        Opened(newPath);
}

QStringList CZL110Doc::recentFiles() const
{
    auto settings = editorSettings();
    settings->beginGroup(QString::fromLatin1(kRecentGroup));
    QStringList files;
    for (int i = 1; i <= kRecentFiles; ++i) {
        const QString file = settings->value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty())
            files << file;
    }
    return files;
}

void CZL110Doc::WriteRecent(const QStringList& files)
{
    auto settings = editorSettings();
    settings->beginGroup(QString::fromLatin1(kRecentGroup));
    for (int i = 0; i < kRecentFiles; ++i)
        settings->setValue(QStringLiteral("File%1").arg(i + 1), i < files.size() ? files[i] : QString());
    emit recentFilesChanged();
}

void CZL110Doc::AddRecent(const QString& path)
{
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    WriteRecent(files);
}

void CZL110Doc::RemoveRecent(const QString& path)
{
    QStringList files = recentFiles();
    if (files.removeAll(path))
        WriteRecent(files);
}

} // namespace zl
