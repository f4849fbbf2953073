// The option codes of the correction-parameter record and of the label and
// length units, one enumeration per option. The record keeps the codes as
// 2-byte integers (the files and the settings store hold them so); Document's
// accessors turn them into these types. A file may hold a code that names no
// option: it converts all the same, and every switch over an option treats
// such a code as its "None".
#pragma once

#include "platform/integer.h"

namespace slv {

/// The structure model (ParIndex 0).
enum class ModelType : Integer {
    Homogeneous = 0,
    OxideLayer = 1,
    Plane = 2,
    Sphere = 3,
    Cylinder = 4,
    Polyhedron = 5,
    Nanotube = 6,
};

/// The X-ray source (ParIndex 1): Mg K-alpha 1253.6 eV, Al K-alpha 1486.6 eV,
/// or another source whose energy ParNumber 6 gives.
enum class ExcitationSource : Integer { MgKAlpha = 0, AlKAlpha = 1, Other = 2 };

/// What the element table's cross-section column holds (ParIndex 2).
enum class CrossSectionSet : Integer { None = 0, Scofield = 1, Evans = 2, Wagner = 3, Nefedov = 4 };

/// How the IMFP of a line is found (ParIndex 3: the homogeneous method in the
/// low byte, the model method in the high byte).
enum class ImfpMethod : Integer {
    None = 0,
    Explicit = 1,
    Exponential = 2,
    SeahDench = 3,
    Jablonski = 4,
    Tpp2m = 5,
    Gries = 6,
    CumpsonSeah = 7,
};

/// The carbon contamination correction (ParIndex 5). Tavik's method is kept
/// under its file keyword VARN: the thickness follows from the carbon content.
enum class ContaminationMethod : Integer { None = 0, Evans = 1, Varn = 2, Explicit = 3 };

/// The angular asymmetry correction (ParIndex 6).
enum class AngularMethod : Integer { None = 0, Reilman = 1, ReilmanEbel = 2 };

/// The analyser transmission (ParIndex 7): "FAT, CAE" T = E^-1, "FRR, CRR"
/// T = E^+1, Exponential T = E^ParNumber 5, or a transmission file.
enum class TransmissionType : Integer { None = 0, Fat = 1, Frr = 2, Exponential = 3, File = 4 };

/// How several lines of one element and chemical state are combined (ParIndex 8).
enum class MultilineApproach : Integer { None = 0, Average = 1, Ebel = 2 };

/// Completion of spin-orbit components from their whole subshell (ParLibrary 1).
enum class SplittingOption : Integer { None = 0, Theoretical = 1, Nominal = 2 };

/// Completion of cross-section sets 3..5 from the Scofield Mg set (ParLibrary 2).
enum class ScalingOption : Integer { None = 0, ClosestLine = 1, AverageFactor = 2 };

/// The material class of a matrix or layer for the IMFP formulas.
enum class MaterialClass : Integer { None = 0, Element = 1, Inorganic = 2, Polymer = 3 };

/// How the Sphere and Cylinder models find their intensities: the exact
/// straight-line integral over the core-shell particle or wire, or the nine
/// surface-angle classes of a flat stack (the large-radius limit). The single
/// row of spheres and islands on a curved substrate always use the classes.
enum class CurvedModel : Integer { Exact = 0, SurfaceAngleClasses = 1 };

/// Units of the Time, Tilt and Temperature labels (UnitIndex 0..2) and the
/// model's length unit (LenUnitA).
enum class TimeUnit : Integer { Second = 0, Minute = 1, Hour = 2, Day = 3 };
enum class TiltUnit : Integer { Degree = 0, Radian = 1 };
enum class TemperatureUnit : Integer { Kelvin = 0, Celsius = 1, Fahrenheit = 2 };
enum class LengthUnit : Integer { Nanometre = 0, Angstrom = 1 };

/// The code an option is stored as.
template<typename Option>
constexpr Integer CodeOf(Option option)
{
    return static_cast<Integer>(option);
}

}  // namespace slv
