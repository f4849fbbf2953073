// The element library SLV.lib: element and line data (atomic weights,
// densities, binding energies, cross-section sets, asymmetry parameters and
// geometry weights) that complete the element table.
#pragma once

#include <string_view>

#include "core/session.h"

namespace slv {

/// Fills element rows firstRow..lastRow of the document from the library.
void LibraryLookup(Session& session, int firstRow, int lastRow);

/// Re-reads Z, density and valence electrons of rows 1..ElemCount.
void RefreshElementConstants(Session& session);

/// Reads the geometry weights that the document's model type needs into Session::AngleWeight.
void LoadGeometryWeights(Session& session);

}  // namespace slv
