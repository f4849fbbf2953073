// selvaro-cli imfp: the IMFP of a material at given kinetic energies by one of
// the predictive formulas, with the same formula functions as the evaluation.
#include <cmath>
#include <filesystem>
#include <iomanip>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "cli/number_options.h"
#include "document/document.h"
#include "document/element_library.h"
#include "platform/number_text.h"
#include "quant/imfp_formulas.h"

namespace slv::cli {
namespace {

constexpr int kImfpDecimals = 4;

/// One element of the formula unit: its atom locations, atomic number and weight.
struct Constituent {
    std::string symbol;
    double atoms = 0.0;
    int atomicNumber = 0;
    double atomicWeight = 0.0;
};

/// Parses "Si:1,O:2" (a count may be omitted: 1); empty on a malformed text.
std::vector<Constituent> parseComposition(const std::string& text)
{
    std::vector<Constituent> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string item(trimmed(std::string_view(text).substr(start, end - start)));
        const auto colon = item.find(':');
        Constituent part;
        part.symbol = std::string(trimmed(item.substr(0, colon)));
        const auto count =
            colon == std::string::npos ? std::optional<double>(1.0) : ConvertNumber(item.substr(colon + 1), '.');
        if (part.symbol.empty() || part.symbol.size() > 2 || !count || *count <= 0.0)
            return {};
        part.atoms = *count;
        parts.push_back(part);
        start = end + 1;
    }
    return parts;
}

const std::map<std::string, MaterialClass> kMaterialClasses{
    {"element", MaterialClass::Element},
    {"inorganic", MaterialClass::Inorganic},
    {"polymer", MaterialClass::Polymer},
};

class ImfpCommand final : public Command {
public:
    void attach(CLI::App& app) override
    {
        m_subcommand = app.add_subcommand("imfp", "Inelastic mean free paths of a material");
        m_subcommand->add_option("--method", m_method, "Predictive formula")
            ->required()
            ->check(CLI::IsMember({"tpp2m", "seah-dench", "cumpson-seah", "gries"}));
        m_subcommand->add_option("--class", m_class, "Material class")
            ->required()
            ->check(CLI::IsMember({"element", "inorganic", "polymer"}));
        m_subcommand->add_option("--density", m_density, "Density, g/cm3")
            ->required()
            ->check(NumberOption(kPositiveNumber));
        m_subcommand->add_option("--molweight", m_molWeight, "Molecular weight of the formula unit, g/mol")
            ->required()
            ->check(NumberOption(kPositiveNumber));
        m_subcommand
            ->add_option("--valence-electrons", m_valenceElectrons, "Valence electrons per formula unit (TPP-2M)")
            ->check(NumberOption(kPositiveNumber));
        m_subcommand->add_option("--bandgap", m_bandGap, "Band gap, eV (TPP-2M)")
            ->check(NumberOption(kNonNegativeNumber));
        m_subcommand->add_option("--atoms", m_atoms, "Atoms per formula unit")
            ->capture_default_str()
            ->check(NumberOption(kPositiveNumber));
        m_subcommand->add_option("--composition", m_composition,
                                 "Atom locations of the formula unit, e.g. Si:1,O:2 (Gries, Cumpson-Seah)");
        m_subcommand->add_option("--unit", m_unit, "Length unit of the output")
            ->capture_default_str()
            ->check(CLI::IsMember({"nm", "A"}));
        m_subcommand->add_option("--energy", m_energies, "Kinetic energy, eV (repeatable)")
            ->required()
            ->check(NumberOption(kPositiveNumber));
    }

