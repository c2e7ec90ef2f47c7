#pragma once
// A clipboard in memory that another program can be made to hold open.
#include <string>

#include "platform/clipboard.h"
#include "platform/fake/journal.h"

namespace zv::fake {

class FakeClipboard : public platform::Clipboard {
 public:
  explicit FakeClipboard(Journal* journal = nullptr) : journal_(journal) {}
  bool ReplaceText(const std::string& text) override;
  std::string Text() override { return heldByOther ? std::string() : text_; }

  bool heldByOther = false;  // ReplaceText fails while true, as when another program has it open

 private:
  Journal* journal_;
  std::string text_;
};

}  // namespace zv::fake
