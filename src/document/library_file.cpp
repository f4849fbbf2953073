#include "document/library_file.h"

#include <algorithm>
#include <cmath>

namespace slv {

namespace {

constexpr std::size_t kMagicSize = 4;
constexpr std::size_t kAuthorSize = 7;
constexpr std::size_t kKeySize = 2;
constexpr std::size_t kSymbolSize = 2;
constexpr std::size_t kElementNameSize = 12;
constexpr std::size_t kGeometryNameSize = 12;
constexpr std::size_t kNotationSize = 3;
constexpr int kVersionMajor = 4;
constexpr Integer kHighestAtomicNumber = kLibraryElements;

template<std::size_t N>
bool allFinite(const std::array<float, N>& values)
{
    return std::all_of(values.begin(), values.end(), [](float v) { return std::isfinite(v); });
}

template<std::size_t N>
std::array<float, N> readSingles(ByteReader& in)
{
    std::array<float, N> values{};
    for (float& v : values)
        v = in.single();
    return values;
}

template<std::size_t N>
void writeSingles(ByteWriter& out, const std::array<float, N>& values)
{
    for (float v : values)
        out.single(v);
}

LibraryHeader readHeader(ByteReader& in)
{
    LibraryHeader h;
    h.magic = in.fixedText(kMagicSize);
    h.version = in.integer();
    h.author = in.fixedText(kAuthorSize);
    for (int s = 1; s <= kLibrarySections; ++s)
        h.sectionPos[s] = in.integer();
    for (int k = kFirstFactorSet; k <= kCrossSectionSets; ++k)
        h.averageFactor[k] = in.single();
    return h;
}

LibraryFault checkHeader(const LibraryHeader& h, bool complete)
{
    // A file passes when at least one of magic and author field is right.
    if (!complete || (h.magic != kLibraryMagic && h.author != kLibraryAuthor))
        return LibraryFault::IllegalHeader;
    if (h.version / 100 != kVersionMajor)
        return LibraryFault::IncompatibleVersion;
    return LibraryFault::None;
}

AsymmetryEntry readAsymmetryEntry(ByteReader& in)
{
    AsymmetryEntry e;
    e.key = in.fixedText(kKeySize);
    e.zLow = in.integer();
    e.zHigh = in.integer();
    e.c = readSingles<kAsymmetryCoefficients>(in);
    return e;
}

LineRecord readLineRecord(ByteReader& in)
{
    LineRecord line;
    line.notation = in.fixedText(kNotationSize);
    line.bindEnergy = in.single();
    line.crossSect = readSingles<kLineValues>(in);
    return line;
}

bool lineIsFinite(const LineRecord& line)
{
    return std::isfinite(line.bindEnergy) && allFinite(line.crossSect);
}

std::string sectionName(int section)
{
    return "section " + std::to_string(section);
}

}  // namespace

LibraryFile::LibraryFile(std::vector<std::byte> bytes) : m_bytes(std::move(bytes))
{
    ByteReader in(m_bytes);
    m_header = readHeader(in);
    m_headerFault = checkHeader(m_header, in.ok());
    // The completion divides by the average factors: they must be numbers.
    for (int k = kFirstFactorSet; k <= kCrossSectionSets; ++k)
        if (m_headerFault == LibraryFault::None && !std::isfinite(m_header.averageFactor[k]))
            markDamaged("the average factors of the header are not numbers");
}

void LibraryFile::markDamaged(std::string text)
{
    if (m_damage.empty())
        m_damage = std::move(text);
}

ByteReader LibraryFile::sectionReader(int section, std::string_view what)
{
    const int position = section >= 1 && section <= kLibrarySections ? m_header.sectionPos[section] : 0;
    if (damaged() || position < 1) {
        markDamaged(std::string(what) + " (" + sectionName(section) + ") is missing");
        return ByteReader({});  // every read from an empty span fails
    }
    ByteReader in(m_bytes);
    in.seek(static_cast<std::size_t>(position) - 1);
    return in;
}

AsymmetryTable LibraryFile::asymmetryTable(int section)
{
    const bool keptSection = section == kAsymmetrySectionMg || section == kAsymmetrySectionAl;
    std::optional<AsymmetryTable>* kept = keptSection ? &m_asymmetryTables[section - kAsymmetrySectionMg] : nullptr;
    // A library found damaged since then answers as it does for every section.
    if (kept && *kept && !damaged())
        return **kept;
    ByteReader in = sectionReader(section, "asymmetry table");
    AsymmetryTable table{};
    if (!in.requireElements(kAsymmetryEntries, kAsymmetryEntrySize)) {
        markDamaged("asymmetry table (" + sectionName(section) + ") lies outside the file");
        return {};
    }
    for (auto& entry : table) {
        entry = readAsymmetryEntry(in);
        if (!allFinite(entry.c)) {
            markDamaged("asymmetry table (" + sectionName(section) + ") holds a value that is not a number");
            return {};
        }
    }
    if (kept)
        *kept = table;
    return table;
}

GeometryWeightRecord LibraryFile::geometryRecord(int section)
{
    ByteReader in = sectionReader(section, "geometry weight record");
    GeometryWeightRecord record;
    record.name = in.fixedText(kGeometryNameSize);
    record.weights = readSingles<kGeometryWeights>(in);
    if (!in.ok()) {
        markDamaged("geometry weight record (" + sectionName(section) + ") lies outside the file");
        return {};
    }
    if (!allFinite(record.weights)) {
        markDamaged("geometry weight record (" + sectionName(section) + ") holds a value that is not a number");
        return {};
    }
    return record;
}

std::vector<DirectoryEntry> LibraryFile::directory()
{
    ByteReader in = sectionReader(kDirectorySection, "element directory");
    if (!in.requireElements(kLibraryElements, kDirectoryEntrySize)) {
        markDamaged("element directory lies outside the file");
        return {};
    }
    std::vector<DirectoryEntry> entries(kLibraryElements);
    for (auto& entry : entries) {
        entry.symbol = in.fixedText(kSymbolSize);
        entry.position = in.longInteger();
    }
    return entries;
}

std::int32_t LibraryFile::directoryPosition(std::string_view symbol)
{
    const std::string_view wanted = trimmed(symbol);
    if (wanted.empty())
        return 0;
    ByteReader in = sectionReader(kDirectorySection, "element directory");
    for (int i = 0; i < kLibraryElements; ++i) {
        const std::string entrySymbol = in.fixedText(kSymbolSize);
        const std::int32_t position = in.longInteger();
        if (!in.ok()) {
            markDamaged("element directory lies outside the file");
            return 0;
        }
        if (trimmed(entrySymbol) == wanted)
            return position;
    }
    return 0;
}

ElementRecord LibraryFile::elementRecord(std::int32_t position)
{
    ByteReader in(m_bytes);
    if (damaged() || position < 1) {
        markDamaged("element record position " + std::to_string(position) + " lies outside the file");
        return {};
    }
    in.seek(static_cast<std::size_t>(position) - 1);
    ElementRecord e;
    e.Z = in.integer();
    e.symbol = in.fixedText(kSymbolSize);
    e.name = in.fixedText(kElementNameSize);
    e.atWeight = in.single();
    e.valence = in.integer();
    e.oxygens = in.integer();
    e.constants = readSingles<kElementConstants>(in);
    const Integer lineCount = in.integer();
    const std::string label = "element record at position " + std::to_string(position);
    if (!in.ok()) {
        markDamaged(label + " lies outside the file");
        return {};
    }
    if (e.Z < 1 || e.Z > kHighestAtomicNumber) {
        markDamaged(label + " has the atomic number " + std::to_string(e.Z));
        return {};
    }
    if (lineCount < 0 || lineCount > kMaxLibLines) {
        markDamaged(label + " has " + std::to_string(lineCount) + " lines (at most 20)");
        return {};
    }
    if (!in.requireElements(static_cast<std::uint64_t>(lineCount), kLineRecordSize)) {
        markDamaged(label + ": its lines lie outside the file");
        return {};
    }
    e.lines.reserve(static_cast<std::size_t>(lineCount));
    for (int i = 0; i < lineCount; ++i)
        e.lines.push_back(readLineRecord(in));
    const bool finite = std::isfinite(e.atWeight) && allFinite(e.constants) &&
                        std::all_of(e.lines.begin(), e.lines.end(), lineIsFinite);
    if (!finite) {
        markDamaged(label + " holds a value that is not a number");
        return {};
    }
    return e;
}

std::vector<std::byte> LibraryBytes(const LibraryContents& contents)
{
    const std::size_t asymmetrySize = kAsymmetryEntries * kAsymmetryEntrySize;
    std::array<std::size_t, kLibrarySections + 1> start{};
    start[kAsymmetrySectionMg] = kLibraryHeaderSize + 1;
    start[kAsymmetrySectionAl] = start[kAsymmetrySectionMg] + asymmetrySize;
    start[kSphereWeightSection] = start[kAsymmetrySectionAl] + asymmetrySize;
    start[kCylinderWeightSection] = start[kSphereWeightSection] + kGeometryRecordSize;
    start[kAltSphereWeightSection] = start[kCylinderWeightSection] + kGeometryRecordSize;
    start[kDirectorySection] = start[kAltSphereWeightSection] + kGeometryRecordSize;
    const std::size_t firstRecord = start[kDirectorySection] + kLibraryElements * kDirectoryEntrySize;

    ByteWriter out;
    out.fixedText(kLibraryMagic, kMagicSize);
    out.integer(contents.version);
    out.fixedText(kLibraryAuthor, kAuthorSize);
    for (int s = 1; s <= kLibrarySections; ++s)
        out.integer(static_cast<Integer>(start[s]));  // sections 6, 7 stay 0: absent
    for (int k = kFirstFactorSet; k <= kCrossSectionSets; ++k)
        out.single(contents.averageFactor[k]);

    for (const AsymmetryTable* table : {&contents.asymmetryMg, &contents.asymmetryAl}) {
        for (const AsymmetryEntry& e : *table) {
            out.fixedText(e.key.padded(), kKeySize);
            out.integer(e.zLow);
            out.integer(e.zHigh);
            writeSingles(out, e.c);
        }
    }
    for (const GeometryWeightRecord* record : {&contents.sphere, &contents.cylinder, &contents.altSphere}) {
        out.fixedText(record->name.padded(), kGeometryNameSize);
        writeSingles(out, record->weights);
    }

    std::size_t position = firstRecord;
    for (int i = 0; i < kLibraryElements; ++i) {
        const bool used = i < static_cast<int>(contents.elements.size());
        out.fixedText(used ? contents.elements[i].symbol.padded() : "", kSymbolSize);
        out.longInteger(used ? static_cast<std::int32_t>(position) : 0);
        if (used)
            position += kElementRecordSize + contents.elements[i].lines.size() * kLineRecordSize;
    }
    for (const ElementRecord& e : contents.elements) {
        out.integer(e.Z);
        out.fixedText(e.symbol.padded(), kSymbolSize);
        out.fixedText(e.name.padded(), kElementNameSize);
        out.single(e.atWeight);
        out.integer(e.valence);
        out.integer(e.oxygens);
        writeSingles(out, e.constants);
        out.integer(static_cast<Integer>(e.lines.size()));
        for (const LineRecord& line : e.lines) {
            out.fixedText(line.notation.padded(), kNotationSize);
            out.single(line.bindEnergy);
            writeSingles(out, line.crossSect);
        }
    }
    return out.bytes();
}

LibraryParse ParseLibrary(std::span<const std::byte> bytes)
{
    LibraryParse parse;
    if (bytes.size() > kMaxLibraryBytes) {
        parse.fault = LibraryFault::Damaged;
        parse.detail = "the file is larger than any element library";
        return parse;
    }
    LibraryFile file({bytes.begin(), bytes.end()});
    parse.fault = file.headerFault();
    if (parse.fault != LibraryFault::None)
        return parse;

    LibraryContents& c = parse.contents;
    c.version = file.header().version;
    c.averageFactor = file.header().averageFactor;
    c.asymmetryMg = file.asymmetryTable(kAsymmetrySectionMg);
    c.asymmetryAl = file.asymmetryTable(kAsymmetrySectionAl);
    c.sphere = file.geometryRecord(kSphereWeightSection);
    c.cylinder = file.geometryRecord(kCylinderWeightSection);
    c.altSphere = file.geometryRecord(kAltSphereWeightSection);
    for (const DirectoryEntry& entry : file.directory()) {
        if (entry.symbol.isBlank())
            continue;
        c.elements.push_back(file.elementRecord(entry.position));
        if (file.damaged())
            break;
    }
    if (file.damaged()) {
        parse.fault = LibraryFault::Damaged;
        parse.detail = file.damage();
    }
    return parse;
}

}  // namespace slv
