// The byte layout of data (.lvd) and template (.lvt) files, shared by the
// reader and the writer: magics, stamps, the capacities every count is checked
// against, and what each accepted format version stores.
//
// A file is a header (magic, program stamp, format version) followed by the
// document field after field, little-endian, without gaps: the counted
// parameter blocks, the label and unit choices, the element records, one
// record per experiment, the model block, the notes and the end marker "lvdE".
// Versions 210..230 use the current layout; versions 102..143 an older one
// that interleaves intensities with IMFPs and keeps the fit thicknesses next
// to each layer.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "document/document.h"

namespace slv {

inline constexpr std::string_view kDataFileMagic = "SLVD";
inline constexpr std::string_view kTemplateFileMagic = "SLVT";
inline constexpr std::string_view kEndMarker = "lvdE";
inline constexpr std::size_t kMagicBytes = 4;

/// The program stamp written after the magic; readers never check it.
inline constexpr Integer kProgramVersionStamp = 700;
inline constexpr Integer kCurrentFormatVersion = 230;

/// The model block's flag records the intensity model of Sphere and Cylinder:
/// readers of the current format only ask whether it is 0 (no model block), so
/// they read a file that records the exact integral and evaluate it with the
/// surface-angle classes, and keep the value when they save it again. A flag
/// of any other non-zero value (all files written before the choice existed)
/// means the classes; a file without a model block leaves the new-document
/// choice.
inline constexpr Integer kModelOnSurfaceAngleClasses = 1;
inline constexpr Integer kModelOnExactParticles = 2;

/// The largest file start the reader looks at. The largest document
/// (two 32767-byte parameter texts, 32767 bytes of notes, full tables) takes
/// about 110 KB; whatever lies further out is past any end marker.
inline constexpr std::size_t kMaxDataFileBytes = 1 << 20;

// Fixed text widths.
inline constexpr std::size_t kSymbolWidth = 2;
inline constexpr std::size_t kLineWidth = 3;
inline constexpr std::size_t kStateWidth = 10;
inline constexpr std::size_t kLabelWidth = 15;
inline constexpr std::size_t kLayerNameWidth = 12;

/// What a format version stores. Versions compare in order, so a feature
/// that appeared in an older version is present in all current ones.
struct FormatVersion {
    int number = 0;

    static constexpr std::array<int, 14> kAccepted = {102, 111, 112, 120, 121, 124, 130,
                                                      140, 141, 142, 143, 210, 220, 230};

    bool accepted() const { return std::find(kAccepted.begin(), kAccepted.end(), number) != kAccepted.end(); }
    bool currentLayout() const { return number >= 210; }

    // Experiment records.
    bool hasExpMatClass() const { return number >= 220; }

    // Model block.
    bool hasInnerRadius() const { return number >= 230; }
    bool lenUnitIsSingle() const { return number < 103; }
    bool hasBandGap() const { return number >= 131; }
    bool hasLayerImfpMaterial() const { return number >= 141; }  // LayerValElec, LayerMatClass
    bool hasLayerKind() const { return number >= 103; }
    bool hasLayerLink() const { return number >= 122; }
    bool layerRowsFromHydrogen() const { return number >= 141; }
    bool layerCompIsInteger() const { return number < 113; }
    bool hasModelFlags() const { return number >= 122; }  // ElModelFlag, MultiLayers, AutoCov
    bool hasArxps() const { return number >= 142; }

    bool hasEndMarker() const { return number > 120; }

    // Conversions applied after reading.
    bool storesCombinedModelCode() const { return !currentLayout(); }
    bool needsLibraryOptionConversion() const { return number < 124; }
};

/// The conversions an older version needs after reading: the combined model
/// code of ParIndex[0] becomes model type and islands switch (ParIndex[11]),
/// and the library options take their present meaning.
void ConvertOlderVersion(Document& doc, FormatVersion version);

}  // namespace slv
