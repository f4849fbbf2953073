// Documents for file tests: a random but valid document drawn from a seeded
// generator (texts with any ANSI byte, floats from arbitrary bit patterns,
// NaNs included), and a field-by-field comparison of everything a data or
// template file stores.
#pragma once

#include <bit>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <type_traits>

#include "document/document.h"

namespace slv::test {

class RandomDocument {
public:
    explicit RandomDocument(std::uint32_t seed) : m_random(seed) {}

    /// Fills every stored field of doc (a freshly reset document) at random
    /// within the capacities. A template gets ExpCount = IMFPRowCount.
    void fill(Document& doc)
    {
        doc.IsTemplate = chance(4);
        doc.setTitle(text(1 + pick(40), false));
        doc.ParText[1] = chance(2) ? text(pick(60), false) : "";
        for (auto& x : doc.ParNumber)
            x = number();
        for (auto& x : doc.ParIndex)
            x = static_cast<Integer>(pick(4));
        doc.setModelType(static_cast<ModelType>(pick(7)));
        for (auto& x : doc.ParLibrary)
            x = static_cast<Integer>(pick(4));
        for (auto& x : doc.LabelSelect)
            x = static_cast<Integer>(pick(2));
        for (auto& x : doc.UnitIndex)
            x = static_cast<Integer>(pick(4));
        doc.AxisIndex = static_cast<Integer>(1 + pick(8));
        doc.LabelName[6] = text(15, true);
        doc.LabelName[7] = text(15, true);

        doc.ElemCount = static_cast<Integer>(pick(kMaxElements + 1));
        doc.ExpCount = static_cast<Integer>(pick(kMaxExperiments + 1));
        doc.IMFPRowCount = doc.IsTemplate ? doc.ExpCount : static_cast<Integer>(pick(kMaxExperiments + 1));
        for (int r = 1; r <= kMaxElements; ++r) {
            doc.AtomicNo[r] = static_cast<Integer>(1 + pick(92));
            doc.ElSymbol[r] = text(2, true);
            doc.ElLine[r] = text(3, true);
            doc.ElState[r] = text(10, true);
            doc.BindEnergy[r] = number();
            doc.CrossSect[r] = number();
            doc.Asymmetry[r] = number();
            doc.AtWeight[r] = number();
            doc.Valence[r] = integer();
            doc.Oxygens[r] = integer();
            doc.ElDensity[r] = number();
            doc.ElModelFlag[r] = static_cast<Integer>(pick(3));
        }
        for (int e = 1; e <= kMaxExperiments; ++e) {
            doc.ExpContam[e] = number();
            doc.ExpAtWeight[e] = number();
            doc.ExpDensity[e] = number();
            doc.ExpMatClass[e] = static_cast<Integer>(pick(4));
            for (int r = 1; r <= kMaxElements; ++r) {
                doc.Intensity[e][r] = number();
                doc.IMFPval[e][r] = number();
            }
            for (int l = 1; l <= kLabelsPerExperiment; ++l)
                doc.LabelText[e][l] = text(15, true);
            for (int k = 1; k <= kMaxLayers; ++k)
                doc.ThickRes[e][k] = number();
            doc.CoverRes[e] = number();
        }

        doc.ModelOn = static_cast<Integer>(chance(3) ? 0 : 1);
        doc.SampleRadius = number();
        doc.InnerRadius = number();
        doc.LenUnitA = static_cast<Integer>(pick(2));
        doc.LayerCount = static_cast<Integer>(pick(kMaxLayers + 1));
        for (int k = 0; k <= kMaxLayers; ++k) {
            doc.LayerName[k] = text(12, true);
            doc.LayerDensity[k] = number();
            doc.LayerBandGap[k] = number();
            doc.LayerValElec[k] = integer();
            doc.LayerMatClass[k] = static_cast<Integer>(pick(4));
            doc.LayerMolWeight[k] = number();
            doc.LayerKind[k] = static_cast<Integer>(pick(3));
            doc.LayerLink[k] = static_cast<Integer>(pick(7) - 1);
            for (int r = 0; r <= kMaxElements; ++r) {
                doc.LayerComp[k][r] = static_cast<float>(pick(5));
                doc.LayerIMFP[k][r] = number();
            }
        }
        doc.MultiLayers = static_cast<Integer>(1 + pick(5));
        doc.AutoCov = chance(2);
        doc.ARXPS = chance(2);
        for (int i = 1; i <= kPolyhedronParameters; ++i)
            doc.PolyPar[i] = number();
        doc.NotesText = chance(3) ? "" : text(pick(600), false);
        doc.NotesLen = static_cast<Integer>(doc.NotesText.size());
        doc.setCurvedModel(chance(2) ? CurvedModel::Exact : CurvedModel::SurfaceAngleClasses);
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }
    bool chance(int oneIn) { return pick(oneIn) == 0; }
    Integer integer() { return static_cast<Integer>(pick(65536) - 32768); }

