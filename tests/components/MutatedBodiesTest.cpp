// Damaged file bodies: each class loads a mutated body or refuses it with an archive error, and whatever
// it loads compiles into records that hold what is written into them (the sanitizers watch).
#include <gtest/gtest.h>

#include <type_traits>

#include <array>
#include <random>

#include "ComponentTesting.h"
#include "components/CChars.h"
#include "components/CDynamic.h"
#include "components/CFunction.h"
#include "components/CLight.h"

using namespace zl;
using namespace zl::test;

namespace {

template <class T>
void loadMutations(CBase& valid, std::uint32_t seed)
{
    const Bytes body = storeBody(valid);
    std::mt19937 random(seed);
    CCompileFixture fixtures[] = {CCompileFixture(1), CCompileFixture(11), CCompileFixture(19), CCompileFixture(31)};
    int loaded = 0;
    for (int round = 0; round < 2000; ++round) {
        Bytes b = body;
        const int changes = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < changes; ++i)
            b[random() % b.size()] = static_cast<std::uint8_t>(random());
        if (random() % 4 == 0)
            b.resize(random() % (b.size() + 64), static_cast<std::uint8_t>(random()));
        T c;
        CArchive ar(b);
        ar.setVersion(std::array<std::uint8_t, 4>{1, 10, 11, 12}[random() % 4]);
        try {
            c.Serialize(ar);
        } catch (const CArchiveError&) {
            continue;
        }
        ++loaded;
        CCompileFixture& f = fixtures[random() % 4];
        f.compile(c);
        ASSERT_EQ(c.record.size(), c.downloadSize);
        c.WriteTextCodes(static_cast<std::uint16_t>(random()));
        if constexpr (std::is_same_v<T, CDynamic>) {
            std::uint16_t address = 0x9000;
            c.PlaceTextTable(address);
            ASSERT_EQ(c.textTable.size(), c.textTableSize);
        }
        storeBody(c);
        c.FreeDownloadData();
    }
    EXPECT_GT(loaded, 0);
}

} // namespace

TEST(MutatedBodies, LoadOrFailCleanly)
{
    CChars text(1, {0, 0}, "A\xD6\xD0");
    loadMutations<CChars>(text, 1);
    CDynamic dynamic(1, {0, 0});
    loadMutations<CDynamic>(dynamic, 2);
    CLight led(1, {0, 0});
    loadMutations<CLight>(led, 3);
    CFunction key(1, {0, 0});
    key.hand = 1;
    loadMutations<CFunction>(key, 4);
}
