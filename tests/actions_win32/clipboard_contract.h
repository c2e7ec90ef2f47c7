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

TEST_F(ClipboardContract, HeldClipboardRefusesAndKeepsItsContent) {
  ASSERT_TRUE(clipboard.ReplaceText("kept"));
  env->Hold();
  EXPECT_FALSE(clipboard.ReplaceText("lost"));
  env->Release();
  EXPECT_EQ(clipboard.Text(), "kept");
  EXPECT_TRUE(clipboard.ReplaceText("now"));
  EXPECT_EQ(clipboard.Text(), "now");
}

}  // namespace zv::contract
