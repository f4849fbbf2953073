// A newcomer's whole evaluation led by the data wizard, offscreen: the
// program started with empty settings opens the wizard, which leads through
// the parameters, elements, library lookup, intensities, results and chart
// to the last page; the file saved then reads back through the built
// selvaro-cli with the composition that was measured.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>

#include "gui/main_window_fixture.h"
#include "platform/fixed_text.h"
#include "session/data_wizard.h"
#include "support/run_cli_binary.h"

namespace slv {
namespace {

namespace fs = std::filesystem;

/// One line of the sample: intensities chosen as cross section (Scofield,
/// Al K-alpha) x 1000 x the atom % the sample has, so that a quantification
/// with cross sections alone gives the atom % back.
struct SampleLine {
    const char* symbol;
    const char* line;
    const char* intensity;
    const char* atomPercent;
};

constexpr SampleLine kGlassLines[] = {
    {"O", "1s", "175860", "60.0"},
    {"Si", "2p", "20425", "25.0"},
    {"Na", "1s", "85220", "10.0"},
    {"Ca", "2p", "25370", "5.0"},
};

class WizardWalk : public test::MainWindowTest {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("slv_wizard_walk_" + std::to_string(::getpid()));
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    template<typename Widget>
    static Widget* control(QWidget& parent, const QString& text)
    {
        for (Widget* w : parent.findChildren<Widget*>())
            if (w->text() == text)
                return w;
        return nullptr;
    }
    /// The list of a dialog that offers the item, set to it as a click would.
    static void choose(QWidget& dialog, const QString& item)
    {
        for (QComboBox* list : dialog.findChildren<QComboBox*>())
            if (const int index = list->findText(item); index >= 0) {
                list->setCurrentIndex(index);
                emit list->activated(index);
                return;
            }
        ADD_FAILURE() << "no list offers " << item.toStdString();
    }
    QString wizardTitle() const
    {
        const auto labels = m_wizard->findChildren<QLabel*>();
        return labels.isEmpty() ? QString() : labels.front()->text();
    }
    bool wizardSays(const char* text) const { return control<QLabel>(*m_wizard, text) != nullptr; }
    void press(const char* button)
    {
        QPushButton* b = control<QPushButton>(*m_wizard, button);
        ASSERT_NE(b, nullptr);
        ASSERT_TRUE(b->isEnabled()) << button << " on " << wizardTitle().toStdString();
        QTest::mouseClick(b, Qt::LeftButton);
    }
    bool nextEnabled() { return control<QPushButton>(*m_wizard, "Next >")->isEnabled(); }

    QWidget* m_wizard = nullptr;
    fs::path m_folder;
};

TEST_F(WizardWalk, LeadsANewcomerFromEmptySettingsToASavedFile)
{
    // Started as the program starts: empty settings ask for the wizard.
    ASSERT_TRUE(window.windowSettings().wizard);
    showActive();
    m_wizard = window.showDialogNamed(kWizardCaption);
    ASSERT_NE(m_wizard, nullptr);
    EXPECT_TRUE(m_wizard->isVisible());
    EXPECT_TRUE(wizardSays(wizard_text::kWelcome));

    // Empty settings leave the library off: the wizard opens the parameters,
    // its explanation readable while the dialog is open.
    whileModal([&] { press("Next >"); },
               [&](QWidget& dialog) {
                   EXPECT_EQ(wizardTitle(), "Specify parameters");
                   EXPECT_TRUE(wizardSays(wizard_text::kParametersLookWrong));
                   choose(dialog, "Al K");
                   control<QCheckBox>(dialog, "Enable library lookup")->click();
                   choose(dialog, "Scofield");
                   QTest::mouseClick(control<QPushButton>(dialog, "Apply"), Qt::LeftButton);
               });
    EXPECT_TRUE(window.session().doc().libraryLookupEnabled());
    ASSERT_TRUE(nextEnabled());

    // Pressed as on a screen, where the click makes the wizard the active window.
    m_wizard->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_wizard));
    press("Next >");
    EXPECT_EQ(wizardTitle(), "Specify elements");
    ASSERT_TRUE(window.isShown(WindowId::Elements));
    // The keys go to the table the page opened, not to the wizard's Next.
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    for (const SampleLine& line : kGlassLines) {
        GridView& elements = viewOf(WindowId::Elements);
        QTest::keyClicks(&elements, line.symbol);
        QTest::keyClick(&elements, Qt::Key_Right);
        QTest::keyClicks(&elements, line.line);
        QTest::keyClick(&elements, Qt::Key_Down);
        QTest::keyClick(&elements, Qt::Key_Left);
    }

