#include "platform/fake/fake_hotkeys.h"

namespace zv::fake {

unsigned FakeHotKeys::AddAtom(const std::string& name) {
  auto it = atoms_.find(name);
  if (it != atoms_.end()) return it->second;
  unsigned atom = 0xC000 + 0x10 + static_cast<unsigned>(atoms_.size());
  atoms_[name] = atom;
  return atom;
}

bool FakeHotKeys::Taken(unsigned modifiers, unsigned key) const {
  std::pair<unsigned, unsigned> combination{modifiers, key};
  for (const auto& r : registered) {
    if (r.second == combination) return true;
  }
  for (const auto& o : others_) {
    if (o == combination) return true;
  }
  return false;
}

bool FakeHotKeys::Register(int id, unsigned modifiers, unsigned key) {
  if (Taken(modifiers, key)) return false;
  registered.insert({id, {modifiers, key}});
  ++registrations;
  return true;
}

bool FakeHotKeys::Unregister(int id) {
  auto it = registered.find(id);
  if (it == registered.end()) return false;
  registered.erase(it);
  return true;
}

}  // namespace zv::fake
