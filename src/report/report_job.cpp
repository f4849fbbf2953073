#include "report/report_job.h"

#include "report/report_model_tables.h"
#include "report/report_options.h"
#include "report/report_parameters.h"
#include "report/report_tables.h"
#include "report/report_text.h"

namespace slv {

namespace {

bool imfpPrintable(const Document& doc, char decSep)
{
    return doc.ExpCount >= 1 && (doc.modelMode() || ImfpTable(doc, decSep).has_value());
}

}  // namespace

bool CanPrintCurrent(const Document& doc, char decSep, ReportWindow window)
{
    switch (window) {
    case ReportWindow::Elements: return doc.ElemCount >= 1;
    case ReportWindow::Intensity: return doc.ExpCount >= 1;
    case ReportWindow::Imfp: return !doc.modelMode() && imfpPrintable(doc, decSep);
    case ReportWindow::ModelImfp: return doc.modelMode();
    case ReportWindow::Results: return !doc.modelMode() && doc.ElemCount >= 1 && doc.ExpCount >= 1;
    case ReportWindow::LayerThickness: return doc.modelMode() && doc.LayerCount > 0;
    case ReportWindow::Model: return doc.modelMode() && doc.LayerCount >= 1;
    }
    return false;
}

void PrintJob::ensurePage(const PrintOptions& options)
{
    if (m_page.PageOpen())
        return;
    ReportHeader header;
    header.title = m_doc.title();
    if (Selected(options, kPrintFileName))
        header.fileName = FileNamePart(m_doc.DocFileName);
    header.dateText = m_data.dateText();
    m_page.StartPage(options, header);
}

void PrintJob::printThickness()
{
    if (m_doc.modelType() != ModelType::OxideLayer) {
        PrintReportTable(m_page, LayerThicknessTable(m_doc, m_decSep));
        return;
    }
    if (const auto thickness = m_data.oxideThicknesses())
        PrintReportTable(m_page, OxideThicknessTable(m_doc, m_decSep, *thickness));
}

void PrintJob::printImfp()
{
    if (m_doc.modelMode()) {
        PrintReportTable(m_page, ModelImfpTable(m_doc, m_decSep));
        return;
    }
    if (const auto table = ImfpTable(m_doc, m_decSep))
        PrintReportTable(m_page, *table);
}

void PrintJob::printModel()
{
    for (const ReportTable& table : ModelDataTables(m_doc, m_decSep))
        PrintReportTable(m_page, table);
}

void PrintJob::PrintSelected(const PrintOptions& options)
{
    ensurePage(options);
    if (Selected(options, kPrintParameters))
        PrintParameters(m_page, ParameterSummary(m_doc, m_decSep, ParameterDigits::AsEntered));
    if (Selected(options, kPrintElements) && m_doc.ElemCount >= 1)
        PrintReportTable(m_page, ElementTable(m_doc, m_decSep), WideTable::DropColumns);
    if (Selected(options, kPrintIntensity) && m_doc.ExpCount >= 1)
        PrintReportTable(m_page, IntensityTable(m_doc, m_decSep));
    if (Selected(options, kPrintImfp) && imfpPrintable(m_doc, m_decSep))
        printImfp();
    if (Selected(options, kPrintModel) && m_doc.modelMode() && m_doc.LayerCount >= 1)
        printModel();

    bool anyResultType = false;
    for (int type = 0; type < kResultTypeCount; ++type)
        anyResultType = anyResultType || ResultTypeSelected(options, type);
    if (!m_doc.modelMode() && m_doc.ElemCount >= 1 && m_doc.ExpCount >= 1 && anyResultType) {
        const int shown = m_data.currentResultType();
        int computed = shown;
        for (int type = 0; type < kResultTypeCount; ++type) {
            if (!ResultTypeSelected(options, type))
                continue;
            PrintReportTable(m_page, ResultsReportTable(m_doc, m_decSep, m_data.results(type)));
            computed = type;
        }
        if (computed != shown)
            m_data.restoreResults(shown);
    } else if (m_doc.modelMode() && m_doc.LayerCount > 0 && anyResultType) {
        printThickness();
    }

    if (Selected(options, kPrintNotes) && !m_doc.NotesText.empty())
        PrintText(m_page, kNotesTitle, m_doc.NotesText);
}

bool PrintJob::PrintCurrent(const PrintOptions& options, ReportWindow window)
{
    if (!CanPrintCurrent(m_doc, m_decSep, window))
        return false;
    ensurePage(options);
    switch (window) {
    case ReportWindow::Elements: PrintReportTable(m_page, ElementTable(m_doc, m_decSep), WideTable::DropColumns); break;
    case ReportWindow::Intensity: PrintReportTable(m_page, IntensityTable(m_doc, m_decSep)); break;
    case ReportWindow::Imfp:
    case ReportWindow::ModelImfp: printImfp(); break;
    case ReportWindow::Results:
        PrintReportTable(m_page, ResultsReportTable(m_doc, m_decSep, m_data.results(m_data.currentResultType())));
        break;
    case ReportWindow::LayerThickness: printThickness(); break;
    case ReportWindow::Model: printModel(); break;
    }
    return true;
}

void PrintJob::PrintNotesText(const PrintOptions& options, std::string_view title, std::string_view text)
{
    ensurePage(options);
    PrintText(m_page, title, text);
}

}  // namespace slv
