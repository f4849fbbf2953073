// The model test: a one-page verdict on the current structure model before
// any calculation. It shows the model type, the counts that decide whether
// the layer system can be solved (free thicknesses and the elements they
// call for), the findings of both validation stages, and one of three
// states: clean (no errors, or only a nanotube warning), doubtful (an island
// system short of data, or elements omitted, which more data can cure) or
// wrong. Apart from the error bits it changes nothing in the document.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "document/document.h"
#include "model/model_check.h"
#include "model/model_state.h"

namespace slv {

/// Captions of the summary values.
inline constexpr const char* kModelTypeCaption = "Model type";
inline constexpr const char* kElementsCaption = "Elements";
inline constexpr const char* kLayersCaption = "Layers";
inline constexpr const char* kIslandsCaption = "Islands";
inline constexpr const char* kEquationsCaption = "Number of equations";
inline constexpr const char* kNecessaryElementsCaption = "Number of necessary elements";
inline constexpr const char* kWithinIslandsCaption = "within islands";

/// Tool tips of the status picture.
inline constexpr const char* kLevel1Tip = " Level 1 error(s) ";
inline constexpr const char* kLevel2Tip = " Level 2 error ";
inline constexpr const char* kNoErrorsTip = " No errors ";
inline constexpr const char* kWarningsTip = " Warning(s) ";

/// What the error list shows for a model without findings.
inline constexpr const char* kNoErrorsText = "No errors";

enum class ModelTestStatus { Clean, Doubtful, Wrong };

struct ModelSummary {
    std::string modelType;
    int elements = 0;
    int layers = 0;
    std::optional<int> islands;  // nullopt without island mode (shown "-")
    /// Free thicknesses, and the coverage when it is fitted.
    int equations = 0;
    int necessaryElements = 0;
    std::optional<int> withinIslands;  // nullopt without island mode
    /// Both validation stages and the test's own finding.
    ModelFindings findings;
    /// The text of the error list: the findings, or "No errors".
    std::string errorList;
    ModelTestStatus status = ModelTestStatus::Wrong;
    std::string statusTip;
};

/// Runs the model test on the record as the last transfer of the model grid
/// left it; model.ModelErrors keeps the bits found.
ModelSummary TestModel(Document& doc, ModelState& model);

/// The caption and value texts in the order the summary shows them.
std::vector<std::pair<std::string, std::string>> SummaryRows(const ModelSummary& summary);

}  // namespace slv
