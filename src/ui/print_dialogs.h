// The Print dialog (the report's sections, Print, Eject Page, Options...)
// and the Print Options dialog (printer, font, size, margin, orientation)
// over the forms of the session layer.
#pragma once

#include <array>

#include <QDialog>
#include <QPixmap>

#include "session/print_forms.h"

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace slv {

class QtReportOutput;

/// The status bar's sign of an open report page.
QPixmap PrinterPicture();

class PrintOptionsDialog final : public QDialog {
public:
    PrintOptionsDialog(Session& session, QtReportOutput& output, QWidget* parent);

    void accept() override;

private:
    void showSample();
    void showOrientation();

    Session& m_session;
    QtReportOutput& m_output;
    PrintOptionsForm m_form;
    QComboBox* m_printer = nullptr;
    QFontComboBox* m_font = nullptr;
    QString m_shownFamily;
    QLineEdit* m_size = nullptr;
    QComboBox* m_margin = nullptr;
    QRadioButton* m_portrait = nullptr;
    QRadioButton* m_landscape = nullptr;
    QLabel* m_page = nullptr;
    QLabel* m_sample = nullptr;
};

class PrintDialog final : public QDialog {
public:
    PrintDialog(Session& session, WindowShell& shell, ReportSpooler& spooler, QtReportOutput& output, QWidget* parent);

    /// The check box of a section (ReportSection order).
    QCheckBox* sectionBox(int section) const { return m_boxes[static_cast<std::size_t>(section)]; }
    /// The Print button: the checked sections go on the page.
    void print();
    void eject();
    void showOptions();

private:
    Session& m_session;
    WindowShell& m_shell;
    ReportSpooler& m_spooler;
    QtReportOutput& m_output;
    std::array<QCheckBox*, kPrintSectionCount> m_boxes{};
};

}  // namespace slv
