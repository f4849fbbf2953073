// The polyhedron editor: opening on the stored factors, the slider, the
// area box (keys, pasted text, values above 100, negative values), Normalize,
// Clear, and what acceptance stores.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "session/polyhedron_editor.h"
#include "support/recording_dialogs.h"
#include "support/test_session.h"

namespace slv {
namespace {

PolyhedronFactors factors(std::initializer_list<float> first)
{
    PolyhedronFactors par{};
    int i = 1;
    for (const float f : first)
        par[i++] = f;
    return par;
}

std::vector<float> areasOf(const PolyhedronEditor& editor)
{
    return {editor.areas().begin(), editor.areas().end()};
}

class PolyhedronEditorTest : public testing::Test {
protected:
    PolyhedronEditor open(const PolyhedronFactors& par, char decSep = '.')
    {
        return PolyhedronEditor(par, dialogs, decSep);
    }

    /// Types the areas of the first classes, moving the slider.
    static void enter(PolyhedronEditor& editor, std::initializer_list<const char*> texts)
    {
        int position = 0;
        for (const char* text : texts) {
            editor.moveSlider(position++);
            EXPECT_TRUE(editor.changeAreaText(text)) << text;
        }
    }

    test::RecordingDialogs dialogs;
};

TEST_F(PolyhedronEditorTest, OpensOnTheStoredFactorsInPerCent)
{
    const PolyhedronEditor editor = open(factors({0.123f, 0.5f}));
    EXPECT_FLOAT_EQ(editor.areas()[0], 12.3f);
    EXPECT_FLOAT_EQ(editor.areas()[1], 50.0f);
    EXPECT_EQ(editor.tiltClass(), 1);
    EXPECT_EQ(editor.tiltText(), "0");
    EXPECT_EQ(editor.areaText(), "12.3");
}

TEST_F(PolyhedronEditorTest, AcceptedAreasBecomeFractions)
{
    struct Case {
        const char* what;
        std::initializer_list<const char*> typed;
        std::vector<float> stored;  // PolyPar 1..9
    };
    const Case cases[] = {
        {"50 and 50", {"50", "50"}, {0.5f, 0.5f, 0, 0, 0, 0, 0, 0, 0}},
        {"normalised first", {"1", "1", "2"}, {0.25f, 0.25f, 0.5f, 0, 0, 0, 0, 0, 0}},
        {"above 100 stands", {"120"}, {1.0f, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"nothing entered", {"0"}, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        PolyhedronEditor editor = open(factors({0.9f, 0.1f}));
        editor.clear();
        enter(editor, c.typed);
        PolyhedronFactors par;
        par.fill(7.0f);
        ASSERT_TRUE(editor.accept(par)) << c.what;
        EXPECT_EQ(std::vector<float>(par.begin() + 1, par.end()), c.stored) << c.what;
        EXPECT_EQ(par[0], 7.0f) << "slot 0 is not a factor";
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PolyhedronEditorTest, NormalizeScalesToOneHundred)
{
    PolyhedronEditor editor = open(factors({}));
    enter(editor, {"1", "1", "2"});
    editor.moveSlider(0);
    ASSERT_TRUE(editor.normalize());
    EXPECT_EQ(areasOf(editor), (std::vector<float>{25, 25, 50, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(editor.areaText(), "25.0") << "the box shows the current class again";
    // All zero: nothing changes.
    editor.clear();
    ASSERT_TRUE(editor.normalize());
    EXPECT_EQ(areasOf(editor), std::vector<float>(9, 0.0f));
    EXPECT_EQ(editor.areaText(), "0.0");
}

TEST_F(PolyhedronEditorTest, AnAreaAboveOneHundredBeepsAndStandsANegativeOneIsRefused)
{
    struct Case {
        const char* typed;
        bool accepted;
        int beeps;
        float area;
        const char* shown;
    };
    const Case cases[] = {{"120", true, 1, 120.0f, "120"},
                          {"100", true, 0, 100.0f, "100"},
                          {"-5", false, 1, 30.0f, "30.0"},
                          {"-0.1", false, 1, 30.0f, "30.0"},
                          {" -12,5 ", false, 1, 30.0f, "30.0"}};
    for (const Case& c : cases) {
        dialogs.beeps = 0;
        PolyhedronEditor editor = open(factors({0.3f}));
        EXPECT_EQ(editor.changeAreaText(c.typed), c.accepted) << c.typed;
        EXPECT_EQ(dialogs.beeps, c.beeps) << c.typed;
        EXPECT_FLOAT_EQ(editor.areas()[0], c.area) << c.typed;
        EXPECT_EQ(editor.areaText(), c.shown) << c.typed;
    }
}

TEST_F(PolyhedronEditorTest, TextReadsWithEitherSeparatorAndUnusableTextAsZero)
{
    struct Case {
        char decSep;
        const char* text;
        float area;
    };
    const Case cases[] = {{'.', "12.5", 12.5f}, {'.', "12,5", 12.5f}, {',', "12.5", 12.5f}, {',', "12,5", 12.5f},
                          {'.', "abc", 0.0f},   {'.', "1.2.3", 0.0f}, {'.', "", 0.0f},      {'.', "1e39", 0.0f}};
    for (const Case& c : cases) {
        PolyhedronEditor editor = open(factors({0.5f}), c.decSep);
        EXPECT_TRUE(editor.changeAreaText(c.text));
        EXPECT_FLOAT_EQ(editor.areas()[0], c.area) << c.decSep << " " << c.text;
    }
}

TEST_F(PolyhedronEditorTest, KeysOfTheAreaBox)
{
    for (const char key : {'0', '5', '9', ',', '.', '\b'})
        EXPECT_TRUE(PolyhedronEditor::acceptsKey(key)) << key;
    for (const char key : {'-', '+', 'e', 'a', ' ', '%'})
        EXPECT_FALSE(PolyhedronEditor::acceptsKey(key)) << key;
    PolyhedronEditor editor = open(factors({0.4f}));
    editor.pressDelete();
    EXPECT_EQ(editor.areaText(), "");
    EXPECT_FLOAT_EQ(editor.areas()[0], 0.0f);
}

TEST_F(PolyhedronEditorTest, SliderSnapsToWholeSteps)
{
    PolyhedronEditor editor = open(factors({0, 0, 0.2f, 0, 0, 0, 0, 0, 0.8f}));
    struct Case {
        double position;
        int snapped;
        const char* tilt;
        const char* area;
    };
    const Case cases[] = {{2.4, 2, "20", "20.0"},
                          {8.7, 8, "80", "80.0"},
                          {-3.0, 0, "0", "0.0"},
                          {1.5, 2, "20", "20.0"},
                          {std::numeric_limits<double>::quiet_NaN(), 0, "0", "0.0"}};
    for (const Case& c : cases) {
        EXPECT_EQ(editor.moveSlider(c.position), c.snapped) << c.position;
        EXPECT_EQ(editor.tiltClass(), c.snapped + 1);
        EXPECT_EQ(editor.tiltText(), c.tilt);
        EXPECT_EQ(editor.areaText(), c.area);
    }
    // Moving within the class keeps what the box shows.
    editor.changeAreaText("7,");
    editor.moveSlider(0.2);
    EXPECT_EQ(editor.areaText(), "7,");
}

TEST_F(PolyhedronEditorTest, SharesThatAddUpToNothingAreNotStored)
{
    // A damaged file: non-zero shares whose sum is zero, or no number.
    for (const PolyhedronFactors& stored :
         {factors({0.5f, -0.5f}), factors({0.5f, -0.2f}), factors({std::numeric_limits<float>::quiet_NaN(), 0.5f})}) {
        dialogs.messages.clear();
        PolyhedronEditor editor = open(stored);
        EXPECT_FALSE(editor.normalize());
        PolyhedronFactors par = stored;
        EXPECT_FALSE(editor.accept(par));
        EXPECT_EQ(std::memcmp(par.data(), stored.data(), sizeof par), 0) << "left untouched";
        ASSERT_EQ(dialogs.messages.size(), 2u);
        EXPECT_EQ(dialogs.messages[0].text, kNegativeAreaText);
        EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
        // Once the analyst corrects the share, it can be stored.
        editor.moveSlider(1);
        editor.changeAreaText("0");
        editor.moveSlider(0);
        editor.changeAreaText("50");
        ASSERT_TRUE(editor.accept(par));
        EXPECT_FLOAT_EQ(par[1], 1.0f);
    }
}

TEST_F(PolyhedronEditorTest, UpDownStepsByWholePerCentWithinZeroAndHundred)
{
    struct Case {
        float stored;  // PolyPar of the first class
        int steps;
        const char* shown;
    };
    const Case cases[] = {{0.123f, 1, "13.0"}, {0.123f, -1, "11.0"}, {0.0f, -1, "0.0"},
                          {1.0f, 1, "100.0"},  {0.995f, 1, "100.0"}, {0.5f, -3, "47.0"}};
    for (const Case& c : cases) {
        PolyhedronEditor editor = open(factors({c.stored}));
        editor.stepArea(c.steps);
        EXPECT_EQ(editor.areaText(), c.shown) << c.stored << " " << c.steps;
    }
}

TEST(PolyhedronEditorSession, AcceptanceStoresIntoTheDocumentAndMarksItChanged)
{
    test::TestSession ts;
    ts.doc().PolyPar = factors({0.5f, 0.5f});
    test::RecordingObserver observer(ts.session);
    {
        PolyhedronEditor unchanged(ts.session.doc().PolyPar, ts.dialogs, '.');
        ASSERT_TRUE(unchanged.acceptInto(ts.session));
        EXPECT_FALSE(ts.session.doc().DocDirty) << "the same factors change nothing";
        EXPECT_TRUE(observer.notices.empty());
    }
    PolyhedronEditor editor(ts.session.doc().PolyPar, ts.dialogs, '.');
    editor.changeAreaText("25");
    ASSERT_TRUE(editor.acceptInto(ts.session));
    EXPECT_FLOAT_EQ(ts.session.doc().PolyPar[1], 1.0f / 3.0f);
    EXPECT_FLOAT_EQ(ts.session.doc().PolyPar[2], 2.0f / 3.0f);
    EXPECT_TRUE(ts.session.doc().DocDirty);
    ASSERT_EQ(observer.notices.size(), 1u);
    EXPECT_TRUE(observer.notices[0].has(Change::Model));

    // A distribution that cannot be normalised leaves the document as it was.
    ts.doc().PolyPar = factors({0.5f, -0.5f});
    PolyhedronEditor refused(ts.session.doc().PolyPar, ts.dialogs, '.');
    EXPECT_FALSE(refused.acceptInto(ts.session));
    EXPECT_FLOAT_EQ(ts.session.doc().PolyPar[2], -0.5f);
}

}  // namespace
}  // namespace slv
