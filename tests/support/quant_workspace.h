// What the quantification works on, without a session: an empty document,
// the working tables, where the program runs (the decimal point, and the
// program folder a test gives) and the findings of the work, whose questions
// go to recording dialogs.
#pragma once

#include "quant/quant_state.h"
#include "support/empty_document.h"
#include "support/recording_dialogs.h"

namespace slv::test {

struct QuantWorkspace {
    Document doc = EmptyDocument();
    CorrectionTables corr;
    QuantResults res;
    Environment env;
    RecordingDialogs dialogs;
    Findings findings{dialogs};

    QuantContext quant() { return {doc, corr, res, env, findings}; }
};

}  // namespace slv::test
