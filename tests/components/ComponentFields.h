#pragma once
// A component's fields as one comparable value (its JSON description), and the store–load–store check
// built on it.
#include <string>

#include "ComponentTesting.h"
#include "base/CJson.h"

namespace zl::test {

inline std::string fields(const CBase& c)
{
    CJson j = CJson::object();
    c.Describe(j);
    return j.dump();
}

// Loading what was stored gives the same fields, and storing that gives the same bytes. The component
// must sit at the canvas point of its panel position, where loading puts it.
template <class T>
void expectRoundTrip(T& original)
{
    const Bytes body = storeBody(original);
    T loaded = loadBody<T>(body);
    EXPECT_EQ(fields(loaded), fields(original));
    EXPECT_EQ(storeBody(loaded), body);
}

} // namespace zl::test
