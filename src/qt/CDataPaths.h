#pragma once
// Where the program finds its data files and keeps its per-user settings file.
#include <string>

namespace zl {

// The folder of the data files (catalogues, fonts): $ZL410_DATA_DIR, else the executable's own folder,
// else ../share/zl410 beside it; the first that holds the protocol catalogue wins. When none does, the
// executable's folder (so the missing-file message names the place a user expects).
std::string dataFolder();

// In the data folder `dataDir`: the user manual's folder (a folder of pages per language, and the
// pictures) and the licence text (absent while the licence is not chosen).
std::string manualFolder(const std::string& dataDir);
std::string licenceFile(const std::string& dataDir);

// The folder of the writable "In.dat" and the settings: $ZL410_CONFIG_DIR, else on Windows
// %APPDATA%\zl410, elsewhere $XDG_CONFIG_HOME/zl410, else ~/.config/zl410. Created when missing.
std::string configFolder();

// The folder of the running executable.
std::string executableFolder();

} // namespace zl
