// selvaro-cli, run as the installed program, on data that would mislead
// without a word: the same data give the same composition whether they come
// as an exchange file or as the data file it converts to, and the anodised
// aluminium example, whose emission angles are degrees in a label column
// read as radians, is warned about on the error stream when evaluated with
// the Oxide-Layer model, until the unit is put right.
#include <nlohmann/json.hpp>

#include <fstream>

#include "document/data_file.h"
#include "support/cli_fixture.h"
#include "support/empty_document.h"
#include "support/run_cli_binary.h"
#include "support/sample_documents.h"

namespace slv {
namespace {

const std::string kAnodisedExample = std::string(SLV_SOURCE_DIR) + "/examples/anodised_aluminium.lvx";

class CliGuardRails : public test::CliFixture {
protected:
    static nlohmann::json quantifyJson(const std::string& file)
    {
        const auto run = test::RunCliBinary("quantify '" + file + "' --format json");
        EXPECT_EQ(run.exitCode, 0) << file << "\n" << run.output;
        return nlohmann::json::parse(run.output, nullptr, false);
    }
};

TEST_F(CliGuardRails, AnExchangeFileAndItsConvertedDataFileGiveOneComposition)
{
    struct Case {
        const char* contamination;
        bool carbonShown;
    };
    const Case cases[] = {{"VARN", false}, {"NONE", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.contamination);
        const std::string exchange = temp("three_lines.lvx");
        const std::string data = temp("three_lines.lvd");
        std::ofstream(exchange, std::ios::binary)
            << "XPSRDE;1.00\r\nTITL;Oxidised aluminium\r\nEXCI;AL\r\nCROS;SCOF\r\nIMFP;EXP;0.75\r\nTRAN;FAT\r\n"
            << "CONT;" << c.contamination << "\r\nELEM\r\nC;1s;\r\nO;1s;\r\nAl;2p;\r\nINTE\r\n30000;150000;26000\r\n"
            << "END\r\n";
        ASSERT_EQ(test::RunCliBinary("convert '" + exchange + "' '" + data + "'").exitCode, 0);

        const nlohmann::json fromExchange = quantifyJson(exchange);
        const nlohmann::json fromData = quantifyJson(data);
        const nlohmann::json& values = fromExchange["experiments"][0]["values"];
        EXPECT_EQ(values, fromData["experiments"][0]["values"]);
        EXPECT_EQ(!values[0].is_null(), c.carbonShown) << values;
    }
}

/// The anodised aluminium example as an Oxide-Layer sample: Al 2p of the
/// oxide (row 3) in an Al2O3 layer on the metal (row 4).
void MakeOxideLayer(Document& doc)
{
    doc.setModelType(ModelType::OxideLayer);
    doc.ModelOn = 1;
    doc.LayerCount = 1;
    doc.LayerName[0] = "Al";
    doc.LayerName[1] = "Al2O3";
    doc.LayerKind = {1, 1};
    doc.LayerMolWeight = {26.98f, 101.96f};
    doc.LayerDensity = {2.70f, 3.95f};
    doc.LayerBandGap = {-1.0f, -1.0f};
    doc.LayerComp[0][4] = 1.0f;
    doc.LayerComp[1][2] = 3.0f;
    doc.LayerComp[1][3] = 2.0f;
    doc.LayerIMFP[0][4] = 2.6f;
    doc.LayerIMFP[1][2] = 2.2f;
    doc.LayerIMFP[1][3] = 2.8f;
}

TEST_F(CliGuardRails, EmissionAnglesReadInTheWrongUnitAreNamedOnTheErrorStream)
{
    const std::string data = temp("anodised.lvd");
    ASSERT_EQ(test::RunCliBinary("convert '" + kAnodisedExample + "' '" + data + "'").exitCode, 0);
    Document doc = test::EmptyDocument();
    Findings findings;
    ASSERT_TRUE(DocumentWasRead(LoadDataFile(doc, data, findings)));
    MakeOxideLayer(doc);
    test::WriteDataFile(doc, data);

    const std::string warning =
        "warning: Model warning(s):\n- Emission angle of 90\302\260 or more (up to 3438\302\260) in label column "
        "\"Tilt\", unit rad, experiment 2 (30), 3 (45), 4 (60): correct the unit or the angles\n";
    const auto asRadians = test::RunCliBinary("fit '" + data + "'", true);
    EXPECT_EQ(asRadians.exitCode, 0);
    EXPECT_EQ(asRadians.output.rfind(warning, 0), 0u) << asRadians.output;  // the warning comes first

    doc.setTiltUnit(TiltUnit::Degree);
    test::WriteDataFile(doc, data);
    const auto asDegrees = test::RunCliBinary("fit '" + data + "' --format json", true);
    EXPECT_EQ(asDegrees.exitCode, 0);
    const nlohmann::json fitted = nlohmann::json::parse(asDegrees.output, nullptr, false);
    ASSERT_FALSE(fitted.is_discarded()) << asDegrees.output;  // nothing on the error stream
    for (const auto& experiment : fitted["experiments"])
        EXPECT_GT(experiment["thickness"].get<double>(), 0.5) << experiment;
}

}  // namespace
}  // namespace slv
