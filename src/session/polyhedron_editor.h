// The "Polyhedron Editor" without its widgets. The nine shares of a
// polyhedron's surface by facet tilt (model/polyhedron_tilts.h) are the
// geometry correction factors PolyPar(1..9). The analyst enters each
// share in per cent for the tilt chosen with the slider, may normalise them
// to 100 % and stores them as fractions on acceptance.
//
// An area is never negative: a negative number is refused whether it is
// typed or pasted, and shares with a negative entry (as a damaged file may
// hold) are neither normalised nor stored, since their sum says nothing
// about the distribution.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "document/document.h"
#include "model/polyhedron_tilts.h"
#include "platform/user_dialogs.h"
#include "session/session.h"

namespace slv {

inline constexpr const char* kPolyhedronEditorCaption = "Polyhedron Editor";
inline constexpr const char* kAreaMask = "#0.0";
/// An area above this many per cent beeps but stands.
inline constexpr float kFullArea = 100.0f;
inline constexpr const char* kNegativeAreaText = "The area of every tilt angle must be 0 % or more    ";

using PolyhedronFactors = std::array<float, kPolyhedronParameters + 1>;  // PolyPar, 1-based

class PolyhedronEditor {
public:
    /// Opens on the stored factors: areas PolyPar(i) x 100, the slider at 0.
    PolyhedronEditor(const PolyhedronFactors& polyPar, UserDialogs& dialogs, char decSep);

    /// The nine areas, per cent, tilt 0 first.
    std::span<const float> areas() const { return m_area; }
    /// The selected class 1..9 and its slider position 0..8.
    int tiltClass() const { return m_class; }
    int sliderPosition() const { return m_class - 1; }
    /// The texts of the tilt box and the area box.
    std::string tiltText() const { return std::to_string(TiltOfClass(m_class)); }
    const std::string& areaText() const { return m_areaText; }

    /// The slider was moved: it snaps to the nearest whole step (returned).
    int moveSlider(double position);

    /// Whether a typed character is taken by the area box: digits, ',', '.'
    /// and Backspace.
    static bool acceptsKey(char key);

    /// The Delete key empties the area box, which reads as 0.
    void pressDelete();

    /// The area box's text changed (typed or pasted). Unusable text reads as
    /// 0; either ',' or '.' is the decimal separator. A value above 100 beeps
    /// and still stands. False, after a beep, for a negative value: the area
    /// keeps its value and areaText() the text to show again.
    bool changeAreaText(std::string_view text);

    /// The up/down control beside the area box: the area of the selected
    /// class moves by whole per cent, never below 0 nor above 100.
    void stepArea(int steps);

    /// Scales the areas to a sum of 100 when the sum is positive. False,
    /// after a message, when an area is negative or no number.
    bool normalize();

    /// All nine areas become 0.
    void clear();

    /// Normalises and stores PolyPar(i) = area(i) / 100; all zeros are
    /// stored as they are. False, leaving polyPar untouched, when the areas
    /// cannot be normalised.
    bool accept(PolyhedronFactors& polyPar);

    /// Accepts into the session's document: PolyPar replaced and the
    /// document marked changed when the factors differ. False, leaving the
    /// document as it was, when the areas cannot be normalised.
    bool acceptInto(Session& session);

private:
    bool areasUsable() const;
    void showArea();

    std::array<float, kTiltClasses> m_area{};
    int m_class = 1;
    std::string m_areaText;
    UserDialogs& m_dialogs;
    char m_decSep;
};

}  // namespace slv
