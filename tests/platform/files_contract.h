#pragma once
// Behaviours every Files implementation shares; instantiated for the fake natively and for
// the Win32 implementation under Wine, so the fake cannot drift from Windows.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/files.h"

namespace zv::contract {

struct FilesEnv {
  virtual ~FilesEnv() = default;
  virtual platform::Files& files() = 0;
  virtual std::string Path(const std::string& name) = 0;  // a path in a private folder
  virtual void MakeReadOnly(const std::string& path) = 0;
  // Another program opens the file without sharing it, or lets it go again.
  virtual void Hold(const std::string& path, bool held) = 0;
  // A file system whose clock is as coarse as it gets (FAT's 2 s steps).
  virtual void CoarseClock() = 0;
};

std::unique_ptr<FilesEnv> MakeFilesEnv();  // provided by each test program

class FilesContract : public ::testing::Test {
 protected:
  std::unique_ptr<FilesEnv> env = MakeFilesEnv();
  platform::Files& files = env->files();
};

TEST_F(FilesContract, WriteCreatesAndOverwritesWholeFiles) {
  std::string p = env->Path("a.qnp");
  EXPECT_FALSE(files.Exists(p));
  EXPECT_FALSE(files.Stamp(p).exists);
  ASSERT_TRUE(files.Write(p, "long first text\r\n"));
  ASSERT_TRUE(files.Write(p, "short"));
  std::string bytes;
  ASSERT_TRUE(files.Read(p, bytes));
  EXPECT_EQ(bytes, "short");
  EXPECT_TRUE(files.Exists(p));
  EXPECT_EQ(files.Stamp(p).size, 5u);
}

TEST_F(FilesContract, BytesArriveUnchanged) {
  std::string p = env->Path("b.qnp");
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  ASSERT_TRUE(files.Write(p, all));
  std::string back;
  ASSERT_TRUE(files.Read(p, back));
  EXPECT_EQ(back, all);
}

TEST_F(FilesContract, StampChangesWithEveryWrite) {
  std::string p = env->Path("c.qnp");
  ASSERT_TRUE(files.Write(p, "one"));
  platform::FileStamp first = files.Stamp(p);
  ASSERT_TRUE(files.Write(p, "two"));  // same size
  EXPECT_NE(files.Stamp(p), first);
}

TEST_F(FilesContract, DeleteAndCopy) {
  std::string p = env->Path("d.qnp"), q = env->Path("e.qnp");
  EXPECT_FALSE(files.Delete(p));
  EXPECT_FALSE(files.Copy(p, q));
  ASSERT_TRUE(files.Write(p, "x=1"));
  ASSERT_TRUE(files.Copy(p, q));
  std::string bytes;
  ASSERT_TRUE(files.Read(q, bytes));
  EXPECT_EQ(bytes, "x=1");
  EXPECT_TRUE(files.Delete(p));
  EXPECT_FALSE(files.Exists(p));
  EXPECT_FALSE(files.Read(p, bytes));
}

TEST_F(FilesContract, ReadOnlyFileRefusesSwapsAndKeepsItsText) {
  std::string p = env->Path("f.qnp"), n = env->Path("f.new");
  ASSERT_TRUE(files.Write(p, "kept"));
  ASSERT_TRUE(files.Write(n, "lost"));
  env->MakeReadOnly(p);
  EXPECT_EQ(files.Swap(p, n, env->Path("f.bak")), platform::SwapResult::kRefused);
  std::string bytes;
  ASSERT_TRUE(files.Read(p, bytes));
  EXPECT_EQ(bytes, "kept");
}

TEST_F(FilesContract, AHeldFileRefusesReadsWritesAndSwapsThenSwapsKeepingTheOldAsBackup) {
  std::string p = env->Path("g.qnp"), n = env->Path("g.new"), b = env->Path("g.bak");
  ASSERT_TRUE(files.Write(p, "kept"));
  ASSERT_TRUE(files.Write(n, "new"));
  env->Hold(p, true);
  std::string bytes;
  EXPECT_FALSE(files.Read(p, bytes));
  EXPECT_FALSE(files.Write(p, "lost"));
  EXPECT_EQ(files.Swap(p, n, b), platform::SwapResult::kHeld);
  EXPECT_TRUE(files.Exists(p));
  EXPECT_TRUE(files.Exists(n));
  env->Hold(p, false);
  ASSERT_TRUE(files.Read(p, bytes));
  EXPECT_EQ(bytes, "kept");
  EXPECT_EQ(files.Swap(p, n, b), platform::SwapResult::kDone);
  ASSERT_TRUE(files.Read(p, bytes));
  EXPECT_EQ(bytes, "new");
  ASSERT_TRUE(files.Read(b, bytes));
  EXPECT_EQ(bytes, "kept");
  EXPECT_FALSE(files.Exists(n));
  EXPECT_TRUE(files.Move(b, n));
  ASSERT_TRUE(files.Read(n, bytes));
  EXPECT_EQ(bytes, "kept");
  EXPECT_FALSE(files.Exists(b));
}

TEST_F(FilesContract, AStampThatCannotTellASameSizeWriteSaysSo) {
  // Either the stamp moves with the write, or it is marked recent and the reader compares the
  // bytes: a same-size write within one tick of the clock is never taken for no change.
  env->CoarseClock();
  std::string p = env->Path("h.qnp");
  ASSERT_TRUE(files.Write(p, "one"));
  platform::FileStamp first = files.Stamp(p);
  EXPECT_TRUE(first.recent);
  ASSERT_TRUE(files.Write(p, "two"));
  platform::FileStamp second = files.Stamp(p);
  EXPECT_TRUE(second != first || second.recent);
}

}  // namespace zv::contract
