#pragma once
// What every Clipboard does, checked against the fake natively and the Win32 one under Wine.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/clipboard.h"

namespace zv::contract {

struct ClipboardEnv {
  virtual ~ClipboardEnv() = default;
  virtual platform::Clipboard& clipboard() = 0;
  // Another program opens the clipboard and keeps it open until Release.
  virtual void Hold() = 0;
  virtual void Release() = 0;
  // Another program copies text together with a picture and a format of its own.
  virtual void OtherProgramCopies(const std::string& text) = 0;
  // Whether the clipboard holds exactly that again, every format of it.
  virtual bool HoldsWhatWasCopied(const std::string& text) = 0;
  // Another program pastes, reading the text as Unicode (CF_UNICODETEXT).
  virtual std::u16string OtherProgramPastes() = 0;
};

std::unique_ptr<ClipboardEnv> MakeClipboardEnv();  // provided by each test program

class ClipboardContract : public ::testing::Test {
 protected:
  std::unique_ptr<ClipboardEnv> env = MakeClipboardEnv();
  platform::Clipboard& clipboard = env->clipboard();
};

TEST_F(ClipboardContract, TextReplacesTheWholeContent) {
  ASSERT_TRUE(clipboard.ReplaceText("a longer first text"));
  EXPECT_EQ(clipboard.Text(), "a longer first text");
  ASSERT_TRUE(clipboard.ReplaceText("first\r\nsecond"));
  EXPECT_EQ(clipboard.Text(), "first\r\nsecond");
  ASSERT_TRUE(clipboard.ReplaceText(""));
  EXPECT_EQ(clipboard.Text(), "");
}

TEST_F(ClipboardContract, TextOutsideAsciiReachesUnicodeProgramsUnchanged) {
  ASSERT_TRUE(clipboard.ReplaceText("café €5 Größe 😀"));
  EXPECT_EQ(env->OtherProgramPastes(), u"café €5 Größe 😀");
  EXPECT_EQ(clipboard.Text(), "café €5 Größe 😀");
}

TEST_F(ClipboardContract, HeldClipboardRefusesAndKeepsItsContent) {
  ASSERT_TRUE(clipboard.ReplaceText("kept"));
  env->Hold();
  EXPECT_FALSE(clipboard.ReplaceText("lost"));
  env->Release();
  EXPECT_EQ(clipboard.Text(), "kept");
  EXPECT_TRUE(clipboard.ReplaceText("now"));
  EXPECT_EQ(clipboard.Text(), "now");
}

TEST_F(ClipboardContract, LentClipboardGetsEveryFormatBack) {
  env->OtherProgramCopies("mine");
  platform::ClipboardCopy copy;
  ASSERT_TRUE(clipboard.ReplaceTextKeeping("ours", copy));
  EXPECT_EQ(clipboard.Text(), "ours");
  EXPECT_FALSE(env->HoldsWhatWasCopied("mine"));
  std::uint32_t ours = clipboard.SequenceNumber();
  EXPECT_NE(ours, copy.sequence);
  env->OtherProgramPastes();
  env->Hold();
  EXPECT_EQ(clipboard.PutBack(copy, ours), platform::PutBackResult::kHeld);
  env->Release();
  EXPECT_EQ(clipboard.SequenceNumber(), ours);  // pasting and looking change nothing
  EXPECT_EQ(clipboard.PutBack(copy, ours), platform::PutBackResult::kDone);
  EXPECT_TRUE(env->HoldsWhatWasCopied("mine"));
  EXPECT_EQ(clipboard.Text(), "mine");
}

TEST_F(ClipboardContract, PutBackLeavesANewerCopyAlone) {
  ASSERT_TRUE(clipboard.ReplaceText("old"));
  platform::ClipboardCopy copy;
  ASSERT_TRUE(clipboard.ReplaceTextKeeping("ours", copy));
  EXPECT_EQ(copy.formats.empty(), false);
  std::uint32_t ours = clipboard.SequenceNumber();
  env->OtherProgramCopies("newer");
  EXPECT_EQ(clipboard.PutBack(copy, ours), platform::PutBackResult::kChanged);
  EXPECT_TRUE(env->HoldsWhatWasCopied("newer"));
  env->Hold();
  EXPECT_FALSE(clipboard.ReplaceTextKeeping("refused", copy));
  env->Release();
  EXPECT_TRUE(env->HoldsWhatWasCopied("newer"));
}

}  // namespace zv::contract
