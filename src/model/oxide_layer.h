// The Oxide-Layer model: the thickness of an oxide film on its metal from
// the intensities of one photoelectron line in its oxide and its metallic
// chemical state, in closed form (Strohmeier, Surf. Interface Anal. 15
// (1990) 51; with Q = 1/R0 the same form as Seah & Spencer, SIA 33 (2002) 640):
//
//   d = cos(theta) x L_ox x ln(Q x I_ox / I_me + 1),   Q = (n_me L_me) / (n_ox L_ox)
//
// with n the atom densities of the element in metal and oxide, L the IMFPs of
// the line in them and theta the emission angle. No sensitivity factors enter
// because both peaks belong to the same element and line.
#pragma once

#include "document/document.h"
#include "model/model_state.h"
#include "quant/quant_state.h"

namespace slv {

/// d from the oxide IMFP, the emission cosine, Q and the intensity ratio I_ox / I_me.
double OxideThickness(double oxideImfp, double cosine, double densityImfpRatio, double intensityRatio);

/// The oxide thickness of every experiment 1..ExpCount into ResultValue(exp, 1);
/// -1 (no value) where either peak intensity is missing or not positive, or
/// when the densities, molecular weights or IMFPs of the metal and the oxide
/// give no positive Q.
void OxideLayerResults(const Document& doc, const ModelState& model, QuantResults& res, char decSep);

}  // namespace slv
