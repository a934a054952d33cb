#include <gtest/gtest.h>

#include <random>

#include "base/CJsonReader.h"

namespace zl
{
namespace
{

TEST(CJsonReader, ReadsTheGrammar)
{
    const auto v = parseJson(" {\"a\": [1, -9223372036854775808, true, null, \"x\\u00e9\\ud83d\\ude00\\n\"], \"b\": {}}\n");
    ASSERT_TRUE(v) << v.error().text;
    const CJsonValue& a = *v->find("a");
    ASSERT_EQ(a.items().size(), 5u);
    EXPECT_EQ(a.items()[0].number(), 1);
    EXPECT_EQ(a.items()[1].number(), INT64_MIN);
    EXPECT_TRUE(a.items()[2].boolean());
    EXPECT_EQ(a.items()[3].kind(), CJsonValue::Kind::Null);
    EXPECT_EQ(a.items()[4].string(), "x\xC3\xA9\xF0\x9F\x98\x80\n");
    EXPECT_TRUE(v->find("b")->isObject());
}

// Members and items of nested containers are gathered while their parents are still open: each container
// must end up with exactly its own, in order, and a name may recur in different objects.
TEST(CJsonReader, NestedContainersKeepTheirOwnMembers)
{
    const auto v = parseJson(R"({"a": {"a": [1, [2, 3], {"a": "x\"y"}], "b": "p"}, "b": [[], {}, [4]], "c": "plain"})");
    ASSERT_TRUE(v) << v.error().text;
    ASSERT_EQ(v->members().size(), 3u);
    const CJsonValue& a = *v->find("a");
    ASSERT_EQ(a.members().size(), 2u);
    const auto inner = a.find("a")->items();
    ASSERT_EQ(inner.size(), 3u);
    EXPECT_EQ(inner[0].number(), 1);
    ASSERT_EQ(inner[1].items().size(), 2u);
    EXPECT_EQ(inner[1].items()[1].number(), 3);
    EXPECT_EQ(inner[2].find("a")->string(), "x\"y");
    EXPECT_EQ(a.find("b")->string(), "p");
    const auto b = v->find("b")->items();
    ASSERT_EQ(b.size(), 3u);
    EXPECT_TRUE(b[0].items().empty());
    EXPECT_TRUE(b[1].members().empty());
    EXPECT_EQ(b[2].items()[0].number(), 4);
    EXPECT_EQ(v->find("c")->string(), "plain");
}

// Large objects look names up in a set instead of walking the members: the same refusal either way.
TEST(CJsonReader, RefusesADuplicateAmongManyMembers)
{
    for (const int members : {5, 40}) {
        std::string text = "{";
        for (int i = 0; i < members; ++i)
            text += "\"m" + std::to_string(i) + "\": " + std::to_string(i) + ",";
        EXPECT_TRUE(parseJson(text + "\"last\": 0}")) << members;
        const auto v = parseJson(text + "\"m3\": 0}");
        ASSERT_FALSE(v) << members;
        EXPECT_NE(v.error().text.find("the member \"m3\" appears twice"), std::string::npos) << v.error().text;
    }
}

TEST(CJsonReader, RefusesBadTextWithWhere)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "column 1: the text ends where a value should be"},
        {"[1,]", "column 4: unexpected character"},
        {"01", "a number may not start with 0"},
        {"1.5", "only whole numbers are read"},
        {"9223372036854775808", "does not fit 64 bits"},
        {"-99999999999999999999", "does not fit 64 bits"},
        {"\"abc", "the text ends inside a string"},
        {"\"a\tb\"", "a control character inside a string"},
        {"\"\\ud800\"", "a high surrogate without its low one"},
        {"\"\\udc00\"", "a lone low surrogate"},
        {"\"\\x\"", "unknown escape"},
        {"{\"a\": 1, \"a\": 2}", "the member \"a\" appears twice"},
        {"{1: 2}", "a member name in quotes expected"},
        {"[1]\n x", "JSON line 2, column 2: text after the value"},
        {"tru", "unexpected character"},
    };
    for (const auto& [text, error] : cases) {
        const auto v = parseJson(text);
        ASSERT_FALSE(v) << text;
        EXPECT_NE(v.error().text.find(error), std::string::npos) << text << " -> " << v.error().text;
    }
}

TEST(CJsonReader, BoundsSizeDepthAndValues)
{
    EXPECT_NE(parseJson(std::string(200000, '[')).error().text.find("nested more than 64 deep"), std::string::npos);
    const CJsonLimits small{100, 64, 10};
    EXPECT_NE(parseJson(std::string(101, ' ') + "1", small).error().text.find("more than the 100 bytes"),
              std::string::npos);
    EXPECT_NE(parseJson("[0,0,0,0,0,0,0,0,0,0,0]", small).error().text.find("more than 10 values"), std::string::npos);
    // A huge array under the default limits stops at the value count, not at the end of memory.
    std::string huge = "[";
    for (int i = 0; i < 1'100'000; ++i)
        huge += "0,";
    huge += "0]";
    EXPECT_NE(parseJson(huge).error().text.find("more than 1000000 values"), std::string::npos);
}

TEST(CJsonReader, SurvivesRandomText)
{
    std::mt19937 random(7);
    const std::string alphabet = "{}[]\",:0123456789-truefalsn \\u\n";
    for (int i = 0; i < 20000; ++i) {
        std::string text(random() % 40, ' ');
        for (char& c : text)
            c = i % 2 ? alphabet[random() % alphabet.size()] : static_cast<char>(random());
        (void)parseJson(text);
    }
}

} // namespace
} // namespace zl
