#include "quant/exchange_import.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

#include "document/element_library.h"
#include "document/element_table.h"
#include "document/file_bytes.h"
#include "document/file_error.h"
#include "quant/exchange_lines.h"

namespace slv {

namespace {

using Fields = std::vector<std::string_view>;

constexpr std::string_view kHeaderMagic = "XPSRDE";
// Versions 1.00 to 1.10, in hundredths.
constexpr long kFirstVersion = 100;
constexpr long kLastVersion = 110;

constexpr std::string_view kErrorLineEnd = "\r\n";
constexpr std::string_view kIllegalExcitation = " - Illegal excitation code";
constexpr std::string_view kInvalidExcitationEnergy = " - Invalid excitation energy";
constexpr std::string_view kIllegalCrossSections = " - Illegal cross section set";
constexpr std::string_view kIllegalImfpMethod = " - Illegal IMFP method";
constexpr std::string_view kIllegalMaterialClass = " - Illegal IMFP material class";
constexpr std::string_view kIllegalAngular = " - Illegal angular correction method";
constexpr std::string_view kIllegalTransmission = " - Illegal transmission correction";
constexpr std::string_view kIllegalContamination = " - Illegal contamination correction method";
constexpr std::string_view kIllegalLabel = " - Illegal label set";
constexpr std::string_view kUnknownKeyword = " - Unknown keyword: ";
constexpr std::string_view kTooManyElements = " - Too many elements";
constexpr std::string_view kTooManyExperiments = " - Too many experiments in ";
constexpr std::string_view kSectionWord = " section";
constexpr std::string_view kElementsFirst = " - Element section must precede experiment sections";
constexpr std::string_view kNoTitle = " - TITLE keyword not found";
constexpr std::string_view kNoElementSection = " - Element section not found";
constexpr std::string_view kNoExperimentSection = " - No experiment section (Intensity, Energy, FWHM) found";
constexpr std::string_view kUnequalExperiments = " - Number of experiments not equal in sections";
constexpr std::string_view kNoEnd = " - END keyword not found";
// Limits that guard against hostile files.
constexpr std::string_view kLineCut = " - Lines longer than 4096 characters were cut";
constexpr std::string_view kLinesUnread = " - More than 10000 lines: the rest of the file was not read";
constexpr std::string_view kFileCut = " - File longer than 1 MB: the rest of the file was not read";
constexpr std::string_view kFurtherErrors = " - Further errors not listed";
// A measured value that is no finite number of 0 or more leaves its cell empty.
constexpr std::string_view kLineWord = " - Line ";
constexpr std::string_view kInvalidValueWord = ": invalid ";
constexpr std::string_view kValueOfRowWord = " value of element row ";
constexpr std::string_view kValueNeededText = " (a number of 0 or more): ";
constexpr int kMaxErrorLines = 100;

enum Section : int { kParameters, kElementSection, kIntensitySection, kEnergySection, kFwhmSection };
constexpr int kSectionCount = 5;
constexpr std::array<std::string_view, kSectionCount> kSectionNames = {"", "", "INTENSITY", "ENERGY", "FWHM"};
constexpr std::array<Section, 3> kExperimentSections = {kIntensitySection, kEnergySection, kFwhmSection};

// Labels an exchange file can carry, in the order their fields stand. Label k
// is LabelSelect(k + 1) and its text LabelText(exp, k + 2).
constexpr std::array<std::string_view, 4> kLabelCodes = {"NAME", "TIME", "TILT", "TEMP"};

// Element line fields.
enum ElementField : std::size_t {
    kFieldSymbol,
    kFieldLine,
    kFieldState,
    kFieldBindEnergy,
    kFieldCrossSect,
    kFieldAsymmetry,
    kFieldAtWeight,
    kFieldValence,
    kFieldOxygens,
};

constexpr std::array<std::string_view, 3> kMaterialClassCodes = {"ELEM", "INOR", "POLY"};

/// The position of code among codes, -1 when it is none of them.
int codeIndex(std::string_view code, std::span<const std::string_view> codes)
{
    const auto found = std::ranges::find(codes, code);
    return found == codes.end() ? -1 : static_cast<int>(found - codes.begin());
}

std::string_view fieldAt(const Fields& fields, std::size_t index)
{
    return index < fields.size() ? fields[index] : std::string_view{};
}

/// The numbers an element line gives; they override the library's values.
struct ElementValues {
    std::optional<float> bindEnergy, crossSect, asymmetry, atWeight;
    std::optional<Integer> valence, oxygens;
};

class ExchangeImport {
public:
    ExchangeImport(Document& doc, const Environment& env, Findings& findings)
        : m_doc(doc),
          m_env(env),
          m_findings(findings)
    {
    }

