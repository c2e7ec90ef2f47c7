#pragma once
// The system's scancode map as the editor reaches it. Until the scancode map's codec and
// registry operations are part of the program, the map reads as empty and changes to it are
// refused with the registry's failure message.
#include "ui/mapping_editor_view.h"

namespace zv {

class PendingScancodeMap : public ScancodeMapPort {
 public:
  std::vector<std::string> List() override { return {}; }
  ScancodeWrite Add(const std::string&, const std::string&) override;
  ScancodeWrite Remove(const std::string&, const std::string&) override;
  void DeleteAll() override {}
  bool WriteElevated(const std::string&) override { return false; }
};

}  // namespace zv
