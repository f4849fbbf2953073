#include "document/asymmetry.h"

#include <cmath>

namespace slv {

namespace {
constexpr int kZMargin = 3;  // each polynomial also serves three elements beyond its fitted range
}

char SubshellLetter(std::string_view line)
{
    return line.size() >= 2 ? line[1] : ' ';
}

std::optional<float> EvaluateAsymmetry(const AsymmetryTable& table, int Z, std::string_view line)
{
    const char letter = SubshellLetter(line);
    if (letter == 's')
        return kSLineAsymmetry;
    for (const AsymmetryEntry& entry : table) {
        if (trimmed(entry.key.padded()) != std::string_view(&letter, 1))
            continue;
        if (Z < entry.zLow - kZMargin || Z > entry.zHigh + kZMargin)
            return std::nullopt;
        // Horner's rule in single precision, as the coefficients are stored.
        const float z = static_cast<float>(Z);
        float beta = 0.0f;
        for (auto c = entry.c.rbegin(); c != entry.c.rend(); ++c)
            beta = beta * z + *c;
        if (!std::isfinite(beta))
            return std::nullopt;
        return beta;
    }
    return std::nullopt;
}

std::optional<float> LibraryAsymmetry(LibraryFile& library, int Z, std::string_view line, ExcitationSource source)
{
    if (SubshellLetter(line) == 's')
        return kSLineAsymmetry;  // without reading the file
    if (source != ExcitationSource::MgKAlpha && source != ExcitationSource::AlKAlpha)
        return std::nullopt;
    const int section = source == ExcitationSource::MgKAlpha ? kAsymmetrySectionMg : kAsymmetrySectionAl;
    const AsymmetryTable table = library.asymmetryTable(section);
    if (library.damaged())
        return std::nullopt;
    return EvaluateAsymmetry(table, Z, line);
}

}  // namespace slv
