// Charts and model layouts rendered without a window into PNG and SVG files:
// every chart type and every model type gives a picture of the asked size
// that is not blank; a file that cannot be written is reported and no
// partial file is left. With SLV_PICTURE_DIR set the pictures are kept
// there for a look.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include <QImage>

#include "chart_qt/gui_application.h"
#include "chart_qt/render_files.h"
#include "report/intensity_chart.h"
#include "report/polyhedron_chart.h"
#include "report/transmission_chart.h"

namespace slv {
namespace {

namespace fs = std::filesystem;

class PictureRender : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(EnsureGuiApplication()); }

    void SetUp() override
    {
        const char* keep = std::getenv("SLV_PICTURE_DIR");
        m_keep = keep != nullptr && *keep != '\0';
        m_folder = m_keep ? fs::path(keep) : fs::temp_directory_path() / ("slv_pictures_" + std::to_string(::getpid()));
        fs::create_directories(m_folder);
    }
    void TearDown() override
    {
        if (!m_keep)
            fs::remove_all(m_folder);
    }

    std::string path(const std::string& name) const { return (m_folder / name).string(); }

    /// The PNG at path: the asked size and more than one colour.
    static void expectPicture(const std::string& path, QSize size)
    {
        QImage image(QString::fromStdString(path));
        ASSERT_FALSE(image.isNull()) << path;
        EXPECT_EQ(image.size(), size);
        const QRgb first = image.pixel(0, 0);
        bool varied = false;
        for (int y = 0; y < image.height() && !varied; y += 3)
            for (int x = 0; x < image.width() && !varied; x += 3)
                varied = image.pixel(x, y) != first;
        EXPECT_TRUE(varied) << path << " is blank";
    }

    static std::string contentOf(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path m_folder;
    bool m_keep = false;
};

ChartPlan lineChart(bool numeric, bool colour)
{
    ChartPlan plan;
    plan.type = ChartType::Line;
    plan.colour = colour;
    for (int s = 0; s < 5; ++s) {
        ChartSet& set = plan.sets.emplace_back();
        set.legend = "set " + std::to_string(s + 1);
        set.symbol = 2 * (s % 4 + 1) + 1;
        for (int p = 0; p < 6; ++p)
            set.values.emplace_back(10.0 * s + p * p);
    }
    if (numeric)
        plan.xPositions = {0, 0.5, 1, 2, 4, 6 - 0.0001};
    else
        plan.pointLabels = {"A",
                            "B",
                            "B",
                            "",
                            "\xb0"
                            "C",
                            "F"};  // repeated, empty and 8-bit labels
    plan.title = "Title";
    plan.bottomTitle = "Depth (nm)";
    plan.leftTitle = "Atomic %";
    return plan;
}

TEST_F(PictureRender, EveryChartTypeGivesAPicture)
{
    Document doc;
    doc.ElemCount = 2;
    doc.ElSymbol[1] = "Si";
    doc.ElSymbol[2] = "O";
    ChartPlan pie;
    pie.type = ChartType::Pie;
    pie.sets.push_back({"", 0, {30.0, 70.0, 0.0}});
    pie.pointLabels = {"Si", "O", "C"};
    pie.leftTitle = "Atomic %";
    const float areas[] = {10, 20, 30, 40, 0, 0, 0, 0, 0};
    const std::vector<float> factors(29, 0.5f);
    struct Case {
        const char* name;
        ChartPlan plan;
    };
    const Case cases[] = {
        {"line_labels", lineChart(false, true)},
        {"line_positions", lineChart(true, true)},
        {"line_mono", lineChart(true, false)},
        {"pie", pie},
        {"bars", EmptyIntensityChart(doc)},
        {"polyhedron", PolyhedronChart(areas)},
        {"transmission", TransmissionChart(SampleTransmissionCurve(1486.6), factors)},
    };
    const QSize size(640, 480);
    for (const Case& c : cases) {
        std::string error;
        const std::string png = path(std::string("chart_") + c.name + ".png");
        ASSERT_TRUE(WriteChartPicture(c.plan, png, PictureFormat::Png, size, error)) << error;
        expectPicture(png, size);
        const std::string svg = path(std::string("chart_") + c.name + ".svg");
        ASSERT_TRUE(WriteChartPicture(c.plan, svg, PictureFormat::Svg, size, error)) << error;
        EXPECT_NE(contentOf(svg).find("<svg"), std::string::npos) << c.name;
    }
    std::string error;
    ASSERT_TRUE(WriteChartPicture(ChartPlan{}, path("chart_none.png"), PictureFormat::Png, size, error));
}

TEST_F(PictureRender, EveryModelTypeGivesALayoutWithTheBulksGrey)
{
    for (int type = 0; type <= 6; ++type) {
        Document doc;
        doc.setModelType(static_cast<ModelType>(type));
        doc.LayerCount = 2;
        doc.LayerName[1] = "HfO2";
        doc.LayerName[2] = "SiO2";
        doc.SampleRadius = 6.0f;
        doc.InnerRadius = 2.5f;
        doc.setContaminationMethod(ContaminationMethod::Varn);
        LayoutState state;
        state.thickness = {0, 2.5, 0.8};
        state.legend = type % 2 == 0;
        const std::string png = path("layout_" + std::to_string(type) + ".png");
        std::string error;
        ASSERT_TRUE(WriteLayoutPicture(doc, state, png, PictureFormat::Png, QSize(800, 600), error)) << error;
        expectPicture(png, QSize(800, 600));
        const QImage image(QString::fromStdString(png));
        bool grey = false;
        for (int y = 0; y < image.height() && !grey; ++y)
            for (int x = 0; x < image.width() && !grey; ++x)
                grey = image.pixel(x, y) == qRgb(180, 180, 180);
        EXPECT_TRUE(grey) << "type " << type;
        ASSERT_TRUE(WriteLayoutPicture(doc, state, path("layout.svg"), PictureFormat::Svg, QSize(800, 600), error));
    }
}

TEST_F(PictureRender, UnwritableFileIsReportedAndLeavesNothing)
{
    const std::string missingFolder = path("no/such/folder/chart.png");
    std::string error;
    EXPECT_FALSE(WriteChartPicture(lineChart(true, true), missingFolder, PictureFormat::Png, QSize(300, 200), error));
    EXPECT_NE(error.find("chart.png"), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(missingFolder));
    // An existing picture is replaced whole.
    const fs::path alone = m_folder / "replaced";
    fs::create_directories(alone);
    const std::string existing = (alone / "existing.png").string();
    std::ofstream(existing) << "old";
    ASSERT_TRUE(WriteChartPicture(lineChart(true, true), existing, PictureFormat::Png, QSize(300, 200), error));
    expectPicture(existing, QSize(300, 200));
    EXPECT_EQ(std::distance(fs::directory_iterator(alone), fs::directory_iterator()), 1)
        << "no temporary file is left beside it";
}

}  // namespace
}  // namespace slv
