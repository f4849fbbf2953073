// The "Applied IMFP" window's table: the IMFP of every line in every
// experiment as the homogeneous quantification uses it, one row per
// experiment with the shown labels and one column per element row.
#pragma once

#include "document/text_grid.h"
#include "session/session.h"

namespace slv {

inline constexpr const char* kAppliedImfpCaption = "Applied IMFP";
inline constexpr const char* kAppliedImfpMask = "####0.00;\\ ";

/// The table of the line IMFPs. When the data changed since the last
/// quantification, it runs first (its findings shown), so that the table
/// never shows the IMFPs of parameters that no longer hold.
TextGrid AppliedImfpTable(Session& session);

}  // namespace slv
