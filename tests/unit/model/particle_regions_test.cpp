// The particle intensities on the model's region tables: a repeated layer
// stack becomes the list of shells, each region takes its layer row's
// thickness, density and IMFP, and the model types choose the shape.
#include <gtest/gtest.h>

#include <vector>

#include "model/particle_regions.h"

namespace slv {
namespace {

/// Two layers repeated three times over a bulk, two element rows: row 1 in
/// the bulk and layer 2, row 2 in layer 1 only.
RegionTables repeatedStack()
{
    RegionTables tables;
    tables.layers = 2;
    tables.repetitions = 3;
    tables.count = 6;
    tables.rowOf = {0, 1, 2, 1, 2, 1, 2};
    tables.density[1] = {0.9, 0.0, 0.4};
    tables.imfp[1] = {2.2, 1.8, 2.6};
    tables.density[2] = {0.0, 1.3, 0.0};
    tables.imfp[2] = {1.4, 1.1, 1.7};
    return tables;
}

TEST(ParticleRegions, RepeatedStackIsTheListOfItsRegionsOutsideIn)
{
    const RegionTables tables = repeatedStack();
    const LayerTable<double> thick = {0.0, 0.3, 0.7};
    const std::vector<double> shells = {0.3, 0.7, 0.3, 0.7, 0.3, 0.7};
    struct Case {
        ModelType modelType;
        ParticleShape shape;
        double radius;
    };
    const Case cases[] = {{ModelType::Sphere, ParticleShape::Sphere, 4.0},
                          {ModelType::Cylinder, ParticleShape::Wire, 9.0},
                          {ModelType::Sphere, ParticleShape::Sphere, 3.0},   // all shell
                          {ModelType::Cylinder, ParticleShape::Wire, 0.0}};  // flat limit
    for (const Case& c : cases) {
        const auto chords = ParticleChordTable(tables, thick, c.radius, c.modelType);
        ASSERT_TRUE(chords) << c.radius;
        for (int e = 1; e <= 2; ++e) {
            std::vector<double> density, imfp;
            for (const int row : tables.rowOf) {
                density.push_back(tables.density[e][row]);
                imfp.push_back(tables.imfp[e][row]);
            }
            const auto expected = ParticleIntensity(c.shape, c.radius, shells, {density, imfp});
            const auto value = ParticleIntensity(tables, *chords, e);
            ASSERT_TRUE(expected && value);
            EXPECT_NEAR(*value / *expected, 1.0, 1e-6) << "R " << c.radius << " element " << e;
        }
    }
}

TEST(ParticleRegions, OnlySphereAndCylinderAreParticles)
{
    EXPECT_EQ(ParticleShapeOf(ModelType::Sphere), ParticleShape::Sphere);
    EXPECT_EQ(ParticleShapeOf(ModelType::Cylinder), ParticleShape::Wire);
    const RegionTables tables = repeatedStack();
    const LayerTable<double> thick = {0.0, 0.3, 0.7};
    for (const ModelType other : {ModelType::Plane, ModelType::Polyhedron, ModelType::Nanotube, ModelType::Homogeneous,
                                  ModelType::OxideLayer}) {
        EXPECT_FALSE(ParticleShapeOf(other)) << static_cast<int>(other);
        EXPECT_FALSE(ParticleChordTable(tables, thick, 5.0, other)) << static_cast<int>(other);
    }
}

TEST(ParticleRegions, RefusesAStackThickerThanTheRadiusAndForeignRows)
{
    const RegionTables tables = repeatedStack();
    const LayerTable<double> thick = {0.0, 0.3, 0.7};
    EXPECT_FALSE(ParticleChordTable(tables, thick, 2.9, ModelType::Sphere));
    const auto chords = ParticleChordTable(tables, thick, 5.0, ModelType::Sphere);
    ASSERT_TRUE(chords);
    EXPECT_FALSE(ParticleIntensity(tables, *chords, 0));
    EXPECT_FALSE(ParticleIntensity(tables, *chords, kMaxElements + 1));
    // A table built for other regions does not fit.
    RegionTables fewer = tables;
    fewer.count = 4;
    fewer.rowOf.resize(5);
    EXPECT_FALSE(ParticleIntensity(fewer, *chords, 1));
}

}  // namespace
}  // namespace slv
