// The desktop program's windows driven like an analyst drives them, on Qt's
// offscreen platform: the Composition window of an opened example against
// the command line's numbers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QProcess>
#include <QTest>

#include "gui/main_window_fixture.h"
#include "support/recording_dialogs.h"
#include "ui/child_window.h"
#include "ui/main_window.h"

namespace slv {
namespace {

using Desktop = test::MainWindowTest;

/// The command line's composition of a file as CSV rows of cells.
std::vector<QStringList> quantifiedByTheCommandLine(const std::string& file, const char* type)
{
    QProcess cli;
    cli.start(QString(SLV_LIBRARY_DIR) + "/selvaro-cli",
              {"quantify", QString::fromStdString(file), "--type", type, "--format", "csv"});
    cli.waitForFinished();
    std::vector<QStringList> rows;
    for (const QString& line : QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
        rows.push_back(line.split(','));
    return rows;
}

TEST_F(Desktop, TheCompositionWindowShowsWhatTheCommandLineComputes)
{
    window.show();
    ASSERT_TRUE(window.commands().openAtStart(test::kFloatGlassFile));
    ASSERT_TRUE(window.isShown(WindowId::Results));
    QWidget& composition = *viewOf(WindowId::Results).parentWidget();
    auto* type = composition.findChild<QComboBox*>();
    auto* merge = composition.findChild<QCheckBox*>();
    ASSERT_TRUE(type != nullptr && merge != nullptr);
    type->setCurrentIndex(type->findText("Oxide molar %"));
    EXPECT_FALSE(merge->isEnabled());

    const std::vector<QStringList> expected = quantifiedByTheCommandLine(test::kFloatGlassFile, "Oxide molar %");
    const QAbstractItemModel* model = viewOf(WindowId::Results).model();
    ASSERT_EQ(static_cast<int>(expected.size()), model->rowCount() + 1);
    QStringList header{""};
    for (int c = 0; c < model->columnCount(); ++c)
        header << model->headerData(c, Qt::Horizontal).toString().trimmed();
    EXPECT_EQ(header, expected[0]);
    EXPECT_EQ(header.back(), "O balance");
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList row{model->headerData(r, Qt::Vertical).toString().trimmed()};
        for (int c = 0; c < model->columnCount(); ++c)
            row << model->data(model->index(r, c)).toString().trimmed();
        EXPECT_EQ(row, expected[static_cast<std::size_t>(r) + 1]);
    }
}

}  // namespace
}  // namespace slv
