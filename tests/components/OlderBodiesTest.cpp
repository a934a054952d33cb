// Files before version 11 do not hold the protocol-31 fields. Under protocol 31 an LED, a bar graph and a
// trend line loaded from such a file take the protocol-31 address a new one of their kind gets; the
// register and the dynamic text, whose default address is for a new component only, keep 0.
#include <gtest/gtest.h>

#include "ComponentTesting.h"
#include "components/CBarTide.h"
#include "components/CDynamic.h"
#include "components/CLight.h"
#include "components/CRegister.h"

using namespace zl;
using namespace zl::test;

namespace
{

// The body of `c` without the four bytes of protocol-31 fields that stand `tail` bytes before its end.
Bytes olderBody(CBase& c, std::size_t tail)
{
    Bytes body = storeBody(c);
    body.erase(body.end() - static_cast<std::ptrdiff_t>(tail + 4),
               body.end() - static_cast<std::ptrdiff_t>(tail));
    return body;
}

template <class T> std::uint16_t addressAfterLoading(const Bytes& body, unsigned protocol)
{
    return loadBody<T>(body, 10, protocol).protocol31Address;
}

} // namespace

TEST(OlderBodies, Protocol31AddressOfTheKindsThatGetOneByDefault)
{
    CLight led(3, {0, 0});
    CBar bar(3, {0, 0});
    CTide trend(3, {0, 0});
    CRegister reg(3, {0, 0});
    CDynamic text(3, {0, 0}, "x");
    const Bytes ledBody = olderBody(led, 50);
    const Bytes barBody = olderBody(bar, 2 + 99);
    const Bytes trendBody = olderBody(trend, 4 + 99);
    const Bytes regBody = olderBody(reg, 99);
    const Bytes textBody = olderBody(text, 99);

    for (unsigned protocol : {31u, 3u, 0u}) {
        SCOPED_TRACE(protocol);
        const std::uint16_t expected = protocol == 31 ? 257 : 0;
        EXPECT_EQ(addressAfterLoading<CLight>(ledBody, protocol), expected);
        EXPECT_EQ(addressAfterLoading<CBar>(barBody, protocol), expected);
        EXPECT_EQ(addressAfterLoading<CTide>(trendBody, protocol), expected);
        EXPECT_EQ(addressAfterLoading<CRegister>(regBody, protocol), 0);
        EXPECT_EQ(addressAfterLoading<CDynamic>(textBody, protocol), 0);
    }
}
