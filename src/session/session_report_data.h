// The print job's view of a running session: results computed by the
// session's quantification, the Oxide-Layer thickness after the model check,
// and the date the front end supplies.
#pragma once

#include <string>

#include "report/report_job.h"
#include "session/session.h"

namespace slv {

class SessionReportData final : public ReportData {
public:
    /// dateText: today's date in the locale's long form, ANSI.
    SessionReportData(Session& session, std::string dateText) : m_session(session), m_dateText(std::move(dateText)) {}

    std::string dateText() const override { return m_dateText; }
    int currentResultType() const override { return m_session.results().ResType; }
    ResultsTable results(int resultType) override;
    void restoreResults(int resultType) override;
    std::optional<std::vector<float>> oxideThicknesses() override;

private:
    Session& m_session;
    std::string m_dateText;
};

}  // namespace slv
