// The reduced data exchange file (.lvx, header "XPSRDE"): a keyword-based
// text file that fills the document's elements, intensities and parameters.
#pragma once

#include <string>

#include "core/session.h"

namespace slv {

/// The error text ImportExchangeFile returns when the import already reported a
/// failure that left nothing usable.
inline constexpr const char* kExchangeCritical = "Critical";

/// Imports the exchange file at path into the (freshly reset) document;
/// returns "" on success, kExchangeCritical, or the collected error lines.
std::string ImportExchangeFile(Session& session, const std::string& path);

}  // namespace slv
