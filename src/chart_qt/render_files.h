// Charts and model layouts as PNG or SVG files, rendered without a window:
// what selvaro-cli writes for scripted figures.
#pragma once

#include <string>

#include <QSize>

#include "chart_qt/picture_file.h"
#include "document/document.h"
#include "report/chart_plan.h"
#include "report/model_layout.h"

namespace slv {

bool WriteChartPicture(const ChartPlan& plan, const std::string& path, PictureFormat format, QSize size,
                       std::string& error);

bool WriteLayoutPicture(const Document& doc, const LayoutState& state, const std::string& path, PictureFormat format,
                        QSize size, std::string& error);

}  // namespace slv
