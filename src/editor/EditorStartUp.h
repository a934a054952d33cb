#pragma once
// Starting the editor: the main window with its project, the splash window, and a project named on the
// command line.
#include <QStringList>

namespace zl
{

class CPrompter;

// Runs the editor until its main window closes; returns the exit code. `arguments` are the program's
// (the first is the program itself): an optional project path and "--no-splash". A named project that
// fails the file check leaves the new empty project open; one that cannot be read ends the program after
// the message. With ZL410_QUIT_AFTER_MS set the window closes that long after it was first painted.
// Messages and questions go to `prompter` when given (tests), else to message boxes.
int RunEditor(const QStringList& arguments, CPrompter* prompter = nullptr);

} // namespace zl
