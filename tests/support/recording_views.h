// A ModelViews double for tests: counts what the model controllers asked the
// windows around them to redraw, and records the busy pointer.
#pragma once

#include <vector>

#include "model/model_views.h"

namespace slv::test {

class RecordingViews final : public ModelViews {
public:
    void refreshChartAndDrawing() override { ++drawings; }
    void rebuildModelResults() override { ++modelResults; }
    void refreshDataViews() override { ++dataViews; }
    void setBusy(bool on) override { busy.push_back(on); }

    int drawings = 0;
    int modelResults = 0;
    int dataViews = 0;
    std::vector<bool> busy;
};

}  // namespace slv::test
