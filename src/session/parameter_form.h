// The Parameters dialog as data: every control's value as the analyst sees
// it (numbers as the text of their box), which controls the choices make
// usable, and the captions that follow the length unit. The Qt dialog shows
// a ParameterForm and writes the analyst's edits back into it; the form is
// read into the document only on Apply (parameters_dialog.h).
#pragma once

#include <array>
#include <string>

#include "document/document.h"

namespace slv {

/// The tabs, in the order the dialog shows them.
inline constexpr const char* kParameterTabs[] = {"General",      "Cross section", "IMFP",  "Angular",
                                                 "Transmission", "Contamination", "Model", "Labels"};

/// The model types as the "Model" list names them, in code order.
inline constexpr const char* kModelTypeNames[] = {"Homogeneous",       "Oxide-Layer",        "Layers-on-Plane",
                                                  "Layers-on-Sphere",  "Layers-on-Cylinder", "Layers-on-Polyhedron",
                                                  "Layers-on-Nanotube"};

/// The label check boxes, in label order (LabelSelect 0..7).
inline constexpr const char* kLabelCaptions[kLabelsPerExperiment] = {
    "Sequence number", "Name", "Time", "Tilt", "Temperature", "Treatment", "Other text", "Other numeric"};

/// The labels that carry a unit (UnitIndex 0..2) and the two the analyst names (LabelName 6, 7).
inline constexpr int kUnitLabels = 3;
inline constexpr int kUserLabels = 2;
inline constexpr int kFirstUserLabel = 6;

/// The number of repetitions the "Multilayers" list offers.
inline constexpr int kMaxMultilayers = 10;

struct ParameterForm {
    // General
    std::string title;
    ExcitationSource source = ExcitationSource::MgKAlpha;
    std::string energy;  // eV; the source's own energy unless "Other"
    bool libraryLookup = false;
    LengthUnit lengthUnit = LengthUnit::Nanometre;
    bool convertUnits = false;

    // Cross section
    CrossSectionSet crossSection = CrossSectionSet::None;
    SplittingOption splitting = SplittingOption::None;
    ScalingOption scaling = ScalingOption::None;

    // IMFP: one method list shows the homogeneous or the model method,
    // whichever the model type uses; the dialog keeps both.
    ImfpMethod homogeneousImfp = ImfpMethod::None;
    ImfpMethod modelImfp = ImfpMethod::None;
    std::string imfpExponent;
    MaterialClass materialClass = MaterialClass::Element;
    std::string density;       // g/cm3 of experiment 1's matrix; blank: none given
    std::string meanAtWeight;  // g/mol; blank: none given
    bool autoMeanAtWeight = false;
    bool separateMatrixValues = false;

    // Angular
    AngularMethod angular = AngularMethod::None;
    std::string angle;  // degrees

    // Transmission
    TransmissionType transmission = TransmissionType::None;
    std::string transmissionExponent;
    std::string transmissionFile;
    std::string transmissionFileType;  // what the file's keyword line names

    // Contamination
    ContaminationMethod contamination = ContaminationMethod::None;
    std::string contaminationFactor;  // blank: none given
    bool separateContamination = false;

    // Model
    ModelType model = ModelType::Homogeneous;
    std::string radius;
    std::string innerRadius;
    int multilayers = 1;
    bool islands = false;
    bool autoCoverage = false;
    bool angleResolved = false;
    MultilineApproach multiline = MultilineApproach::None;
    bool singleRowOfSpheres = false;
    bool modifiedTubeLayer = false;

    // Labels
    std::array<bool, kLabelsPerExperiment> labelShown{};
    std::array<Integer, kUnitLabels> units{};
    std::array<std::string, kUserLabels> userLabelNames;
    int axisLabel = 0;  // 0..7: the chart's x axis
    bool timeToDepth = false;
    std::string sputterRate;  // length unit per minute

    /// The IMFP method the one method list shows.
    ImfpMethod shownImfpMethod() const { return model == ModelType::Homogeneous ? homogeneousImfp : modelImfp; }
    /// Chooses the method of the list for the calculation the model type uses.
    void chooseImfpMethod(ImfpMethod method)
    {
        (model == ModelType::Homogeneous ? homogeneousImfp : modelImfp) = method;
    }

    friend bool operator==(const ParameterForm&, const ParameterForm&) = default;
};

/// Which controls the current choices make usable.
struct ParameterEnables {
    bool energy = false;  // editable only for the "Other" source
    bool splitting = false;
    bool scaling = false;
    bool imfpExponent = false;
    bool materialClass = false;
    bool density = false;
    bool meanAtWeight = false;
    bool autoMeanAtWeight = false;
    bool separateMatrixValues = false;
    bool showAppliedImfp = false;
    bool angle = false;
    bool transmissionExponent = false;
    bool transmissionFile = false;  // the name, Browse and the file type
    bool contaminationFactor = false;
    bool separateContamination = false;
    bool radius = false;
    bool innerRadius = false;
    bool tubeOptions = false;  // "Modified tube layer"
    bool singleRowOfSpheres = false;
    bool islands = false;
    bool autoCoverage = false;  // "Fit coverage automatically": islands only
    bool multilayers = false;
    bool angleResolved = false;
    bool showTransmission = false;      // the transmission function's "Show"
    bool editTransmissionFile = false;  // the transmission file's "Edit..."
    bool editPolyhedron = false;        // the model's "Edit..." (polyhedron editor)

    friend bool operator==(const ParameterEnables&, const ParameterEnables&) = default;
};

/// The controls of the document's parameters, formatted for their boxes.
ParameterForm FormOf(const Document& doc, char decSep);

/// What the form's choices make usable: a function of the form alone.
ParameterEnables EnablesOf(const ParameterForm& form);

/// The text of the energy box for a source: its line energy, or the "Other"
/// energy the document holds.
std::string EnergyText(const Document& doc, ExcitationSource source, char decSep);

/// An exponent (IMFP or transmission) as its box shows it.
std::string ExponentText(float exponent, char decSep);

/// "nm" or "A": the unit of the model lengths; "nm/min" or "A/min" for the sputter rate.
std::string LengthCaption(LengthUnit unit);
std::string SputterRateCaption(LengthUnit unit);

/// The kind of function a transmission file holds, as its keyword line names
/// it ("Exponential", "Polynomial 3", "Rational (NPL)", "Tabulated",
/// "Combined (Unifit)"); empty when the file cannot be read or names none.
/// The file's faults are reported only when it is used.
std::string TransmissionFileType(const std::string& path);

}  // namespace slv
