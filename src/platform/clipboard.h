#pragma once
// The system clipboard, as plain text (CF_TEXT).

#include <string>

namespace zv::platform {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Opens the clipboard, replaces its whole content by text and closes it. False when the
  // clipboard cannot be opened because another program holds it.
  virtual bool ReplaceText(const std::string& text) = 0;
  // The CF_TEXT content; empty when there is none or the clipboard cannot be opened.
  virtual std::string Text() = 0;
};

}  // namespace zv::platform
