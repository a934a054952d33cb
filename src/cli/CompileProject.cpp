#include "cli/CompileProject.h"

#include <cstdio>

#include "cli/Cli.h"
#include "cli/ProjectErrors.h"
#include "plc/CProtocolCatalogue.h"
#include "plc/CToolSettings.h"
#include "model/CProject.h"
#include "file/CProjectFile.h"
#include "qt/CDataPaths.h"
#include "qt/CMessages.h"

namespace zl::cli {

Status openProjectFile(const std::string& projectPath, const std::string& dataDir, CProject& project)
{
    // A tool settings file that cannot be read fails the command, as any input does; a missing catalogue
    // is reported by the driver load of a compile, with the same message.
    const std::string toolSettings = CToolSettings::path(configFolder());
    if (const Result<CToolSettings> settings = CToolSettings::Read(toolSettings); !settings)
        return settings.error();
    (void)project.StartUp(CProtocolCatalogue::cataloguePath(dataDir), toolSettings);
    if (Status loaded = OpenProjectFile(projectPath, project); !loaded) {
        CError e = loaded.error();
        e.text = projectFailure(projectPath, e);
        e.offset.reset(); // projectFailure has put it into the text
        return e;
    }
    return Ok{};
}

Result<CCompiledImage> compileProjectFile(const std::string& projectPath, const std::string& dataDir,
                                          bool acceptLimitRepair)
{
    CProject project;
    if (Status opened = openProjectFile(projectPath, dataDir, project); !opened)
        return opened.error();
    const std::string toolSettings = CToolSettings::path(configFolder());

    auto compiled = CImageCompiler::Compile(project, {dataDir, toolSettings, nullptr});
    if (!compiled)
        return compiled;
    for (const std::string& note : compiled->notes)
        std::fprintf(stderr, "zl410-cli: %s\n", translateMessage(note).c_str());
    if (compiled->limitRepaired()) {
        std::string lines;
        for (const std::string& line : compiled->repaired)
            lines += "\n  " + translateMessage(line);
        if (!acceptLimitRepair) {
            return makeError(
                localized(QT_TRANSLATE_NOOP("Message",
                                            "Register Limit error: the compile repaired the limits "
                                            "of%1\nCorrect the project, or pass "
                                            "--accept-limit-repair to go on with the repaired limits."),
                          {lines}),
                "Download data");
        }
        std::fprintf(stderr, "zl410-cli: %s\n",
                     localized(QT_TRANSLATE_NOOP("Message", "limits repaired:%1"), {lines}).c_str());
    }
    return compiled;
}

} // namespace zl::cli
