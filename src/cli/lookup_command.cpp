// selvaro-cli lookup: one element row as the library lookup fills it, from
// the element library beside the executable, with the cross-section set and
// the completion options of the parameters dialog. A line the library does
// not offer is reported with the lines it does offer.
#include <cctype>
#include <charconv>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "document/element_library.h"
#include "document/library_entry.h"

namespace slv::cli {
namespace {

const std::map<std::string, ExcitationSource> kSources{{"mg", ExcitationSource::MgKAlpha},
                                                       {"al", ExcitationSource::AlKAlpha}};
const std::map<std::string, CrossSectionSet> kSets{{"none", CrossSectionSet::None},
                                                   {"scofield", CrossSectionSet::Scofield},
                                                   {"evans", CrossSectionSet::Evans},
                                                   {"wagner", CrossSectionSet::Wagner},
                                                   {"nefedov", CrossSectionSet::Nefedov}};
const std::map<std::string, SplittingOption> kSplittings{{"none", SplittingOption::None},
                                                         {"theoretical", SplittingOption::Theoretical},
                                                         {"nominal", SplittingOption::Nominal}};
const std::map<std::string, ScalingOption> kScalings{
    {"none", ScalingOption::None}, {"closest", ScalingOption::ClosestLine}, {"average", ScalingOption::AverageFactor}};

template<typename Option>
std::vector<std::string> namesOf(const std::map<std::string, Option>& choices)
{
    std::vector<std::string> names;
    for (const auto& [name, value] : choices)
        names.push_back(name);
    return names;
}

std::string numberText(float value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return {buffer, end};
}

std::string_view originText(Integer origin)
{
    switch (origin) {
    case kFromFile: return "library";
    case kFromSpinOrbit: return "spin-orbit splitting";
    case kFromOtherLines: return "scaled from other lines";
    default: return "none";
    }
}

/// "fe" and "FE" name iron as "Fe" does.
std::string symbolSpelling(const std::string& text)
{
    std::string symbol = text;
    for (std::size_t i = 0; i < symbol.size(); ++i)
        symbol[i] = static_cast<char>(i == 0 ? std::toupper(static_cast<unsigned char>(symbol[i]))
                                             : std::tolower(static_cast<unsigned char>(symbol[i])));
    return symbol;
}

class LookupCommand final : public Command {
public:
    void attach(CLI::App& app) override
    {
        m_subcommand = app.add_subcommand("lookup", "One element row as the element library fills it");
        m_subcommand->add_option("symbol", m_symbol, "Element symbol, e.g. Fe")->required();
        m_subcommand->add_option("line", m_line, "Line notation, e.g. 2p3")->required();
        m_subcommand->add_option("--source", m_source, "Excitation source: mg or al (K-alpha)")
            ->capture_default_str()
            ->check(CLI::IsMember(namesOf(kSources)));
        m_subcommand->add_option("--set", m_set, "Cross-section set")
            ->capture_default_str()
            ->check(CLI::IsMember(namesOf(kSets)));
        m_subcommand->add_option("--splitting", m_splitting, "Spin-orbit completion")
            ->capture_default_str()
            ->check(CLI::IsMember(namesOf(kSplittings)));
        m_subcommand->add_option("--scaling", m_scaling, "Completion from other lines")
            ->capture_default_str()
            ->check(CLI::IsMember(namesOf(kScalings)));
    }

    int run(std::ostream& out, std::ostream& err) override
    {
        if (m_symbol.size() > 2 || m_line.size() > 3) {
            err << "error: a symbol has at most 2 characters and a line at most 3 (e.g. Fe 2p3)\n"
                << m_subcommand->help();
            return kExitUsage;
        }
        const std::filesystem::path folder = ExecutableFolder();
        LibraryOpenResult opened = ReadLibrary(folder);
        if (!opened.library) {
            err << "error: " << ConsoleText(LibraryOpenMessage(opened, folder)) << "\n";
            return kExitUnusableInput;
        }
        LibraryFile& library = *opened.library;

        auto doc = std::make_unique<Document>();
        doc->setSource(kSources.at(m_source));
        doc->setCrossSectionSet(kSets.at(m_set));
        doc->setSplitting(kSplittings.at(m_splitting));
        doc->setScaling(kScalings.at(m_scaling));
        doc->ExcEnergy = ExcitationEnergy(*doc, doc->source());
        const LookupOptions options = LookupOptionsOf(*doc);
        constexpr int kRow = 1;
        doc->ElSymbol[kRow] = symbolSpelling(m_symbol);
        doc->ElLine[kRow] = m_line;

        const RowLookup lookup = LookupRow(library, *doc, kRow, options);
        const std::string symbol = doc->ElSymbol[kRow].trimmedText();
        switch (lookup.status) {
        case RowLookupStatus::Filled: break;
        case RowLookupStatus::Damaged:
            err << "error: " << ConsoleText(LibraryDamagedMessage(library.damage())) << "\n";
            return kExitUnusableInput;
        case RowLookupStatus::ElementNotFound:
            err << "error: " << ConsoleText(ElementNotFoundMessage(symbol)) << "\n";
            return kExitUnusableInput;
        case RowLookupStatus::NoUsableLines:
            err << "error: " << ConsoleText(NoUsableLinesMessage(library, options, symbol)) << "\n";
            return kExitUnusableInput;
        case RowLookupStatus::LineNotFound:
            err << "error: " << LineNotFoundPrompt(symbol, doc->ElLine[kRow].trimmedText()) << "; available lines:";
            for (int line : lookup.usable)
                err << ' ' << lookup.entry.LibLines[line].notation.trimmedText();
            err << "\n";
            return kExitUnusableInput;
        }
        printRow(out, *doc, kRow, lookup, options);
        return kExitOk;
    }

private:
    static void printRow(std::ostream& out, const Document& doc, int row, const RowLookup& lookup,
                         const LookupOptions& options)
    {
        out << "Symbol\t" << doc.ElSymbol[row].trimmedText() << "\n"
            << "Line\t" << doc.ElLine[row].trimmedText() << "\n"
            << "AtomicNo\t" << doc.AtomicNo[row] << "\n"
            << "AtWeight\t" << numberText(doc.AtWeight[row]) << "\n"
            << "Valence\t" << doc.Valence[row] << "\n"
            << "Oxygens\t" << doc.Oxygens[row] << "\n"
            << "ElDensity\t" << numberText(doc.ElDensity[row]) << "\n"
            << "ValElectrons\t" << numberText(doc.ValElectrons[row]) << "\n"
            << "BindEnergy\t" << numberText(doc.BindEnergy[row]) << "\n";
        // With no set chosen the lookup leaves the cross section alone.
        if (options.crossSectionSet != CrossSectionSet::None) {
            const Integer origin = lookup.entry.LibOrigin[lookup.line][LibrarySetOf(options)];
            out << "CrossSect\t" << numberText(doc.CrossSect[row]) << "\n"
                << "CrossSectOrigin\t" << originText(origin) << "\n";
        }
        out << "Asymmetry\t" << numberText(doc.Asymmetry[row]) << "\n";
    }

    std::string m_symbol;
    std::string m_line;
    std::string m_source = "al";
    std::string m_set = "scofield";
    std::string m_splitting = "none";
    std::string m_scaling = "none";
};

}  // namespace

std::unique_ptr<Command> makeLookupCommand()
{
    return std::make_unique<LookupCommand>();
}

}  // namespace slv::cli
