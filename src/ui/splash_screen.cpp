#include "ui/splash_screen.h"

#include <QEventLoop>
#include <QPainter>
#include <QTimer>

#include "document/data_file_format.h"
#include "ui/version_text.h"

namespace slv {

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 220;

QPixmap splashPicture()
{
    QPixmap picture(kWidth, kHeight);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(24, 48, 92));
    sky.setColorAt(1, QColor(44, 88, 140));
    painter.fillRect(picture.rect(), sky);
    painter.setPen(Qt::white);
    QFont title = painter.font();
    title.setPointSize(24);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(picture.rect().adjusted(0, 0, 0, -40), Qt::AlignCenter, "XPS Selvaro");
    QFont small = painter.font();
    small.setPointSize(10);
    small.setBold(false);
    painter.setFont(small);
    painter.drawText(picture.rect().adjusted(0, 50, 0, 0), Qt::AlignCenter,
                     "Quantitative XPS of surfaces, layers and particles");
    painter.drawText(picture.rect().adjusted(0, 0, -12, -10), Qt::AlignRight | Qt::AlignBottom,
                     VersionText(kProgramVersionStamp));
    return picture;
}

}  // namespace

SplashScreen::SplashScreen() : QSplashScreen(splashPicture(), Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void SplashScreen::present()
{
    m_shown.start();
    show();
    raise();
}

void SplashScreen::handOver(QWidget& mainWindow)
{
    const qint64 remaining = kMinimumMilliseconds - m_shown.elapsed();
    if (remaining > 0) {
        QEventLoop wait;
        QTimer::singleShot(static_cast<int>(remaining), &wait, &QEventLoop::quit);
        wait.exec();
    }
    mainWindow.show();
    finish(&mainWindow);
}

}  // namespace slv
