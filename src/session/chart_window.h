// The "Chart" window without its widgets: the chart of the current results
// (a line chart over the experiments, a pie of a single one, or the layer
// thicknesses of a structure model), rebuilt whenever the session changes
// what it plots, in colour or in black and white. On screen the chart has
// no title; copied or printed it carries the data set's title.
#pragma once

#include <functional>

#include "report/chart_plan.h"
#include "session/session.h"

namespace slv {

inline constexpr const char* kChartCaption = "Chart";

class ChartWindow final : private SessionObserver {
public:
    explicit ChartWindow(Session& session);

    /// What the window draws now.
    const ChartPlan& plan() const { return m_plan; }
    /// The chart as Copy Chart and Print Current give it: headed by the data set's title.
    ChartPlan titledPlan() const;

    bool colour() const { return m_colour; }
    /// "Colours": colour rendering on or off, the chart drawn again.
    void setColour(bool colour);

    /// Builds the chart anew from the session and tells the view.
    void redraw();
    /// Called after every redraw, so that the view shows the new chart.
    void onRedrawn(std::function<void()> redrawn) { m_redrawn = std::move(redrawn); }

private:
    void sessionChanged(ChangeSet changes) override;

    Session& m_session;
    ChartPlan m_plan;
    bool m_colour = true;
    bool m_redrawing = false;
    std::function<void()> m_redrawn;
    Session::Subscription m_subscription;
};

}  // namespace slv
