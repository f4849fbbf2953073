// The "Model Layout" window without its widgets: the state the drawing is
// made from (the experiment of the model calculation, its thicknesses and
// coverage, the Colours and Legend switches) and the window's caption,
// loaded anew whenever the session changes the model, its results or what
// they are computed from.
#pragma once

#include <functional>
#include <string>

#include "report/model_layout.h"
#include "session/session.h"

namespace slv {

class LayoutWindow final : private SessionObserver {
public:
    explicit LayoutWindow(Session& session);

    const Document& doc() const { return m_session.doc(); }
    const LayoutState& state() const { return m_state; }
    /// "Model Layout - 2" for the second experiment of a layer model, else "Model Layout".
    std::string caption() const { return LayoutCaption(m_session.doc(), m_state.experiment); }

    /// "Colours" and "Legend": the switch set, the drawing made again.
    void setColour(bool colour);
    void setLegend(bool legend);

    /// Loads the state anew from the session and tells the view.
    void redraw();
    /// Called after every change of what is drawn.
    void onRedrawn(std::function<void()> redrawn) { m_redrawn = std::move(redrawn); }

private:
    void sessionChanged(ChangeSet changes) override;
    void tell() const;

    Session& m_session;
    LayoutState m_state;
    bool m_redrawing = false;
    std::function<void()> m_redrawn;
    Session::Subscription m_subscription;
};

}  // namespace slv