    int run(std::ostream& out, std::ostream& err) override
    {
        if (m_method == "gries" || m_method == "cumpson-seah") {
            if (m_composition.empty()) {
                err << "error: --method " << m_method << " needs --composition, e.g. Si:1,O:2\n"
                    << m_subcommand->help();
                return kExitUsage;
            }
            m_constituents = parseComposition(m_composition);
            if (m_constituents.empty()) {
                err << "error: --composition must read like Si:1,O:2 (symbol:atoms, atoms above 0)\n"
                    << m_subcommand->help();
                return kExitUsage;
            }
            if (!completeFromLibrary(err))
                return kExitUnusableInput;
        }
        if (m_method == "tpp2m" && (!m_valenceElectrons || !m_bandGap)) {
            err << "error: --method tpp2m needs --valence-electrons and --bandgap\n" << m_subcommand->help();
            return kExitUsage;
        }
        const double unitPerNm = m_unit == "A" ? kAngstromPerNm : 1.0;
        int exitCode = kExitOk;
        for (const double energy : m_energies) {
            const auto lambdaNm = imfpNm(energy);
            if (!lambdaNm) {
                err << "error: no IMFP at " << energy << " eV for this material\n";
                exitCode = kExitUnusableInput;
                continue;
            }
            out << energy << '\t' << std::fixed << std::setprecision(kImfpDecimals) << *lambdaNm * unitPerNm
                << std::defaultfloat << std::setprecision(6) << '\n';
        }
        return exitCode;
    }

private:
    std::optional<double> imfpNm(double kineticEv) const
    {
        if (m_method == "tpp2m") {
            const Tpp2mMaterial material{*m_valenceElectrons, m_density, m_molWeight, *m_bandGap};
            const auto lambda = Tpp2mImfpAngstrom(material, kineticEv);
            return lambda ? std::optional(*lambda / kAngstromPerNm) : std::nullopt;
        }
        if (m_method == "cumpson-seah")
            return cumpsonSeahNm(kineticEv);
        if (m_method == "gries")
            return griesNm(kineticEv);
        return SeahDenchImfpNm(kMaterialClasses.at(m_class), m_molWeight / m_atoms, m_density, kineticEv);
    }

    /// Atomic numbers and weights of the composition from the element library.
    bool completeFromLibrary(std::ostream& err)
    {
        const std::filesystem::path folder = ExecutableFolder();
        LibraryOpenResult opened = ReadLibrary(folder);
        if (!opened.library) {
            err << "error: " << ConsoleText(LibraryOpenMessage(opened, folder)) << "\n";
            return false;
        }
        for (auto& part : m_constituents) {
            const LibraryEntry entry = FindElement(*opened.library, part.symbol, LookupOptions{});
            if (entry.LibElement.Z == 0) {
                err << "error: element " << part.symbol << " is not in the element library\n";
                return false;
            }
            part.atomicNumber = entry.LibElement.Z;
            part.atomicWeight = entry.LibElement.AtWeight;
        }
        return true;
    }

    /// λ = 0.316 a^1.5 (E / (Z̄^0.45 (ln(E/27) + 3)) + 4) with the mean atomic
    /// number and the monolayer thickness of one atom of the formula unit.
    std::optional<double> cumpsonSeahNm(double kineticEv) const
    {
        double atoms = 0.0, zSum = 0.0;
        for (const auto& part : m_constituents) {
            atoms += part.atoms;
            zSum += part.atoms * part.atomicNumber;
        }
        const auto monolayer = MonolayerThicknessNm(m_molWeight / atoms, m_density);
        return monolayer ? CumpsonSeahImfpNm(*monolayer, zSum / atoms, kineticEv) : std::nullopt;
    }

    /// Gries: for an element its own volume and √Z, for compounds the
    /// atom-weighted molar volume and mean √Z.
    std::optional<double> griesNm(double kineticEv) const
    {
        const MaterialClass materialClass = kMaterialClasses.at(m_class);
        double atoms = 0.0, weight = 0.0, rootZ = 0.0;
        for (const auto& part : m_constituents) {
            atoms += part.atoms;
            weight += part.atoms * part.atomicWeight;
            rootZ += part.atoms * std::sqrt(static_cast<double>(part.atomicNumber));
        }
        const Constituent& element = m_constituents.back();
        const auto k = GriesCoefficientsOf(materialClass, element.atomicNumber);
        if (!k)
            return std::nullopt;
        const bool oneElement = materialClass == MaterialClass::Element;
        const double molarVolume = oneElement ? element.atomicWeight / m_density : weight / (atoms * m_density);
        const double effectiveZ = oneElement ? std::sqrt(static_cast<double>(element.atomicNumber)) : rootZ / atoms;
        const auto lambda = GriesImfpAngstrom(*k, molarVolume, effectiveZ, kineticEv);
        return lambda ? std::optional(*lambda / kAngstromPerNm) : std::nullopt;
    }

    std::string m_method;
    std::string m_class;
    double m_density = 0.0;
    double m_molWeight = 0.0;
    std::optional<double> m_valenceElectrons;
    std::optional<double> m_bandGap;
    double m_atoms = 1.0;
    std::string m_unit = "nm";
    std::vector<double> m_energies;
    std::string m_composition;
    std::vector<Constituent> m_constituents;
};

}  // namespace

std::unique_ptr<Command> makeImfpCommand()
{
    return std::make_unique<ImfpCommand>();
}

}  // namespace slv::cli
