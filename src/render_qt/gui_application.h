// Drawing text with QPainter needs a QGuiApplication. A command-line program
// that renders gets one here, on Qt's offscreen platform when there is no
// display to connect to.
#pragma once

#include <memory>

class QGuiApplication;

namespace slv {

class RenderingApplication {
public:
    /// Creates the application unless one exists already.
    RenderingApplication();
    ~RenderingApplication();
    RenderingApplication(const RenderingApplication&) = delete;
    RenderingApplication& operator=(const RenderingApplication&) = delete;

private:
    std::unique_ptr<QGuiApplication> m_app;
};

}  // namespace slv
