#include "report/report_table.h"

#include <algorithm>

namespace slv {

namespace {

constexpr const char* kColumnGap = "  ";

struct LaidOutColumn {
    const ReportColumn* column = nullptr;
    std::size_t cell = 0;  // index into a row
    double width = 0.0;
};

double columnWidth(ReportDevice& device, const ReportTable& table, const ReportColumn& column, std::size_t cell)
{
    const double gap = device.textWidth(kColumnGap);
    double width = device.textWidth(column.widthSample);
    for (const auto& row : table.rows)
        if (cell < row.size())
            width = std::max(width, device.textWidth(row[cell]) + gap);
    device.setBold(true);
    width = std::max(width, device.textWidth(column.caption) + gap);
    device.setBold(false);
    return width;
}

class TablePrinter {
public:
    TablePrinter(ReportPage& page, const ReportTable& table) : m_page(page), m_table(table) {}

    void print(WideTable wide)
    {
        ReportDevice& device = m_page.Device();
        std::vector<LaidOutColumn> keys;
        double keyWidth = 0.0;
        for (std::size_t c = 0; c < m_table.keyColumns.size(); ++c) {
            keys.push_back({&m_table.keyColumns[c], c, columnWidth(device, m_table, m_table.keyColumns[c], c)});
            keyWidth += keys.back().width;
        }
        std::vector<LaidOutColumn> values;
        std::vector<double> widths;
        for (std::size_t c = 0; c < m_table.valueColumns.size(); ++c) {
            const std::size_t cell = m_table.keyColumns.size() + c;
            values.push_back(
                {&m_table.valueColumns[c], cell, columnWidth(device, m_table, m_table.valueColumns[c], cell)});
            widths.push_back(values.back().width);
        }
        const double available = m_page.PrintableWidth();
        std::vector<ColumnBlock> blocks;
        if (wide == WideTable::DropColumns) {
            // Key columns are kept from the left while they fit; no value block.
            double used = 0.0;
            std::size_t kept = 0;
            while (kept < keys.size() && (kept == 0 || used + keys[kept].width <= available))
                used += keys[kept++].width;
            keys.resize(kept);
            blocks.push_back({0, 0});
        } else {
            blocks = SplitIntoBlocks(widths, available - keyWidth);
        }

        m_page.SectionGap();
        const double firstBlock = blockHeight();
        m_page.KeepTogether(m_page.LineHeight() + firstBlock, m_page.LineHeight() + minimumBlockHeight());
        m_page.PrintTitle(m_table.title);
        for (std::size_t b = 0; b < blocks.size(); ++b) {
            if (b > 0)
                m_page.KeepTogether(blockHeight(), minimumBlockHeight());
            m_columns = keys;
            m_columns.insert(m_columns.end(), values.begin() + static_cast<std::ptrdiff_t>(blocks[b].first),
                             values.begin() + static_cast<std::ptrdiff_t>(blocks[b].last));
            printBlock();
        }
    }

private:
    double headerHeight() const { return 4.0 * m_page.Measures().ruleGap + m_page.LineHeight(); }
    double blockHeight() const
    {
        return headerHeight() + static_cast<double>(m_table.rows.size()) * m_page.LineHeight();
    }
    double minimumBlockHeight() const { return headerHeight() + m_page.LineHeight(); }

    void printCells(const std::vector<std::string>* row, bool bold)
    {
        ReportDevice& device = m_page.Device();
        double x = m_page.Measures().margin;
        if (bold)
            device.setBold(true);
        for (const LaidOutColumn& column : m_columns) {
            const std::string& text =
                row != nullptr ? (column.cell < row->size() ? (*row)[column.cell] : m_empty) : column.column->caption;
            if (text.find_first_not_of(' ') != std::string::npos) {
                const double at =
                    column.column->align == CellAlign::Right ? x + column.width - device.textWidth(text) : x;
                device.setCurrentX(at);
                device.print(text);
            }
            x += column.width;
        }
        if (bold)
            device.setBold(false);
        m_page.EndLine();
    }

    void printHeader()
    {
        m_page.PrintRule();
        printCells(nullptr, true);
        m_page.PrintRule();
    }

    void printBlock()
    {
        printHeader();
        for (const auto& row : m_table.rows) {
            if (m_page.BreakBeforeLine())
                printHeader();
            printCells(&row, false);
        }
    }

    ReportPage& m_page;
    const ReportTable& m_table;
    std::vector<LaidOutColumn> m_columns;
    const std::string m_empty;
};

}  // namespace

std::vector<ColumnBlock> SplitIntoBlocks(const std::vector<double>& valueWidths, double available)
{
    std::vector<ColumnBlock> blocks;
    std::size_t first = 0;
    while (first < valueWidths.size()) {
        std::size_t last = first + 1;
        double used = valueWidths[first];
        while (last < valueWidths.size() && used + valueWidths[last] <= available)
            used += valueWidths[last++];
        blocks.push_back({first, last});
        first = last;
    }
    if (blocks.empty())
        blocks.push_back({0, 0});
    return blocks;
}

void PrintReportTable(ReportPage& page, const ReportTable& table, WideTable wide)
{
    TablePrinter(page, table).print(wide);
}

}  // namespace slv
