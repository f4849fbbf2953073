#include "session/parameters_dialog.h"

#include <filesystem>

#include "model/model_check.h"
#include "platform/fixed_text.h"
#include "platform/number_text.h"
#include "report/report_options.h"
#include "session/report_spooler.h"

namespace slv {

namespace {

constexpr float kMaxImfpExponent = 2.0f;
constexpr float kFullCircleDegrees = 360.0f;
constexpr float kMaxTransmissionExponent = 12.0f;
constexpr float kRepairedTransmissionExponent = 1.0f;
constexpr float kAngstromPerNanometre = 10.0f;

/// Everything of the document the dialog writes: what an Apply replaces.
struct ParameterRecord {
    std::array<std::string, kParTextCount> parText;
    std::array<float, kParNumberCount> parNumber{};
    std::array<Integer, kParIndexCount> parIndex{};
    std::array<Integer, kParLibraryCount> parLibrary{};
    float excEnergy = 0.0f;
    Integer matrixClass = 0;
    float atWeight = 0.0f;
    float density = 0.0f;
    float contamination = 0.0f;
    std::array<Integer, kLabelsPerExperiment> labelSelect{};
    std::array<Integer, kUnitLabels> unitIndex{};
    std::array<UnitTextField, 4> unitText{};
    std::array<LabelString, kUserLabels> userLabelNames{};
    Integer axisIndex = 0;
    Integer depthScale = 0;
    float sampleRadius = 0.0f;
    float innerRadius = 0.0f;
    Integer lenUnit = 0;
    Integer multiLayers = 1;
    Integer islandMode = 0;
    bool autoCov = false;
    bool arxps = false;
    // The lengths a change of unit converts.
    ExpRowTable<float> imfpValues{};
    LayerRowTable<float> layerImfps{};
    std::array<std::array<float, kMaxLayers + 1>, kMaxExperiments + 1> thicknesses{};

    static ParameterRecord of(const Document& doc)
    {
        ParameterRecord r;
        r.parText = doc.ParText;
        r.parNumber = doc.ParNumber;
        r.parIndex = doc.ParIndex;
        r.parLibrary = doc.ParLibrary;
        r.excEnergy = doc.ExcEnergy;
        r.matrixClass = doc.ExpMatClass[1];
        r.atWeight = doc.ExpAtWeight[1];
        r.density = doc.ExpDensity[1];
        r.contamination = doc.ExpContam[1];
        r.labelSelect = doc.LabelSelect;
        r.unitIndex = doc.UnitIndex;
        r.unitText = doc.UnitText;
        for (int k = 0; k < kUserLabels; ++k)
            r.userLabelNames[k] = doc.LabelName[kFirstUserLabel + k];
        r.axisIndex = doc.AxisIndex;
        r.depthScale = doc.DepthScale;
        r.sampleRadius = doc.SampleRadius;
        r.innerRadius = doc.InnerRadius;
        r.lenUnit = doc.LenUnitA;
        r.multiLayers = doc.MultiLayers;
        r.islandMode = doc.IslandMode;
        r.autoCov = doc.AutoCov;
        r.arxps = doc.ARXPS;
        r.imfpValues = doc.IMFPval;
        r.layerImfps = doc.LayerIMFP;
        r.thicknesses = doc.ThickRes;
        return r;
    }

    void storeInto(Document& doc) const
    {
        doc.ParText = parText;
        doc.ParNumber = parNumber;
        doc.ParIndex = parIndex;
        doc.ParLibrary = parLibrary;
        doc.ExcEnergy = excEnergy;
        doc.ExpMatClass[1] = matrixClass;
        doc.ExpAtWeight[1] = atWeight;
        doc.ExpDensity[1] = density;
        doc.ExpContam[1] = contamination;
        doc.LabelSelect = labelSelect;
        doc.UnitIndex = unitIndex;
        doc.UnitText = unitText;
        for (int k = 0; k < kUserLabels; ++k)
            doc.LabelName[kFirstUserLabel + k] = userLabelNames[k];
        doc.AxisIndex = axisIndex;
        doc.DepthScale = depthScale;
        doc.SampleRadius = sampleRadius;
        doc.InnerRadius = innerRadius;
        doc.LenUnitA = lenUnit;
        doc.MultiLayers = multiLayers;
        doc.IslandMode = islandMode;
        doc.AutoCov = autoCov;
        doc.ARXPS = arxps;
        doc.IMFPval = imfpValues;
        doc.LayerIMFP = layerImfps;
        doc.ThickRes = thicknesses;
    }

