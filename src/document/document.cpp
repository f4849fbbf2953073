#include "document/document.h"

namespace slv {

namespace {
constexpr float kMgKAlphaEv = 1253.6f;
constexpr float kAlKAlphaEv = 1486.6f;
constexpr float kHydrogenAtomicWeight = 1.008f;
constexpr std::uint16_t kByteMask = 0xFF;
constexpr int kBitsPerByte = 8;

const char* const kTimeUnits[] = {"s", "min", "h", "d"};
// \260 is the degree sign in the files' ANSI text.
const char* const kTiltUnits[] = {"\260", "rad"};
const char* const kTemperatureUnits[] = {"K", "\260C", "\260F"};

template<std::size_t N>
const char* unitOf(const char* const (&units)[N], int index)
{
    return index >= 0 && index < static_cast<int>(N) ? units[index] : "";
}
}  // namespace

float ExcitationEnergy(const Document& doc, ExcitationSource source)
{
    switch (source) {
    case ExcitationSource::MgKAlpha: return kMgKAlphaEv;
    case ExcitationSource::AlKAlpha: return kAlKAlphaEv;
    case ExcitationSource::Other: return doc.otherSourceEnergy();
    }
    return 0.0f;
}

ImfpMethod Document::imfpMethodIn(ImfpByte byte) const
{
    const auto packed = static_cast<std::uint16_t>(ParIndex[kImfpSlot]);
    const int code = byte == ImfpByte::Low ? (packed & kByteMask) : (packed >> kBitsPerByte);
    return code <= CodeOf(ImfpMethod::CumpsonSeah) ? static_cast<ImfpMethod>(code) : ImfpMethod::None;
}

void Document::setImfpMethodIn(ImfpByte byte, ImfpMethod method)
{
    const auto packed = static_cast<std::uint16_t>(ParIndex[kImfpSlot]);
    const auto code = static_cast<std::uint16_t>(CodeOf(method));
    const std::uint16_t updated =
        byte == ImfpByte::Low ? (packed & ~kByteMask) | code : (packed & kByteMask) | (code << kBitsPerByte);
    ParIndex[kImfpSlot] = static_cast<Integer>(updated);
}

void RecomputeUnits(Document& doc)
{
    doc.UnitText[0] = unitOf(kTimeUnits, doc.UnitIndex[0]);
    doc.UnitText[1] = unitOf(kTiltUnits, doc.UnitIndex[1]);
    doc.UnitText[2] = unitOf(kTemperatureUnits, doc.UnitIndex[2]);
    doc.UnitText[3] = doc.lengthUnit() == LengthUnit::Nanometre  ? "nm"
                      : doc.lengthUnit() == LengthUnit::Angstrom ? "A"
                                                                 : "";
}

int SingleElementOfLayer(const Document& doc, int layer)
{
    int found = -1;
    for (int row = 0; row <= doc.ElemCount; ++row) {
        if (doc.LayerComp[layer][row] == 0.0f)
            continue;
        if (found >= 0)
            return 0;
        found = row;
    }
    return found > 0 ? found : 0;
}

float LayerElementDensity(const Document& doc, int layer)
{
    const int row = SingleElementOfLayer(doc, layer);
    return row > 0 ? doc.ElDensity[row] : 0.0f;
}

void SetHydrogenRow(Document& doc)
{
    doc.AtomicNo[0] = 1;
    doc.ElSymbol[0] = "H ";
    doc.AtWeight[0] = kHydrogenAtomicWeight;
    doc.ValElectrons[0] = 1.0f;
}

void SetFixedLabelNames(Document& doc)
{
    const char* const names[] = {"Sequence number", "Name", "Time", "Tilt", "Temperature", "Treatment"};
    for (int i = 0; i < 6; ++i)
        doc.LabelName[i] = names[i];
}

std::vector<int> ShownLabels(const Document& doc)
{
    std::vector<int> labels;
    for (int k = 1; k < kLabelsPerExperiment; ++k)
        if (doc.LabelSelect[k] == 1)
            labels.push_back(k);
    return labels;
}

}  // namespace slv
