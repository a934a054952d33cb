#pragma once
// The go-ahead for converting an old project: "Convert" or "Cancel".
class QWidget;

namespace zl
{

// True when the user chose "Convert".
bool RunImportDialog(QWidget* parent);

} // namespace zl
