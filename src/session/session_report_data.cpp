#include "session/session_report_data.h"

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
    if (!ComputeOxideThickness(m_session))
        return std::nullopt;
    std::vector<float> thickness;
    for (int exp = 1; exp <= m_session.doc().ExpCount; ++exp)
        thickness.push_back(m_session.results().ResultValue[exp][1]);
    return thickness;
}

}  // namespace slv
