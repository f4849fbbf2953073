// The reduced data exchange file (.lvx, header "XPSRDE"): a keyword-based
// text file that fills the document's elements, intensities and parameters.
//
// Layout, fields separated by ";" or TAB:
//   XPSRDE;1.00
//   TITL;Sample A
//   EXCI;AL
//   CROS;SCOF
//   ELEM
//   O;1s;;531.0
//   INTE
//   1000
//   END
// Element rows are completed from the element library; the values the file
// gives override the library's. Only a wrong header or version stops the
// import; every other problem adds an error line and the import goes on, so
// a faulty file still loads as much as it can. The file on disk is only read.
#pragma once

#include <string>
#include <string_view>

#include "document/document.h"
#include "document/environment.h"
#include "platform/findings.h"

namespace slv {

/// The error text ImportExchangeFile returns when the import already reported a
/// failure that left nothing usable.
inline constexpr const char* kExchangeCritical = "Critical";

/// Files larger than this are read only up to it (an error line says so).
inline constexpr std::size_t kMaxExchangeFileBytes = 1u << 20;

inline constexpr std::string_view kIllegalExchangeHeader = "Illegal exchange file header    ";
inline constexpr std::string_view kIllegalExchangeVersion = "Illegal exchange file version    ";
inline constexpr const char* kExchangeErrorText = "Error in XPS Reduced Data Exchange file:    ";
inline constexpr const char* kExchangeDataSuspectText = "Loaded data may be incorrect   ";

/// Imports the exchange file at path into the (freshly reset) document;
/// returns "" on success, kExchangeCritical, or the collected error lines.
/// A read error is reported and what was read is kept; the element rows are
/// completed from the element library in env's program folder.
std::string ImportExchangeFile(Document& doc, const std::string& path, const Environment& env, Findings& findings);

/// The same for the file's text already in memory.
std::string ImportExchangeText(Document& doc, std::string_view text, const Environment& env, Findings& findings);

/// The message after an import that found errors: the file is named, its
/// data are said to be suspect and the error lines of the import follow, so
/// that the analyst sees what to mend; with the information sound.
Finding ExchangeSuspectFinding(std::string_view fileName, std::string_view errorLines);

}  // namespace slv
