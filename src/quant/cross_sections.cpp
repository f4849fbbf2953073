#include <string_view>

#include "quant/correction_chain.h"

namespace slv {

namespace {
// Wagner's empirical sensitivity factors of the weaker lines depend on the
// excitation source; the tabulated values are scaled for Mg and Al K-alpha.
constexpr float kWagnerFactorMg = 0.9f;
constexpr float kWagnerFactorAl = 1.1f;
constexpr float kWagnerFactorOther = 1.0f;
constexpr int kWagner4dLimitZ = 66;       // 4d lines below this atomic number are scaled
constexpr int kWagnerAllLinesFromZ = 72;  // from hafnium on every line is scaled

float WagnerSourceFactor(ExcitationSource source)
{
    switch (source) {
    case ExcitationSource::MgKAlpha: return kWagnerFactorMg;
    case ExcitationSource::AlKAlpha: return kWagnerFactorAl;
    default: return kWagnerFactorOther;
    }
}

bool IsSourceDependentWagnerLine(const Document& doc, int row)
{
    const std::string_view shell = doc.ElLine[row].padded().substr(0, 2);
    const int z = doc.AtomicNo[row];
    return shell == "5d" || shell == "4p" || shell == "3p" || shell == "2s" || (shell == "4d" && z < kWagner4dLimitZ) ||
           z >= kWagnerAllLinesFromZ;
}

// Evans' experimental cross sections include the asymmetry term 1 + beta/4,
// that of a 90 degree source-analyser angle; dividing it out leaves the
// angle-independent value that the angular correction expects.
float EvansCrossSection(float crossSection, float asymmetry)
{
    if (asymmetry <= kNoAsymmetry)
        return kEmptyValue;
    return crossSection / (1.0f + asymmetry / 4.0f);
}
}  // namespace

void EffectiveCrossSections(const Document& doc, CorrectionTables& corr)
{
    RowTable<float>& crossEff = corr.CrossEff;
    const float wagnerFactor = WagnerSourceFactor(doc.source());
    for (int row = 1; row <= doc.ElemCount; ++row) {
        switch (doc.crossSectionSet()) {
        case CrossSectionSet::None:
        case CrossSectionSet::Scofield:
        case CrossSectionSet::Nefedov: crossEff[row] = doc.CrossSect[row]; break;
        case CrossSectionSet::Evans: crossEff[row] = EvansCrossSection(doc.CrossSect[row], doc.Asymmetry[row]); break;
        case CrossSectionSet::Wagner:
            crossEff[row] =
                IsSourceDependentWagnerLine(doc, row) ? wagnerFactor * doc.CrossSect[row] : doc.CrossSect[row];
            break;
        }
        if (crossEff[row] == 0.0f)
            crossEff[row] = kEmptyValue;
    }
}

}  // namespace slv
