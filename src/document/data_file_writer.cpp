// Writing the document in the current format (version 230): the bytes mirror
// the reader field for field, and SaveDocument puts them on disk so that a
// failed save leaves the previous file untouched.
#include <limits>

#include "document/binary_io.h"
#include "document/data_file.h"
#include "document/data_file_format.h"
#include "document/file_bytes.h"
#include "document/file_error.h"

namespace slv {
namespace {

constexpr std::size_t kMaxCountedText = std::numeric_limits<Integer>::max();

class DataFileWriter {
public:
    explicit DataFileWriter(const Document& doc)
        : m_doc(doc),
          m_experiments(doc.IsTemplate ? doc.IMFPRowCount : doc.ExpCount)
    {
    }

    /// False when the document breaks a capacity of the layout.
    bool fits() const
    {
        const auto within = [](int n, int limit) { return n >= 0 && n <= limit; };
        const auto countable = [](std::string_view text) { return trimmed(text).size() <= kMaxCountedText; };
        return within(m_doc.ElemCount, kMaxElements) && within(m_experiments, kMaxExperiments) &&
               (m_doc.ModelOn == 0 || within(m_doc.LayerCount, kMaxLayers)) && countable(m_doc.ParText[0]) &&
               countable(m_doc.ParText[1]) && m_doc.NotesText.size() <= kMaxCountedText;
    }

    std::vector<std::byte> bytes()
    {
        header();
        parameters();
        elements();
        experiments();
        model();
        m_out.countedText(m_doc.NotesText);
        m_out.fixedText(kEndMarker, kEndMarker.size());
        return m_out.bytes();
    }

private:
    void header()
    {
        m_out.fixedText(m_doc.IsTemplate ? kTemplateFileMagic : kDataFileMagic, kMagicBytes);
        m_out.integer(kProgramVersionStamp);
        m_out.integer(kCurrentFormatVersion);
    }

    template<typename T, std::size_t N, typename WriteOne>
    void block(const std::array<T, N>& values, WriteOne writeOne)
    {
        m_out.integer(static_cast<Integer>(N));
        for (const T& value : values)
            writeOne(value);
    }

    void parameters()
    {
        block(m_doc.ParText, [this](const std::string& text) { m_out.countedText(trimmed(text)); });
        const auto single = [this](float value) { m_out.single(value); };
        const auto integer = [this](Integer value) { m_out.integer(value); };
        block(m_doc.ParNumber, single);
        block(m_doc.ParIndex, integer);
        block(m_doc.ParLibrary, integer);
        block(m_doc.LabelSelect, integer);
        block(m_doc.UnitIndex, integer);
        m_out.integer(m_doc.AxisIndex);
        m_out.fixedText(m_doc.LabelName[6].padded(), kLabelWidth);
        m_out.fixedText(m_doc.LabelName[7].padded(), kLabelWidth);
        m_out.integer(m_doc.ElemCount);
        m_out.integer(static_cast<Integer>(m_experiments));
    }

    void elements()
    {
        for (int row = 1; row <= m_doc.ElemCount; ++row) {
            m_out.integer(m_doc.AtomicNo[row]);
            m_out.fixedText(m_doc.ElSymbol[row].padded(), kSymbolWidth);
            m_out.fixedText(m_doc.ElLine[row].padded(), kLineWidth);
            m_out.fixedText(m_doc.ElState[row].padded(), kStateWidth);
            m_out.single(m_doc.BindEnergy[row]);
            m_out.single(m_doc.CrossSect[row]);
            m_out.single(m_doc.Asymmetry[row]);
            m_out.single(m_doc.AtWeight[row]);
            m_out.integer(m_doc.Valence[row]);
            m_out.integer(m_doc.Oxygens[row]);
            m_out.single(m_doc.ElDensity[row]);
        }
    }

