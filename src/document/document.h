// The one data set the program holds: the element table, the intensities and
// IMFP values of up to 40 experiments with their labels, the correction
// parameters and the structure model. Tables keep the 1-based indices of the
// analysis (row 0 of the element table is the hydrogen row used by layer
// compositions), so the formulas read exactly as written in the physics.
//
// Texts are kept as the files hold them: 8-bit ANSI (Windows-1252) bytes; the
// front ends convert them for display.
//
// Empty values: a numeric cell without a value holds -1 (the asymmetry
// parameter -2); code tests for negative values, never for zero.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/parameter_options.h"
#include "platform/fixed_text.h"
#include "platform/integer.h"

namespace slv {

inline constexpr int kMaxElements = 20;     // element rows 1..20, row 0 is hydrogen
inline constexpr int kMaxExperiments = 40;  // experiments 1..40
inline constexpr int kLabelsPerExperiment = 8;
inline constexpr int kMaxLayers = 5;  // layers 1..5, layer 0 is the bulk
inline constexpr int kPolyhedronParameters = 9;
inline constexpr int kParTextCount = 2;
inline constexpr int kParNumberCount = 7;
inline constexpr int kParIndexCount = 14;
inline constexpr int kParLibraryCount = 4;

inline constexpr float kEmptyValue = -1.0f;
inline constexpr float kNoAsymmetry = -2.0f;

using Symbol = FixedText<2>;
using LineNotation = FixedText<3>;
using ChemState = FixedText<10>;
using LabelString = FixedText<15>;
using LayerNameText = FixedText<12>;
using UnitTextField = FixedText<3>;

/// Per element row 0..20 (row 0 = hydrogen where the field has one).
template<typename T>
using RowTable = std::array<T, kMaxElements + 1>;
/// Per experiment 1..40 (index 0 unused).
template<typename T>
using ExpTable = std::array<T, kMaxExperiments + 1>;
/// (experiment 1..40, row 0..21): the experiment varies slowest in memory but
/// is written first, as in the analysis: Intensity[exp][row].
template<typename T>
using ExpRowTable = std::array<std::array<T, kMaxElements + 2>, kMaxExperiments + 1>;
/// (layer 0..5, row 0..20).
template<typename T>
using LayerRowTable = std::array<std::array<T, kMaxElements + 1>, kMaxLayers + 1>;
template<typename T>
using LayerTable = std::array<T, kMaxLayers + 1>;

struct Document {
    // Counts.
    Integer ElemCount = 0;
    Integer ExpCount = 0;
    Integer IMFPRowCount = 0;

    // Element table.
    RowTable<Integer> AtomicNo{};
    RowTable<Symbol> ElSymbol{};
    RowTable<LineNotation> ElLine{};
    RowTable<ChemState> ElState{};
    RowTable<float> BindEnergy{};
    RowTable<float> CrossSect{};
    RowTable<float> Asymmetry{};
    RowTable<float> AtWeight{};
    RowTable<Integer> Valence{};
    RowTable<Integer> Oxygens{};
    RowTable<float> ElDensity{};
    RowTable<float> ValElectrons{};
    RowTable<bool> ElOmit{};
    RowTable<bool> ResOxygenMerged{};

    // Experiments.
    ExpRowTable<float> Intensity{};
    ExpRowTable<float> IMFPval{};
    ExpTable<Integer> ExpMatClass{};
    MaterialClass matrixClass(int exp) const { return static_cast<MaterialClass>(ExpMatClass[exp]); }
    void setMatrixClass(int exp, MaterialClass materialClass) { ExpMatClass[exp] = CodeOf(materialClass); }
    ExpTable<float> ExpAtWeight{};
    ExpTable<float> ExpDensity{};
    ExpTable<float> ExpContam{};
    ExpTable<bool> ExpOmit{};
    std::array<std::array<LabelString, kLabelsPerExperiment + 1>, kMaxExperiments + 1> LabelText{};  // [exp][1..8]

