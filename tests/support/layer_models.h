// Structure models the model-table, model-check and model-summary tests
// share: a silicon wafer with its oxide under a carbon contamination layer,
// the same wafer as an Oxide-Layer model, and a carbon nanotube with an
// oxidised surface layer. Each passes both validation stages as built.
#pragma once

#include <initializer_list>

#include "document/document.h"

namespace slv::test {

struct ElementRowSpec {
    const char* symbol;
    const char* line;
    const char* state;
};

inline void SetElementRows(Document& doc, std::initializer_list<ElementRowSpec> rows)
{
    int row = 0;
    for (const ElementRowSpec& spec : rows) {
        ++row;
        doc.ElSymbol[row] = spec.symbol;
        doc.ElLine[row] = spec.line;
        doc.ElState[row] = spec.state;
    }
    doc.ElemCount = static_cast<Integer>(row);
}

inline void SetLayer(Document& doc, int k, const char* name, float molWeight, float density)
{
    doc.LayerName[k] = name;
    doc.LayerKind[k] = 1;
    doc.LayerMolWeight[k] = molWeight;
    doc.LayerDensity[k] = density;
}

/// Layers-on-Plane: bulk "Si" holds Si 2p metal (row 1); layer 2 "SiO2" the
/// oxide Si 2p (row 2) and O 1s (row 3); layer 1 "Carbon" on top C 1s
/// (row 4). Every IMFP that an electron on its way out needs is filled (nm);
/// the cells below an element's deepest layer stay 0.
inline void BuildOxidisedWafer(Document& doc)
{
    doc.ParIndex[0] = kPlane;
    doc.ModelOn = 1;
    SetElementRows(doc, {{"Si", "2p", "Me"}, {"Si", "2p", "Ox"}, {"O", "1s", ""}, {"C", "1s", ""}});
    doc.LayerCount = 2;
    SetLayer(doc, 0, "Si", 28.09f, 2.33f);
    SetLayer(doc, 1, "Carbon", 12.01f, 2.0f);
    SetLayer(doc, 2, "SiO2", 60.08f, 2.2f);
    doc.LayerComp[0][1] = 1.0f;
    doc.LayerComp[2][2] = 1.0f;
    doc.LayerComp[2][3] = 2.0f;
    doc.LayerComp[1][4] = 1.0f;
    const float imfp[3][5] = {{0, 3.2f, 0, 0, 0}, {0, 3.6f, 3.6f, 2.9f, 3.0f}, {0, 3.4f, 3.4f, 2.7f, 0}};
    for (int k = 0; k <= 2; ++k)
        for (int e = 1; e <= 4; ++e)
            doc.LayerIMFP[k][e] = imfp[k][e];
}

/// Oxide-Layer: bulk "Si" with Si 2p "Me" (row 1), one layer "SiO2" with
/// Si 2p "Ox" (row 2) and O 1s (row 3).
inline void BuildOxideLayer(Document& doc)
{
    doc.ParIndex[0] = kOxideLayer;
    doc.ModelOn = 1;
    SetElementRows(doc, {{"Si", "2p", "Me"}, {"Si", "2p", "Ox"}, {"O", "1s", ""}});
    doc.LayerCount = 1;
    SetLayer(doc, 0, "Si", 28.09f, 2.33f);
    SetLayer(doc, 1, "SiO2", 60.08f, 2.2f);
    doc.LayerComp[0][1] = 1.0f;
    doc.LayerComp[1][2] = 1.0f;
    doc.LayerComp[1][3] = 2.0f;
    doc.LayerIMFP[0][1] = 3.2f;
    doc.LayerIMFP[1][1] = 3.4f;
    doc.LayerIMFP[1][2] = 3.4f;
    doc.LayerIMFP[1][3] = 2.7f;
}

/// Layers-on-Nanotube: a carbon tube (C 1s, row 1; outer radius 3 nm, inner
/// 2 nm) under a layer "Oxide" of O 1s (row 2). Every electron crosses the
/// whole tube, so every IMFP cell is filled.
inline void BuildCarbonNanotube(Document& doc)
{
    doc.ParIndex[0] = kNanotube;
    doc.ModelOn = 1;
    SetElementRows(doc, {{"C", "1s", ""}, {"O", "1s", ""}});
    doc.LayerCount = 1;
    SetLayer(doc, 0, "CNT", 12.01f, 1.4f);
    SetLayer(doc, 1, "Oxide", 16.0f, 1.2f);
    doc.LayerComp[0][1] = 1.0f;
    doc.LayerComp[1][2] = 1.0f;
    for (int k = 0; k <= 1; ++k)
        for (int e = 1; e <= 2; ++e)
            doc.LayerIMFP[k][e] = 3.0f + 0.1f * static_cast<float>(k + e);
    doc.SampleRadius = 3.0f;
    doc.InnerRadius = 2.0f;
}

}  // namespace slv::test
