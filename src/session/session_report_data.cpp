#include "session/session_report_data.h"

#include "model/oxide_layer.h"
#include "session/model_checks.h"
#include "session/results_view.h"

namespace slv {

ResultsTable SessionReportData::results(int resultType)
{
    m_session.edit(Change::Results).res.ResType = resultType;
    return ShowResults(m_session).table;
}

void SessionReportData::restoreResults(int resultType)
{
    m_session.edit(Change::Results).res.ResType = resultType;
    ShowResults(m_session);
}

std::optional<std::vector<float>> SessionReportData::oxideThicknesses()
{
    if (!ModelTablePasses(m_session))
        return std::nullopt;
    auto edit = m_session.edit(Change::Results);
    OxideLayerResults(edit.doc, edit.model, edit.res, m_session.environment().DecSep);
    std::vector<float> thickness;
    for (int exp = 1; exp <= edit.doc.ExpCount; ++exp)
        thickness.push_back(edit.res.ResultValue[exp][1]);
    return thickness;
}

}  // namespace slv