    /// Mostly ordinary values and the empty marker, sometimes any bit pattern.
    float number()
    {
        switch (pick(4)) {
        case 0: return -1.0f;
        case 1: return std::bit_cast<float>(static_cast<std::uint32_t>(m_random()));
        default: return std::uniform_real_distribution<float>(0.0f, 2000.0f)(m_random);
        }
    }

    /// Any byte but NUL inside a text; parameter texts and notes keep no blanks
    /// at their ends because the writer trims the parameter texts.
    std::string text(int length, bool anyBytes)
    {
        std::string s;
        for (int i = 0; i < length; ++i) {
            const int byte = anyBytes ? 1 + pick(255) : 33 + pick(222);
            s.push_back(static_cast<char>(byte));
        }
        return s;
    }

    std::mt19937 m_random;
};

/// Names every stored field in which a and b differ ("" when none). Floats
/// compare by their bits. The experiment count is a's ExpCount.
inline std::string StoredFieldDifferences(const Document& a, const Document& b)
{
    std::ostringstream out;
    auto same = [](const auto& x, const auto& y) {
        if constexpr (std::is_same_v<std::decay_t<decltype(x)>, float>)
            return std::bit_cast<std::uint32_t>(x) == std::bit_cast<std::uint32_t>(y);
        else
            return x == y;
    };
    auto check = [&](const char* name, const auto& x, const auto& y, int i = -1, int j = -1) {
        if (same(x, y))
            return;
        out << name;
        if (i >= 0)
            out << '(' << i << (j >= 0 ? "," + std::to_string(j) : std::string()) << ')';
        out << ' ';
    };

    check("IsTemplate", a.IsTemplate, b.IsTemplate);
    for (int i = 0; i < kParTextCount; ++i)
        check("ParText", a.ParText[i], b.ParText[i], i);
    for (int i = 0; i < kParNumberCount; ++i)
        check("ParNumber", a.ParNumber[i], b.ParNumber[i], i);
    for (int i = 0; i < kParIndexCount; ++i)
        check("ParIndex", a.ParIndex[i], b.ParIndex[i], i);
    for (int i = 0; i < kParLibraryCount; ++i)
        check("ParLibrary", a.ParLibrary[i], b.ParLibrary[i], i);
    for (int i = 0; i < kLabelsPerExperiment; ++i)
        check("LabelSelect", a.LabelSelect[i], b.LabelSelect[i], i);
    for (int i = 0; i < 3; ++i)
        check("UnitIndex", a.UnitIndex[i], b.UnitIndex[i], i);
    check("AxisIndex", a.AxisIndex, b.AxisIndex);
    check("LabelName", a.LabelName[6], b.LabelName[6], 6);
    check("LabelName", a.LabelName[7], b.LabelName[7], 7);
    check("ElemCount", a.ElemCount, b.ElemCount);
    check("ExpCount", a.ExpCount, b.ExpCount);

    const int n = a.ElemCount;
    const int m = a.ExpCount;
    const bool data = !a.IsTemplate;
    for (int r = 1; r <= n; ++r) {
        check("AtomicNo", a.AtomicNo[r], b.AtomicNo[r], r);
        check("ElSymbol", a.ElSymbol[r], b.ElSymbol[r], r);
        check("ElLine", a.ElLine[r], b.ElLine[r], r);
        check("ElState", a.ElState[r], b.ElState[r], r);
        check("BindEnergy", a.BindEnergy[r], b.BindEnergy[r], r);
        check("CrossSect", a.CrossSect[r], b.CrossSect[r], r);
        check("Asymmetry", a.Asymmetry[r], b.Asymmetry[r], r);
        check("AtWeight", a.AtWeight[r], b.AtWeight[r], r);
        check("Valence", a.Valence[r], b.Valence[r], r);
        check("Oxygens", a.Oxygens[r], b.Oxygens[r], r);
        check("ElDensity", a.ElDensity[r], b.ElDensity[r], r);
    }
    for (int e = 1; e <= m; ++e) {
        check("ExpContam", a.ExpContam[e], b.ExpContam[e], e);
        check("ExpAtWeight", a.ExpAtWeight[e], b.ExpAtWeight[e], e);
        check("ExpDensity", a.ExpDensity[e], b.ExpDensity[e], e);
        check("ExpMatClass", a.ExpMatClass[e], b.ExpMatClass[e], e);
        for (int r = 1; r <= n; ++r) {
            check("IMFPval", a.IMFPval[e][r], b.IMFPval[e][r], e, r);
            if (data)
                check("Intensity", a.Intensity[e][r], b.Intensity[e][r], e, r);
        }
        for (int l = 1; data && l <= kLabelsPerExperiment; ++l)
            check("LabelText", a.LabelText[e][l], b.LabelText[e][l], e, l);
    }

    check("ModelOn", a.ModelOn, b.ModelOn);
    if (a.ModelOn != 0) {
        check("SampleRadius", a.SampleRadius, b.SampleRadius);
        check("InnerRadius", a.InnerRadius, b.InnerRadius);
        check("LenUnitA", a.LenUnitA, b.LenUnitA);
        check("LayerCount", a.LayerCount, b.LayerCount);
        for (int k = 0; k <= a.LayerCount; ++k) {
            check("LayerName", a.LayerName[k], b.LayerName[k], k);
            check("LayerDensity", a.LayerDensity[k], b.LayerDensity[k], k);
            check("LayerBandGap", a.LayerBandGap[k], b.LayerBandGap[k], k);
            check("LayerValElec", a.LayerValElec[k], b.LayerValElec[k], k);
            check("LayerMatClass", a.LayerMatClass[k], b.LayerMatClass[k], k);
            check("LayerMolWeight", a.LayerMolWeight[k], b.LayerMolWeight[k], k);
            check("LayerKind", a.LayerKind[k], b.LayerKind[k], k);
            check("LayerLink", a.LayerLink[k], b.LayerLink[k], k);
            for (int r = 0; r <= n; ++r) {
                check("LayerComp", a.LayerComp[k][r], b.LayerComp[k][r], k, r);
                check("LayerIMFP", a.LayerIMFP[k][r], b.LayerIMFP[k][r], k, r);
            }
            for (int e = 1; data && k >= 1 && e <= m; ++e)
                check("ThickRes", a.ThickRes[e][k], b.ThickRes[e][k], e, k);
        }
        for (int r = 1; r <= n; ++r)
            check("ElModelFlag", a.ElModelFlag[r], b.ElModelFlag[r], r);
        check("MultiLayers", a.MultiLayers, b.MultiLayers);
        check("AutoCov", a.AutoCov, b.AutoCov);
        check("ARXPS", a.ARXPS, b.ARXPS);
        check("CurvedChoice", CodeOf(a.curvedModel()), CodeOf(b.curvedModel()));
        for (int i = 1; a.modelType() == ModelType::Polyhedron && i <= kPolyhedronParameters; ++i)
            check("PolyPar", a.PolyPar[i], b.PolyPar[i], i);
        for (int e = 1; data && e <= m; ++e)
            check("CoverRes", a.CoverRes[e], b.CoverRes[e], e);
    }
    check("NotesText", a.NotesText, b.NotesText);
    check("NotesLen", a.NotesLen, b.NotesLen);
    return out.str();
}

}  // namespace slv::test
