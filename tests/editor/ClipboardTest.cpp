// Cut, Copy, Paste and Duplicate: within a window, across windows, between two editors through the
// system clipboard, and a clipboard that holds something hostile.
#include <QClipboard>
#include <QMimeData>

#include <random>

#include "EditorTesting.h"
#include "components/CUpLoadPic.h"
#include "editor/CCommands.h"
#include "editor/document/CComponentClipboard.h"
#include "model/CBase.h"

using namespace zl;
using namespace zl::test;

namespace
{

void putOnClipboard(const QByteArray& payload)
{
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kComponentMimeType), payload);
    QGuiApplication::clipboard()->setMimeData(data);
}

QByteArray clipboardBytes()
{
    return QGuiApplication::clipboard()->mimeData()->data(QString::fromLatin1(kComponentMimeType));
}

// The component's file body as it would be at `dx`, `dy` panel pixels from where it is.
Bytes bodyMovedBy(CBase& c, int dx, int dy)
{
    const std::unique_ptr<CBase> copy = c.Clone();
    copy->MoveByPanel(dx, dy);
    return WriteComponent(*copy);
}

} // namespace

class ClipboardTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Editor> e;
    CMainView& window() const { return *e->project().CurrentView(); }

private slots:
    void init()
    {
        QGuiApplication::clipboard()->clear();
        e = std::make_unique<Editor>();
        e->newProject();
    }
    void cleanup() { e.reset(); }

    void withinAndAcrossWindows()
    {
        QVERIFY(!e->frame->action(kCmdPaste)->isEnabled());
        CBase& led = e->place(kCmdRegister, {99, 45});
        led.address = 1234;
        e->trigger(kCmdCopy);
        QVERIFY(e->frame->action(kCmdPaste)->isEnabled());
        QCOMPARE(window().componentCount(), 1u); // copying changes nothing

        // A paste lands one grid step right and down of the original, selected.
        e->trigger(kCmdPaste);
        QCOMPARE(window().componentCount(), 2u);
        CBase& pasted = *window().head();
        QVERIFY(e->doc().selectedComponent() == &pasted);
        QCOMPARE(pasted.rect.left, 99 + 9);
        QCOMPARE(pasted.rect.top, 45 + 9);
        QVERIFY(WriteComponent(pasted) == bodyMovedBy(*window().components()[1], 4, 4));

        // Into another window.
        e->newWindow(2);
        e->trigger(kCmdPaste);
        QCOMPARE(window().componentCount(), 1u);
        QCOMPARE(int(window().head()->address), 1234);

        // Cut takes it away and a paste brings it back a step further on.
        const Bytes before = e->bytes();
        e->trigger(kCmdCut);
        QCOMPARE(window().componentCount(), 0u);
        QVERIFY(!e->frame->action(kCmdCut)->isEnabled());
        e->trigger(kCmdPaste);
        QCOMPARE(window().componentCount(), 1u);
        QCOMPARE(window().head()->rect.left, 99 + 18);
        e->trigger(kCmdUndo);
        e->trigger(kCmdUndo);
        QVERIFY(e->bytes() == before);
    }

    void duplicateIsPulledBackInsideTheCanvas()
    {
        e->place(kCmdTrendLine, {400, 140}); // the ghost stops a pixel short of the corner
        const CRect placed = window().head()->rect;
        const QByteArray clipboard = "untouched";
        putOnClipboard(clipboard);
        e->trigger(kCmdDuplicate);
        QCOMPARE(window().componentCount(), 2u);
        const CRect copy = window().head()->rect;
        QCOMPARE(copy.right, kCanvasWidth);
        QCOMPARE(copy.bottom, kCanvasHeight);
        QCOMPARE(copy.width(), placed.width());
        QCOMPARE(clipboardBytes(), clipboard); // Duplicate leaves the clipboard alone
    }

    void betweenTwoEditorsAndProtocols()
    {
        // A picture keeps its pixels, and a register its fields under another protocol.
        QTemporaryDir dir;
        QImage image(20, 10, QImage::Format_RGB32);
        image.fill(Qt::black);
        image.setPixelColor(3, 4, Qt::white);
        const QString bitmap = dir.filePath(QStringLiteral("p.bmp"));
        QVERIFY(image.save(bitmap, "BMP"));
        e->files.paths = {bitmap};
        CBase& picture = e->place(kCmdPicture, {36, 36});
        e->trigger(kCmdCopy);

        Editor other;
        other.newProject(20);
        QVERIFY(other.project().protocol() != e->project().protocol());
        other.trigger(kCmdPaste);
        CBase& pasted = *other.project().CurrentView()->head();
        QCOMPARE(pasted.typeCode, kPicture);
        QVERIFY(WriteComponent(pasted) == bodyMovedBy(picture, 4, 4));
        QVERIFY(static_cast<CUpLoadPic&>(pasted).pixels == static_cast<CUpLoadPic&>(picture).pixels);
        QVERIFY(other.prompter.messages.empty()); // a paste under another protocol says nothing
    }

    void aHostileClipboardPastesNothing()
    {
        CBase& text = e->place(kCmdText, {36, 36});
        e->trigger(kCmdCopy);
        const QByteArray good = clipboardBytes();
        std::vector<QByteArray> payloads = {
            QByteArray(),
            QByteArray("\xff\xff\x01\x00\x06\x00"
                       "CChars",
                       12), // announced, then nothing
            QByteArray("\xff\xff\x01\x00\x08\x00"
                       "CMystery\x01",
                       15),
            good.left(good.size() - 1),
            good + QByteArray(1, '\0'),
            QByteArray(2 << 20, '\x7f'),
        };
        const Bytes windowBytes = WriteWindow(*e->project().CurrentView());
        payloads.emplace_back(reinterpret_cast<const char*>(windowBytes.data()),
                              qsizetype(windowBytes.size()));
        const std::size_t fixed = payloads.size();
        std::mt19937 random(410);
        for (int i = 0; i < 300; ++i) {
            QByteArray damaged = good;
            for (int k = 0; k < 4; ++k)
                damaged[int(random() % good.size())] = char(random());
            payloads.push_back(damaged);
        }
        for (std::size_t i = 0; i < payloads.size(); ++i) {
            putOnClipboard(payloads[i]);
            const std::size_t count = window().componentCount();
            e->trigger(kCmdPaste); // whatever it holds, no crash
            if (i < fixed && window().componentCount() != count)
                QFAIL(qPrintable(QStringLiteral("payload %1 pasted").arg(i)));
        }
        (void)text;
    }

    // Several selected travel together to another window and arrive selected, in their order; a list
    // that is cut short or holds one bad body pastes nothing at all.
    void severalTravelTogether()
    {
        e->place(kCmdText, {36, 36});
        e->place(kCmdText, {36, 90});
        e->doc().selectAll();
        std::vector<Bytes> bodies;
        for (CBase* c : e->doc().selection())
            bodies.push_back(bodyMovedBy(*c, 4, 4));
        e->trigger(kCmdCopy);
        const QByteArray list =
            QGuiApplication::clipboard()->mimeData()->data(QString::fromLatin1(kComponentsMimeType));
        QVERIFY(e->doc().newWindow(2, ""));
        e->doc().setCurrentWindow(1);
        e->trigger(kCmdPaste);
        QCOMPARE(window().componentCount(), std::size_t(2));
        QCOMPARE(e->doc().selection().size(), std::size_t(2));
        for (std::size_t i = 0; i < bodies.size(); ++i)
            QVERIFY(WriteComponent(*e->doc().selection()[i]) == bodies[i]);

        const std::vector<QByteArray> hostile = {
            list.left(list.size() - 1),
            list.left(3),
            list + QByteArray("\x05\0\0\0abcde", 9),
            QByteArray("\xff\xff\xff\xff", 4) + list,
        };
        for (const QByteArray& payload : hostile) {
            auto* data = new QMimeData;
            data->setData(QString::fromLatin1(kComponentsMimeType), payload);
            QGuiApplication::clipboard()->setMimeData(data);
            e->trigger(kCmdPaste);
            QCOMPARE(window().componentCount(), std::size_t(2));
        }
    }
};

QTEST_MAIN(ClipboardTest)
#include "ClipboardTest.moc"
