#include "ui/whats_this.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>

#include "ui/child_window.h"

namespace slv {

void AddMainWhatsThis(QWidget& workspace, QWidget& titlePanel, QWidget& filePanel, QWidget& printPanel)
{
    workspace.setWhatsThis(
        "The data set's windows: Elements, Intensity, IMFP &amp; Contamination, the results and the model. "
        "The View menu shows and closes them; Window arranges them.");
    titlePanel.setWhatsThis("The title of the data set. Click it to change the title; reports and charts print it.");
    filePanel.setWhatsThis("The file the data set was opened from or saved to. Click it to align the name "
                           "left, centred or right.");
    printPanel.setWhatsThis("A printer shows here while a report page is open: Print and Print Current append "
                            "to it. Click the printer to eject the page (the report is printed or written to "
                            "its PDF file).");
}

void AddChildWhatsThis(ChildWindow& child)
{
    if (!child.hasGrid())
        return;  // the chart and the layout explain themselves by their captions
    QWidget& grid = child.view();
    switch (child.id()) {
    case WindowId::Elements:
        grid.setWhatsThis("One row per photoelectron line: element symbol, line (2p, 4f7/2), chemical state, "
                          "binding energy, cross section, asymmetry, atomic weight, valence and oxygens. "
                          "Tools, Library Lookup fills the rows from the element library; a double-click in "
                          "the line or state column steps through the usual lines or states.");
        break;
    case WindowId::Intensity:
        grid.setWhatsThis("The measured peak intensities, one row per experiment and one column per line, "
                          "after the experiment labels (time, tilt, temperature...). Type a number and press "
                          "Enter or Tab; the right mouse button offers cut, copy and paste of cells.");
        break;
    case WindowId::Results: {
        grid.setWhatsThis("The composition of every experiment in the result type chosen above, with the "
                          "oxygen balance for the oxide types. Click an element's column header to make it "
                          "the reference of the ratio types, a label's header to plot over that label.");
        if (auto* type = child.findChild<QComboBox*>())
            type->setWhatsThis("The result type: atomic, oxide molar, mass or oxide mass, each as per cent "
                               "or as ratio to the reference element.");
        if (auto* merge = child.findChild<QCheckBox*>())
            merge->setWhatsThis("Adds up the chemical states of one element into one column.");
        if (auto* number = child.findChild<QDoubleSpinBox*>())
            number->setWhatsThis("The value the reference element's amount is set to in the ratio types.");
        break;
    }
    default: break;
    }
}

void AddPrintWhatsThis(QWidget& dialog, QWidget& sections, QWidget& results, QWidget& print, QWidget& eject,
                       QWidget& options)
{
    dialog.setWhatsThis("Prints the chosen parts of the data set as a report.");
    sections.setWhatsThis("The parts of the report: the file name in the header, the parameters, the element "
                          "table, the intensities, the IMFP table, the model data and the notes.");
    results.setWhatsThis("One results table for every result type ticked here; for a structure model the "
                         "layer thicknesses. The results window keeps showing its own type.");
    print.setWhatsThis("Prints the ticked parts onto the open page, or starts a page (asking for the printer "
                       "or, without one, for a PDF file). The page stays open for more until it is ejected.");
    eject.setWhatsThis("Ends the report: the printer prints it, or the PDF file is written.");
    options.setWhatsThis("Printer, font, size, margin and orientation of the report.");
}

void AddPrintOptionsWhatsThis(QWidget& dialog, QWidget& printer, QWidget& font, QWidget& size, QWidget& margin,
                              QWidget& orientation)
{
    dialog.setWhatsThis("How reports are printed; the options are saved with Save Defaults.");
    printer.setWhatsThis("The printer the print dialog offers first. Without an installed printer reports go "
                         "into PDF files.");
    font.setWhatsThis("The report's font; titles are printed 1.2 times as large, in bold.");
    size.setWhatsThis("The font size in points, 4 to 36.");
    margin.setWhatsThis("The margin on all four sides in centimetres, 0.5 to 5.");
    orientation.setWhatsThis("Portrait or landscape pages; landscape fits more columns of a wide table.");
}

void AddEditorWhatsThis(QWidget& text, bool notes)
{
    text.setWhatsThis(notes ? "Free notes on the data set, saved with the data file. Closing the window asks "
                              "whether changed notes are to be kept."
                            : "The text of the transmission file. Closing the window asks whether a changed "
                              "text is to be saved; the file is written only then.");
}

}  // namespace slv
