#include "ui/child_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include "document/option_names.h"
#include "quant/results_table.h"
#include "session/element_grid.h"
#include "session/imfp_grid.h"
#include "session/intensity_grid.h"
#include "session/layer_thickness_view.h"
#include "session/model_grid.h"
#include "session/model_imfp_grid.h"
#include "session/results_view.h"
#include "ui/chart_pane.h"
#include "ui/layer_calculation_window.h"
#include "ui/layout_pane.h"

namespace slv {

namespace {

constexpr double kLargestNumber = 1e6;

/// The keys and clicks of a data grid go to its controller.
template<typename Controller>
GridHandlers editingHandlers(Controller& controller)
{
    GridHandlers handlers;
    handlers.keyDown = [&controller](GridKey key) { controller.keyDown(key); };
    handlers.keyPress = [&controller](char ch) { controller.keyPress(ch); };
    handlers.moveTo = [&controller](int row, int col) { controller.moveTo(row, col); };
    return handlers;
}

/// A double click on a material class cell offers the class words at the mouse.
std::function<void()> classWords(MaterialGrid& controller)
{
    return [&controller] {
        if (!controller.classCellCurrent())
            return;
        QMenu words;
        for (MaterialClass materialClass : kMaterialClasses)
            words.addAction(QString::fromStdString(MaterialClassName(materialClass)))->setData(CodeOf(materialClass));
        if (QAction* chosen = words.exec(QCursor::pos()))
            controller.chooseClass(static_cast<MaterialClass>(chosen->data().toInt()));
    };
}

/// The result type, merge and "Number" controls of the Composition window.
QWidget* resultControls(ResultsView& results)
{
    auto* bar = new QWidget;
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(4, 4, 4, 0);
    auto* type = new QComboBox;
    for (int t = 0; t < kResultTypeCount; ++t)
        type->addItem(QString::fromStdString(ResultTypeName(t)));
    type->setCurrentIndex(results.resultType());
    auto* merge = new QCheckBox("Merge chemical states");
    merge->setChecked(results.mergeChecked());
    merge->setEnabled(results.mergeEnabled());
    auto* number = new QDoubleSpinBox;
    number->setRange(0.0, kLargestNumber);
    number->setDecimals(2);
    number->setValue(1.0);
    layout->addWidget(type);
    layout->addWidget(merge);
    layout->addStretch();
    layout->addWidget(new QLabel("Number"));
    layout->addWidget(number);
    QObject::connect(type, &QComboBox::currentIndexChanged, bar, [&results, merge](int index) {
        results.chooseResultType(index);
        merge->setChecked(results.mergeChecked());
        merge->setEnabled(results.mergeEnabled());
    });
    QObject::connect(merge, &QCheckBox::toggled, bar, [&results](bool on) { results.setMergeStates(on); });
    QObject::connect(number, &QDoubleSpinBox::valueChanged, bar,
                     [&results](double value) { results.setNumber(static_cast<float>(value)); });
    return bar;
}

}  // namespace

QString CaptionOf(WindowId window)
{
    return QString::fromStdString(WindowCaption(window));
}

ChildWindow::ChildWindow(WindowId id, std::unique_ptr<GridWindow> controller, QWidget* parent)
    : QMdiSubWindow(parent),
      m_id(id),
      m_controller(std::move(controller))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(CaptionOf(id));
}

ChildWindow::~ChildWindow()
{
    // The view goes before the controller whose grid it shows.
    delete widget();
}

