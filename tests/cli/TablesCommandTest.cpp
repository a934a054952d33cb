#include <gtest/gtest.h>

#include "RunCli.h"

using zl::test::runCli;

TEST(TablesCommand, PrintsTheProtocolAsJson)
{
    const auto r = runCli({"--data-dir", ZL410_BUILD_DATA_DIR, "tables", "--protocol", "31"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"name\": \"VXM\""), std::string::npos);
    EXPECT_NE(r.out.find("\"PBand1\""), std::string::npos);
    EXPECT_NE(r.out.find("\"startupDefaults\""), std::string::npos);
}

TEST(TablesCommand, PrintsTheRulesOfThePagesAndDialogs)
{
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"19",
         {"\"addressesFromOne\": true", "\"controlAreaFixed\": false", "\"alarmBitInWord\": true",
          "\"alarmWordBitType\": \"4x\"", "\"coilNotation\": \"dotted\"",
          "\"typeName\": \"3x\",\n      \"wordCount\": 0,\n      \"setLocked\": true"}},
        {"29",
         {"\"typeName\": \"AQW\",\n      \"wordCount\": 1,\n      \"setLocked\": false,\n      "
          "\"registerPageOnly\": true",
          "\"coilNotation\": \"byteDotted\"", "\"octalTypes\": []"}},
        {"15", {"\"fileAddresses\": true", "\"controlStationFixed\": true", "\"alarmListOffered\": true"}},
    };
    for (const auto& [protocol, keys] : cases) {
        const auto r = runCli({"--data-dir", ZL410_BUILD_DATA_DIR, "tables", "--protocol", protocol});
        ASSERT_EQ(r.status, 0) << r.err;
        for (const std::string& key : keys)
            EXPECT_NE(r.out.find(key), std::string::npos) << protocol << ": " << key << "\n" << r.out;
    }
}

TEST(TablesCommand, UsageErrors)
{
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"tables"}, {"tables", "--protocol", "0"}, {"tables", "--protocol", "35"}, {"tables", "--protocol", "x"},
             {"tables", "--protocol"}, {"nonsense"}, {"--bogus", "tables"}}) {
        const auto r = runCli(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_NE(runCli({"tables", "--protocol"}).err.find("--protocol needs a value"), std::string::npos);
    EXPECT_NE(runCli({"--data-dir"}).err.find("--data-dir needs a value"), std::string::npos);
}

TEST(ProtocolsCommand, HelpShowsOnlyOptionsThatWork)
{
    const auto help = runCli({"protocols", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.find("--"), std::string::npos) << help.out;
    EXPECT_EQ(runCli({"protocols", "--data-dir", ZL410_BUILD_DATA_DIR}).status, 2);
}

TEST(ProtocolsCommand, ListsTheCatalogue)
{
    const auto r = runCli({"--data-dir", ZL410_BUILD_DATA_DIR, "protocols"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Modbus RTU"), std::string::npos);
    EXPECT_NE(r.out.find("techwayson V80"), std::string::npos);
}

TEST(ProtocolsCommand, MissingCatalogueFailsWithTheMessage)
{
    const auto r = runCli({"--data-dir", "/nonexistent-folder", "protocols"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("File /nonexistent-folder/Zentu_Ptc.dat does not exist!"), std::string::npos);
}
