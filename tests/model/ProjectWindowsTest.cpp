#include <gtest/gtest.h>

#include "TestComponent.h"
#include "base/CPrompter.h"
#include "model/CProject.h"

using namespace zl;
using zl::test::CBox;

namespace {

// Answers questions from a script and remembers what was asked.
struct ScriptedPrompter : CPrompter {
    bool ok = true;
    std::vector<std::string> asked;
    void message(const std::string& t, const std::string&) override { asked.push_back(t); }
    bool askOkCancel(const std::string& t, const std::string&) override
    {
        asked.push_back(t);
        return ok;
    }
    Answer askYesNoCancel(const std::string& t, const std::string&) override
    {
        asked.push_back(t);
        return Answer::Cancel;
    }
};

std::vector<int> numbers(const CProject& p)
{
    std::vector<int> n;
    for (const auto& w : p.windows())
        n.push_back(w->number);
    return n;
}

int idAt(const CMainView& w, std::size_t i) { return static_cast<const CBox&>(*w.components()[i]).id; }

} // namespace

TEST(Windows, AddKeepsNumberOrderAndSelectsTheNewWindow)
{
    CProject p;
    p.AddWindow(5);
    p.AddWindow(2);
    p.AddWindow(9, "last");
    EXPECT_EQ(numbers(p), (std::vector<int>{2, 5, 9}));
    EXPECT_EQ(p.currentWindow, 2);
    EXPECT_EQ(p.CurrentView()->description, "last");
    EXPECT_EQ(p.CurrentView()->upJump, 8);
    EXPECT_EQ(p.CurrentView()->downJump, 10);
}

TEST(Windows, FindReturnsPositionOrEncodedInsertionPoint)
{
    CProject p;
    for (int n : {2, 5, 9})
        p.AddWindow(static_cast<std::uint16_t>(n));
    EXPECT_EQ(p.FindWindowPosition(5), 1);
    EXPECT_EQ(p.FindWindowPosition(7), -102);
    EXPECT_EQ(p.FindWindowPosition(1), -100);
    EXPECT_EQ(p.FindWindowPosition(10), -103);
}

