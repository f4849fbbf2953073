// The structure analysis: every linked layer must point at a free layer, and
// the measured elements must suffice to tell the free rows apart. Each free
// row (the bulk and every layer whose thickness is fitted) needs an element
// of its own that no row above it contains; the search tries every cyclic
// order of the element rows, first without and then with the Omit marks.
#include <algorithm>

#include "model/model_check.h"

namespace slv {

namespace {
constexpr const char* kLinkErrorText = "- Link error at Layer";
constexpr const char* kChainedLinkText = ": chains or cross-links   ";
constexpr const char* kUndefinedTargetText = ": the linked layer is not defined   ";
constexpr const char* kIllDefinedText = "- The model system is ill-defined.   ";
constexpr const char* kSpecifyAtLeastText = "  Specify at least";
constexpr const char* kIndependentElementsText = " independent elements   ";
constexpr const char* kDefinedButText = "- The model system is defined but   ";
constexpr const char* kOmittedElementsLine = "  too many or necessary elements omitted   ";
constexpr const char* kSupplyCoverageText = "  Supply coverage data from independent measurements   ";
constexpr const char* kOneMoreIslandElementText = "  or specify one more element in the islands   ";

/// Which pass of the solvability search failed.
enum class Solvability { Defined, IllDefined, TooManyOmitted };

/// Every link must point at a layer that exists and is itself free: a chain
/// of links, a link to a fixed layer, or a link to a layer beyond the stack
/// (whose thickness nothing determines) is reported for the first such layer.
bool linksResolvable(const Document& doc, std::string& message, int& errors)
{
    for (int k = 1; k <= doc.LayerCount; ++k) {
        const int target = doc.LayerLink[k];
        if (target <= 0)
            continue;
        const char* fault = target > doc.LayerCount      ? kUndefinedTargetText
                            : doc.LayerLink[target] != 0 ? kChainedLinkText
                                                         : nullptr;
        if (fault != nullptr) {
            AppendModelLine(message, kLinkErrorText + PrintedNumber(k) + fault);
            SetBit(errors, kBitStructureError);
            return false;
        }
    }
    return true;
}

/// Whether the selection gives every free row (not linked, not fixed) a representative.
bool everyFreeRowRepresented(const Document& doc, const std::array<int, 7>& representatives)
{
    for (int k = 0; k <= doc.LayerCount; ++k)
        if (representatives[k] == 0 && doc.LayerLink[k] == 0)
            return false;
    return true;
}

/// One pass of the search: the first cyclic order of the element rows that
/// defines the system; false when none does.
bool someOrderDefinesSystem(Document& doc, bool applyOmit, std::array<int, 7>& representatives)
{
    for (int offset = 0; offset < doc.ElemCount; ++offset) {
        representatives = SelectLayerElements(doc, applyOmit, offset);
        if (everyFreeRowRepresented(doc, representatives))
            return true;
    }
    return false;
}

Solvability searchRepresentatives(Document& doc, std::array<int, 7>& representatives)
{
    if (!someOrderDefinesSystem(doc, false, representatives))
        return Solvability::IllDefined;
    if (!someOrderDefinesSystem(doc, true, representatives))
        return Solvability::TooManyOmitted;
    return Solvability::Defined;
}

/// Islands whose coverage is fitted need more element equations than free
/// island thicknesses: each used element of an island row gives one, the
/// angle-resolved fit one more.
bool coverageDetermined(const Document& doc)
{
    int equations = 0;
    int unknowns = 0;
    for (int k = 1; k <= doc.LayerCount; ++k) {
        if (doc.LayerKind[k] != kKindIsland)
            continue;
        if (doc.LayerLink[k] == 0)
            ++unknowns;
        for (int e = 1; e <= doc.ElemCount; ++e)
            if (doc.LayerComp[k][e] > 0.0f && doc.ElModelFlag[e] != kElementOmitted)
                ++equations;
    }
    if (doc.ARXPS && equations > 0)
        ++equations;
    return unknowns < equations;
}
}  // namespace

std::array<int, 7> SelectLayerElements(Document& doc, bool applyOmit, int offset)
{
    const int elements = std::clamp<int>(doc.ElemCount, 0, kMaxElements);
    const int layers = std::clamp<int>(doc.LayerCount, 0, kMaxLayers);
    std::array<int, 7> representatives{};
    if (elements < 1)
        return representatives;
    // candidate[k][e]: element row e may still represent layer row k.
    LayerRowTable<bool> candidate{};
    for (int k = 0; k <= layers; ++k)
        for (int e = 1; e <= elements; ++e)
            candidate[k][e] = doc.LayerComp[k][e] > 0.0f;
    if (applyOmit) {
        for (int e = 1; e <= elements; ++e) {
            if (doc.ElModelFlag[e] == kElementOmitted)
                for (int k = 0; k <= layers; ++k)
                    candidate[k][e] = false;
            else if (doc.ElModelFlag[e] == kElementReference)
                doc.ElModelFlag[e] = 0;
        }
    }
    for (int k = 0; k <= layers; ++k)
        if (doc.LayerLink[k] != 0)
            candidate[k].fill(false);

    const int start = ((offset % elements) + elements) % elements;
    for (int i = 0; i < elements; ++i) {
        const int e = (i + start) % elements + 1;
        for (int k = 0; k <= layers; ++k) {
            if (!candidate[k][e])
                continue;
            representatives[k] = e;
            candidate[k].fill(false);
            for (int deeper = k + 1; deeper <= layers; ++deeper)
                candidate[deeper][e] = false;
            break;
        }
    }
    return representatives;
}

void AnalyseStructure(Document& doc, ModelState& model, std::string& message, int& errors)
{
    model.FitExpCount = doc.ARXPS ? doc.ExpCount : 1;
    model.SystemDefined = false;
    if (!linksResolvable(doc, message, errors))
        return;
    doc.LayerLink[0] = 0;

    std::array<int, 7> representatives{};
    switch (searchRepresentatives(doc, representatives)) {
    case Solvability::IllDefined:
        AppendModelLine(message, kIllDefinedText);
        AppendModelLine(message, kSpecifyAtLeastText + PrintedNumber(doc.LayerCount + 1) + kIndependentElementsText);
        SetBit(errors, kBitStructureError);
        return;
    case Solvability::TooManyOmitted:
        AppendModelLine(message, kDefinedButText);
        AppendModelLine(message, kOmittedElementsLine);
        SetBit(errors, kBitStructureError);
        return;
    case Solvability::Defined: break;
    }
    model.SystemDefined = true;
    model.ModelRefElem = representatives[0];
    doc.ElModelFlag[model.ModelRefElem] = kElementReference;

    if (doc.IslandMode == 1 && doc.AutoCov) {
        model.CoverageFitted = coverageDetermined(doc);
        if (!model.CoverageFitted) {
            AppendModelLine(message, kIllDefinedText);
            AppendModelLine(message, kSupplyCoverageText);
            AppendModelLine(message, kOneMoreIslandElementText);
            SetBit(errors, kBitStructureError);
        }
    }
}

}  // namespace slv
