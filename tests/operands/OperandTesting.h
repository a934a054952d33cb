#pragma once
// Components with a chosen operand, appended to a window of a hand-made project.
#include <memory>

#include "model/CMainView.h"

namespace zl::test
{

template <class T>
T& addWithOperand(CMainView& w, unsigned protocol, std::uint8_t type, std::uint16_t address, std::uint8_t words = 1)
{
    auto c = std::make_unique<T>(protocol, CPoint{0, 0});
    c->station = 1;
    c->registerType = type;
    c->address = address;
    c->wordCount = words;
    T& ref = *c;
    w.AppendComponent(std::move(c));
    return ref;
}

} // namespace zl::test