TEST(Windows, DeleteCurrent)
{
    CProject p;
    p.AddWindow(4, "only");
    p.DeleteCurrentWindow();
    EXPECT_EQ(numbers(p), (std::vector<int>{1}));
    EXPECT_EQ(p.currentWindow, 0);
    EXPECT_EQ(p.CurrentView()->description, "");

    for (int n : {2, 3, 4})
        p.AddWindow(static_cast<std::uint16_t>(n));
    p.DeleteCurrentWindow(); // window 4 was last: the new last is selected
    EXPECT_EQ(numbers(p), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(p.currentWindow, 2);
    p.currentWindow = 1;
    p.DeleteCurrentWindow(); // another one: the position stays
    EXPECT_EQ(numbers(p), (std::vector<int>{1, 3}));
    EXPECT_EQ(p.currentWindow, 1);
}

TEST(Windows, CopyIntoNewWindow)
{
    CProject p;
    p.AddWindow(3, "source");
    p.CurrentView()->AddComponent(std::make_unique<CBox>(10, 10, 1), {0, 0});
    ScriptedPrompter ask;
    ASSERT_TRUE(p.CopyWindow(1, ask));
    EXPECT_TRUE(ask.asked.empty());
    EXPECT_EQ(numbers(p), (std::vector<int>{1, 3}));
    EXPECT_EQ(p.currentWindow, 0);
    const CMainView& copy = *p.WindowAt(0);
    EXPECT_EQ(copy.description, "source");
    ASSERT_EQ(copy.componentCount(), 1u);
    EXPECT_NE(copy.components()[0].get(), p.WindowAt(1)->components()[0].get());
    EXPECT_EQ(p.WindowAt(1)->componentCount(), 1u);
}

TEST(Windows, CopyOntoExistingWindowAsksAndKeepsItsJumps)
{
    CProject p;
    p.AddWindow(7, "target");
    p.CurrentView()->upJump = 40;
    p.CurrentView()->AddComponent(std::make_unique<CBox>(10, 10, 99), {0, 0});
    p.AddWindow(3, "source");
    auto* source = p.CurrentView();
    source->AddComponent(std::make_unique<CBox>(10, 10, 2), {0, 0});
    source->AddComponent(std::make_unique<CBox>(10, 10, 1), {20, 0});

    ScriptedPrompter refuse;
    refuse.ok = false;
    EXPECT_FALSE(p.CopyWindow(7, refuse));
    EXPECT_EQ(refuse.asked, (std::vector<std::string>{"No. 7 window exist, do you want to replace it?"}));
    EXPECT_EQ(p.WindowAt(1)->description, "target");

    ScriptedPrompter accept;
    ASSERT_TRUE(p.CopyWindow(7, accept));
    const CMainView& t = *p.WindowAt(1);
    EXPECT_EQ(p.currentWindow, 1);
    EXPECT_EQ(t.description, "source");
    EXPECT_EQ(t.upJump, 40);
    ASSERT_EQ(t.componentCount(), 2u);
    EXPECT_EQ(idAt(t, 0), 1); // source order
    EXPECT_EQ(idAt(t, 1), 2);

    EXPECT_FALSE(p.CopyWindow(7, accept)); // onto itself: nothing happens
}

TEST(Components, AddSelectsAndClickMovesTheHitToTheHead)
{
    CMainView w(1);
    w.AddComponent(std::make_unique<CBox>(100, 36, 1), {0, 0});
    w.AddComponent(std::make_unique<CBox>(100, 36, 2), {50, 0});
    EXPECT_EQ(idAt(w, 0), 2); // the newest is selected

    EXPECT_TRUE(w.SelectAt({60, 10})); // both contain it: the one nearer the head wins
    EXPECT_EQ(idAt(w, 0), 2);
    EXPECT_TRUE(w.SelectAt({10, 10}));
    EXPECT_EQ(idAt(w, 0), 1);
    EXPECT_EQ(idAt(w, 1), 2);
    EXPECT_FALSE(w.SelectAt({300, 100}));

    EXPECT_EQ(w.SelectionRect(), (CRect{0, 0, 99, 35}));
    w.DeleteSelected();
    EXPECT_EQ(w.componentCount(), 1u);
    EXPECT_EQ(idAt(w, 0), 2);
    w.DeleteAll();
    EXPECT_FALSE(w.SelectionRect());
}

TEST(Project, NewProjectReset)
{
    CProject p;
    p.SetProtocol(5);
    p.panel.statusFlags = 7;
    p.panel.password = 1234;
    p.panel.screenSaverAction = 1;
    p.panel.screenSaverDelay = 9;
    p.AddWindow(8);
    p.ResetForNewProject();
    EXPECT_EQ(numbers(p), (std::vector<int>{1}));
    EXPECT_EQ(p.panel.statusFlags, 0);
    EXPECT_EQ(p.panel.password, 0);
    EXPECT_EQ(p.panel.controlStation, 0);
    EXPECT_EQ(p.panel.screenSaverDelay, 3);
    EXPECT_EQ(p.panel.screenSaverAction, 1); // kept
}

TEST(Project, ProtocolRebuildSetsRegisterStepAndFixedSettings)
{
    CProject p;
    p.panel.statusFlags = 5;
    p.panel.controlRegisterType = 1;
    p.SetProtocol(2);
    EXPECT_EQ(p.panel.registerStep, 2);
    EXPECT_EQ(p.panel.controlRegisterType, 0);
    EXPECT_EQ(p.panel.statusFlags, 5);
    p.SetProtocol(1);
    EXPECT_EQ(p.panel.registerStep, 1);
    EXPECT_EQ(p.panel.statusFlags, 0);
    EXPECT_EQ(p.tables().wordList, (std::vector<std::string>{"B", "W", "D"}));
}