    // Labels.
    std::array<LabelString, kLabelsPerExperiment> LabelName{};
    std::array<Integer, kLabelsPerExperiment> LabelSelect{};
    std::array<Integer, 3> UnitIndex{};  // units of Time, Tilt, Temperature
    TimeUnit timeUnit() const { return static_cast<TimeUnit>(UnitIndex[0]); }
    TiltUnit tiltUnit() const { return static_cast<TiltUnit>(UnitIndex[1]); }
    TemperatureUnit temperatureUnit() const { return static_cast<TemperatureUnit>(UnitIndex[2]); }
    void setTimeUnit(TimeUnit unit) { UnitIndex[0] = CodeOf(unit); }
    void setTiltUnit(TiltUnit unit) { UnitIndex[1] = CodeOf(unit); }
    void setTemperatureUnit(TemperatureUnit unit) { UnitIndex[2] = CodeOf(unit); }
    std::array<UnitTextField, 4> UnitText{};
    Integer LabelCols = 0;
    Integer AxisIndex = 1;
    Integer DepthScale = 0;

    // Correction-parameter record, as the files and the settings store keep
    // it. Code reads and writes it through the accessors below.
    std::array<std::string, kParTextCount> ParText{};
    std::array<float, kParNumberCount> ParNumber{};
    std::array<Integer, kParIndexCount> ParIndex{};
    std::array<Integer, kParLibraryCount> ParLibrary{};
    float ExcEnergy = 0.0f;

    // The options of ParIndex.
    ModelType modelType() const { return static_cast<ModelType>(ParIndex[kModelTypeSlot]); }
    void setModelType(ModelType type) { ParIndex[kModelTypeSlot] = CodeOf(type); }
    /// Any model but the homogeneous sample: the model windows and the model IMFP method apply.
    bool modelMode() const { return modelType() != ModelType::Homogeneous; }
    ExcitationSource source() const { return static_cast<ExcitationSource>(ParIndex[kSourceSlot]); }
    void setSource(ExcitationSource source) { ParIndex[kSourceSlot] = CodeOf(source); }
    CrossSectionSet crossSectionSet() const { return static_cast<CrossSectionSet>(ParIndex[kCrossSectionSlot]); }
    void setCrossSectionSet(CrossSectionSet set) { ParIndex[kCrossSectionSlot] = CodeOf(set); }
    /// The IMFP method of the homogeneous quantification (low byte) and of
    /// the model calculation (high byte); a code beyond the known methods is None.
    ImfpMethod homogeneousImfpMethod() const { return imfpMethodIn(ImfpByte::Low); }
    ImfpMethod modelImfpMethod() const { return imfpMethodIn(ImfpByte::High); }
    void setHomogeneousImfpMethod(ImfpMethod method) { setImfpMethodIn(ImfpByte::Low, method); }
    void setModelImfpMethod(ImfpMethod method) { setImfpMethodIn(ImfpByte::High, method); }
    /// The method that applies to the current model type.
    ImfpMethod imfpMethod() const { return modelMode() ? modelImfpMethod() : homogeneousImfpMethod(); }
    /// "Use separate values": one contamination value per experiment, else experiment 1's for all.
    bool separateContamination() const { return ParIndex[kSeparateContaminationSlot] == 1; }
    void setSeparateContamination(bool on) { ParIndex[kSeparateContaminationSlot] = on ? 1 : 0; }
    ContaminationMethod contaminationMethod() const
    {
        return static_cast<ContaminationMethod>(ParIndex[kContaminationSlot]);
    }
    void setContaminationMethod(ContaminationMethod method) { ParIndex[kContaminationSlot] = CodeOf(method); }
    AngularMethod angularMethod() const { return static_cast<AngularMethod>(ParIndex[kAngularSlot]); }
    void setAngularMethod(AngularMethod method) { ParIndex[kAngularSlot] = CodeOf(method); }
    TransmissionType transmissionType() const { return static_cast<TransmissionType>(ParIndex[kTransmissionSlot]); }
    void setTransmissionType(TransmissionType type) { ParIndex[kTransmissionSlot] = CodeOf(type); }
    MultilineApproach multilineApproach() const { return static_cast<MultilineApproach>(ParIndex[kMultilineSlot]); }
    void setMultilineApproach(MultilineApproach approach) { ParIndex[kMultilineSlot] = CodeOf(approach); }
    /// "Calculate mean atomic weight": the matrix weight follows from the composition.
    bool autoMeanAtomicWeight() const { return ParIndex[kAutoAtomicWeightSlot] == 1; }
    void setAutoMeanAtomicWeight(bool on) { ParIndex[kAutoAtomicWeightSlot] = on ? 1 : 0; }
    /// "Use separate values": IMFP matrix data per experiment, else experiment 1's for all.
    bool separateMatrixValues() const { return ParIndex[kSeparateMatrixSlot] == 1; }
    void setSeparateMatrixValues(bool on) { ParIndex[kSeparateMatrixSlot] = on ? 1 : 0; }
    /// The model has islands; IslandMode mirrors it while a document is open.
    bool islands() const { return ParIndex[kIslandsSlot] == 1; }
    void setIslands(bool on) { ParIndex[kIslandsSlot] = on ? 1 : 0; }
    /// "Single row of Spheres": the sphere takes its alternative geometry weights.
    bool singleRowOfSpheres() const { return ParIndex[kSingleRowSlot] == 1; }
    void setSingleRowOfSpheres(bool on) { ParIndex[kSingleRowSlot] = on ? 1 : 0; }
    /// "Modified tube layer": the nanotube's layers replace the outside of its wall.
    bool modifiedTubeLayer() const { return ParIndex[kModifiedTubeSlot] == 1; }
    void setModifiedTubeLayer(bool on) { ParIndex[kModifiedTubeSlot] = on ? 1 : 0; }

