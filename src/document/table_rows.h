// Inserting and deleting experiments and element rows of the document. Every
// value that belongs to an experiment (intensities, IMFP values, labels,
// matrix data, contamination, the exclusion mark, fitted thicknesses and
// coverage) or to an element row (its element data, its intensity and IMFP
// column, its share and IMFP in every layer) moves with it; a new or freed
// one is empty.
#pragma once

#include "document/document.h"

namespace slv {

/// Empties everything that belongs to experiment e.
void EmptyExperiment(Document& doc, int e);

/// Empties element row `row`: its element data, its intensity and IMFP in
/// every experiment, its share and IMFP in every layer.
void EmptyElementRow(Document& doc, int row);

/// Inserts an empty experiment at position (clamped to 1..ExpCount + 1);
/// false, and nothing changes, when the table already holds 40.
bool InsertExperiment(Document& doc, int position);

/// Deletes experiments first..last (clamped to 1..ExpCount); false when the
/// range holds none.
bool DeleteExperiments(Document& doc, int first, int last);

/// Inserts an empty element row at position (clamped to 1..ElemCount + 1);
/// false, and nothing changes, when the table already holds 20.
bool InsertElementRow(Document& doc, int position);

/// Deletes element rows first..last (clamped to 1..ElemCount); false when
/// the range holds none.
bool DeleteElementRows(Document& doc, int first, int last);

/// Where an element row index ends up after rows first..first + count - 1
/// were deleted (count < 0) or count rows inserted at first (count > 0); 0
/// when the row itself was deleted.
int MovedRow(int row, int first, int count);

}  // namespace slv
