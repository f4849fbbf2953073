// The names of the parameter options as the parameters dialog lists them;
// reports and selvaro-cli describe a data set's corrections in these words.
#pragma once

#include <string>

namespace slv {

std::string SourceName(int source);               // "Mg K", "Al K", "Other"
std::string CrossSectionSetName(int set);         // None, Scofield, Evans, Wagner, Nefedov
std::string CrossSectionDataKind(int set);        // "User defined data", "Theoretical cross sections", ...
std::string ImfpMethodName(int method);           // None .. Cumpson-Seah
std::string MaterialClassName(int materialClass); // Element, Inorganic, Polymer
std::string AngularMethodName(int method);        // None, Reilman, Reilman-Ebel
std::string TransmissionTypeName(int type);       // None, "FAT, CAE", "FRR, CRR", Exponential, File
std::string ContaminationMethodName(int method);  // None, Evans, Tavik, Explicit
std::string MultilineApproachName(int approach);  // None, Average, Ebel
std::string SplittingOptionName(int option);      // "None", "Theoretical data", "Nominal values"
std::string ScalingOptionName(int option);        // "None", "Closest line", "Average factor"

}  // namespace slv
