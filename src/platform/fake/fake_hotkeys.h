#pragma once
// The system's hotkey table for native tests. As on Windows, a combination belongs to one
// registration at a time, in this program or another, and registering an identifier again
// keeps the earlier combination as well, until each is withdrawn.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/hotkeys.h"

namespace zv::fake {

class FakeHotKeys : public platform::HotKeys {
 public:
  unsigned AddAtom(const std::string& name) override;
  bool Register(int id, unsigned modifiers, unsigned key) override;
  bool Unregister(int id) override;

  // Test controls and views.
  void TakenByAnotherProgram(unsigned modifiers, unsigned key) {
    others_.push_back({modifiers, key});
  }
  // The registered combinations, "mods+key" by identifier (several when registered twice).
  std::multimap<int, std::pair<unsigned, unsigned>> registered;
  int registrations = 0;

 private:
  bool Taken(unsigned modifiers, unsigned key) const;
  std::map<std::string, unsigned> atoms_;
  std::vector<std::pair<unsigned, unsigned>> others_;
};

}  // namespace zv::fake
