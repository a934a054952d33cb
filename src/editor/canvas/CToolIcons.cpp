#include "editor/canvas/CToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "editor/CCommands.h"

namespace zl
{
namespace
{

const QColor kInk(40, 40, 48);
const QColor kPaper(250, 250, 244);
const QColor kBlue(58, 110, 190);
const QColor kGreen(40, 160, 80);
const QColor kRed(200, 50, 40);
const QColor kYellow(240, 190, 40);
const QColor kPanel(64, 64, 64);

constexpr int kWidth = 18;
constexpr int kHeight = 17;
constexpr qreal kScale = 2; // drawn at twice the size for sharp images on dense screens

void page(QPainter& p, QRectF r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 4, r.top());
    path.lineTo(r.right(), r.top() + 4);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(path);
}

void window(QPainter& p, QRectF r)
{
    p.setBrush(kPaper);
    p.drawRect(r);
    p.fillRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 1, 3), kBlue);
}

void panel(QPainter& p, QRectF r)
{
    p.setBrush(kPanel);
    p.drawRoundedRect(r, 1.5, 1.5);
}

void glyph(QPainter& p, QRectF r, const QString& text, QColor colour, qreal size, bool bold = true)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(int(size));
    f.setBold(bold);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
    p.setPen(QPen(kInk, 1));
}

void cross(QPainter& p, QPointF c, qreal r, QColor colour)
{
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
    p.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
    p.setPen(QPen(kInk, 1));
}

void plus(QPainter& p, QPointF c, qreal r, QColor colour)
{
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-r, 0), c + QPointF(r, 0));
    p.drawLine(c + QPointF(0, -r), c + QPointF(0, r));
    p.setPen(QPen(kInk, 1));
}

void arrow(QPainter& p, QPointF from, QPointF to, QColor colour)
{
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::max(1.0, std::hypot((to - from).x(), (to - from).y()));
    const QPointF n(-d.y(), d.x());
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({to + d * 2, to - d * 3 + n * 3, to - d * 3 - n * 3}));
    p.setPen(QPen(kInk, 1));
}

