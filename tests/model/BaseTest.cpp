#include <gtest/gtest.h>

#include "TestComponent.h"
#include "plc/CProtocolTables.h"
#include "model/CArchive.h"
#include "model/CCompileContext.h"

using namespace zl;
using zl::test::CBox;

TEST(Coordinates, CanvasAndPanelRoundTrip)
{
    EXPECT_EQ(canvasToPanel(100), 44);
    EXPECT_EQ(panelToCanvas(44), 99);
    EXPECT_EQ(canvasToPanel(432), 192);
    EXPECT_EQ(panelToCanvas(64), 144);
    for (int p = 0; p <= kPanelWidth; ++p)
        EXPECT_EQ(canvasToPanel(panelToCanvas(p)), p) << p;
}

TEST(Base, DefaultsDependOnTheProtocol)
{
    struct Case {
        unsigned protocol;
        int address, station;
    };
    for (const Case c : {Case{3, 1, 1}, Case{16, 1, 1}, Case{34, 1, 1}, Case{5, 16, 0}, Case{2, 0, 2},
                         Case{11, 0, 0}, Case{22, 0, 0}, Case{1, 0, 1}}) {
        EXPECT_EQ(defaultOperandAddress(c.protocol), c.address) << c.protocol;
        EXPECT_EQ(defaultOperandStation(c.protocol), c.station) << c.protocol;
    }
}

TEST(Base, HitTestIncludesLeftTopOnly)
{
    CBox box(40, 36);
    box.MoveTo(18, 36);
    EXPECT_TRUE(box.HitTest({18, 36}));
    EXPECT_TRUE(box.HitTest({57, 71}));
    EXPECT_FALSE(box.HitTest({58, 50}));
    EXPECT_FALSE(box.HitTest({30, 72}));
}

TEST(Base, ClampKeepsTheSize)
{
    CBox box(40, 36);
    box.PlaceAt({420, 130});
    EXPECT_EQ(box.rect, (CRect{392, 108, 432, 144}));
    EXPECT_EQ(box.x, 174);
    EXPECT_EQ(box.y, 48);

    box.PlaceAt({-5, -7});
    EXPECT_EQ(box.rect, (CRect{0, 0, 40, 36}));
    EXPECT_EQ(box.x, 0);
    EXPECT_EQ(box.y, 0);
}

TEST(Base, DragMovesInWholeStepsAndCarriesTheRemainder)
{
    CBox box(40, 36);
    box.PlaceAt({99, 36});
    const int x0 = box.x;
    CPoint mouse{200, 50};

    // Less than nine pixels: nothing moves, the mouse point stays.
    CRect dirty = box.Drag(mouse, {208, 58});
    EXPECT_EQ(box.x, x0);
    EXPECT_EQ(mouse, (CPoint{200, 50}));
    EXPECT_EQ(dirty, box.rect);

    // +17: one step of 9 canvas / 4 panel pixels, 8 pixels carried over.
    const CRect before = box.rect;
    dirty = box.Drag(mouse, {217, 50});
    EXPECT_EQ(box.x, x0 + 4);
    EXPECT_EQ(box.rect.left, before.left + 9);
    EXPECT_EQ(mouse, (CPoint{209, 50}));
    EXPECT_EQ(dirty, (CRect{before.left - 1, before.top - 1, box.rect.right + 1, box.rect.bottom + 1}));

    // +1 more: the carried 8 plus 1 make another step.
    box.Drag(mouse, {218, 50});
    EXPECT_EQ(box.x, x0 + 8);
    EXPECT_EQ(mouse, (CPoint{218, 50}));

    // Backwards by 20: two steps left, truncated toward zero.
    box.Drag(mouse, {198, 50});
    EXPECT_EQ(box.x, x0);
}

TEST(Base, DragStopsAtTheCanvasEdge)
{
    CBox box(40, 36);
    box.PlaceAt({0, 0});
    CPoint mouse{10, 10};
    box.Drag(mouse, {10, -80});
    EXPECT_EQ(box.rect.top, 0);
    EXPECT_EQ(box.y, 0);
}

TEST(Base, BuildDownloadDataWritesPositionIntoAZeroedRecord)
{
    const CProtocolTables tables = CProtocolTables::Build(3, {}, 1);
    CCompileContext ctx(tables);
    CBox box(10, 10);
    box.x = 191;
    box.y = 63;
    box.CalcDownloadSize(ctx);
    box.BuildDownloadData(ctx);
    EXPECT_EQ(box.record, (Bytes{0xBF, 0x3F, 0, 0, 0, 0}));
    const auto copy = box.Clone();
    EXPECT_TRUE(copy->record.empty()); // copies start without a record
    box.FreeDownloadData();
    EXPECT_TRUE(box.record.empty());
}

TEST(Base, OperandBytes)
{
    struct Probe : CBox {
        using CBox::CBox;
        using CBox::WriteOperand;
    } box(10, 10);
    box.station = 5;
    box.wordCount = 2;
    box.subAddress = 3;
    std::uint8_t out[6] = {};
    box.WriteOperand(out, 0x04, 0x1234);
    EXPECT_EQ(Bytes(out, out + 6), (Bytes{5, 0x04, 0x12, 0x34, 8, 3}));
}

TEST(Base, CommonFilePart)
{
    CBox box(10, 10);
    box.typeCode = 3;
    box.x = -2;
    box.y = 300;
    CArchive out;
    box.Serialize(out);
    EXPECT_EQ(out.buffer(), (Bytes{3, 0xFE, 0xFF, 0xFF, 0xFF, 0x2C, 0x01, 0, 0}));
    CBox back(10, 10);
    CArchive in(out.buffer());
    back.Serialize(in);
    EXPECT_EQ(back.typeCode, 3);
    EXPECT_EQ(back.x, -2);
    EXPECT_EQ(back.y, 300);
}
