#include "core/session_report_data.h"

#include "model/model_check.h"
#include "model/oxide_layer.h"

namespace slv {

ResultsTable SessionReportData::results(int resultType)
{
    m_session.res.ResType = resultType;
    return FillResults(m_session);
}

void SessionReportData::restoreResults(int resultType)
{
    m_session.res.ResType = resultType;
    FillResults(m_session);
}

std::optional<std::vector<float>> SessionReportData::oxideThicknesses()
{
    int errors = 0;
    std::string message;
    CheckModel(m_session, errors, message);
    ShowModelErrors(m_session, errors, message, MessageButtons::Ok);
    if (!ModelUsable(errors))
        return std::nullopt;
    OxideLayerResults(m_session);
    std::vector<float> thickness;
    for (int exp = 1; exp <= m_session.doc.ExpCount; ++exp)
        thickness.push_back(m_session.res.ResultValue[exp][1]);
    return thickness;
}

}  // namespace slv
