// The property pages' layout in the page area: every shown field at least as large as it needs to be,
// inside the page and clear of the others, and the tab order from the top left to the bottom right. The
// test runs again with the screen scaled by 1.5 (see the test list); ZL410_PAGE_SHOTS=<folder> saves a
// picture of every page there.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

#include "components/CBarTide.h"
#include "components/CChars.h"
#include "components/CDynamic.h"
#include "components/CFunction.h"
#include "components/CLight.h"
#include "components/CRegister.h"
#include "components/CUpLoadPic.h"
#include "editor/pages/CBarTidePage.h"
#include "editor/controls/CBoundControls.h"
#include "editor/pages/CDynamicPage.h"
#include "editor/pages/CFunctionPage.h"
#include "editor/pages/CLedPage.h"
#include "editor/pages/CPicturePage.h"
#include "editor/pages/CRegisterPage.h"
#include "editor/pages/CTextPage.h"
#include "editor/CZL110View.h"
#include "plc/CProtocolTables.h"

using namespace zl;

namespace
{

// A page of one kind and state, bound to a fresh component under a protocol.
struct PageCase {
    const char* name;
    unsigned protocol;
    std::function<CComponentPage*()> page;
    std::function<std::unique_ptr<CBase>(unsigned)> component;
    std::function<void(CComponentPage&)> prepare;
};

template <class P> std::function<CComponentPage*()> make()
{
    return [] { return new P; };
}
template <class C> std::function<std::unique_ptr<CBase>(unsigned)> comp()
{
    return [](unsigned protocol) { return std::make_unique<C>(protocol, CPoint{40, 40}); };
}
std::unique_ptr<CBase> picture(unsigned protocol)
{
    return std::make_unique<CUpLoadPic>(protocol, CPoint{40, 40},
                                        CRgbImage{64, 32, std::vector<std::uint32_t>(64 * 32, 0xFFFFFF)});
}
std::function<void(CComponentPage&)> action(int index)
{
    return [index](CComponentPage& p) {
        qobject_cast<CFunctionPage*>(&p)->actionRadios()->button(index)->click();
    };
}

const std::vector<PageCase>& cases()
{
    static const std::vector<PageCase> all = {
        {"LED", 3, make<CLedPage>(), comp<CLight>(), {}},
        {"LED protocol 1", 1, make<CLedPage>(), comp<CLight>(), {}},
        {"LED protocol 31", 31, make<CLedPage>(), comp<CLight>(), {}},
        {"function key coil", 3, make<CFunctionPage>(), comp<CFunction>(), action(CFunction::kSetCoil)},
        {"function key jump", 3, make<CFunctionPage>(), comp<CFunction>(), action(CFunction::kJumpTo)},
        {"function key register", 3, make<CFunctionPage>(), comp<CFunction>(),
         action(CFunction::kSetRegister)},
        {"function key coil protocol 31", 31, make<CFunctionPage>(), comp<CFunction>(),
         action(CFunction::kSetCoil)},
        {"text", 3, make<CTextPage>(), comp<CChars>(), {}},
        {"register", 3, make<CRegisterPage>(), comp<CRegister>(), {}},
        {"register protocol 31", 31, make<CRegisterPage>(), comp<CRegister>(), {}},
        {"dynamic text", 3, make<CDynamicPage>(), comp<CDynamic>(), {}},
        {"dynamic text protocol 31", 31, make<CDynamicPage>(), comp<CDynamic>(), {}},
        {"bar graph", 3, make<CBarTidePage>(), comp<CBar>(), {}},
        {"trend line", 3, make<CBarTidePage>(), comp<CTide>(), {}},
        {"trend line protocol 31", 31, make<CBarTidePage>(), comp<CTide>(), {}},
        {"picture", 3, make<CPicturePage>(), picture, {}},
    };
    return all;
}

// The widgets a user sees and reads: labels, fields, buttons.
bool isLeaf(const QWidget* w)
{
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractButton*>(w);
}

bool isTabStop(const QWidget* w, const QWidget* page)
{
    return (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisibleTo(page) && w->isEnabled();
}

QRect inPage(const QWidget* w, const QWidget* page)
{
    return QRect(w->mapTo(page, QPoint(0, 0)), w->size());
}

} // namespace

class PageLayoutTest : public QObject
{
    Q_OBJECT

