#include "ui/parameters_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "chart_qt/ansi_text.h"
#include "document/option_names.h"
#include "platform/number_text.h"
#include "ui/applied_imfp_window.h"
#include "ui/polyhedron_dialog.h"
#include "ui/transmission_dialog.h"

namespace slv {

namespace {

constexpr int kPictureColumns = 4;
constexpr int kTimeLabel = 2;  // the labels with units follow: Time, Tilt, Temperature

template<typename Option, std::size_t N>
QStringList namesOf(std::string (*name)(Option), const Option (&options)[N])
{
    QStringList names;
    for (Option option : options)
        names << QString::fromStdString(name(option));
    return names;
}

std::string ansiText(const QString& text)
{
    return Utf8ToAnsi(text.toStdString());
}

/// A control at its natural width, with its unit after it when it has one.
QWidget* inRow(QWidget* control, QLabel* unit = nullptr)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(control);
    if (unit != nullptr)
        layout->addWidget(unit);
    layout->addStretch();
    return row;
}

QWidget* page(QLayout* layout)
{
    auto* tab = new QWidget;
    auto* outer = new QVBoxLayout(tab);
    outer->addLayout(layout);
    outer->addStretch();
    return tab;
}

}  // namespace

ParametersWindow::ParametersWindow(Session& session, WindowShell& shell, QWidget* parent,
                                   std::optional<ParameterReporting> reporting)
    : QDialog(parent),
      m_session(session),
      m_shell(shell),
      m_controller(session, shell),
      m_reporting(std::move(reporting))
{
    setWindowTitle(kParametersCaption);
    m_tabs = new QTabWidget;
    // Every tab's caption in view, none behind scroll arrows.
    m_tabs->setUsesScrollButtons(false);
    m_tabs->addTab(generalTab(), kParameterTabs[0]);
    m_tabs->addTab(crossSectionTab(), kParameterTabs[1]);
    m_tabs->addTab(imfpTab(), kParameterTabs[2]);
    m_tabs->addTab(angularTab(), kParameterTabs[3]);
    m_tabs->addTab(transmissionTab(), kParameterTabs[4]);
    m_tabs->addTab(contaminationTab(), kParameterTabs[5]);
    m_tabs->addTab(modelTab(), kParameterTabs[6]);
    m_tabs->addTab(labelsTab(), kParameterTabs[7]);

    auto* applyButton = new QPushButton("Apply");
    auto* cancelButton = new QPushButton("Cancel");
    auto* stayButton = new QPushButton("Apply && Stay");
    applyButton->setDefault(true);
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(ApplyAction::Close); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(stayButton, &QPushButton::clicked, this, [this] { apply(ApplyAction::Stay); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(applyButton);
    buttons->addWidget(cancelButton);
    buttons->addWidget(stayButton);
    if (m_reporting) {
        auto* printButton = new QPushButton("Print");
        connect(printButton, &QPushButton::clicked, this, [this] { print(); });
        buttons->addWidget(printButton);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);
    refresh();
}

void ParametersWindow::apply(ApplyAction action)
{
    const bool close = m_controller.apply(action);
    refresh();
    if (close)
        accept();
}

void ParametersWindow::print()
{
    m_controller.applyAndPrint(m_reporting->spooler);
    refresh();
}

void ParametersWindow::showTransmission()
{
    const ParameterForm& form = m_controller.form();
    const char decSep = m_session.environment().DecSep;
    TransmissionSettings settings{form.transmission, ParseSingle(form.transmissionExponent, decSep),
                                  form.transmissionFile, ParseSingle(form.energy, decSep)};
    ShowTransmissionFunction(m_session, settings, this);
    // The file may have been found elsewhere when it had moved.
    if (settings.filePath != form.transmissionFile) {
        m_controller.setTransmissionFile(settings.filePath);
        refresh();
    }
}

void ParametersWindow::editTransmissionFile()
{
    std::string path = m_controller.form().transmissionFile;
    TextEditorWindow::EditTransmissionFile(m_session, path, m_reporting->windowSettings, m_reporting->spooler,
                                           m_reporting->help, this);
    // The edit may have changed the file's kind, and the file may have moved.
    m_controller.setTransmissionFile(path);
    refresh();
}

void ParametersWindow::refresh()
{
    for (const auto& refresher : m_refreshers)
        refresher();
}

void ParametersWindow::follow(QWidget* widget, bool ParameterEnables::*enabled)
{
    if (enabled != nullptr)
        m_refreshers.push_back([this, widget, enabled] { widget->setEnabled(m_controller.enables().*enabled); });
}

QLineEdit* ParametersWindow::textBox(std::string ParameterForm::*field, bool ParameterEnables::*enabled)
{
    auto* box = new QLineEdit;
    connect(box, &QLineEdit::textEdited, this,
            [this, field](const QString& text) { m_controller.form().*field = ansiText(text); });
    m_refreshers.push_back([this, box, field] { box->setText(AnsiQString(m_controller.form().*field)); });
    follow(box, enabled);
    return box;
}

QLineEdit* ParametersWindow::shownText(std::function<std::string()> text)
{
    auto* box = new QLineEdit;
    box->setReadOnly(true);
    m_refreshers.push_back([box, text = std::move(text)] { box->setText(AnsiQString(text())); });
    return box;
}

QCheckBox* ParametersWindow::checkBox(const QString& caption, bool ParameterForm::*field,
                                      bool ParameterEnables::*enabled)
{
    auto* box = new QCheckBox(caption);
    connect(box, &QCheckBox::clicked, this, [this, field](bool on) {
        m_controller.form().*field = on;
        refresh();
    });
    m_refreshers.push_back([this, box, field] { box->setChecked(m_controller.form().*field); });
    follow(box, enabled);
    return box;
}

QComboBox* ParametersWindow::choice(const QStringList& items, std::function<int()> shown,
                                    std::function<void(int)> chosen, bool ParameterEnables::*enabled)
{
    auto* list = new QComboBox;
    list->addItems(items);
    connect(list, &QComboBox::activated, this, [this, chosen = std::move(chosen)](int index) {
        chosen(index);
        refresh();
    });
    m_refreshers.push_back([list, shown = std::move(shown)] { list->setCurrentIndex(shown()); });
    follow(list, enabled);
    return list;
}

template<typename Option>
QComboBox* ParametersWindow::optionList(const QStringList& items, Option ParameterForm::*field,
                                        bool ParameterEnables::*enabled)
{
    return choice(
        items, [this, field] { return static_cast<int>(m_controller.form().*field); },
        [this, field](int index) { m_controller.form().*field = static_cast<Option>(index); }, enabled);
}

QWidget* ParametersWindow::generalTab()
{
    auto* form = new QFormLayout;
    form->addRow("Title", textBox(&ParameterForm::title));
    const ExcitationSource sources[] = {ExcitationSource::MgKAlpha, ExcitationSource::AlKAlpha,
                                        ExcitationSource::Other};
    form->addRow("Excitation",
                 choice(
                     namesOf(SourceName, sources), [this] { return static_cast<int>(m_controller.form().source); },
                     [this](int index) { m_controller.chooseSource(static_cast<ExcitationSource>(index)); }));
    form->addRow("Energy", inRow(textBox(&ParameterForm::energy, &ParameterEnables::energy), new QLabel("eV")));
    form->addRow(checkBox("Enable library lookup", &ParameterForm::libraryLookup));
    form->addRow("Measurement unit", optionList<LengthUnit>({"nm", "\u00c5"}, &ParameterForm::lengthUnit));
    form->addRow(checkBox("Convert units", &ParameterForm::convertUnits));
    return page(form);
}

QWidget* ParametersWindow::crossSectionTab()
{
    auto* form = new QFormLayout;
    const CrossSectionSet sets[] = {CrossSectionSet::None, CrossSectionSet::Scofield, CrossSectionSet::Evans,
                                    CrossSectionSet::Wagner, CrossSectionSet::Nefedov};
    form->addRow("Type", optionList(namesOf(CrossSectionSetName, sets), &ParameterForm::crossSection));
    form->addRow("Data set", shownText([this] { return CrossSectionDataKind(m_controller.form().crossSection); }));
    const SplittingOption splittings[] = {SplittingOption::None, SplittingOption::Theoretical,
                                          SplittingOption::Nominal};
    form->addRow("Splitting", optionList(namesOf(SplittingOptionName, splittings), &ParameterForm::splitting,
                                         &ParameterEnables::splitting));
    const ScalingOption scalings[] = {ScalingOption::None, ScalingOption::ClosestLine, ScalingOption::AverageFactor};
    form->addRow("Scaling",
                 optionList(namesOf(ScalingOptionName, scalings), &ParameterForm::scaling, &ParameterEnables::scaling));
    return page(form);
}

QWidget* ParametersWindow::imfpTab()
{
    auto* form = new QFormLayout;
    const ImfpMethod methods[] = {ImfpMethod::None,      ImfpMethod::Explicit,   ImfpMethod::Exponential,
                                  ImfpMethod::SeahDench, ImfpMethod::Jablonski,  ImfpMethod::Tpp2m,
                                  ImfpMethod::Gries,     ImfpMethod::CumpsonSeah};
    form->addRow("Method",
                 choice(
                     namesOf(ImfpMethodName, methods),
                     [this] { return static_cast<int>(m_controller.form().shownImfpMethod()); },
                     [this](int index) { m_controller.form().chooseImfpMethod(static_cast<ImfpMethod>(index)); }));
    form->addRow("Exponent", textBox(&ParameterForm::imfpExponent, &ParameterEnables::imfpExponent));
    const MaterialClass classes[] = {MaterialClass::Element, MaterialClass::Inorganic, MaterialClass::Polymer};
    form->addRow("Material class",
                 choice(
                     namesOf(MaterialClassName, classes),
                     [this] { return static_cast<int>(m_controller.form().materialClass) - 1; },
                     [this](int index) { m_controller.form().materialClass = static_cast<MaterialClass>(index + 1); },
                     &ParameterEnables::materialClass));
    form->addRow("Density",
                 inRow(textBox(&ParameterForm::density, &ParameterEnables::density), new QLabel("g/cm\u00b3")));
    form->addRow("Mean atomic weight", textBox(&ParameterForm::meanAtWeight, &ParameterEnables::meanAtWeight));
    form->addRow(checkBox("Calculate mean atomic weight", &ParameterForm::autoMeanAtWeight,
                          &ParameterEnables::autoMeanAtWeight));
    form->addRow(
        checkBox("Use separate values", &ParameterForm::separateMatrixValues, &ParameterEnables::separateMatrixValues));
    auto* show = new QPushButton("Show");
    connect(show, &QPushButton::clicked, this, [this] {
        if (!m_controller.canShowAppliedImfp())
            return;
        AppliedImfpWindow applied(m_session, m_shell, this);
        applied.exec();
    });
    follow(show, &ParameterEnables::showAppliedImfp);
    form->addRow(inRow(show));
    return page(form);
}

QWidget* ParametersWindow::angularTab()
{
    auto* form = new QFormLayout;
    const AngularMethod methods[] = {AngularMethod::None, AngularMethod::Reilman, AngularMethod::ReilmanEbel};
    form->addRow("Method", optionList(namesOf(AngularMethodName, methods), &ParameterForm::angular));
    form->addRow("Excitation - analyser angle",
                 inRow(textBox(&ParameterForm::angle, &ParameterEnables::angle), new QLabel("\u00b0")));
    return page(form);
}

QWidget* ParametersWindow::transmissionTab()
{
    auto* form = new QFormLayout;
    const TransmissionType types[] = {TransmissionType::None, TransmissionType::Fat, TransmissionType::Frr,
                                      TransmissionType::Exponential, TransmissionType::File};
    form->addRow("Type",
                 choice(
                     namesOf(TransmissionTypeName, types),
                     [this] { return static_cast<int>(m_controller.form().transmission); },
                     [this](int index) { m_controller.chooseTransmission(static_cast<TransmissionType>(index)); }));
    form->addRow("Exponent", textBox(&ParameterForm::transmissionExponent, &ParameterEnables::transmissionExponent));

    QLineEdit* name = textBox(&ParameterForm::transmissionFile, &ParameterEnables::transmissionFile);
    connect(name, &QLineEdit::editingFinished, this, [this] {
        m_controller.setTransmissionFile(m_controller.form().transmissionFile);
        refresh();
    });
    auto* browse = new QPushButton("Browse...");
    connect(browse, &QPushButton::clicked, this, [this] {
        if (m_controller.browseTransmissionFile())
            refresh();
    });
    follow(browse, &ParameterEnables::transmissionFile);
    auto* file = new QWidget;
    auto* fileRow = new QHBoxLayout(file);
    fileRow->setContentsMargins(0, 0, 0, 0);
    fileRow->addWidget(name, 1);
    fileRow->addWidget(browse);
    form->addRow("File name", file);
    QLineEdit* kind = shownText([this] { return m_controller.form().transmissionFileType; });
    follow(kind, &ParameterEnables::transmissionFile);
    form->addRow("File type", kind);
    auto* show = new QPushButton("Show");
    connect(show, &QPushButton::clicked, this, [this] { showTransmission(); });
    follow(show, &ParameterEnables::showTransmission);
    auto* transmissionButtons = new QWidget;
    auto* buttonRow = new QHBoxLayout(transmissionButtons);
    buttonRow->setContentsMargins(0, 0, 0, 0);
    buttonRow->addWidget(show);
    if (m_reporting) {
        auto* edit = new QPushButton("Edit...");
        connect(edit, &QPushButton::clicked, this, [this] { editTransmissionFile(); });
        follow(edit, &ParameterEnables::editTransmissionFile);
        buttonRow->addWidget(edit);
    }
    buttonRow->addStretch();
    form->addRow(transmissionButtons);
    return page(form);
}

QWidget* ParametersWindow::contaminationTab()
{
    auto* form = new QFormLayout;
    const ContaminationMethod methods[] = {ContaminationMethod::None, ContaminationMethod::Evans,
                                           ContaminationMethod::Varn, ContaminationMethod::Explicit};
    form->addRow("Method",
                 choice(
                     namesOf(ContaminationMethodName, methods),
                     [this] { return static_cast<int>(m_controller.form().contamination); },
                     [this](int index) { m_controller.chooseContamination(static_cast<ContaminationMethod>(index)); }));
    form->addRow("Contamination factor",
                 textBox(&ParameterForm::contaminationFactor, &ParameterEnables::contaminationFactor));
    form->addRow(checkBox("Use separate values", &ParameterForm::separateContamination,
                          &ParameterEnables::separateContamination));
    return page(form);
}

QWidget* ParametersWindow::modelTab()
{
    auto* form = new QFormLayout;
    QStringList models;
    for (const char* name : kModelTypeNames)
        models << name;
    auto* polyhedron = new QPushButton("Edit...");
    connect(polyhedron, &QPushButton::clicked, this, [this] { EditPolyhedron(m_session, this); });
    follow(polyhedron, &ParameterEnables::editPolyhedron);
    auto* model = new QWidget;
    auto* modelRow = new QHBoxLayout(model);
    modelRow->setContentsMargins(0, 0, 0, 0);
    modelRow->addWidget(optionList(models, &ParameterForm::model));
    modelRow->addWidget(polyhedron);
    modelRow->addStretch();
    form->addRow("Model", model);
    const auto lengthUnit = [this] {
        auto* unit = new QLabel;
        m_refreshers.push_back(
            [this, unit] { unit->setText(QString::fromStdString(LengthCaption(m_controller.form().lengthUnit))); });
        return unit;
    };
    form->addRow("Sphere or Cylinder radius",
                 inRow(textBox(&ParameterForm::radius, &ParameterEnables::radius), lengthUnit()));
    form->addRow("Tube inner radius",
                 inRow(textBox(&ParameterForm::innerRadius, &ParameterEnables::innerRadius), lengthUnit()));
    QStringList repetitions;
    for (int n = 1; n <= kMaxMultilayers; ++n)
        repetitions << QString::number(n);
    form->addRow("Multilayers", choice(
                                    repetitions, [this] { return m_controller.form().multilayers - 1; },
                                    [this](int index) { m_controller.form().multilayers = index + 1; },
                                    &ParameterEnables::multilayers));
    form->addRow(checkBox("Islands", &ParameterForm::islands, &ParameterEnables::islands));
    form->addRow(checkBox("Fit coverage automatically", &ParameterForm::autoCoverage, &ParameterEnables::autoCoverage));
    form->addRow(
        checkBox("Angle dependent experiment set", &ParameterForm::angleResolved, &ParameterEnables::angleResolved));
    const MultilineApproach approaches[] = {MultilineApproach::None, MultilineApproach::Average,
                                            MultilineApproach::Ebel};
    form->addRow("Multiline approach",
                 optionList(namesOf(MultilineApproachName, approaches), &ParameterForm::multiline));
    form->addRow(
        checkBox("Single row of Spheres", &ParameterForm::singleRowOfSpheres, &ParameterEnables::singleRowOfSpheres));
    form->addRow(checkBox("Modified tube layer", &ParameterForm::modifiedTubeLayer, &ParameterEnables::tubeOptions));
    return page(form);
}

QWidget* ParametersWindow::labelsTab()
{
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Shown"), 0, 0);
    grid->addWidget(new QLabel("Chart axis"), 0, 1);
    const QStringList unitNames[kUnitLabels] = {{"s", "min", "h", "d"}, {"\u00b0", "rad"}, {"K", "\u00b0C", "\u00b0F"}};
    auto* axis = new QButtonGroup(this);
    for (int k = 0; k < kLabelsPerExperiment; ++k) {
        auto* shown = new QCheckBox(kLabelCaptions[k]);
        // The sequence number is always the row header.
        shown->setEnabled(k != 0);
        connect(shown, &QCheckBox::clicked, this, [this, k](bool on) { m_controller.form().labelShown[k] = on; });
        m_refreshers.push_back([this, shown, k] { shown->setChecked(m_controller.form().labelShown[k]); });
        grid->addWidget(shown, k + 1, 0);

        auto* onAxis = new QRadioButton;
        axis->addButton(onAxis, k);
        connect(onAxis, &QRadioButton::clicked, this, [this, k] { m_controller.form().axisLabel = k; });
        m_refreshers.push_back([this, onAxis, k] { onAxis->setChecked(m_controller.form().axisLabel == k); });
        grid->addWidget(onAxis, k + 1, 1, Qt::AlignHCenter);

        const int unit = k - kTimeLabel;
        if (unit >= 0 && unit < kUnitLabels)
            grid->addWidget(
                choice(
                    unitNames[unit], [this, unit] { return m_controller.form().units[unit]; },
                    [this, unit](int index) { m_controller.form().units[unit] = static_cast<Integer>(index); }),
                k + 1, 2);
        const int user = k - kFirstUserLabel;
        if (user >= 0) {
            auto* name = new QLineEdit;
            name->setMaxLength(LabelString().padded().size());
            connect(name, &QLineEdit::textEdited, this,
                    [this, user](const QString& text) { m_controller.form().userLabelNames[user] = ansiText(text); });
            m_refreshers.push_back(
                [this, name, user] { name->setText(AnsiQString(m_controller.form().userLabelNames[user])); });
            grid->addWidget(name, k + 1, 2);
        }
    }

    auto* depth = new QGroupBox("Depth");
    auto* depthForm = new QFormLayout(depth);
    depthForm->addRow(checkBox("Convert time to depth", &ParameterForm::timeToDepth));
    auto* rateUnit = new QLabel;
    m_refreshers.push_back([this, rateUnit] {
        rateUnit->setText(QString::fromStdString(SputterRateCaption(m_controller.form().lengthUnit)));
    });
    depthForm->addRow("Sputter rate", inRow(textBox(&ParameterForm::sputterRate), rateUnit));
    grid->addWidget(depth, kLabelsPerExperiment + 1, 0, 1, 3);
    return page(grid);
}

QImage ParametersWindow::pictureOfEveryTab()
{
    const int count = m_tabs->count();
    const QSize size = this->size();
    const int rows = (count + kPictureColumns - 1) / kPictureColumns;
    QImage picture(size.width() * kPictureColumns, size.height() * rows, QImage::Format_ARGB32);
    picture.fill(palette().window().color());
    QPainter painter(&picture);
    for (int tab = 0; tab < count; ++tab) {
        m_tabs->setCurrentIndex(tab);
        const QPoint at((tab % kPictureColumns) * size.width(), (tab / kPictureColumns) * size.height());
        painter.drawPixmap(at, grab());
    }
    m_tabs->setCurrentIndex(0);
    return picture;
}

}  // namespace slv
