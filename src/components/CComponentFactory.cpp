#include "components/CComponentFactory.h"

#include <algorithm>
#include <iterator>

#include "components/CBarTide.h"
#include "components/CChars.h"
#include "components/CDynamic.h"
#include "components/CFunction.h"
#include "components/CLight.h"
#include "components/CRegister.h"
#include "components/CUpLoadPic.h"

namespace zl {
namespace {

template <class T>
std::unique_ptr<CBase> makeForLoading()
{
    return std::make_unique<T>();
}

template <class T>
std::unique_ptr<CBase> makeAt(unsigned protocol, CPoint canvas)
{
    return std::make_unique<T>(protocol, canvas);
}

struct CKind {
    std::uint8_t typeCode;
    std::string_view className;
    std::unique_ptr<CBase> (*forLoading)();
    std::unique_ptr<CBase> (*at)(unsigned, CPoint);
};

template <class T>
constexpr CKind kind(std::uint8_t typeCode, std::string_view className)
{
    return {typeCode, className, makeForLoading<T>, makeAt<T>};
}

constexpr CKind kKinds[] = {
    kind<CChars>(kStaticText, "CChars"),
    kind<CRegister>(kRegister, "CRegister"),
    kind<CLight>(kLed, "CLight"),
    kind<CFunction>(kFunctionKey, "CFunction"),
    kind<CUpLoadPic>(kPicture, "CUpLoadPic"),
    kind<CBar>(kBarGraph, "CBar"),
    kind<CTide>(kTrendLine, "CTide"),
    kind<CDynamic>(kDynamicText, "CDynamic"),
};

const CKind* find(auto matches)
{
    const auto it = std::find_if(std::begin(kKinds), std::end(kKinds), matches);
    return it != std::end(kKinds) ? &*it : nullptr;
}

} // namespace

std::unique_ptr<CBase> CreateComponent(std::uint8_t typeCode, unsigned protocol, CPoint canvas)
{
    const CKind* k = find([&](const CKind& c) { return c.typeCode == typeCode; });
    return k ? k->at(protocol, canvas) : nullptr;
}

std::unique_ptr<CBase> CreateComponentForLoading(std::string_view className)
{
    const CKind* k = find([&](const CKind& c) { return c.className == className; });
    return k ? k->forLoading() : nullptr;
}

std::initializer_list<std::string_view> componentClassNames()
{
    // The names of kKinds, in its order.
    static const std::initializer_list<std::string_view> names{"CChars", "CRegister", "CLight", "CFunction",
                                                               "CUpLoadPic", "CBar", "CTide", "CDynamic"};
    return names;
}

std::uint8_t typeCodeOfClass(std::string_view className)
{
    const CKind* k = find([&](const CKind& c) { return c.className == className; });
    return k ? k->typeCode : 0;
}

} // namespace zl
