// The homogeneous quantification: corrected intensities to the composition in
// eight result types, with the multiline approaches, the oxide conversion and
// O balance, the mass conversion and the merge of chemical states.
//
// Quantify runs the correction chain when the document asks for it, then
// rebuilds everything from the corrected intensities on every call: the
// multiline approach combines lines of one element and chemical state into
// result rows, the conversions turn them into formula units or masses, and
// NormalizeResults writes percentages or ratios into QuantResults::ResultValue.
// Problems are collected into one "Results error(s):" finding.
#pragma once

#include <span>
#include <string>

#include "quant/quant_state.h"

namespace slv {

/// The heading of the collected results errors.
inline constexpr const char* kResultsErrorsHeading = "Results error(s):";

/// Atomic weight of oxygen, g/mol.
inline constexpr float kOxygenAtomicWeight = 15.999f;

/// The whole calculation for result type 0..7. The messages of the
/// correction chain are added to q.findings as they arise; the problems of
/// the results themselves make one "Results error(s):" warning at the end,
/// which the caller tells apart by its heading. A result type outside 0..7
/// leaves every result cell without a value.
void Quantify(const QuantContext& q, int resultType);

/// Percentages (ref = 0) or ratios to result row ref from CorrIntensity into
/// ResultValue for result rows 1..ResElemCount.
void NormalizeResults(const Document& doc, const CorrectionTables& corr, QuantResults& res, int ref, float value);

/// Groups the element rows of equal symbol and chemical state into result
/// rows (setting ResElemCount) and writes the mean corrected intensity of
/// each group into target, which may be CorrIntensity itself.
void AverageMultiline(const Document& doc, const CorrectionTables& corr, QuantResults& res, ExpRowTable<float>& target);

/// Like AverageMultiline, but the level of a group of several lines is the
/// one that fits the logarithms of their corrected intensities best, each
/// weighted by the square root of its measured intensity (Ebel's approach).
/// Derivation: the counts n_k of a line are Poisson distributed, so the
/// relative error of its corrected intensity I_k is 1/sqrt(n_k), the error of
/// ln I_k as well; minimising sum (sqrt(n_k) (ln I_k - ln x))^2 over x gives
/// the weighted geometric mean ln x = sum n_k ln I_k / sum n_k, which a line
/// measured with few counts hardly moves.
void EbelMultiline(const Document& doc, CorrectionTables& corr, QuantResults& res);

/// The level x > 0 that minimises sum (w_k (ln I_k - ln x))^2 for the
/// logarithms ln I_k and weights w_k: a step search from startLevel with
/// startStep that reverses and shrinks the step by 3 whenever the sum stops
/// falling, until the sums at the last two reversals differ by less than
/// valueTolerance and the step is below stepTolerance.
double LogFitLevel(std::span<const double> logs, std::span<const double> weights, double startLevel, double startStep,
                   double valueTolerance, double stepTolerance);

/// Turns the corrected intensities into oxide formula units, absorbs the
/// oxygen rows into the O balance (row OBalanceRow of ResultValue; the
/// document's ResOxygenMerged marks them) and moves a ratio reference off
/// oxygen. False, with a finding in errors, when an experiment has no oxygen.
bool OxideConversion(Document& doc, CorrectionTables& corr, QuantResults& res, std::string& errors);

/// Mass-conversion modes: weights of the atoms or of the oxide formula units.
enum MassMode : int { kMassOfAtoms = 1, kMassOfOxides = 2 };

/// Multiplies the corrected intensities of the result rows by their weights.
void MassConversion(const Document& doc, CorrectionTables& corr, const QuantResults& res, int mode);

/// Sums ResultValue over the result rows of one element symbol into rows
/// 1..m in the order of first appearance; ResElemCount becomes m.
void MergeChemicalStates(const Document& doc, QuantResults& res);

/// Atomic percentages per element row without IMFP and contamination correction.
void PreliminaryComposition(const QuantContext& q);

}  // namespace slv
