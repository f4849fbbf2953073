#include <algorithm>
#include <cmath>
#include <optional>

#include "quant/imfp_formulas.h"
#include "quant/row_imfps.h"

namespace slv {

namespace {

constexpr float kNoBandGap = -1.0f;

/// Factor from a formula's nm to the model's length unit (Å when LenUnitA is 1).
double fromNanometres(const Document& doc)
{
    return doc.LenUnitA == 1 ? kAngstromPerNm : 1.0;
}

/// Factor from a formula's Å to the model's length unit (nm when LenUnitA is 0).
double fromAngstroms(const Document& doc)
{
    return doc.LenUnitA == 0 ? 1.0 / kAngstromPerNm : 1.0;
}

/// The atoms of a layer's formula unit: the sum of its positive atom
/// locations over rows 0..ElemCount (row 0 is hydrogen).
struct LayerAtoms {
    double count = 0.0;
    double atomicNumberSum = 0.0;
};

LayerAtoms layerAtoms(const Document& doc, int layer)
{
    LayerAtoms atoms;
    for (int row = 0; row <= ElementRowCount(doc); ++row) {
        const double n = doc.LayerComp[layer][row];
        if (n > 0.0) {
            atoms.count += n;
            atoms.atomicNumberSum += n * doc.AtomicNo[row];
        }
    }
    return atoms;
}

bool hasDensityAndWeight(const Document& doc, int layer)
{
    return doc.LayerMolWeight[layer] != 0.0f && doc.LayerDensity[layer] != 0.0f;
}

/// The atoms of a layer whose molecular weight and density are given, for
/// the formulas that work per atom; nullopt without them, and with a warning
/// when no atom of the layer is located.
std::optional<LayerAtoms> weighedAtoms(const Document& doc, int layer, Findings& findings)
{
    if (!hasDensityAndWeight(doc, layer))
        return std::nullopt;
    const LayerAtoms atoms = layerAtoms(doc, layer);
    if (atoms.count <= 0.0) {
        findings.warning(kEnterAtomLocationsText);
        return std::nullopt;
    }
    return atoms;
}

ImfpRowSet seahDenchLayer(Document& doc, int layer, Findings& findings)
{
    const std::optional<LayerAtoms> atoms = weighedAtoms(doc, layer, findings);
    if (!atoms)
        return {};
    const auto meanAtomicWeight = static_cast<float>(doc.LayerMolWeight[layer] / atoms->count);
    const auto lambdas = SeahDenchIMFP(doc, doc.layerClass(layer), meanAtomicWeight, doc.LayerDensity[layer], findings);
    if (!lambdas)
        return {};
    return StoreRowImfps(doc, *lambdas, fromNanometres(doc), doc.LayerIMFP[layer]);
}

ImfpRowSet griesLayer(Document& doc, int layer, Findings& findings)
{
    if (!hasDensityAndWeight(doc, layer))
        return {};
    const auto lambdas =
        GriesIMFP(doc, doc.layerClass(layer), doc.LayerComp[layer], 0, doc.LayerDensity[layer], findings);
    if (!lambdas)
        return {};
    return StoreRowImfps(doc, *lambdas, fromAngstroms(doc), doc.LayerIMFP[layer]);
}

std::string lineName(const Document& doc, int row)
{
    return doc.ElSymbol[row].trimmedText() + " " + doc.ElLine[row].trimmedText();
}

void reportUndefinedRows(const Document& doc, const ImfpRowSet& rows, Findings& findings)
{
    std::string lines;
    for (int row = 1; row <= kMaxElements; ++row)
        if (rows.test(row))
            AppendFinding(lines, lineName(doc, row));
    Finding finding =
        MessageFinding(FindingKind::Warning, std::string(kUndefinedLayerImfpHeading) + "\r\n\r\n" + lines);
    finding.heading = kUndefinedLayerImfpHeading;
    finding.items = ItemsOf(lines);
    findings.add(std::move(finding));
}

bool isLayerMethod(ImfpMethod method)
{
    return method == ImfpMethod::Explicit || method == ImfpMethod::SeahDench || method == ImfpMethod::Tpp2m ||
           method == ImfpMethod::Gries || method == ImfpMethod::CumpsonSeah;
}

}  // namespace

ImfpRowSet TPP2MIMFP(Document& doc, int layer)
{
    const Tpp2mMaterial material{static_cast<double>(doc.LayerValElec[layer]), doc.LayerDensity[layer],
                                 doc.LayerMolWeight[layer], doc.LayerBandGap[layer]};
    if (material.valenceElectrons == 0.0 || doc.LayerBandGap[layer] == kNoBandGap || material.densityGcm3 == 0.0 ||
        material.molecularWeight == 0.0)
        return {};
    const RowImfps lambdas = ImfpsAtLineEnergies(doc, [&](double e) { return Tpp2mImfpAngstrom(material, e); });
    return StoreRowImfps(doc, lambdas, fromAngstroms(doc), doc.LayerIMFP[layer]);
}

ImfpRowSet CumpsonSeahIMFP(Document& doc, int layer, Findings& findings)
{
    const std::optional<LayerAtoms> atoms = weighedAtoms(doc, layer, findings);
    if (!atoms)
        return {};
    const double meanAtomicNumber = atoms->atomicNumberSum / atoms->count;
    const auto monolayer = MonolayerThicknessNm(doc.LayerMolWeight[layer] / atoms->count, doc.LayerDensity[layer]);
    const RowImfps lambdas = ImfpsAtLineEnergies(doc, [&](double e) -> std::optional<double> {
        if (!monolayer)
            return std::nullopt;
        return CumpsonSeahImfpNm(*monolayer, meanAtomicNumber, e);
    });
    return StoreRowImfps(doc, lambdas, fromNanometres(doc), doc.LayerIMFP[layer]);
}

void ModelLayerIMFPs(Document& doc, std::optional<int> onlyLayer, Findings& findings)
{
    const ImfpMethod method = doc.modelImfpMethod();
    if (!isLayerMethod(method)) {
        findings.warning(kImproperImfpMethodText);
        return;
    }
    if (onlyLayer && (*onlyLayer < 0 || *onlyLayer > kMaxLayers))
        return;
    const int first = onlyLayer.value_or(0);
    const int last = onlyLayer.value_or(std::clamp<int>(doc.LayerCount, 0, kMaxLayers));

    ImfpRowSet undefined;
    for (int layer = first; layer <= last; ++layer) {
        switch (method) {
        case ImfpMethod::SeahDench: undefined |= seahDenchLayer(doc, layer, findings); break;
        case ImfpMethod::Tpp2m: undefined |= TPP2MIMFP(doc, layer); break;
        case ImfpMethod::Gries: undefined |= griesLayer(doc, layer, findings); break;
        case ImfpMethod::CumpsonSeah: undefined |= CumpsonSeahIMFP(doc, layer, findings); break;
        default: break;  // Explicit: the analyst enters the values
        }
    }
    if (undefined.any())
        reportUndefinedRows(doc, undefined, findings);
    doc.DocDirty = true;
}

}  // namespace slv
