// Structure models shared by the model-table, model-check and model-summary
// tests. Each passes both validation stages as built. IMFPs are in nm.
#pragma once

#include <initializer_list>

#include "document/document.h"

namespace slv::test {

struct RowValues {
    const char* symbol;
    const char* line;
    const char* state;
};

struct LayerValues {
    const char* name;
    float molWeight;
    float density;
};

inline void SetRowsAndLayers(Document& doc, ModelType modelType, std::initializer_list<RowValues> rows,
                             std::initializer_list<LayerValues> layers)
{
    doc.setModelType(modelType);
    doc.ModelOn = 1;
    doc.ElemCount = 0;
    for (const RowValues& row : rows) {
        const int e = ++doc.ElemCount;
        doc.ElSymbol[e] = row.symbol;
        doc.ElLine[e] = row.line;
        doc.ElState[e] = row.state;
    }
    int k = 0;
    for (const LayerValues& layer : layers) {
        doc.LayerName[k] = layer.name;
        doc.LayerKind[k] = 1;
        doc.LayerMolWeight[k] = layer.molWeight;
        doc.LayerDensity[k] = layer.density;
        ++k;
    }
    doc.LayerCount = static_cast<Integer>(k - 1);
}

/// Layers-on-Plane: bulk "Si" of Si 2p metal (row 1); layer 2 "SiO2" of oxide
/// Si 2p (row 2) and O 1s (row 3); on top layer 1 "Carbon" of C 1s (row 4).
/// The IMFPs every electron on its way out needs are filled; the cells below
/// an element's deepest layer stay 0.
inline void BuildOxidisedWafer(Document& doc)
{
    SetRowsAndLayers(doc, ModelType::Plane, {{"Si", "2p", "Me"}, {"Si", "2p", "Ox"}, {"O", "1s", ""}, {"C", "1s", ""}},
                     {{"Si", 28.09f, 2.33f}, {"Carbon", 12.01f, 2.0f}, {"SiO2", 60.08f, 2.2f}});
    doc.LayerComp[0][1] = doc.LayerComp[2][2] = doc.LayerComp[1][4] = 1.0f;
    doc.LayerComp[2][3] = 2.0f;
    doc.LayerIMFP[0] = {0, 3.2f};
    doc.LayerIMFP[1] = {0, 3.6f, 3.6f, 2.9f, 3.0f};
    doc.LayerIMFP[2] = {0, 3.4f, 3.4f, 2.7f};
}

/// Oxide-Layer: bulk "Si" of Si 2p "Me" (row 1), layer "SiO2" of Si 2p "Ox" (row 2) and O 1s (row 3).
inline void BuildOxideLayer(Document& doc)
{
    SetRowsAndLayers(doc, ModelType::OxideLayer, {{"Si", "2p", "Me"}, {"Si", "2p", "Ox"}, {"O", "1s", ""}},
                     {{"Si", 28.09f, 2.33f}, {"SiO2", 60.08f, 2.2f}});
    doc.LayerComp[0][1] = doc.LayerComp[1][2] = 1.0f;
    doc.LayerComp[1][3] = 2.0f;
    doc.LayerIMFP[0] = {0, 3.2f};
    doc.LayerIMFP[1] = {0, 3.4f, 3.4f, 2.7f};
}

/// Layers-on-Nanotube: a carbon tube (C 1s, row 1; radii 3 and 2 nm) under a
/// layer "Oxide" of O 1s (row 2). Electrons cross the whole tube: every IMFP is filled.
inline void BuildCarbonNanotube(Document& doc)
{
    SetRowsAndLayers(doc, ModelType::Nanotube, {{"C", "1s", ""}, {"O", "1s", ""}},
                     {{"CNT", 12.01f, 1.4f}, {"Oxide", 16.0f, 1.2f}});
    doc.LayerComp[0][1] = doc.LayerComp[1][2] = 1.0f;
    doc.LayerIMFP[0] = {0, 3.1f, 3.2f};
    doc.LayerIMFP[1] = {0, 3.2f, 3.3f};
    doc.SampleRadius = 3.0f;
    doc.InnerRadius = 2.0f;
}

}  // namespace slv::test
