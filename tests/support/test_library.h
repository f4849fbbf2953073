// Small element libraries for tests: a few elements with made-up but
// recognisable values, written through the program's own library writer,
// and a temporary program folder that holds one as SLV.lib.
#pragma once

#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "document/library_file.h"

namespace slv::test {

/// A line record; sets[0..4] are the values of sets 1..5 (-1 = not given).
inline LineRecord TestLine(std::string_view notation, float bindEnergy, std::array<float, 5> sets)
{
    LineRecord line;
    line.notation = notation;
    line.bindEnergy = bindEnergy;
    line.crossSect.fill(-1.0f);
    for (int set = 1; set <= kCrossSectionSets; ++set)
        line.crossSect[set] = sets[set - 1];
    return line;
}

inline ElementRecord TestElement(Integer Z, std::string_view symbol, float atWeight, float density,
                                 std::vector<LineRecord> lines)
{
    ElementRecord e;
    e.Z = Z;
    e.symbol = symbol;
    e.name = symbol;
    e.atWeight = atWeight;
    e.valence = 2;
    e.oxygens = 1;
    e.constants.fill(-1.0f);
    e.constants[kDensityConstant] = density;
    e.constants[kValenceElectronConstant] = static_cast<float>(Z % 10 + 1);
    e.lines = std::move(lines);
    return e;
}

/// beta = c0 + c1 Z for one subshell letter over Z 10..90.
inline AsymmetryEntry TestAsymmetry(std::string_view key, float c0, float c1)
{
    AsymmetryEntry entry;
    entry.key = key;
    entry.zLow = 10;
    entry.zHigh = 90;
    entry.c[0] = c0;
    entry.c[1] = c1;
    return entry;
}

/// C, O, Fe, Au and Xx (an element without lines). Wagner (set 4) has an
/// average factor of 4, Evans and Nefedov none (factor 0, no values).
inline LibraryContents SmallLibrary()
{
    LibraryContents c;
    c.averageFactor = {0.0f, 0.0f, 0.0f, 0.0f, 4.0f, 0.0f};
    c.asymmetryMg[0] = TestAsymmetry("p", 1.0f, 0.01f);
    c.asymmetryMg[1] = TestAsymmetry("f", 0.5f, 0.0f);
    c.asymmetryAl[0] = TestAsymmetry("p", 1.2f, 0.01f);
    c.asymmetryAl[1] = TestAsymmetry("f", 0.8f, 0.0f);
    for (int i = 0; i < kGeometryWeights; ++i) {
        c.sphere.weights[i] = 0.1f * static_cast<float>(i + 1);
        c.cylinder.weights[i] = static_cast<float>(i + 1);
        c.altSphere.weights[i] = 10.0f + static_cast<float>(i + 1);
    }
    c.sphere.name = "Sphere";
    c.cylinder.name = "Cylinder";
    c.altSphere.name = "Sphere row";
    c.elements = {
        TestElement(6, "C", 12.011f, 2.26f, {TestLine("1s", 284.2f, {1.0f, 1.0f, -1, 0.25f, -1})}),
        TestElement(8, "O", 15.999f, 1.14f, {TestLine("1s", 531.0f, {2.85f, 2.93f, -1, 0.66f, -1})}),
        TestElement(26, "Fe", 55.845f, 7.874f,
                    {TestLine("2s", 844.6f, {3.71f, 4.567f, -1, -1, -1}),
                     TestLine("2p1", 719.9f, {5.4f, 5.6f, -1, -1, -1}),
                     TestLine("2p3", 706.8f, {10.54f, 10.82f, -1, 2.0f, -1}),
                     TestLine("2p", 711.2f, {15.94f, 16.42f, -1, 3.0f, -1}),
                     TestLine("3p", 52.7f, {1.572f, 1.668f, -1, 0.26f, -1})}),
        TestElement(79, "Au", 196.97f, 19.3f,
                    {TestLine("4f5", 87.6f, {7.677f, 7.538f, -1, -1, -1}),
                     TestLine("4f7", 84.0f, {9.801f, 9.59f, -1, -1, -1}),
                     TestLine("4f", 85.5f, {17.48f, 17.13f, -1, 4.95f, -1})}),
        TestElement(100, "Xx", 257.0f, -1.0f, {}),
    };
    return c;
}

/// A fresh temporary folder holding bytes as SLV.lib (no file for empty
/// bytes); removed with everything in it when the object goes.
class LibraryFolder {
public:
    explicit LibraryFolder(const std::vector<std::byte>& bytes)
    {
        static int counter = 0;
        m_path = std::filesystem::temp_directory_path() /
                 ("slv_library_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
        std::filesystem::create_directories(m_path);
        if (bytes.empty())
            return;
        std::ofstream out(m_path / kLibraryFileName, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    ~LibraryFolder() { std::filesystem::remove_all(m_path); }
    LibraryFolder(const LibraryFolder&) = delete;
    LibraryFolder& operator=(const LibraryFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

}  // namespace slv::test
