#pragma once
// A component of every kind, placed along a row of the window; the picture holds one lit pixel.
#include <gtest/gtest.h>

#include "components/CComponentFactory.h"
#include "components/CUpLoadPic.h"
#include "model/CMainView.h"

namespace zl::test
{

inline void addEveryKind(CMainView& w, unsigned protocol)
{
    for (std::uint8_t code = 1; code <= 8; ++code) {
        CBase& c = w.AddComponent(CreateComponent(code, protocol, {9 * code, 9}), {9 * code, 9});
        if (code == kPicture) {
            CRgbImage image{10, 5, std::vector<std::uint32_t>(50, 0)};
            image.pixels[3] = 0xFFFFFF;
            EXPECT_TRUE(static_cast<CUpLoadPic&>(c).TakeImage(image).ok());
        }
    }
}

} // namespace zl::test
