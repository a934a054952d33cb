#pragma once
// The project file (.pjz): header with the settings, reserved block, windows with their components, and
// the alarm list, in one tagged little-endian stream. Versions 1, 10, 11 and 12 are read; 12 is written.
#include <cstdint>
#include <memory>
#include <string>

#include "base/Bytes.h"
#include "base/Result.h"

namespace zl {

class CBase;
class CMainView;
class CProject;

constexpr std::uint8_t kProjectFileVersion = 12;

// The check every way of opening a project runs first: the file must open, start with 0x08 "Zentu" and
// carry format marker 1. Messages: "Open file<path> error!" with the reason (see FileError); "Is it a
// correct file?" and "version does not match!", both with the caption "File type error!". The version
// byte is not checked here.
Status CheckProjectFile(const std::string& path);
// The same check of a file's first bytes.
Status CheckProjectHeader(const Bytes& data);

// Loads `data` into `project`: its windows are dropped first, the header settings are read (settings
// the file's version lacks keep their values), the protocol tables are rebuilt for the loaded protocol,
// then the windows and the alarm list are read. A malformed stream or a version other than 1, 10, 11
// and 12 gives an error with the byte offset, and the project is left without windows.
Status ReadProject(const Bytes& data, CProject& project);
// Reads the file at `path` and loads it (without the check above).
Status LoadProjectFile(const std::string& path, CProject& project);
// The check, then the load: what opening a project does.
Status OpenProjectFile(const std::string& path, CProject& project);

// The bytes of the project as format version 12; the project's in-memory version becomes 12.
Bytes WriteProject(CProject& project);
// Writes the project safely over `path` (see WriteFileSafely).
Status SaveProjectFile(const std::string& path, CProject& project);

// --- Pieces of a project in the file's own encoding, for the editor's history and clipboard. Each is a
// self-contained stream (it announces its own classes) read back through the same bounds-checked reader,
// so a damaged or hostile piece gives an error, never a crash.
Bytes WriteWindow(const CMainView& window);
Result<std::unique_ptr<CMainView>> ReadWindow(const Bytes& data);
Bytes WriteComponent(CBase& component);
Result<std::unique_ptr<CBase>> ReadComponent(const Bytes& data);
// Reads a component of the same class back into `component` itself, so that pointers to it stay valid;
// damaged data, or another class, changes nothing.
Status ReadComponentInto(const Bytes& data, CBase& component);
// The settings block: protocol, communication and panel settings and the alarm list (the current window
// is carried along but not read back). Reading it rebuilds the protocol tables and restores every stored
// byte; a damaged block changes nothing.
Bytes WriteSettings(CProject& project);
Status ReadSettings(const Bytes& data, CProject& project);

} // namespace zl
