// Findings as data: kept in order with their kinds, presented once, and
// questions asked after everything found before them.
#include <gtest/gtest.h>

#include "platform/findings.h"
#include "platform/setting_key.h"
#include "support/recording_dialogs.h"

namespace slv {
namespace {

TEST(Findings, QuestionsComeAfterWhatWasFoundBeforeThemAndEverythingIsShownOnce)
{
    test::RecordingDialogs dialogs;
    Findings findings(dialogs);
    findings.error("first");
    findings.warning("second");
    Finding question = MessageFinding(FindingKind::Warning, "keep?");
    question.buttons = MessageButtons::YesNo;
    dialogs.answers = {DialogAnswer::Ok, DialogAnswer::Ok, DialogAnswer::No};  // the two before it are shown first
    EXPECT_EQ(findings.ask(question), DialogAnswer::No);
    findings.note("after");
    Finding quiet = MessageFinding(FindingKind::Warning, "said just before");
    quiet.suppressed = true;
    findings.add(quiet);
    Finding sound = MessageFinding(FindingKind::Error, "with a beep");
    sound.beep = true;
    findings.add(sound);
    findings.presentTo(dialogs);
    findings.presentTo(dialogs);  // nothing is shown twice

    EXPECT_EQ(findings.texts(),
              (std::vector<std::string>{"first", "second", "keep?", "after", "said just before", "with a beep"}));
    ASSERT_EQ(dialogs.messages.size(), 5u);
    const MessageIcon icons[] = {MessageIcon::Critical, MessageIcon::Exclamation, MessageIcon::Exclamation,
                                 MessageIcon::Information, MessageIcon::Critical};
    const char* texts[] = {"first", "second", "keep?", "after", "with a beep"};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(dialogs.messages[i].text, texts[i]);
        EXPECT_EQ(dialogs.messages[i].icon, icons[i]);
    }
    EXPECT_EQ(dialogs.messages[2].buttons, MessageButtons::YesNo);
    EXPECT_EQ(findings[2].answer, DialogAnswer::No);
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_TRUE(findings.any(FindingKind::Note));
    EXPECT_FALSE(findings.any(FindingKind::Question));
}

TEST(Findings, WithoutDialogsAQuestionTakesItsDefaultAndNoLineIsChosen)
{
    Findings findings;
    Finding question = MessageFinding(FindingKind::Question, "replace?");
    question.buttons = MessageButtons::YesNoCancel;
    question.defaultButton = 1;
    EXPECT_EQ(findings.ask(question), DialogAnswer::No);
    EXPECT_EQ(findings.back().answer, DialogAnswer::No);
    EXPECT_EQ(findings.chooseLine({"Line Fe2p9 not found", {"2p1", "2p3"}}), std::nullopt);

    test::RecordingDialogs dialogs;
    Findings asking(dialogs);
    asking.error("before the choice");
    dialogs.choiceAnswers.push_back(1);
    EXPECT_EQ(asking.chooseLine({"Line Fe2p9 not found", {"2p1", "2p3"}}), 1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.choices.size(), 1u);
}

TEST(Findings, ItemsAreTheLinesWithoutDashAndBlanks)
{
    EXPECT_EQ(ItemsOf("- Oxygen not found in experiment 1    \r\n- Carbon not found    \r\n\r\n  continued   \r\n"),
              (std::vector<std::string>{"Oxygen not found in experiment 1", "Carbon not found", "continued"}));
    EXPECT_TRUE(ItemsOf("").empty());
}

TEST(SettingKey, ValuesAreStoredAsTextAndReadBackOrDefaulted)
{
    MemorySettingsStore store;
    const SettingKey<float> number{"S", "Number", 2.5f, 1, 7};
    const SettingKey<Integer> whole{"S", "Whole", 3};
    const SettingKey<int> wide{"S", "Wide", 9000};
    const SettingKey<bool> flag{"S", "Flag", true};
    const SettingKey<std::string> text{"S", "Text", "none"};
    const SettingKey<Integer> checked{"S", "Checked", 1, 0, 0, [](Integer v) { return v > 8 ? Integer{1} : v; }};

    EXPECT_EQ(ReadSetting(store, number, 7), 2.5f);  // missing: the default
    EXPECT_EQ(ReadSetting(store, flag), true);
    EXPECT_EQ(ReadSetting(store, wide.withFallback(4500)), 4500);

    WriteSetting(store, number, 0.5f, 7);
    WriteSetting(store, number, -1.25f, 1);
    WriteSetting(store, whole, Integer{-3});
    WriteSetting(store, wide, 57600);
    WriteSetting(store, flag, false);
    WriteSetting(store, text, "  kept  ");
    EXPECT_EQ(store.read("SLV", "S", "Number7"), " 0.5");
    EXPECT_EQ(store.read("SLV", "S", "Number1"), "-1.25");
    EXPECT_EQ(store.read("SLV", "S", "Whole"), "-3");
    EXPECT_EQ(store.read("SLV", "S", "Flag"), "False");
    EXPECT_EQ(ReadSetting(store, number, 7), 0.5f);
    EXPECT_EQ(ReadSetting(store, whole), Integer{-3});
    EXPECT_EQ(ReadSetting(store, wide), 57600);
    EXPECT_EQ(ReadSetting(store, flag), false);
    EXPECT_EQ(ReadSetting(store, text), "  kept  ");

    // Text that does not convert is absent; a value out of range is replaced.
    store.write("SLV", "S", "Whole", "three");
    store.write("SLV", "S", "Flag", "yes");
    store.write("SLV", "S", "Number7", "1e39");
    store.write("SLV", "S", "Checked", "9");
    EXPECT_EQ(ReadSetting(store, whole), std::nullopt);
    EXPECT_EQ(ReadSetting(store, flag), std::nullopt);
    EXPECT_EQ(ReadSetting(store, number, 7), std::nullopt);
    EXPECT_EQ(ReadSetting(store, checked), Integer{1});
    store.write("SLV", "S", "Flag", " 0 ");
    EXPECT_EQ(ReadSetting(store, flag), false);
    Integer field = 5;
    ReadSettingInto(store, whole, field);
    EXPECT_EQ(field, 5);
}

}  // namespace
}  // namespace slv