    friend bool operator==(const ParameterRecord&, const ParameterRecord&) = default;
};

/// Reads the number boxes: a box still showing what was loaded keeps the
/// stored value, so that an Apply does not round what the analyst did not touch.
class NumberBoxes {
public:
    explicit NumberBoxes(char decSep) : m_decSep(decSep) {}

    float read(const std::string& text, const std::string& shown, float stored) const
    {
        return text == shown ? stored : ParseSingle(text, m_decSep);
    }
    /// A blank box of a value that may be missing gives the empty value.
    float readOptional(const std::string& text, const std::string& shown, float stored) const
    {
        if (text == shown)
            return stored;
        return trimmed(text).empty() ? kEmptyValue : ParseSingle(text, m_decSep);
    }

private:
    char m_decSep;
};

void readForm(Document& doc, const ParameterForm& form, const ParameterForm& shown, char decSep)
{
    const NumberBoxes boxes(decSep);
    const Document old = doc;

    doc.setTitle(form.title);
    doc.transmissionFile() = form.transmissionFile;
    doc.setImfpExponent(boxes.read(form.imfpExponent, shown.imfpExponent, old.imfpExponent()));
    doc.setSputterRate(boxes.read(form.sputterRate, shown.sputterRate, old.sputterRate()));
    doc.DepthScale = form.timeToDepth ? 1 : 0;
    doc.ExpDensity[1] = boxes.readOptional(form.density, shown.density, old.ExpDensity[1]);
    doc.ExpAtWeight[1] = boxes.readOptional(form.meanAtWeight, shown.meanAtWeight, old.ExpAtWeight[1]);
    doc.setSourceAnalyserAngle(boxes.read(form.angle, shown.angle, old.sourceAnalyserAngle()));
    doc.setTransmissionExponent(
        boxes.read(form.transmissionExponent, shown.transmissionExponent, old.transmissionExponent()));
    doc.setModelType(form.model);
    doc.setSource(form.source);
    doc.setCrossSectionSet(form.crossSection);
    if (form.source == ExcitationSource::Other)
        doc.setOtherSourceEnergy(
            boxes.read(form.energy, EnergyText(old, ExcitationSource::Other, decSep), old.otherSourceEnergy()));
    doc.setHomogeneousImfpMethod(form.homogeneousImfp);
    doc.setModelImfpMethod(form.modelImfp);
    if (form.materialClass != shown.materialClass)
        doc.setMatrixClass(1, form.materialClass);
    doc.setSeparateContamination(form.separateContamination);
    doc.setContaminationMethod(form.contamination);
    doc.setAngularMethod(form.angular);
    doc.setTransmissionType(form.transmission);
    doc.setMultilineApproach(form.multiline);
    doc.setAutoMeanAtomicWeight(form.autoMeanAtWeight);
    doc.setSeparateMatrixValues(form.separateMatrixValues);
    doc.setIslands(form.islands);
    doc.IslandMode = form.islands ? 1 : 0;
    doc.setSingleRowOfSpheres(form.singleRowOfSpheres);
    doc.setModifiedTubeLayer(form.modifiedTubeLayer);
    doc.ExpContam[1] = boxes.readOptional(form.contaminationFactor, shown.contaminationFactor, old.ExpContam[1]);
    doc.setLibraryLookupEnabled(form.libraryLookup);
    doc.setSplitting(form.splitting);
    doc.setScaling(form.scaling);
    doc.AutoCov = form.autoCoverage;
    doc.ARXPS = form.angleResolved;
    // The sequence number is always the row header, never a column of its own.
    for (int k = 1; k < kLabelsPerExperiment; ++k)
        doc.LabelSelect[k] = form.labelShown[k] ? 1 : 0;
    for (int u = 0; u < kUnitLabels; ++u)
        doc.UnitIndex[u] = form.units[u];
    for (int k = 0; k < kUserLabels; ++k)
        doc.LabelName[kFirstUserLabel + k] = trimmed(form.userLabelNames[k]);
    doc.AxisIndex = static_cast<Integer>(form.axisLabel + 1);
    doc.SampleRadius = boxes.read(form.radius, shown.radius, old.SampleRadius);
    doc.InnerRadius = boxes.read(form.innerRadius, shown.innerRadius, old.InnerRadius);
    doc.setLengthUnit(form.lengthUnit);
    doc.MultiLayers = static_cast<Integer>(form.multilayers);
}

/// Rejects what cannot be used, restoring in doc the value of old and in the
/// form the text shown for it.
void rejectUnusable(Document& doc, const Document& old, ParameterForm& form, const ParameterForm& shown, char decSep,
                    std::string& message)
{
    if (doc.source() == ExcitationSource::Other && !(doc.otherSourceEnergy() > 0.0f)) {
        AppendModelLine(message, kZeroEnergyLine);
        doc.setOtherSourceEnergy(old.otherSourceEnergy());
        if (!(doc.otherSourceEnergy() > 0.0f)) {
            doc.setSource(ExcitationSource::MgKAlpha);
            form.source = ExcitationSource::MgKAlpha;
        }
        form.energy = EnergyText(doc, doc.source(), decSep);
    }
    const float exponent = doc.imfpExponent();
    if (doc.homogeneousImfpMethod() == ImfpMethod::Exponential && !(exponent >= 0.0f && exponent <= kMaxImfpExponent)) {
        AppendModelLine(message, kImfpExponentLine);
        doc.setImfpExponent(old.imfpExponent());
        form.imfpExponent = shown.imfpExponent;
    }
    const float angle = doc.sourceAnalyserAngle();
    if (doc.angularMethod() != AngularMethod::None && !(angle > 0.0f && angle < kFullCircleDegrees)) {
        AppendModelLine(message, kInvalidAngleLine);
        doc.setSourceAnalyserAngle(old.sourceAnalyserAngle());
        form.angle = shown.angle;
    }
    if (doc.transmissionType() == TransmissionType::File && trimmed(doc.transmissionFile()).empty()) {
        AppendModelLine(message, kNoTransmissionFileLine);
        doc.setTransmissionType(old.transmissionType());
        form.transmission = old.transmissionType();
    }
    if (doc.transmissionType() == TransmissionType::Exponential &&
        doc.transmissionExponent() > kMaxTransmissionExponent) {
        AppendModelLine(message, kTransmissionExponentLine);
        doc.setTransmissionExponent(kRepairedTransmissionExponent);
        form.transmissionExponent = ExponentText(kRepairedTransmissionExponent, decSep);
    }
}

/// The message of an Apply that found more than a nanotube warning.
Finding parameterErrors(const std::string& message)
{
    Finding finding;
    finding.kind = FindingKind::Error;
    finding.heading = kParameterErrorsHeading;
    finding.items = ItemsOf(message);
    finding.text = finding.heading + kModelLineEnd + message;
    return finding;
}

}  // namespace

void ConvertStoredLengths(Document& doc, float factor)
{
    const auto convert = [factor](float& length) {
        if (length > 0.0f)
            length *= factor;
    };
    float sputterRate = doc.sputterRate();
    convert(sputterRate);
    doc.setSputterRate(sputterRate);
    convert(doc.SampleRadius);
    convert(doc.InnerRadius);
    // A template has IMFP rows but no experiments: every stored row counts.
    for (int e = 1; e <= kMaxExperiments; ++e)
        for (int row = 1; row <= kMaxElements; ++row)
            convert(doc.IMFPval[e][row]);
    for (int e = 1; e <= kMaxExperiments; ++e)
        for (int layer = 1; layer <= kMaxLayers; ++layer)
            convert(doc.ThickRes[e][layer]);
    for (int layer = 0; layer <= kMaxLayers; ++layer)
        for (int row = 0; row <= kMaxElements; ++row)
            convert(doc.LayerIMFP[layer][row]);
}

ParameterCheck ReadParameterForm(Document& doc, ParameterForm& form, const ParameterForm& shown, char decSep)
{
    const Document old = doc;
    readForm(doc, form, shown, decSep);
    if (form.convertUnits && doc.lengthUnit() != old.lengthUnit())
        ConvertStoredLengths(doc, doc.lengthUnit() == LengthUnit::Angstrom ? kAngstromPerNanometre
                                                                           : 1.0f / kAngstromPerNanometre);

    ParameterCheck check;
    rejectUnusable(doc, old, form, shown, decSep, check.message);
    if (!check.message.empty())
        SetBit(check.errors, kBitParameterError);

    int modelErrors = 0;
    CheckNanotube(doc, modelErrors, check.message);
    if (!ModelUsable(modelErrors)) {
        doc.SampleRadius = old.SampleRadius;
        doc.InnerRadius = old.InnerRadius;
        form.radius = shown.radius;
        form.innerRadius = shown.innerRadius;
    }
    check.errors |= modelErrors;
    doc.ExcEnergy = ExcitationEnergy(doc, doc.source());
    RecomputeUnits(doc);
    return check;
}

ParametersDialog::ParametersDialog(Session& session, WindowShell& shell) : m_session(session), m_shell(shell)
{
    reload();
}

void ParametersDialog::reload()
{
    m_form = FormOf(m_session.doc(), m_session.environment().DecSep);
    m_shown = m_form;
}

void ParametersDialog::chooseSource(ExcitationSource source)
{
    m_form.source = source;
    m_form.energy = EnergyText(m_session.doc(), source, m_session.environment().DecSep);
}

void ParametersDialog::chooseContamination(ContaminationMethod method)
{
    m_form.contamination = method;
    if (method == ContaminationMethod::Varn)
        m_varnChosen = true;
}

void ParametersDialog::chooseTransmission(TransmissionType type)
{
    m_form.transmission = type;
    if (type == TransmissionType::File)
        m_form.transmissionFileType = TransmissionFileType(m_form.transmissionFile);
}

void ParametersDialog::setTransmissionFile(std::string path)
{
    m_form.transmissionFile = std::move(path);
    m_form.transmissionFileType = TransmissionFileType(m_form.transmissionFile);
}

bool ParametersDialog::browseTransmissionFile()
{
    FileDialogRequest request;
    request.title = kTransmissionFileDialogTitle;
    const std::filesystem::path current(m_form.transmissionFile);
    request.folder =
        current.has_parent_path() ? current.parent_path().string() : m_session.environment().programFolder.string();
    request.filters = {{"Transmission files (*.ltr)", {"*.ltr"}}, {"All files (*.*)", {"*"}}};
    const auto chosen = m_shell.chooseFileToOpen(request);
    if (!chosen)
        return false;
    setTransmissionFile(chosen->path);
    return true;
}

bool ParametersDialog::apply(ApplyAction action)
{
    return applyForm() && action == ApplyAction::Close;
}

bool ParametersDialog::applyAndPrint(ReportSpooler& spooler)
{
    if (!applyForm())
        return false;
    spooler.printSelected(ParameterReportOptions(m_session.print()));
    return true;
}

bool ParametersDialog::applyForm()
{
    Document candidate = m_session.doc();
    const ParameterCheck check = ReadParameterForm(candidate, m_form, m_shown, m_session.environment().DecSep);
    const int modelErrors = check.errors & ~(1 << kBitParameterError);
    if (TestBit(check.errors, kBitParameterError) || !ModelUsable(modelErrors)) {
        Present(m_session.dialogs(), parameterErrors(check.message));
        return false;
    }
    if (const auto warnings = ModelErrorsFinding(modelErrors, check.message))
        Present(m_session.dialogs(), *warnings);

    const ParameterRecord applied = ParameterRecord::of(candidate);
    if (!(applied == ParameterRecord::of(m_session.doc()))) {
        auto edit = m_session.edit(
            {Change::Parameters, Change::Labels, Change::ImfpAndContamination, Change::Model, Change::Results});
        applied.storeInto(edit.doc);
        if (m_varnChosen && edit.doc.contaminationMethod() == ContaminationMethod::Varn)
            edit.corr.ExcludeCarbon = true;
        edit.doc.RecalcNeeded = true;
        edit.doc.DocDirty = true;
    }
    m_varnChosen = false;
    const ModelType model = m_session.doc().modelType();
    m_shell.setCommandEnabled(ShellCommand::ViewModel, model != ModelType::Homogeneous);
    m_shell.setCommandEnabled(ShellCommand::Simulation,
                              model != ModelType::Homogeneous && model != ModelType::OxideLayer);
    reload();
    return true;
}

PrintOptions ParameterReportOptions(const PrintOptions& options)
{
    PrintOptions parameters = options;
    for (int section = 0; section < kPrintFileName; ++section)
        parameters.PrintWhat[section] = section == kPrintParameters ? 1 : 0;
    return parameters;
}

bool ParametersDialog::canShowAppliedImfp() const
{
    return m_session.doc().ElemCount > 0;
}

}  // namespace slv
