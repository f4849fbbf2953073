// The IMFP & Contamination window of a structure model without the window:
// the material data of the layers 1..5 and of the bulk that the layer IMFP
// formulas use (name, material class, molecular weight, density, band gap,
// valence electrons). The names are the layer names of the model, written
// into the record as they are typed; the rest is read back when the window
// is left. Edits of the model elsewhere reload the grid.
#pragma once

#include "document/text_grid.h"
#include "session/material_grid.h"

namespace slv {

/// Columns and the bulk's row of the grid; rows 1..5 are layers 1..5.
inline constexpr int kModelImfpColName = 1;
inline constexpr int kModelImfpColClass = 2;
inline constexpr int kModelImfpColMolWeight = 3;
inline constexpr int kModelImfpColDensity = 4;
inline constexpr int kModelImfpColBandGap = 5;
inline constexpr int kModelImfpColValence = 6;
inline constexpr int kModelImfpBulkRow = kMaxLayers + 1;
inline constexpr const char* kBandGapMask = "##0.00;\\ ";
inline constexpr const char* kValenceMask = "#0;;\\ ";

/// The layer row 0..5 (0 = bulk) that a grid row 1..6 shows.
inline int LayerOfModelImfpRow(int row)
{
    return row == kModelImfpBulkRow ? 0 : row;
}

/// Reads the grid into the layer record: names, classes and material data
/// of every row; LayerCount becomes the number of named layers. A blank band
/// gap is none given (-1); other blank numbers are 0.
void TransferModelImfpTable(Document& doc, const TextGrid& grid, char decSep);

class ModelImfpGrid final : public MaterialGrid {
public:
    explicit ModelImfpGrid(Session& session);

    void commit() override;
    void load();

    void keyDown(GridKey key) override;
    void keyPress(char ch) override;

private:
    void sessionChanged(ChangeSet changes) override;
    int classColumn() const override { return kModelImfpColClass; }
    /// "Element" also fills an empty density with the library density of a
    /// layer made of one element.
    void classChosen(int row, MaterialClass materialClass) override;
    /// A typed name goes into the record at once.
    void writeNameThrough();

    bool m_writing = false;  // the grid itself changes the record: no reload
};

}  // namespace slv
