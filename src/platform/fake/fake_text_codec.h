#pragma once
// A user locale whose ANSI code page is Windows-1252, as far as tests need it: the Latin-1
// letters and the euro sign (0x80); the other bytes from 0x80 to 0x9F become U+FFFD.
#include <string>

#include "platform/text_codec.h"

namespace zv::fake {

class FakeTextCodec : public platform::TextCodec {
 public:
  std::string AnsiToUtf8(const std::string& bytes) override {
    std::string text;
    for (char c : bytes) {
      auto b = static_cast<unsigned char>(c);
      if (b < 0x80) {
        text += c;
      } else if (b == 0x80) {
        text += "\xE2\x82\xAC";
      } else if (b < 0xA0) {
        text += "\xEF\xBF\xBD";
      } else {
        text += static_cast<char>(0xC0 | (b >> 6));
        text += static_cast<char>(0x80 | (b & 0x3F));
      }
    }
    return text;
  }
};

}  // namespace zv::fake
