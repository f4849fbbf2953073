#include "model/imfp_needs.h"

#include <algorithm>

#include "model/particle_regions.h"

namespace slv {

namespace {
/// Depth order of the layer rows: layer 1 on top, the bulk (row 0) below the deepest layer.
int depthOf(const Document& doc, int layerRow)
{
    return layerRow == 0 ? doc.LayerCount + 1 : layerRow;
}
}  // namespace

bool ElementInRow(const Document& doc, int layerRow, int elementRow)
{
    return doc.LayerComp[layerRow][elementRow] > 0.0f;
}

int StackRepetitions(const Document& doc)
{
    return doc.IslandMode == 1 || doc.MultiLayers < 1 ? 1 : doc.MultiLayers;
}

bool ImfpNeeded(const Document& doc, int layerRow, int elementRow)
{
    if (layerRow < 0 || layerRow > doc.LayerCount || elementRow < 1 || elementRow > kMaxElements)
        return false;
    int deepest = 0;
    bool inLayers = false;
    for (int row = 0; row <= doc.LayerCount; ++row) {
        if (ElementInRow(doc, row, elementRow)) {
            deepest = std::max(deepest, depthOf(doc, row));
            inLayers = inLayers || row > 0;
        }
    }
    if (deepest == 0)
        return false;
    if (doc.modelType() == ModelType::Nanotube || UsesExactParticleIntegral(doc))
        return true;
    if (layerRow > 0 && inLayers && StackRepetitions(doc) > 1)
        return true;
    return depthOf(doc, layerRow) <= deepest;
}

}  // namespace slv
