// Documents for the report tests and benchmarks, filled field by field: a
// full homogeneous data set (up to 20 element rows, 40 experiments with four
// labels, IMFP and contamination values, notes) and a layered structure model.
#pragma once

#include <array>
#include <string>

#include "document/document.h"

namespace slv::test {

/// Element rows with distinct symbols, oxygen first so that the oxide types work.
inline constexpr std::array<const char*, kMaxElements> kReportSymbols = {
    "O", "Si", "Na", "Ca", "Mg", "Al", "K", "Fe", "Ti", "Zn", "Cu", "Ni", "Cr", "Mn", "Zr", "Ba", "Sr", "Li", "B", "P"};

inline void FillReportDocument(Document& doc, int elements = kMaxElements, int experiments = kMaxExperiments)
{
    doc.setTitle("Glass batch 17, all spots");
    doc.DocFileName = "C:\\data\\batch17.lvd";
    doc.ElemCount = static_cast<Integer>(elements);
    doc.ExpCount = static_cast<Integer>(experiments);
    for (int r = 1; r <= elements; ++r) {
        doc.ElSymbol[r] = kReportSymbols[static_cast<std::size_t>(r - 1)];
        doc.ElLine[r] = r == 1 ? "1s" : "2p";
        doc.BindEnergy[r] = 50.0f + 25.0f * static_cast<float>(r);
        doc.CrossSect[r] = 1.0f + 0.25f * static_cast<float>(r);
        doc.Asymmetry[r] = r == 3 ? -0.5f : 1.5f;
        doc.AtWeight[r] = 10.0f + 4.5f * static_cast<float>(r);
        doc.Valence[r] = r == 1 ? Integer{0} : Integer{2};
        doc.Oxygens[r] = r == 1 ? Integer{0} : Integer{1};
    }
    doc.setTiltUnit(TiltUnit::Degree);
    doc.LabelSelect[1] = 1;  // Name
    doc.LabelSelect[2] = 1;  // Time
    doc.LabelSelect[3] = 1;  // Tilt
    doc.LabelSelect[4] = 1;  // Temperature
    for (int e = 1; e <= experiments; ++e) {
        for (int r = 1; r <= elements; ++r) {
            doc.Intensity[e][r] = static_cast<float>(r == 1 ? 90000 + 100 * e : 1000 + 37 * r + 11 * e);
            doc.IMFPval[e][r] = 1.5f + 0.05f * static_cast<float>(r);
        }
        doc.ExpContam[e] = 12.5f;
        doc.LabelText[e][2] = "spot " + std::to_string(e);
        doc.LabelText[e][3] = std::to_string(2 * e);
        doc.LabelText[e][4] = std::to_string(e % 7 * 10);
        doc.LabelText[e][5] = "25";
    }
    doc.setHomogeneousImfpMethod(ImfpMethod::Explicit);
    doc.NotesText = "Spots measured after 30 s of Ar+ cleaning.\r\nPass energy 20 eV; "
                    "the charge was referenced to the adventitious carbon line at 284.8 eV, which is the usual "
                    "choice for insulating glass surfaces and is kept for every spot of this batch.\r\n";
    RecomputeUnits(doc);
}

/// A three-layer Layers-on-Plane model over the document's first three
/// element rows, with stored thicknesses for every experiment.
inline void FillLayeredModel(Document& doc)
{
    doc.setModelType(ModelType::Plane);
    doc.LayerCount = 3;
    const char* names[] = {"Si", "SiO2", "Al2O3", "C"};
    for (int k = 0; k <= 3; ++k) {
        doc.LayerName[k] = names[k];
        doc.LayerKind[k] = k == 0 ? Integer{0} : Integer{1};
        doc.LayerMolWeight[k] = 20.0f + 10.0f * static_cast<float>(k);
        doc.LayerDensity[k] = 2.0f + 0.25f * static_cast<float>(k);
        doc.LayerComp[k][k + 1] = 1.0f;
        for (int r = 1; r <= doc.ElemCount; ++r)
            doc.LayerIMFP[k][r] = 2.0f + 0.1f * static_cast<float>(r);
    }
    for (int e = 1; e <= doc.ExpCount; ++e)
        for (int k = 1; k <= 3; ++k)
            doc.ThickRes[e][k] = 0.5f * static_cast<float>(k);
}

}  // namespace slv::test
