#include "document/new_document.h"

#include "document/settings_defaults.h"
#include "document/table_rows.h"

namespace slv {

namespace {

void clearModel(Document& doc)
{
    for (int layer = 0; layer <= kMaxLayers; ++layer) {
        doc.LayerName[layer] = "";
        doc.LayerKind[layer] = 0;
        doc.LayerLink[layer] = 0;
        doc.LayerMolWeight[layer] = 0.0f;
        doc.LayerDensity[layer] = 0.0f;
        doc.LayerBandGap[layer] = kEmptyValue;
        doc.LayerValElec[layer] = 0;
        doc.setLayerClass(layer, MaterialClass::None);
        doc.LayerThick[layer] = 0.0;
        doc.LayerComp[layer].fill(0.0f);
        doc.LayerIMFP[layer].fill(0.0f);
    }
    // A fitted coverage belongs to the data set it was fitted for.
    doc.Coverage = 0.0;
    doc.PolyPar.fill(0.0f);
    doc.MultiLayers = 1;
    doc.ModelOn = 0;
    doc.setCurvedModel(CurvedModel::Exact);
}

}  // namespace

void ResetDocument(Document& doc, PrintOptions& print, const SettingsStore& settings)
{
    ReadDefaults(doc, print, settings);
    doc.AxisIndex = 1;
    doc.LabelSelect[0] = 2;
    doc.LabelName[6] = "TextLabel";
    doc.LabelName[7] = "NumLabel";

    for (int e = 1; e <= kMaxExperiments; ++e)
        EmptyExperiment(doc, e);
    // The binding energies stay: every element table refills them.
    const RowTable<float> bindingEnergies = doc.BindEnergy;
    for (int row = 1; row <= kMaxElements; ++row)
        EmptyElementRow(doc, row);
    doc.BindEnergy = bindingEnergies;

    doc.ElemCount = 0;
    doc.ExpCount = 0;
    doc.IMFPRowCount = 0;
    doc.LabelCols = 0;
    doc.NotesText.clear();
    doc.NotesLen = 0;
    doc.LenUnitA = 0;
    doc.SampleRadius = 0.0f;
    doc.InnerRadius = 0.0f;
    RecomputeUnits(doc);

    clearModel(doc);
    doc.setTitle({});
    doc.ExcEnergy = ExcitationEnergy(doc, doc.source());

    doc.RecalcNeeded = true;
    doc.DocDirty = false;
    doc.IsTemplate = false;
    doc.DepthScale = 0;
    doc.DocFileName.clear();
}

}  // namespace slv
