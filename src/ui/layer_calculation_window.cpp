#include "ui/layer_calculation_window.h"

#include <algorithm>

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>

#include "chart_qt/chart_view.h"
#include "report/intensity_chart.h"
#include "ui/grid_view.h"

namespace slv {

namespace {
/// The bar chart needs this much room for its element labels, axis numbers and legend, pixels.
constexpr int kLeastChartWidth = 560;
constexpr int kLeastCalculationHeight = 520;

/// A header whose columns first..last carry one caption across them: the
/// calculated relative intensity of the current and the two previous
/// calculations.
class SpanningHeader final : public QHeaderView {
public:
    SpanningHeader(int first, int last, QWidget* parent)
        : QHeaderView(Qt::Horizontal, parent),
          m_first(first),
          m_last(last)
    {
        setSectionsClickable(true);
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override
    {
        if (logicalIndex < m_first || logicalIndex > m_last) {
            QHeaderView::paintSection(painter, rect, logicalIndex);
            return;
        }
        // Each section paints its share of the one spanning section.
        QRect span = rect;
        span.setLeft(sectionViewportPosition(m_first));
        span.setRight(sectionViewportPosition(m_last) + sectionSize(m_last) - 1);
        painter->save();
        painter->setClipRect(rect);
        QHeaderView::paintSection(painter, span, m_first);
        painter->restore();
    }

private:
    int m_first;
    int m_last;
};

QString fitReport(const AutofitRun& run)
{
    if (!run.started)
        return "Autofit did not start.";
    const FitSummary& s = run.summary;
    return QString("Autofit: %1; %2 model evaluations; Q sum %3 \u2192 %4")
        .arg(QString::fromUtf8(TerminationMeaning(s.termination).data(),
                               static_cast<qsizetype>(TerminationMeaning(s.termination).size())))
        .arg(s.functionEvaluations)
        .arg(s.initialQSum, 0, 'g', 4)
        .arg(s.finalQSum, 0, 'g', 4);
}
}  // namespace

LayerCalculationWindow::LayerCalculationWindow(Session& session, QWidget* parent)
    : QDialog(parent),
      m_session(session),
      m_calculation(std::make_unique<LayerCalculation>(session)),
      m_entry(std::make_unique<LayerCalculationEntry>(*m_calculation, session))
{
    setWindowTitle(kLayerCalculationCaption);
    setObjectName(kLayerCalculationCaption);

    auto* chooser = new QHBoxLayout;
    chooser->addWidget(new QLabel("Experiment:"));
    m_experiment = new QSpinBox;
    m_experiment->setRange(1, std::max<int>(1, session.doc().ExpCount));
    m_experiment->setValue(m_calculation->Experiment());
    chooser->addWidget(m_experiment);
    chooser->addStretch();

    GridHandlers handlers;
    handlers.keyDown = [this](GridKey key) { m_entry->KeyDown(key); };
    handlers.keyPress = [this](char ch) { m_entry->KeyPress(ch); };
    handlers.moveTo = [this](int row, int col) { m_entry->MoveTo(row, col); };
    handlers.headerClicked = [this](int row, int col) {
        if (col == 0) {
            m_calculation->ClickRowHeader(row);
            refresh();
        }
    };
    m_view = new GridView(m_calculation->Grid(), std::move(handlers));
    const GridModel& columns = m_view->gridModel();
    m_view->setHorizontalHeader(
        new SpanningHeader(columns.modelCol(kCalcColCurrent), columns.modelCol(kCalcColBefore), m_view));
    m_view->applyColumnWidths();
    m_chart = new ChartView;
    m_chart->setMinimumWidth(kLeastChartWidth);
    auto* split = new QSplitter;
    split->addWidget(m_view);
    split->addWidget(m_chart);
    split->setChildrenCollapsible(false);
    // The grid keeps the width of its whole table; the chart takes what the window gains.
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);

    m_status = new QLabel;
    m_status->setWordWrap(true);
    m_ok = new QPushButton("OK");
    auto* cancel = new QPushButton("Cancel");
    m_estimate = new QPushButton("Estimate");
    m_autofit = new QPushButton("Autofit");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_status, 1);
    // Enter commits a typed thickness in the grid; it presses no button.
    for (QPushButton* button : {m_ok, cancel, m_estimate, m_autofit}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(chooser);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);

    connect(m_experiment, &QSpinBox::valueChanged, this, [this](int experiment) {
        m_entry->Commit();
        m_calculation->ChangeExperiment(experiment);
        refresh();
    });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_estimate, &QPushButton::clicked, this, [this] { estimate(); });
    connect(m_autofit, &QPushButton::clicked, this, [this] { autofit(); });
    const QSize table = m_view->sizeHint();
    split->setSizes({table.width(), kLeastChartWidth});
    const QSize least = sizeHint();
    resize(std::max(least.width(), table.width() + kLeastChartWidth + split->handleWidth() +
                                       layout->contentsMargins().left() + layout->contentsMargins().right()),
           std::max(least.height(), kLeastCalculationHeight));
    refresh();
}

LayerCalculationWindow::~LayerCalculationWindow()
{
    // The view goes before the calculation whose grid it shows.
    delete m_view;
    m_view = nullptr;
}

void LayerCalculationWindow::refresh()
{
    const bool enabled = m_calculation->AutofitEnabled();
    m_autofit->setEnabled(enabled);
    m_estimate->setEnabled(enabled);
    m_chart->setPlan(
        IntensityChart(m_session.doc(), m_session.results(), m_session.model().History, m_calculation->Experiment()));
}

void LayerCalculationWindow::autofit()
{
    m_entry->Commit();
    m_status->setText("Autofit running\u2026");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::processEvents();
    const AutofitRun run = m_calculation->Autofit();
    QApplication::restoreOverrideCursor();
    m_status->setText(fitReport(run));
    refresh();
}

void LayerCalculationWindow::estimate()
{
    m_entry->Commit();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const EstimateRun run = m_calculation->Estimate();
    QApplication::restoreOverrideCursor();
    m_status->setText(
        run.found
            ? QString("Estimate: Q sum %1 after %2 model evaluations").arg(run.qSum, 0, 'g', 4).arg(run.evaluations)
            : QString("Estimate found no start."));
    refresh();
}

void LayerCalculationWindow::accept()
{
    m_entry->Commit();
    m_calculation->Accept();
    leave(QDialog::Accepted);
}

void LayerCalculationWindow::reject()
{
    m_calculation->Cancel();
    leave(QDialog::Rejected);
}

void LayerCalculationWindow::leave(int result)
{
    QDialog::done(result);
    if (testAttribute(Qt::WA_DeleteOnClose))
        deleteLater();
}

LayerCalculationWindow& ShowLayerCalculation(Session& session, QWidget* parent)
{
    auto* window = parent->findChild<LayerCalculationWindow*>(kLayerCalculationCaption, Qt::FindDirectChildrenOnly);
    if (window == nullptr) {
        window = new LayerCalculationWindow(session, parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return *window;
}

}  // namespace slv
