#include "session/model_checks.h"

#include "model/model_table.h"
#include "model/model_warnings.h"
#include "model/oxide_layer.h"

namespace slv {

namespace {
void show(Session& session, int errors, const std::string& message, MessageButtons buttons)
{
    if (const auto finding = ModelErrorsFinding(errors, message, buttons))
        Present(session.dialogs(), *finding);
}
}  // namespace

void PassModelThroughGrid(Session& session)
{
    auto edit = session.edit(Change::Model);
    PassModelThroughGrid(edit.doc, session.environment().DecSep);
}

ModelFindings ValidateModel(Session& session, MessageButtons buttons)
{
    auto edit = session.edit(Change::Model);
    const ModelFindings findings = RunModelChecks(edit.doc, edit.model);
    show(session, findings.errors, findings.message, buttons);
    return findings;
}

bool ModelTablePasses(Session& session)
{
    auto edit = session.edit(Change::Model);
    int errors = 0;
    std::string message;
    CheckModel(edit.doc, edit.model, errors, message);
    if (ModelUsable(errors))
        CheckModelWarnings(edit.doc, errors, message);
    show(session, errors, message, MessageButtons::Ok);
    return ModelUsable(errors);
}

bool ComputeOxideThickness(Session& session)
{
    if (!ModelTablePasses(session))
        return false;
    auto edit = session.edit(Change::Results);
    OxideLayerResults(edit.doc, edit.model, edit.res, session.environment().DecSep);
    return true;
}

ModelSummary TestSessionModel(Session& session)
{
    PassModelThroughGrid(session);
    auto edit = session.edit(Change::Model);
    return TestModel(edit.doc, edit.model);
}

}  // namespace slv
