#include <algorithm>
#include <cfloat>
#include <cmath>

#include "document/file_error.h"
#include "quant/transmission_file.h"

namespace slv {

namespace {

/// An EXP row with a steeper power than this describes no analyser.
constexpr double kMaxExpExponent = 12.0;
/// NPL and UNI polynomials run in u = (E - 1000 eV) / 1000 eV.
constexpr double kReducedEnergyCentreEv = 1000.0;
constexpr double kReducedEnergyScaleEv = 1000.0;

constexpr int kUniPolynomialOrder = 4;  // c0..c4 in u, then c5 x^c6

constexpr const char* kDivisionByZeroText = "Division by zero";
constexpr const char* kInvalidCallText = "Invalid procedure call or argument";

double reducedEnergy(double x)
{
    return (x - kReducedEnergyCentreEv) / kReducedEnergyScaleEv;
}

/// Σ c_j x^j for j = 0..order with the coefficients of one table row.
double polynomial(const TransmissionTable& table, int row, int order, double x)
{
    double sum = 0.0;
    for (int j = order; j >= 0; --j)
        sum = sum * x + table.C[j][row];
    return sum;
}

TransmissionValue faultOf(TransmissionFault fault)
{
    return {1.0f, fault};
}

/// A computed value as a Single, or the run-time error its arithmetic raised.
TransmissionValue checkedValue(double t)
{
    if (std::isnan(t))
        return faultOf(TransmissionFault::InvalidCall);
    if (std::fabs(t) > FLT_MAX)
        return faultOf(TransmissionFault::Overflow);
    return {static_cast<float>(t), TransmissionFault::None};
}

TransmissionValue tabulated(const TransmissionTable& table, int n, int r, double x)
{
    // A single row has no segment to extend: its value holds above its energy.
    if (n == 1)
        return {table.C[0][1], TransmissionFault::None};
    const int lo = std::min(r, n - 1);  // above the last row the last segment is extended
    const int hi = lo + 1;
    const double span = static_cast<double>(table.E[hi]) - table.E[lo];
    if (span == 0.0)
        return faultOf(TransmissionFault::DivisionByZero);
    const double tLo = table.C[0][lo];
    return checkedValue(tLo + (table.C[0][hi] - tLo) / span * (x - table.E[lo]));
}

TransmissionValue rational(const TransmissionTable& table, double x)
{
    const double u = reducedEnergy(x);
    const double numerator = polynomial(table, 1, kNplOrder, u);
    // The denominator's constant term is 1; the second row's b0 is not used.
    double higherTerms = 0.0;
    for (int j = kNplOrder; j >= 1; --j)
        higherTerms = higherTerms * u + table.C[j][2];
    const double denominator = 1.0 + higherTerms * u;
    if (denominator == 0.0)
        return faultOf(TransmissionFault::DivisionByZero);
    return checkedValue(numerator / denominator);
}

TransmissionValue combined(const TransmissionTable& table, double x)
{
    const double u = reducedEnergy(x);
    return checkedValue(polynomial(table, 1, kUniPolynomialOrder, u) +
                        table.C[5][1] * std::pow(x, static_cast<double>(table.C[6][1])));
}

void reportRuntimeFault(TransmissionFault fault, Findings& findings)
{
    switch (fault) {
    case TransmissionFault::Overflow: findings.add(FileErrorFinding(kErrOverflow, kContextTransmission, {})); break;
    case TransmissionFault::DivisionByZero:
        findings.add(FileErrorFinding(kErrDivisionByZero, kContextTransmission, {}, kDivisionByZeroText));
        break;
    case TransmissionFault::InvalidCall:
        findings.add(FileErrorFinding(kErrInvalidCall, kContextTransmission, {}, kInvalidCallText));
        break;
    case TransmissionFault::None:
    case TransmissionFault::InvalidData: break;
    }
}

}  // namespace

TransmissionValue EvaluateTransmission(const TransmissionTable& table, float kineticEv)
{
    const int kind = table.keyword.kind;
    const double x = kineticEv;
    if (kind == kTransmissionKindNpl)
        return rational(table, x);
    if (kind == kTransmissionKindUni)
        return combined(table, x);
    if (kind != kTransmissionKindExp && kind != kTransmissionKindPol && kind != kTransmissionKindTab)
        return faultOf(TransmissionFault::InvalidData);

    // Row r applies from its energy up to the next row's.
    const int n = std::clamp(table.rowCount, 0, kMaxTransmissionRows);
    int k = 1;
    while (k <= n && !(table.E[k] > kineticEv))
        ++k;
    if (k == 1)
        return {1.0f, TransmissionFault::None};
    const int r = k - 1;
    switch (kind) {
    case kTransmissionKindExp: {
        const double exponent = table.C[2][r];
        if (exponent > kMaxExpExponent)
            return faultOf(TransmissionFault::InvalidData);
        return checkedValue(table.C[0][r] + table.C[1][r] * std::pow(x, exponent));
    }
    case kTransmissionKindPol:
        return checkedValue(polynomial(table, r, std::clamp(table.keyword.order, 0, kMaxTransmissionOrder), x));
    default: return tabulated(table, n, r, x);
    }
}

bool FileTransmission(std::string& path, const std::filesystem::path& programFolder, std::span<const float> bindingEv,
                      float excitationEv, std::span<float> factors, Findings& findings)
{
    const auto text = OpenTransmissionFile(path, programFolder, findings);
    if (!text || text->size() > kMaxTransmissionFileBytes)
        return false;
    const TransmissionRead read = ReadTransmissionFile(*text);
    if (read.fault != TransmissionFault::None) {
        reportRuntimeFault(read.fault, findings);
        return false;
    }
    const std::size_t count = std::min(bindingEv.size(), factors.size());
    for (std::size_t i = 0; i < count; ++i) {
        const TransmissionValue t = EvaluateTransmission(read.table, excitationEv - bindingEv[i]);
        if (t.fault != TransmissionFault::None) {
            reportRuntimeFault(t.fault, findings);
            return false;
        }
        factors[i] = t.value;
    }
    return true;
}

}  // namespace slv
