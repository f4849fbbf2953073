#include <algorithm>
#include <cmath>

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

ImfpRowSet seahDenchLayer(Session& session, int layer)
{
    const Document& doc = session.doc;
    if (!hasDensityAndWeight(doc, layer))
        return {};
    const LayerAtoms atoms = layerAtoms(doc, layer);
    if (atoms.count <= 0.0) {
        session.dialogs.show(kEnterAtomLocationsText, MessageIcon::Exclamation);
        return {};
    }
    const auto meanAtomicWeight = static_cast<float>(doc.LayerMolWeight[layer] / atoms.count);
    const auto lambdas = SeahDenchIMFP(session, doc.layerClass(layer), meanAtomicWeight, doc.LayerDensity[layer]);
    if (!lambdas)
        return {};
    return StoreRowImfps(doc, *lambdas, fromNanometres(doc), session.doc.LayerIMFP[layer]);
}

ImfpRowSet griesLayer(Session& session, int layer)
{
    const Document& doc = session.doc;
    if (!hasDensityAndWeight(doc, layer))
        return {};
    const auto lambdas =
        GriesIMFP(session, doc.layerClass(layer), doc.LayerComp[layer], 0, doc.LayerDensity[layer]);
    if (!lambdas)
        return {};
    return StoreRowImfps(doc, *lambdas, fromAngstroms(doc), session.doc.LayerIMFP[layer]);
}

std::string lineName(const Document& doc, int row)
{
    return doc.ElSymbol[row].trimmedText() + " " + doc.ElLine[row].trimmedText();
}

void reportUndefinedRows(Session& session, const ImfpRowSet& rows)
{
    std::string findings;
    for (int row = 1; row <= kMaxElements; ++row)
        if (rows.test(row))
            AppendFinding(findings, lineName(session.doc, row));
    session.dialogs.show(std::string(kUndefinedLayerImfpHeading) + "\r\n\r\n" + findings, MessageIcon::Exclamation);
}

bool isLayerMethod(ImfpMethod method)
{
    return method == ImfpMethod::Explicit || method == ImfpMethod::SeahDench || method == ImfpMethod::Tpp2m || method == ImfpMethod::Gries ||
           method == ImfpMethod::CumpsonSeah;
}

}  // namespace

ImfpRowSet TPP2MIMFP(Session& session, int layer)
{
    Document& doc = session.doc;
    const Tpp2mMaterial material{static_cast<double>(doc.LayerValElec[layer]), doc.LayerDensity[layer],
                                 doc.LayerMolWeight[layer], doc.LayerBandGap[layer]};
    if (material.valenceElectrons == 0.0 || doc.LayerBandGap[layer] == kNoBandGap || material.densityGcm3 == 0.0 ||
        material.molecularWeight == 0.0)
        return {};
    const RowImfps lambdas = ImfpsAtLineEnergies(doc, [&](double e) { return Tpp2mImfpAngstrom(material, e); });
    return StoreRowImfps(doc, lambdas, fromAngstroms(doc), doc.LayerIMFP[layer]);
}

ImfpRowSet CumpsonSeahIMFP(Session& session, int layer)
{
    Document& doc = session.doc;
    if (!hasDensityAndWeight(doc, layer))
        return {};
    const LayerAtoms atoms = layerAtoms(doc, layer);
    if (atoms.count <= 0.0) {
        session.dialogs.show(kEnterAtomLocationsText, MessageIcon::Exclamation);
        return {};
    }
    const double meanAtomicNumber = atoms.atomicNumberSum / atoms.count;
    const auto monolayer = MonolayerThicknessNm(doc.LayerMolWeight[layer] / atoms.count, doc.LayerDensity[layer]);
    const RowImfps lambdas = ImfpsAtLineEnergies(doc, [&](double e) -> std::optional<double> {
        if (!monolayer)
            return std::nullopt;
        return CumpsonSeahImfpNm(*monolayer, meanAtomicNumber, e);
    });
    return StoreRowImfps(doc, lambdas, fromNanometres(doc), doc.LayerIMFP[layer]);
}

void ModelLayerIMFPs(Session& session, std::optional<int> onlyLayer)
{
    Document& doc = session.doc;
    const ImfpMethod method = doc.modelImfpMethod();
    if (!isLayerMethod(method)) {
        session.dialogs.show(kImproperImfpMethodText, MessageIcon::Exclamation);
        return;
    }
    if (onlyLayer && (*onlyLayer < 0 || *onlyLayer > kMaxLayers))
        return;
    const int first = onlyLayer.value_or(0);
    const int last = onlyLayer.value_or(std::clamp<int>(doc.LayerCount, 0, kMaxLayers));

    ImfpRowSet undefined;
    for (int layer = first; layer <= last; ++layer) {
        switch (method) {
        case ImfpMethod::SeahDench: undefined |= seahDenchLayer(session, layer); break;
        case ImfpMethod::Tpp2m: undefined |= TPP2MIMFP(session, layer); break;
        case ImfpMethod::Gries: undefined |= griesLayer(session, layer); break;
        case ImfpMethod::CumpsonSeah: undefined |= CumpsonSeahIMFP(session, layer); break;
        default: break;  // Explicit: the analyst enters the values
        }
    }
    if (undefined.any())
        reportUndefinedRows(session, undefined);
    doc.DocDirty = true;
}

}  // namespace slv
