// The "Polyhedron Editor" dialog over the PolyhedronEditor controller: the
// tilt slider with its angle, a sketch of a facet at that tilt, the area box
// with its up/down control, the bar graph of the nine shares, and the
// buttons Normalize, Clear, OK and Cancel. The Parameters dialog opens it
// with EditPolyhedron.
#pragma once

#include <QDialog>

#include "session/polyhedron_editor.h"
#include "session/session.h"

class QLineEdit;
class QSlider;

namespace slv {

class ChartView;
class FacetPicture;

class PolyhedronDialog final : public QDialog {
public:
    PolyhedronDialog(Session& session, QWidget* parent = nullptr);

    PolyhedronEditor& editor() { return m_editor; }
    QSlider& slider() const { return *m_slider; }
    QLineEdit& areaBox() const { return *m_area; }
    const ChartView& graph() const { return *m_graph; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveSlider(int position);
    void areaEdited(const QString& text);
    void stepArea(int steps);
    void showAreas();
    void acceptAreas();

    Session& m_session;
    PolyhedronEditor m_editor;
    QSlider* m_slider = nullptr;
    QLineEdit* m_tilt = nullptr;
    QLineEdit* m_area = nullptr;
    FacetPicture* m_sketch = nullptr;
    ChartView* m_graph = nullptr;
};

/// Opens the editor modally on the session's polyhedron factors; true when
/// the analyst accepted and the factors were stored.
bool EditPolyhedron(Session& session, QWidget* parent);

}  // namespace slv
