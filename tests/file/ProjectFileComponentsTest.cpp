#include <gtest/gtest.h>

#include <cstring>

#include "components/CUpLoadPic.h"
#include "model/CArchive.h"
#include "components/CComponentFactory.h"
#include "base/CJson.h"
#include "model/CProject.h"
#include "file/CProjectFile.h"

using namespace zl;

namespace {

constexpr std::uint8_t kAllCodes[] = {1, 2, 3, 4, 5, 6, 7, 8};

// A component of every kind, placed where canvas and panel positions convert exactly (multiples of 9
// canvas pixels), so that a loaded component has the same rectangle.
void addEveryKind(CMainView& w, unsigned protocol)
{
    int i = 0;
    for (const std::uint8_t code : kAllCodes) {
        const CPoint at{9 * (2 * i % 40), 9 * (i % 12)};
        CBase& c = w.AddComponent(CreateComponent(code, protocol, at), at);
        if (code == kStaticText || code == kPicture) {
            // No PLC operand: the file does not carry these, so take what loading gives.
            c.station = 1;
            c.address = 0;
        }
        if (code == kPicture) {
            CRgbImage image{10, 5, std::vector<std::uint32_t>(50, 0)};
            image.pixels[3] = image.pixels[17] = 0xFFFFFF;
            ASSERT_TRUE(static_cast<CUpLoadPic&>(c).TakeImage(image).ok());
        }
        ++i;
    }
}

std::string describe(const CBase& c)
{
    CJson o = CJson::object();
    c.Describe(o);
    return o.dump();
}

Bytes body(CBase& c)
{
    CArchive ar;
    c.Serialize(ar);
    return ar.takeBuffer();
}

Bytes announce(const char* name)
{
    Bytes b{0xFF, 0xFF, 1, 0, static_cast<std::uint8_t>(std::strlen(name)), 0};
    b.insert(b.end(), name, name + std::strlen(name));
    return b;
}

void append(Bytes& to, const Bytes& more) { to.insert(to.end(), more.begin(), more.end()); }

} // namespace

TEST(ProjectFileComponents, FactoryKnowsEveryKindByCodeAndByName)
{
    EXPECT_EQ(componentClassNames().size(), std::size(kAllCodes));
    for (const std::uint8_t code : kAllCodes) {
        const auto c = CreateComponent(code, 3, {0, 0});
        ASSERT_TRUE(c) << int(code);
        EXPECT_EQ(c->typeCode, code);
        const std::string name = c->GetRuntimeClass();
        EXPECT_EQ(typeCodeOfClass(name), code) << name;
        EXPECT_EQ(std::count(componentClassNames().begin(), componentClassNames().end(), name), 1) << name;
        const auto loaded = CreateComponentForLoading(name);
        ASSERT_TRUE(loaded) << name;
        EXPECT_EQ(loaded->GetRuntimeClass(), name);
    }
    EXPECT_FALSE(CreateComponent(9, 3, {0, 0}));
    EXPECT_FALSE(CreateComponentForLoading("CMainView"));
    EXPECT_EQ(typeCodeOfClass("CBase"), 0);
}

// Under protocol 5 the operand defaults differ from those of a component made for loading, so a field
// the file loses shows.
TEST(ProjectFileComponents, EveryKindSurvivesTheFile)
{
    CProject p;
    p.SetProtocol(5);
    p.ResetForNewProject();
    addEveryKind(*p.WindowAt(0), 5);
    p.AddWindow(2);
    p.CurrentView()->CopyComponentsFrom(*p.WindowAt(0));
    const Bytes file = WriteProject(p);

    CProject q;
    ASSERT_TRUE(ReadProject(file, q).ok());
    ASSERT_EQ(q.windowCount(), 2u);
    for (std::size_t w = 0; w < 2; ++w) {
        const auto& saved = p.WindowAt(w)->components();
        const auto& loaded = q.WindowAt(w)->components();
        ASSERT_EQ(loaded.size(), saved.size());
        for (std::size_t i = 0; i < saved.size(); ++i)
            EXPECT_EQ(describe(*loaded[i]), describe(*saved[i])) << saved[i]->GetRuntimeClass();
    }
    EXPECT_EQ(WriteProject(q), file);
}

// Two windows, the first with a static text and a register, the second with a static text.
TEST(ProjectFileComponents, ClassNumberingAcrossWindowsAndComponents)
{
    CProject p;
    p.SetProtocol(3);
    p.ResetForNewProject();
    p.AddWindow(2);
    CMainView& first = *p.WindowAt(0);
    first.AppendComponent(CreateComponent(kStaticText, 3, {0, 0}));
    first.AppendComponent(CreateComponent(kRegister, 3, {0, 36}));
    p.WindowAt(1)->AppendComponent(CreateComponent(kStaticText, 3, {90, 0}));
    const Bytes file = WriteProject(p);

    Bytes expected(file.begin(), file.begin() + 131);
    append(expected, {2, 0});
    append(expected, announce("CMainView"));
    append(expected, {1, 0, 0, 0, 0, 2, 0});
    append(expected, Bytes(20, 0));
    append(expected, {2, 0});
    append(expected, announce("CChars"));
    append(expected, body(*first.components()[0]));
    append(expected, announce("CRegister"));
    append(expected, body(*first.components()[1]));
    append(expected, {0x01, 0x80, 2, 0, 0, 1, 0, 3, 0});
    append(expected, Bytes(20, 0));
    append(expected, {1, 0, 0x03, 0x80});
    append(expected, body(*p.WindowAt(1)->components()[0]));
    append(expected, Bytes(file.end() - 108, file.end()));
    EXPECT_EQ(file, expected);
}

TEST(ProjectFileComponents, MalformedComponentLists)
{
    CProject p;
    p.SetProtocol(3);
    p.ResetForNewProject();
    p.WindowAt(0)->AppendComponent(CreateComponent(kStaticText, 3, {0, 0}));
    const Bytes good = WriteProject(p);
    // The component's tag follows the window's tag, body and component count.
    const std::size_t tag = 131 + 2 + 15 + 7 + 20 + 2;
    ASSERT_EQ(Bytes(good.begin() + tag, good.begin() + tag + 6), (Bytes{0xFF, 0xFF, 1, 0, 6, 0}));

    struct Case {
        const char* what;
        std::size_t at;
        Bytes bytes;
        std::string message;
        std::size_t offset;
    };
    const Case cases[] = {
        {"window class as a component", tag, {0x01, 0x80}, "object of class \"CMainView\" where it does not belong",
         tag},
        {"type code of another class", tag + 12, {kRegister}, "type code 2 does not belong to class CChars (window 1, component 1 (CChars))",
         tag + 12},
        {"unknown component class", tag + 6, {'X'}, "unknown class \"XChars\"", tag},
    };
    for (const Case& c : cases) {
        Bytes bad = good;
        std::copy(c.bytes.begin(), c.bytes.end(), bad.begin() + static_cast<std::ptrdiff_t>(c.at));
        CProject q;
        const Status s = ReadProject(bad, q);
        ASSERT_FALSE(s.ok()) << c.what;
        EXPECT_EQ(s.error().text.substr(0, c.message.size()), c.message) << c.what << ": " << s.error().text;
        EXPECT_EQ(s.error().offset, c.offset) << c.what;
    }
}
