#include "document/element_row_text.h"

#include "platform/format_mask.h"

namespace slv {

std::array<std::string, 9> ElementRowTexts(const Document& doc, int row, char decSep)
{
    // Any asymmetry below -1 marks a missing value and shows blank.
    const float asymmetry = doc.Asymmetry[row];
    return {doc.ElSymbol[row].trimmedText(),
            doc.ElLine[row].trimmedText(),
            doc.ElState[row].trimmedText(),
            FormatNumber(doc.BindEnergy[row], "###0.0;\\ ", decSep),
            FormatNumber(doc.CrossSect[row], "#0.000;\\ ", decSep),
            asymmetry < -1.0f ? std::string() : FormatNumber(asymmetry, "#0.000", decSep),
            FormatNumber(doc.AtWeight[row], "##0.00;\\ ", decSep),
            FormatNumber(doc.Valence[row], "#0;\\ ", decSep),
            FormatNumber(doc.Oxygens[row], "#0;\\ ", decSep)};
}

}  // namespace slv
