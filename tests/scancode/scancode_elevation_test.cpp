// A user who is not an administrator changes Windows' key map through the elevated writer.
#include "ui/scancode_elevation.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/fake/fake_registry.h"
#include "scancode/scancode_map.h"

namespace zv {
namespace {

using platform::RegistryRoot;

// Stands for the program started elevated: it may write where the user may not.
struct AdminWriter : ElevatedScancodeWriter {
  fake::FakeRegistry& reg;
  bool consents = true;
  std::vector<std::string> asked;
  explicit AdminWriter(fake::FakeRegistry& r) : reg(r) {}
  bool Write(const std::string& hex) override {
    asked.push_back(hex);
    if (!consents) return false;
    reg.SetWritable(RegistryRoot::LocalMachine, true);
    WriteScancodeMap(reg, hex);
    reg.SetWritable(RegistryRoot::LocalMachine, false);
    return true;
  }
};

TEST(ScancodeElevation, RefusedWritesGoThroughTheElevatedWriterOnlyWhenTheUserAgrees) {
  fake::FakeRegistry reg;
  reg.CloseKey(reg.CreateKey(RegistryRoot::LocalMachine, kScancodeMapKeyPath));
  AddScancodeMapping(reg, "A", "B");
  reg.SetWritable(RegistryRoot::LocalMachine, false);
  AdminWriter admin(reg);
  std::vector<std::string> questions;
  bool answer = true;
  auto ask = [&](const std::string& text) {
    questions.push_back(text);
    return answer;
  };

  ChangeScancodeMapOrElevate([&] { AddScancodeMapping(reg, "Caps Lock", "Left Ctrl"); }, ask,
                             admin);
  EXPECT_EQ(questions, std::vector<std::string>{kAskElevationText});
  EXPECT_EQ(ListScancodeMappings(reg), (std::vector<std::string>{"B@A", "Left Ctrl@Caps Lock"}));

  // No, or a writer that did not write (consent declined), ends in the plain error.
  answer = false;
  EXPECT_THROW(
      try {
        ChangeScancodeMapOrElevate([&] { RemoveScancodeMapping(reg, "A", "B"); }, ask, admin);
      } catch (const ScancodeWriteDenied&) {
        ADD_FAILURE() << "the denial itself escaped";
      } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'Scancode Map'");
        throw;
      },
      Error);
  answer = true;
  admin.consents = false;
  EXPECT_THROW(
      ChangeScancodeMapOrElevate([&] { RemoveScancodeMapping(reg, "A", "B"); }, ask, admin), Error);
  EXPECT_EQ(admin.asked.size(), 2u);  // not asked after No
  EXPECT_EQ(ListScancodeMappings(reg).size(), 2u);

  // Other failures are not a matter of rights: no question.
  EXPECT_THROW(
      ChangeScancodeMapOrElevate([&] { AddScancodeMapping(reg, "Menu", "B"); }, ask, admin), Error);
  EXPECT_EQ(questions.size(), 3u);
}

}  // namespace
}  // namespace zv
