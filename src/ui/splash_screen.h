// The splash shown while the program starts: the program's name and
// version over a picture, on top of the other windows without taking the
// focus from them, for at least two seconds.
#pragma once

#include <QElapsedTimer>
#include <QSplashScreen>

namespace slv {

class SplashScreen final : public QSplashScreen {
public:
    static constexpr int kMinimumMilliseconds = 2000;

    SplashScreen();

    /// Shows the splash without activating it and starts its clock.
    void present();
    /// Waits, handling events, until the splash has been shown for its
    /// minimum time, then shows the main window and closes the splash.
    void handOver(QWidget& mainWindow);

private:
    QElapsedTimer m_shown;
};

}  // namespace slv
