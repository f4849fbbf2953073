// Reports into PDF files, for selvaro-cli and for a desktop without a printer.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "report/report_device.h"

namespace slv {

/// Prints a report into a PDF file on A4 paper: print() draws the pages on
/// the device it is given. The file is made in memory and replaces the one
/// at path only when it is complete, so a failure leaves no half-written
/// PDF. Returns an empty text on success, else what went wrong.
std::string WritePdfReport(const std::filesystem::path& path, const std::string& documentTitle,
                           const std::function<void(ReportDevice&)>& print);

/// Today's date in the long form of the user's locale, as ANSI text.
std::string LongDateToday();

}  // namespace slv