    press("Next >");
    EXPECT_EQ(wizardTitle(), "Library lookup");
    ASSERT_TRUE(nextEnabled()) << "the table of typed lines was refused";
    EXPECT_EQ(window.session().doc().ElemCount, 4);
    EXPECT_NE(window.session().doc().CrossSect[1], 0.0f) << "the library filled no cross section";

    press("Next >");
    EXPECT_EQ(wizardTitle(), "Specify intensity data");
    ASSERT_TRUE(window.isShown(WindowId::Intensity));
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    for (const SampleLine& line : kGlassLines) {
        QTest::keyClicks(&viewOf(WindowId::Intensity), line.intensity);
        QTest::keyClick(&viewOf(WindowId::Intensity), Qt::Key_Right);
    }

    press("Next >");
    EXPECT_EQ(wizardTitle(), "Surface composition results");
    ASSERT_TRUE(window.isShown(WindowId::Results));
    TextGrid& results = gridOf(WindowId::Results);
    for (int col = 1; col <= 4; ++col)
        EXPECT_EQ(trimmed(results.TextMatrix(1, col)), kGlassLines[col - 1].atomPercent) << "column " << col;

    press("Next >");
    EXPECT_EQ(wizardTitle(), "Display the results graphicaly");
    EXPECT_TRUE(window.isShown(WindowId::Chart));

    // The last page closes the chart with the other windows, and ends the walk.
    press("Next >");
    EXPECT_EQ(wizardTitle(), "Save and print your data");
    EXPECT_FALSE(window.isShown(WindowId::Chart));
    EXPECT_FALSE(nextEnabled());

    const std::string saved = (m_folder / "glass.lvd").string();
    whileModal(
        [&] {
            run({"&File", "Save &As..."});
        },
        [&](QWidget& dialog) {
            auto* files = qobject_cast<QFileDialog*>(&dialog);
            ASSERT_NE(files, nullptr);
            files->selectFile(QString::fromStdString(saved));
            // A data set without a title is given one before it is saved.
            QTimer::singleShot(0, [] {
                if (auto* title = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
                    title->setTextValue("Float glass");
                    title->accept();
                }
            });
            static_cast<QDialog*>(files)->accept();  // as the Save button does
        });
    ASSERT_TRUE(fs::exists(saved));
    EXPECT_FALSE(window.session().doc().DocDirty);

    const test::CliRun info = test::RunCliBinary("info " + saved);
    ASSERT_EQ(info.exitCode, 0) << info.output;
    EXPECT_NE(info.output.find("Title: Float glass"), std::string::npos) << info.output;
    EXPECT_NE(info.output.find("Al K   (1486.6 eV)"), std::string::npos) << info.output;
    EXPECT_NE(info.output.find("Theoretical cross sections"), std::string::npos) << info.output;
    EXPECT_NE(info.output.find("Elements (4):"), std::string::npos) << info.output;
    EXPECT_NE(info.output.find("Experiments: 1"), std::string::npos) << info.output;
    const test::CliRun composition = test::RunCliBinary("quantify " + saved + " --format csv");
    ASSERT_EQ(composition.exitCode, 0) << composition.output;
    EXPECT_NE(composition.output.find("60.0"), std::string::npos) << composition.output;
}

}  // namespace
}  // namespace slv
