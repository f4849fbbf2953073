// Help > About: the program's name and purpose, the versions of the program,
// of the element library it reads and of the data files it writes, where the
// methods are described, and a small animation of photoemission.
#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace slv {

class AboutDialog final : public QDialog {
public:
    static constexpr int kFrameCount = 8;

    explicit AboutDialog(QWidget* parent = nullptr);

    /// The animation frame shown, 0 .. kFrameCount - 1.
    int frame() const { return m_frame; }
    /// One tick of the animation's timer: the next frame, after the last the first.
    void advance();

private:
    QLabel* m_picture = nullptr;
    QTimer* m_timer = nullptr;
    int m_frame = 0;
};

}  // namespace slv
