#include "ui/simulation_window.h"

#include <algorithm>

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "chart_qt/ansi_text.h"
#include "ui/grid_view.h"

namespace slv {

namespace {
/// Room for a model name such as "Islands-on-Polyhedron" beside its caption, pixels.
constexpr int kLeastSimulationWidth = 420;
}  // namespace

SimulationWindow::SimulationWindow(Session& session, QWidget* parent)
    : QDialog(parent),
      m_simulation(std::make_unique<Simulation>(session)),
      m_entry(std::make_unique<SimulationEntry>(*m_simulation, session))
{
    setWindowTitle(kSimulationCaption);
    setObjectName(kSimulationCaption);
    setModal(true);

    m_name = new QLineEdit;
    m_name->setPlaceholderText(kSimulatedName);
    m_state = new QLineEdit;
    m_state->setReadOnly(true);
    m_state->setFocusPolicy(Qt::NoFocus);
    m_model = new QLineEdit(AnsiQString(m_simulation->ModelText()));
    m_model->setReadOnly(true);
    m_model->setFocusPolicy(Qt::NoFocus);
    m_experiment = new QSpinBox;
    m_experiment->setRange(1, m_simulation->LastExperiment());
    m_experiment->setValue(m_simulation->Experiment());

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel("Name"), 0, 0);
    fields->addWidget(m_name, 0, 1);
    fields->addWidget(m_state, 0, 2);
    fields->addWidget(new QLabel("Model"), 1, 0);
    fields->addWidget(m_model, 1, 1, 1, 2);
    fields->addWidget(new QLabel("Experiment"), 2, 0);
    fields->addWidget(m_experiment, 2, 1, Qt::AlignLeft);
    fields->setColumnStretch(1, 1);

    GridHandlers handlers;
    handlers.keyDown = [this](GridKey key) { m_entry->KeyDown(key); };
    handlers.keyPress = [this](char ch) { m_entry->KeyPress(ch); };
    handlers.moveTo = [this](int row, int col) { m_entry->MoveTo(row, col); };
    m_view = new GridView(m_simulation->Grid(), std::move(handlers));
    // The first thickness is where the analyst starts typing.
    m_simulation->Grid().SetRow(1);
    m_simulation->Grid().SetCol(kSimColThickness);

    m_calculate = new QPushButton("Calculate");
    m_close = new QPushButton("Close");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    // Enter works out a typed thickness in the grid; it presses no button.
    for (QPushButton* button : {m_calculate, m_close}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);

    connect(m_name, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_simulation->SetName(Utf8ToAnsi(text.toStdString())); });
    connect(m_experiment, &QSpinBox::valueChanged, this, [this](int experiment) {
        m_simulation->ChangeExperiment(experiment);
        showExperiment();
    });
    connect(m_calculate, &QPushButton::clicked, this, [this] { calculate(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    showExperiment();
    const QSize grid = m_view->sizeHint();
    resize(std::max({grid.width() + 2 * layout->contentsMargins().left(), sizeHint().width(), kLeastSimulationWidth}),
           sizeHint().height());
    m_view->setFocus();
}

SimulationWindow::~SimulationWindow()
{
    // The view goes before the simulation whose grid it shows.
    delete m_view;
    m_view = nullptr;
}

void SimulationWindow::showExperiment()
{
    m_name->setText(AnsiQString(m_simulation->Name()));
    m_state->setText(QString::fromStdString(m_simulation->State()));
}

void SimulationWindow::calculate()
{
    if (!m_entry->Commit())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool calculated = m_simulation->Calculate();
    QApplication::restoreOverrideCursor();
    if (!calculated)
        return;
    // An appended experiment makes room for the next one.
    m_experiment->setMaximum(m_simulation->LastExperiment());
    m_name->setText(AnsiQString(m_simulation->Name().empty() ? std::string(kSimulatedName) : m_simulation->Name()));
    m_state->setText(QString::fromStdString(m_simulation->State()));
}

void SimulationWindow::reject()
{
    m_simulation->Close();
    QDialog::reject();
}

}  // namespace slv