void draw(QPainter& p, int command, int variant)
{
    p.setPen(QPen(kInk, 1));
    switch (command) {
    case kCmdNewProject:
        page(p, {3.5, 1.5, 11, 14});
        plus(p, {12.5, 12}, 2.5, kGreen);
        break;
    case kCmdOpen:
        p.setBrush(kYellow.darker(115));
        p.drawRect(QRectF(1.5, 4.5, 14, 10));
        p.setBrush(kYellow);
        p.drawPolygon(QPolygonF({{3.5, 7.5}, {17.0, 7.5}, {14.5, 14.5}, {1.5, 14.5}}));
        break;
    case kCmdSave:
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(2.5, 1.5, 13, 14), 1, 1);
        p.fillRect(QRectF(5, 2, 8, 5), kPaper);
        p.fillRect(QRectF(5, 10, 8, 5), kPanel);
        break;
    case kCmdCut:
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(5.5, 13), 2.5, 2.5);
        p.drawEllipse(QPointF(12.5, 13), 2.5, 2.5);
        p.setPen(QPen(kInk, 1.5));
        p.drawLine(QPointF(6.5, 11), QPointF(12, 1.5));
        p.drawLine(QPointF(11.5, 11), QPointF(6, 1.5));
        break;
    case kCmdCopy:
        page(p, {1.5, 1.5, 9, 11});
        page(p, {7.5, 4.5, 9, 11});
        break;
    case kCmdPaste:
        p.setBrush(kYellow.darker(130));
        p.drawRoundedRect(QRectF(2.5, 2.5, 11, 13), 1, 1);
        page(p, {7.5, 6.5, 9, 9.5});
        break;
    case kCmdAbout:
        p.setBrush(kBlue);
        p.drawEllipse(QRectF(1.5, 1, 15, 15));
        glyph(p, {1.5, 1, 15, 15}, QStringLiteral("?"), kPaper, 12);
        break;
    case kCmdLed:
        p.setBrush(kGreen);
        p.drawEllipse(QRectF(3, 2.5, 12, 12));
        p.setBrush(kPaper);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(6, 5, 3, 3));
        break;
    case kCmdFunctionKey:
        p.setBrush(QColor(210, 210, 210));
        p.drawRoundedRect(QRectF(1.5, 2.5, 15, 12), 2.5, 2.5);
        glyph(p, {1.5, 2.5, 15, 12}, QStringLiteral("F"), kInk, 10);
        break;
    case kCmdText:
        glyph(p, {0, 0, 18, 17}, QStringLiteral("A"), kInk, 15);
        break;
    case kCmdDynamicText:
        glyph(p, {0, -2, 14, 17}, QStringLiteral("A"), kInk, 13);
        arrow(p, {9, 14}, {15.5, 14}, kBlue);
        arrow(p, {15, 4}, {15, 10}, kBlue);
        break;
    case kCmdRegister:
        panel(p, {0.5, 3.5, 17, 10});
        glyph(p, {0.5, 3.5, 17, 10}, QStringLiteral("123"), kPaper, 8);
        break;
    case kCmdBarGraph:
        p.setBrush(kBlue);
        p.drawRect(QRectF(2.5, 8.5, 3, 7));
        p.drawRect(QRectF(7.5, 3.5, 3, 12));
        p.drawRect(QRectF(12.5, 6.5, 3, 9));
        break;
    case kCmdTrendLine:
        p.drawLine(QPointF(1.5, 1.5), QPointF(1.5, 15.5));
        p.drawLine(QPointF(1.5, 15.5), QPointF(16.5, 15.5));
        p.setPen(QPen(kRed, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({{3, 12}, {6, 7}, {9, 10}, {12, 4}, {16, 6}}));
        break;
    case kCmdPicture:
        p.setBrush(QColor(150, 200, 240));
        p.drawRect(QRectF(1.5, 2.5, 15, 12));
        p.setBrush(kGreen);
        p.drawPolygon(QPolygonF({{2, 14}, {7, 7}, {10, 11}, {12, 9}, {16, 14}}));
        p.setBrush(kYellow);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(11, 4, 3.5, 3.5));
        break;
    case kCmdNewWindow:
        window(p, {1.5, 1.5, 13, 11});
        plus(p, {13, 12.5}, 3, kGreen);
        break;
    case kCmdCopyWindow:
        window(p, {1.5, 1.5, 10, 9});
        window(p, {6.5, 6.5, 10, 9});
        break;
    case kCmdDeleteWindow:
        window(p, {1.5, 1.5, 13, 11});
        cross(p, {13, 12.5}, 2.5, kRed);
        break;
    case kCmdPanelConfig:
        panel(p, {0.5, 2.5, 17, 12});
        p.fillRect(QRectF(2.5, 4.5, 9, 6), QColor(120, 200, 120));
        for (int i = 0; i < 3; ++i)
            p.fillRect(QRectF(13, 4.5 + i * 3, 3, 2), QColor(200, 200, 200));
        break;
    case kCmdAlarmList: {
        QPainterPath bell;
        bell.moveTo(3, 13);
        bell.cubicTo(5, 11, 4, 3, 9, 3);
        bell.cubicTo(14, 3, 13, 11, 15, 13);
        bell.closeSubpath();
        p.setBrush(kYellow);
        p.drawPath(bell);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(9, 14.5), 1.5, 1.5);
        break;
    }
    case kCmdDownload:
        panel(p, {2.5, 10.5, 13, 6});
        arrow(p, {9, 1}, {9, 7}, kGreen);
        break;
    case kCmdWindowAttribute:
        window(p, {1.5, 1.5, 15, 13});
        glyph(p, {1.5, 4, 15, 11}, variant == 0 ? QStringLiteral("▲") : QStringLiteral("▼"), kBlue, 8);
        break;
    default:
        break;
    }
}

} // namespace

QIcon toolIcon(int command, int variant)
{
    QPixmap pixmap(QSize(kWidth, kHeight) * kScale);
    pixmap.setDevicePixelRatio(kScale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, command, variant);
    p.end();
    return QIcon(pixmap);
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 64.0, size / 64.0);
        p.setPen(QPen(kInk, 2));
        p.setBrush(QColor(200, 204, 210));
        p.drawRoundedRect(QRectF(3, 9, 58, 46), 6, 6);
        p.setBrush(kPanel);
        p.drawRect(QRectF(9, 15, 34, 16));
        p.fillRect(QRectF(12, 19, 12, 3), QColor(120, 220, 120));
        p.fillRect(QRectF(12, 24, 20, 3), QColor(120, 220, 120));
        p.setBrush(kBlue);
        for (int i = 0; i < 3; ++i)
            p.drawRoundedRect(QRectF(47, 15 + i * 12, 9, 8), 2, 2);
        p.setBrush(kGreen);
        p.drawEllipse(QPointF(14, 44), 4, 4);
        p.setBrush(kRed);
        p.drawEllipse(QPointF(26, 44), 4, 4);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace zl
