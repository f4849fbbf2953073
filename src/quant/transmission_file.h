// Transmission files (.ltr): one analyser transmission function per file, of
// kind Exponential, Polynomial, Rational (NPL), Tabulated or Combined
// (Unifit). The file is plain text: comment lines starting with "#", a
// keyword line (EXP, POL0..POL6, NPL, TAB, UNI), then up to 40 data lines of
// fields separated by ";" or ",":
//
//   # analyser at pass energy 20 eV
//   TAB
//   500; 1.0
//   1500; 0.5
//
// EXP, POL and TAB lines start with the energy from which the row applies;
// NPL holds the numerator and the denominator coefficients on two lines, UNI
// its seven coefficients on one. A file is untrusted input: it is read only
// up to kMaxTransmissionFileBytes, and every fault ends in a status.
//
// The functions of the kinetic energy E (eV), row r applying from its E_r on:
//   EXP   T = c0 + c1 E^c2 (a power law with an offset; FAT/CAE analysers pass
//         about E^-1, FRR/CRR about E^+1, the program's types 1 and 2)
//   POLn  T = c0 + c1 E + ... + cn E^n
//   TAB   T linear between the rows (E_r, T_r), extended beyond the last
//   NPL   T = (a0 + a1 u + ... + a4 u^4) / (1 + b1 u + ... + b4 u^4),
//         u = (E - 1000 eV) / 1000 eV: the rational form in which an intensity
//         calibration in the manner of the NPL procedure (Seah, J. Electron
//         Spectrosc. 71 (1995) 191) gives an analyser's response
//   UNI   T = c0 + c1 u + ... + c4 u^4 + c5 E^c6, the combined polynomial and
//         power law in which the Unifit program exports a transmission
// Below the first row's energy an EXP, POL or TAB function gives T = 1.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/findings.h"

namespace slv {

/// Function kinds, as TranFuncKind shows them.
enum TransmissionKind : int {
    kTransmissionKindNone = 0,
    kTransmissionKindExp = 1,
    kTransmissionKindPol = 2,
    kTransmissionKindNpl = 3,
    kTransmissionKindTab = 4,
    kTransmissionKindUni = 5,
};

inline constexpr int kMaxTransmissionRows = 40;
inline constexpr int kMaxTransmissionOrder = 6;
/// Orders of the kinds with a fixed one: the coefficients c0..c(order) of a row.
inline constexpr int kExpOrder = 2;
inline constexpr int kNplOrder = 4;
inline constexpr int kTabOrder = 0;
inline constexpr int kUniOrder = 6;
/// No transmission file of this program comes near this size; a larger file is not one.
inline constexpr std::size_t kMaxTransmissionFileBytes = std::size_t{1} << 20;

struct TransmissionKeyword {
    int kind = kTransmissionKindNone;
    int order = 0;  // POL n, else the kind's fixed order
};

/// The kind and order a keyword line names; nullopt for an unknown keyword
/// or a POL order outside 0..6.
std::optional<TransmissionKeyword> ParseTransmissionKeyword(std::string_view line);

/// The rows of a transmission file, 1-based as the analysis numbers them.
struct TransmissionTable {
    TransmissionKeyword keyword;
    int rowCount = 0;
    std::array<float, kMaxTransmissionRows + 1> E{};  // start energy of each row, eV
    std::array<std::array<float, kMaxTransmissionRows + 1>, kMaxTransmissionOrder + 1> C{};  // C[j][row]
};

/// Why a transmission file gives no factors. InvalidData is reported by the
/// caller's "Invalid transmission data" message; the others are run-time
/// errors of the arithmetic that ReportFileError shows first.
enum class TransmissionFault { None, InvalidData, Overflow, DivisionByZero, InvalidCall };

struct TransmissionRead {
    TransmissionTable table;
    TransmissionFault fault = TransmissionFault::None;
};

/// Parses the text of a transmission file.
TransmissionRead ReadTransmissionFile(std::string_view text);

struct TransmissionValue {
    float value = 1.0f;
    TransmissionFault fault = TransmissionFault::None;
};

/// The transmission function of the table at kinetic energy kineticEv.
TransmissionValue EvaluateTransmission(const TransmissionTable& table, float kineticEv);

/// Reads the transmission file at path or, when it has been moved, finds it
/// by its name in the current folder and then in the program folder; a file
/// found there is used after the analyst was asked whether path should keep
/// its old value (No: path takes the new one). The text is read up to one
/// byte past kMaxTransmissionFileBytes. nullopt, with the file error
/// reported, when there is no file to read; only regular files are read.
/// readFrom, when given, receives the file that was read, which differs from
/// path when the analyst kept the old path of a moved file.
std::optional<std::string> OpenTransmissionFile(std::string& path, const std::filesystem::path& programFolder,
                                                Findings& findings, std::filesystem::path* readFrom = nullptr);

/// Evaluates the transmission file at path (which the moved-file search may
/// change, with the analyst's consent) at the kinetic energies
/// excitationEv - bindingEv[i] into factors[i]. Returns false, having
/// reported any file or run-time error, when the file is missing or its data
/// are invalid.
bool FileTransmission(std::string& path, const std::filesystem::path& programFolder, std::span<const float> bindingEv,
                      float excitationEv, std::span<float> factors, Findings& findings);

}  // namespace slv
