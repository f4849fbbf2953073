#include "model/layer_materials.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "model/imfp_needs.h"
#include "quant/correction_chain.h"

namespace slv {

namespace {

/// Atoms x a per-element constant summed over the elements of one layer row.
struct AtomSum {
    double value = 0.0;
    bool anyAtoms = false;
    std::vector<int> missingRows;  // elements present whose constant is not known
};

AtomSum sumOverAtoms(const Document& doc, int layer, std::span<const float> perElement)
{
    AtomSum sum;
    for (int row = 0; row <= std::min<int>(doc.ElemCount, kMaxElements); ++row) {
        const double atoms = doc.LayerComp[layer][row];
        if (atoms <= 0.0)
            continue;
        sum.anyAtoms = true;
        if (perElement[row] <= 0.0f)
            sum.missingRows.push_back(row);
        else
            sum.value += atoms * perElement[row];
    }
    return sum;
}

int lastRowInUse(const Document& doc)
{
    return std::clamp<int>(doc.LayerCount, 0, kMaxLayers);
}

/// "Layer 2 "SiO2": Si, O" or "Bulk "Si": Si".
std::string missingLine(const Document& doc, int layer, const std::vector<int>& rows)
{
    std::string line = layer == 0 ? std::string("Bulk") : "Layer " + std::to_string(layer);
    if (!doc.LayerName[layer].isBlank())
        line += " \"" + doc.LayerName[layer].trimmedText() + "\"";
    std::vector<std::string> symbols;
    for (int row : rows) {
        const std::string symbol = doc.ElSymbol[row].trimmedText();
        if (std::find(symbols.begin(), symbols.end(), symbol) == symbols.end())
            symbols.push_back(symbol);
    }
    for (std::size_t i = 0; i < symbols.size(); ++i)
        line += (i == 0 ? ": " : ", ") + symbols[i];
    return line;
}

void reportMissing(const char* heading, const std::string& lines, Findings& findings)
{
    if (lines.empty())
        return;
    Finding finding = MessageFinding(FindingKind::Warning, std::string(heading) + "\r\n\r\n" + lines);
    finding.heading = heading;
    finding.items = ItemsOf(lines);
    findings.add(std::move(finding));
}

}  // namespace

void CalculateMolecularWeights(Document& doc, Findings& findings)
{
    std::string missing;
    for (int layer = 0; layer <= lastRowInUse(doc); ++layer) {
        const AtomSum sum = sumOverAtoms(doc, layer, doc.AtWeight);
        if (!sum.missingRows.empty())
            AppendFinding(missing, missingLine(doc, layer, sum.missingRows));
        else if (sum.anyAtoms)
            doc.LayerMolWeight[layer] = static_cast<float>(sum.value);
    }
    reportMissing(kNoAtomicWeightHeading, missing, findings);
}

void CalculateValenceElectrons(Document& doc, Findings& findings)
{
    std::string missing;
    for (int layer = 0; layer <= lastRowInUse(doc); ++layer) {
        const AtomSum sum = sumOverAtoms(doc, layer, doc.ValElectrons);
        if (!sum.missingRows.empty())
            AppendFinding(missing, missingLine(doc, layer, sum.missingRows));
        doc.LayerValElec[layer] = sum.missingRows.empty() ? static_cast<Integer>(std::lround(sum.value)) : Integer{0};
    }
    reportMissing(kNoValenceElectronsHeading, missing, findings);
}

bool ClearUnusedImfps(Document& doc)
{
    bool cleared = false;
    for (int layer = 0; layer <= lastRowInUse(doc); ++layer)
        for (int row = 1; row <= std::min<int>(doc.ElemCount, kMaxElements); ++row)
            if (!ImfpNeeded(doc, layer, row) && doc.LayerIMFP[layer][row] != 0.0f) {
                doc.LayerIMFP[layer][row] = 0.0f;
                cleared = true;
            }
    return cleared;
}

}  // namespace slv
