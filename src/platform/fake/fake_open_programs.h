#pragma once
// The open programs for native tests: exactly the names a test puts in.
#include <string>
#include <vector>

#include "platform/open_programs.h"

namespace zv::fake {

class FakeOpenPrograms : public platform::OpenPrograms {
 public:
  std::vector<std::string> OpenProgramNames() override { return names; }
  std::vector<std::string> names;
};

}  // namespace zv::fake
