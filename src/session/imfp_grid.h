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
#include "session/material_grid.h"

namespace slv {

inline constexpr const char* kClassColumnHeader = "Class";
inline constexpr const char* kAtWeightColumnHeader = "At. weight";
inline constexpr const char* kDensityColumnHeader = "Density";
inline constexpr const char* kContaminationColumnHeader = "Contam.";
inline constexpr const char* kMatrixDataMask = "###0.00;\\ ";
inline constexpr const char* kImfpValueMask = "####0.00;\\ ";
inline constexpr const char* kContaminationMask = "##0.00;\\ ";

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

class ImfpGrid final : public MaterialGrid {
public:
    static constexpr int kRows = kMaxExperiments + 1;

    explicit ImfpGrid(Session& session);

    /// Reads the grid into the document and shows the range warning.
    void commit() override;
    /// Lays the columns out for the IMFP method and fills them from the document.
    void load();

    /// The label columns show the Intensity window's labels and take no keys.
    void keyDown(GridKey key) override;
    void keyPress(char ch) override;

private:
    void sessionChanged(ChangeSet changes) override;
    int classColumn() const override;
    /// Labels are edited in the Intensity window: here a key on one beeps.
    bool refusedOnLabel();

    std::vector<int> m_labels;  // the label columns the grid is laid out for
    bool m_matrixData = false;  // laid out for matrix data rather than IMFPs
};

}  // namespace slv
