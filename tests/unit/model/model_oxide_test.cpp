// The Oxide-Layer model's closed-form thickness against published worked values.
#include <gtest/gtest.h>

#include <cmath>

#include "model/oxide_layer.h"
#include "support/model_workspace.h"

namespace slv {
namespace {

TEST(OxideThickness, PublishedWorkedValues)
{
    constexpr double kDeg = M_PI / 180.0;
    struct Case {
        double imfp, cosine, q, ratio, thickness;
    };
    // anchors 3.3: SiO2 on Si, L = 2.996 nm, R0 = 0.9329 (Q = 1 / R0), Seah & Spencer 2002.
    // anchors 3.3: Al2O3 on Al, lambda_o 2.8, lambda_m 2.6, Nm/No 1.5, Strohmeier 1990.
    const double q = 1 / 0.9329;
    const double qAl = 1.5 * 2.6 / 2.8;
    for (const Case c :
         {Case{2.996, 1.0, q, 1.0, 2.1825}, Case{2.996, std::cos(45 * kDeg), q, 1.0, 1.5433},
          Case{2.996, 1.0, q, 0.1, 0.3051}, Case{2.996, 1.0, q, 0.5, 1.2858}, Case{2.996, 1.0, q, 2.0, 3.4318},
          Case{2.8, 1.0, qAl, 1.0, 2.4430}, Case{2.8, std::sin(45 * kDeg), qAl, 1.0, 1.7274},
          Case{2.8, 1.0, qAl, 0.5, 1.4799}, Case{2.8, 1.0, qAl, 2.0, 3.7275}})
        EXPECT_NEAR(OxideThickness(c.imfp, c.cosine, c.q, c.ratio), c.thickness, 5e-5) << c.ratio;
}

TEST(OxideLayerResults, EveryExperimentFromItsPeaksAndTilt)
{
    test::ModelWorkspace t;
    Document& doc = t.doc;
    doc.setModelType(ModelType::OxideLayer);
    doc.ElemCount = 2;
    doc.ExpCount = 4;
    doc.LayerCount = 1;
    t.model.MetalElem = 1;
    t.model.OxideElem = 2;
    // n_me L_me = 1 and n_ox L_ox = 0.9329 give Q = 1 / R0 of the SiO2-on-Si anchor.
    doc.LayerComp[0][1] = 1.0f;
    doc.LayerDensity[0] = 2.33f;
    doc.LayerMolWeight[0] = 2.33f;
    doc.LayerIMFP[0][1] = 1.0f;
    doc.LayerComp[1][2] = 1.0f;
    doc.LayerDensity[1] = 0.9329f;
    doc.LayerMolWeight[1] = 2.996f;
    doc.LayerIMFP[1][2] = 2.996f;
    doc.LabelSelect[3] = 1;
    doc.UnitIndex[1] = 0;
    const char* tilts[] = {"", "0", "45", "0", "0"};
    const float metal[] = {0, 500.0f, 500.0f, 0.0f, 500.0f};
    const float oxide[] = {0, 500.0f, 500.0f, 500.0f, -1.0f};
    for (int j = 1; j <= 4; ++j) {
        doc.LabelText[j][4] = tilts[j];
        doc.Intensity[j][1] = metal[j];
        doc.Intensity[j][2] = oxide[j];
    }
    OxideLayerResults(t.doc, t.model, t.res, t.env.DecSep);
    const auto& result = t.res.ResultValue;
    EXPECT_NEAR(result[1][1], 2.1825, 1e-4);
    EXPECT_NEAR(result[2][1], 1.5433, 1e-4);
    EXPECT_EQ(result[3][1], -1.0f);  // no metal peak
    EXPECT_EQ(result[4][1], -1.0f);  // no oxide peak

    doc.LabelSelect[3] = 0;  // without the Tilt label every experiment is normal emission
    OxideLayerResults(t.doc, t.model, t.res, t.env.DecSep);
    EXPECT_NEAR(result[2][1], 2.1825, 1e-4);

    doc.LayerMolWeight[1] = 0.0f;  // no oxide density: no thickness rather than infinity
    OxideLayerResults(t.doc, t.model, t.res, t.env.DecSep);
    EXPECT_EQ(result[1][1], -1.0f);
}

}  // namespace
}  // namespace slv
