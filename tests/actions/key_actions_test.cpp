// Clearing a field, pasting a text and pressing a combination: the exact keystrokes.
#include "tests/actions/action_fixture.h"

namespace zv::testing_actions {
namespace {

TEST_F(ActionsTest, CleanTextSelectsAllWithGenericControlThenDeletes) {
  EXPECT_EQ(Run("CleanText"), "+17 +65 -65 -17 +8 -8");
}

TEST_F(ActionsTest, TypeTextPastesWithLeftControlAfterFillingTheClipboard) {
  // The clipboard's content before the paste goes back a second later.
  EXPECT_EQ(Run("TypeText", "first#second"), "clip:first\r\nsecond +162 +86 -86 -162 clip:back");
  auto clipped = [this](const std::string& parameter) {
    std::string did = Run("TypeText", parameter);
    return did.substr(0, did.find(' '));
  };
  EXPECT_EQ(clipped("##"), "clip:\r\n\r\n");
  // A missing parameter arrives as "0" and is pasted as such.
  EXPECT_EQ(clipped("0"), "clip:0");
}

TEST_F(ActionsTest, TypeTextWithAHeldClipboardPastesNothing) {
  clipboard.heldByOther = true;
  EXPECT_EQ(Run("TypeText", "lost"), "error");
  EXPECT_EQ(errors, std::vector<std::string>{"Cannot open clipboard"});
  EXPECT_EQ(scheduler.Now(), ClipboardKeeper::kOpenPatienceMs);  // tried for a moment first
}

TEST_F(ActionsTest, KeyCombinationPressesModifiersAndReleasesThemInTheSameOrder) {
  EXPECT_EQ(Run("KeyCombination", "16449"), "+162 +65 -65 -162");  // Ctrl+A
  EXPECT_EQ(Run("KeyCombination", std::to_string(0x2000 + 0x4000 + 0x8000 + 65)),
            "+160 +162 +164 +65 -65 -160 -162 -164");
  EXPECT_EQ(Run("KeyCombination", std::to_string(0x8000 + 70)), "+164 +70 -70 -164");
  EXPECT_EQ(Run("KeyCombination", "65"), "+65 -65");
  // Win (0x10000) goes down first: Left Win, then the others.
  EXPECT_EQ(Run("KeyCombination", std::to_string(0x10000 + 69)), "+91 +69 -69 -91");
  EXPECT_EQ(Run("KeyCombination", std::to_string(0x10000 + 0x2000 + 83)),
            "+91 +160 +83 -83 -91 -160");
  // Only the low 17 bits count.
  EXPECT_EQ(Run("KeyCombination", std::to_string(0x20000 + 16449)), "+162 +65 -65 -162");
  // The key is bits 0 to 12, passed on whole.
  EXPECT_EQ(Run("KeyCombination", std::to_string(0x1FFF)), "+8191 -8191");
  EXPECT_EQ(Run("KeyCombination", "0"), "+0 -0");
}

TEST_F(ActionsTest, KeyCombinationThatIsNoNumberInjectsNothing) {
  EXPECT_EQ(Run("KeyCombination", "Ctrl+A"), "error");
  EXPECT_EQ(Run("KeyCombination", ""), "error");
  EXPECT_EQ(errors, (std::vector<std::string>{"'Ctrl+A' is not a valid integer value",
                                              "'' is not a valid integer value"}));
}

TEST_F(ActionsTest, FailedAnnouncementInjectsNoneOfTheCombination) {
  keys.failAt = 3;
  actions.RunAction("CleanText", "");
  actions.RunAction("KeyCombination", "16449");
  scheduler.RunAll();
  EXPECT_EQ(journal.Text(), "error +162 +65 -65 -162");  // no Ctrl left half pressed
  EXPECT_EQ(errors, std::vector<std::string>{"Failed to set data for 'TempCode'"});
}

}  // namespace
}  // namespace zv::testing_actions
