#include <gtest/gtest.h>

#include "document/library_entry.h"
#include "support/test_library.h"

namespace slv {
namespace {

constexpr float kNone = -1.0f;
constexpr float kAlKAlphaEv = 1486.6f;

/// The entry of a one-element library (Fe, Z 26) holding the lines, as
/// FindElement reads and completes it; factors are those of sets 3, 4, 5.
LibraryEntry completed(std::vector<LineRecord> lines, SplittingOption splitting, ScalingOption scaling,
                       std::array<float, 3> factors = {0.0f, 4.0f, 0.0f})
{
    LibraryContents contents = test::SmallLibrary();
    contents.averageFactor = {0.0f, 0.0f, 0.0f, factors[0], factors[1], factors[2]};
    contents.elements = {test::TestElement(26, "Fe", 55.845f, 7.874f, std::move(lines))};
    LibraryFile file(LibraryBytes(contents));
    LookupOptions options;
    options.splitting = splitting;
    options.scaling = scaling;
    options.excEnergy = kAlKAlphaEv;
    LibraryEntry entry = FindElement(file, "Fe", options);
    EXPECT_FALSE(file.damaged()) << file.damage();
    return entry;
}

TEST(CrossSectionCompletion, NominalSplittingGivesTheOccupancyShares)
{
    struct Case {
        const char* lower;
        const char* upper;
        const char* whole;
        float lowerShare;
        float upperShare;
    };
    // (2j + 1) shares of the two components: p 2:4, d 4:6, f 6:8.
    const Case cases[] = {
        {"2p1", "2p3", "2p", 1.0f / 3.0f, 2.0f / 3.0f},
        {"3d3", "3d5", "3d", 2.0f / 5.0f, 3.0f / 5.0f},
        {"4f5", "4f7", "4f", 3.0f / 7.0f, 4.0f / 7.0f},
    };
    for (const Case& c : cases) {
        // Only the whole subshell has an Evans, a Wagner and a Nefedov value; the
        // Wagner value of the upper component is replaced by its share.
        const LibraryEntry e = completed({test::TestLine(c.lower, 100.0f, {1.0f, 1.0f, kNone, kNone, kNone}),
                                          test::TestLine(c.upper, 99.0f, {2.0f, 2.0f, kNone, 9.0f, kNone}),
                                          test::TestLine(c.whole, 99.5f, {3.0f, 3.0f, 7.0f, 3.5f, 14.0f})},
                                         SplittingOption::Nominal, ScalingOption::None);
        for (int set : {kLibEvans, kLibWagner, kLibNefedov}) {
            const float whole = e.LibLines[2].crossSect[set];
            EXPECT_FLOAT_EQ(e.LibLines[0].crossSect[set], whole * c.lowerShare) << c.whole << " set " << set;
            EXPECT_FLOAT_EQ(e.LibLines[1].crossSect[set], whole * c.upperShare) << c.whole << " set " << set;
            EXPECT_EQ(e.LibOrigin[0][set], kFromSpinOrbit);
            EXPECT_EQ(e.LibOrigin[1][set], kFromSpinOrbit);
            EXPECT_EQ(e.LibOrigin[2][set], kFromFile);
        }
        // The theoretical sets are never touched.
        EXPECT_EQ(e.LibLines[1].crossSect[kLibScofieldMg], 2.0f);
    }
}

TEST(CrossSectionCompletion, TheoreticalSplittingFollowsTheScofieldRatio)
{
    const LibraryEntry e = completed({test::TestLine("2p1", 719.9f, {5.4f, 5.6f, kNone, kNone, kNone}),
                                      test::TestLine("2p3", 706.8f, {10.54f, 10.82f, kNone, 2.0f, kNone}),
                                      test::TestLine("2p", 711.2f, {15.94f, 16.42f, kNone, 3.0f, kNone}),
                                      // A subshell whose component lacks a theoretical value stays as it is.
                                      test::TestLine("3p1", 52.7f, {kNone, 0.6f, kNone, kNone, kNone}),
                                      test::TestLine("3p3", 52.7f, {1.0f, 1.1f, kNone, kNone, kNone}),
                                      test::TestLine("3p", 52.7f, {1.5f, 1.7f, kNone, 0.26f, kNone})},
                                     SplittingOption::Theoretical, ScalingOption::None);
    EXPECT_FLOAT_EQ(e.LibLines[0].crossSect[kLibWagner], 3.0f / 15.94f * 5.4f);
    EXPECT_FLOAT_EQ(e.LibLines[1].crossSect[kLibWagner], 3.0f / 15.94f * 10.54f);
    EXPECT_EQ(e.LibOrigin[1][kLibWagner], kFromSpinOrbit);
    EXPECT_EQ(e.LibLines[3].crossSect[kLibWagner], kNone);
    EXPECT_EQ(e.LibOrigin[3][kLibWagner], kNoValue);
    EXPECT_EQ(e.LibOrigin[4][kLibWagner], kNoValue);
}

TEST(CrossSectionCompletion, RecordsThatAreNoSubshellTripleAreNotSplit)
{
    // 2p1, 2p3 followed by 3p, and a whole subshell without components before it.
    const LibraryEntry e = completed({test::TestLine("2p", 711.2f, {15.94f, 16.42f, kNone, 3.0f, kNone}),
                                      test::TestLine("2p1", 719.9f, {5.4f, 5.6f, kNone, kNone, kNone}),
                                      test::TestLine("2p3", 706.8f, {10.54f, 10.82f, kNone, kNone, kNone}),
                                      test::TestLine("3p", 52.7f, {1.5f, 1.7f, kNone, 0.26f, kNone})},
                                     SplittingOption::Nominal, ScalingOption::None);
    EXPECT_EQ(e.LibOrigin[1][kLibWagner], kNoValue);
    EXPECT_EQ(e.LibOrigin[2][kLibWagner], kNoValue);
}

TEST(CrossSectionCompletion, ClosestLineScalesByTheNearestFileValue)
{
    const LibraryEntry e = completed({test::TestLine("1s", 100.0f, {2.0f, 2.0f, kNone, 1.0f, kNone}),
                                      test::TestLine("2s", 500.0f, {6.0f, 6.0f, kNone, 2.0f, kNone}),
                                      test::TestLine("2p", 450.0f, {3.0f, 3.0f, kNone, kNone, kNone}),
                                      // Equally far from 1s and 2s: the first one found is kept.
                                      test::TestLine("3s", 300.0f, {4.0f, 4.0f, kNone, kNone, kNone}),
                                      // Beyond 1.5 x the excitation energy from every file line.
                                      test::TestLine("3p", 2800.0f, {1.0f, 1.0f, kNone, kNone, kNone}),
                                      // No Scofield Mg value: nothing to scale.
                                      test::TestLine("3d", 200.0f, {kNone, 1.0f, kNone, kNone, kNone})},
                                     SplittingOption::None, ScalingOption::ClosestLine);
    EXPECT_FLOAT_EQ(e.LibLines[2].crossSect[kLibWagner], 3.0f / (6.0f / 2.0f));
    EXPECT_EQ(e.LibOrigin[2][kLibWagner], kFromOtherLines);
    EXPECT_FLOAT_EQ(e.LibLines[3].crossSect[kLibWagner], 4.0f / (2.0f / 1.0f));
    EXPECT_EQ(e.LibOrigin[4][kLibWagner], kNoValue);
    EXPECT_EQ(e.LibOrigin[5][kLibWagner], kNoValue);
    // No file line has an Evans value: nothing to scale from.
    EXPECT_EQ(e.LibOrigin[2][kLibEvans], kNoValue);
}

TEST(CrossSectionCompletion, AverageFactorDividesAndAZeroFactorLeavesTheValueMissing)
{
    // Factors: Evans 2, Wagner 4, Nefedov 0 (the library holds no Nefedov values).
    const LibraryEntry e = completed({test::TestLine("2s", 844.6f, {3.0f, 3.0f, kNone, kNone, kNone}),
                                      test::TestLine("2p", 711.2f, {16.0f, 16.0f, kNone, kNone, kNone}),
                                      test::TestLine("3d", 10.0f, {0.4f, 0.4f, kNone, kNone, kNone})},
                                     SplittingOption::None, ScalingOption::AverageFactor, {2.0f, 4.0f, 0.0f});
    EXPECT_FLOAT_EQ(e.LibLines[1].crossSect[kLibWagner], 16.0f / 4.0f);
    EXPECT_EQ(e.LibOrigin[1][kLibWagner], kFromOtherLines);
    for (int line = 0; line < 3; ++line) {
        EXPECT_EQ(e.LibLines[line].crossSect[kLibNefedov], kNone) << line;
        EXPECT_EQ(e.LibOrigin[line][kLibNefedov], kNoValue) << line;
    }
    // Evans values carry the angular term 1 + beta/4 of Al K-alpha: beta = 2
    // for s lines, 1.2 + 0.01 Z for p in the test table; d has no entry there.
    EXPECT_FLOAT_EQ(e.LibLines[0].crossSect[kLibEvans], 3.0f / 2.0f * 1.5f);
    EXPECT_FLOAT_EQ(e.LibLines[1].crossSect[kLibEvans], 16.0f / 2.0f * (1.0f + (1.2f + 0.26f) / 4.0f));
    EXPECT_EQ(e.LibOrigin[2][kLibEvans], kNoValue);
}

TEST(CrossSectionCompletion, UsableLinesFollowTheSetAndTheCompletions)
{
    const std::vector<LineRecord> lines = {
        test::TestLine("1s", 1303.0f, {kNone, 11.16f, kNone, 3.5f, kNone}),  // beyond Mg K-alpha
        test::TestLine("2p1", 49.8f, {0.12f, 0.11f, kNone, kNone, kNone}),
        test::TestLine("2p3", 49.5f, {0.24f, 0.22f, kNone, kNone, kNone}),
        test::TestLine("2p", 49.6f, {0.36f, 0.33f, kNone, 0.12f, kNone}),
    };
    struct Case {
        const char* what;
        ExcitationSource source;
        CrossSectionSet set;
        SplittingOption splitting;
        std::vector<int> usable;
    };
    const Case cases[] = {
        {"Scofield, Al", ExcitationSource::AlKAlpha, CrossSectionSet::Scofield, SplittingOption::None, {0, 1, 2, 3}},
        {"Scofield, Mg", ExcitationSource::MgKAlpha, CrossSectionSet::Scofield, SplittingOption::None, {1, 2, 3}},
        // No set: the lines the source excites.
        {"no set, Al", ExcitationSource::AlKAlpha, CrossSectionSet::None, SplittingOption::None, {0, 1, 2, 3}},
        {"no set, Mg", ExcitationSource::MgKAlpha, CrossSectionSet::None, SplittingOption::None, {1, 2, 3}},
        {"Wagner from the file", ExcitationSource::AlKAlpha, CrossSectionSet::Wagner, SplittingOption::None, {0, 3}},
        {"Wagner split", ExcitationSource::AlKAlpha, CrossSectionSet::Wagner, SplittingOption::Nominal, {0, 1, 2, 3}},
        {"Evans", ExcitationSource::AlKAlpha, CrossSectionSet::Evans, SplittingOption::Nominal, {}},
    };
    for (const Case& c : cases) {
        LibraryEntry e = completed(lines, c.splitting, ScalingOption::None);
        LookupOptions options;
        options.source = c.source;
        options.crossSectionSet = c.set;
        options.splitting = c.splitting;
        EXPECT_EQ(UsableLines(e, options), c.usable) << c.what;
    }
}

}  // namespace
}  // namespace slv
