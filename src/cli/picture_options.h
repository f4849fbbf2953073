// The output options of the commands that write a picture: --png OUT or
// --svg OUT, and the size in pixels.
#pragma once

#include <iosfwd>
#include <string>

#include <CLI/CLI.hpp>

#include "chart_qt/picture_file.h"

namespace slv::cli {

struct PictureOptions {
    std::string png;
    std::string svg;
    int width;
    int height;

    PictureOptions(int defaultWidth, int defaultHeight) : width(defaultWidth), height(defaultHeight) {}

    /// Adds --png, --svg (exactly one of them), --width and --height.
    void attach(CLI::App& command);

    const std::string& path() const { return png.empty() ? svg : png; }
    PictureFormat format() const { return png.empty() ? PictureFormat::Svg : PictureFormat::Png; }
};

/// kExitOk after the picture was written, else kExitUnusableInput with the message on err.
int FinishPicture(bool written, const std::string& error, std::ostream& err);

/// False, with the message on err, when no Qt application for rendering can be had.
bool PrepareRendering(std::ostream& err);

}  // namespace slv::cli
