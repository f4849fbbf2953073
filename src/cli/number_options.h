// Every number given on the command line goes through one check before a
// command sees it: it must be a finite number that a data set can hold
// (single precision) and lie in the range its quantity allows. Anything else
// ends the program as wrong usage, naming the option and the value.
#pragma once

#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

namespace slv::cli {

/// The values a quantity allows: from `lowest` (included or not) to `highest`.
struct NumberRange {
    double lowest = 0.0;
    bool lowestIncluded = true;
    double highest = 0.0;
    /// The range in words, after "a number": "above 0", "from 0 to 1".
    const char* words = "";
    /// The range as the option help names it after the type: POSITIVE.
    const char* helpName = "";
};

/// A length, density, energy or reference value: above 0.
extern const NumberRange kPositiveNumber;
/// A thickness or a band gap: 0 or more.
extern const NumberRange kNonNegativeNumber;
/// A coverage, the covered fraction of the surface.
extern const NumberRange kFractionNumber;

/// Why the option text is no number in range, or "" when it is one. The
/// value is judged as the data set holds it: 1e-50 is 0 in single precision.
std::string NumberOptionProblem(std::string_view text, const NumberRange& range);

/// The check for CLI11; an accepted text is handed on as the shortest
/// decimal of its value, so that the option reads exactly what was checked.
CLI::Validator NumberOption(const NumberRange& range);

}  // namespace slv::cli
