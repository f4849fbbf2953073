#include "document/element_table.h"

#include <algorithm>
#include <set>
#include <vector>

#include "platform/number_text.h"

namespace slv {

namespace {

constexpr std::string_view kFindingEnd = "    \r\n";
constexpr std::string_view kInvalidLineNotation = "- Invalid line notation at element ";
constexpr std::string_view kDuplicatedLine = "- Photoelectron line ";
constexpr std::string_view kDuplicatedAtLine = " duplicated with identical chemical state at line ";
constexpr std::string_view kParameterCount = " element parameter";
constexpr std::string_view kOutOfRange = " out of the expected range";
constexpr std::string_view kLinesStatesMismatch = "- Photoelectron lines - chemical states mismatch at element ";

// A findings list longer than this is shortened ...
constexpr std::size_t kLongFindings = 1000;
// ... line by line until it is shorter than this.
constexpr std::size_t kShortenedFindings = 951;

constexpr float kMaxCrossSection = 100.0f;
constexpr float kMinAsymmetry = -1.0f;
constexpr float kMaxAsymmetry = 2.0f;
constexpr float kMinAtomicWeight = 1.0f;
constexpr float kMaxAtomicWeight = 260.0f;
constexpr int kMaxValence = 8;
constexpr int kMaxOxygens = 8;

char upperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

/// Subshell letters a principal quantum number allows: 1s; 2s 2p; 3s 3p 3d;
/// from n = 4 on s p d f. Empty for any other n.
std::string_view subshellsOf(char n)
{
    switch (n) {
    case '1': return "s";
    case '2': return "sp";
    case '3': return "spd";
    case '4':
    case '5':
    case '6':
    case '7': return "spdf";
    default: return {};
    }
}

/// Spin-orbit marks (2j) a subshell allows after it, blank for the whole subshell.
std::string_view componentsOf(char l)
{
    switch (l) {
    case 's': return " 1";
    case 'p': return " 31";
    case 'd': return " 53";
    case 'f': return " 75";
    default: return {};
    }
}

bool validLineNotation(const LineNotation& line)
{
    const std::string_view notation = line.padded();
    const char n = notation[0];
    const char l = notation[1];
    const char j = notation[2];
    const int errors = CharNotIn({&l, 1}, subshellsOf(n)) + CharNotIn({&j, 1}, componentsOf(l));
    return errors == 0;
}

bool positiveUpTo(float value, float max)
{
    return value > 0.0f && value <= max;
}

bool inRange(float value, float min, float max)
{
    return value >= min && value <= max;
}

int parametersOutOfRange(const Document& doc)
{
    int count = 0;
    for (int i = 1; i <= doc.ElemCount; ++i) {
        count += !positiveUpTo(doc.BindEnergy[i], doc.ExcEnergy);
        count += !positiveUpTo(doc.CrossSect[i], kMaxCrossSection);
        count += !inRange(doc.Asymmetry[i], kMinAsymmetry, kMaxAsymmetry);
        count += !inRange(doc.AtWeight[i], kMinAtomicWeight, kMaxAtomicWeight);
        count += !(doc.Valence[i] >= 0 && doc.Valence[i] <= kMaxValence);
        count += !(doc.Oxygens[i] >= 0 && doc.Oxygens[i] <= kMaxOxygens);
    }
    return count;
}

std::string lineNotationFindings(const Document& doc)
{
    std::string findings;
    for (int i = 1; i <= doc.ElemCount; ++i) {
        if (validLineNotation(doc.ElLine[i]))
            continue;
        // The stored two-character symbol: a one-letter symbol keeps its blank.
        findings.append(kInvalidLineNotation).append(doc.ElSymbol[i].padded()).append(kFindingEnd);
    }
    return findings;
}

bool sameLineAndState(const Document& doc, int i, int k)
{
    return doc.ElSymbol[i].trimmedText() == doc.ElSymbol[k].trimmedText() &&
           doc.ElLine[i].trimmedText() == doc.ElLine[k].trimmedText() &&
           doc.ElState[i].trimmedText() == doc.ElState[k].trimmedText();
}

std::string duplicateFindings(const Document& doc)
{
    std::string findings;
    for (int i = 1; i <= doc.ElemCount; ++i) {
        for (int k = i + 1; k <= doc.ElemCount; ++k) {
            if (!sameLineAndState(doc, i, k))
                continue;
            findings.append(kDuplicatedLine)
                .append(doc.ElSymbol[i].trimmedText())
                .append(doc.ElLine[i].trimmedText())
                .append(kDuplicatedAtLine)
                .append(std::to_string(k))
                .append(kFindingEnd);
            break;
        }
    }
    return findings;
}

std::string rangeFindings(const Document& doc)
{
    const int count = parametersOutOfRange(doc);
    if (count == 0)
        return {};
    std::string finding = "- " + std::to_string(count);
    finding.append(kParameterCount).append(count > 1 ? "s" : "").append(kOutOfRange).append(kFindingEnd);
    return finding;
}

/// Every line of a multi-line element must be given in every chemical state
/// of that element, or the lines cannot be combined state by state.
std::string lineStateFindings(const Document& doc, const MultiLineRows& multiLine)
{
    std::vector<std::string> examined;
    for (int i = 1; i <= doc.ElemCount; ++i) {
        const std::string symbol = doc.ElSymbol[i].trimmedText();
        if (!multiLine.MultiLineMark[i] || std::ranges::find(examined, symbol) != examined.end())
            continue;
        examined.push_back(symbol);
        std::size_t rows = 0;
        std::set<std::string> lines;
        std::set<std::string> states;
        for (int k = 1; k <= doc.ElemCount; ++k) {
            if (doc.ElSymbol[k].trimmedText() != symbol)
                continue;
            ++rows;
            lines.insert(doc.ElLine[k].trimmedText());
            states.insert(doc.ElState[k].trimmedText());
        }
        if (rows != lines.size() * states.size())
            return std::string(kLinesStatesMismatch).append(symbol).append(kFindingEnd);
    }
    return {};
}

}  // namespace

std::string NormalizedSymbol(std::string_view typed)
{
    const std::string_view symbol = trimmed(typed);
    if (symbol.empty())
        return {};
    if (symbol.size() == 1)
        return {upperAscii(symbol[0])};
    return {upperAscii(symbol[0]), lowerAscii(symbol[1])};
}

std::string NormalizedLine(std::string_view typed)
{
    std::string line(trimmed(typed));
    for (std::size_t i = 0; i < line.size() && i < 2; ++i)
        line[i] = lowerAscii(line[i]);
    return line;
}

bool TransferElementTable(Document& doc, TextGrid& grid, char decSep)
{
    const Integer oldCount = doc.ElemCount;
    int lastRead = 0;
    int emptyRun = 0;
    for (int r = 1; r <= kMaxElements; ++r) {
        doc.ElSymbol[r] = NormalizedSymbol(grid.TextMatrix(r, kColSymbol));
        doc.ElLine[r] = NormalizedLine(grid.TextMatrix(r, kColLine));
        grid.SetTextMatrix(r, kColSymbol, doc.ElSymbol[r].trimmedText());
        grid.SetTextMatrix(r, kColLine, doc.ElLine[r].trimmedText());
        doc.ElState[r] = trimmed(grid.TextMatrix(r, kColState));
        doc.BindEnergy[r] = ParseSingle(grid.TextMatrix(r, kColBindEnergy), decSep);
        doc.CrossSect[r] = ParseSingle(grid.TextMatrix(r, kColCrossSect), decSep);
        doc.Asymmetry[r] = ParseSingle(grid.TextMatrix(r, kColAsymmetry), decSep);
        doc.AtWeight[r] = ParseSingle(grid.TextMatrix(r, kColAtWeight), decSep);
        doc.Valence[r] = ParseInteger(grid.TextMatrix(r, kColValence), decSep);
        doc.Oxygens[r] = ParseInteger(grid.TextMatrix(r, kColOxygens), decSep);

        lastRead = r;
        const bool empty = doc.ElSymbol[r].isBlank() && doc.ElLine[r].isBlank();
        emptyRun = empty ? emptyRun + 1 : 0;
        if (emptyRun == 2)
            break;
    }
    doc.ElemCount = static_cast<Integer>(lastRead - emptyRun);
    doc.RecalcNeeded = true;
    return doc.ElemCount != oldCount;
}

int CharNotIn(std::string_view ch, std::string_view set)
{
    return ch.size() == 1 && set.find(ch[0]) != std::string_view::npos ? 0 : 1;
}

MultiLineRows FindMultiLineRows(const Document& doc)
{
    MultiLineRows found;
    for (int i = 1; i <= doc.ElemCount; ++i) {
        for (int k = i + 1; k <= doc.ElemCount; ++k) {
            if (doc.ElSymbol[i].trimmedText() == doc.ElSymbol[k].trimmedText() &&
                doc.ElLine[i].trimmedText() != doc.ElLine[k].trimmedText()) {
                found.MultiLineMark[i] = true;
                found.MultiLineMark[k] = true;
                found.MultiLineFound = true;
            }
        }
    }
    return found;
}

std::string ShortenFindings(std::string findings)
{
    if (findings.size() <= kLongFindings)
        return findings;
    while (findings.size() >= kShortenedFindings) {
        std::string_view withoutLastBreak = findings;
        if (withoutLastBreak.ends_with(kFindingLineBreak))
            withoutLastBreak.remove_suffix(kFindingLineBreak.size());
        const std::size_t previousBreak = withoutLastBreak.rfind(kFindingLineBreak);
        findings.resize(previousBreak == std::string_view::npos ? 0 : previousBreak + kFindingLineBreak.size());
    }
    return findings.append(kMoreSimilarErrors);
}

ElementValidation ValidateElements(const Document& doc, bool dataWizardDocked)
{
    ElementValidation verdict;
    verdict.multiLine = FindMultiLineRows(doc);
    std::string findings = lineNotationFindings(doc);
    findings += duplicateFindings(doc);
    findings += rangeFindings(doc);
    findings += lineStateFindings(doc, verdict.multiLine);
    if (findings.empty())
        return verdict;

    const std::string shown = ShortenFindings(std::move(findings));
    Finding finding;
    finding.kind = FindingKind::Warning;
    finding.heading = kElementErrorsHeading;
    finding.items = ItemsOf(shown);
    finding.text = std::string(kElementErrorsHeading).append(kFindingLineBreak).append(kFindingLineBreak).append(shown);
    finding.buttons = dataWizardDocked ? MessageButtons::Ok : MessageButtons::OkCancel;
    verdict.finding = std::move(finding);
    return verdict;
}

}  // namespace slv
