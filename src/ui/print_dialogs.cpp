#include "ui/print_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

#include "chart_qt/ansi_text.h"
#include "quant/results_table.h"
#include "report/report_options.h"
#include "ui/report_output.h"
#include "ui/whats_this.h"

namespace slv {

namespace {

constexpr int kPagePictureSize = 48;  // pixels
constexpr const char* kNoPrinter = "PDF file (no printer installed)";

/// A sheet of paper in the chosen orientation with a few lines of text on it.
QPixmap pagePicture(bool portrait)
{
    QPixmap picture(kPagePictureSize, kPagePictureSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const int longSide = kPagePictureSize - 6;
    const int shortSide = longSide * 707 / 1000;
    const QRect sheet = portrait ? QRect((kPagePictureSize - shortSide) / 2, 3, shortSide, longSide)
                                 : QRect(3, (kPagePictureSize - shortSide) / 2, longSide, shortSide);
    painter.fillRect(sheet, Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(sheet);
    painter.setPen(Qt::gray);
    for (int y = sheet.top() + 6; y < sheet.bottom() - 4; y += 4)
        painter.drawLine(sheet.left() + 4, y, sheet.right() - 4, y);
    return picture;
}

/// A check box caption with its ampersands shown as ampersands.
QString boxCaption(int section)
{
    return AnsiQString(PrintForm::SectionCaption(section)).replace("&", "&&");
}

}  // namespace

QPixmap PrinterPicture()
{
    constexpr int kSize = 16;
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 1, 7, 5);  // the sheet going in
    painter.setBrush(QColor(96, 96, 96));
    painter.drawRect(1, 6, 13, 6);  // the printer
    painter.setBrush(Qt::white);
    painter.drawRect(4, 10, 7, 5);  // the sheet coming out
    return picture;
}

PrintOptionsDialog::PrintOptionsDialog(Session& session, QtReportOutput& output, QWidget* parent)
    : QDialog(parent),
      m_session(session),
      m_output(output),
      m_form(session.print(), session.environment().DecSep)
{
    setWindowTitle(kPrintOptionsCaption);
    m_printer = new QComboBox;
    const QStringList printers = QtReportOutput::printerNames();
    if (printers.isEmpty()) {
        m_printer->addItem(kNoPrinter);
        m_printer->setEnabled(false);
    } else {
        m_printer->addItems(printers);
        if (const int at = static_cast<int>(printers.indexOf(output.printerName())); at >= 0)
            m_printer->setCurrentIndex(at);
    }
    m_font = new QFontComboBox;
    m_font->setCurrentFont(QFont(AnsiQString(m_form.fontName)));
    m_shownFamily = m_font->currentFont().family();
    m_size = new QLineEdit(QString::fromStdString(m_form.sizeText));
    m_size->setMaximumWidth(60);
    m_margin = new QComboBox;
    m_margin->setEditable(true);
    for (const std::string& margin : m_form.marginChoices())
        m_margin->addItem(QString::fromStdString(margin));
    m_margin->setEditText(QString::fromStdString(m_form.marginText));
    m_margin->setMaximumWidth(80);

    m_portrait = new QRadioButton("&Portrait");
    m_landscape = new QRadioButton("&Landscape");
    (m_form.portrait ? m_portrait : m_landscape)->setChecked(true);
    m_page = new QLabel;
    auto* orientation = new QGroupBox("Orientation");
    auto* orientationLayout = new QHBoxLayout(orientation);
    auto* choices = new QVBoxLayout;
    choices->addWidget(m_portrait);
    choices->addWidget(m_landscape);
    orientationLayout->addLayout(choices);
    orientationLayout->addStretch();
    orientationLayout->addWidget(m_page);

    m_sample = new QLabel(QString::fromStdString(FontSample(QRandomGenerator::global()->bounded(kFontSampleCount))));
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setMinimumHeight(56);
    m_sample->setFrameShape(QFrame::StyledPanel);

    auto* form = new QFormLayout;
    form->addRow("P&rinter:", m_printer);
    form->addRow("&Font:", m_font);
    form->addRow("&Size (pt):", m_size);
    form->addRow("&Margin (cm):", m_margin);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(orientation);
    layout->addWidget(m_sample);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_font, &QFontComboBox::currentFontChanged, this, [this] { showSample(); });
    connect(m_portrait, &QRadioButton::toggled, this, [this] { showOrientation(); });
    showSample();
    showOrientation();
    AddPrintOptionsWhatsThis(*this, *m_printer, *m_font, *m_size, *m_margin, *orientation);
}

void PrintOptionsDialog::showSample()
{
    QFont font = m_font->currentFont();
    font.setPointSize(14);
    m_sample->setFont(font);
}

void PrintOptionsDialog::showOrientation()
{
    m_page->setPixmap(pagePicture(m_portrait->isChecked()));
}

void PrintOptionsDialog::accept()
{
    // A font the system shows under another family keeps its own name until another is chosen.
    if (m_font->currentFont().family() != m_shownFamily)
        m_form.fontName = Utf8ToAnsi(m_font->currentFont().family().toStdString());
    m_form.sizeText = m_size->text().toStdString();
    m_form.marginText = m_margin->currentText().toStdString();
    m_form.portrait = m_portrait->isChecked();
    m_session.edit({}).print = m_form.accepted(m_session.print());
    if (m_printer->isEnabled())
        m_output.setPrinterName(m_printer->currentText());
    QDialog::accept();
}

PrintDialog::PrintDialog(Session& session, WindowShell& shell, ReportSpooler& spooler, QtReportOutput& output,
                         QWidget* parent)
    : QDialog(parent),
      m_session(session),
      m_shell(shell),
      m_spooler(spooler),
      m_output(output)
{
    setWindowTitle(kPrintCaption);
    const PrintForm form(session.print());
    for (int section = 0; section < kPrintSectionCount; ++section) {
        m_boxes[static_cast<std::size_t>(section)] = new QCheckBox(boxCaption(section));
        sectionBox(section)->setChecked(form.checked(section));
    }
    auto* sections = new QGroupBox("Sections");
    auto* sectionLayout = new QVBoxLayout(sections);
    for (const int section :
         {kPrintFileName, kPrintParameters, kPrintElements, kPrintIntensity, kPrintImfp, kPrintModel, kPrintNotes})
        sectionLayout->addWidget(sectionBox(section));
    sectionLayout->addStretch();
    auto* results = new QGroupBox("Results");
    auto* resultLayout = new QVBoxLayout(results);
    for (int type = 0; type < kResultTypeCount; ++type)
        resultLayout->addWidget(sectionBox(kPrintFirstResultType + type));
    resultLayout->addStretch();

    auto* printButton = new QPushButton("&Print");
    printButton->setDefault(true);
    auto* ejectButton = new QPushButton("&Eject Page");
    ejectButton->setEnabled(spooler.pageOpen());
    auto* optionsButton = new QPushButton("&Options...");
    auto* cancelButton = new QPushButton("Cancel");
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {printButton, ejectButton, optionsButton, cancelButton})
        buttons->addWidget(button);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(sections);
    layout->addWidget(results);
    layout->addLayout(buttons);

    connect(printButton, &QPushButton::clicked, this, [this] { print(); });
    connect(ejectButton, &QPushButton::clicked, this, [this] { eject(); });
    connect(optionsButton, &QPushButton::clicked, this, [this] { showOptions(); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    AddPrintWhatsThis(*this, *sections, *results, *printButton, *ejectButton, *optionsButton);
}

void PrintDialog::print()
{
    PrintForm form(m_session.print());
    for (int section = 0; section < kPrintSectionCount; ++section)
        form.setChecked(section, sectionBox(section)->isChecked());
    // The dialog closes before the pages are drawn: a printer's or a file's dialog may follow.
    accept();
    form.print(m_session, m_shell, m_spooler);
}

void PrintDialog::eject()
{
    m_spooler.eject();
    accept();
}

void PrintDialog::showOptions()
{
    PrintOptionsDialog options(m_session, m_output, this);
    options.exec();
}

}  // namespace slv
