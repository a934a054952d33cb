#include "editor/dialogs/CSplashWindow.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "editor/canvas/CToolIcons.h"
#include "qt/ProgramVersion.h"

namespace zl
{

CSplashWindow::CSplashWindow(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(picture().size());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QTimer::singleShot(kShowMs, this, &QWidget::close);
    qApp->installEventFilter(this);
}

QPixmap CSplashWindow::picture()
{
    QPixmap pixmap(400, 240);
    pixmap.fill(QColor(32, 40, 56));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawPixmap(24, 24, applicationIcon().pixmap(96, 96));
    QFont title(QStringLiteral("DejaVu Sans"), 34, QFont::Bold);
    p.setFont(title);
    p.setPen(QColor(235, 238, 245));
    p.drawText(QRect(140, 30, 240, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ZL410"));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    p.setPen(QColor(180, 190, 210));
    p.drawText(QRect(142, 86, 240, 24), Qt::AlignLeft, tr("Operator panel configuration"));
    // A strip of the panel's dotted display along the bottom.
    p.fillRect(QRect(24, 150, 352, 60), QColor(64, 64, 64));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int x = 32; x < 370; x += 16)
        for (int y = 158; y < 205; y += 16)
            p.drawRect(x, y, 2, 2);
    p.setPen(QColor(120, 220, 120));
    p.setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 14, QFont::Bold));
    p.drawText(QRect(24, 150, 352, 60), Qt::AlignCenter, QStringLiteral("V") + QString::fromLatin1(programVersion()));
    return pixmap;
}

void CSplashWindow::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, picture());
}

bool CSplashWindow::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        close();
        break;
    default:
        break;
    }
    return false; // the key or click still goes where it was aimed
}

} // namespace zl
