#include "session/polyhedron_editor.h"

#include <algorithm>
#include <cmath>

#include "platform/format_mask.h"
#include "platform/number_text.h"

namespace slv {

namespace {
constexpr char kBackspace = '\b';
constexpr float kPercent = 100.0f;
}  // namespace

PolyhedronEditor::PolyhedronEditor(const PolyhedronFactors& polyPar, UserDialogs& dialogs, char decSep)
    : m_dialogs(dialogs),
      m_decSep(decSep)
{
    for (int i = 1; i <= kTiltClasses; ++i)
        m_area[i - 1] = polyPar[i] * kPercent;
    showArea();
}

void PolyhedronEditor::showArea()
{
    m_areaText = FormatNumber(m_area[m_class - 1], kAreaMask, m_decSep);
}

int PolyhedronEditor::moveSlider(double position)
{
    const double step = std::isfinite(position) ? std::round(position) : 0.0;
    const int tiltClass = static_cast<int>(std::clamp(step, 0.0, double{kTiltClasses - 1})) + 1;
    if (tiltClass != m_class) {
        m_class = tiltClass;
        showArea();
    }
    return sliderPosition();
}

bool PolyhedronEditor::acceptsKey(char key)
{
    return (key >= '0' && key <= '9') || key == ',' || key == '.' || key == kBackspace;
}

void PolyhedronEditor::pressDelete()
{
    changeAreaText("");
}

bool PolyhedronEditor::changeAreaText(std::string_view text)
{
    std::string number(text);
    std::replace_if(
        number.begin(), number.end(), [](char c) { return c == ',' || c == '.'; }, m_decSep);
    const float value = ParseSingle(number, m_decSep);
    if (value < 0.0f) {
        m_dialogs.beep();
        return false;
    }
    m_area[m_class - 1] = value;
    m_areaText = std::string(text);
    if (value > kFullArea)
        m_dialogs.beep();
    return true;
}

void PolyhedronEditor::stepArea(int steps)
{
    const float current = std::isfinite(m_area[m_class - 1]) ? m_area[m_class - 1] : 0.0f;
    m_area[m_class - 1] = std::clamp(std::round(current) + static_cast<float>(steps), 0.0f, kFullArea);
    showArea();
}

bool PolyhedronEditor::areasUsable() const
{
    return std::all_of(m_area.begin(), m_area.end(), [](float a) { return std::isfinite(a) && a >= 0.0f; });
}

bool PolyhedronEditor::normalize()
{
    if (!areasUsable()) {
        m_dialogs.show(kNegativeAreaText, MessageIcon::Exclamation);
        return false;
    }
    double sum = 0.0;
    for (const float a : m_area)
        sum += a;
    if (sum > 0.0)
        for (float& a : m_area)
            a = static_cast<float>(a / sum * kPercent);
    showArea();
    return true;
}

void PolyhedronEditor::clear()
{
    m_area.fill(0.0f);
    showArea();
}

bool PolyhedronEditor::accept(PolyhedronFactors& polyPar)
{
    if (!normalize())
        return false;
    for (int i = 1; i <= kTiltClasses; ++i)
        polyPar[i] = m_area[i - 1] / kPercent;
    return true;
}

bool PolyhedronEditor::acceptInto(Session& session)
{
    PolyhedronFactors polyPar = session.doc().PolyPar;
    if (!accept(polyPar))
        return false;
    if (polyPar != session.doc().PolyPar) {
        auto edit = session.edit(Change::Model);
        edit.doc.PolyPar = polyPar;
        edit.doc.DocDirty = true;
    }
    return true;
}

}  // namespace slv
