#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "qt/CDataPaths.h"

using namespace zl;

namespace
{
#ifdef _WIN32
int setenv(const char* name, const char* value, int)
{
    return _putenv_s(name, value);
}
int unsetenv(const char* name)
{
    return _putenv_s(name, "");
}
#endif

// Sets an environment variable for the scope of a test.
struct ScopedEnv {
    ScopedEnv(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_old.empty())
            unsetenv(m_name);
        else
            setenv(m_name, m_old.c_str(), 1);
    }
    const char* m_name;
    std::string m_old;
};
} // namespace

TEST(DataPaths, EnvironmentWinsThenTheExecutablesFolder)
{
    {
#ifdef _WIN32
        const char* somewhere = "C:\\some\\where";
#else
        const char* somewhere = "/some/where";
#endif
        ScopedEnv env("ZL410_DATA_DIR", somewhere);
        EXPECT_EQ(std::filesystem::path(dataFolder()), std::filesystem::path(somewhere));
    }
    ScopedEnv env("ZL410_DATA_DIR", nullptr);
    // The test programs sit beside the generated catalogue.
    EXPECT_EQ(dataFolder(), executableFolder());
    EXPECT_TRUE(std::filesystem::exists(dataFolder() + "/Zentu_Ptc.dat"));
}

TEST(DataPaths, ConfigFolderFromEnvironmentIsCreated)
{
    const auto base = std::filesystem::temp_directory_path() / "zl410-config-test";
    std::filesystem::remove_all(base);
    {
        ScopedEnv env("ZL410_CONFIG_DIR", (base / "a").string().c_str());
        EXPECT_TRUE(std::filesystem::equivalent(configFolder(), base / "a"));
        EXPECT_TRUE(std::filesystem::is_directory(base / "a"));
    }
    ScopedEnv none("ZL410_CONFIG_DIR", nullptr);
#ifdef _WIN32
    // Windows programs keep their settings in the roaming profile.
    ScopedEnv appData("APPDATA", (base / "roaming").string().c_str());
    EXPECT_TRUE(std::filesystem::equivalent(configFolder(), base / "roaming" / "zl410"));
#else
    ScopedEnv xdg("XDG_CONFIG_HOME", (base / "xdg").c_str());
    EXPECT_EQ(configFolder(), (base / "xdg" / "zl410").string());
#endif
    std::filesystem::remove_all(base);
}
