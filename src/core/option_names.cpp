#include "core/option_names.h"

#include <array>

namespace slv {

namespace {

template<std::size_t N>
std::string nameAt(const std::array<const char*, N>& names, int index)
{
    return index >= 0 && index < static_cast<int>(N) ? names[static_cast<std::size_t>(index)] : "";
}

}  // namespace

std::string SourceName(int source)
{
    return nameAt(std::array{"Mg K", "Al K", "Other"}, source);
}

std::string CrossSectionSetName(int set)
{
    return nameAt(std::array{"None", "Scofield", "Evans", "Wagner", "Nefedov"}, set);
}

std::string CrossSectionDataKind(int set)
{
    return nameAt(std::array{"User defined data", "Theoretical cross sections", "Experimental cross sections",
                             "Experimental sensitivity factors", "Experimental sensitivity factors"},
                  set);
}

std::string ImfpMethodName(int method)
{
    return nameAt(std::array{"None", "Explicit", "Exponential", "Seah-Dench", "Jablonski", "Tanuma-Powell-Penn",
                             "Gries", "Cumpson-Seah"},
                  method);
}

std::string MaterialClassName(int materialClass)
{
    return nameAt(std::array{"", "Element", "Inorganic", "Polymer"}, materialClass);
}

std::string AngularMethodName(int method)
{
    return nameAt(std::array{"None", "Reilman", "Reilman-Ebel"}, method);
}

std::string TransmissionTypeName(int type)
{
    return nameAt(std::array{"None", "FAT, CAE", "FRR, CRR", "Exponential", "File"}, type);
}

std::string ContaminationMethodName(int method)
{
    return nameAt(std::array{"None", "Evans", "Tavik", "Explicit"}, method);
}

std::string MultilineApproachName(int approach)
{
    return nameAt(std::array{"None", "Average", "Ebel"}, approach);
}

std::string SplittingOptionName(int option)
{
    return nameAt(std::array{"None", "Theoretical data", "Nominal values"}, option);
}

std::string ScalingOptionName(int option)
{
    return nameAt(std::array{"None", "Closest line", "Average factor"}, option);
}

}  // namespace slv
