#pragma once
// Components on the system clipboard, so that they paste within a window, across windows and between two
// running editors: under a MIME type of our own carrying the component's body as the project file holds
// it, read back through the file's bounds-checked reader (a hostile clipboard pastes nothing).
#include <memory>

namespace zl
{

class CBase;

inline constexpr const char* kComponentMimeType = "application/x-zl410-component";

void CopyToClipboard(CBase& component);
bool ClipboardHasComponent();
// The component on the clipboard, or none when there is none or it does not read back.
std::unique_ptr<CBase> ComponentFromClipboard();

} // namespace zl
