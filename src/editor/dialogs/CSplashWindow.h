#pragma once
// The start-up splash window: drawn by the program, closed by its timer after 1500 ms or by any key press
// or mouse click in the application, whichever comes first.
#include <QWidget>

namespace zl
{

class CSplashWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kShowMs = 1500;
    explicit CSplashWindow(QWidget* parent = nullptr);
    // The picture the window shows.
    static QPixmap picture();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace zl
