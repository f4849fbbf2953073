// The 2-byte signed integer in which the files, the settings store and the
// document keep counts and option codes.
#pragma once

#include <cstdint>

namespace slv {

using Integer = std::int16_t;

}  // namespace slv
