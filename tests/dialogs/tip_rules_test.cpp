// The tip's "don't show again" rule over a settings file, answered by a script.
#include "ui/tip_rules.h"

#include <gtest/gtest.h>

#include <deque>

#include "platform/fake/fake_files.h"
#include "settings/settings_file.h"

namespace zv {
namespace {

struct ScriptedTip : TipPrompt {
  std::deque<TipAnswer> answers;
  std::vector<std::string> shown;
  TipAnswer Show(const std::string& text) override {
    shown.push_back(text);
    TipAnswer next = answers.front();
    answers.pop_front();
    return next;
  }
};

class TipRules : public testing::Test {
 protected:
  fake::FakeFiles files;
  SettingsFile settings{files, "C:\\Zorvane\\Keydat.qnp"};
  ScriptedTip tip;
};

TEST_F(TipRules, OkRemembersTheBoxPerKeyAndCloseRemembersNothing) {
  // Closed with the box ticked: nothing is written, so the tip comes back.
  tip.answers = {{false, true}, {true, false}, {true, true}};
  EXPECT_EQ(ShowTip(settings, tip, kChangeSucTipKey, kChangeSucTipText), kTipResultClosed);
  EXPECT_FALSE(files.Exists(settings.path()));

  // OK unticked stores the flag as true all the same.
  EXPECT_EQ(ShowTip(settings, tip, kChangeSucTipKey, kChangeSucTipText), kTipResultOk);
  EXPECT_EQ(settings.ReadString("ShowDiag", "ChangeSuc", "?"), "1");

  // OK ticked stores false; from then on the tip is skipped as if OK had been pressed.
  EXPECT_EQ(ShowTip(settings, tip, kChangeSucTipKey, kChangeSucTipText), kTipResultOk);
  EXPECT_EQ(settings.ReadString("ShowDiag", "ChangeSuc", "?"), "0");
  EXPECT_EQ(ShowTip(settings, tip, kChangeSucTipKey, kChangeSucTipText), kTipResultOk);
  EXPECT_EQ(tip.shown.size(), 3u);
  EXPECT_EQ(tip.shown[0], kChangeSucTipText);

  // The Registry Map's tip has its own key and a text of its own.
  tip.answers = {{true, false}};
  EXPECT_EQ(ShowTip(settings, tip, kRegChangeSucTipKey, kRegChangeSucTipText), kTipResultOk);
  ASSERT_EQ(tip.shown.size(), 4u);
  EXPECT_NE(tip.shown[3].find("Windows restarts"), std::string::npos);
  EXPECT_EQ(tip.shown[3].find("Activate"), std::string::npos);
  EXPECT_EQ(settings.ReadString("ShowDiag", "RegChangeSuc", "?"), "1");
  EXPECT_EQ(settings.ReadString("ShowDiag", "ChangeSuc", "?"), "0");
}

TEST_F(TipRules, AFlagStoredByHandOrUnwritableFileIsHonouredQuietly) {
  files.Put(settings.path(), "[ShowDiag]\r\nChangeSuc=0\r\nRegChangeSuc=5\r\n");
  EXPECT_EQ(ShowTip(settings, tip, kChangeSucTipKey, kChangeSucTipText), kTipResultOk);
  EXPECT_TRUE(tip.shown.empty());

  // Any non-zero value shows; a flag that cannot be stored is not reported.
  files.SetReadOnly(settings.path(), true);
  tip.answers = {{true, true}};
  EXPECT_EQ(ShowTip(settings, tip, kRegChangeSucTipKey, kRegChangeSucTipText), kTipResultOk);
  EXPECT_EQ(tip.shown.size(), 1u);
  EXPECT_EQ(settings.ReadString("ShowDiag", "RegChangeSuc", "?"), "5");
}

}  // namespace
}  // namespace zv
