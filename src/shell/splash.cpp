#include "shell/splash.h"

#include "shell/programpicture.h"

#include <QApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <qdrawutil.h>

namespace shell {

namespace {

constexpr int bevelWidth = 10;
const QSize pictureSize(240, 180);

QPixmap framed(const QPixmap &picture)
{
    QPixmap window(pictureSize + QSize(2 * bevelWidth, 2 * bevelWidth));
    const QPalette palette = QApplication::palette();
    window.fill(palette.color(QPalette::Button));
    QPainter painter(&window);
    qDrawShadePanel(&painter, window.rect(), palette, false, bevelWidth);
    painter.drawPixmap(bevelWidth, bevelWidth, picture);
    return window;
}

} // namespace

bool splashSuppressed(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument.compare(QLatin1String("-ns"), Qt::CaseInsensitive) == 0
            || argument.compare(QLatin1String("/ns"), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QPixmap splashPicture(const QString &programPath)
{
    const QString path = programPath + QStringLiteral(".bmp");
    if (QFileInfo(path).isFile()) {
        QImageReader reader(path);
        const QImage image = reader.read();
        if (!image.isNull()) {
            QPixmap picture(pictureSize);
            picture.fill(QApplication::palette().color(QPalette::Button));
            const QImage scaled
                = image.scaled(pictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            QPainter painter(&picture);
            painter.drawImage((pictureSize.width() - scaled.width()) / 2,
                              (pictureSize.height() - scaled.height()) / 2, scaled);
            return picture;
        }
    }
    return programPicture(pictureSize);
}

TabcsfSplash::TabcsfSplash(const QPixmap &picture)
    : QSplashScreen(framed(picture), Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("abcSplash1"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing the main window ends the program even while the splash is up.
    setAttribute(Qt::WA_QuitOnClose, false);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

bool TabcsfSplash::event(QEvent *event)
{
    if (event->type() == QEvent::Show && !m_timerStarted) {
        m_timerStarted = true;
        QTimer::singleShot(ShowMs, this, &QWidget::close);
    }
    return QSplashScreen::event(event);
}

void TabcsfSplash::mousePressEvent(QMouseEvent *)
{
    close();
}

TabcsfSplash *showSplash(const QStringList &arguments, const QString &programPath)
{
    if (splashSuppressed(arguments))
        return nullptr;
    auto *splash = new TabcsfSplash(splashPicture(programPath));
    splash->show();
    // Painted now: the main window is built before the event loop runs.
    QCoreApplication::processEvents();
    return splash;
}

} // namespace shell