    /// Tests the header line; reports the fault and returns false when the
    /// file is not an exchange file of a known version.
    bool acceptHeader(ExchangeLineReader& reader);
    void readBody(ExchangeLineReader& reader);
    /// Completes the element rows from the library, sets the counts and
    /// appends the checks of the whole file.
    void finish(const ExchangeLineReader& reader);
    std::string errors() const { return m_errors; }

private:
    bool keywordLine(std::string_view keyword, const Fields& fields);
    void dataLine(const Fields& fields);
    void readExcitation(const Fields& fields);
    void readImfpMethod(const Fields& fields);
    void readTransmission(const Fields& fields);
    void readLabels(const Fields& fields);
    /// The option whose keyword (in code order) the field names; the first
    /// option, with an error line, for any other word.
    template<typename Option>
    Option readOption(const Fields& fields, std::initializer_list<std::string_view> keywords, std::string_view error);
    void beginSection(Section section);
    void readElementLine(const Fields& fields);
    void readExperimentLine(const Fields& fields);
    void completeElementRows();
    void checkExperimentCounts();
    void addError(std::string_view line);
    void appendErrorLine(std::string_view line);
    float number(std::string_view field) const { return ParseNumberField(field, m_env.DecSep); }

    Document& m_doc;
    const Environment& m_env;
    Findings& m_findings;
    Section m_section = kParameters;
    std::array<bool, kSectionCount> m_sectionSeen{};
    std::array<int, kSectionCount> m_lineCount{};
    std::array<bool, kSectionCount> m_tooManyReported{};
    std::array<bool, kLabelCodes.size()> m_labelSet{};
    bool m_titleSeen = false;
    bool m_endSeen = false;
    bool m_orderReported = false;
    std::array<ElementValues, kMaxElements + 1> m_elementValues{};
    int m_lineNumber = 0;
    std::string m_errors;
    int m_errorLines = 0;
};

bool ExchangeImport::acceptHeader(ExchangeLineReader& reader)
{
    std::string_view line;
    bool found = false;
    while (!found && reader.ReadDataLine(line))
        found = !trimmed(line).empty();
    const Fields fields = SplitFields(found ? line : std::string_view{});
    std::string_view magic = fields[0];
    if (magic.size() > kHeaderMagic.size())
        magic.remove_prefix(magic.size() - kHeaderMagic.size());
    if (magic != kHeaderMagic) {
        m_findings.error(std::string(kIllegalExchangeHeader));
        return false;
    }
    // Versions are given in hundredths; rounding keeps 1.1 (a float a hair
    // above 1.1) inside the accepted range.
    const long version = std::lround(static_cast<double>(number(fieldAt(fields, 1))) * 100.0);
    if (version < kFirstVersion || version > kLastVersion) {
        m_findings.error(std::string(kIllegalExchangeVersion));
        return false;
    }
    return true;
}

void ExchangeImport::readBody(ExchangeLineReader& reader)
{
    // The sequence number (label 0) is always shown as the row header and keeps its mark.
    for (std::size_t k = 1; k < m_doc.LabelSelect.size(); ++k)
        m_doc.LabelSelect[k] = 0;
    std::string_view line;
    while (!m_endSeen && reader.ReadDataLine(line)) {
        m_lineNumber = reader.lineNumber();
        const Fields fields = SplitFields(line);
        if (!keywordLine(KeywordOf(fields[0]), fields))
            dataLine(fields);
    }
}

bool ExchangeImport::keywordLine(std::string_view keyword, const Fields& fields)
{
    if (keyword == "TITL") {
        m_doc.setTitle(std::string(fieldAt(fields, 1)));
        m_titleSeen = true;
        m_section = kParameters;
    } else if (keyword == "PARA") {
        m_section = kParameters;
    } else if (keyword == "EXCI") {
        readExcitation(fields);
    } else if (keyword == "CROS") {
        m_doc.setCrossSectionSet(
            readOption<CrossSectionSet>(fields, {"NONE", "SCOF", "EVAN", "WAGN", "NEFE"}, kIllegalCrossSections));
    } else if (keyword == "IMFP") {
        readImfpMethod(fields);
    } else if (keyword == "ANGL") {
        m_doc.setAngularMethod(readOption<AngularMethod>(fields, {"NONE", "REIL", "EBEL"}, kIllegalAngular));
    } else if (keyword == "TRAN") {
        readTransmission(fields);
    } else if (keyword == "CONT") {
        m_doc.setContaminationMethod(
            readOption<ContaminationMethod>(fields, {"NONE", "EVAN", "VARN"}, kIllegalContamination));
    } else if (keyword == "LABE") {
        readLabels(fields);
    } else if (keyword == "ELEM") {
        beginSection(kElementSection);
        m_doc.setLibraryLookupEnabled(true);
    } else if (keyword == "INTE" || keyword == "EXPE") {
        beginSection(kIntensitySection);
    } else if (keyword == "ENER") {
        beginSection(kEnergySection);
    } else if (keyword == "FWHM") {
        beginSection(kFwhmSection);
    } else if (keyword == "END") {
        m_endSeen = true;
    } else {
        return false;
    }
    return true;
}

template<typename Option>
Option ExchangeImport::readOption(const Fields& fields, std::initializer_list<std::string_view> keywords,
                                  std::string_view error)
{
    const int index = codeIndex(KeywordOf(fieldAt(fields, 1)), {keywords.begin(), keywords.size()});
    if (index < 0)
        addError(error);
    return static_cast<Option>(std::max(index, 0));
}

void ExchangeImport::readExcitation(const Fields& fields)
{
    m_doc.setSource(readOption<ExcitationSource>(fields, {"MG", "AL", "OTHE"}, kIllegalExcitation));
    if (m_doc.source() != ExcitationSource::Other)
        return;
    m_doc.setOtherSourceEnergy(number(fieldAt(fields, 2)));
    if (!(m_doc.otherSourceEnergy() > 0.0f))
        addError(kInvalidExcitationEnergy);
}

void ExchangeImport::readImfpMethod(const Fields& fields)
{
    // The file names the homogeneous method; the model's method is reset to none.
    m_doc.setModelImfpMethod(ImfpMethod::None);
    const std::string method = KeywordOf(fieldAt(fields, 1));
    if (method == "NONE") {
        m_doc.setHomogeneousImfpMethod(ImfpMethod::None);
    } else if (method == "EXP" || method == "EXPO") {
        m_doc.setHomogeneousImfpMethod(ImfpMethod::Exponential);
        m_doc.setImfpExponent(number(fieldAt(fields, 2)));
    } else if (method == "JABL") {
        m_doc.setHomogeneousImfpMethod(ImfpMethod::Jablonski);
        const auto materialClass =
            static_cast<MaterialClass>(codeIndex(KeywordOf(fieldAt(fields, 2)), kMaterialClassCodes) + 1);
        if (materialClass == MaterialClass::None)
            addError(kIllegalMaterialClass);
        m_doc.setMatrixClass(1, materialClass);
    } else {
        addError(kIllegalImfpMethod);
        m_doc.setHomogeneousImfpMethod(ImfpMethod::None);
    }
}

void ExchangeImport::readTransmission(const Fields& fields)
{
    const std::string kind = KeywordOf(fieldAt(fields, 1));
    if (kind == "EXP" || kind == "EXPO") {
        m_doc.setTransmissionType(TransmissionType::Exponential);
        m_doc.setTransmissionExponent(number(fieldAt(fields, 2)));
    } else if (kind == "FILE") {
        // Only the name is kept; the transmission file is read when it is used.
        m_doc.setTransmissionType(TransmissionType::File);
        m_doc.transmissionFile() = fieldAt(fields, 2);
    } else {
        m_doc.setTransmissionType(readOption<TransmissionType>(fields, {"NONE", "FAT", "FRR"}, kIllegalTransmission));
    }
}

void ExchangeImport::readLabels(const Fields& fields)
{
    for (std::size_t i = 1; i < fields.size(); ++i) {
        if (fields[i].empty())
            continue;
        const int label = codeIndex(KeywordOf(fields[i]), kLabelCodes);
        if (label < 0) {
            addError(kIllegalLabel);
            continue;
        }
        m_labelSet[static_cast<std::size_t>(label)] = true;
        m_doc.LabelSelect[static_cast<std::size_t>(label) + 1] = 1;
    }
}

void ExchangeImport::beginSection(Section section)
{
    m_section = section;
    m_sectionSeen[section] = true;
}

void ExchangeImport::dataLine(const Fields& fields)
{
    if (fields[0].empty())
        return;
    switch (m_section) {
    case kParameters: addError(std::string(kUnknownKeyword).append(fields[0])); break;
    case kElementSection: readElementLine(fields); break;
    case kIntensitySection:
    case kEnergySection:
    case kFwhmSection: readExperimentLine(fields); break;
    }
}

void ExchangeImport::readElementLine(const Fields& fields)
{
    const int row = ++m_lineCount[kElementSection];
    if (row > kMaxElements) {
        if (!m_tooManyReported[kElementSection])
            addError(kTooManyElements);
        m_tooManyReported[kElementSection] = true;
        return;
    }
    m_doc.ElSymbol[row] = NormalizedSymbol(fields[kFieldSymbol]);
    m_doc.ElLine[row] = NormalizedLine(fieldAt(fields, kFieldLine));
    m_doc.ElState[row] = fieldAt(fields, kFieldState);

    ElementValues& given = m_elementValues[static_cast<std::size_t>(row)];
    const auto numberOf = [&](std::size_t index) -> std::optional<float> {
        const std::string_view field = fieldAt(fields, index);
        return field.empty() ? std::nullopt : std::optional(number(field));
    };
    const auto integerOf = [&](std::size_t index) -> std::optional<Integer> {
        const std::string_view field = fieldAt(fields, index);
        return field.empty() ? std::nullopt : std::optional(ParseIntegerField(field, m_env.DecSep));
    };
    given = {numberOf(kFieldBindEnergy), numberOf(kFieldCrossSect), numberOf(kFieldAsymmetry),
             numberOf(kFieldAtWeight),   integerOf(kFieldValence),  integerOf(kFieldOxygens)};
}

void ExchangeImport::readExperimentLine(const Fields& fields)
{
    if (!m_sectionSeen[kElementSection] && !m_orderReported) {
        addError(kElementsFirst);
        m_orderReported = true;
    }
    const int exp = ++m_lineCount[m_section];
    if (exp > kMaxExperiments) {
        if (!m_tooManyReported[m_section])
            addError(std::string(kTooManyExperiments).append(kSectionNames[m_section]).append(kSectionWord));
        m_tooManyReported[m_section] = true;
        return;
    }
    std::size_t field = 0;
    for (std::size_t label = 0; label < kLabelCodes.size(); ++label)
        if (m_labelSet[label])
            m_doc.LabelText[exp][label + 2] = fieldAt(fields, field++);
    // Energies and FWHMs are read and counted like intensities, but the
    // evaluation uses only the intensities.
    for (int row = 1; row <= kMaxElements && field < fields.size(); ++row, ++field) {
        if (fields[field].empty())
            continue;
        const std::optional<float> value = ConvertNumberField(fields[field], m_env.DecSep);
        if (!value || *value < 0.0f) {
            addError(std::string(kLineWord)
                         .append(std::to_string(m_lineNumber))
                         .append(kInvalidValueWord)
                         .append(kSectionNames[m_section])
                         .append(kValueOfRowWord)
                         .append(std::to_string(row))
                         .append(kValueNeededText)
                         .append(fields[field]));
            continue;
        }
        if (m_section == kIntensitySection)
            m_doc.Intensity[exp][row] = *value;
    }
}

void ExchangeImport::finish(const ExchangeLineReader& reader)
{
    if (reader.lineWasCut())
        addError(kLineCut);
    if (reader.linesLeftUnread())
        addError(kLinesUnread);

    m_doc.ElemCount = static_cast<Integer>(std::min(m_lineCount[kElementSection], kMaxElements));
    // Completion from the library depends on the source and the cross-section
    // set, which the file may give after its element lines.
    m_doc.ExcEnergy = ExcitationEnergy(m_doc, m_doc.source());
    completeElementRows();
    m_doc.RecalcNeeded = true;

    if (!m_titleSeen)
        appendErrorLine(kNoTitle);
    if (!m_sectionSeen[kElementSection])
        appendErrorLine(kNoElementSection);
    checkExperimentCounts();
    if (!m_endSeen)
        appendErrorLine(kNoEnd);
}

void ExchangeImport::completeElementRows()
{
    if (m_doc.ElemCount == 0)
        return;
    LibraryLookup(m_doc, m_env.programFolder, 1, m_doc.ElemCount, m_findings);
    for (int row = 1; row <= m_doc.ElemCount; ++row) {
        const ElementValues& given = m_elementValues[static_cast<std::size_t>(row)];
        m_doc.BindEnergy[row] = given.bindEnergy.value_or(m_doc.BindEnergy[row]);
        m_doc.CrossSect[row] = given.crossSect.value_or(m_doc.CrossSect[row]);
        m_doc.Asymmetry[row] = given.asymmetry.value_or(m_doc.Asymmetry[row]);
        m_doc.AtWeight[row] = given.atWeight.value_or(m_doc.AtWeight[row]);
        m_doc.Valence[row] = given.valence.value_or(m_doc.Valence[row]);
        m_doc.Oxygens[row] = given.oxygens.value_or(m_doc.Oxygens[row]);
    }
}

void ExchangeImport::checkExperimentCounts()
{
    m_doc.ExpCount = 0;
    std::optional<int> experiments;
    for (Section section : kExperimentSections) {
        if (!m_sectionSeen[section])
            continue;
        if (!experiments) {
            experiments = m_lineCount[section];
        } else if (m_lineCount[section] != *experiments) {
            appendErrorLine(kUnequalExperiments);
            break;
        }
    }
    if (!experiments) {
        appendErrorLine(kNoExperimentSection);
        return;
    }
    m_doc.ExpCount = static_cast<Integer>(std::min(*experiments, kMaxExperiments));
}

void ExchangeImport::addError(std::string_view line)
{
    if (m_errorLines < kMaxErrorLines)
        appendErrorLine(line);
    else if (m_errorLines == kMaxErrorLines)
        appendErrorLine(kFurtherErrors);
    ++m_errorLines;
}

void ExchangeImport::appendErrorLine(std::string_view line)
{
    m_errors.append(line).append(kErrorLineEnd);
}

}  // namespace

std::string ImportExchangeText(Document& doc, std::string_view text, const Environment& env, Findings& findings)
{
    ExchangeImport import(doc, env, findings);
    ExchangeLineReader reader(text);
    if (!import.acceptHeader(reader))
        return kExchangeCritical;
    import.readBody(reader);
    import.finish(reader);
    return import.errors();
}

std::string ImportExchangeFile(Document& doc, const std::string& path, const Environment& env, Findings& findings)
{
    std::error_code error;
    const std::vector<std::byte> bytes = ReadFileStart(path, kMaxExchangeFileBytes + 1, error);
    if (error) {
        findings.add(FileFailureFinding({path, error}, FileAccess::Read, kContextGeneral));
        return kExchangeCritical;
    }
    const bool cut = bytes.size() > kMaxExchangeFileBytes;
    const std::string text(reinterpret_cast<const char*>(bytes.data()), cut ? kMaxExchangeFileBytes : bytes.size());

    std::string errors = ImportExchangeText(doc, text, env, findings);
    if (cut && errors != kExchangeCritical)
        errors.append(kFileCut).append(kErrorLineEnd);
    return errors;
}

Finding ExchangeSuspectFinding(std::string_view fileName, std::string_view errorLines)
{
    Finding finding = MessageFinding(FindingKind::Error,
                                     std::string(kExchangeErrorText) + "\r\n" + std::string(fileName) + "  \r\n\r\n" +
                                         kExchangeDataSuspectText + "\r\n\r\n" + std::string(errorLines));
    finding.beep = true;
    return finding;
}

}  // namespace slv
