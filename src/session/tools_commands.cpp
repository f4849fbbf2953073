// The Tools menu's library lookup, simulation and depth scale, and the
// status bar's title and file name panels.
#include "document/element_library.h"
#include "platform/fixed_text.h"
#include "platform/format_mask.h"
#include "platform/number_text.h"
#include "session/main_commands.h"

namespace slv {

namespace {

constexpr int kTimeLabelText = 3;     // LabelText index of the Time label
constexpr int kNumericLabel = 7;      // LabelName index of the user's numeric label
constexpr int kNumericLabelText = 8;  // and its LabelText index
constexpr int kLengthUnit = 3;        // UnitText index of the length unit
constexpr const char* kDepthTextMask = "####0.0";

bool anyIntensity(const Document& doc)
{
    for (int x = 1; x <= doc.ExpCount; ++x)
        for (int e = 1; e <= doc.ElemCount; ++e)
            if (doc.Intensity[x][e] > 0.0f)
                return true;
    return false;
}

bool anyLabel(const Document& doc, int labelText)
{
    for (int e = 1; e <= doc.ExpCount; ++e)
        if (!doc.LabelText[e][labelText].trimmedText().empty())
            return true;
    return false;
}

}  // namespace

void MainCommands::libraryLookup()
{
    WindowId window{};
    GridWindow* elements = activeGrid(window);
    if (elements == nullptr || window != WindowId::Elements)
        return;
    if (!m_session.doc().libraryLookupEnabled()) {
        m_session.dialogs().show(kLibraryDisabled, MessageIcon::Exclamation);
        return;
    }
    elements->commit();
    const TextGrid& grid = elements->grid();
    const CellRange selection = grid.Selection();
    const int elemCount = m_session.doc().ElemCount;
    const bool wholeRows = selection.left == 1 && selection.right == grid.Cols() - 1 && selection.top >= 1 &&
                           selection.bottom <= elemCount;
    LookUpLibraryRows(m_session, wholeRows ? selection.top : 1, wholeRows ? selection.bottom : elemCount);
}

void LookUpLibraryRows(Session& session, int first, int last)
{
    auto edit = session.edit({Change::Elements, Change::Results});
    Findings findings(session.dialogs());
    LibraryLookup(edit.doc, session.environment().programFolder, first, last, findings);
    session.present(findings);
    edit.doc.RecalcNeeded = true;
    edit.doc.DocDirty = true;
}

bool MainCommands::prepareSimulation()
{
    const Document& doc = m_session.doc();
    const ModelType model = doc.modelType();
    // The menu item is disabled otherwise; the formulas need a layer model and element rows.
    if (model == ModelType::Homogeneous || model == ModelType::OxideLayer || doc.ElemCount == 0)
        return false;
    UserDialogs& dialogs = m_session.dialogs();
    if (doc.LayerCount == 0) {
        dialogs.show(kModelNotDefined, MessageIcon::Critical);
        return false;
    }
    return !anyIntensity(doc) || dialogs.show(std::string(kIntensityNotEmpty) + "\r\n" + kOverwriteQuestion,
                                              MessageIcon::Question, MessageButtons::OkCancel, 1) == DialogAnswer::Ok;
}

void MainCommands::createDepthScale()
{
    if (m_shell.activeWindow() != WindowId::Results)
        return;
    UserDialogs& dialogs = m_session.dialogs();
    const Document& doc = m_session.doc();
    if (anyLabel(doc, kNumericLabelText) &&
        dialogs.show(std::string(kNumericLabelNotEmpty) + "\r\n" + kOverwriteQuestion, MessageIcon::Question,
                     MessageButtons::OkCancel, 1) != DialogAnswer::Ok)
        return;
    if (!anyLabel(doc, kTimeLabelText)) {
        dialogs.show(kTimeDataNotSet, MessageIcon::Exclamation);
        return;
    }
    if (doc.sputterRate() == 0.0f) {
        dialogs.show(kSputterRateNotSet, MessageIcon::Exclamation);
        return;
    }
    auto edit = m_session.edit({Change::Labels, Change::Results});
    Document& d = edit.doc;
    const char decSep = m_session.environment().DecSep;
    for (int e = 1; e <= d.ExpCount; ++e) {
        const float depth = ParseSingle(d.LabelText[e][kTimeLabelText].trimmedText(), decSep) * d.sputterRate();
        d.LabelText[e][kNumericLabelText] = FormatNumber(depth, kDepthTextMask, decSep);
    }
    d.LabelName[kNumericLabel] = "Depth (" + d.UnitText[kLengthUnit].trimmedText() + ")";
    d.LabelSelect[kNumericLabel] = 1;
    d.DepthScale = 0;
    d.DocDirty = true;
}

void MainCommands::editTitle()
{
    const auto answer = m_session.dialogs().inputBox({kChangeTitlePrompt, {}, m_session.doc().title()});
    if (!answer || trimmed(*answer).empty())
        return;
    auto edit = m_session.edit(Change::Title);
    edit.doc.setTitle(std::string(trimmed(*answer)));
    edit.doc.DocDirty = true;
}

PanelAlignment MainCommands::cycleFileNameAlignment()
{
    switch (m_alignment) {
    case PanelAlignment::Left: m_alignment = PanelAlignment::Center; break;
    case PanelAlignment::Center: m_alignment = PanelAlignment::Right; break;
    case PanelAlignment::Right: m_alignment = PanelAlignment::Left; break;
    }
    return m_alignment;
}

}  // namespace slv