    void experiments()
    {
        for (int exp = 1; exp <= m_experiments; ++exp) {
            m_out.single(m_doc.ExpContam[exp]);
            m_out.single(m_doc.ExpAtWeight[exp]);
            m_out.single(m_doc.ExpDensity[exp]);
            m_out.integer(m_doc.ExpMatClass[exp]);
            writeRows(m_doc.IMFPval[exp]);
            if (m_doc.IsTemplate)
                continue;
            writeRows(m_doc.Intensity[exp]);
            for (int label = 1; label <= kLabelsPerExperiment; ++label)
                m_out.fixedText(m_doc.LabelText[exp][label].padded(), kLabelWidth);
        }
    }

    template<std::size_t N>
    void writeRows(const std::array<float, N>& values)
    {
        for (int row = 1; row <= m_doc.ElemCount; ++row)
            m_out.single(values[row]);
    }

    void model()
    {
        if (m_doc.ModelOn == 0) {
            m_out.integer(0);
            return;
        }
        m_out.integer(m_doc.curvedModel() == CurvedModel::Exact ? kModelOnExactParticles : kModelOnSurfaceAngleClasses);
        m_out.single(m_doc.SampleRadius);
        m_out.single(m_doc.InnerRadius);
        m_out.integer(m_doc.LenUnitA);
        m_out.integer(m_doc.LayerCount);
        for (int layer = 0; layer <= m_doc.LayerCount; ++layer)
            layerRecord(layer);
        for (int row = 1; row <= m_doc.ElemCount; ++row)
            m_out.integer(m_doc.ElModelFlag[row]);
        m_out.integer(m_doc.MultiLayers);
        m_out.integer(booleanOf(m_doc.AutoCov));
        m_out.integer(booleanOf(m_doc.ARXPS));
        if (m_doc.modelType() == ModelType::Polyhedron) {
            for (int i = 1; i <= kPolyhedronParameters; ++i)
                m_out.single(m_doc.PolyPar[i]);
        }
        if (m_doc.IsTemplate)
            return;
        for (int layer = 1; layer <= m_doc.LayerCount; ++layer) {
            for (int exp = 1; exp <= m_experiments; ++exp)
                m_out.single(m_doc.ThickRes[exp][layer]);
        }
        for (int exp = 1; exp <= m_experiments; ++exp)
            m_out.single(m_doc.CoverRes[exp]);
    }

    // Layer rows are written for every element row from hydrogen (row 0) on.
    void layerRecord(int layer)
    {
        m_out.fixedText(m_doc.LayerName[layer].padded(), kLayerNameWidth);
        m_out.single(m_doc.LayerDensity[layer]);
        m_out.single(m_doc.LayerBandGap[layer]);
        m_out.integer(m_doc.LayerValElec[layer]);
        m_out.integer(m_doc.LayerMatClass[layer]);
        m_out.single(m_doc.LayerMolWeight[layer]);
        m_out.integer(m_doc.LayerKind[layer]);
        m_out.integer(m_doc.LayerLink[layer]);
        for (int row = 0; row <= m_doc.ElemCount; ++row) {
            m_out.single(m_doc.LayerComp[layer][row]);
            m_out.single(m_doc.LayerIMFP[layer][row]);
        }
    }

    /// The files' Boolean: -1 for true.
    static Integer booleanOf(bool value) { return value ? -1 : 0; }

    const Document& m_doc;
    const int m_experiments;
    ByteWriter m_out;
};

}  // namespace

std::optional<std::vector<std::byte>> DataFileBytes(const Document& doc)
{
    DataFileWriter writer(doc);
    if (!writer.fits())
        return std::nullopt;
    return writer.bytes();
}

bool WriteDocumentFile(Document& doc, const std::string& path, Findings& findings)
{
    for (std::string& text : doc.ParText)
        text = trimmed(text);
    const auto bytes = DataFileBytes(doc);
    if (!bytes) {
        findings.add(FileErrorFinding(kErrOverflow, kContextGeneral, {}));
        return false;
    }
    if (const auto failure = ReplaceFileContents(path, *bytes)) {
        findings.add(FileFailureFinding(*failure, FileAccess::Write, kContextGeneral));
        return false;
    }
    doc.DocDirty = false;
    return true;
}

}  // namespace slv