    // The page in a window of the page area's size, as the editor shows it.
    struct Shown {
        QWidget window;
        CComponentPage* page;
        CProtocolTables tables;
        std::unique_ptr<CBase> component;
    };
    std::unique_ptr<Shown> show(const PageCase& c)
    {
        auto s = std::make_unique<Shown>();
        s->page = c.page();
        s->page->setParent(&s->window);
        s->tables = CProtocolTables::Build(c.protocol, {}, 1);
        s->component = c.component(c.protocol);
        const QRect area = CZL110View::kPageRect;
        s->window.resize(area.size());
        s->page->setGeometry(0, 0, area.width(), area.height());
        s->window.show();
        QApplication::setActiveWindow(&s->window);
        s->page->Load(s->component.get(), s->tables);
        if (c.prepare)
            c.prepare(*s->page);
        QApplication::processEvents(); // layouts and the tab order settle
        return s;
    }

private slots:
    void fieldsFitAndDoNotOverlap_data()
    {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < cases().size(); ++i)
            QTest::newRow(cases()[i].name) << int(i);
    }
    void fieldsFitAndDoNotOverlap()
    {
        QFETCH(int, row);
        const PageCase& c = cases()[static_cast<std::size_t>(row)];
        auto s = show(c);
        QWidget* page = s->page;
        if (const QByteArray shots = qgetenv("ZL410_PAGE_SHOTS"); !shots.isEmpty()) {
            QDir().mkpath(QString::fromLocal8Bit(shots));
            const QString file =
                QDir(QString::fromLocal8Bit(shots)).filePath(QString::fromLatin1(c.name) + ".png");
            QVERIFY(s->window.grab().save(file));
        }
        const QSize need = page->minimumSizeHint();
        QVERIFY2(need.width() <= page->width() && need.height() <= page->height(),
                 qPrintable(QStringLiteral("needs %1 x %2").arg(need.width()).arg(need.height())));

        std::vector<QWidget*> leaves;
        for (QWidget* w : page->findChildren<QWidget*>())
            if (isLeaf(w) && w->isVisibleTo(page) && !qobject_cast<QLineEdit*>(w->parentWidget()) &&
                !qobject_cast<QComboBox*>(w->parentWidget()))
                leaves.push_back(w);
        QVERIFY(leaves.size() > 4);
        for (QWidget* w : leaves) {
            const QString what =
                w->metaObject()->className() + QStringLiteral(" ") +
                (w->objectName().isEmpty() ? w->property("text").toString() : w->objectName());
            const QRect r = inPage(w, page);
            QVERIFY2(page->rect().contains(r), qPrintable(what + QStringLiteral(" is outside the page")));
            // Clipped by its group box (or the page's own frame)?
            for (QWidget* p = w->parentWidget(); p != page; p = p->parentWidget())
                QVERIFY2(inPage(p, page).contains(r),
                         qPrintable(what + QStringLiteral(" is cut by its group")));
            // Squeezed below what its text needs? (The spin arrows are small by design.)
            const QSize hint = qobject_cast<QLineEdit*>(w) ? w->minimumSizeHint() : w->sizeHint();
            const bool squeezed =
                !qobject_cast<QToolButton*>(w) && (w->width() < hint.width() || w->height() < hint.height());
            QVERIFY2(!squeezed, qPrintable(what + QStringLiteral(" is %1 x %2, needs %3 x %4")
                                                      .arg(w->width())
                                                      .arg(w->height())
                                                      .arg(hint.width())
                                                      .arg(hint.height())));
            for (QWidget* other : leaves)
                if (other != w && !w->isAncestorOf(other) && !other->isAncestorOf(w))
                    QVERIFY2(!r.intersects(inPage(other, page)),
                             qPrintable(what + QStringLiteral(" overlaps ") +
                                        other->metaObject()->className() + QStringLiteral(" ") +
                                        other->objectName() + other->property("text").toString()));
        }
    }

    void tabOrderRunsTopLeftToBottomRight_data() { fieldsFitAndDoNotOverlap_data(); }
    void tabOrderRunsTopLeftToBottomRight()
    {
        QFETCH(int, row);
        auto s = show(cases()[static_cast<std::size_t>(row)]);
        QWidget* page = s->page;
        std::vector<QWidget*> stops;
        for (QWidget* w : page->findChildren<QWidget*>())
            if (isTabStop(w, page))
                stops.push_back(w);
        QVERIFY(!stops.empty());
        QWidget* first = *std::min_element(stops.begin(), stops.end(), [&](QWidget* a, QWidget* b) {
            return inPage(a, page).top() < inPage(b, page).top() ||
                   (inPage(a, page).top() == inPage(b, page).top() &&
                    inPage(a, page).left() < inPage(b, page).left());
        });
        // The chain from the first field, over the fields a user reaches with Tab.
        std::vector<QWidget*> chain{first};
        for (QWidget* w = first->nextInFocusChain(); w != first && chain.size() <= stops.size();
             w = w->nextInFocusChain())
            if (std::find(stops.begin(), stops.end(), w) != stops.end())
                chain.push_back(w);
        QCOMPARE(chain.size(), stops.size());
        for (std::size_t i = 1; i < chain.size(); ++i) {
            const QRect a = inPage(chain[i - 1], page);
            const QRect b = inPage(chain[i], page);
            // Fields of one row differ in height by a few pixels: their centres decide the row.
            const bool lowerRow = b.center().y() - a.center().y() > 6;
            const bool sameRowRight = std::abs(b.center().y() - a.center().y()) <= 6 && b.left() > a.left();
            QVERIFY2(lowerRow || sameRowRight, qPrintable(chain[i - 1]->objectName() +
                                                          QStringLiteral(" then ") + chain[i]->objectName()));
        }
    }
};

QTEST_MAIN(PageLayoutTest)
#include "PageLayoutTest.moc"
