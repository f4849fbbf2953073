// The data wizard's window on the desktop, offscreen: opened from the Tools
// menu, its Next opening the Elements window, its check box kept in the
// window settings, New bringing it back to its first page, and closing it
// clearing the menu's check mark; where it stands beside the main window,
// "Always on top" docking it, and F1 opening its help page.
#include <gtest/gtest.h>

#include <cstdlib>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>

#include "gui/offscreen_application.h"
#include "session/data_wizard.h"
#include "ui/help_window.h"
#include "ui/main_window.h"

namespace slv {
namespace {

class WizardWindowTest : public test::OffscreenApplicationTest {
protected:
    void SetUp() override
    {
        // Parameters that pass the screening: Next goes to the elements, not to a modal dialog.
        auto edit = window.session().edit(Change::Parameters);
        edit.doc.setCrossSectionSet(CrossSectionSet::Scofield);
        edit.doc.setHomogeneousImfpMethod(ImfpMethod::Tpp2m);
        edit.doc.setSource(ExcitationSource::AlKAlpha);
        edit.doc.setLibraryLookupEnabled(true);
    }

    QAction* wizardItem()
    {
        for (QAction* menu : window.menuBar()->actions())
            if (menu->menu() != nullptr)
                for (QAction* item : menu->menu()->actions())
                    if (item->text() == "Data &Wizard...")
                        return item;
        return nullptr;
    }
    template<typename Widget>
    Widget* control(QWidget* wizard, const QString& text)
    {
        for (Widget* w : wizard->findChildren<Widget*>())
            if (w->text() == text)
                return w;
        return nullptr;
    }
    bool showsText(QWidget* wizard, const char* text) { return control<QLabel>(wizard, text) != nullptr; }

    MemorySettingsStore settings;
    MainWindow window{settings, SLV_LIBRARY_DIR};
};

TEST_F(WizardWindowTest, LeadsFromTheToolsMenuAndReturnsOnNew)
{
    ASSERT_NE(wizardItem(), nullptr);
    QWidget* wizard = window.showDialogNamed(kWizardCaption);
    ASSERT_NE(wizard, nullptr);
    EXPECT_EQ(wizard->windowTitle(), "Data Wizard");
    EXPECT_TRUE(wizardItem()->isChecked());
    EXPECT_TRUE(showsText(wizard, wizard_text::kWelcome));
    EXPECT_FALSE(control<QPushButton>(wizard, "< Back")->isEnabled());

    QTest::mouseClick(control<QPushButton>(wizard, "Next >"), Qt::LeftButton);
    EXPECT_TRUE(showsText(wizard, "Specify elements"));
    EXPECT_TRUE(window.isShown(WindowId::Elements));
    EXPECT_TRUE(control<QPushButton>(wizard, "< Back")->isEnabled());

    QCheckBox* autoStart = control<QCheckBox>(wizard, "Start wizard automatically");
    ASSERT_TRUE(autoStart->isChecked());
    autoStart->click();
    EXPECT_FALSE(window.windowSettings().wizard);

    window.session().edit({}).doc.DocDirty = false;  // New asks nothing then
    ASSERT_TRUE(window.commands().fileNew());
    EXPECT_TRUE(showsText(wizard, wizard_text::kWelcome));
    EXPECT_FALSE(window.isShown(WindowId::Elements));

    wizard->close();
    EXPECT_FALSE(wizardItem()->isChecked());
}

TEST_F(WizardWindowTest, StandsClearOfTheMainWindowAndDocksWhenKeptOnTop)
{
    // The main window's place is settled before the wizard is placed by it.
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QWidget* wizard = window.showDialogNamed(kWizardCaption);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(wizard));
    const QWidget& client = *window.findChild<QMdiArea*>();
    const auto dockedAt = [&] {
        return client.mapToGlobal(QPoint(client.width(), 0)) - QPoint(wizard->frameGeometry().width(), 0);
    };
    EXPECT_TRUE(window.screen()->availableGeometry().contains(wizard->frameGeometry()));

    control<QCheckBox>(wizard, "Always on top")->click();
    EXPECT_TRUE(wizard->isVisible());
    EXPECT_TRUE(wizard->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(wizard->pos(), dockedAt());
    window.resize(window.width() - 40, window.height());
    EXPECT_EQ(wizard->pos(), dockedAt()) << "the main window's new size docks it again";

    control<QCheckBox>(wizard, "Always on top")->click();
    EXPECT_FALSE(wizard->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(wizard->isVisible());
}

TEST_F(WizardWindowTest, F1OnTheWizardOpensItsHelpPage)
{
    window.show();
    QWidget* wizard = window.showDialogNamed(kWizardCaption);
    wizard->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(wizard));
    QTest::keyClick(wizard, Qt::Key_F1);
    ASSERT_TRUE(window.help().windowShown());
    EXPECT_EQ(window.help().window().browser().source().fileName(), "data_wizard.html");
    EXPECT_FALSE(window.help().window().browser().toPlainText().isEmpty());
}

}  // namespace
}  // namespace slv
