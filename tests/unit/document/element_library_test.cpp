// The element library the build writes (SLV.lib beside selvaro-cli), read
// back with the program's reader and checked against published values.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "document/asymmetry.h"
#include "document/element_library.h"
#include "document/library_entry.h"

namespace slv {
namespace {

const std::filesystem::path kProgramFolder = SLV_LIBRARY_DIR;

class GeneratedLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        opened = ReadLibrary(kProgramFolder);
        ASSERT_EQ(opened.status, LibraryOpenStatus::Ok) << opened.damage;
    }

    /// The file value of a line in a set, -1 when the line is not listed.
    float value(std::string_view symbol, std::string_view line, int set)
    {
        const LibraryEntry entry = FindElement(*opened.library, symbol, LookupOptions{});
        for (const LineRecord& record : entry.LibLines)
            if (record.notation.trimmedText() == line)
                return record.crossSect[set];
        return -1.0f;
    }

    LibraryOpenResult opened;
};

TEST_F(GeneratedLibrary, ScofieldCrossSectionsMatchThePublishedTable)
{
    // Scofield, J. Electron Spectrosc. 8 (1976) 129, relative to C 1s, as
    // quoted in anchors.md 3.7; the library's values agree to within 0.2 %.
    struct Case {
        const char* symbol;
        const char* line;
        float al;
        float mg;
    };
    const Case cases[] = {
        {"C", "1s", 1.00f, 1.00f},     {"O", "1s", 2.93f, 2.85f},     {"Si", "2p", 0.817f, 0.865f},
        {"Fe", "2p3", 10.82f, 10.54f}, {"Au", "4f7", 9.58f, 9.79f},   {"Au", "4f", 17.12f, 17.42f},
        {"N", "1s", 1.80f, 1.77f},     {"Ag", "3d5", 10.66f, 10.68f},
    };
    constexpr float kTolerance = 0.005f;  // relative; the rounding of the published values
    for (const Case& c : cases) {
        EXPECT_NEAR(value(c.symbol, c.line, kLibScofieldAl) / c.al, 1.0f, kTolerance) << c.symbol << " " << c.line;
        EXPECT_NEAR(value(c.symbol, c.line, kLibScofieldMg) / c.mg, 1.0f, kTolerance) << c.symbol << " " << c.line;
    }
}

TEST_F(GeneratedLibrary, WagnerFactorsAndTheSetsWithoutValues)
{
    // Wagner et al., Surf. Interface Anal. 3 (1981) 211, area factors with F 1s = 1.
    EXPECT_FLOAT_EQ(value("C", "1s", kLibWagner), 0.25f);
    EXPECT_FLOAT_EQ(value("O", "1s", kLibWagner), 0.66f);
    EXPECT_FLOAT_EQ(value("F", "1s", kLibWagner), 1.00f);
    EXPECT_FLOAT_EQ(value("Si", "2p", kLibWagner), 0.27f);
    // Evans and Nefedov values are not held: every value not given, factor 0.
    const auto& factor = opened.library->header().averageFactor;
    EXPECT_EQ(factor[kLibEvans], 0.0f);
    EXPECT_EQ(factor[kLibNefedov], 0.0f);
    EXPECT_NEAR(factor[kLibWagner], 4.2079f, 1e-4f);
    for (const DirectoryEntry& d : opened.library->directory())
        for (const LineRecord& line : opened.library->elementRecord(d.position).lines) {
            ASSERT_EQ(line.crossSect[kLibEvans], -1.0f) << d.symbol.trimmedText();
            ASSERT_EQ(line.crossSect[kLibNefedov], -1.0f) << d.symbol.trimmedText();
        }
}

TEST_F(GeneratedLibrary, HoldsAllElementsInOrderWithTheirConstants)
{
    const auto directory = opened.library->directory();
    ASSERT_EQ(directory.size(), 103u);
    for (std::size_t i = 0; i < directory.size(); ++i) {
        const ElementRecord e = opened.library->elementRecord(directory[i].position);
        ASSERT_EQ(e.Z, static_cast<Integer>(i + 1));
        ASSERT_EQ(e.symbol, directory[i].symbol);
        ASSERT_LE(e.lines.size(), 20u);
        ASSERT_TRUE(e.valence >= 0 && e.valence <= 8 && e.oxygens >= 0 && e.oxygens <= 8) << e.Z;
    }
    EXPECT_EQ(directory[25].symbol.trimmedText(), "Fe");
    EXPECT_FALSE(opened.library->damaged());

    // Densities, CRC Handbook of Chemistry and Physics: Cu 8.96, Au 19.3 g/cm3.
    const ElementRecord cu = opened.library->elementRecord(directory[28].position);
    const ElementRecord au = opened.library->elementRecord(directory[78].position);
    EXPECT_FLOAT_EQ(cu.density(), 8.96f);
    EXPECT_FLOAT_EQ(au.density(), 19.3f);
    // Atomic weights (IUPAC) and TPP-2M valence electrons (11 for Cu and Au).
    EXPECT_NEAR(cu.atWeight, 63.546f, 1e-3f);
    EXPECT_NEAR(au.atWeight, 196.967f, 1e-3f);
    EXPECT_EQ(cu.valenceElectrons(), 11.0f);
    EXPECT_EQ(au.valenceElectrons(), 11.0f);
}

TEST_F(GeneratedLibrary, AsymmetryAndGeometryWeights)
{
    LibraryFile& library = *opened.library;
    // The fitted points of data/beta_lines.csv: Au 4f 1.0435 (Al), Fe 2p 1.4452 (Mg);
    // the polynomials meet them within 0.001 for f and about 0.2 for p.
    EXPECT_NEAR(*LibraryAsymmetry(library, 79, "4f7", ExcitationSource::AlKAlpha), 1.0435f, 0.002f);
    EXPECT_NEAR(*LibraryAsymmetry(library, 26, "2p3", ExcitationSource::MgKAlpha), 1.4452f, 0.2f);
    EXPECT_EQ(LibraryAsymmetry(library, 79, "4s", ExcitationSource::AlKAlpha), kSLineAsymmetry);
    EXPECT_FALSE(LibraryAsymmetry(library, 20, "4f", ExcitationSource::AlKAlpha).has_value());  // f starts at Z 72
    EXPECT_FALSE(LibraryAsymmetry(library, 26, "2p", ExcitationSource::Other).has_value());

    // Sphere and cylinder weights are projected-area fractions that sum to 1.
    for (int section : {kSphereWeightSection, kCylinderWeightSection, kAltSphereWeightSection}) {
        const auto w = library.geometryRecord(section).weights;
        EXPECT_NEAR(std::accumulate(w.begin(), w.end(), 0.0f), 1.0f, 2e-3f) << section;
    }
    // Sphere: sin^2(10 deg) for the first class.
    EXPECT_NEAR(library.geometryRecord(kSphereWeightSection).weights[0], 0.030154f, 1e-6f);
}

}  // namespace
}  // namespace slv
