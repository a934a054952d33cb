#include <gtest/gtest.h>

#include <cstdio>

#include "base/CJson.h"

namespace zl::test
{

TEST(CJson, AGeneratedArrayWritesWhatAFullOneDoes)
{
    const auto item = [](std::size_t i) { return CJson::object().set("n", unsigned(i)).set("s", "a\"b"); };
    CJson full = CJson::array();
    for (std::size_t i = 0; i < 3; ++i)
        full.push(item(i));
    const CJson stored = CJson::object().set("items", std::move(full)).set("empty", CJson::array());
    const CJson generated =
        CJson::object().set("items", CJson::generated(3, item)).set("empty", CJson::generated(0, item));
    EXPECT_EQ(generated.dump(), stored.dump());

    // Written to a file as it is made, the text is the same.
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(generated.dump(file));
    std::string written(static_cast<std::size_t>(std::ftell(file)), '\0');
    std::rewind(file);
    ASSERT_EQ(std::fread(written.data(), 1, written.size(), file), written.size());
    std::fclose(file);
    EXPECT_EQ(written, stored.dump());
}

} // namespace zl::test
