// The binary layout of the element library SLV.lib, read from and written to
// a byte buffer. The file is untrusted input: LibraryFile checks every
// section position, record position and line count against the buffer
// before it uses it and rejects values that are not finite numbers, so a
// truncated or hostile file is reported as damaged, never read out of
// bounds. LibraryBytes writes the same layout (used by the tool that builds
// the library and by tests).
//
// Layout (little-endian, no padding; positions are 1-based file positions):
//   header, 41 bytes at position 1:
//     0  text*4   magic "SLVL"
//     4  Integer  library version (400..499 accepted)
//     6  text*7   author field "R.Tavik"
//     13 8 x Integer  positions of sections 1..8 (0 = section absent)
//     29 3 x Single   average conversion factors of cross-section sets 3, 4, 5
//   sections 1, 2: asymmetry tables (Mg, Al K-alpha), 9 entries of 34 bytes:
//     text*2 subshell letter, Integer Zlow, Integer Zhigh, 7 x Single c0..c6
//   sections 3, 4, 5: geometry weights (sphere, cylinder, alternative sphere),
//     48 bytes: text*12 name, 9 x Single weights
//   sections 6, 7: not used
//   section 8: element directory, 103 entries of text*2 symbol + Long position
//   element record, 66 bytes, followed by its line records (43 bytes each):
//     0  Integer Z, 2 text*2 symbol, 4 text*12 name, 16 Single atomic weight,
//     20 Integer valence, 22 Integer oxygens, 24 10 x Single constants
//        (1 = density g/cm3, 5 = valence electrons), 64 Integer line count
//   line record: 0 text*3 notation, 3 Single binding energy (eV),
//     7 9 x Single cross sections (1..5 = sets 1..5, -1 = not given)
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/binary_io.h"
#include "document/document.h"

namespace slv {

inline constexpr std::string_view kLibraryFileName = "SLV.lib";
inline constexpr std::string_view kLibraryMagic = "SLVL";
inline constexpr std::string_view kLibraryAuthor = "R.Tavik";
inline constexpr Integer kLibraryVersion = 400;

inline constexpr int kLibrarySections = 8;
inline constexpr int kAsymmetrySectionMg = 1;
inline constexpr int kAsymmetrySectionAl = 2;
inline constexpr int kSphereWeightSection = 3;
inline constexpr int kCylinderWeightSection = 4;
inline constexpr int kAltSphereWeightSection = 5;
inline constexpr int kDirectorySection = 8;

inline constexpr int kLibraryElements = 103;  // directory entries, Z = 1..103
inline constexpr int kMaxLibLines = 20;       // line records per element
inline constexpr int kCrossSectionSets = 5;   // 1 Scofield Mg, 2 Scofield Al, 3 Evans, 4 Wagner, 5 Nefedov
inline constexpr int kFirstFactorSet = 3;     // the header factors belong to sets 3, 4, 5
inline constexpr int kAsymmetryEntries = 9;
inline constexpr int kAsymmetryCoefficients = 7;
inline constexpr int kGeometryWeights = 9;
inline constexpr int kElementConstants = 10;
inline constexpr int kDensityConstant = 1;
inline constexpr int kValenceElectronConstant = 5;
inline constexpr int kLineValues = 9;

inline constexpr std::size_t kLibraryHeaderSize = 41;
inline constexpr std::size_t kAsymmetryEntrySize = 34;
inline constexpr std::size_t kGeometryRecordSize = 48;
inline constexpr std::size_t kDirectoryEntrySize = 6;
inline constexpr std::size_t kElementRecordSize = 66;
inline constexpr std::size_t kLineRecordSize = 43;
/// No real library comes near this; a larger file is refused before it is read.
inline constexpr std::size_t kMaxLibraryBytes = 1u << 20;

struct LibraryHeader {
    std::string magic;  // raw 4 bytes
    Integer version = 0;
    std::string author;                                        // raw 7 bytes
    std::array<Integer, kLibrarySections + 1> sectionPos{};    // [1..8]
    std::array<float, kCrossSectionSets + 1> averageFactor{};  // [3..5]
};

struct AsymmetryEntry {
    FixedText<2> key;  // the subshell letter, blank for an unused entry
    Integer zLow = 0;
    Integer zHigh = 0;
    std::array<float, kAsymmetryCoefficients> c{};

