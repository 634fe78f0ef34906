#pragma once

#include <QSplashScreen>
#include <QStringList>

namespace shell {

// True when an argument of the command line (without the program's name) is "-ns" or "/ns"
// in any letter case.
bool splashSuppressed(const QStringList &arguments);

// The splash picture: "<program path>.bmp" when such a picture file exists and can be read,
// otherwise the program's own picture; always 240 × 180.
QPixmap splashPicture(const QString &programPath);

// TabcsfSplash: the start-up splash. A borderless window on top of the others, centred on the
// screen, 260 × 200: the picture inside a raised bevel 10 pixels wide. It closes (and deletes
// itself) 3000 ms after it is first shown, or at once when clicked.
class TabcsfSplash : public QSplashScreen
{
    Q_OBJECT

public:
    static constexpr int ShowMs = 3000;

    explicit TabcsfSplash(const QPixmap &picture);

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool m_timerStarted = false;
};

// Shows the splash unless the arguments suppress it; returns it, or nullptr when not shown.
TabcsfSplash *showSplash(const QStringList &arguments, const QString &programPath);

} // namespace shell
