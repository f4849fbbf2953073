#include "cli/printable_text.h"

namespace slv::cli {

namespace {

constexpr unsigned char kLastC0Control = 0x1F;
constexpr unsigned char kDelete = 0x7F;
// The C1 controls U+0080..U+009F are the two-byte sequences C2 80..C2 9F.
constexpr unsigned char kC1Lead = 0xC2;
constexpr unsigned char kFirstC1Trail = 0x80;
constexpr unsigned char kLastC1Trail = 0x9F;

}  // namespace

std::string PrintableText(std::string_view utf8)
{
    std::string shown;
    shown.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte <= kLastC0Control || byte == kDelete) {
            shown += kControlStandIn;
            continue;
        }
        if (byte == kC1Lead && i + 1 < utf8.size()) {
            const auto trail = static_cast<unsigned char>(utf8[i + 1]);
            if (trail >= kFirstC1Trail && trail <= kLastC1Trail) {
                shown += kControlStandIn;
                ++i;
                continue;
            }
        }
        shown += utf8[i];
    }
    return shown;
}

}  // namespace slv::cli
