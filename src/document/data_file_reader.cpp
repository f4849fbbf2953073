// Reading a data or template file from memory. The body is parsed into a
// copy of the document, which replaces the document only when the whole body
// was read; a corrupted count or a file ending inside the body leaves the
// document as it was, so no half-read tables ever meet counts that promise
// more.
#include <cmath>
#include <limits>
#include <memory>

#include "document/binary_io.h"
#include "document/data_file.h"
#include "document/data_file_format.h"
#include "document/file_error.h"

namespace slv {
namespace {

class DataFileParser {
public:
    DataFileParser(std::span<const std::byte> bytes, Document& doc) : m_in(bytes), m_doc(doc) {}

    /// Header, body of the file's version and end marker.
    DataFileStatus parse()
    {
        const std::string magic = m_in.fixedText(kMagicBytes);
        if (magic != kDataFileMagic && magic != kTemplateFileMagic)
            return DataFileStatus::NotADataFile;
        m_doc.IsTemplate = magic == kTemplateFileMagic;
        m_in.integer();  // program stamp
        m_version.number = m_in.integer();
        if (!m_in.ok())
            return DataFileStatus::Truncated;
        if (!m_version.accepted())
            return DataFileStatus::IncompatibleVersion;

        if (!parameters() || !tableCounts())
            return DataFileStatus::CorruptedCount;
        elements();
        experiments();
        if (!model() || !countedText(m_doc.NotesText))
            return DataFileStatus::CorruptedCount;
        m_doc.NotesLen = static_cast<Integer>(m_doc.NotesText.size());
        if (!m_in.ok())
            return DataFileStatus::Truncated;

        if (m_version.hasEndMarker() && m_in.fixedText(kEndMarker.size()) != kEndMarker)
            return DataFileStatus::MissingEndMarker;
        return DataFileStatus::Loaded;
    }

    FormatVersion version() const { return m_version; }
    int experimentCount() const { return m_experiments; }

private:
    /// Reads a count and checks it against 0..limit. A read past the end gives
    /// 0 here and is reported as a short file once the body is done.
    bool count(int limit, int& n)
    {
        n = m_in.integer();
        return n >= 0 && n <= limit;
    }

    /// An Integer length and that many bytes; a negative length is corruption.
    bool countedText(std::string& text)
    {
        int length = 0;
        if (!count(std::numeric_limits<Integer>::max(), length))
            return false;
        text = m_in.fixedText(static_cast<std::size_t>(length));
        return true;
    }

    /// A counted block: n (0..capacity of values), then n values.
    template<typename T, std::size_t N, typename ReadOne>
    bool block(std::array<T, N>& values, int& n, ReadOne readOne)
    {
        if (!count(static_cast<int>(N), n))
            return false;
        for (int i = 0; i < n; ++i)
            values[i] = readOne();
        return true;
    }

    // Parameter texts, numbers, indices, library options, label selection,
    // unit choices, chart axis, names of the two free labels.
    bool parameters()
    {
        int n = 0;
        if (!count(kParTextCount, n))
            return false;
        for (int i = 0; i < n; ++i) {
            if (!countedText(m_doc.ParText[i]))
                return false;
        }
        auto single = [this] { return m_in.single(); };
        auto integer = [this] { return m_in.integer(); };
        if (!block(m_doc.ParNumber, n, single) || !block(m_doc.ParIndex, n, integer) ||
            !block(m_doc.ParLibrary, n, integer) || !block(m_doc.LabelSelect, m_labels, integer) ||
            !block(m_doc.UnitIndex, n, integer))
            return false;
        m_doc.AxisIndex = m_in.integer();
        m_doc.LabelName[6] = m_in.fixedText(kLabelWidth);
        m_doc.LabelName[7] = m_in.fixedText(kLabelWidth);
        return true;
    }

    bool tableCounts()
    {
        if (!count(kMaxElements, m_elements) || !count(kMaxExperiments, m_experiments))
            return false;
        m_doc.ElemCount = static_cast<Integer>(m_elements);
        m_doc.ExpCount = static_cast<Integer>(m_experiments);
        return true;
    }

