#include "ui/polyhedron_dialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include "chart_qt/chart_view.h"
#include "chart_qt/painter_surface.h"
#include "report/facet_sketch.h"
#include "report/polyhedron_chart.h"

namespace slv {

namespace {
constexpr int kSketchSide = 150;
constexpr int kGraphWidth = 420;
constexpr int kGraphHeight = 260;
constexpr int kBoxWidth = 60;
}  // namespace

/// The sketch of a facet at the selected tilt.
class FacetPicture final : public QWidget {
public:
    FacetPicture() { setFixedSize(kSketchSide, kSketchSide); }
    void setTilt(int degrees)
    {
        m_tilt = degrees;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        PainterSurface surface(painter, QRectF(rect()));
        DrawFacetSketch(surface, m_tilt);
    }

private:
    int m_tilt = 0;
};

PolyhedronDialog::PolyhedronDialog(Session& session, QWidget* parent)
    : QDialog(parent),
      m_session(session),
      m_editor(session.doc().PolyPar, session.dialogs(), session.environment().DecSep)
{
    setWindowTitle(kPolyhedronEditorCaption);

    m_sketch = new FacetPicture;
    auto* figure = new QGroupBox;
    auto* figureLayout = new QVBoxLayout(figure);
    figureLayout->addWidget(m_sketch, 0, Qt::AlignHCenter);
    figureLayout->addWidget(new QLabel("Area"), 0, Qt::AlignHCenter);

    m_slider = new QSlider(Qt::Horizontal);
    m_slider->setRange(0, kTiltClasses - 1);
    m_slider->setPageStep(1);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setTickInterval(1);
    m_tilt = new QLineEdit;
    m_tilt->setReadOnly(true);
    m_tilt->setFixedWidth(kBoxWidth);
    m_area = new QLineEdit;
    m_area->setFixedWidth(kBoxWidth);
    m_area->installEventFilter(this);
    auto* up = new QToolButton;
    up->setArrowType(Qt::UpArrow);
    auto* down = new QToolButton;
    down->setArrowType(Qt::DownArrow);

    auto* tiltBox = new QGroupBox("Tilt angle of facets");
    auto* tiltLayout = new QGridLayout(tiltBox);
    tiltLayout->addWidget(m_slider, 0, 0, 1, 4);
    tiltLayout->addWidget(new QLabel("Tilt angle"), 1, 0);
    tiltLayout->addWidget(m_tilt, 1, 1);
    tiltLayout->addWidget(new QLabel(QString::fromUtf8("\u00b0")), 1, 2);
    tiltLayout->addWidget(new QLabel("Area"), 2, 0);
    auto* areaRow = new QHBoxLayout;
    areaRow->setSpacing(0);
    areaRow->addWidget(m_area);
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(up);
    arrows->addWidget(down);
    areaRow->addLayout(arrows);
    tiltLayout->addLayout(areaRow, 2, 1);
    tiltLayout->addWidget(new QLabel("%"), 2, 2);
    tiltLayout->setColumnStretch(3, 1);

    m_graph = new ChartView;
    m_graph->setMinimumSize(kGraphWidth, kGraphHeight);

    auto* normalize = new QPushButton("Normalize");
    auto* clear = new QPushButton("Clear");
    auto* ok = new QPushButton("OK");
    auto* cancel = new QPushButton("Cancel");
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(normalize);
    buttons->addWidget(clear);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* top = new QHBoxLayout;
    top->addWidget(figure);
    top->addWidget(tiltBox, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_graph, 1);
    layout->addLayout(buttons);

    connect(m_slider, &QSlider::valueChanged, this, [this](int position) { moveSlider(position); });
    connect(m_area, &QLineEdit::textEdited, this, [this](const QString& text) { areaEdited(text); });
    connect(up, &QToolButton::clicked, this, [this] { stepArea(1); });
    connect(down, &QToolButton::clicked, this, [this] { stepArea(-1); });
    connect(normalize, &QPushButton::clicked, this, [this] {
        m_editor.normalize();
        showAreas();
        m_area->setFocus();
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        m_editor.clear();
        showAreas();
    });
    connect(ok, &QPushButton::clicked, this, [this] { acceptAreas(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_tilt->setText(QString::fromStdString(m_editor.tiltText()));
    showAreas();
}

void PolyhedronDialog::moveSlider(int position)
{
    m_editor.moveSlider(position);
    m_tilt->setText(QString::fromStdString(m_editor.tiltText()));
    m_sketch->setTilt(TiltOfClass(m_editor.tiltClass()));
    m_area->setText(QString::fromStdString(m_editor.areaText()));
}

void PolyhedronDialog::areaEdited(const QString& text)
{
    if (!m_editor.changeAreaText(text.toStdString()))
        m_area->setText(QString::fromStdString(m_editor.areaText()));
    m_graph->setPlan(PolyhedronChart(m_editor.areas()));
}

void PolyhedronDialog::stepArea(int steps)
{
    m_editor.stepArea(steps);
    showAreas();
}

void PolyhedronDialog::showAreas()
{
    m_area->setText(QString::fromStdString(m_editor.areaText()));
    m_graph->setPlan(PolyhedronChart(m_editor.areas()));
}

void PolyhedronDialog::acceptAreas()
{
    if (m_editor.acceptInto(m_session))
        accept();
}

bool PolyhedronDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_area && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete) {
            m_editor.pressDelete();
            m_area->clear();
            m_graph->setPlan(PolyhedronChart(m_editor.areas()));
            return true;
        }
        const QString text = key->text();
        // Typed characters other than the area's own are refused; keys
        // without text (arrows, Home, Tab) move as usual.
        if (text.size() == 1 && text[0].unicode() >= ' ' && text[0].unicode() < 0x7F &&
            !PolyhedronEditor::acceptsKey(static_cast<char>(text[0].unicode())))
            return true;
        if (text.size() == 1 && text[0].unicode() >= 0x7F)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool EditPolyhedron(Session& session, QWidget* parent)
{
    PolyhedronDialog dialog(session, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace slv
