#include "ui/parameter_prompter.h"

#include <gtest/gtest.h>

#include "tests/dialogs/scripted_prompter.h"

namespace zv {
namespace {

TEST(EditParameterOfCode, OpensTheDialogOfTheCode) {
  testing_dialogs::ScriptedPrompter prompter;
  prompter.answers = {"Hello#World", "24659", "KeyDown A,KeyUp A,", "notepad.exe",
                      "Esc|A|200|time"};
  EXPECT_EQ(EditParameterOfCode(601, "0", prompter), "Hello#World");
  EXPECT_EQ(EditParameterOfCode(602, "16449", prompter), "24659");
  EXPECT_EQ(EditParameterOfCode(603, "0", prompter), "KeyDown A,KeyUp A,");
  EXPECT_EQ(EditParameterOfCode(604, "calc.exe", prompter), "notepad.exe");
  EXPECT_EQ(EditParameterOfCode(605, "0", prompter, {"Nav"}), "Esc|A|200|time");
  EXPECT_EQ(prompter.asked,
            (std::vector<std::string>{"TypeText 0", "KeyCombination 16449", "KeySequence 0",
                                      "Run calc.exe", "TapHold 0 [Nav]"}));
}

TEST(EditParameterOfCode, OtherCodesOpenNothing) {
  testing_dialogs::ScriptedPrompter prompter;
  for (int code : {-1, 0, 65, 501, 600, 606})
    EXPECT_EQ(EditParameterOfCode(code, "0", prompter), " ");
  EXPECT_TRUE(prompter.asked.empty());
}

// A dialog as the Win32 classes present it, to check the order of the calls.
struct RecordingDialog {
  std::string InitialParameter;
  ModalResult result = ModalResult::kOk;
  std::string seen;
  ModalResult ShowModal() {
    seen = InitialParameter;
    return result;
  }
  std::string GetParameter() const { return "param of " + seen; }
};

TEST(RunParameterDialog, ParameterOnlyAfterOk) {
  RecordingDialog dialog;
  EXPECT_EQ(RunParameterDialog(dialog, "12"), "param of 12");
  dialog.result = ModalResult::kCancel;
  EXPECT_EQ(RunParameterDialog(dialog, "13"), " ");
  EXPECT_EQ(dialog.seen, "13");
}

}  // namespace
}  // namespace zv
