// Versions are kept in hundredths and shown with two decimals: 700 is "7.00".
#pragma once

#include <QString>

#include "platform/format_mask.h"
#include "platform/integer.h"

namespace slv {

inline QString VersionText(Integer hundredths)
{
    return QString::fromStdString(FormatNumber(hundredths, "#0\\.00"));
}

}  // namespace slv
