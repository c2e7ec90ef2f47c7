#include "platform/fake/fake_clipboard.h"

#include "platform/fake/fake_utf16.h"

namespace zv::fake {

void FakeClipboard::SetText(const std::string& text) {
  // The clipboard's text ends at its first NUL: whatever follows is not part of it.
  std::string kept = text.substr(0, text.find('\0'));
  std::vector<unsigned char> bytes;
  for (char16_t unit : Utf16Of(kept) + u'\0') {
    bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
    bytes.push_back(static_cast<unsigned char>(unit >> 8));
  }
  content_ = {{kUnicodeText, bytes}};
  delayed_.clear();
  sequence_ += 2;  // emptied, then set
  if (journal_) journal_->Add("clip:" + kept);
}

std::u16string FakeClipboard::UnicodeText() const {
  std::u16string wide;
  if (const std::vector<unsigned char>* bytes = Rendered(kUnicodeText)) {
    for (std::size_t i = 0; i + 1 < bytes->size(); i += 2)
      wide += static_cast<char16_t>((*bytes)[i] | ((*bytes)[i + 1] << 8));
  } else if (const std::vector<unsigned char>* narrow = Rendered(kText)) {
    wide.assign(narrow->begin(), narrow->end());
  }
  return wide.substr(0, wide.find(u'\0'));
}

bool FakeClipboard::Open() {
  if (threads_ && !threads_->InBackground()) ++openedOnMainThread;
  return !heldByOther;
}

bool FakeClipboard::ReplaceText(const std::string& text) {
  if (!Open()) return false;
  SetText(text);
  return true;
}

// The delayed formats are not in content_: the copy never asks their program to render them.
bool FakeClipboard::ReplaceTextKeeping(const std::string& text, platform::ClipboardCopy& previous) {
  if (!Open()) return false;
  previous.formats = content_;
  previous.sequence = sequence_;
  SetText(text);
  return true;
}

platform::PutBackResult FakeClipboard::PutBack(const platform::ClipboardCopy& copy,
                                               std::uint32_t sequence) {
  if (!Open()) return platform::PutBackResult::kHeld;
  if (sequence != sequence_) return platform::PutBackResult::kChanged;
  content_ = copy.formats;
  delayed_.clear();
  sequence_ += 1 + static_cast<std::uint32_t>(copy.formats.size());
  if (journal_) journal_->Add("clip:back");
  return platform::PutBackResult::kDone;
}

std::string FakeClipboard::Text() {
  return heldByOther ? std::string() : Utf8Of(UnicodeText());
}

void FakeClipboard::OtherProgramCopies(const std::vector<platform::ClipboardCopy::Format>& formats,
                                       const std::vector<unsigned>& delayed) {
  content_ = formats;
  delayed_ = delayed;
  sequence_ += 1 + static_cast<std::uint32_t>(formats.size() + delayed.size());
}

// A test looking at a delayed format asks its program for it, as a pasting program would.
const std::vector<unsigned char>* FakeClipboard::Format(unsigned id) {
  for (auto it = delayed_.begin(); it != delayed_.end(); ++it) {
    if (*it != id) continue;
    delayed_.erase(it);
    ++rendered;
    content_.push_back({id, {'r', 'e', 'n', 'd', 'e', 'r', 'e', 'd'}});
    break;
  }
  return Rendered(id);
}

const std::vector<unsigned char>* FakeClipboard::Rendered(unsigned id) const {
  for (const auto& f : content_)
    if (f.id == id) return &f.bytes;
  return nullptr;
}

}  // namespace zv::fake
