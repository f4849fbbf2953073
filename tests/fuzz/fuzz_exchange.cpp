// Fuzz entry point for reduced data exchange files. The bytes go through the
// program's own import (ImportExchangeText, the parser behind
// ImportExchangeFile) into an empty document. Element
// rows are completed from a small element library written once to a private
// folder, so the completion meets whatever the file names. Whatever the file
// holds, the document keeps its capacities and holds only finite numbers,
// and the error list stays bounded.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

#include "document/library_file.h"
#include "quant/exchange_import.h"
#include "support/quant_workspace.h"

namespace {

namespace fs = std::filesystem;

// The longest error list a file can produce: 101 reading error lines of at
// most one cut line each, and the checks of the whole file.
constexpr std::size_t kMaxErrorText = 120 * 4200;

slv::LineRecord line(const char* notation, float energy, float scofieldMg, float scofieldAl, float evans)
{
    slv::LineRecord record;
    record.notation = notation;
    record.bindEnergy = energy;
    record.crossSect.fill(-1.0f);
    record.crossSect[1] = scofieldMg;
    record.crossSect[2] = scofieldAl;
    record.crossSect[3] = evans;
    return record;
}

slv::ElementRecord element(slv::Integer Z, const char* symbol, float atWeight, std::vector<slv::LineRecord> lines)
{
    slv::ElementRecord record;
    record.Z = Z;
    record.symbol = symbol;
    record.atWeight = atWeight;
    record.lines = std::move(lines);
    return record;
}

/// A folder holding a small library, removed when the program ends.
class LibraryFolder {
public:
    LibraryFolder() : m_path(fs::temp_directory_path() / ("slv_fuzz_exchange_" + std::to_string(::getpid())))
    {
        slv::LibraryContents contents;
        contents.averageFactor = {0.0f, 0.0f, 0.0f, 1.1f, 1.2f, 1.3f};
        contents.elements = {
            element(6, "C ", 12.011f, {line("1s", 284.6f, 1.0f, 1.0f, -1.0f)}),
            element(8, "O ", 15.999f, {line("1s", 531.0f, 2.9f, 2.93f, 2.8f)}),
            element(26, "Fe", 55.845f,
                    {line("2p1", 719.9f, 5.0f, 5.4f, -1.0f), line("2p3", 706.8f, 9.9f, 10.82f, -1.0f),
                     line("2p", 710.0f, 14.9f, 16.2f, 15.0f), line("3p", 53.0f, 1.2f, 1.3f, -1.0f)}),
        };
        fs::create_directories(m_path);
        const auto bytes = slv::LibraryBytes(contents);
        std::ofstream(m_path / slv::kLibraryFileName, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    ~LibraryFolder()
    {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

bool finite(float value)
{
    return std::isfinite(value);
}

void checkDocument(const slv::Document& doc)
{
    if (doc.ElemCount < 0 || doc.ElemCount > slv::kMaxElements || doc.ExpCount < 0 ||
        doc.ExpCount > slv::kMaxExperiments)
        std::abort();
    for (int row = 1; row <= slv::kMaxElements; ++row) {
        if (!finite(doc.BindEnergy[row]) || !finite(doc.CrossSect[row]) || !finite(doc.Asymmetry[row]) ||
            !finite(doc.AtWeight[row]))
            std::abort();
        for (int exp = 1; exp <= slv::kMaxExperiments; ++exp)
            if (!finite(doc.Intensity[exp][row]))
                std::abort();
    }
    for (float number : doc.ParNumber)
        if (!finite(number))
            std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const LibraryFolder library;
    slv::test::QuantWorkspace w;
    w.env.programFolder = library.path();
    const std::string errors =
        slv::ImportExchangeText(w.doc, std::string_view(reinterpret_cast<const char*>(data), size), w.env, w.findings);
    if (errors == slv::kExchangeCritical)
        return 0;
    if (errors.size() > kMaxErrorText || (!errors.empty() && !errors.ends_with("\r\n")))
        std::abort();
    checkDocument(w.doc);
    return 0;
}
