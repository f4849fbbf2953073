// Working values of the structure model: what the calculation set-up derives
// from the model record (emission cosines, geometry weights, the fit's upper
// thickness bound, the reference element, the region tables), what the
// structure analysis decides (whether the system is defined and the coverage
// can be fitted), the run-time error trap of the model calculation, the
// calculated intensities and the history of the layer calculation.
#pragma once

#include <array>
#include <vector>

#include "document/document.h"
#include "model/calc_history.h"
#include "model/region_tables.h"
#include "model/result_spreads.h"

namespace slv {

/// Codes of the routines in which a model run-time error was trapped.
enum ModelRoutine : int {
    kRoutineLmdif = 1,
    kRoutineResidual = 2,
    kRoutineFdjac2 = 3,
    kRoutineQrfac = 4,
    kRoutineLmpar = 5,
    kRoutineQrsolv = 6,
    kRoutineEnorm = 7,
    kRoutineModelCalculation = 8,
    kRoutinePlane = 9,
    kRoutineCurved = 10,
    kRoutineNanotube = 11,
};

/// Trapped numeric run-time errors use the classic error numbers of
/// document/file_error.h (kErrInvalidCall 5, kErrOverflow 6,
/// kErrDivisionByZero 11) and this one.
inline constexpr int kErrSubscript = 9;

/// A numeric fault met in the model calculation or the fit: the routine code
/// (0 = none) and the error number. The first fault is the one kept.
struct ModelTrap {
    int routine = 0;
    int errorNumber = 0;
};

/// Weights of the nine polar-angle classes of a curved geometry (1..9).
using AngleWeights = std::array<float, kAngleClasses + 1>;

struct ModelState {
    /// The experiment of the model calculation (CurExp).
    int ModelExperiment = 1;
    ExpTable<double> EmissionCos{};
    /// Weights of the nine polar-angle classes of the current geometry,
    /// filled from the element library's geometry-weight records.
    AngleWeights AngleWeight{};
    double MaxThick = 0.0;
    int ModelRefElem = 0;
    int FitExpCount = 1;
    double TubeRadius = 0.0;
    int TubeSteps = 1;
    /// Bits of the last model validation (model_check.h).
    int ModelErrors = 0;
    bool SystemDefined = false;
    bool CoverageFitted = false;
    int MetalElem = 0;
    int OxideElem = 0;
    ModelTrap trap;
    /// Calculated intensities, index (experiment - 1) x ElemCount + row.
    std::vector<double> CalcIntensity;
    /// Set while the simulation window is open: the set-up then keeps RefElem.
    bool SimulActive = false;
    /// Regions, atom densities and IMFPs prepared by the set-up.
    RegionTables Regions;
    /// Relative intensities, thicknesses, coverage and Q sum of the last three calculations.
    CalcHistory History;
    /// Standard deviations of the accepted fitted results, per experiment slot.
    ResultSpreads Spreads;
};

}  // namespace slv
