// The emission angle of an experiment: the number in its "Tilt" label, in
// degrees or radians as the tilt unit says. Without the Tilt label every
// experiment is taken at normal emission.
#pragma once

#include "document/document.h"

namespace slv {

/// The double-precision degree of the emission angles.
inline constexpr double kRadiansPerDegree = 0.017453292519943278;

/// The Tilt label is label name 3 and label text column 4 of an experiment.
inline constexpr int kTiltLabelName = 3;
inline constexpr int kTiltLabelColumn = 4;
/// Whether the Tilt label is in use.
bool TiltInUse(const Document& doc);

/// The experiment's tilt as entered, 0 when the Tilt label is not in use or
/// its text is not a number.
float TiltValue(const Document& doc, int experiment, char decSep);

/// Whether tilt values are radians; any other tilt unit means degrees.
bool TiltInRadians(const Document& doc);

/// cos of a tilt value in the document's tilt unit.
double TiltCosine(const Document& doc, float tilt);

}  // namespace slv