    // The numbers of ParNumber.
    float imfpExponent() const { return ParNumber[0]; }
    void setImfpExponent(float exponent) { ParNumber[0] = exponent; }
    /// Sputter rate of "Convert time to depth", nm/min.
    float sputterRate() const { return ParNumber[1]; }
    void setSputterRate(float nmPerMinute) { ParNumber[1] = nmPerMinute; }
    /// Kept with the record and printed by the report: density g/cm3, mean atomic weight g/mol.
    float reportedDensity() const { return ParNumber[2]; }
    float reportedMeanAtomicWeight() const { return ParNumber[3]; }
    /// The angle between the X-ray source and the analyser, degrees.
    float sourceAnalyserAngle() const { return ParNumber[4]; }
    void setSourceAnalyserAngle(float degrees) { ParNumber[4] = degrees; }
    float transmissionExponent() const { return ParNumber[5]; }
    void setTransmissionExponent(float exponent) { ParNumber[5] = exponent; }
    /// The excitation energy of the "Other" source, eV.
    float otherSourceEnergy() const { return ParNumber[6]; }
    void setOtherSourceEnergy(float ev) { ParNumber[6] = ev; }

    // The texts of ParText.
    const std::string& title() const { return ParText[0]; }
    void setTitle(std::string text) { ParText[0] = std::move(text); }
    const std::string& transmissionFile() const { return ParText[1]; }
    std::string& transmissionFile() { return ParText[1]; }

    // The library options of ParLibrary.
    bool libraryLookupEnabled() const { return ParLibrary[0] != 0; }
    void setLibraryLookupEnabled(bool on) { ParLibrary[0] = on ? 1 : 0; }
    SplittingOption splitting() const { return static_cast<SplittingOption>(ParLibrary[1]); }
    void setSplitting(SplittingOption option) { ParLibrary[1] = CodeOf(option); }
    ScalingOption scaling() const { return static_cast<ScalingOption>(ParLibrary[2]); }
    void setScaling(ScalingOption option) { ParLibrary[2] = CodeOf(option); }
    /// The window-layout code an example file carries; bits 0-3 give its result type.
    Integer exampleLayout() const { return ParLibrary[3]; }
    void setExampleLayout(Integer code) { ParLibrary[3] = code; }

