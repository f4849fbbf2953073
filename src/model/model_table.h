// The model grid and the model record: the layer table as the model window
// shows it (one column per layer, the bulk and the Omit marks; rows for the
// name, the island type, the link, the material data, the composition and
// the IMFP of every element row), filled from the record and read back.
//
// Layout, with i = 1 in island mode and 0 otherwise and n = ElemCount:
// row 0 holds the headers; column 1 the row captions; columns 2..6 layers
// 1..5, column 7 the bulk ("Tube" for the Nanotube), column 8 "Omit". Rows:
// 1 name, 2 type (island mode only), 2 + i link, 3 + i molecular weight,
// 4 + i density, 5 + i + e composition of element row e, 5 + i + n + e its
// IMFP; 2 x n + 6 + i rows in all.
//
// IMFP cells that no calculation uses (the element's electrons never cross
// that layer) show the mark "---" and read as 0. A cell that still shows the
// record's value as it was formatted keeps the record's full precision, so
// showing and closing the window does not round the data.
#pragma once

#include "document/document.h"
#include "document/text_grid.h"

namespace slv {

inline constexpr int kModelTableCols = 9;
inline constexpr int kModelColCaption = 1;
inline constexpr int kModelColBulk = 7;
inline constexpr int kModelColOmit = 8;

/// Display masks of the model grid.
inline constexpr const char* kMolWeightMask = "###0.00;;\\ ";
inline constexpr const char* kDensityMask = "##0.000;;\\ ";
inline constexpr const char* kCompositionMask = "##0.00;\\ ;\\ ";
inline constexpr const char* kLayerImfpMask = "##0.00;;\\ ";
/// An IMFP cell that no layer needs: seven blanks and "---".
inline constexpr const char* kUnusedImfpMark = "       ---";

/// Words of the Type and Link to rows.
inline constexpr const char* kLayerWord = "Layer";
inline constexpr const char* kIslandWord = "Island";
inline constexpr const char* kFixedWord = "Fixed";

/// Where the rows of the model grid lie.
struct ModelTableLayout {
    int islandRows = 0;  // 1 in island mode: the Type row
    int elements = 0;

    int nameRow() const { return 1; }
    /// -1 without island mode: no such row (the grid ignores writes outside it).
    int typeRow() const { return islandRows == 1 ? 2 : -1; }
    int linkRow() const { return 2 + islandRows; }
    int molWeightRow() const { return 3 + islandRows; }
    int densityRow() const { return 4 + islandRows; }
    int compositionRow(int element) const { return 5 + islandRows + element; }
    int imfpRow(int element) const { return 5 + islandRows + elements + element; }
    int rowCount() const { return 2 * elements + 6 + islandRows; }
};

ModelTableLayout ModelTableLayoutOf(const Document& doc);

/// The grid column of layer row k (0 = bulk).
inline int ModelTableColumn(int layerRow)
{
    return layerRow == 0 ? kModelColBulk : layerRow + 1;
}

/// Record to grid: sizes the grid, writes headers, captions, every layer
/// column and the Omit marks, and marks the IMFP cells no layer needs.
void LoadModelTable(const Document& doc, char decSep, TextGrid& grid);

/// Grid to record: names, kinds, links, material data, compositions, IMFPs
/// and Omit marks; LayerCount becomes the number of named layers. A row whose
/// name is blank is cleared. A grid not laid out for the current element
/// rows and island mode is not read (false); the record stays as it was.
bool TransferModelTable(Document& doc, char decSep, const TextGrid& grid);

/// Writes the mark "---" into the IMFP cells of rows 0..LayerCount that no
/// layer needs (see ImfpNeeded).
void MarkUnusedImfps(const Document& doc, TextGrid& grid);

/// The record as the model window hands it back after showing it: loaded
/// into a grid and transferred, as every use of the model starts.
void PassModelThroughGrid(Document& doc, char decSep);

}  // namespace slv
