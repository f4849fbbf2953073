#include <gtest/gtest.h>

#include <filesystem>

#include "platform_qt/qsettings_store.h"

namespace slv {
namespace {

TEST(QSettingsStore, TextsSurviveAReopenAndMissingKeysAreReported)
{
    const auto path = std::filesystem::temp_directory_path() / "slv_qsettings_test.ini";
    std::filesystem::remove(path);
    {
        QSettingsStore store(path.string());
        EXPECT_FALSE(store.read("SLV", "Defaults", "Number1").has_value());
        store.write("SLV", "Defaults", "Number1", " 1.5");
        store.write("SLV", "Defaults", "Label7", "TextLabel      ");
        store.write("SLV", "Ini", "Top", "120");
    }
    QSettingsStore reopened(path.string());
    EXPECT_EQ(reopened.read("SLV", "Defaults", "Number1"), " 1.5");
    EXPECT_EQ(reopened.read("SLV", "Defaults", "Label7"), "TextLabel      ");
    EXPECT_EQ(reopened.read("SLV", "Ini", "Top"), "120");
    EXPECT_FALSE(reopened.read("SLV", "Ini", "Number1").has_value());
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace slv
