#include "cli/results_output.h"

#include <algorithm>
#include <charconv>
#include <ostream>

#include <nlohmann/json.hpp>

#include "cli/printable_text.h"
#include "platform/format_mask.h"
#include "platform/text_encoding.h"

namespace slv::cli {

namespace {

std::string cellOf(float value, const std::string& mask)
{
    return FormatNumber(value, mask, '.');
}

/// Header row and one row per experiment, as display texts (UTF-8).
std::vector<std::vector<std::string>> displayRows(const ResultsTable& table)
{
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> header{""};
    for (const auto& h : table.labelHeaders)
        header.push_back(AnsiToUtf8(h));
    for (const auto& h : table.valueHeaders)
        header.push_back(AnsiToUtf8(h));
    if (table.hasOBalance)
        header.push_back(kOBalanceHeader);
    rows.push_back(header);
    for (const auto& r : table.rows) {
        std::vector<std::string> cells{r.omitted ? "X" : std::to_string(r.number)};
        for (const auto& label : r.labels)
            cells.push_back(AnsiToUtf8(label));
        for (const float v : r.values)
            cells.push_back(std::string(trimmed(cellOf(v, table.valueMask))));
        if (table.hasOBalance)
            cells.push_back(std::string(trimmed(cellOf(r.oBalance, kOBalanceMask))));
        rows.push_back(std::move(cells));
    }
    return rows;
}

std::string csvField(const std::string& cell)
{
    const std::string text = PrintableText(cell);
    if (text.find_first_of(",\"\n\r") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

nlohmann::json valueOrNull(float value)
{
    return value < 0.0f ? nlohmann::json(nullptr) : nlohmann::json(ShortestDecimal(value));
}

}  // namespace

bool ParseOutputFormat(const std::string& word, OutputFormat& format)
{
    if (word == "text")
        format = OutputFormat::Text;
    else if (word == "csv")
        format = OutputFormat::Csv;
    else if (word == "json")
        format = OutputFormat::Json;
    else
        return false;
    return true;
}

double ShortestDecimal(float value)
{
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    double shortest = value;
    std::from_chars(buffer, ec == std::errc() ? end : buffer, shortest);
    return shortest;
}

void WriteAlignedTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows,
                       const std::vector<bool>& leftAligned)
{
    std::vector<std::size_t> widths;
    auto displayWidth = [](const std::string& utf8) {
        return static_cast<std::size_t>(std::count_if(
            utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    };
    // Cells may hold a file's texts: no control character reaches the terminal.
    std::vector<std::vector<std::string>> shown;
    for (const auto& row : rows) {
        shown.emplace_back();
        for (const auto& cell : row)
            shown.back().push_back(PrintableText(cell));
    }
    for (const auto& row : shown)
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (widths.size() <= c)
                widths.push_back(0);
            widths[c] = std::max(widths[c], displayWidth(row[c]));
        }
    for (const auto& row : shown) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string pad(widths[c] - displayWidth(row[c]), ' ');
            const bool left = c < leftAligned.size() && leftAligned[c];
            if (c > 0)
                line += "  ";
            line += left ? row[c] + pad : pad + row[c];
        }
        const auto end = line.find_last_not_of(' ');
        out << line.substr(0, end == std::string::npos ? 0 : end + 1) << "\n";
    }
}

void WriteResults(std::ostream& out, const ResultsTable& table, OutputFormat format,
                  const std::vector<std::string>& errors)
{
    if (format == OutputFormat::Json) {
        nlohmann::json doc;
        doc["type"] = ResultTypeName(table.resultType);
        doc["columns"] = nlohmann::json::array();
        for (const auto& h : table.valueHeaders)
            doc["columns"].push_back(AnsiToUtf8(h));
        doc["labels"] = nlohmann::json::array();
        for (const auto& h : table.labelHeaders)
            doc["labels"].push_back(AnsiToUtf8(h));
        doc["experiments"] = nlohmann::json::array();
        for (const auto& r : table.rows) {
            nlohmann::json e;
            e["number"] = r.number;
            e["omitted"] = r.omitted;
            e["labels"] = nlohmann::json::array();
            for (const auto& label : r.labels)
                e["labels"].push_back(AnsiToUtf8(label));
            e["values"] = nlohmann::json::array();
            for (const float v : r.values)
                e["values"].push_back(valueOrNull(v));
            e["o_balance"] = table.hasOBalance ? valueOrNull(r.oBalance) : nlohmann::json(nullptr);
            doc["experiments"].push_back(e);
        }
        doc["errors"] = errors;
        out << doc.dump(2) << "\n";
        return;
    }
    const auto rows = displayRows(table);
    if (format == OutputFormat::Csv) {
        for (const auto& row : rows) {
            for (std::size_t c = 0; c < row.size(); ++c)
                out << (c ? "," : "") << csvField(row[c]);
            out << "\n";
        }
        return;
    }
    std::vector<bool> left(1 + table.labelHeaders.size(), true);
    out << ResultTypeName(table.resultType) << "\n";
    WriteAlignedTable(out, rows, left);
}

}  // namespace slv::cli
