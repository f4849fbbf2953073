// Writes the example data sets: for a chosen surface composition it computes
// the peak intensities a spectrometer would record, with the program's own
// correction chain run backwards (the corrected intensity of a line is its
// atom fraction), adds 1 % counting noise, and saves the data set. The
// structured samples (structured_examples.cpp) are simulated from their layers.
//
//   make_examples PROGRAM_FOLDER OUTPUT_FOLDER
//
// PROGRAM_FOLDER holds SLV.lib, which completes the element rows.

#include <fstream>
#include <sstream>

#include "example_writer.h"
#include "structured_examples.h"

namespace {

using namespace slv;
using namespace slv::examples;

/// Soda-lime-silica float glass: SiO2 72.5, Na2O 13.5, CaO 9, MgO 4, Al2O3 1 mol %,
/// measured on three spots whose sodium content differs a little.
void writeFloatGlass(const std::filesystem::path& programFolder, const std::filesystem::path& out)
{
    ExampleWriter w(programFolder);
    Document& d = w.doc();
    d.setTitle("Soda-lime-silica float glass, three spots");
    d.setSource(ExcitationSource::AlKAlpha);
    d.setCrossSectionSet(CrossSectionSet::Scofield);
    d.setHomogeneousImfpMethod(ImfpMethod::SeahDench);
    d.setMatrixClass(1, MaterialClass::Inorganic);
    d.ExpDensity[1] = 2.5f;    // g/cm3
    d.ExpAtWeight[1] = 20.4f;  // mean atomic weight of the glass
    d.setAngularMethod(AngularMethod::Reilman);
    d.setSourceAnalyserAngle(45.0f);
    d.setTransmissionType(TransmissionType::Fat);
    w.setLines({{"O", "1s", "", 0, 0},
                {"Si", "2p", "", 4, 2},
                {"Na", "1s", "", 1, 1},
                {"Ca", "2p", "", 2, 1},
                {"Mg", "2p", "", 2, 1},
                {"Al", "2p", "", 3, 3}});
    d.LabelSelect[1] = 1;
    const char* spots[] = {"spot A", "spot B", "spot C"};
    const double sodium[] = {27.0, 24.0, 21.0};  // atoms per 100 SiO2-units scale
    std::vector<std::vector<double>> fractions;
    for (int e = 0; e < 3; ++e) {
        const double si = 72.5, ca = 9.0, mg = 4.0, al = 2.0, na = sodium[e];
        const double o = 2 * si + na / 2 + ca + mg + 1.5 * al;
        fractions.push_back({o, si, na, ca, mg, al});
        d.LabelText[e + 1][2] = spots[e];
    }
    w.setComposition(fractions, 11);
    w.results().ResType = kOxideMolarPercent;
    std::cout << "float glass\n";
    w.report(kOxideMolarPercent);
    w.save(out / "float_glass.lvd");
}

/// Argon sputter depth profile through the passive film of an austenitic
/// stainless steel: a 2 nm Cr-rich oxide under adventitious carbon on
/// Fe 70 / Cr 19 / Ni 11 metal; sputter rate 0.5 nm/min.
void writeSteelProfile(const std::filesystem::path& programFolder, const std::filesystem::path& out)
{
    ExampleWriter w(programFolder);
    Document& d = w.doc();
    d.setTitle("Passive film on stainless steel, Ar+ depth profile");
    d.setSource(ExcitationSource::AlKAlpha);
    d.setCrossSectionSet(CrossSectionSet::Scofield);
    d.setHomogeneousImfpMethod(ImfpMethod::Exponential);
    d.setImfpExponent(0.75f);
    d.setTransmissionType(TransmissionType::Fat);
    d.setSputterRate(0.5f);
    w.setLines({{"C", "1s", "", 4, 2},
                {"O", "1s", "", 0, 0},
                {"Cr", "2p3", "Ox", 3, 3},
                {"Cr", "2p3", "Me", 0, 0},
                {"Fe", "2p3", "Ox", 3, 3},
                {"Fe", "2p3", "Me", 0, 0},
                {"Ni", "2p3", "Me", 0, 0}});
    d.LabelSelect[2] = 1;
    d.setTimeUnit(TimeUnit::Minute);
    RecomputeUnits(d);
    // The chart runs over the sputter time, and Open Example shows it over
    // the depth it reaches (time x sputter rate).
    d.AxisIndex = 3;
    d.setExampleLayout(3 << 4 | 8 << 8);
    const double times[] = {0, 0.25, 0.5, 1, 1.5, 2, 3, 4, 5, 6, 8, 12};
    std::vector<std::vector<double>> fractions;
    for (std::size_t e = 0; e < std::size(times); ++e) {
        const double t = times[e];
        const double carbon = 0.45 * std::exp(-t / 0.3);
        const double oxide = (1 - carbon) / (1 + std::exp((t - 4.0) / 0.6));  // film of 2 nm at 0.5 nm/min
        const double metal = 1 - carbon - oxide;
        // Oxide (Cr,Fe)2O3 with Cr/(Cr+Fe) = 0.65: 2 cations to 3 oxygens.
        const double cations = oxide * 0.4, oxygen = oxide * 0.6;
        fractions.push_back({carbon, oxygen, 0.65 * cations, 0.19 * metal, 0.35 * cations, 0.70 * metal, 0.11 * metal});
        std::ostringstream time;
        time << t;
        d.LabelText[e + 1][3] = time.str();
    }
    w.setComposition(fractions, 23);
    std::cout << "stainless steel profile\n";
    w.report(kAtomicPercent);
    w.save(out / "steel_depth_profile.lvd");
}

/// Anodised aluminium measured at four take-off tilts, written as a reduced
/// data exchange file by "another program".
void writeAluminaExchange(const std::filesystem::path& programFolder, const std::filesystem::path& out)
{
    ExampleWriter w(programFolder);
    Document& d = w.doc();
    d.setSource(ExcitationSource::AlKAlpha);
    d.setCrossSectionSet(CrossSectionSet::Scofield);
    d.setHomogeneousImfpMethod(ImfpMethod::Exponential);
    d.setImfpExponent(0.75f);
    d.setTransmissionType(TransmissionType::Fat);
    w.setLines({{"C", "1s", "", 4, 2}, {"O", "1s", "", 0, 0}, {"Al", "2p", "Ox", 3, 3}, {"Al", "2p", "Me", 0, 0}});
    const double tilts[] = {0, 30, 45, 60};
    std::vector<std::vector<double>> fractions;
    for (const double tilt : tilts) {
        // More carbon and less metal seen as the emission turns grazing.
        const double grazing = 1.0 / std::cos(tilt * 3.14159265358979 / 180.0);
        const double carbon = 0.15 * grazing, metal = 0.12 / grazing;
        const double oxide = 1 - carbon - metal;
        fractions.push_back({carbon, 0.6 * oxide, 0.4 * oxide, metal});
    }
    w.setComposition(fractions, 37);
    std::ofstream file(out / "anodised_aluminium.lvx", std::ios::binary);
    file << "XPSRDE;1.00\r\nTITL;Anodised aluminium, four emission angles\r\n"
         << "EXCI;AL\r\nCROS;SCOF\r\nIMFP;EXP;0.75\r\nANGL;NONE\r\nTRAN;FAT\r\nCONT;NONE\r\n"
         << "LABE;NAME;TILT\r\nELEM\r\nC;1s;\r\nO;1s;\r\nAl;2p;Ox;;;;;3;3\r\nAl;2p;Me;;;;;0;0\r\nINTE\r\n";
    for (int e = 1; e <= d.ExpCount; ++e) {
        file << "tilt " << tilts[e - 1] << ";" << tilts[e - 1];
        for (int r = 1; r <= d.ElemCount; ++r)
            file << ";" << d.Intensity[e][r];
        file << "\r\n";
    }
    file << "END\r\n";
    std::cout << "wrote anodised_aluminium.lvx\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: make_examples PROGRAM_FOLDER OUTPUT_FOLDER\n";
        return 2;
    }
    const std::filesystem::path programFolder = argv[1], out = argv[2];
    writeFloatGlass(programFolder, out);
    writeSteelProfile(programFolder, out);
    writeAluminaExchange(programFolder, out);
    WriteStructuredExamples(programFolder, out);
    return 0;
}
