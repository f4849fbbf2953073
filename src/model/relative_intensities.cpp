#include "model/relative_intensities.h"

#include <algorithm>

#include "core/session.h"
#include "model/model_calculation.h"
#include "model/reference_element.h"

namespace slv {

namespace {
template<typename T>
void shiftHistory(std::array<T, kHistoryDepth>& history)
{
    std::move_backward(history.begin(), history.end() - 1, history.end());
}
}  // namespace

float MeasuredRelativeIntensity(const Session& session, int experiment, int element)
{
    return MeasuredRelativeIntensity(session.res, experiment, element);
}

float MeasuredRelativeIntensity(const QuantResults& res, int experiment, int element)
{
    const auto& values = res.ResultValue[experiment];
    const float reference = values[res.RefElem];
    if (values[element] <= 0.0f || reference <= 0.0f)
        return 0.0f;
    return values[element] / reference;
}

bool UpdateRelativeIntensities(Session& session)
{
    const Document& doc = session.doc;
    ModelState& model = session.model;
    const int n = doc.ElemCount;
    const int selected = session.ModelExperiment;
    const int calcExperiment = doc.ARXPS ? std::clamp(selected, 1, std::max(model.FitExpCount, 1)) : 1;
    const bool calculated = model.CalcIntensity.size() > static_cast<std::size_t>(calcExperiment * n);
    const auto calc = [&](int row) { return calculated ? CalculatedIntensity(session, calcExperiment, row) : 0.0; };

    const int ref = NextUsableRow(session.res.RefElem, n, [&](int row) { return calc(row) != 0.0; });
    if (ref == 0) {
        session.dialogs.show(kIntensityAlwaysZeroText, MessageIcon::Exclamation);
        return false;
    }
    session.res.RefElem = ref;

    CalcHistory& history = model.History;
    shiftHistory(history.RelIntensity);
    shiftHistory(history.Thick);
    shiftHistory(history.Coverage);
    shiftHistory(history.QSum);
    double qSum = 0.0;
    for (int e = 1; e <= n; ++e) {
        const double relative = calc(e) / calc(ref);
        history.RelIntensity[0][e] = relative;
        history.MeasuredRel[e] = MeasuredRelativeIntensity(session, selected, e);
        qSum += (relative - history.MeasuredRel[e]) * (relative - history.MeasuredRel[e]);
    }
    history.Thick[0] = doc.LayerThick;
    history.Coverage[0] = doc.Coverage;
    history.QSum[0] = qSum;
    return true;
}

}  // namespace slv
