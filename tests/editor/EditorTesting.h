#pragma once
// A main window for tests: data files from the build, a private settings folder, and every message,
// question and file choice answered from a script.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/controls/CBoundControls.h"
#include "editor/canvas/CEditorCanvas.h"
#include "editor/document/CEditorDocument.h"
#include "editor/dialogs/CFileChooser.h"
#include "editor/controls/CNumEdit.h"
#include "editor/dialogs/CWindowDialogs.h"
#include "editor/CMainFrame.h"
#include "editor/CZL110View.h"
#include "base/CPrompter.h"
#include "file/CProjectFile.h"

namespace zl::test
{

class ScriptedPrompter : public CPrompter
{
public:
    std::vector<std::string> messages; // "caption: text" of every message and question, in order
    std::deque<bool> okAnswers;        // for OK/Cancel questions; OK when the script runs out
    std::deque<Answer> yesNoAnswers;   // for Yes/No/Cancel questions; Cancel when it runs out
    std::size_t informations = 0;      // how many of the messages reported success

    void message(const std::string& text, const std::string& caption) override
    {
        messages.push_back(caption + ": " + text);
    }
    void inform(const std::string& text, const std::string& caption) override
    {
        ++informations;
        message(text, caption);
    }
    bool askOkCancel(const std::string& text, const std::string& caption) override
    {
        messages.push_back(caption + ": " + text);
        if (okAnswers.empty())
            return true;
        const bool a = okAnswers.front();
        okAnswers.pop_front();
        return a;
    }
    Answer askYesNoCancel(const std::string& text, const std::string& caption) override
    {
        messages.push_back(caption + ": " + text);
        if (yesNoAnswers.empty())
            return Answer::Cancel;
        const Answer a = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return a;
    }
    std::string last() const { return messages.empty() ? std::string() : messages.back(); }
};

class ScriptedFiles : public CFileChooser
{
public:
    std::deque<QString> paths; // answers in order; an empty path (or none left) is a Cancel
    QString lastFilter;        // of the last open-file dialog
    QString lastProposal;      // the name the last save dialog proposed
    QString openFile(QWidget*, const QString&, const QString& filter) override
    {
        lastFilter = filter;
        return next();
    }
    QString saveFile(QWidget*, const QString&, const QString&, const QString& proposed) override
    {
        lastProposal = proposed;
        return next();
    }

private:
    QString next()
    {
        if (paths.empty())
            return {};
        QString p = paths.front();
        paths.pop_front();
        return p;
    }
};

// Types `text` into `w` one character at a time, whatever the characters (QTest::keyClicks takes ASCII).
inline void typeText(QWidget* w, const QString& text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// Replaces a field's text by typing over it, as a user would after selecting it.
inline void retype(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text); // the first character replaces the selected text
    QCoreApplication::processEvents();
}

// Picks an item as a click in the open list does.
inline void choose(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

inline void choose(QComboBox* combo, const QString& text)
{
    choose(combo, combo->findText(text));
}

// Mouse events straight to a widget, at widget coordinates.
inline void send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton,
                 Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent e(type, at, w->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
inline void press(QWidget* w, QPoint at, Qt::MouseButton b = Qt::LeftButton)
{
    send(w, QEvent::MouseButtonPress, at, b, b);
}
inline void release(QWidget* w, QPoint at)
{
    send(w, QEvent::MouseButtonRelease, at, Qt::LeftButton);
}
inline void move(QWidget* w, QPoint at, Qt::MouseButtons held = Qt::NoButton)
{
    send(w, QEvent::MouseMove, at, Qt::NoButton, held);
}

// Runs `act` on the next modal dialog of type T as soon as it is open.
template <class T> void onNextDialog(std::function<void(T&)> act, int delayMs = 0)
{
    QTimer::singleShot(delayMs, [act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()))
            act(*dialog);
        else
            onNextDialog<T>(act, 5);
    });
}

struct Editor {
    QTemporaryDir config;
    ScriptedPrompter prompter;
    ScriptedFiles files;
    std::unique_ptr<CMainFrame> frame;

    explicit Editor(const std::string& dataDir = ZL410_BUILD_DATA_DIR)
    {
        qputenv("ZL410_CONFIG_DIR", config.path().toUtf8());
        frame = std::make_unique<CMainFrame>(&prompter, &files);
        frame->StartUp(dataDir, config.path().toStdString());
        frame->show();
        QApplication::setActiveWindow(frame.get());
    }
    CZL110View& view() const { return frame->view(); }
    CProject& project() const { return frame->view().project(); }
    void trigger(int command) const { frame->action(command)->trigger(); }
    // New Project with the protocol at catalogue position `position`, accepting PLC Selection.
    void newProject(int position = 2)
    {
        onNextDialog<QDialog>([position](QDialog& d) {
            if (auto* combo = d.findChild<QComboBox*>())
                combo->setCurrentIndex(position), emit combo->activated(position);
            d.accept();
        });
        trigger(32771);
    }
    QString configFile(const QString& name) const { return QDir(config.path()).filePath(name); }
    CEditorDocument& doc() const { return frame->editing(); }
    // The project as the file writer writes it.
    Bytes bytes() const { return WriteProject(project()); }
    // Places a component of `command` with its ghost snapped at canvas point `at`.
    CBase& place(int command, QPoint at)
    {
        QWidget* canvas = &view().canvas();
        trigger(command);
        move(canvas, at);
        press(canvas, at);
        release(canvas, at);
        return *project().CurrentView()->head();
    }
    // New window with `number` typed into the dialog.
    void newWindow(int number, const QString& description = {})
    {
        onNextDialog<CNewWindowDialog>([number, description](CNewWindowDialog& d) {
            d.numberEdit()->SetValue(number);
            d.descriptionEdit()->setText(description);
            d.accept();
            if (d.isVisible())
                d.reject(); // a refused number keeps the dialog open: leave it
        });
        trigger(32781);
    }
};

} // namespace zl::test
