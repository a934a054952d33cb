// The operand index, and the project as JSON text, of a project of 1,000 windows holding 10,000
// components: the median time of each (targets: index under 10 ms, export and import under 50 ms each).
#include <cstdio>
#include <cstdlib>

#include "LargeProject.h"
#include "file/CProjectFile.h"
#include "file/CProjectText.h"
#include "operands/COperandIndex.h"

using namespace zl;
using namespace zl::bench;

namespace
{

void report(const char* what, double ms, double target)
{
    std::printf("%-22s %8.2f ms  (%s %.0f ms)\n", what, ms, ms < target ? "under" : "OVER", target);
}

} // namespace

int main()
{
    CProject project;
    fillLargeProject(project);
    const std::size_t uses = indexOperands(project).uses.size();
    const std::string text = ExportProjectText(project);
    const Bytes file = WriteProject(project);
    std::printf("project: %d windows, %d components, %zu operand uses, %zu bytes of text\n", kWindows,
                kWindows * kComponentsPerWindow, uses, text.size());

    report("operand index", timeIt([&] { (void)indexOperands(project); }), 10);
    report("export as text", timeIt([&] { (void)ExportProjectText(project); }), 50);
    report("import the text", timeIt([&] {
               const auto bytes = ImportProjectText(text);
               if (!bytes || *bytes != file)
                   std::abort();
           }),
           50);
    return 0;
}
