#pragma once
// Components on the system clipboard, so that they paste within a window, across windows and between two
// running editors: under MIME types of our own carrying the components' bodies as the project file holds
// them, read back through the file's bounds-checked reader (a hostile clipboard pastes nothing).
#include <memory>
#include <vector>

namespace zl
{

class CBase;

// One component: its body.
inline constexpr const char* kComponentMimeType = "application/x-zl410-component";
// Several: each body after its length (32 bits, little-endian), in their order.
inline constexpr const char* kComponentsMimeType = "application/x-zl410-components";

// The list's first component goes under the one-component type too.
void CopyToClipboard(const std::vector<CBase*>& components);
bool ClipboardHasComponent();
// The components on the clipboard; none when there are none or any does not read back.
std::vector<std::unique_ptr<CBase>> ComponentsFromClipboard();

} // namespace zl
