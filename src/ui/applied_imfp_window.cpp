#include "ui/applied_imfp_window.h"

#include <QMenu>
#include <QVBoxLayout>

#include "session/applied_imfp.h"
#include "session/main_commands.h"
#include "ui/grid_view.h"

namespace slv {

namespace {
constexpr int kInitialWidth = 640;
constexpr int kInitialHeight = 320;
}  // namespace

AppliedImfpWindow::AppliedImfpWindow(Session& session, WindowShell& shell, QWidget* parent)
    : QDialog(parent),
      m_shell(shell),
      m_grid(AppliedImfpTable(session))
{
    setWindowTitle(kAppliedImfpCaption);
    m_view = new GridView(m_grid, {});
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu popup;
        popup.addAction("Copy", this, [this] { copySelection(); });
        popup.exec(m_view->viewport()->mapToGlobal(at));
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    resize(kInitialWidth, kInitialHeight);
}

AppliedImfpWindow::~AppliedImfpWindow()
{
    // The view goes before the grid it shows.
    delete m_view;
}

void AppliedImfpWindow::copySelection()
{
    m_shell.setClipboardText(ExpandCarriageReturns(m_grid.Clip()));
}

}  // namespace slv
