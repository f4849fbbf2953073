#include "cli/picture_options.h"

#include <ostream>

#include "chart_qt/gui_application.h"
#include "cli/cli_app.h"

namespace slv::cli {

namespace {
constexpr int kSmallestSide = 100;
constexpr int kLargestSide = 10000;
}  // namespace

void PictureOptions::attach(CLI::App& command)
{
    auto* pngOption = command.add_option("--png", png, "PNG file to write");
    auto* svgOption = command.add_option("--svg", svg, "SVG file to write");
    pngOption->excludes(svgOption);
    command.add_option("--width", width, "Width in pixels (default " + std::to_string(width) + ")")
        ->check(CLI::Range(kSmallestSide, kLargestSide));
    command.add_option("--height", height, "Height in pixels (default " + std::to_string(height) + ")")
        ->check(CLI::Range(kSmallestSide, kLargestSide));
    command.callback([pngOption, svgOption] {
        if (pngOption->count() == 0 && svgOption->count() == 0)
            throw CLI::RequiredError("--png or --svg");
    });
}

bool PrepareRendering(std::ostream& err)
{
    if (EnsureGuiApplication())
        return true;
    err << "error: no Qt application for rendering pictures could be set up\n";
    return false;
}

int FinishPicture(bool written, const std::string& error, std::ostream& err)
{
    if (written)
        return kExitOk;
    err << "error: " << error << "\n";
    return kExitUnusableInput;
}

}  // namespace slv::cli
