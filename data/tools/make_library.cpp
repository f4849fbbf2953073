// make_library: writes the element library SLV.lib from the readable source
// tables of the data folder (see data/README.md).
//
//   make_library DATA_FOLDER OUTPUT_FILE
//
// Every cell is checked: a table that does not fit the library layout (an
// unknown element, more than 20 lines, a text too long for its field, a
// number that does not parse) stops the tool with the file and line named,
// so the build fails instead of shipping a wrong library. The written bytes
// are read back with the program's own reader before they replace the
// output file.
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "document/library_file.h"

namespace {

using slv::Integer;

// Cells of the tables that are not given.
constexpr float kNotGiven = -1.0f;
// A set the library holds no values of has the average factor 0.
constexpr float kNoFactor = 0.0f;

/// A table error: names the file and line.
struct TableError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Row {
    std::string where;  // "file.csv line n"
    std::map<std::string, std::string> cells;

    const std::string& cell(const std::string& column) const
    {
        const auto it = cells.find(column);
        if (it == cells.end())
            throw TableError(where + ": no column " + column);
        return it->second;
    }
    [[noreturn]] void fail(const std::string& what) const { throw TableError(where + ": " + what); }

    template<typename T>
    T number(const std::string& column) const
    {
        const std::string& text = cell(column);
        T value{};
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || error != std::errc() || end != text.data() + text.size())
            fail(column + " '" + text + "' is not a number");
        return value;
    }
    /// An empty cell gives `empty`.
    float single(const std::string& column, float empty) const
    {
        return cell(column).empty() ? empty : number<float>(column);
    }
    std::string text(const std::string& column, std::size_t width) const
    {
        const std::string& value = cell(column);
        if (value.size() > width)
            fail(column + " '" + value + "' is longer than " + std::to_string(width) + " characters");
        return value;
    }
};

std::vector<std::string> splitCells(const std::string& line)
{
    std::vector<std::string> cells;
    std::stringstream stream(line);
    std::string cell;
    while (std::getline(stream, cell, ','))
        cells.push_back(cell);
    if (!line.empty() && line.back() == ',')
        cells.emplace_back();
    return cells;
}

