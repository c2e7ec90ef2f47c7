#pragma once
// The editor's reach into Windows' key map: the scancode map operations over the registry. A
// write the registry refuses for lack of rights comes back as the value it meant to store, for
// the elevated writer.
#include <functional>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "ui/mapping_editor_view.h"

namespace zv {

class RegistryScancodeMap : public ScancodeMapPort {
 public:
  // writeElevated stores a whole value (deletes it for "") with more rights.
  using ElevatedWrite = std::function<ElevatedResult(const std::string& hex)>;
  RegistryScancodeMap(platform::Registry& registry, ElevatedWrite writeElevated)
      : registry_(registry), writeElevated_(std::move(writeElevated)) {}

  std::vector<std::string> List() override;
  ScancodeWrite Add(const std::string& source, const std::string& target) override;
  ScancodeWrite Remove(const std::string& source, const std::string& target) override;
  ScancodeWrite DeleteAll() override;
  ElevatedResult WriteElevated(const std::string& hex) override {
    return writeElevated_ ? writeElevated_(hex) : ElevatedResult::kFailed;
  }

 private:
  platform::Registry& registry_;
  ElevatedWrite writeElevated_;
};

}  // namespace zv
