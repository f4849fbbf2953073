#include "session/new_document.h"

#include "document/new_document.h"

namespace slv {

void StartSession(Session& session, char localeDecimalSeparator)
{
    auto edit = session.edit(ChangeSet::everything());
    SetFixedLabelNames(edit.doc);
    SetHydrogenRow(edit.doc);
    Environment environment = session.environment();
    environment.DecSep = localeDecimalSeparator;
    session.setEnvironment(std::move(environment));
}

void NewDocument(Session& session)
{
    auto edit = session.edit(ChangeSet::everything());
    DocumentShell& shell = session.shell();
    shell.closeChildWindows();
    shell.unloadNotesWindow();
    shell.setDataCommandsEnabled(false);
    ResetDocument(edit.doc, edit.print, session.settings());
    edit.res.RefElem = 1;
    edit.model.ModelExperiment = 1;
    shell.abandonPrintJob();
    shell.resetWindowSwitches();
    shell.clearFileDialogName();
}

}  // namespace slv
