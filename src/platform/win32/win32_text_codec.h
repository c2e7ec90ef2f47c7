#pragma once
#include "platform/text_codec.h"

namespace zv::win32 {

class Win32TextCodec : public platform::TextCodec {
 public:
  std::string AnsiToUtf8(const std::string& bytes) override;
};

}  // namespace zv::win32