std::vector<Row> readTable(const std::filesystem::path& folder, const std::string& name)
{
    std::ifstream file(folder / name);
    if (!file)
        throw TableError(name + ": cannot be opened");
    std::string line;
    std::getline(file, line);
    auto strip = [](std::string& text) {
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
    };
    strip(line);
    const std::vector<std::string> header = splitCells(line);
    std::vector<Row> rows;
    for (int number = 2; std::getline(file, line); ++number) {
        strip(line);
        if (line.empty())
            continue;
        Row row{name + " line " + std::to_string(number), {}};
        const std::vector<std::string> cells = splitCells(line);
        if (cells.size() != header.size())
            row.fail("has " + std::to_string(cells.size()) + " cells, the header " + std::to_string(header.size()));
        for (std::size_t i = 0; i < cells.size(); ++i)
            row.cells[header[i]] = cells[i];
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<slv::ElementRecord> readElements(const std::filesystem::path& folder)
{
    std::vector<slv::ElementRecord> elements;
    for (const Row& row : readTable(folder, "elements.csv")) {
        slv::ElementRecord e;
        e.Z = row.number<Integer>("Z");
        if (e.Z != static_cast<Integer>(elements.size() + 1))
            row.fail("elements must be listed by Z from 1 on");
        e.symbol = row.text("symbol", 2);
        e.name = row.text("name", 12);
        e.atWeight = row.number<float>("atomic_weight");
        e.valence = row.number<Integer>("valence");
        e.oxygens = row.number<Integer>("oxygens");
        e.constants.fill(kNotGiven);  // only density and valence electrons are defined
        e.constants[slv::kDensityConstant] = row.single("density", kNotGiven);
        e.constants[slv::kValenceElectronConstant] = row.single("valence_electrons", kNotGiven);
        elements.push_back(std::move(e));
    }
    if (elements.size() != slv::kLibraryElements)
        throw TableError("elements.csv: " + std::to_string(elements.size()) + " elements, the library holds 103");
    return elements;
}

void readLines(const std::filesystem::path& folder, std::vector<slv::ElementRecord>& elements)
{
    static const char* const kSetColumns[] = {"cs_scofield_mg", "cs_scofield_al", "cs_evans", "cs_wagner",
                                              "cs_nefedov"};
    for (const Row& row : readTable(folder, "lines.csv")) {
        const int Z = row.number<int>("Z");
        if (Z < 1 || Z > slv::kLibraryElements)
            row.fail("no element with Z " + std::to_string(Z));
        slv::ElementRecord& e = elements[Z - 1];
        if (row.cell("symbol") != e.symbol.trimmedText())
            row.fail("symbol " + row.cell("symbol") + " is not that of Z " + std::to_string(Z));
        if (e.lines.size() == slv::kMaxLibLines)
            row.fail(e.symbol.trimmedText() + " has more than 20 lines");
        slv::LineRecord line;
        line.notation = row.text("line", 3);
        line.bindEnergy = row.number<float>("binding_energy");
        line.crossSect.fill(kNotGiven);
        for (int set = 1; set <= slv::kCrossSectionSets; ++set)
            line.crossSect[set] = row.single(kSetColumns[set - 1], kNotGiven);
        e.lines.push_back(line);
    }
}

void readAsymmetry(const std::filesystem::path& folder, slv::LibraryContents& contents)
{
    std::map<std::string, std::pair<slv::AsymmetryTable*, std::size_t>> tables = {{"mg", {&contents.asymmetryMg, 0}},
                                                                                  {"al", {&contents.asymmetryAl, 0}}};
    for (const Row& row : readTable(folder, "asymmetry.csv")) {
        const auto it = tables.find(row.cell("source"));
        if (it == tables.end())
            row.fail("source must be mg or al");
        auto& [table, used] = it->second;
        if (used == slv::kAsymmetryEntries)
            row.fail("more than 9 entries for one source");
        slv::AsymmetryEntry& entry = (*table)[used++];
        entry.key = row.text("key", 2);
        entry.zLow = row.number<Integer>("z_low");
        entry.zHigh = row.number<Integer>("z_high");
        for (int i = 0; i < slv::kAsymmetryCoefficients; ++i)
            entry.c[i] = row.number<float>("c" + std::to_string(i));
    }
    // Unused entries keep a blank key and zeros, so that no subshell letter finds them.
}

void readGeometryWeights(const std::filesystem::path& folder, slv::LibraryContents& contents)
{
    const std::map<std::string, std::pair<slv::GeometryWeightRecord*, std::string>> records = {
        {"sphere", {&contents.sphere, "Sphere"}},
        {"cylinder", {&contents.cylinder, "Cylinder"}},
        {"sphere_row", {&contents.altSphere, "Sphere row"}}};
    int found = 0;
    for (const Row& row : readTable(folder, "geometry_weights.csv")) {
        const auto it = records.find(row.cell("record"));
        if (it == records.end())
            row.fail("record must be sphere, cylinder or sphere_row");
        auto [record, name] = it->second;
        record->name = name;
        for (int i = 0; i < slv::kGeometryWeights; ++i)
            record->weights[i] = row.number<float>("w" + std::to_string(i + 1));
        ++found;
    }
    if (found != static_cast<int>(records.size()))
        throw TableError("geometry_weights.csv: needs the records sphere, cylinder and sphere_row");
}

void readAverageFactors(const std::filesystem::path& folder, slv::LibraryContents& contents)
{
    const std::map<std::string, int> sets = {{"evans", 3}, {"wagner", 4}, {"nefedov", 5}};
    for (const Row& row : readTable(folder, "average_factors.csv")) {
        const auto it = sets.find(row.cell("set"));
        if (it == sets.end())
            row.fail("set must be evans, wagner or nefedov");
        contents.averageFactor[it->second] = row.single("factor", kNoFactor);
    }
}

void writeReplacing(const std::filesystem::path& path, const std::vector<std::byte>& bytes)
{
    std::filesystem::path temporary = path;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush())
            throw TableError(temporary.string() + ": cannot be written");
    }
    std::filesystem::rename(temporary, path);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: make_library DATA_FOLDER OUTPUT_FILE\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        slv::LibraryContents contents;
        contents.elements = readElements(folder);
        readLines(folder, contents.elements);
        readAsymmetry(folder, contents);
        readGeometryWeights(folder, contents);
        readAverageFactors(folder, contents);

        const std::vector<std::byte> bytes = slv::LibraryBytes(contents);
        const slv::LibraryParse check = slv::ParseLibrary(bytes);
        if (check.fault != slv::LibraryFault::None || check.contents != contents)
            throw TableError("the written library does not read back: " + check.detail);
        writeReplacing(argv[2], bytes);
    } catch (const std::exception& e) {
        std::cerr << "make_library: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
