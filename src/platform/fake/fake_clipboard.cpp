#include "platform/fake/fake_clipboard.h"

namespace zv::fake {

void FakeClipboard::SetText(const std::string& text) {
  // CF_TEXT is zero-terminated: whatever follows a NUL is not part of the text.
  std::string kept = text.substr(0, text.find('\0'));
  std::vector<unsigned char> bytes(kept.begin(), kept.end());
  bytes.push_back(0);
  content_ = {{kText, bytes}};
  sequence_ += 2;  // emptied, then set
  if (journal_) journal_->Add("clip:" + kept);
}

bool FakeClipboard::ReplaceText(const std::string& text) {
  if (heldByOther) return false;
  SetText(text);
  return true;
}

bool FakeClipboard::ReplaceTextKeeping(const std::string& text, platform::ClipboardCopy& previous) {
  if (heldByOther) return false;
  previous.formats = content_;
  previous.sequence = sequence_;
  SetText(text);
  return true;
}

platform::PutBackResult FakeClipboard::PutBack(const platform::ClipboardCopy& copy,
                                               std::uint32_t sequence) {
  if (heldByOther) return platform::PutBackResult::kHeld;
  if (sequence != sequence_) return platform::PutBackResult::kChanged;
  content_ = copy.formats;
  sequence_ += 1 + static_cast<std::uint32_t>(copy.formats.size());
  if (journal_) journal_->Add("clip:back");
  return platform::PutBackResult::kDone;
}

std::string FakeClipboard::Text() {
  const std::vector<unsigned char>* bytes = heldByOther ? nullptr : Format(kText);
  if (!bytes) return std::string();
  std::string text(bytes->begin(), bytes->end());
  return text.substr(0, text.find('\0'));
}

void FakeClipboard::OtherProgramCopies(
    const std::vector<platform::ClipboardCopy::Format>& formats) {
  content_ = formats;
  sequence_ += 1 + static_cast<std::uint32_t>(formats.size());
}

const std::vector<unsigned char>* FakeClipboard::Format(unsigned id) const {
  for (const auto& f : content_)
    if (f.id == id) return &f.bytes;
  return nullptr;
}

}  // namespace zv::fake
