// The Parameters dialog driven as the analyst drives it, offscreen: lists
// that make boxes and buttons usable, a rejected entry that keeps the
// dialog open, and Apply & Stay followed by Cancel.
#include <gtest/gtest.h>

#include <cstdlib>

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "gui/offscreen_application.h"
#include "support/fake_window_shell.h"
#include "support/test_session.h"
#include "ui/parameters_window.h"

namespace slv {
namespace {

class ParametersWindowTest : public test::OffscreenApplicationTest {
protected:
    /// The control of a tab's form row.
    template<typename Widget>
    Widget* field(int tab, int row)
    {
        auto* form = window.tabs().widget(tab)->findChild<QFormLayout*>();
        QWidget* widget = form->itemAt(row, QFormLayout::FieldRole)->widget();
        auto* control = qobject_cast<Widget*>(widget);
        return control != nullptr ? control : widget->findChild<Widget*>();
    }
    void choose(QComboBox* list, const QString& item)
    {
        list->setCurrentIndex(list->findText(item));
        emit list->activated(list->currentIndex());
    }
    QPushButton* button(const QString& caption)
    {
        for (QPushButton* b : window.findChildren<QPushButton*>())
            if (b->text() == caption)
                return b;
        return nullptr;
    }

    test::TestSession t;
    test::FakeWindowShell shell;
    ParametersWindow window{t.session, shell};
};

TEST_F(ParametersWindowTest, ARejectedEnergyKeepsTheDialogOpenAndCancelKeepsWhatWasApplied)
{
    window.show();
    auto* energy = field<QLineEdit>(0, 2);
    EXPECT_FALSE(energy->isEnabled());
    EXPECT_EQ(energy->text(), "1253.6");
    choose(field<QComboBox>(0, 1), "Other");
    ASSERT_TRUE(energy->isEnabled());
    energy->clear();
    QTest::keyClicks(energy, "0");
    QTest::mouseClick(button("Apply"), Qt::LeftButton);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Parameter error(s):\r\n- The excitation energy is zero    \r\n");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(field<QComboBox>(0, 1)->currentText(), "Mg K");
    EXPECT_EQ(energy->text(), "1253.6");
    EXPECT_FALSE(energy->isEnabled());

    // Apply & Stay applies and stays; Cancel then keeps what was applied.
    t.dialogs.messages.clear();
    QTest::keyClicks(field<QLineEdit>(0, 0), "Glass");
    QTest::mouseClick(button("Apply && Stay"), Qt::LeftButton);
    EXPECT_TRUE(window.isVisible());
    QTest::keyClicks(field<QLineEdit>(0, 0), " (not applied)");
    QTest::mouseClick(button("Cancel"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(t.session.doc().title(), "Glass");
}

// Which box each choice makes usable is worked out without widgets; here the
// lists reach those rules and the buttons follow them.
TEST_F(ParametersWindowTest, TheListsEnableTheBoxesAndButtonsTheirChoiceUses)
{
    window.show();
    auto* exponent = field<QLineEdit>(2, 1);
    auto* density = field<QLineEdit>(2, 3);
    choose(field<QComboBox>(2, 0), "Exponential");
    EXPECT_TRUE(exponent->isEnabled());
    EXPECT_FALSE(density->isEnabled());
    choose(field<QComboBox>(2, 0), "Seah-Dench");
    EXPECT_FALSE(exponent->isEnabled());
    EXPECT_TRUE(density->isEnabled());

    const auto tabButton = [this](int tab, const QString& caption) -> QPushButton* {
        for (QPushButton* b : window.tabs().widget(tab)->findChildren<QPushButton*>())
            if (b->text() == caption)
                return b;
        return nullptr;
    };
    QPushButton* show = tabButton(4, "Show");
    ASSERT_NE(show, nullptr);
    EXPECT_EQ(tabButton(4, "Edit..."), nullptr) << "no file editor without the main window";
    EXPECT_EQ(button("Print"), nullptr);
    choose(field<QComboBox>(4, 0), "File");
    EXPECT_FALSE(show->isEnabled()) << "a file type without a file has no curve";
    auto* name = field<QLineEdit>(4, 2);
    QTest::keyClicks(name, "cma.ltr");
    emit name->editingFinished();
    EXPECT_TRUE(show->isEnabled());

    // A structure model keeps its own IMFP method; the list shows it.
    QPushButton* polyhedron = tabButton(6, "Edit...");
    ASSERT_NE(polyhedron, nullptr);
    EXPECT_FALSE(polyhedron->isEnabled());
    choose(field<QComboBox>(6, 0), "Layers-on-Polyhedron");
    EXPECT_TRUE(polyhedron->isEnabled());
    EXPECT_EQ(field<QComboBox>(2, 0)->currentText(), "None");
    EXPECT_FALSE(density->isEnabled());
}

}  // namespace
}  // namespace slv