    // Element records of 41 bytes, rows 1..ElemCount.
    void elements()
    {
        for (int row = 1; row <= m_elements; ++row) {
            m_doc.AtomicNo[row] = m_in.integer();
            m_doc.ElSymbol[row] = m_in.fixedText(kSymbolWidth);
            m_doc.ElLine[row] = m_in.fixedText(kLineWidth);
            m_doc.ElState[row] = m_in.fixedText(kStateWidth);
            m_doc.BindEnergy[row] = m_in.single();
            m_doc.CrossSect[row] = m_in.single();
            m_doc.Asymmetry[row] = m_in.single();
            m_doc.AtWeight[row] = m_in.single();
            m_doc.Valence[row] = m_in.integer();
            m_doc.Oxygens[row] = m_in.integer();
            m_doc.ElDensity[row] = m_in.single();
        }
    }

    void experiments()
    {
        for (int exp = 1; exp <= m_experiments; ++exp) {
            m_doc.ExpContam[exp] = m_in.single();
            m_doc.ExpAtWeight[exp] = m_in.single();
            m_doc.ExpDensity[exp] = m_in.single();
            if (m_version.hasExpMatClass())
                m_doc.ExpMatClass[exp] = m_in.integer();
            if (m_version.currentLayout()) {
                readRows(m_doc.IMFPval[exp]);
                if (m_doc.IsTemplate)
                    continue;
                readRows(m_doc.Intensity[exp]);
            } else {
                for (int row = 1; row <= m_elements; ++row) {
                    m_doc.Intensity[exp][row] = m_in.single();
                    m_doc.IMFPval[exp][row] = m_in.single();
                }
            }
            for (int label = 1; label <= m_labels; ++label)
                m_doc.LabelText[exp][label] = m_in.fixedText(kLabelWidth);
        }
    }

    template<std::size_t N>
    void readRows(std::array<float, N>& values)
    {
        for (int row = 1; row <= m_elements; ++row)
            values[row] = m_in.single();
    }

    bool model()
    {
        const Integer modelOn = m_in.integer();
        m_doc.ModelOn = modelOn == 0 ? 0 : 1;
        const bool classes = modelOn != 0 && (modelOn != kModelOnExactParticles || !m_version.currentLayout());
        m_doc.setCurvedModel(classes ? CurvedModel::SurfaceAngleClasses : CurvedModel::Exact);
        if (m_doc.ModelOn == 0)
            return true;
        m_doc.SampleRadius = m_in.single();
        if (m_version.hasInnerRadius())
            m_doc.InnerRadius = m_in.single();
        if (!lengthUnit())
            return false;
        int layers = 0;
        if (!count(kMaxLayers, layers))
            return false;
        m_doc.LayerCount = static_cast<Integer>(layers);
        for (int layer = 0; layer <= layers; ++layer)
            layerRecord(layer);
        if (m_version.currentLayout())
            modelSettingsAndResults();
        else
            olderModelSettings();
        return true;
    }

    /// The first format stored the length unit as a Single.
    bool lengthUnit()
    {
        if (!m_version.lenUnitIsSingle()) {
            m_doc.LenUnitA = m_in.integer();
            return true;
        }
        const float stored = std::nearbyint(m_in.single());
        if (!(stored >= std::numeric_limits<Integer>::min() && stored <= std::numeric_limits<Integer>::max()))
            return false;
        m_doc.LenUnitA = static_cast<Integer>(stored);
        return true;
    }

