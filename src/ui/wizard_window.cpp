// The data wizard's window: a tool window over the main window that can be
// docked into the top right corner of the client area and kept on top.
#include "ui/wizard_window.h"

#include <algorithm>

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace slv {

namespace {

constexpr int kWindowWidth = 300;        // px: room for the longest explanation in a few lines
constexpr int kExplanationHeight = 150;  // px
constexpr int kBadDataIconSize = 32;     // px
constexpr int kFrameGap = 8;             // px between the main window and the wizard beside it

}  // namespace

WizardWindow::WizardWindow(Session& session, WindowShell& shell, MainCommands& commands, WindowSettings& settings,
                           std::function<void()> showParameters, QWidget* client, QWidget* parent)
    : QWidget(parent, Qt::Tool),
      m_wizard(session, shell, commands, std::move(showParameters)),
      m_settings(settings),
      m_client(client)
{
    setWindowTitle(kWizardCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedWidth(kWindowWidth);

    m_title = new QLabel;
    m_title->setWordWrap(true);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_explanation = new QLabel;
    m_explanation->setWordWrap(true);
    m_explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_explanation->setMinimumHeight(kExplanationHeight);
    m_badData = new QLabel;
    m_badData->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(kBadDataIconSize));
    m_badData->setToolTip("The data of the step before cannot be used");
    m_back = new QPushButton("< Back");
    m_next = new QPushButton("Next >");
    m_next->setDefault(true);
    m_autoStart = new QCheckBox("Start wizard automatically");
    m_autoStart->setChecked(settings.wizard);
    m_onTop = new QCheckBox("Always on top");

    auto* text = new QHBoxLayout;
    text->addWidget(m_badData, 0, Qt::AlignTop);
    text->addWidget(m_explanation, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_back);
    buttons->addWidget(m_next);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addLayout(text, 1);
    layout->addLayout(buttons);
    layout->addWidget(m_autoStart);
    layout->addWidget(m_onTop);

    connect(m_back, &QPushButton::clicked, this, [this] {
        m_wizard.back();
        moved();
    });
    connect(m_next, &QPushButton::clicked, this, [this] {
        m_wizard.next();
        moved();
    });
    connect(m_autoStart, &QCheckBox::toggled, this, [this](bool on) { m_settings.wizard = on; });
    connect(m_onTop, &QCheckBox::toggled, this, [this](bool on) { setOnTop(on); });
    m_wizard.setChangedHandler([this] { refresh(); });
    refresh();
}

void WizardWindow::refresh()
{
    m_title->setText(QString::fromStdString(m_wizard.title()));
    m_explanation->setText(QString::fromStdString(m_wizard.explanation()));
    m_badData->setVisible(m_wizard.badData());
    m_back->setEnabled(m_wizard.backEnabled());
    m_next->setEnabled(m_wizard.nextEnabled());
}

void WizardWindow::moved()
{
    refresh();
    // The analyst types into the window the page opened, not into the wizard,
    // whose Enter would press Next.
    if (m_wizard.workWindow() && parentWidget() != nullptr)
        parentWidget()->activateWindow();
}

void WizardWindow::setOnTop(bool onTop)
{
    // Changing the flags hides a window; it is shown again at once.
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    show();
    dock();
}

QPoint WizardWindow::dockedPosition() const
{
    const QPoint topRight = m_client->mapToGlobal(QPoint(m_client->width(), 0));
    return {topRight.x() - frameGeometry().width(), topRight.y()};
}

void WizardWindow::dock()
{
    if (!m_onTop->isChecked() || parentWidget() == nullptr || parentWidget()->isMinimized())
        return;
    move(dockedPosition());
}

void WizardWindow::showBesideFrame()
{
    QWidget* frame = parentWidget();
    bool inCorner = false;
    if (!isVisible() && frame != nullptr && !m_onTop->isChecked()) {
        adjustSize();
        const QRect outer = frame->frameGeometry();
        const QRect screen = frame->screen()->availableGeometry();
        inCorner = outer.right() + kFrameGap + width() > screen.right();
        move(inCorner ? dockedPosition() : QPoint(outer.right() + kFrameGap, outer.top()));
    }
    show();
    raise();
    // The window's frame is known only once it is shown.
    if (inCorner)
        move(dockedPosition());
    dock();
}

void WizardWindow::placeClearOfWizard(QWidget& dialog) const
{
    if (!isVisible())
        return;
    dialog.adjustSize();
    const QRect wizard = frameGeometry();
    const QRect screen = this->screen()->availableGeometry();
    // The dialog's frame is known only once it is shown: the wizard's stands in for it.
    const int frameWidth = wizard.width() - width();
    const int left = wizard.left() - kFrameGap - dialog.width() - frameWidth;
    dialog.move(std::max(screen.left(), left), std::max(screen.top(), wizard.top()));
}

void WizardWindow::closeEvent(QCloseEvent* event)
{
    if (m_closed)
        m_closed();
    event->accept();
}

}  // namespace slv
