#include "session/model_grid.h"

#include <algorithm>
#include <cctype>

#include "model/model_check.h"
#include "model/model_table.h"
#include "platform/fixed_text.h"

namespace slv {

namespace {

constexpr char kOmitToggleKey = ' ';
constexpr int kFirstLayerCol = 2;
constexpr int kLastLayerCol = kFirstLayerCol + kMaxLayers - 1;

std::string layerText(int layer)
{
    return std::string(kLayerWord) + " " + std::to_string(layer);
}

/// The item after text in items followed by the empty text, cyclically.
std::string nextInCycle(std::string_view text, const std::vector<std::string>& items)
{
    const auto at = std::find(items.begin(), items.end(), text);
    if (text.empty() || at == items.end())
        return items.empty() ? std::string() : items.front();
    return at + 1 == items.end() ? std::string() : *(at + 1);
}

}  // namespace

std::vector<std::string> LinkCycle(int layer, int layerCount)
{
    std::vector<std::string> cycle;
    for (int other = 1; other <= layerCount; ++other)
        if (other != layer)
            cycle.push_back(layerText(other));
    cycle.emplace_back(kFixedWord);
    return cycle;
}

std::optional<int> SelectedLayer(const TextGrid& grid, int layerCount)
{
    const CellRange selection = grid.Selection();
    if (selection.left != selection.right || selection.rowCount() < 2)
        return std::nullopt;
    const int col = selection.left;
    if (col == kModelColBulk)
        return 0;
    if (col >= kFirstLayerCol && col - kFirstLayerCol + 1 <= layerCount)
        return col - kFirstLayerCol + 1;
    return std::nullopt;
}

ModelGrid::ModelGrid(Session& session)
    : m_session(session),
      m_editor(
          m_grid, [this](int col) { return numericCell(m_grid.Row(), col); },
          [this] { m_session.edit({}).doc.DocDirty = true; }, [this] { m_session.dialogs().beep(); },
          session.environment().DecSep),
      m_subscription(session.subscribe(*this))
{
    load();
}

void ModelGrid::load()
{
    TextGrid::Update update(m_grid);
    LoadModelTable(m_session.doc(), m_session.environment().DecSep, m_grid);
}

bool ModelGrid::layerColumn(int col) const
{
    return col >= kFirstLayerCol && col <= kLastLayerCol;
}

bool ModelGrid::omitCell(int row, int col) const
{
    const ModelTableLayout layout = ModelTableLayoutOf(m_session.doc());
    return col == kModelColOmit && row >= layout.compositionRow(1) && row <= layout.compositionRow(layout.elements);
}

bool ModelGrid::numericCell(int row, int col) const
{
    const ModelTableLayout layout = ModelTableLayoutOf(m_session.doc());
    if (col < kFirstLayerCol || col > kModelColBulk || row < layout.molWeightRow())
        return false;
    // An IMFP cell no layer needs holds its mark, not a number.
    return trimmed(m_grid.TextMatrix(row, col)) != trimmed(kUnusedImfpMark);
}

int ModelGrid::namedLayers() const
{
    int named = 0;
    for (int col = kFirstLayerCol; col <= kLastLayerCol; ++col)
        if (!trimmed(m_grid.TextMatrix(1, col)).empty())
            ++named;
    return named;
}

void ModelGrid::setCell(std::string_view text)
{
    m_grid.SetTextMatrix(m_grid.Row(), m_grid.Col(), text);
    m_session.edit({}).doc.DocDirty = true;
}

void ModelGrid::doubleClick()
{
    const Document& doc = m_session.doc();
    if (doc.modelType() == ModelType::OxideLayer)
        return;
    const ModelTableLayout layout = ModelTableLayoutOf(doc);
    const int row = m_grid.Row();
    const int col = m_grid.Col();
    const std::string_view text = trimmed(m_grid.Text());
    if (layerColumn(col) && row == layout.typeRow())
        setCell(nextInCycle(text, {kLayerWord, kIslandWord}));
    else if (layerColumn(col) && row == layout.linkRow())
        setCell(nextInCycle(text, LinkCycle(col - 1, namedLayers())));
    else if (omitCell(row, col))
        setCell(text.empty() ? kOmitMark : "");
    else
        m_session.dialogs().beep();
}

void ModelGrid::keyPress(char ch)
{
    const ModelTableLayout layout = ModelTableLayoutOf(m_session.doc());
    const int row = m_grid.Row();
    const int col = m_grid.Col();
    if (layerColumn(col) && row == layout.typeRow()) {
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        if (letter == 'l' || letter == 'i')
            setCell(letter == 'l' ? kLayerWord : kIslandWord);
        else
            m_session.dialogs().beep();
        return;
    }
    if (col == kModelColOmit) {
        if (omitCell(row, col) && ch == kOmitToggleKey)
            setCell(trimmed(m_grid.Text()).empty() ? kOmitMark : "");
        else
            m_session.dialogs().beep();
        return;
    }
    m_editor.keyPress(ch);
}

void ModelGrid::keyDown(GridKey key)
{
    m_editor.keyDown(key);
}

void ModelGrid::commit()
{
    m_editor.leaveCell();
    m_writing = true;
    {
        auto edit = m_session.edit({Change::Model, Change::Results});
        TransferModelTable(edit.doc, m_session.environment().DecSep, m_grid);
    }
    m_writing = false;
}

bool ModelGrid::mayClose()
{
    commit();
    ModelFindings findings;
    {
        auto edit = m_session.edit(Change::Model);
        findings = RunModelChecks(edit.doc, edit.model);
    }
    const auto shown = ModelErrorsFinding(findings.errors, findings.message, MessageButtons::OkCancel);
    return !shown || Present(m_session.dialogs(), *shown) != DialogAnswer::Cancel;
}

void ModelGrid::sessionChanged(ChangeSet changes)
{
    if (!m_writing && (changes.has(Change::Model) || changes.has(Change::Elements) || changes.has(Change::Parameters)))
        load();
}

}  // namespace slv
