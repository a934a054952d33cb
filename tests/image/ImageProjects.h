#pragma once
// Projects compiled into download images for the image reader's and the panel's tests.
#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "compile/CImageCompiler.h"
#include "model/CProject.h"
#include "model/TempDir.h"
#include "render/CFontFiles.h"

namespace zl::test
{

inline const CFontFiles& fonts()
{
    static const CFontFiles loaded = *CFontFiles::Load(ZL410_BUILD_DATA_DIR);
    return loaded;
}

// A component of the project's protocol at panel (x, y), appended to `window`.
template <class T, class... Args> T& addAt(CProject& project, CMainView& window, int x, int y, Args&&... args)
{
    auto c = std::make_unique<T>(project.protocol(), CPoint{panelToCanvas(x), panelToCanvas(y)},
                                 std::forward<Args>(args)...);
    c->x = x;
    c->y = y;
    T& ref = *c;
    window.AppendComponent(std::move(c));
    return ref;
}

// The project's image; a failed compile fails the test and gives an empty image.
inline Bytes compileImage(CProject& project)
{
    TempDir settings;
    auto r = CImageCompiler::Compile(project, {ZL410_BUILD_DATA_DIR, settings.file("In.dat"), &fonts()});
    if (!r) {
        ADD_FAILURE() << r.error().describe();
        return {};
    }
    return std::move(r->image);
}

} // namespace zl::test
