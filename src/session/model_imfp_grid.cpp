#include "session/model_imfp_grid.h"

#include "document/option_names.h"
#include "model/model_table.h"
#include "platform/fixed_text.h"
#include "platform/format_mask.h"
#include "platform/number_text.h"

namespace slv {

namespace {

constexpr int kModelImfpCols = kModelImfpColValence + 1;
// Wide enough for the headers and the longest class word.
constexpr int kMaterialColumnTwips = 1600;
constexpr int kLayerHeaderTwips = 1400;
constexpr float kNoBandGap = -1.0f;
constexpr const char* kMaterialHeaders[] = {"Name",    "Material class", "Molecular weight",
                                            "Density", "Bandgap energy", "Valence electrons"};

}  // namespace

void TransferModelImfpTable(Document& doc, const TextGrid& grid, char decSep)
{
    int namedLayers = 0;
    for (int row = 1; row <= kModelImfpBulkRow; ++row) {
        const int layer = LayerOfModelImfpRow(row);
        const auto cell = [&](int col) { return trimmed(grid.TextMatrix(row, col)); };
        doc.LayerName[layer] = cell(kModelImfpColName);
        if (layer > 0 && !doc.LayerName[layer].isBlank())
            ++namedLayers;
        doc.setLayerClass(layer, MaterialClassOfWord(cell(kModelImfpColClass)));
        doc.LayerMolWeight[layer] = ParseSingle(cell(kModelImfpColMolWeight), decSep);
        doc.LayerDensity[layer] = ParseSingle(cell(kModelImfpColDensity), decSep);
        doc.LayerBandGap[layer] =
            cell(kModelImfpColBandGap).empty() ? kNoBandGap : ParseSingle(cell(kModelImfpColBandGap), decSep);
        doc.LayerValElec[layer] = ParseInteger(cell(kModelImfpColValence), decSep);
    }
    doc.LayerCount = static_cast<Integer>(namedLayers);
    doc.RecalcNeeded = true;
}

ModelImfpGrid::ModelImfpGrid(Session& session)
    : MaterialGrid(session, kModelImfpBulkRow + 1, kModelImfpCols,
                   [](int col) { return col >= kModelImfpColMolWeight; })
{
    load();
}

void ModelImfpGrid::load()
{
    const Document& doc = m_session.doc();
    const char decSep = m_session.environment().DecSep;
    TextGrid::Update update(m_grid);
    m_grid.SetColWidth(0, kLayerHeaderTwips);
    for (int col = 1; col < kModelImfpCols; ++col) {
        m_grid.SetTextMatrix(0, col, kMaterialHeaders[col - 1]);
        m_grid.SetColWidth(col, kMaterialColumnTwips);
        m_grid.SetFixedAlignment(col, CellAlignment::Center);
    }
    m_grid.SetColAlignment(kModelImfpColName, CellAlignment::Left);
    m_grid.SetColAlignment(kModelImfpColClass, CellAlignment::Left);
    for (int row = 1; row <= kModelImfpBulkRow; ++row) {
        const int layer = LayerOfModelImfpRow(row);
        m_grid.SetTextMatrix(row, 0, layer == 0 ? "Bulk" : "Layer " + std::to_string(row));
        m_grid.SetTextMatrix(row, kModelImfpColName, doc.LayerName[layer].trimmedText());
        m_grid.SetTextMatrix(row, kModelImfpColClass, MaterialClassName(doc.layerClass(layer)));
        m_grid.SetTextMatrix(row, kModelImfpColMolWeight,
                             FormatNumber(doc.LayerMolWeight[layer], kMolWeightMask, decSep));
        m_grid.SetTextMatrix(row, kModelImfpColDensity, FormatNumber(doc.LayerDensity[layer], kDensityMask, decSep));
        m_grid.SetTextMatrix(row, kModelImfpColBandGap, FormatNumber(doc.LayerBandGap[layer], kBandGapMask, decSep));
        m_grid.SetTextMatrix(row, kModelImfpColValence, FormatNumber(doc.LayerValElec[layer], kValenceMask, decSep));
    }
}

void ModelImfpGrid::commit()
{
    m_editor.leaveCell();
    m_writing = true;
    {
        auto edit = m_session.edit({Change::Model, Change::Results});
        TransferModelImfpTable(edit.doc, m_grid, m_session.environment().DecSep);
    }
    m_writing = false;
}

void ModelImfpGrid::keyDown(GridKey key)
{
    m_editor.keyDown(key);
    writeNameThrough();
}

void ModelImfpGrid::keyPress(char ch)
{
    m_editor.keyPress(ch);
    writeNameThrough();
}

void ModelImfpGrid::writeNameThrough()
{
    // Enter and Tab have moved on by now: the name typed is the one left behind too.
    for (int row = 1; row <= kModelImfpBulkRow; ++row) {
        const int layer = LayerOfModelImfpRow(row);
        const LayerNameText typed(trimmed(m_grid.TextMatrix(row, kModelImfpColName)));
        if (typed == m_session.doc().LayerName[layer])
            continue;
        m_writing = true;
        m_session.edit(Change::Model).doc.LayerName[layer] = typed;
        m_writing = false;
    }
}

void ModelImfpGrid::classChosen(int row, MaterialClass materialClass)
{
    if (materialClass == MaterialClass::Element && trimmed(m_grid.TextMatrix(row, kModelImfpColDensity)).empty())
        m_grid.SetTextMatrix(row, kModelImfpColDensity,
                             FormatNumber(LayerElementDensity(m_session.doc(), LayerOfModelImfpRow(row)), kDensityMask,
                                          m_session.environment().DecSep));
}

void ModelImfpGrid::sessionChanged(ChangeSet changes)
{
    if (!m_writing && (changes.has(Change::Model) || changes.has(Change::Elements)))
        load();
}

}  // namespace slv