    friend bool operator==(const AsymmetryEntry&, const AsymmetryEntry&) = default;
};
using AsymmetryTable = std::array<AsymmetryEntry, kAsymmetryEntries>;

struct GeometryWeightRecord {
    FixedText<12> name;
    std::array<float, kGeometryWeights> weights{};

    friend bool operator==(const GeometryWeightRecord&, const GeometryWeightRecord&) = default;
};

struct LineRecord {
    LineNotation notation;
    float bindEnergy = 0.0f;
    std::array<float, kLineValues> crossSect{};  // [1..5] = sets 1..5

    friend bool operator==(const LineRecord&, const LineRecord&) = default;
};

struct ElementRecord {
    Integer Z = 0;
    Symbol symbol;
    FixedText<12> name;
    float atWeight = 0.0f;
    Integer valence = 0;
    Integer oxygens = 0;
    std::array<float, kElementConstants> constants{};
    std::vector<LineRecord> lines;  // at most kMaxLibLines

    float density() const { return constants[kDensityConstant]; }
    float valenceElectrons() const { return constants[kValenceElectronConstant]; }
    friend bool operator==(const ElementRecord&, const ElementRecord&) = default;
};

struct DirectoryEntry {
    Symbol symbol;
    std::int32_t position = 0;  // 1-based position of the element record
};

/// What OpenLibrary found wrong with a library.
enum class LibraryFault {
    None,
    IllegalHeader,        // too short for a header, or neither magic nor author field match
    IncompatibleVersion,  // version / 100 is not 4
    Damaged,              // a section, record or count does not fit the file
};

/// The library's bytes with a checked header. Reads are sticky like the byte
/// reader's: after the first damaged section or record damaged() is true,
/// damage() says what was wrong, and later reads return empty records.
class LibraryFile {
public:
    explicit LibraryFile(std::vector<std::byte> bytes);

    /// The header check; only a file with LibraryFault::None may be read further.
    LibraryFault headerFault() const { return m_headerFault; }
    const LibraryHeader& header() const { return m_header; }

    /// The table of section 1 or 2, read once and then kept: completion and
    /// lookup ask for it for every line.
    AsymmetryTable asymmetryTable(int section);
    GeometryWeightRecord geometryRecord(int section);
    /// The directory entries in file order.
    std::vector<DirectoryEntry> directory();
    /// The record position of the first entry whose trimmed symbol equals the
    /// trimmed symbol; 0 when there is none.
    std::int32_t directoryPosition(std::string_view symbol);
    ElementRecord elementRecord(std::int32_t position);

    bool damaged() const { return !m_damage.empty(); }
    const std::string& damage() const { return m_damage; }

private:
    /// A reader placed at a section's start, or a failed one.
    ByteReader sectionReader(int section, std::string_view what);
    void markDamaged(std::string text);

    std::vector<std::byte> m_bytes;
    LibraryHeader m_header;
    LibraryFault m_headerFault = LibraryFault::None;
    std::string m_damage;
    std::array<std::optional<AsymmetryTable>, 2> m_asymmetryTables;  // sections 1, 2 once read
};

/// Everything a library holds, as the writer takes it and the full parse returns it.
struct LibraryContents {
    Integer version = kLibraryVersion;
    std::array<float, kCrossSectionSets + 1> averageFactor{};  // [3..5]
    AsymmetryTable asymmetryMg{};
    AsymmetryTable asymmetryAl{};
    GeometryWeightRecord sphere;
    GeometryWeightRecord cylinder;
    GeometryWeightRecord altSphere;
    std::vector<ElementRecord> elements;  // in directory order, at most kLibraryElements

    friend bool operator==(const LibraryContents&, const LibraryContents&) = default;
};

/// The library file for the contents: header, sections 1..5, the directory
/// (unused entries blank with position 0), then the element records in order.
std::vector<std::byte> LibraryBytes(const LibraryContents& contents);

struct LibraryParse {
    LibraryFault fault = LibraryFault::None;
    std::string detail;  // what is damaged, for LibraryFault::Damaged
    LibraryContents contents;
};

/// Reads and checks a whole library: header, every section and every element
/// record the directory names. Any input is safe to pass.
LibraryParse ParseLibrary(std::span<const std::byte> bytes);

}  // namespace slv
