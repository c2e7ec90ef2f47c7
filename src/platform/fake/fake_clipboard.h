#pragma once
// A clipboard in memory, with formats, a sequence number, and another program that can copy
// to it or hold it open.
#include <string>

#include "platform/clipboard.h"
#include "platform/fake/fake_scheduler.h"
#include "platform/fake/journal.h"

namespace zv::fake {

class FakeClipboard : public platform::Clipboard {
 public:
  static constexpr unsigned kText = 1;  // CF_TEXT: the text with its terminating NUL
  // CF_UNICODETEXT: UTF-16 LE with its terminating NUL, what the program puts on.
  static constexpr unsigned kUnicodeText = 13;

  explicit FakeClipboard(Journal* journal = nullptr) : journal_(journal) {}
  bool ReplaceText(const std::string& text) override;
  bool ReplaceTextKeeping(const std::string& text, platform::ClipboardCopy& previous) override;
  platform::PutBackResult PutBack(const platform::ClipboardCopy& copy,
                                  std::uint32_t sequence) override;
  std::uint32_t SequenceNumber() override { return sequence_; }
  std::string Text() override;
  // The UTF-16 text that a Unicode program pasting now would get.
  std::u16string Pasted() const { return heldByOther ? std::u16string() : UnicodeText(); }

  // Another program copies: the formats become the whole content. The delayed ones are only
  // listed: their program renders them when someone asks for their data (rendered counts it).
  void OtherProgramCopies(const std::vector<platform::ClipboardCopy::Format>& formats,
                          const std::vector<unsigned>& delayed = {});
  // Opening the clipboard on the main thread of threads counts in openedOnMainThread.
  void WatchThreads(const FakeScheduler& threads) { threads_ = &threads; }
  // The format's bytes, or nullptr when the clipboard does not hold it. Asking for a delayed
  // format has its program render it, as for a pasting program.
  const std::vector<unsigned char>* Format(unsigned id);
  std::size_t FormatCount() const { return content_.size() + delayed_.size(); }

  bool heldByOther = false;  // nothing can open it while true, as when another program has it
  int rendered = 0;          // delayed formats rendered on request
  int openedOnMainThread = 0;

 private:
  void SetText(const std::string& text);
  bool Open();
  const std::vector<unsigned char>* Rendered(unsigned id) const;
  // What another program gets when it pastes Unicode text: CF_UNICODETEXT, or else CF_TEXT made
  // wide as the system does (read here as Latin-1, which ASCII texts do not tell apart).
  std::u16string UnicodeText() const;

  Journal* journal_;
  std::vector<platform::ClipboardCopy::Format> content_;
  std::vector<unsigned> delayed_;  // listed, not rendered
  std::uint32_t sequence_ = 1;
  const FakeScheduler* threads_ = nullptr;
};

}  // namespace zv::fake
