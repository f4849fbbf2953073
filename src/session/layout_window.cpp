#include "session/layout_window.h"

#include "session/current_charts.h"

namespace slv {

namespace {

/// Changes that leave the drawing as it is.
constexpr ChangeSet kNotDrawn{Change::Title, Change::DirtyFlag, Change::FileName};

}  // namespace

LayoutWindow::LayoutWindow(Session& session) : m_session(session), m_subscription(session.subscribe(*this))
{
    redraw();
}

void LayoutWindow::setColour(bool colour)
{
    m_state.colour = colour;
    tell();
}

void LayoutWindow::setLegend(bool legend)
{
    m_state.legend = legend;
    tell();
}

void LayoutWindow::redraw()
{
    m_redrawing = true;
    LayoutState state = CurrentLayoutState(m_session, m_session.model().ModelExperiment);
    state.colour = m_state.colour;
    state.legend = m_state.legend;
    m_state = state;
    m_redrawing = false;
    tell();
}

void LayoutWindow::tell() const
{
    if (m_redrawn)
        m_redrawn();
}

void LayoutWindow::sessionChanged(ChangeSet changes)
{
    if (m_redrawing)
        return;
    for (Change change : changes.changes())
        if (!kNotDrawn.has(change)) {
            redraw();
            return;
        }
}

}  // namespace slv
