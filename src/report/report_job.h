// The print job behind the Print dialog, Print Current and the notes
// window's Print: which sections go on the page, in which order, for which
// result types, on the page that stays open until it is ejected. The windows
// only collect the analyst's choices and call these.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/document.h"
#include "document/print_options.h"
#include "quant/results_table.h"
#include "report/report_page.h"

namespace slv {

/// What a print job needs from the running evaluation besides the document.
class ReportData {
public:
    virtual ~ReportData() = default;
    /// Today's date in the long form of the locale (ANSI), for the page header.
    virtual std::string dateText() const = 0;
    /// The result type the results window shows.
    virtual int currentResultType() const = 0;
    /// The results of a result type 0..7, computed as the results window
    /// computes them; that type becomes the current one.
    virtual ResultsTable results(int resultType) = 0;
    /// Makes the result type current again and computes its results, so that
    /// the results window and the chart show the numbers of their own type.
    virtual void restoreResults(int resultType) = 0;
    /// The oxide thickness of every experiment of the Oxide-Layer model, or
    /// nullopt when the model does not pass its check (the findings are shown).
    virtual std::optional<std::vector<float>> oxideThicknesses() = 0;
};

/// The windows Print Current prints from.
enum class ReportWindow { Elements, Intensity, Imfp, ModelImfp, Results, LayerThickness, Model };

/// Whether Print Current has a table to print for the window, so that a
/// front end asks where the pages go only when there will be pages.
bool CanPrintCurrent(const Document& doc, char decSep, ReportWindow window);

class PrintJob {
public:
    PrintJob(ReportPage& page, const Document& doc, ReportData& data, char decSep)
        : m_page(page),
          m_doc(doc),
          m_data(data),
          m_decSep(decSep)
    {
    }

    /// The Print button: starts a page when none is open, then prints the
    /// sections that options.PrintWhat selects: parameters, elements,
    /// intensities, the IMFP table, the model data, the results of every
    /// selected result type (for a structure model the layer thicknesses),
    /// the notes. Afterwards the results of the type shown before are
    /// computed again. The page stays open.
    void PrintSelected(const PrintOptions& options);

    /// Print Current: the table of the active window appended to the open
    /// page (a page is started when none is open). False, and nothing
    /// started, when the window has nothing to print.
    bool PrintCurrent(const PrintOptions& options, ReportWindow window);

    /// The notes window's Print: the text under "Notes" or "Transmission file".
    void PrintNotesText(const PrintOptions& options, std::string_view title, std::string_view text);

    /// Eject Page: ends the print job.
    void Eject() { m_page.EjectPage(); }
    bool PageOpen() const { return m_page.PageOpen(); }

private:
    void ensurePage(const PrintOptions& options);
    void printThickness();
    void printImfp();
    void printModel();

    ReportPage& m_page;
    const Document& m_doc;
    ReportData& m_data;
    char m_decSep;
};

}  // namespace slv
