#pragma once
// The editor's scancode map port over the registry: the scancode map's own operations, with a
// write the registry refuses for lack of rights handed back instead of thrown, so the editor
// can offer to write it as administrator.
#include <functional>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "ui/mapping_editor_view.h"

namespace zv {

class RegistryScancodeMap : public ScancodeMapPort {
 public:
  // writeElevated stores a value through an elevated copy of the program; true when it did.
  RegistryScancodeMap(platform::Registry& registry,
                      std::function<bool(const std::string& hex)> writeElevated)
      : registry_(registry), writeElevated_(std::move(writeElevated)) {}

  std::vector<std::string> List() override;
  ScancodeWrite Add(const std::string& source, const std::string& target) override;
  ScancodeWrite Remove(const std::string& source, const std::string& target) override;
  void DeleteAll() override;
  bool WriteElevated(const std::string& hex) override;

 private:
  platform::Registry& registry_;
  std::function<bool(const std::string&)> writeElevated_;
};

}  // namespace zv
