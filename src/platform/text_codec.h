#pragma once
// Text in the code page older editors saved settings files in. The program itself runs with
// UTF-8 as its code page, so the system's ANSI code page is taken from the user's locale.
#include <string>

namespace zv::platform {

class TextCodec {
 public:
  virtual ~TextCodec() = default;
  // bytes read in the user locale's default ANSI code page, as UTF-8.
  virtual std::string AnsiToUtf8(const std::string& bytes) = 0;
};

}  // namespace zv::platform