ChildWindow* ChildWindow::create(WindowId window, Session& session, QWidget* parent)
{
    if (window == WindowId::Chart || window == WindowId::ModelLayout) {
        auto* child = new ChildWindow(window, nullptr, parent);
        if (window == WindowId::Chart) {
            child->m_picture = new ChartPane(session);
        } else {
            auto* layout = new LayoutPane(session);
            layout->onCaption([child](const QString& caption) { child->setWindowTitle(caption); });
            child->m_picture = layout;
        }
        child->setWidget(child->m_picture);
        return child;
    }
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    ChildWindow* child = nullptr;
    switch (window) {
    case WindowId::Elements: {
        auto elements = std::make_unique<ElementGrid>(session);
        GridHandlers handlers = editingHandlers(*elements);
        ElementGrid& controller = *elements;
        handlers.doubleClick = [&controller] { controller.doubleClick(); };
        child = new ChildWindow(window, std::move(elements), parent);
        child->m_view = new GridView(controller.grid(), std::move(handlers));
        break;
    }
    case WindowId::Intensity: {
        auto intensity = std::make_unique<IntensityGrid>(session);
        GridHandlers handlers = editingHandlers(*intensity);
        IntensityGrid& controller = *intensity;
        child = new ChildWindow(window, std::move(intensity), parent);
        child->m_view = new GridView(controller.grid(), std::move(handlers));
        break;
    }
    case WindowId::Imfps:
    case WindowId::ModelImfps: {
        std::unique_ptr<MaterialGrid> imfps;
        if (window == WindowId::Imfps)
            imfps = std::make_unique<ImfpGrid>(session);
        else
            imfps = std::make_unique<ModelImfpGrid>(session);
        GridHandlers handlers = editingHandlers(*imfps);
        handlers.doubleClick = classWords(*imfps);
        MaterialGrid& controller = *imfps;
        child = new ChildWindow(window, std::move(imfps), parent);
        child->m_view = new GridView(controller.grid(), std::move(handlers));
        break;
    }
    case WindowId::Model: {
        auto model = std::make_unique<ModelGrid>(session);
        GridHandlers handlers = editingHandlers(*model);
        ModelGrid& controller = *model;
        handlers.doubleClick = [&controller] { controller.doubleClick(); };
        child = new ChildWindow(window, std::move(model), parent);
        child->m_view = new GridView(controller.grid(), std::move(handlers));
        break;
    }
    case WindowId::Results: {
        auto results = std::make_unique<ResultsView>(session);
        ResultsView& controller = *results;
        GridHandlers handlers;
        handlers.headerClicked = [&controller](int row, int col) { controller.clickHeader(row, col); };
        child = new ChildWindow(window, std::move(results), parent);
        layout->addWidget(resultControls(controller));
        child->m_view = new GridView(controller.grid(), std::move(handlers));
        break;
    }
    case WindowId::ModelResults: {
        auto thickness = std::make_unique<LayerThicknessView>(session);
        LayerThicknessView& controller = *thickness;
        GridHandlers handlers;
        handlers.moveTo = [&controller](int row, int col) {
            controller.grid().SetRow(row);
            controller.grid().SetCol(col);
            controller.clickRow(row);
        };
        handlers.headerClicked = [&controller](int row, int) { controller.clickRow(row); };
        const auto openCalculation = [&controller, &session, parent](int row, int col) {
            if (controller.doubleClick(row, col) > 0)
                ShowLayerCalculation(session, parent);
        };
        handlers.doubleClick = [&controller, openCalculation] {
            openCalculation(controller.grid().Row(), controller.grid().Col());
        };
        child = new ChildWindow(window, std::move(thickness), parent);
        child->m_view = new GridView(controller.grid(), std::move(handlers));
        // The experiment's number heads its row.
        QObject::connect(
            child->m_view->verticalHeader(), &QHeaderView::sectionDoubleClicked, child,
            [child, openCalculation](int section) { openCalculation(child->m_view->gridModel().gridRow(section), 0); });
        break;
    }
    default: delete content; return nullptr;
    }
    child->m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(child->m_view);
    child->setWidget(content);
    return child;
}

void ChildWindow::closeEvent(QCloseEvent* event)
{
    // A grid window closed with the document it shows may keep itself open;
    // a picture window has no data of its own to keep.
    if (m_closing && m_controller && !m_controller->mayClose()) {
        event->ignore();
        return;
    }
    if (m_closing)
        m_closing();
    QMdiSubWindow::closeEvent(event);
}

}  // namespace slv
