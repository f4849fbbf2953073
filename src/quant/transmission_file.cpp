#include "quant/transmission_file.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <system_error>

#include "document/file_bytes.h"
#include "document/file_error.h"
#include "platform/fixed_text.h"
#include "platform/number_text.h"

namespace slv {

namespace {

constexpr const char* kMovedText1 = "The transmission file is not found in its specified location (";
constexpr const char* kMovedText2 = ") but found in the ";
constexpr const char* kMovedText3 = " folder.    \r\nDo you want to keep the original invalid path?";
constexpr const char* kDataFileFolderWord = "data file";
constexpr const char* kProgramFolderWord = "aplication";

constexpr std::size_t kMaxFieldsPerLine = 8;

/// Walks the lines of a text; a line ends at LF, a CR before it is dropped.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_rest(text) {}

    std::optional<std::string_view> next()
    {
        if (m_rest.empty())
            return std::nullopt;
        const std::size_t end = m_rest.find('\n');
        std::string_view line = m_rest.substr(0, end);
        m_rest = end == std::string_view::npos ? std::string_view{} : m_rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return line;
    }

private:
    std::string_view m_rest;
};

bool isCommentOrBlank(std::string_view line)
{
    return (!line.empty() && line.front() == '#') || trimmed(line).empty();
}

/// The fields of a data line, split at ";" and ","; nullopt for more than eight.
struct LineFields {
    std::array<std::string_view, kMaxFieldsPerLine> text{};
    std::size_t count = 0;
};

std::optional<LineFields> splitFields(std::string_view line)
{
    LineFields fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = line.find_first_of(";,", start);
        if (fields.count == kMaxFieldsPerLine)
            return std::nullopt;
        fields.text[fields.count++] = trimmed(line.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return fields;
        start = end + 1;
    }
}

/// A field's leading number, 0 for a blank field or one without a number.
std::optional<float> fieldValue(std::string_view field)
{
    const double value = NeutralNumberValue(field).value_or(0.0);
    if (std::fabs(value) > FLT_MAX)
        return std::nullopt;
    return static_cast<float>(value);
}

bool usesStartEnergy(int kind)
{
    return kind == kTransmissionKindExp || kind == kTransmissionKindPol || kind == kTransmissionKindTab;
}

bool acceptedFieldCount(const TransmissionKeyword& keyword, std::size_t count)
{
    const auto order = static_cast<std::size_t>(keyword.order);
    if (usesStartEnergy(keyword.kind))
        return count == order + 2;
    // NPL and UNI lines may carry one more field, which is ignored.
    return count == order + 1 || count == order + 2;
}

/// The text of a transmission file, one byte past the limit at most so that
/// a file too large to be one can be told.
std::optional<std::string> readTransmissionText(const std::filesystem::path& file, std::error_code& error)
{
    const std::vector<std::byte> bytes = ReadFileStart(file, kMaxTransmissionFileBytes + 1, error);
    if (error)
        return std::nullopt;
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

/// Whether the file (or a folder on its path) does not exist, so that it may
/// have been moved.
bool isMissing(std::error_code error)
{
    return error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory;
}

/// The file name after the last folder separator of either kind, so that
/// paths written on Windows are understood too.
std::string_view bareFileName(std::string_view path)
{
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

struct MovedFileCandidate {
    std::filesystem::path file;
    const char* folderWord;
    std::string newPath;
};

}  // namespace

std::optional<TransmissionKeyword> ParseTransmissionKeyword(std::string_view line)
{
    const std::string_view text = trimmed(line);
    std::string key(text.substr(0, 3));
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::toupper(c); });
    if (key == "EXP")
        return TransmissionKeyword{kTransmissionKindExp, kExpOrder};
    if (key == "NPL")
        return TransmissionKeyword{kTransmissionKindNpl, kNplOrder};
    if (key == "TAB")
        return TransmissionKeyword{kTransmissionKindTab, kTabOrder};
    if (key == "UNI")
        return TransmissionKeyword{kTransmissionKindUni, kUniOrder};
    if (key == "POL") {
        // The order is the last character; one that is no digit reads as 0.
        const char last = text.back();
        const int order = last >= '0' && last <= '9' ? last - '0' : 0;
        if (order > kMaxTransmissionOrder)
            return std::nullopt;
        return TransmissionKeyword{kTransmissionKindPol, order};
    }
    return std::nullopt;
}

