// The writer behind the example data sets: a session with a quiet shell and
// dialogs that print, the element rows completed from the element library,
// intensities from chosen compositions or from simulated structures, 1 %
// counting noise, and the saved data set.
#pragma once

#include <cmath>
#include <filesystem>
#include <iostream>
#include <random>
#include <vector>

#include "document/element_library.h"
#include "platform/format_mask.h"
#include "quant/correction_chain.h"
#include "quant/imfp.h"
#include "quant/results_table.h"
#include "session/new_document.h"
#include "session/results_view.h"
#include "session/save_file.h"
#include "session/session.h"

namespace slv::examples {

class PrintingDialogs final : public UserDialogs {
public:
    DialogAnswer message(const MessageRequest& request) override
    {
        std::cerr << "message: " << request.text << "\n";
        return answersOf(request.buttons).front();
    }
    std::optional<std::string> inputBox(const InputRequest&) override { return std::nullopt; }
    std::optional<int> chooseLine(const LineChoiceRequest&) override { return std::nullopt; }
    void beep() override {}
};

struct Line {
    const char* symbol;
    const char* line;
    const char* state;
    int valence;
    int oxygens;
};

constexpr double kNoiseRelative = 0.01;  // 1 % counting noise
constexpr double kCountsScale = 2.0e5;   // counts of a line of unit atom fraction

class ExampleWriter {
public:
    explicit ExampleWriter(const std::filesystem::path& programFolder) : m_session(m_dialogs, m_settings, m_shell)
    {
        StartSession(m_session, '.');
        m_session.setEnvironment({'.', programFolder});
        NewDocument(m_session);
    }

    /// The writer changes the session freely: no window watches it.
    Document& doc() { return m_session.edit({}).doc; }
    ModelState& model() { return m_session.edit({}).model; }
    QuantResults& results() { return m_session.edit({}).res; }
    QuantContext quant() { return m_session.edit({}).quant(m_findings); }
    Findings& findings() { return m_findings; }
    Session& session() { return m_session; }

    /// Element rows completed from the library, then given valence and oxygens.
    void setLines(const std::vector<Line>& lines)
    {
        Document& d = doc();
        d.setLibraryLookupEnabled(true);
        d.ElemCount = static_cast<Integer>(lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const int r = static_cast<int>(i) + 1;
            d.ElSymbol[r] = lines[i].symbol;
            d.ElLine[r] = lines[i].line;
            d.ElState[r] = lines[i].state;
        }
        LibraryLookup(d, m_session.environment().programFolder, 1, d.ElemCount, m_findings);
        m_findings.presentTo(m_dialogs);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            d.Valence[i + 1] = static_cast<Integer>(lines[i].valence);
            d.Oxygens[i + 1] = static_cast<Integer>(lines[i].oxygens);
        }
    }

    /// Intensities of the experiments from atom fractions per row (one vector per experiment).
    void setComposition(const std::vector<std::vector<double>>& fractions, unsigned seed)
    {
        Document& d = doc();
        d.ExpCount = static_cast<Integer>(fractions.size());
        d.ExcEnergy = ExcitationEnergy(d, d.source());
        for (int e = 1; e <= d.ExpCount; ++e)
            for (int r = 1; r <= d.ElemCount; ++r)
                d.Intensity[e][r] = 1.0f;
        std::string errors;
        const QuantContext q = quant();
        CheckKineticEnergies(d, m_findings);
        EffectiveCrossSections(d, q.corr);
        ElementTransmissionFactors(q, false, errors);
        LineIMFPs(q, d.imfpMethod());
        AngularFactors(q, d.angularMethod());
        ContaminationThickness(q, errors);
        CorrectIntensities(d, q.corr, kCorrectAll);
        m_findings.presentTo(m_dialogs);
        std::mt19937 random(seed);
        std::normal_distribution<double> noise(1.0, kNoiseRelative);
        double largest = 0.0;
        for (int e = 1; e <= d.ExpCount; ++e)
            for (int r = 1; r <= d.ElemCount; ++r)
                largest = std::max(largest, fractions[e - 1][r - 1] / q.corr.CorrIntensity[e][r]);
        for (int e = 1; e <= d.ExpCount; ++e)
            for (int r = 1; r <= d.ElemCount; ++r) {
                const double counts = kCountsScale * fractions[e - 1][r - 1] / q.corr.CorrIntensity[e][r] / largest;
                d.Intensity[e][r] = static_cast<float>(std::round(counts * noise(random)));
            }
        d.RecalcNeeded = true;
    }

    /// Counting noise of kNoiseRelative on every intensity of the experiments,
    /// rounded to whole counts: a simulated measurement.
    void addCountingNoise(unsigned seed)
    {
        Document& d = doc();
        std::mt19937 random(seed);
        std::normal_distribution<double> noise(1.0, kNoiseRelative);
        for (int e = 1; e <= d.ExpCount; ++e)
            for (int r = 1; r <= d.ElemCount; ++r)
                if (d.Intensity[e][r] > 0.0f)
                    d.Intensity[e][r] = static_cast<float>(std::round(d.Intensity[e][r] * noise(random)));
        d.RecalcNeeded = true;
    }

    /// The composition the program gives back, for the record.
    void report(int resultType)
    {
        results().ResType = resultType;
        const ResultsTable table = ShowResults(m_session).table;
        std::cout << "  " << ResultTypeName(resultType) << ":";
        for (const auto& h : table.valueHeaders)
            std::cout << "  " << h;
        std::cout << "\n";
        for (const auto& row : table.rows) {
            std::cout << "  " << row.number;
            for (const float v : row.values)
                std::cout << "  " << FormatNumber(v, kPercentMask);
            if (table.hasOBalance)
                std::cout << "  O bal. " << FormatNumber(row.oBalance, kOBalanceMask);
            std::cout << "\n";
        }
    }

    void save(const std::filesystem::path& path)
    {
        if (!SaveDocument(m_session, path.string()))
            std::cerr << "could not write " << path << "\n";
        std::cout << "wrote " << path.filename().string() << "\n";
    }

private:
    PrintingDialogs m_dialogs;
    MemorySettingsStore m_settings;
    NoWindowsShell m_shell;
    Session m_session;
    Findings m_findings{m_dialogs};
};

}  // namespace slv::examples
