#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "base/FileIo.h"
#include "model/TempDir.h"
#include "plc/CProtocolCatalogue.h"
#include "plc/CToolSettings.h"
#include "model/CProject.h"

using namespace zl;
using zl::test::TempDir;

namespace
{

struct Entry {
    std::uint8_t protocol;
    std::uint8_t version;
    std::uint16_t length;
};

// A catalogue whose driver bytes are (entry index + offset) & 0xFF, so the tests see which entry was read.
Bytes catalogue(const std::vector<Entry>& entries)
{
    Bytes b{static_cast<std::uint8_t>(entries.size())};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        Bytes e(CProtocolCatalogue::kEntrySize, 0);
        e[0] = entries[i].protocol;
        e[1] = entries[i].version;
        e[2] = static_cast<std::uint8_t>(entries[i].length);
        e[3] = static_cast<std::uint8_t>(entries[i].length >> 8);
        for (std::size_t k = 0; k < CProtocolCatalogue::kDriverArea; ++k)
            e[CProtocolCatalogue::kDriverOffset + k] = static_cast<std::uint8_t>(i + k);
        b.insert(b.end(), e.begin(), e.end());
    }
    return b;
}

} // namespace

TEST(Catalogue, EntryTypesInFileOrder)
{
    TempDir dir;
    dir.write("Zentu_Ptc.dat", catalogue({{3, 1, 10}, {2, 1, 10}, {3, 2, 10}}));
    const auto types = CProtocolCatalogue::ReadEntryTypes(dir.file("Zentu_Ptc.dat"));
    ASSERT_TRUE(types.ok());
    EXPECT_EQ(*types, (std::vector<std::uint8_t>{3, 2, 3}));
}

TEST(Catalogue, FirstMatchingEntryGivesTheDriver)
{
    TempDir dir;
    dir.write("Zentu_Ptc.dat", catalogue({{3, 1, 10}, {2, 7, 1000}, {2, 9, 20}}));
    const auto driver = CProtocolCatalogue::LoadDriver(dir.file("Zentu_Ptc.dat"), 2);
    ASSERT_TRUE(driver.ok()) << driver.error().text;
    EXPECT_EQ(driver->version, 7);
    EXPECT_EQ(driver->position, 1u);
    ASSERT_EQ(driver->bytes.size(), 1128u); // L + 128
    EXPECT_EQ(driver->bytes[0], 1);         // entry 1's bytes start 20 bytes into the entry
    EXPECT_EQ(driver->bytes[1127], static_cast<std::uint8_t>(1 + 1127));
}

TEST(Catalogue, Failures)
{
    TempDir dir;
    const std::string path = dir.file("Zentu_Ptc.dat");
    EXPECT_EQ(CProtocolCatalogue::ReadEntryTypes(path).error().text, "File " + path + " does not exist!");
    EXPECT_EQ(CProtocolCatalogue::LoadDriver(path, 3).error().text, "File " + path + " does not exist!");

    dir.write("Zentu_Ptc.dat", catalogue({{3, 1, 10}}));
    EXPECT_EQ(CProtocolCatalogue::LoadDriver(path, 4).error().text, "The protocol does not exist!");

    Bytes shortFile = catalogue({{3, 1, 10}, {4, 1, 10}});
    shortFile[0] = 5; // more entries announced than present
    dir.write("Zentu_Ptc.dat", shortFile);
    const auto types = CProtocolCatalogue::ReadEntryTypes(path);
    ASSERT_FALSE(types.ok());
    EXPECT_NE(types.error().text.find("announces 5 entries but holds 2"), std::string::npos);

    Bytes cut = catalogue({{3, 1, 1000}});
    cut.resize(1 + 20 + 500); // driver cut short
    dir.write("Zentu_Ptc.dat", cut);
    EXPECT_NE(CProtocolCatalogue::LoadDriver(path, 3).error().text.find("cut short"), std::string::npos);

    dir.write("Zentu_Ptc.dat", catalogue({{3, 1, 0xFFFF}})); // L + 128 beyond the driver area
    EXPECT_NE(CProtocolCatalogue::LoadDriver(path, 3).error().text.find("32768"), std::string::npos);

    dir.write("Zentu_Ptc.dat", {});
    EXPECT_FALSE(CProtocolCatalogue::ReadEntryTypes(path).ok());
}

TEST(ToolSettings, MissingShortAndFullFiles)
{
    TempDir dir;
    const std::string path = CToolSettings::path(dir.path());
    Result<CToolSettings> s = CToolSettings::Read(path);
    ASSERT_TRUE(s.ok());
    EXPECT_EQ(s->listPosition, 0);
    EXPECT_EQ(s->portIndex, 1);
    EXPECT_TRUE(std::filesystem::exists(path)); // created empty
    EXPECT_EQ(std::filesystem::file_size(path), 0u);

    dir.write("In.dat", {4});
    s = CToolSettings::Read(path);
    ASSERT_TRUE(s.ok());
    EXPECT_EQ(s->listPosition, 4);
    EXPECT_EQ(s->portIndex, 1);

    dir.write("In.dat", {4, 0});
    ASSERT_TRUE(CToolSettings::WriteListPosition(path, 2).ok());
    EXPECT_EQ(dir.read("In.dat"), (Bytes{2, 0})); // the port byte is kept
    // A file that holds the position already is not rewritten: it stays the same file.
    std::filesystem::create_hard_link(path, dir.file("same"));
    ASSERT_TRUE(CToolSettings::WriteListPosition(path, 2).ok());
    EXPECT_TRUE(std::filesystem::equivalent(path, dir.file("same")));

    const Status failed = CToolSettings{1, 2}.Write(dir.file("no such folder/In.dat"));
    ASSERT_FALSE(failed.ok());
    EXPECT_NE(failed.error().text.find("In.dat"), std::string::npos);
}