TransmissionRead ReadTransmissionFile(std::string_view text)
{
    TransmissionRead read;
    LineReader lines(text);
    std::optional<std::string_view> line;
    while ((line = lines.next()) && isCommentOrBlank(*line)) {
    }
    const auto keyword = line ? ParseTransmissionKeyword(*line) : std::nullopt;
    if (!keyword) {
        read.fault = TransmissionFault::InvalidData;
        return read;
    }
    TransmissionTable& table = read.table;
    table.keyword = *keyword;

    const int firstCoefficientField = usesStartEnergy(keyword->kind) ? 1 : 0;
    while (table.rowCount < kMaxTransmissionRows && (line = lines.next())) {
        if (line->empty())
            continue;
        const auto fields = splitFields(*line);
        if (!fields || !acceptedFieldCount(*keyword, fields->count)) {
            read.fault = TransmissionFault::InvalidData;
            return read;
        }
        const int row = ++table.rowCount;
        for (int field = 0; field < firstCoefficientField + keyword->order + 1; ++field) {
            const auto value = fieldValue(fields->text[static_cast<std::size_t>(field)]);
            if (!value) {
                read.fault = TransmissionFault::Overflow;
                return read;
            }
            if (field < firstCoefficientField)
                table.E[row] = *value;
            else
                table.C[field - firstCoefficientField][row] = *value;
        }
    }
    // A keyword without data defines no function.
    if (table.rowCount == 0)
        read.fault = TransmissionFault::InvalidData;
    return read;
}

std::optional<std::string> OpenTransmissionFile(std::string& path, const std::filesystem::path& programFolder,
                                                Findings& findings, std::filesystem::path* readFrom)
{
    if (trimmed(path).empty()) {
        findings.add(FileErrorFinding(kErrBadFileName, kContextTransmission, programFolder));
        return std::nullopt;
    }
    const std::filesystem::path original(path);
    std::error_code error;
    if (auto text = readTransmissionText(original, error)) {
        if (readFrom != nullptr)
            *readFrom = original;
        return text;
    }
    if (!isMissing(error)) {
        findings.add(FileFailureFinding({original, error}, FileAccess::Read, kContextTransmission, programFolder));
        return std::nullopt;
    }

    const std::string name(bareFileName(path));
    if (!name.empty()) {
        std::error_code ec;
        const MovedFileCandidate candidates[] = {
            {std::filesystem::current_path(ec) / name, kDataFileFolderWord, name},
            {programFolder / name, kProgramFolderWord, (programFolder / name).string()},
        };
        for (const auto& candidate : candidates) {
            std::error_code candidateError;
            auto text = readTransmissionText(candidate.file, candidateError);
            if (!text)
                continue;
            Finding question = MessageFinding(FindingKind::Warning, std::string(kMovedText1) + path + kMovedText2 +
                                                                        candidate.folderWord + kMovedText3);
            question.buttons = MessageButtons::YesNo;
            if (findings.ask(std::move(question)) == DialogAnswer::No)
                path = candidate.newPath;
            if (readFrom != nullptr)
                *readFrom = candidate.file;
            return text;
        }
    }
    std::error_code ec;
    const bool folderMissing = original.has_parent_path() && !std::filesystem::is_directory(original.parent_path(), ec);
    findings.add(FileErrorFinding(folderMissing ? kErrPathNotFound : kErrFileNotFound, kContextTransmission,
                                  programFolder, FileFailure{original, error}));
    return std::nullopt;
}

}  // namespace slv
