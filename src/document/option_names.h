// The names of the parameter options as the parameters dialog lists them;
// reports and selvaro-cli describe a data set's corrections in these words.
// A code that names no option has the empty name.
#pragma once

#include <string>
#include <string_view>

#include "document/parameter_options.h"

namespace slv {

std::string SourceName(ExcitationSource source);             // "Mg K", "Al K", "Other"
std::string CrossSectionSetName(CrossSectionSet set);        // None, Scofield, Evans, Wagner, Nefedov
std::string CrossSectionDataKind(CrossSectionSet set);       // "User defined data", "Theoretical cross sections", ...
std::string ImfpMethodName(ImfpMethod method);               // None .. Cumpson-Seah
std::string MaterialClassName(MaterialClass materialClass);  // Element, Inorganic, Polymer
std::string AngularMethodName(AngularMethod method);         // None, Reilman, Reilman-Ebel
std::string TransmissionTypeName(TransmissionType type);     // None, "FAT, CAE", "FRR, CRR", Exponential, File
std::string ContaminationMethodName(ContaminationMethod method);  // None, Evans, Tavik, Explicit
std::string MultilineApproachName(MultilineApproach approach);    // None, Average, Ebel
std::string SplittingOptionName(SplittingOption option);          // "None", "Theoretical data", "Nominal values"
std::string ScalingOptionName(ScalingOption option);              // "None", "Closest line", "Average factor"

/// The material class a word names, in any letter case; None for any other word.
MaterialClass MaterialClassOfWord(std::string_view word);

}  // namespace slv
