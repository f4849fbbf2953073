#include "model/emission_angle.h"

#include <cmath>

#include "platform/number_text.h"

namespace slv {

bool TiltInUse(const Document& doc)
{
    return doc.LabelSelect[kTiltLabelName] == 1;
}

float TiltValue(const Document& doc, int experiment, char decSep)
{
    if (!TiltInUse(doc))
        return 0.0f;
    return ParseSingle(doc.LabelText[experiment][kTiltLabelColumn].trimmedText(), decSep);
}

bool TiltInRadians(const Document& doc)
{
    return doc.tiltUnit() == TiltUnit::Radian;
}

double TiltCosine(const Document& doc, float tilt)
{
    return TiltInRadians(doc) ? std::cos(double{tilt}) : std::cos(tilt * kRadiansPerDegree);
}

}  // namespace slv
