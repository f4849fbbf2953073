#include "session/results_view.h"

#include <string_view>

#include "quant/quantification.h"

namespace slv {

ShownResults ShowResults(Session& session)
{
    ShownResults shown;
    shown.findings = Findings(session.dialogs());
    auto edit = session.edit(Change::Results);
    const RowTable<float> bindingBefore = edit.doc.BindEnergy;
    const std::string transmissionFileBefore = edit.doc.transmissionFile();
    QuantContext q = edit.quant(shown.findings);
    shown.table = FillResults(q);
    // The chain moves a line the source cannot excite, and may take a moved
    // transmission file's new place.
    if (edit.doc.BindEnergy != bindingBefore)
        edit.also(Change::Elements);
    if (edit.doc.transmissionFile() != transmissionFileBefore)
        edit.also(Change::Parameters);

    const bool reported = !shown.findings.empty() && shown.findings.back().heading == kResultsErrorsHeading;
    if (reported && session.closing()) {
        // The window refills itself right after a report: the same problems are not shown twice.
        shown.findings.back().suppressed = true;
        session.setClosing(false);
    } else if (reported) {
        session.setClosing(true);
    }
    session.present(shown.findings);
    return shown;
}

}  // namespace slv
