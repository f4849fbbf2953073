// What the model controllers ask of the windows around them: the layer
// calculation and the simulation change thicknesses and intensities that the
// chart, the model drawing, the model results window and the data windows
// show. A front end redraws what it has open; the command line has nothing
// to redraw and uses the base class as it is.
#pragma once

namespace slv {

class ModelViews {
public:
    virtual ~ModelViews() = default;
    /// Redraws the chart and the model layout drawing when they are open.
    virtual void refreshChartAndDrawing() {}
    /// Rebuilds the "Layer Thickness" window from the stored results.
    virtual void rebuildModelResults() {}
    /// Refills the intensity and results windows after new intensities.
    virtual void refreshDataViews() {}
    /// Shows the busy pointer while Autofit runs, and restores it.
    virtual void setBusy(bool /*busy*/) {}
};

}  // namespace slv
