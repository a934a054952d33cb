#pragma once
// The files of the commands: every command reads its inputs with ReadWholeFile (bounded, regular files
// only) and writes its outputs with WriteFilesSafely (all or none), after refusing an output that would
// replace one of its own files.
#include <string>
#include <vector>

#include "base/Bytes.h"
#include "base/Result.h"

class QImage;

namespace zl::cli
{

// Refuses an output that is the same file as one of the inputs or an earlier output, through whatever
// path or link it is named: writing it would destroy what the command reads or has just written. An
// output that exists and is a device or a pipe (/dev/null, /dev/stdout) replaces nothing and is not
// compared.
Status distinctFiles(const std::vector<std::string>& inputs, const std::vector<std::string>& outputs);

// The picture encoded as PNG.
Result<Bytes> encodePng(const QImage& picture);

// Writes the picture as a PNG file through the safe save (encoded first, then written whole).
Status writePng(const std::string& path, const QImage& picture);

} // namespace zl::cli
