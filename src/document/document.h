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

#include "platform/fixed_text.h"

namespace slv {

inline constexpr int kMaxElements = 20;     // element rows 1..20, row 0 is hydrogen
inline constexpr int kMaxExperiments = 40;  // experiments 1..40
inline constexpr int kLabelsPerExperiment = 8;
inline constexpr int kMaxLayers = 5;        // layers 1..5, layer 0 is the bulk
inline constexpr int kPolyhedronParameters = 9;
inline constexpr int kParTextCount = 2;
inline constexpr int kParNumberCount = 7;
inline constexpr int kParIndexCount = 14;
inline constexpr int kParLibraryCount = 4;

inline constexpr float kEmptyValue = -1.0f;
inline constexpr float kNoAsymmetry = -2.0f;

using Integer = std::int16_t;  // the 2-byte signed integer of the files

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

/// Model types stored in ParIndex[0].
enum ModelType : int {
    kHomogeneous = 0,
    kOxideLayer = 1,
    kPlane = 2,
    kSphere = 3,
    kCylinder = 4,
    kPolyhedron = 5,
    kNanotube = 6,
};

/// Excitation sources stored in ParIndex[1].
enum ExcitationSource : int { kSourceMg = 0, kSourceAl = 1, kSourceOther = 2 };

/// Material classes of the IMFP formulas.
enum MaterialClass : int { kClassNone = 0, kClassElement = 1, kClassInorganic = 2, kClassPolymer = 3 };

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
    ExpTable<float> ExpAtWeight{};
    ExpTable<float> ExpDensity{};
    ExpTable<float> ExpContam{};
    ExpTable<bool> ExpOmit{};
    std::array<std::array<LabelString, kLabelsPerExperiment + 1>, kMaxExperiments + 1> LabelText{};  // [exp][1..8]

    // Labels.
    std::array<LabelString, kLabelsPerExperiment> LabelName{};
    std::array<Integer, kLabelsPerExperiment> LabelSelect{};
    std::array<Integer, 3> UnitIndex{};
    std::array<UnitTextField, 4> UnitText{};
    Integer LabelCols = 0;
    Integer AxisIndex = 1;
    Integer DepthScale = 0;

    // Correction-parameter record.
    std::array<std::string, kParTextCount> ParText{};
    std::array<float, kParNumberCount> ParNumber{};
    std::array<Integer, kParIndexCount> ParIndex{};
    std::array<Integer, kParLibraryCount> ParLibrary{};
    float ExcEnergy = 0.0f;

    // Model-structure record.
    Integer ModelOn = 0;
    Integer MultiLayers = 1;
    float SampleRadius = 0.0f;
    float InnerRadius = 0.0f;
    Integer LenUnitA = 0;
    Integer LayerCount = 0;
    LayerTable<LayerNameText> LayerName{};
    LayerTable<Integer> LayerKind{};
    LayerTable<Integer> LayerLink{};
    LayerTable<float> LayerMolWeight{};
    LayerTable<float> LayerDensity{};
    LayerTable<float> LayerBandGap{};
    LayerTable<Integer> LayerValElec{};
    LayerTable<Integer> LayerMatClass{};
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
};

/// The excitation energy in eV of a source code: Mg K-alpha, Al K-alpha, or
/// the user's energy in ParNumber[6]; 0 for any other code.
float ExcitationEnergy(const Document& doc, int sourceCode);

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

}  // namespace slv
