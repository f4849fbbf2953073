#include "report/report_device.h"

#include <algorithm>

namespace slv {

void ReportDevice::beginDocument(PageOrientation orientation)
{
    startDocument(orientation);
    moveTo(0.0, 0.0);
}

void ReportDevice::newPage()
{
    startNextPage();
    moveTo(0.0, 0.0);
}

void ReportDevice::print(std::string_view text)
{
    if (!text.empty())
        drawText(m_x, m_y, text);
    m_x += textWidth(text);
    m_lineHeight = std::max(m_lineHeight, lineHeight());
}

void ReportDevice::endLine()
{
    m_y += std::max(m_lineHeight, lineHeight());
    m_x = 0.0;
    m_lineHeight = 0.0;
}

}  // namespace slv
