#include "document/option_names.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace slv {

namespace {

/// The name of an option from the names of its codes 0, 1, ...
template<typename Option, std::size_t N>
std::string nameAt(const std::array<const char*, N>& names, Option option)
{
    const int code = CodeOf(option);
    return code >= 0 && code < static_cast<int>(N) ? names[static_cast<std::size_t>(code)] : "";
}

}  // namespace

std::string SourceName(ExcitationSource source)
{
    return nameAt(std::array{"Mg K", "Al K", "Other"}, source);
}

std::string CrossSectionSetName(CrossSectionSet set)
{
    return nameAt(std::array{"None", "Scofield", "Evans", "Wagner", "Nefedov"}, set);
}

std::string CrossSectionDataKind(CrossSectionSet set)
{
    return nameAt(std::array{"User defined data", "Theoretical cross sections", "Experimental cross sections",
                             "Experimental sensitivity factors", "Experimental sensitivity factors"},
                  set);
}

std::string ImfpMethodName(ImfpMethod method)
{
    return nameAt(std::array{"None", "Explicit", "Exponential", "Seah-Dench", "Jablonski", "Tanuma-Powell-Penn",
                             "Gries", "Cumpson-Seah"},
                  method);
}

std::string MaterialClassName(MaterialClass materialClass)
{
    return nameAt(std::array{"", "Element", "Inorganic", "Polymer"}, materialClass);
}

MaterialClass MaterialClassOfWord(std::string_view word)
{
    const auto sameLetter = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    for (MaterialClass materialClass : {MaterialClass::Element, MaterialClass::Inorganic, MaterialClass::Polymer})
        if (std::ranges::equal(MaterialClassName(materialClass), word, sameLetter))
            return materialClass;
    return MaterialClass::None;
}

std::string AngularMethodName(AngularMethod method)
{
    return nameAt(std::array{"None", "Reilman", "Reilman-Ebel"}, method);
}

std::string TransmissionTypeName(TransmissionType type)
{
    return nameAt(std::array{"None", "FAT, CAE", "FRR, CRR", "Exponential", "File"}, type);
}

std::string ContaminationMethodName(ContaminationMethod method)
{
    return nameAt(std::array{"None", "Evans", "Tavik", "Explicit"}, method);
}

std::string MultilineApproachName(MultilineApproach approach)
{
    return nameAt(std::array{"None", "Average", "Ebel"}, approach);
}

std::string SplittingOptionName(SplittingOption option)
{
    return nameAt(std::array{"None", "Theoretical data", "Nominal values"}, option);
}

std::string ScalingOptionName(ScalingOption option)
{
    return nameAt(std::array{"None", "Closest line", "Average factor"}, option);
}

}  // namespace slv
