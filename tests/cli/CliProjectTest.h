#pragma once
// A fixture for commands that read a project file: a one-window project under protocol 3 with a static
// text, saved on demand into a temporary folder, and a configuration folder of its own for In.dat.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "components/CChars.h"
#include "file/CProjectFile.h"
#include "model/CProject.h"
#include "RunCli.h"
#include "model/TempDir.h"

namespace zl::test
{

class CliProjectTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setEnv("ZL410_CONFIG_DIR", config.path()); // the In.dat a command may write
        project.SetProtocol(3);
        project.AddWindow(1);
        project.WindowAt(0)->AppendComponent(std::make_unique<CChars>(3, CPoint{0, 0}, "Hi"));
    }

    // Saves the project as plant.pjz in the temporary folder and returns its path.
    std::string save()
    {
        const std::string path = dir.file("plant.pjz");
        EXPECT_TRUE(SaveProjectFile(path, project).ok());
        return path;
    }

    TempDir config;
    TempDir dir;
    CProject project;
};

} // namespace zl::test
