#include "model/model_errors.h"

#include "document/file_error.h"
#include "platform/number_text.h"

namespace slv {

namespace {
constexpr const char* kInvalidCallText = "Invalid procedure call (e.g., square root of negative number)";
constexpr const char* kOverflowText = "Overflow";
constexpr const char* kSubscriptText = "Subscript out of range";
constexpr const char* kDivisionByZeroText = "Division by zero";
constexpr const char* kOtherErrorText = "Error";
constexpr const char* kAtCalculation = " occurred at model calculation (";
constexpr const char* kAtCalculationEnd = ")    ";
constexpr const char* kAtFitting = " occurred at fitting of parameters (";
constexpr const char* kAtFittingEnd = ").\r\nCheck model and refine initial data    ";
}  // namespace

bool TrapModelError(ModelTrap& trap, int routine, int errorNumber)
{
    if (!ModelErrorTrapped(trap))
        trap = {routine, errorNumber};
    return false;
}

void ClearModelError(ModelTrap& trap)
{
    trap = {};
}

std::string ModelErrorText(int errorNumber)
{
    switch (errorNumber) {
    case kErrInvalidCall: return kInvalidCallText;
    case kErrOverflow: return kOverflowText;
    case kErrSubscript: return kSubscriptText;
    case kErrDivisionByZero: return kDivisionByZeroText;
    default: return kOtherErrorText + PrintedNumber(errorNumber);
    }
}

std::string ModelErrorMessage(int routine, int errorNumber, ModelErrorOrigin origin)
{
    const std::string code = std::to_string(routine);
    if (origin == ModelErrorOrigin::Fitting)
        return ModelErrorText(errorNumber) + kAtFitting + code + kAtFittingEnd;
    return ModelErrorText(errorNumber) + kAtCalculation + code + kAtCalculationEnd;
}

Finding TakeModelError(ModelTrap& trap, ModelErrorOrigin origin)
{
    Finding finding = MessageFinding(FindingKind::Error, ModelErrorMessage(trap.routine, trap.errorNumber, origin));
    ClearModelError(trap);
    return finding;
}

}  // namespace slv