// In.dat is read like every input: a pipe, a folder or a huge file is refused, not waited on or read
// whole, and nothing is written in its place.
TEST(ToolSettings, AFileThatIsNoSettingsFileIsRefused)
{
    TempDir dir;
    dir.write("Zentu_Ptc.dat", catalogue({{3, 1, 10}, {2, 1, 10}}));
    std::filesystem::create_directory(dir.file("folder"));
    std::ofstream(dir.file("huge")).close();
    std::filesystem::resize_file(dir.file("huge"), kMaxSettingsFileSize + 1);
#ifndef _WIN32
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
#endif
    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {dir.file("folder"), "Is a directory"},
        {dir.file("huge"), "too large"},
#ifndef _WIN32
        {dir.file("fifo"), "not a regular file"},
#endif
    };
    for (const auto& c : cases) {
        const std::string message = "Open file" + c.path + " error! (" + c.reason;
        const Result<CToolSettings> read = CToolSettings::Read(c.path);
        ASSERT_FALSE(read.ok()) << c.path;
        EXPECT_EQ(read.error().text.rfind(message, 0), 0u) << read.error().text;
        const Status written = CToolSettings::WriteListPosition(c.path, 1);
        ASSERT_FALSE(written.ok()) << c.path;
        EXPECT_EQ(written.error().text.rfind(message, 0), 0u) << written.error().text;

        // Start-up goes on with the defaults and tells why.
        CProject project;
        const Status started = project.StartUp(dir.file("Zentu_Ptc.dat"), c.path);
        ASSERT_FALSE(started.ok()) << c.path;
        EXPECT_EQ(started.error().text.rfind(message, 0), 0u) << started.error().text;
        EXPECT_EQ(project.protocol(), 3u);
        EXPECT_EQ(project.comm.portIndex, 1);
        const Status alsoNoCatalogue = CProject().StartUp(dir.file("missing.dat"), c.path);
        EXPECT_EQ(alsoNoCatalogue.error().text.rfind(
                      "File " + dir.file("missing.dat") + " does not exist!\n" + message, 0),
                  0u)
            << alsoNoCatalogue.error().text;
    }
    EXPECT_EQ(std::filesystem::file_size(dir.file("huge")), kMaxSettingsFileSize + 1);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder")));
}

TEST(StartUp, SelectsTheRememberedEntryWithItsDefaults)
{
    TempDir dir;
    dir.write("Zentu_Ptc.dat", catalogue({{3, 1, 10}, {2, 1, 10}}));
    dir.write("In.dat", {1, 0});
    CProject project;
    ASSERT_TRUE(project.StartUp(dir.file("Zentu_Ptc.dat"), dir.file("In.dat")).ok());
    EXPECT_EQ(project.protocol(), 2u);
    EXPECT_EQ(project.comm.portIndex, 0); // COM1
    EXPECT_EQ(project.comm.baud, 0);      // 9600 in protocol 2's short list
    EXPECT_EQ(project.comm.dataBits, 1);
    EXPECT_EQ(project.comm.stopBits, 0);
    EXPECT_EQ(project.comm.parity, 2);
    EXPECT_EQ(project.comm.interface, 1);
    EXPECT_EQ(project.comm.delay, 10000);
    EXPECT_EQ(project.panel.controlStation, 2);
    EXPECT_EQ(project.formatVersion, 11);
}

TEST(StartUp, ListPositionBeyondTheCatalogueSelectsTheLastEntry)
{
    TempDir dir;
    dir.write("Zentu_Ptc.dat", catalogue({{3, 1, 10}, {4, 1, 10}, {5, 1, 10}}));
    dir.write("In.dat", {9, 1});
    CProject project;
    ASSERT_TRUE(project.StartUp(dir.file("Zentu_Ptc.dat"), dir.file("In.dat")).ok());
    EXPECT_EQ(project.comm.listPosition, 2);
    EXPECT_EQ(project.protocol(), 5u);
}

TEST(StartUp, MissingCatalogueSelectsNothing)
{
    TempDir dir;
    CProject project;
    const Status s = project.StartUp(dir.file("Zentu_Ptc.dat"), dir.file("In.dat"));
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.error().text, "File " + dir.file("Zentu_Ptc.dat") + " does not exist!");
    EXPECT_TRUE(project.entryTypes().empty());
    EXPECT_EQ(project.protocol(), 0u);
    EXPECT_TRUE(std::filesystem::exists(dir.file("In.dat")));
}
