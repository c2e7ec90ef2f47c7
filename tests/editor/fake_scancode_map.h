#pragma once
// The system's scancode map in memory, as "target@source" entries in stored order.
#include <string>
#include <vector>

#include "common/error.h"
#include "ui/mapping_editor_view.h"

namespace zv::testing_editor {

// The scancode map as "target@source" entries. With denied set, writes are refused for lack
// of rights until an elevated write stores the value.
class FakeScancodeMap : public ScancodeMapPort {
 public:
  std::vector<std::string> entries;
  bool denied = false;
  ElevatedResult elevatedResult = ElevatedResult::kDone;
  bool wrongType = false;
  std::vector<std::string> elevated;  // the values written elevated
  std::vector<std::string> pending;   // what a refused write would have stored

  std::vector<std::string> List() override {
    if (wrongType) throw Error("Invalid data type for 'Scancode Map'");
    return entries;
  }
  ScancodeWrite Add(const std::string& source, const std::string& target) override {
    std::vector<std::string> next;
    for (const std::string& e : entries)
      if (e.substr(e.find('@') + 1) != source) next.push_back(e);
    next.push_back(target + "@" + source);
    return Write(next);
  }
  ScancodeWrite Remove(const std::string& source, const std::string& target) override {
    std::vector<std::string> next;
    for (const std::string& e : entries)
      if (e != target + "@" + source) next.push_back(e);
    return Write(next);
  }
  ScancodeWrite DeleteAll() override {
    ScancodeWrite write = Write({});
    write.hex.clear();  // a deletion
    return write;
  }
  ElevatedResult WriteElevated(const std::string& hex) override {
    elevated.push_back(hex);
    if (elevatedResult == ElevatedResult::kDone) entries = pending;
    return elevatedResult;
  }

 private:
  ScancodeWrite Write(const std::vector<std::string>& next) {
    if (!denied) {
      entries = next;
      return {};
    }
    pending = next;
    return {true, "HEX" + std::to_string(next.size())};
  }
};

}  // namespace zv::testing_editor
