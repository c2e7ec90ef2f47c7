#include "platform/fake/fake_clipboard.h"

namespace zv::fake {

bool FakeClipboard::ReplaceText(const std::string& text) {
  if (heldByOther) return false;
  // CF_TEXT is zero-terminated: whatever follows a NUL is not part of the text.
  text_ = text.substr(0, text.find('\0'));
  if (journal_) journal_->Add("clip:" + text_);
  return true;
}

}  // namespace zv::fake
