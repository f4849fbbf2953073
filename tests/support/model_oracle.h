// The reference implementation of the model intensity formulas, written term
// by term as the physics states them, with no reuse of attenuations and no
// shortcuts: every region contribution carries the literal product of the
// attenuations of all regions before it. It builds its own atom densities and
// IMFPs from the document (a composition of -1 counts as 0, an IMFP of 0 is
// taken as 1). The tests hold the production routines to it, and the
// benchmarks measure how much faster they are.
//
// It takes from the calculation set-up only what is not a formula: the
// emission cosines, FitExpCount, TubeSteps and TubeRadius.
#pragma once

#include <cmath>
#include <vector>

#include "document/document.h"
#include "model/model_state.h"

namespace slv::test {

inline double OracleDensity(const Document& doc, int row, int e)
{
    const double comp = doc.LayerComp[row][e] == -1.0f ? 0.0 : doc.LayerComp[row][e];
    if (doc.LayerMolWeight[row] == 0.0f)
        return 0.0;
    return comp * doc.LayerDensity[row] / doc.LayerMolWeight[row];
}

inline double OracleImfp(const Document& doc, int row, int e)
{
    return doc.LayerIMFP[row][e] == 0.0f ? 1.0 : doc.LayerIMFP[row][e];
}

/// Layer row of each region 1..R of a plane, sphere, cylinder or polyhedron (index 0 = bulk).
inline std::vector<int> OracleStackRegions(const Document& doc)
{
    const int repetitions = doc.IslandMode == 1 ? 1 : std::max<int>(doc.MultiLayers, 1);
    std::vector<int> rowOf(1, 0);
    for (int j = 1; j <= doc.LayerCount * repetitions; ++j)
        rowOf.push_back((j - 1) % doc.LayerCount + 1);
    return rowOf;
}

/// Plane: I(k) = N L c (1 - a(k)) prod a(m<k), I(0) = N L c prod a(all).
inline std::vector<double> OraclePlane(const Document& doc, const LayerTable<double>& thick, int e, double c)
{
    const std::vector<int> rowOf = OracleStackRegions(doc);
    const int R = static_cast<int>(rowOf.size()) - 1;
    std::vector<double> a(R + 1, 1.0);
    for (int k = 1; k <= R; ++k)
        a[k] = std::exp(-thick[rowOf[k]] / (OracleImfp(doc, rowOf[k], e) * c));
    std::vector<double> I(R + 1, 0.0);
    for (int k = 1; k <= R; ++k) {
        double product = 1.0;
        for (int m = 1; m < k; ++m)
            product *= a[m];
        I[k] = OracleDensity(doc, rowOf[k], e) * OracleImfp(doc, rowOf[k], e) * c * (1.0 - a[k]) * product;
    }
    double product = 1.0;
    for (int m = 1; m <= R; ++m)
        product *= a[m];
    I[0] = OracleDensity(doc, 0, e) * OracleImfp(doc, 0, e) * c * product;
    return I;
}

/// Sphere, cylinder, polyhedron: nine polar-angle classes with the chord
/// s = sqrt(c^2 r^2 - (d - 2R) d) - c r, r = R - k d(k), or d / c for R = 0.
inline std::vector<double> OracleCurved(const Document& doc, const LayerTable<double>& thick, int e,
                                        const std::array<float, 10>& weight)
{
    const std::vector<int> rowOf = OracleStackRegions(doc);
    const int R = static_cast<int>(rowOf.size()) - 1;
    const double radius = doc.SampleRadius;
    std::vector<double> I(R + 1, 0.0);
    for (int i = 1; i <= 9; ++i) {
        const double t = doc.modelType() == ModelType::Polyhedron ? (i - 1) * 10.0 : (i - 1) * 10.0 + 5.0;
        const double c = std::cos(t * 0.017453292519943278);
        std::vector<double> a(R + 1, 1.0);
        for (int k = 1; k <= R; ++k) {
            const double d = thick[rowOf[k]];
            const double r = radius - k * d;
            const double s = radius == 0.0 ? d / c : std::sqrt(c * c * r * r - (d - 2.0 * radius) * d) - c * r;
            a[k] = std::exp(-s / OracleImfp(doc, rowOf[k], e));
        }
        for (int k = 1; k <= R; ++k) {
            double product = 1.0;
            for (int m = 1; m < k; ++m)
                product *= a[m];
            I[k] += weight[i] * (1.0 - a[k]) * product;
        }
        double product = 1.0;
        for (int m = 1; m <= R; ++m)
            product *= a[m];
        I[0] += weight[i] * product;
    }
    for (int k = 0; k <= R; ++k)
        I[k] *= OracleDensity(doc, rowOf[k], e) * OracleImfp(doc, rowOf[k], e);
    return I;
}

/// Nanotube: 81 impact-class pairs, TubeSteps crossings of the tube, each
/// crossing through the layers, the wall and the layers again.
inline std::vector<double> OracleNanotube(const Document& doc, const LayerTable<double>& thick, int e, int tubeSteps,
                                          double tubeRadius)
{
    const int n = doc.LayerCount;
    std::vector<int> order;
    for (int k = 1; k <= n; ++k)
        order.push_back(k);
    order.push_back(0);
    for (int k = n; k >= 1; --k)
        order.push_back(k);

    double rOut = tubeRadius;
    for (int k = 1; k <= n; ++k)
        rOut += thick[k];
    double P[10][6] = {};
    for (int i = 1; i <= 9; ++i) {
        const double y = (2 * i - 1) * rOut / 18.0;
        const double inner = doc.InnerRadius;
        const double h = inner > y ? std::sqrt(inner * inner - y * y) : 0.0;
        const double w = tubeRadius > y ? std::sqrt(tubeRadius * tubeRadius - y * y) - h : 0.0;
        for (int k = n; k >= 1; --k) {
            double rk = tubeRadius;
            for (int m = k; m <= n; ++m)
                rk += thick[m];
            P[i][k] = rk > y ? std::sqrt(rk * rk - y * y) - w - h : 0.0;
            for (int m = k + 1; m <= n; ++m)
                P[i][k] -= P[i][m];
        }
        P[i][0] = 2.0 * w;
    }

    const int R = static_cast<int>(order.size()) * tubeSteps;
    std::vector<double> I(R + 1, 0.0);
    for (int i = 1; i <= 9; ++i) {
        for (int j = 1; j <= 9; ++j) {
            std::vector<double> a(R + 1, 1.0);
            std::vector<int> rowOfSegment(R + 1, 0);
            int c = 0;
            for (int s = 1; s <= tubeSteps; ++s) {
                const int cls = s % 2 == 1 ? i : j;
                for (int row : order) {
                    ++c;
                    rowOfSegment[c] = row;
                    a[c] = std::exp(-P[cls][row] / OracleImfp(doc, row, e));
                }
            }
            for (c = 1; c <= R; ++c) {
                double product = 1.0;
                for (int before = 1; before < c; ++before)
                    product *= a[before];
                const int row = rowOfSegment[c];
                I[c] += OracleDensity(doc, row, e) * OracleImfp(doc, row, e) * (1.0 - a[c]) * product;
            }
        }
    }
    return I;
}

/// The element's intensity in one experiment: the sum of the geometry's contributions.
inline double OracleElementIntensity(const Document& doc, const ModelState& model, const LayerTable<double>& thick,
                                     int e, int exp)
{
    std::vector<double> I;
    switch (doc.modelType()) {
    case ModelType::Plane: I = OraclePlane(doc, thick, e, model.EmissionCos[exp]); break;
    case ModelType::Nanotube: I = OracleNanotube(doc, thick, e, model.TubeSteps, model.TubeRadius); break;
    default: I = OracleCurved(doc, thick, e, model.AngleWeight); break;
    }
    double sum = 0.0;
    for (double contribution : I)
        sum += contribution;
    return sum;
}

/// CalcIntensity (index (exp - 1) x ElemCount + e) of the whole model calculation.
inline std::vector<double> OracleCalcIntensity(const Document& doc, const ModelState& model,
                                               const LayerTable<double>& thick, double coverage)
{
    const int n = doc.ElemCount;
    std::vector<double> calc(model.FitExpCount * n + 1, 0.0);
    LayerTable<double> bare = thick;
    for (int k = 1; k <= doc.LayerCount; ++k)
        if (doc.LayerKind[k] == 2)
            bare[k] = 0.0;
    for (int j = 1; j <= model.FitExpCount; ++j) {
        for (int e = 1; e <= n; ++e) {
            double value = OracleElementIntensity(doc, model, thick, e, j);
            if (doc.IslandMode == 1)
                value = coverage * value + (1.0 - coverage) * OracleElementIntensity(doc, model, bare, e, j);
            calc[(j - 1) * n + e] = value;
        }
        if (doc.ARXPS) {
            double sum = 0.0;
            for (int e = 1; e <= n; ++e)
                sum += calc[(j - 1) * n + e];
            if (sum != 0.0)
                for (int e = 1; e <= n; ++e)
                    calc[(j - 1) * n + e] *= 100.0 / sum;
        }
    }
    return calc;
}

}  // namespace slv::test
