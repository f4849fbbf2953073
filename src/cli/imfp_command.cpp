// selvaro-cli imfp: the IMFP of a material at given kinetic energies by one of
// the predictive formulas, with the same formula functions as the evaluation.
#include <cmath>
#include <iomanip>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/commands.h"
#include "document/document.h"
#include "quant/imfp_formulas.h"

namespace slv::cli {
namespace {

constexpr int kImfpDecimals = 4;

/// Accepts a finite number above 0 (or at least 0 when zeroAllowed).
CLI::Validator finiteNumber(bool zeroAllowed)
{
    return CLI::Validator(
        [zeroAllowed](std::string& text) -> std::string {
            double value = 0.0;
            if (!CLI::detail::lexical_cast(text, value) || !std::isfinite(value) || value < 0.0 ||
                (value == 0.0 && !zeroAllowed))
                return zeroAllowed ? "must be a number of 0 or more" : "must be a number above 0";
            return {};
        },
        zeroAllowed ? "NONNEGATIVE" : "POSITIVE");
}

const std::map<std::string, int> kMaterialClasses{
    {"element", kClassElement},
    {"inorganic", kClassInorganic},
    {"polymer", kClassPolymer},
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
        m_subcommand->add_option("--density", m_density, "Density, g/cm3")->required()->check(finiteNumber(false));
        m_subcommand->add_option("--molweight", m_molWeight, "Molecular weight of the formula unit, g/mol")
            ->required()
            ->check(finiteNumber(false));
        m_subcommand
            ->add_option("--valence-electrons", m_valenceElectrons, "Valence electrons per formula unit (TPP-2M)")
            ->check(finiteNumber(false));
        m_subcommand->add_option("--bandgap", m_bandGap, "Band gap, eV (TPP-2M)")->check(finiteNumber(true));
        m_subcommand->add_option("--atoms", m_atoms, "Atoms per formula unit")
            ->capture_default_str()
            ->check(finiteNumber(false));
        m_subcommand->add_option("--unit", m_unit, "Length unit of the output")
            ->capture_default_str()
            ->check(CLI::IsMember({"nm", "A"}));
        m_subcommand->add_option("--energy", m_energies, "Kinetic energy, eV (repeatable)")
            ->required()
            ->check(finiteNumber(false));
    }

    int run(std::ostream& out, std::ostream& err) override
    {
        if (m_method == "gries" || m_method == "cumpson-seah") {
            err << "error: the " << m_method
                << " formula needs the atomic numbers and weights of the element library, "
                   "which this command does not read yet\n";
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
        return SeahDenchImfpNm(kMaterialClasses.at(m_class), m_molWeight / m_atoms, m_density, kineticEv);
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
};

}  // namespace

std::unique_ptr<Command> makeImfpCommand() { return std::make_unique<ImfpCommand>(); }

}  // namespace slv::cli
