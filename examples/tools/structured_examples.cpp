// The structured samples: for each family of structure models a sample with
// realistic materials (densities, molecular weights, valence electrons and
// band gaps for the program's TPP-2M IMFPs at Al K-alpha) whose peak
// intensities the simulation computes from known thicknesses, one experiment
// per emission angle or spot, before 1 % counting noise is added. The results
// of the simulation are then replaced by what Autofit gives back for the first
// experiment (for an angle-resolved set, for all angles at once), so that the
// Layer Thickness window and the Model Layout show a finished evaluation.

#include "structured_examples.h"

#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "document/data_file_format.h"
#include "example_writer.h"
#include "model/emission_angle.h"
#include "model/model_check.h"
#include "model/oxide_layer.h"
#include "session/layer_calculation.h"
#include "session/simulation.h"

namespace slv::examples {
namespace {

/// The bulk or a layer: its formula by element row and what TPP-2M needs.
struct Material {
    const char* name;
    float density;         // g/cm3
    float molWeight;       // g/mol of the formula unit
    int valenceElectrons;  // per formula unit
    float bandGapEv;
    MaterialClass materialClass;
    std::vector<std::pair<int, float>> atoms;  // element row, atoms per formula unit
};

struct Spot {
    const char* name;
    double tiltDeg;  // emission angle from the surface normal
};

struct StructuredSample {
    const char* file = "";
    const char* title = "";
    ModelType modelType = ModelType::Plane;  // the model the intensities are simulated with
    std::vector<Line> lines{};
    std::vector<std::pair<int, float>> chemicalShifts{};  // element row, binding energy in eV
    Material bulk{};
    std::vector<Material> layers{};
    std::vector<double> thicknessNm{};  // layers 1..LayerCount
    std::vector<Spot> spots{};
    unsigned seed = 0;
    float radiusNm = 0.0f;
    float innerRadiusNm = 0.0f;
    bool islands = false;
    double coverage = 0.0;
    bool angleResolved = false;
    /// The model saved in the file when it differs from the simulated one.
    std::optional<ModelType> savedModelType{};
    /// How a Sphere or Cylinder is calculated; the files made before the
    /// choice existed keep the classes they were simulated with.
    CurvedModel curvedModel = CurvedModel::SurfaceAngleClasses;
};

/// Autofit starts from every true thickness times this, the coverage times its inverse.
constexpr double kStartOffset = 1.3;
/// The Name label (its text is column kNameLabelColumn of an experiment).
constexpr int kNameLabel = 1;

void setSpectrometer(Document& d)
{
    d.setSource(ExcitationSource::AlKAlpha);
    d.ExcEnergy = ExcitationEnergy(d, ExcitationSource::AlKAlpha);
    d.setCrossSectionSet(CrossSectionSet::Scofield);
    // Homogeneous IMFP E^0.75, the model layers' TPP-2M.
    d.setHomogeneousImfpMethod(ImfpMethod::Exponential);
    d.setModelImfpMethod(ImfpMethod::Tpp2m);
    d.setImfpExponent(0.75f);
    d.setAngularMethod(AngularMethod::Reilman);
    d.setSourceAnalyserAngle(45.0f);
    d.setTransmissionType(TransmissionType::Fat);
    d.LabelSelect[kNameLabel] = 1;
    d.LabelSelect[kTiltLabelName] = 1;
    d.setTiltUnit(TiltUnit::Degree);
    RecomputeUnits(d);
}

void setMaterial(Document& d, int row, const Material& m, int kind)
{
    d.LayerName[row] = m.name;
    d.LayerDensity[row] = m.density;
    d.LayerMolWeight[row] = m.molWeight;
    d.LayerValElec[row] = static_cast<Integer>(m.valenceElectrons);
    d.LayerBandGap[row] = m.bandGapEv;
    d.setLayerClass(row, m.materialClass);
    d.LayerKind[row] = static_cast<Integer>(kind);
    d.LayerLink[row] = 0;
    for (const auto& [element, count] : m.atoms)
        d.LayerComp[row][element] = count;
}

/// The model record of the sample, with the layer IMFPs by TPP-2M.
void describeModel(ExampleWriter& w, const StructuredSample& sample)
{
    Document& d = w.doc();
    d.ModelOn = 1;
    d.setModelType(sample.modelType);
    d.setCurvedModel(sample.curvedModel);
    d.setIslands(sample.islands);
    d.IslandMode = sample.islands ? 1 : 0;
    d.AutoCov = sample.islands;
    d.setLengthUnit(LengthUnit::Nanometre);
    RecomputeUnits(d);
    d.SampleRadius = sample.radiusNm;
    d.InnerRadius = sample.innerRadiusNm;
    d.LayerCount = static_cast<Integer>(sample.layers.size());
    setMaterial(d, 0, sample.bulk, kKindLayer);
    for (int k = 1; k <= d.LayerCount; ++k)
        setMaterial(d, k, sample.layers[k - 1], sample.islands ? kKindIsland : kKindLayer);
    ModelLayerIMFPs(d, std::nullopt, w.findings());
    if (const auto weights = GeometryWeightsOf(d, w.session().environment().programFolder, w.findings()))
        w.model().AngleWeight = *weights;
    w.findings().presentTo(w.session().dialogs());
}

std::string numberText(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

/// One simulated experiment per spot, appended in order.
void simulateSpots(ExampleWriter& w, const StructuredSample& sample)
{
    Document& d = w.doc();
    Simulation simulation(w.session());
    for (const Spot& spot : sample.spots) {
        const int experiment = d.ExpCount + 1;
        d.LabelText[experiment][kTiltLabelColumn] = numberText(spot.tiltDeg);
        simulation.ChangeExperiment(experiment);
        for (int k = 1; k <= d.LayerCount; ++k)
            simulation.Grid().SetTextMatrix(k, kSimColThickness, numberText(sample.thicknessNm[k - 1]));
        if (sample.islands)
            simulation.Grid().SetTextMatrix(simulation.CoverageRow(), kSimColThickness, numberText(sample.coverage));
        simulation.SetName(spot.name);
        if (!simulation.Calculate())
            std::cerr << "could not simulate " << spot.name << "\n";
    }
}

void clearResults(Document& d)
{
    for (int exp = 1; exp <= d.ExpCount; ++exp) {
        for (int k = 1; k <= kMaxLayers; ++k)
            d.ThickRes[exp][k] = kEmptyValue;
        d.CoverRes[exp] = kEmptyValue;
    }
}

void reportOxideThicknesses(ExampleWriter& w, const StructuredSample& sample)
{
    int errors = 0;
    std::string message;
    CheckModel(w.doc(), w.model(), errors, message);
    OxideLayerResults(w.doc(), w.model(), w.results(), '.');
    for (int exp = 1; exp <= w.doc().ExpCount; ++exp)
        std::printf("  %-8s oxide %.3f nm, given back %.3f nm\n", sample.spots[exp - 1].name, sample.thicknessNm[0],
                    w.results().ResultValue[exp][1]);
}

/// Fits experiment 1 from a start off the truth and stores the fit as its results.
void storeAutofit(ExampleWriter& w, const StructuredSample& sample)
{
    Document& d = w.doc();
    w.model().ModelExperiment = 1;
    for (int k = 1; k <= d.LayerCount; ++k)
        d.LayerThick[k] = sample.thicknessNm[k - 1] * kStartOffset;
    d.Coverage = sample.coverage / kStartOffset;
    LayerCalculation calculation(w.session());
    const AutofitRun run = calculation.Autofit();
    std::printf("  Autofit from %.1f x the thicknesses: info %d, Q sum %.2e\n", kStartOffset,
                run.started ? run.summary.lmdifInfo : -1, w.model().History.QSum[0]);
    for (int k = 1; k <= d.LayerCount; ++k)
        std::printf("  %-12s %.3f nm, fitted %.3f nm\n", d.LayerName[k].trimmedText().c_str(),
                    sample.thicknessNm[k - 1], d.LayerThick[k]);
    if (sample.islands)
        std::printf("  coverage     %.3f, fitted %.3f\n", sample.coverage, d.Coverage);
    calculation.Accept();
}

void writeStructuredSample(const std::filesystem::path& programFolder, const std::filesystem::path& out,
                           const StructuredSample& sample)
{
    ExampleWriter w(programFolder);
    Document& d = w.doc();
    d.setTitle(sample.title);
    setSpectrometer(d);
    w.setLines(sample.lines);
    for (const auto& [row, bindingEnergy] : sample.chemicalShifts)
        d.BindEnergy[row] = bindingEnergy;
    describeModel(w, sample);
    simulateSpots(w, sample);
    w.addCountingNoise(sample.seed);
    clearResults(d);
    // The angles enter one fit only now: each spot was simulated at its own angle.
    d.ARXPS = sample.angleResolved;
    if (sample.savedModelType)
        d.setModelType(*sample.savedModelType);
    std::cout << sample.title << "\n";
    if (d.modelType() == ModelType::OxideLayer)
        reportOxideThicknesses(w, sample);
    else
        storeAutofit(w, sample);
    w.save(out / sample.file);
}

const Material kSilicon{"Si", 2.33f, 28.086f, 4, 1.12f, MaterialClass::Element, {}};
const Material kSilica{"SiO2", 2.20f, 60.084f, 16, 9.0f, MaterialClass::Inorganic, {}};

Material withAtoms(Material m, std::vector<std::pair<int, float>> atoms)
{
    m.atoms = std::move(atoms);
    return m;
}

/// Thermal oxide on silicon seen at five emission angles. Simulated as one
/// SiO2 layer on a plane, saved for the closed-form Oxide-Layer model.
StructuredSample oxideOnSilicon()
{
    return {.file = "sio2_on_si.lvd",
            .title = "Thermal oxide on Si(100), emission angles 0 to 70 degrees",
            .modelType = ModelType::Plane,
            .lines = {{"Si", "2p", "Me", 0, 0}, {"Si", "2p", "Ox", 4, 2}, {"O", "1s", "", 0, 0}},
            .chemicalShifts = {{2, 103.4f}},
            .bulk = withAtoms(kSilicon, {{1, 1.0f}}),
            .layers = {withAtoms(kSilica, {{2, 1.0f}, {3, 2.0f}})},
            .thicknessNm = {2.4},
            .spots = {{"0 deg", 0}, {"30 deg", 30}, {"45 deg", 45}, {"60 deg", 60}, {"70 deg", 70}},
            .seed = 41,
            .savedModelType = ModelType::OxideLayer};
}

/// A high-k gate stack, HfO2 over an SiO2 interlayer on silicon, measured at
/// six emission angles that enter one angle-resolved fit.
StructuredSample hafniaGateStack()
{
    return {
        .file = "hfo2_gate_stack.lvd",
        .title = "HfO2 / SiO2 gate stack on Si, angle-resolved",
        .modelType = ModelType::Plane,
        .lines = {{"Hf", "4f", "", 4, 2}, {"O", "1s", "", 0, 0}, {"Si", "2p", "Ox", 4, 2}, {"Si", "2p", "Me", 0, 0}},
        .chemicalShifts = {{3, 103.4f}},
        .bulk = withAtoms(kSilicon, {{4, 1.0f}}),
        .layers = {{"HfO2", 9.68f, 210.49f, 16, 5.7f, MaterialClass::Inorganic, {{1, 1.0f}, {2, 2.0f}}},
                   withAtoms(kSilica, {{3, 1.0f}, {2, 2.0f}})},
        .thicknessNm = {2.5, 0.8},
        .spots = {{"0 deg", 0}, {"20 deg", 20}, {"35 deg", 35}, {"50 deg", 50}, {"60 deg", 60}, {"70 deg", 70}},
        .seed = 43,
        .angleResolved = true};
}

/// CdSe quantum dots with a ZnS shell, particle radius 3.2 nm: only twice the
/// IMFPs, where the surface-angle classes overestimate a shell by a third, so
/// the intensities come from the exact particle integral.
StructuredSample coreShellQuantumDots()
{
    return {.file = "cdse_zns_quantum_dots.lvd",
            .title = "CdSe/ZnS core-shell quantum dots, particle radius 3.2 nm",
            .modelType = ModelType::Sphere,
            .lines = {{"Cd", "3d5", "", 2, 1}, {"Se", "3d", "", 0, 0}, {"Zn", "2p3", "", 2, 1}, {"S", "2p", "", 0, 0}},
            .bulk = {"CdSe", 5.82f, 191.37f, 8, 1.74f, MaterialClass::Inorganic, {{1, 1.0f}, {2, 1.0f}}},
            .layers = {{"ZnS", 4.09f, 97.47f, 8, 3.6f, MaterialClass::Inorganic, {{3, 1.0f}, {4, 1.0f}}}},
            .thicknessNm = {0.7},
            .spots = {{"QD film", 0}},
            .seed = 47,
            .radiusNm = 3.2f,
            .curvedModel = CurvedModel::Exact};
}

/// Multi-wall carbon nanotubes (outer radius 6 nm, inner 2.5 nm) with a TiO2 coating.
StructuredSample coatedNanotubes()
{
    return {.file = "tio2_coated_nanotubes.lvd",
            .title = "TiO2-coated multi-wall carbon nanotubes",
            .modelType = ModelType::Nanotube,
            .lines = {{"C", "1s", "", 0, 0}, {"Ti", "2p", "", 4, 2}, {"O", "1s", "", 0, 0}},
            .bulk = {"MWCNT", 2.1f, 12.011f, 4, 0.0f, MaterialClass::Element, {{1, 1.0f}}},
            .layers = {{"TiO2", 3.9f, 79.87f, 16, 3.2f, MaterialClass::Inorganic, {{2, 1.0f}, {3, 2.0f}}}},
            .thicknessNm = {1.2},
            .spots = {{"CNT mat", 0}},
            .seed = 53,
            .radiusNm = 6.0f,
            .innerRadiusNm = 2.5f};
}

/// Copper islands on graphite seen at three emission angles: the Cu 2p3 and
/// Cu 3p lines, far apart in kinetic energy, and the angles tell the island
/// height from the covered fraction.
StructuredSample copperIslands()
{
    return {.file = "cu_islands_on_graphite.lvd",
            .title = "Copper islands on graphite (HOPG), three emission angles",
            .modelType = ModelType::Plane,
            .lines = {{"C", "1s", "", 0, 0}, {"Cu", "2p3", "", 0, 0}, {"Cu", "3p", "", 0, 0}},
            .bulk = {"HOPG", 2.26f, 12.011f, 4, 0.0f, MaterialClass::Element, {{1, 1.0f}}},
            .layers = {{"Cu", 8.96f, 63.546f, 11, 0.0f, MaterialClass::Element, {{2, 1.0f}, {3, 1.0f}}}},
            .thicknessNm = {1.8},
            .spots = {{"0 deg", 0}, {"45 deg", 45}, {"65 deg", 65}},
            .seed = 59,
            .islands = true,
            .coverage = 0.35,
            .angleResolved = true};
}

}  // namespace

void WriteStructuredExamples(const std::filesystem::path& programFolder, const std::filesystem::path& out)
{
    for (const StructuredSample& sample :
         {oxideOnSilicon(), hafniaGateStack(), coreShellQuantumDots(), coatedNanotubes(), copperIslands()})
        writeStructuredSample(programFolder, out, sample);
}

}  // namespace slv::examples
