#include "session/chart_window.h"

#include "session/current_charts.h"
#include "session/results_view.h"

namespace slv {

namespace {

/// Changes that leave the chart on screen as it is: the title heads only
/// a copied or printed chart.
constexpr ChangeSet kNotPlotted{Change::Title, Change::DirtyFlag, Change::FileName};

}  // namespace

ChartWindow::ChartWindow(Session& session) : m_session(session), m_subscription(session.subscribe(*this))
{
    redraw();
}

ChartPlan ChartWindow::titledPlan() const
{
    ChartPlan titled = m_plan;
    titled.title = m_session.doc().title();
    return titled;
}

void ChartWindow::setColour(bool colour)
{
    m_colour = colour;
    m_plan.colour = colour;
    if (m_redrawn)
        m_redrawn();
}

void ChartWindow::redraw()
{
    m_redrawing = true;
    const Document& doc = m_session.doc();
    ChartPlan plan;
    if (doc.ElemCount > 0 && doc.ExpCount > 0)
        plan = CurrentResultsChart(m_session, doc.modelMode() ? ResultsTable{} : PreviewComposition(m_session));
    plan.colour = m_colour;
    m_plan = std::move(plan);
    m_redrawing = false;
    if (m_redrawn)
        m_redrawn();
}

void ChartWindow::sessionChanged(ChangeSet changes)
{
    if (m_redrawing)
        return;
    for (Change change : changes.changes())
        if (!kNotPlotted.has(change)) {
            redraw();
            return;
        }
}

}  // namespace slv
