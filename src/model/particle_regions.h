// The exact particle intensities on the model's region tables, shaped like
// the class model's CurvedPathTable and CurvedIntensity so that the model
// calculation can use either: the chord table once per set of layer
// thicknesses, then each element row's intensity from it.
//
// The regions are those of the layer stack (repeated for a multilayer),
// region 0 the core. Unlike the class model, every electron leaving from the
// far half of the particle crosses the core and all shells, so the IMFP of
// every row in which the element's line is attenuated must be a real one:
// the set-up may not put a stand-in value in rows below the element's
// deepest occurrence.
//
// A fault gives nullopt and leaves the reporting to the caller: no chord
// table is the geometry fault of the curved routine (a stack thicker than
// the radius, as the class model's invalid square root), no intensity a
// value that is not finite (overflow).
#pragma once

#include <optional>

#include "document/document.h"
#include "model/particle_intensity.h"
#include "model/region_tables.h"

namespace slv {

/// Whether the model calculation of the document uses the exact particle
/// integral: a Sphere or Cylinder whose document chose it, neither a single
/// row of spheres nor islands (those keep the surface-angle classes).
bool UsesExactParticleIntegral(const Document& doc);

/// The particle the model type describes: Sphere a sphere, Cylinder a wire
/// seen perpendicular to its axis; nullopt for every other model type.
std::optional<ParticleShape> ParticleShapeOf(ModelType modelType);

/// The chord table of the particle of outer radius `sampleRadius` whose
/// shells are the regions 1..R of `regions` with the thickness of their layer
/// row in `thick`. Radius 0 is the flat, angle-averaged limit. The rim is
/// resolved for the shortest IMFP of the element rows present in any region.
std::optional<ParticleChords> ParticleChordTable(const RegionTables& regions, const LayerTable<double>& thick,
                                                 double sampleRadius, ModelType modelType);

/// The intensity of element row `element` from the chord table.
std::optional<double> ParticleIntensity(const RegionTables& regions, const ParticleChords& chords, int element);

}  // namespace slv
