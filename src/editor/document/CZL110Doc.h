#pragma once
// The document: the file identity of the project (path, title), the recently-used files and the file
// commands. The project itself and its modified flag (the undo history's clean state) are the editing
// document's.
#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace zl
{

class CFileChooser;
class CPrompter;
class CZL110View;

class CZL110Doc : public QObject
{
    Q_OBJECT
public:
    static constexpr int kRecentFiles = 4;
    static constexpr const char* kFilter = "ZL410 file (*.pjz);;all files (*.*)";
    static constexpr const char* kOpenFilter = "ZL410 file(*.pjz);;all files(*.*)";

    CZL110Doc(CZL110View& view, CPrompter& prompter, CFileChooser& files, QWidget* dialogParent);

    const QString& pathName() const { return m_path; }
    const QString& title() const { return m_title; }
    // The title with the mark "*" while the project is modified.
    QString caption() const;
    bool IsModified() const;
    void SetModifiedFlag(bool modified = true);
    void SetPathName(const QString& path);
    // With a path the path is the title; without one, `title`.
    void SetTitle(const QString& title);

    // Asks whether to save the changes first; false when the user cancels or saving fails.
    bool SaveModified();

    enum class OpenResult { Opened, Refused, LoadFailed };
    // Save prompt, the file check, then the load; the check and the load report their own messages. A
    // failed load keeps the project that was open.
    OpenResult OpenDocumentFile(const QString& path);

    // --- commands
    void Open();
    bool Save();
    bool SaveAs();
    void ImportOldProject();
    // New Project in the view, then the fresh document.
    void NewProject();

    QStringList recentFiles() const;

signals:
    // The caption changed (the title, or the modified mark).
    void titleChanged(const QString& caption);
    void recentFilesChanged();

private:
    bool DoSave(QString path);
    bool Load(const QString& path);
    void WriteRecent(const QStringList& files);
    void AddRecent(const QString& path);
    void RemoveRecent(const QString& path);
    void Opened(const QString& path);

    CZL110View& m_view;
    CPrompter& m_prompter;
    CFileChooser& m_files;
    QWidget* m_dialogParent;
    QString m_path;
    QString m_title;
};

} // namespace zl