    // One row of the layer table (bulk = 0): material data, then composition
    // and IMFP per element row; older versions follow with the layer's fitted
    // thickness in every experiment.
    void layerRecord(int layer)
    {
        m_doc.LayerName[layer] = m_in.fixedText(kLayerNameWidth);
        m_doc.LayerDensity[layer] = m_in.single();
        if (m_version.hasBandGap())
            m_doc.LayerBandGap[layer] = m_in.single();
        if (m_version.hasLayerImfpMaterial()) {
            m_doc.LayerValElec[layer] = m_in.integer();
            m_doc.LayerMatClass[layer] = m_in.integer();
        }
        m_doc.LayerMolWeight[layer] = m_in.single();
        if (m_version.hasLayerKind())
            m_doc.LayerKind[layer] = m_in.integer();
        if (m_version.hasLayerLink())
            m_doc.LayerLink[layer] = m_in.integer();
        for (int row = m_version.layerRowsFromHydrogen() ? 0 : 1; row <= m_elements; ++row) {
            m_doc.LayerComp[layer][row] = m_version.layerCompIsInteger() ? m_in.integer() : m_in.single();
            m_doc.LayerIMFP[layer][row] = m_in.single();
        }
        if (!m_version.currentLayout() && layer >= 1) {
            for (int exp = 1; exp <= m_experiments; ++exp)
                m_doc.ThickRes[exp][layer] = m_in.single();
        }
    }

    void modelSettingsAndResults()
    {
        for (int row = 1; row <= m_elements; ++row)
            m_doc.ElModelFlag[row] = m_in.integer();
        m_doc.MultiLayers = m_in.integer();
        m_doc.AutoCov = m_in.integer() != 0;
        m_doc.ARXPS = m_in.integer() != 0;
        if (m_doc.modelType() == ModelType::Polyhedron) {
            for (int i = 1; i <= kPolyhedronParameters; ++i)
                m_doc.PolyPar[i] = m_in.single();
        }
        if (m_doc.IsTemplate)
            return;
        for (int layer = 1; layer <= m_doc.LayerCount; ++layer) {
            for (int exp = 1; exp <= m_experiments; ++exp)
                m_doc.ThickRes[exp][layer] = m_in.single();
        }
        readCoverages();
    }

    void olderModelSettings()
    {
        readCoverages();
        if (m_version.hasModelFlags()) {
            for (int row = 1; row <= m_elements; ++row)
                m_doc.ElModelFlag[row] = m_in.integer();
            m_doc.MultiLayers = m_in.integer();
            m_doc.AutoCov = m_in.integer() != 0;
        }
        if (m_version.hasArxps())
            m_doc.ARXPS = m_in.integer() != 0;
    }

    void readCoverages()
    {
        for (int exp = 1; exp <= m_experiments; ++exp)
            m_doc.CoverRes[exp] = m_in.single();
    }

    ByteReader m_in;
    Document& m_doc;
    FormatVersion m_version;
    int m_labels = 0;  // label texts per experiment: the size of the label-selection block
    int m_elements = 0;
    int m_experiments = 0;
};

void ReportReadFailure(DataFileStatus status, Findings& findings)
{
    switch (status) {
    case DataFileStatus::IncompatibleVersion: findings.error(kIncompatibleVersionText); break;
    case DataFileStatus::CorruptedCount: findings.error(kCorruptedCountText); break;
    case DataFileStatus::Truncated: findings.add(FileErrorFinding(kErrReadPastEnd, kContextDataFile, {})); break;
    case DataFileStatus::MissingEndMarker: findings.error(kMissingEndMarkerText); break;
    case DataFileStatus::Loaded:
    case DataFileStatus::NotADataFile:
    case DataFileStatus::Unreadable: break;
    }
}

}  // namespace

DataFileStatus ReadDataFile(Document& doc, std::span<const std::byte> bytes, Findings& findings)
{
    auto loaded = std::make_unique<Document>(doc);
    DataFileParser parser(bytes, *loaded);
    const DataFileStatus status = parser.parse();
    ReportReadFailure(status, findings);
    if (!DocumentWasRead(status))
        return status;

    ConvertOlderVersion(*loaded, parser.version());
    // A template's experiments are the rows of its IMFP & Contamination
    // table; saving it again must write them all.
    if (loaded->IsTemplate)
        loaded->IMFPRowCount = static_cast<Integer>(parser.experimentCount());
    doc = std::move(*loaded);
    return status;
}

}  // namespace slv
