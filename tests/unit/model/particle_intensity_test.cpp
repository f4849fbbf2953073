// The exact core-shell particle intensities against the slow references and
// the closed forms they must reach: the homogeneous sphere, the flat
// angle-averaged limit, bare cores and all-shell particles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "model/particle_flat_limit.h"
#include "model/particle_intensity.h"
#include "support/particle_reference.h"

namespace slv {
namespace {

/// One element line's tables for a particle of `shells` shells.
struct Line {
    std::vector<double> density;
    std::vector<double> imfp;
    ParticleMaterial material() const { return {density, imfp}; }
};

/// Lines of a test particle: one sitting only in each region in turn and one
/// spread over all of them, with IMFPs about `imfp` that differ by region
/// and line.
std::vector<Line> testLines(int shells, double imfp)
{
    const int regions = shells + 1;
    std::vector<Line> lines;
    for (int e = 0; e <= regions; ++e) {
        Line line;
        for (int r = 0; r < regions; ++r) {
            line.imfp.push_back(imfp * (0.75 + 0.11 * r + 0.07 * e));
            const bool alone = e < regions;
            line.density.push_back(alone ? (e == r ? 1.0 : 0.0) : 0.4 + 0.13 * r);
        }
        lines.push_back(line);
    }
    return lines;
}

const char* shapeName(ParticleShape shape)
{
    return shape == ParticleShape::Sphere ? "Sphere" : "Wire";
}

struct ReferenceCase {
    ParticleShape shape;
    double radiusInImfps;
    std::vector<double> shells;  // nm, outside-in
};

constexpr double kImfpNm = 2.0;

std::vector<ReferenceCase> referenceCases()
{
    const std::vector<std::vector<double>> structures = {
        {0.2}, {5.0}, {0.2, 5.0}, {5.0, 0.2}, {1.0, 0.2, 2.0, 0.5, 1.5}, {0.2, 0.2, 0.2, 0.2, 0.2}, {3.0, 5.0},
    };
    std::vector<ReferenceCase> cases;
    for (const ParticleShape shape : {ParticleShape::Sphere, ParticleShape::Wire})
        for (const double ratio : {0.5, 1.0, 2.0, 4.0, 7.0, 13.0, 25.0, 50.0})
            for (const auto& shells : structures) {
                double stack = 0.0;
                for (const double d : shells)
                    stack += d;
                if (stack <= ratio * kImfpNm)
                    cases.push_back({shape, ratio, shells});
            }
    // All shell, no core.
    cases.push_back({ParticleShape::Sphere, 2.6, {0.2, 5.0}});
    cases.push_back({ParticleShape::Wire, 1.0, {0.5, 0.5, 1.0}});
    return cases;
}

class MatchesAdaptiveReference : public testing::TestWithParam<ReferenceCase> {};

TEST_P(MatchesAdaptiveReference, EveryLineToOnePartInAMillion)
{
    const ReferenceCase& c = GetParam();
    const double radius = c.radiusInImfps * kImfpNm;
    const std::vector<Line> lines = testLines(static_cast<int>(c.shells.size()), kImfpNm);
    double shortest = kImfpNm;
    for (const Line& line : lines)
        for (const double l : line.imfp)
            shortest = std::min(shortest, l);
    // One chord table serves every line, as in the fit.
    const auto chords = ParticleChordTable(c.shape, radius, c.shells, shortest);
    ASSERT_TRUE(chords);
    for (std::size_t e = 0; e < lines.size(); ++e) {
        const double expected = test::ReferenceParticleIntensity(c.shape, radius, c.shells, lines[e].material());
        const auto value = ParticleIntensity(*chords, lines[e].material());
        ASSERT_TRUE(value) << "line " << e;
        // A line only in a core of zero radius is 0 up to rounding of the radii.
        EXPECT_NEAR(*value, expected, 1e-6 * expected + 1e-14) << "line " << e;
    }
}

INSTANTIATE_TEST_SUITE_P(RadiiAndShells, MatchesAdaptiveReference, testing::ValuesIn(referenceCases()),
                         [](const testing::TestParamInfo<ReferenceCase>& info) {
                             return std::string(shapeName(info.param.shape)) + "_" + std::to_string(info.index);
                         });

TEST(ParticleIntensity, AgreesWithMonteCarloPathsWithinFourStandardErrors)
{
    struct Case {
        ParticleShape shape;
        double radius;
        std::vector<double> shells;
    };
    const Case cases[] = {
        {ParticleShape::Sphere, 3.0, {0.6, 0.9}},
        {ParticleShape::Wire, 12.0, {2.5, 0.5, 1.0}},
    };
    std::uint64_t seed = 20240611;
    for (const Case& c : cases) {
        for (const Line& line : testLines(static_cast<int>(c.shells.size()), 1.8)) {
            const auto mc =
                test::MonteCarloParticleIntensity(c.shape, c.radius, c.shells, line.material(), 200000, ++seed);
            const auto value = ParticleIntensity(c.shape, c.radius, c.shells, line.material());
            ASSERT_TRUE(value);
            EXPECT_NEAR(*value, mc.value, 4.0 * mc.standardError)
                << shapeName(c.shape) << " R " << c.radius << " seed " << seed;
        }
    }
}

/// A homogeneous sphere per projected area: N L (1 - (L^2 / 2R^2) (1 - (1 + 2R/L) exp(-2R/L))).
double homogeneousSphere(double radius, double imfp)
{
    const double x = radius / imfp;
    return 1.0 - (1.0 - (1.0 + 2.0 * x) * std::exp(-2.0 * x)) / (2.0 * x * x);
}

TEST(ParticleIntensity, HomogeneousSphereGivesTheClosedFormHoweverItIsCutIntoShells)
{
    struct Case {
        double radiusInImfps;
        double expected;  // independently tabulated values of the closed form
    };
    const Case cases[] = {{0.1, 0.123845}, {0.5, 0.471518}, {1.0, 0.703003},
                          {2.0, 0.886447}, {5.0, 0.980010}, {10.0, 0.995000}};
    const double imfp = 1.7;
    for (const Case& c : cases) {
        const double radius = c.radiusInImfps * imfp;
        EXPECT_NEAR(homogeneousSphere(radius, imfp), c.expected, 1e-6);
        const std::vector<std::vector<double>> cuts = {
            {}, {0.1 * radius}, {0.2 * radius, 0.3 * radius, 0.1 * radius}, {0.25 * radius, 0.75 * radius}};
        for (const auto& shells : cuts) {
            const std::vector<double> density(shells.size() + 1, 0.8);
            const std::vector<double> imfps(shells.size() + 1, imfp);
            const auto value = ParticleIntensity(ParticleShape::Sphere, radius, shells, {density, imfps});
            ASSERT_TRUE(value);
            EXPECT_NEAR(*value / (0.8 * imfp * homogeneousSphere(radius, imfp)), 1.0, 1e-7)
                << "R/L " << c.radiusInImfps << " shells " << shells.size();
        }
    }
}

TEST(ParticleIntensity, ShellsOfZeroThicknessLeaveTheBareParticle)
{
    // Each shape: shells with empty ones among them against the same particle without them.
    for (const ParticleShape shape : {ParticleShape::Sphere, ParticleShape::Wire}) {
        const std::vector<double> withEmpty = {0.0, 0.8, 0.0, 0.0};
        const std::vector<double> without = {0.8};
        const std::vector<double> imfp = {2.0, 1.1, 1.6, 1.3, 0.9};
        // Core and the 0.8 nm shell, by region of each table.
        const std::vector<double> densityWith = {1.0, 0.0, 0.5, 0.0, 0.0};
        const std::vector<double> densityWithout = {1.0, 0.5};
        const std::vector<double> imfpWithout = {2.0, 1.6};
        const auto a = ParticleIntensity(shape, 5.0, withEmpty, {densityWith, imfp});
        const auto b = ParticleIntensity(shape, 5.0, without, {densityWithout, imfpWithout});
        ASSERT_TRUE(a && b);
        EXPECT_NEAR(*a / *b, 1.0, 1e-7) << shapeName(shape);

        // A line only in an empty shell gives nothing; all shells empty is the bare core.
        const std::vector<double> onlyInEmpty = {0.0, 1.0, 0.0, 0.0, 0.0};
        EXPECT_EQ(ParticleIntensity(shape, 5.0, withEmpty, {onlyInEmpty, imfp}), 0.0) << shapeName(shape);
        const std::vector<double> coreOnly = {1.0, 0.0, 0.0, 0.0, 0.0};
        const std::vector<double> noShells = {0.0, 0.0, 0.0, 0.0};
        const auto bare = ParticleIntensity(shape, 5.0, noShells, {coreOnly, imfp});
        const std::vector<double> one = {1.0}, coreImfp = {2.0};
        EXPECT_NEAR(*bare / *ParticleIntensity(shape, 5.0, {}, {one, coreImfp}), 1.0, 1e-7) << shapeName(shape);
    }
}

TEST(ParticleIntensity, GrowingRadiusApproachesTheFlatAngleAverageAsOneOverR)
{
    const std::vector<double> shells = {0.5, 1.5, 0.2};
    const std::vector<double> density = {1.0, 0.3, 0.7, 0.2};
    const std::vector<double> imfp = {2.0, 1.5, 2.5, 1.8};
    for (const ParticleShape shape : {ParticleShape::Sphere, ParticleShape::Wire}) {
        const auto flat = FlatParticleIntensity(shape, shells, {density, imfp});
        ASSERT_TRUE(flat);
        EXPECT_NEAR(*flat / test::ReferenceFlatIntensity(shape, shells, {density, imfp}), 1.0, 1e-10);
        // The deviation times R settles to a constant; at R = 10^6 nm it is below 1e-6.
        auto scaledDeviation = [&](double radius) {
            return (*ParticleIntensity(shape, radius, shells, {density, imfp}) / *flat - 1.0) * radius;
        };
        const double at1e4 = scaledDeviation(1e4);
        EXPECT_NEAR(scaledDeviation(1e5) / at1e4, 1.0, 1e-2) << shapeName(shape);
        EXPECT_LT(std::abs(scaledDeviation(1e6)) / 1e6, 1e-6) << shapeName(shape);
        // Radius 0 stands for the flat limit itself.
        const auto chords = ParticleChordTable(shape, 0.0, shells, 1.5);
        ASSERT_TRUE(chords && chords->flat);
        EXPECT_EQ(ParticleIntensity(*chords, {density, imfp}), flat);
    }
}

TEST(AngleAveragedTransmission, EqualsTheTiltIntegral)
{
    for (const ParticleShape shape : {ParticleShape::Sphere, ParticleShape::Wire}) {
        EXPECT_NEAR(AngleAveragedTransmission(shape, 0.0), 1.0, 1e-14);
        for (const double tau : {1e-4, 0.03, 0.5, 1.0, 3.0, 12.0, 40.0, 300.0}) {
            const double expected = test::ReferenceAngleAverage(shape, tau);
            EXPECT_NEAR(AngleAveragedTransmission(shape, tau) / expected, 1.0, 1e-10)
                << shapeName(shape) << " tau " << tau;
        }
    }
}

TEST(ParticleIntensity, RefusesWhatHasNoGeometryOrNoFiniteValue)
{
    const double nan = std::nan("");
    const double inf = HUGE_VAL;
    const std::vector<double> shells = {0.5, 1.0};
    const std::vector<double> density = {1.0, 0.5, 0.2};
    const std::vector<double> imfp = {2.0, 1.5, 1.0};
    struct GeometryCase {
        const char* name;
        double radius;
        std::vector<double> shells;
        double shortestImfp;
    };
    const GeometryCase geometry[] = {
        {"negative radius", -3.0, shells, 1.0},       {"radius not a number", nan, shells, 1.0},
        {"infinite radius", inf, shells, 1.0},        {"negative shell", 3.0, {0.5, -0.1}, 1.0},
        {"shell not a number", 3.0, {nan, 1.0}, 1.0}, {"stack thicker than the radius", 1.4, shells, 1.0},
        {"no shortest IMFP", 3.0, shells, 0.0},       {"shortest IMFP not a number", 3.0, shells, nan},
    };
    for (const GeometryCase& c : geometry)
        EXPECT_FALSE(ParticleChordTable(ParticleShape::Sphere, c.radius, c.shells, c.shortestImfp)) << c.name;
    EXPECT_TRUE(ParticleChordTable(ParticleShape::Sphere, 1.5, shells, 1.0)) << "all shell";

    struct LineCase {
        const char* name;
        std::vector<double> density;
        std::vector<double> imfp;
    };
    const LineCase lines[] = {
        {"too few regions", {1.0, 0.5}, {2.0, 1.5}},
        {"IMFP of 0", density, {2.0, 0.0, 1.0}},
        {"negative IMFP", density, {2.0, 1.5, -1.0}},
        {"negative density", {1.0, -0.5, 0.2}, imfp},
        {"density not a number", {1.0, nan, 0.2}, imfp},
        {"intensity overflows", {1e308, 1e308, 1e308}, {1e10, 1e10, 1e10}},
    };
    for (const ParticleShape shape : {ParticleShape::Sphere, ParticleShape::Wire}) {
        const auto chords = ParticleChordTable(shape, 3.0, shells, 1.0);
        const auto flatChords = ParticleChordTable(shape, 0.0, shells, 1.0);
        ASSERT_TRUE(chords && flatChords);
        for (const LineCase& c : lines) {
            EXPECT_FALSE(ParticleIntensity(*chords, {c.density, c.imfp})) << c.name;
            EXPECT_FALSE(ParticleIntensity(*flatChords, {c.density, c.imfp})) << c.name << " (flat)";
        }
    }
}

}  // namespace
}  // namespace slv
