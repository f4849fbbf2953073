#include "ui/line_list_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "chart_qt/ansi_text.h"
#include "ui/qt_dialogs.h"

namespace slv {

namespace {

constexpr const char* kAvailableLines = "Available lines:";
constexpr int kIconSize = 32;

}  // namespace

LineListDialog::LineListDialog(const LineChoiceRequest& request, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(kProgramCaption);
    setModal(true);
    auto* icon = new QLabel;
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(kIconSize, kIconSize));
    m_lines = new QComboBox;
    m_lines->setObjectName("cboLines");
    for (const std::string& line : request.lines)
        m_lines->addItem(AnsiQString(line));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    // Nothing to choose from: only Cancel leaves the dialog.
    buttons->button(QDialogButtonBox::Ok)->setEnabled(m_lines->count() > 0);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(new QLabel(AnsiQString(request.prompt)), 0, 1);
    layout->addWidget(new QLabel(kAvailableLines), 1, 1);
    layout->addWidget(m_lines, 2, 1);
    layout->addWidget(buttons, 3, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void LineListDialog::accept()
{
    if (m_lines->currentIndex() >= 0)
        m_choice = m_lines->currentIndex();
    QDialog::accept();
}

void LineListDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QApplication::beep();
}

}  // namespace slv
