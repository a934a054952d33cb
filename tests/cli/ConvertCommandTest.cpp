#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "RunCli.h"
#include "import/OldFileBuilder.h"
#include "import/OldProjectConverter.h"

namespace zl::test {
namespace {

namespace fs = std::filesystem;

Bytes readAll(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeAll(const fs::path& p, const Bytes& b)
{
    std::ofstream(p, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
}

class ConvertCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("zl410-convert-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        OldProject p;
        p.windows.push_back({1, "Main", 0, 0, {}});
        p.alarms = {"Alarm"};
        old = p.bytes();
        writeAll(dir / "plant.olz", old);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::vector<std::string> filesInDir() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir;
    Bytes old;
};

TEST_F(ConvertCommand, WritesTheProjectBesideTheOldOneOrWhereAsked)
{
    const Bytes converted = ConvertOldProject(old).value();
    const struct {
        std::vector<std::string> options;
        std::string written;
    } cases[] = {
        {{}, "plant.pjz"},
        {{"-o", (dir / "a.pjz").string()}, "a.pjz"},
        {{"--output", (dir / "b.pjz").string()}, "b.pjz"},
        {{"--output=" + (dir / "c").string()}, "c"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        writeAll(dir / c.written, stringToBytes("previous"));
        std::vector<std::string> args = {"convert", (dir / "plant.olz").string()};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const auto r = runCli(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "conversion accomplished!\n");
        EXPECT_EQ(readAll(dir / c.written), converted);
    }
}

TEST_F(ConvertCommand, FailuresLeaveThePreviousProjectAlone)
{
    Bytes damaged = old;
    damaged.resize(old.size() - 1);
    writeAll(dir / "damaged.olz", damaged);
    Bytes foreign = old;
    foreign[1] = 'X';
    writeAll(dir / "foreign.olz", foreign);
    writeAll(dir / "previous.pjz", stringToBytes("previous"));
    const std::string previous = (dir / "previous.pjz").string();

    const struct {
        std::string old;
        std::string output;
        std::string message;
    } cases[] = {
        {"damaged.olz", previous, "the file ends inside alarm record 1"},
        {"foreign.olz", previous, "the file type error!"},
        {"missing.olz", previous,
         "Open the file error! Open file" + (dir / "missing.olz").string() + " error! (No such file or directory)"},
        {"plant.olz", (dir / "no-such-folder" / "new.pjz").string(), "Open file" + (dir / "no-such-folder" / "new.pjz").string() + " error! (No such file or directory)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.old);
        const auto r = runCli({"convert", (dir / c.old).string(), "-o", c.output});
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(readAll(previous), stringToBytes("previous"));
        EXPECT_EQ(filesInDir(),
                  (std::vector<std::string>{"damaged.olz", "foreign.olz", "plant.olz", "previous.pjz"}));
    }
}

TEST_F(ConvertCommand, UsageErrors)
{
    const std::string plant = (dir / "plant.olz").string();
    for (const auto& args : std::vector<std::vector<std::string>>{{"convert"},
                                                                  {"convert", plant, plant},
                                                                  {"convert", plant, "-o"},
                                                                  {"convert", plant, "--bogus"}}) {
        const auto r = runCli(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_FALSE(r.err.empty());
    }
    const auto same = runCli({"convert", plant, "-o", plant});
    EXPECT_EQ(same.status, 1);
    EXPECT_NE(same.err.find("is the same file as the input"), std::string::npos) << same.err;
    EXPECT_EQ(readAll(plant), old);
}

} // namespace
} // namespace zl::test