    // Model-structure record.
    Integer ModelOn = 0;
    /// The intensity model of Sphere and Cylinder. New documents use the exact
    /// integral; a file records it in the value of ModelOn (see data_file_format.h).
    CurvedModel CurvedChoice = CurvedModel::Exact;
    CurvedModel curvedModel() const { return CurvedChoice; }
    void setCurvedModel(CurvedModel model) { CurvedChoice = model; }
    Integer MultiLayers = 1;
    float SampleRadius = 0.0f;
    float InnerRadius = 0.0f;
    Integer LenUnitA = 0;
    LengthUnit lengthUnit() const { return static_cast<LengthUnit>(LenUnitA); }
    void setLengthUnit(LengthUnit unit) { LenUnitA = CodeOf(unit); }
    Integer LayerCount = 0;
    LayerTable<LayerNameText> LayerName{};
    LayerTable<Integer> LayerKind{};
    LayerTable<Integer> LayerLink{};
    LayerTable<float> LayerMolWeight{};
    LayerTable<float> LayerDensity{};
    LayerTable<float> LayerBandGap{};
    LayerTable<Integer> LayerValElec{};
    LayerTable<Integer> LayerMatClass{};
    MaterialClass layerClass(int layer) const { return static_cast<MaterialClass>(LayerMatClass[layer]); }
    void setLayerClass(int layer, MaterialClass materialClass) { LayerMatClass[layer] = CodeOf(materialClass); }
    LayerRowTable<float> LayerComp{};
    LayerRowTable<float> LayerIMFP{};
    LayerTable<double> LayerThick{};
    double Coverage = 0.0;
    RowTable<Integer> ElModelFlag{};
    std::array<float, kPolyhedronParameters + 1> PolyPar{};
    Integer IslandMode = 0;
    bool AutoCov = false;
    bool ARXPS = false;
    std::array<std::array<float, kMaxLayers + 1>, kMaxExperiments + 1> ThickRes{};
    ExpTable<float> CoverRes{};

    // Notes and identity.
    std::string NotesText;
    Integer NotesLen = 0;
    std::string DocFileName;

    // State flags.
    bool DocDirty = false;
    bool IsTemplate = false;
    bool RecalcNeeded = true;

private:
    // Where each option lives in ParIndex.
    static constexpr int kModelTypeSlot = 0;
    static constexpr int kSourceSlot = 1;
    static constexpr int kCrossSectionSlot = 2;
    static constexpr int kImfpSlot = 3;
    static constexpr int kSeparateContaminationSlot = 4;
    static constexpr int kContaminationSlot = 5;
    static constexpr int kAngularSlot = 6;
    static constexpr int kTransmissionSlot = 7;
    static constexpr int kMultilineSlot = 8;
    static constexpr int kAutoAtomicWeightSlot = 9;
    static constexpr int kSeparateMatrixSlot = 10;
    static constexpr int kIslandsSlot = 11;
    static constexpr int kSingleRowSlot = 12;
    static constexpr int kModifiedTubeSlot = 13;

    enum class ImfpByte { Low, High };
    ImfpMethod imfpMethodIn(ImfpByte byte) const;
    void setImfpMethodIn(ImfpByte byte, ImfpMethod method);
};

/// The excitation energy in eV of a source: Mg K-alpha, Al K-alpha, or the
/// user's energy of the "Other" source; 0 for a code that names no source.
float ExcitationEnergy(const Document& doc, ExcitationSource source);

/// Sets UnitText from UnitIndex and LenUnitA.
void RecomputeUnits(Document& doc);

/// The element row 1..ElemCount when exactly one row of the layer's
/// composition (rows 0..ElemCount) is non-zero and it is not hydrogen; else 0.
int SingleElementOfLayer(const Document& doc, int layer);

/// The element density of a one-element layer, 0 when the layer is not one.
float LayerElementDensity(const Document& doc, int layer);

/// Sets the hydrogen row 0 of the element table.
void SetHydrogenRow(Document& doc);

/// Sets the fixed label names 0..5.
void SetFixedLabelNames(Document& doc);

/// The labels (LabelName index 1..7) the analyst chose to show as columns, in order.
std::vector<int> ShownLabels(const Document& doc);

}  // namespace slv
