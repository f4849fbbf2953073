// Which IMFP cells of the model table a calculation needs. An electron of an
// element leaves from a region that holds the element and crosses every
// region above it on its way out, so the element's line needs its IMFP in
// each of those layers, also where the element itself is absent. Cells below
// the element's deepest occurrence never attenuate anything of it.
#pragma once

#include "document/document.h"

namespace slv {

/// Whether element row `elementRow` holds atoms in layer row `layerRow` (0 = bulk).
bool ElementInRow(const Document& doc, int layerRow, int elementRow);

/// Whether the IMFP of element row `elementRow` in layer row `layerRow` enters
/// the model intensities: the element occurs in some row, and the row lies at
/// or above the element's deepest occurrence (layer 1 on top, the bulk at the
/// bottom). A repeated stack (multilayer) puts every layer above the deeper
/// repetitions; the Nanotube, and the exact integral over a particle, send
/// electrons through the whole body.
bool ImfpNeeded(const Document& doc, int layerRow, int elementRow);

/// The layer stack's repetitions as the calculation uses them: MultiLayers,
/// at least 1, and 1 in island mode.
int StackRepetitions(const Document& doc);

}  // namespace slv
