// Writes data and template files of every accepted format version (102 ..
// 230) for tests that read them back. It follows the published layout table
// on its own, version by version, instead of going through the program's
// writer, so that a fault of the reader is not mirrored here.
//
// The document is written as it stands: for the older versions ParIndex[0]
// must hold the combined model code and ParLibrary the old option numbers.
#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

#include "document/binary_io.h"
#include "document/document.h"

namespace slv::test {

/// A format version and the sizes of its counted parameter blocks (older
/// program versions wrote fewer parameters than the current limits).
struct LegacyLayout {
    int version = 230;
    int texts = 2;
    int numbers = 7;
    int indices = 14;
    int library = 4;
    int labels = 8;
    int units = 3;
};

inline std::vector<std::byte> LegacyDataFile(const Document& doc, const LegacyLayout& layout)
{
    const int v = layout.version;
    const bool current = v >= 210;
    const bool data = !doc.IsTemplate;
    const int n = doc.ElemCount;
    const int m = doc.IsTemplate ? doc.IMFPRowCount : doc.ExpCount;
    ByteWriter w;

    w.fixedText(doc.IsTemplate ? "SLVT" : "SLVD", 4);
    w.integer(700);
    w.integer(static_cast<Integer>(v));

    w.integer(static_cast<Integer>(layout.texts));
    for (int i = 0; i < layout.texts; ++i)
        w.countedText(doc.ParText[i]);
    w.integer(static_cast<Integer>(layout.numbers));
    for (int i = 0; i < layout.numbers; ++i)
        w.single(doc.ParNumber[i]);
    w.integer(static_cast<Integer>(layout.indices));
    for (int i = 0; i < layout.indices; ++i)
        w.integer(doc.ParIndex[i]);
    w.integer(static_cast<Integer>(layout.library));
    for (int i = 0; i < layout.library; ++i)
        w.integer(doc.ParLibrary[i]);
    w.integer(static_cast<Integer>(layout.labels));
    for (int i = 0; i < layout.labels; ++i)
        w.integer(doc.LabelSelect[i]);
    w.integer(static_cast<Integer>(layout.units));
    for (int i = 0; i < layout.units; ++i)
        w.integer(doc.UnitIndex[i]);
    w.integer(doc.AxisIndex);
    w.fixedText(doc.LabelName[6].padded(), 15);
    w.fixedText(doc.LabelName[7].padded(), 15);
    w.integer(static_cast<Integer>(n));
    w.integer(static_cast<Integer>(m));

    for (int r = 1; r <= n; ++r) {
        w.integer(doc.AtomicNo[r]);
        w.fixedText(doc.ElSymbol[r].padded(), 2);
        w.fixedText(doc.ElLine[r].padded(), 3);
        w.fixedText(doc.ElState[r].padded(), 10);
        w.single(doc.BindEnergy[r]);
        w.single(doc.CrossSect[r]);
        w.single(doc.Asymmetry[r]);
        w.single(doc.AtWeight[r]);
        w.integer(doc.Valence[r]);
        w.integer(doc.Oxygens[r]);
        w.single(doc.ElDensity[r]);
    }

    for (int e = 1; e <= m; ++e) {
        w.single(doc.ExpContam[e]);
        w.single(doc.ExpAtWeight[e]);
        w.single(doc.ExpDensity[e]);
        if (v >= 220)
            w.integer(doc.ExpMatClass[e]);
        if (current) {
            for (int r = 1; r <= n; ++r)
                w.single(doc.IMFPval[e][r]);
            if (!data)
                continue;
            for (int r = 1; r <= n; ++r)
                w.single(doc.Intensity[e][r]);
        } else {
            for (int r = 1; r <= n; ++r) {
                w.single(doc.Intensity[e][r]);
                w.single(doc.IMFPval[e][r]);
            }
        }
        for (int l = 1; l <= layout.labels; ++l)
            w.fixedText(doc.LabelText[e][l].padded(), 15);
    }

    w.integer(doc.ModelOn);
    if (doc.ModelOn != 0) {
        w.single(doc.SampleRadius);
        if (v >= 230)
            w.single(doc.InnerRadius);
        if (v < 103)
            w.single(static_cast<float>(doc.LenUnitA));
        else
            w.integer(doc.LenUnitA);
        w.integer(doc.LayerCount);
        for (int k = 0; k <= doc.LayerCount; ++k) {
            w.fixedText(doc.LayerName[k].padded(), 12);
            w.single(doc.LayerDensity[k]);
            if (v >= 131)
                w.single(doc.LayerBandGap[k]);
            if (v >= 141) {
                w.integer(doc.LayerValElec[k]);
                w.integer(doc.LayerMatClass[k]);
            }
            w.single(doc.LayerMolWeight[k]);
            if (v >= 103)
                w.integer(doc.LayerKind[k]);
            if (v >= 122)
                w.integer(doc.LayerLink[k]);
            for (int r = v >= 141 ? 0 : 1; r <= n; ++r) {
                if (v < 113)
                    w.integer(static_cast<Integer>(std::lround(doc.LayerComp[k][r])));
                else
                    w.single(doc.LayerComp[k][r]);
                w.single(doc.LayerIMFP[k][r]);
            }
            if (!current && k >= 1) {
                for (int e = 1; e <= m; ++e)
                    w.single(doc.ThickRes[e][k]);
            }
        }
        if (current) {
            for (int r = 1; r <= n; ++r)
                w.integer(doc.ElModelFlag[r]);
            w.integer(doc.MultiLayers);
            w.integer(doc.AutoCov ? -1 : 0);
            w.integer(doc.ARXPS ? -1 : 0);
            if (doc.ParIndex[0] == 5) {
                for (int i = 1; i <= 9; ++i)
                    w.single(doc.PolyPar[i]);
            }
            if (data) {
                for (int k = 1; k <= doc.LayerCount; ++k) {
                    for (int e = 1; e <= m; ++e)
                        w.single(doc.ThickRes[e][k]);
                }
                for (int e = 1; e <= m; ++e)
                    w.single(doc.CoverRes[e]);
            }
        } else {
            for (int e = 1; e <= m; ++e)
                w.single(doc.CoverRes[e]);
            if (v >= 122) {
                for (int r = 1; r <= n; ++r)
                    w.integer(doc.ElModelFlag[r]);
                w.integer(doc.MultiLayers);
                w.integer(doc.AutoCov ? -1 : 0);
            }
            if (v >= 142)
                w.integer(doc.ARXPS ? -1 : 0);
        }
    }

    w.countedText(doc.NotesText);
    if (v > 120)
        w.fixedText("lvdE", 4);
    return w.bytes();
}

}  // namespace slv::test
