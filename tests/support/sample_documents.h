// Small documents the tests share, filled field by field.
#pragma once

#include <filesystem>
#include <fstream>

#include "document/data_file.h"

namespace slv::test {

/// Si 2p and O 1s without corrections in two experiments with a Time label:
/// intensities 30/70 and 20/60, Si with valence 4 and 2 oxide oxygens.
inline void FillSiliconOxide(Document& doc)
{
    doc.setTitle("silica");
    doc.ElemCount = 2;
    doc.ExpCount = 2;
    const char* symbols[] = {"", "Si", "O"};
    const char* lines[] = {"", "2p", "1s"};
    const float binding[] = {0, 99.3f, 531.0f};
    for (int r = 1; r <= 2; ++r) {
        doc.ElSymbol[r] = symbols[r];
        doc.ElLine[r] = lines[r];
        doc.BindEnergy[r] = binding[r];
        doc.CrossSect[r] = 1.0f;
        doc.Asymmetry[r] = 1.0f;
        doc.AtWeight[r] = r == 1 ? 28.086f : 15.999f;
    }
    doc.Valence[1] = 4;
    doc.Oxygens[1] = 2;
    doc.Intensity[1][1] = 30.0f;
    doc.Intensity[1][2] = 70.0f;
    doc.Intensity[2][1] = 20.0f;
    doc.Intensity[2][2] = 60.0f;
    doc.LabelSelect[2] = 1;
    doc.LabelText[1][3] = "10";
    doc.LabelText[2][3] = "20";
}

/// Writes the document as a current-version data file.
inline void WriteDataFile(const Document& doc, const std::filesystem::path& path)
{
    const auto bytes = DataFileBytes(doc);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes->data()), static_cast<std::streamsize>(bytes->size()));
}

}  // namespace slv::test
