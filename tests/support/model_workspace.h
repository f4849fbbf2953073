// What the model layer works on, without a session: the quantification's
// workspace and the model's working values.
#pragma once

#include "model/model_regions.h"
#include "model/model_state.h"
#include "support/quant_workspace.h"

namespace slv::test {

struct ModelWorkspace : QuantWorkspace {
    ModelState model;

    /// The calculation set-up of the model's experiment.
    bool setUp()
    {
        QuantContext q = quant();
        return ModelSetup(q, model, model.ModelExperiment);
    }
};

}  // namespace slv::test
