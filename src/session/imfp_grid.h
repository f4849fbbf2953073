// The IMFP & Contamination table of a homogeneous sample and its window
// without the window: per experiment either the matrix data an IMFP formula
// needs (class, atomic weight, density) or one IMFP per element row, and the
// contamination thickness. The grid is loaded from the document and read
// back when the window is left; values outside their physical ranges are
// counted and reported.
#pragma once

#include <string>
#include <vector>

#include "document/document.h"
#include "document/text_grid.h"
#include "platform/findings.h"
#include "session/grid_editing.h"
#include "session/session.h"
#include "session/window_shell.h"

namespace slv {

inline constexpr const char* kClassColumnHeader = "Class";
inline constexpr const char* kAtWeightColumnHeader = "At. weight";
inline constexpr const char* kDensityColumnHeader = "Density";
inline constexpr const char* kContaminationColumnHeader = "Contam.";
inline constexpr const char* kMatrixDataMask = "###0.00;\\ ";
inline constexpr const char* kImfpValueMask = "####0.00;\\ ";
inline constexpr const char* kContaminationMask = "##0.00;\\ ";
/// The words a material class cell offers.
inline constexpr MaterialClass kMaterialClasses[] = {MaterialClass::Element, MaterialClass::Inorganic,
                                                     MaterialClass::Polymer};

/// Whether the IMFP method works from matrix data (Seah-Dench, Jablonski,
/// Gries) rather than from IMFPs given per line.
bool ImfpTableHoldsMatrixData(const Document& doc);

/// "3 IMFP & Contamination parameters out of the expected range    ".
std::string ImfpRangeWarning(int violations);

/// Reads the grid (label columns 1..labelCols first, which stay as they are)
/// into the document, sets IMFPRowCount and RecalcNeeded, and warns through
/// findings when values lie outside their ranges. A blank cell is no value,
/// not a value out of range. Returns the number of values out of range.
int TransferIMFPTable(Document& doc, const TextGrid& grid, int labelCols, char decSep, Findings& findings);

class ImfpGrid final : public GridWindow, private SessionObserver {
public:
    static constexpr int kRows = kMaxExperiments + 1;

    explicit ImfpGrid(Session& session);

    TextGrid& grid() override { return m_grid; }
    /// Reads the grid into the document and shows the range warning.
    void commit() override;
    /// Lays the columns out for the IMFP method and fills them from the document.
    void load();

    /// The label columns show the Intensity window's labels and take no keys.
    void keyDown(GridKey key);
    void keyPress(char ch);
    void moveTo(int row, int col) { m_editor.moveTo(row, col); }
    /// The current cell is a material class: the window offers the class words.
    bool classCellCurrent() const;
    /// Writes the chosen class word into the current class cell.
    void chooseClass(MaterialClass materialClass);

private:
    void sessionChanged(ChangeSet changes) override;
    int classColumn() const;
    /// Labels are edited in the Intensity window: here a key on one beeps.
    bool refusedOnLabel();

    Session& m_session;
    TextGrid m_grid;
    std::vector<int> m_labels;  // the label columns the grid is laid out for
    bool m_matrixData = false;  // laid out for matrix data rather than IMFPs
    GridEditor m_editor;
    Session::Subscription m_subscription;
};

}  // namespace slv
