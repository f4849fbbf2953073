// The Tools menu's Model submenu: the model summary, the marks of the IMFP
// cells no layer needs, and the molecular weights, valence electrons and
// IMFPs of the layers worked out from their atoms.
#include "document/element_library.h"
#include "model/layer_materials.h"
#include "quant/imfp.h"
#include "session/main_commands.h"
#include "session/model_checks.h"
#include "session/model_grid.h"

namespace slv {

namespace {

/// The valence electrons are entered beside the band gap, in the model's
/// IMFP & Contamination window; everything else in the Model window.
WindowId windowOfTool(ModelTool tool)
{
    return tool == ModelTool::ValenceElectrons ? WindowId::ModelImfps : WindowId::Model;
}

/// The layers' data were worked out anew: unsaved, and the results behind them.
void markWorkedOut(Document& doc)
{
    doc.DocDirty = true;
    doc.RecalcNeeded = true;
}

}  // namespace

bool MainCommands::modelToolEnabled(ModelTool tool) const
{
    if (m_shell.activeWindow() != windowOfTool(tool))
        return false;
    return tool != ModelTool::TestModel || m_session.doc().modelMode();
}

GridWindow* MainCommands::modelToolWindow(ModelTool tool)
{
    if (!modelToolEnabled(tool))
        return nullptr;
    GridWindow* window = m_shell.gridWindow(windowOfTool(tool));
    if (window == nullptr)
        return nullptr;
    window->commit();
    // The bulk alone has valence electrons worth counting; the other tools need layers.
    if (tool != ModelTool::ValenceElectrons && m_session.doc().LayerCount == 0) {
        m_session.dialogs().show(kModelNotDefined, MessageIcon::Critical);
        return nullptr;
    }
    return window;
}

std::optional<ModelSummary> MainCommands::testModel()
{
    if (modelToolWindow(ModelTool::TestModel) == nullptr)
        return std::nullopt;
    return TestSessionModel(m_session);
}

void MainCommands::markUnusedImfps()
{
    if (modelToolWindow(ModelTool::MarkUnusedImfps) == nullptr)
        return;
    // The Model window fills itself anew from the record, marking what no layer needs.
    auto edit = m_session.edit(Change::Model);
    if (ClearUnusedImfps(edit.doc)) {
        markWorkedOut(edit.doc);
        edit.also(Change::Results);
    }
}

void MainCommands::calculateMolecularWeight()
{
    if (modelToolWindow(ModelTool::MolecularWeight) == nullptr)
        return;
    Findings findings(m_session.dialogs());
    {
        auto edit = m_session.edit({Change::Model, Change::Results});
        CalculateMolecularWeights(edit.doc, findings);
        markWorkedOut(edit.doc);
    }
    m_session.present(findings);
}

void MainCommands::calculateValenceElectrons()
{
    if (modelToolWindow(ModelTool::ValenceElectrons) == nullptr)
        return;
    Findings findings(m_session.dialogs());
    {
        auto edit = m_session.edit({Change::Model, Change::Results});
        RefreshElementConstants(edit.doc, m_session.environment().programFolder, findings);
        // Without the library's numbers every layer would count none.
        if (!findings.any(FindingKind::Error)) {
            CalculateValenceElectrons(edit.doc, findings);
            markWorkedOut(edit.doc);
        }
    }
    m_session.present(findings);
}

void MainCommands::calculateImfps()
{
    GridWindow* model = modelToolWindow(ModelTool::Imfps);
    if (model == nullptr)
        return;
    const std::optional<int> layer = SelectedLayer(model->grid(), m_session.doc().LayerCount);
    Findings findings(m_session.dialogs());
    {
        auto edit = m_session.edit({Change::Model, Change::Results});
        const auto before = edit.doc.LayerIMFP;
        ModelLayerIMFPs(edit.doc, layer, findings);
        if (edit.doc.LayerIMFP != before)
            edit.doc.RecalcNeeded = true;
    }
    m_session.present(findings);
}

}  // namespace slv
