// The core keeps its texts in the ANSI code page of its files; Qt draws
// Unicode.
#pragma once

#include <string>

#include <QString>

#include "platform/text_encoding.h"

namespace slv {

inline QString AnsiQString(const std::string& ansi)
{
    return QString::fromStdString(AnsiToUtf8(ansi));
}

}  // namespace slv
