// The data grids as an analyst works in them: keys and double clicks in the
// Elements window, tables copied to and pasted from the system clipboard,
// the editing keys of the grid popup, and the line list the library lookup
// opens for a line it lacks.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "document/element_table.h"
#include "main_window_fixture.h"
#include "ui/line_list_dialog.h"

namespace slv {
namespace {

class GridWindows : public test::MainWindowTest {
protected:
    void SetUp() override
    {
        showActive();
        ASSERT_TRUE(window.showView(WindowId::Elements));
    }
    TextGrid& elements() { return gridOf(WindowId::Elements); }
    GridView& view() { return viewOf(WindowId::Elements); }
    void goTo(int row, int col)
    {
        elements().SetRow(row);
        elements().SetCol(col);
    }
    QPoint cellCentre(int row, int col)
    {
        const GridModel& model = view().gridModel();
        return view().visualRect(model.index(model.modelRow(row), model.modelCol(col))).center();
    }
};

// The arithmetic and the list cycles are worked out without widgets; here the
// keys and the double clicks of the view reach them.
TEST_F(GridWindows, TypedNumbersAreWorkedOutAndDoubleClicksCycleOnlyTheLists)
{
    for (const auto& [typed, shown] : {std::pair{"2*3", "6"}, std::pair{"1/0", "1/0"}}) {
        goTo(1, kColBindEnergy);
        elements().SetTextMatrix(1, kColBindEnergy, "");
        QTest::keyClicks(&view(), typed);
        QTest::keyClick(&view(), Qt::Key_Return);
        EXPECT_EQ(elements().TextMatrix(1, kColBindEnergy), shown) << typed;
        EXPECT_EQ(elements().Col(), kColCrossSect) << "Enter goes on to the next cell in any case";
        EXPECT_EQ(view().currentIndex().column(), view().gridModel().modelCol(elements().Col())) << typed;
    }
    for (const auto& [col, cycle] : {std::pair{kColLine, std::vector<std::string>{"1s", "2p"}},
                                     std::pair{kColState, std::vector<std::string>{"Me", "Ox"}},
                                     std::pair{kColAtWeight, std::vector<std::string>{""}}}) {
        goTo(2, col);
        for (const std::string& expected : cycle) {
            QTest::mouseDClick(view().viewport(), Qt::LeftButton, {}, cellCentre(2, col));
            EXPECT_EQ(std::string(trimmed(elements().TextMatrix(2, col))), expected) << "column " << col;
        }
    }
}

TEST_F(GridWindows, ATableCopiedToTheClipboardPastesBackIntoANewDocument)
{
    ASSERT_TRUE(window.commands().openAtStart(test::kFloatGlassFile));
    ASSERT_TRUE(window.showView(WindowId::Elements));
    const int elementRows = window.session().doc().ElemCount;
    std::vector<std::string> rows;
    for (int r = 1; r <= elementRows; ++r)
        rows.push_back(elements().TextMatrix(r, kColSymbol) + "|" + elements().TextMatrix(r, kColLine) + "|" +
                       elements().TextMatrix(r, kColBindEnergy));

    run({"&Edit", "&Copy Table", "&ASCII"});
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith("Symbol\tLine\t")) << copied.toStdString();
    EXPECT_EQ(copied.count("\r\n"), elementRows + 1);

    run({"&File", "&New"});
    ASSERT_TRUE(window.isShown(WindowId::Elements));
    // Without headers, as Shift leaves them out: the rows alone go in at row 1.
    QApplication::clipboard()->setText(copied.mid(copied.indexOf("\r\n") + 2));
    goTo(1, 1);
    run({"&Edit", "&Paste Table"});
    window.commands().commitActiveGrid();
    ASSERT_EQ(window.session().doc().ElemCount, elementRows);
    for (int r = 1; r <= elementRows; ++r)
        EXPECT_EQ(elements().TextMatrix(r, kColSymbol) + "|" + elements().TextMatrix(r, kColLine) + "|" +
                      elements().TextMatrix(r, kColBindEnergy),
                  rows[static_cast<std::size_t>(r - 1)]);
    EXPECT_TRUE(window.session().doc().DocDirty);
}

TEST_F(GridWindows, TheEditingKeysCutPasteAndUndoCells)
{
    elements().SetTextMatrix(1, kColSymbol, "Si");
    elements().SetTextMatrix(1, kColLine, "2p");
    goTo(1, kColSymbol);
    elements().SetColSel(kColLine);
    QTest::keyClick(&view(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "Si\t2p");
    EXPECT_EQ(elements().TextMatrix(1, kColSymbol), "");

    elements().SetTextMatrix(1, kColSymbol, "Al");
    QApplication::clipboard()->setText("Ca\t2p");
    QTest::keyClick(&view(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(elements().TextMatrix(1, kColSymbol), "Ca");
    QTest::keyClick(&view(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(elements().TextMatrix(1, kColSymbol), "Al");
    EXPECT_EQ(elements().TextMatrix(1, kColLine), "");
}

TEST_F(GridWindows, TheLibraryLookupLetsTheAnalystChooseALineTheLibraryHolds)
{
    window.session().edit(Change::Parameters).doc.setLibraryLookupEnabled(true);
    for (const int choice : {-1, 1}) {  // a combo position, -1 for Cancel
        elements().SetTextMatrix(1, kColSymbol, "Si");
        elements().SetTextMatrix(1, kColLine, "9z");
        goTo(1, kColSymbol);
        QStringList offered;
        QString labels;
        whileModal(
            [&] {
                run({"&Tools", "&Library Lookup"});
            },
            [&](QWidget& dialog) {
                auto* list = dynamic_cast<LineListDialog*>(&dialog);
                ASSERT_NE(list, nullptr);
                EXPECT_EQ(dialog.windowTitle(), "XPS Selvaro");
                for (int i = 0; i < list->lines().count(); ++i)
                    offered << list->lines().itemText(i);
                for (const QLabel* label : dialog.findChildren<QLabel*>())
                    labels += label->text() + "|";
                list->lines().setCurrentIndex(std::max(choice, 0));
                choice < 0 ? list->reject() : list->accept();
            });
        EXPECT_TRUE(labels.contains("|Line Si9z not found|Available lines:|")) << labels.toStdString();
        ASSERT_GT(offered.size(), 1);
        const QString line = choice < 0 ? "9z" : offered[choice];
        EXPECT_EQ(QString::fromStdString(std::string(trimmed(elements().TextMatrix(1, kColLine)))), line);
        // The element's own data come from the library either way, the line's only with a line chosen.
        EXPECT_EQ(elements().TextMatrix(1, kColAtWeight), "28.09");
        EXPECT_EQ(trimmed(elements().TextMatrix(1, kColBindEnergy)).empty(), choice < 0);
    }
}

}  // namespace
}  // namespace slv
