#pragma once
// Lends the clipboard to "TypeText" and gives the user's content back afterwards.
//
// Pasting needs the text on the clipboard, which replaces whatever the user had there (a
// picture, a file list, a text). The keeper copies that content first and puts it back once
// the target program has had the time to paste, but only while the clipboard still holds our
// text: a copy the user made in between stays. A clipboard that another program holds when the
// content is due back is tried again by timer until it can be opened (for half a minute), and
// the end of the session or of the program makes one last try at once.
#include <string>

#include "platform/clipboard.h"
#include "platform/scheduler.h"

namespace zv {

class ClipboardKeeper {
 public:
  static constexpr int kPasteTimeMs = 1000;   // from the text going on to the put-back
  static constexpr int kRetryEveryMs = 10;    // another program often holds it briefly
  static constexpr int kOpenPatienceMs = 50;  // before "Cannot open clipboard"
  static constexpr int kPutBackEveryMs = 50;  // while another program holds it at put-back
  static constexpr int kPutBackPatienceMs = 30000;

  ClipboardKeeper(platform::Clipboard& clipboard, platform::Scheduler& scheduler)
      : clipboard_(clipboard), scheduler_(scheduler) {}
  // A put-back still due is made at once.
  ~ClipboardKeeper() { GiveBackNow(); }
  ClipboardKeeper(const ClipboardKeeper&) = delete;
  ClipboardKeeper& operator=(const ClipboardKeeper&) = delete;

  // Puts text on the clipboard for pasting; what it held goes back kPasteTimeMs later. False
  // when the clipboard cannot be opened. Texts that follow each other within that time share
  // one put-back: the user's content from before the first.
  bool LendForText(const std::string& text);
  // True while a put-back is due.
  bool Lent() const { return lent_; }
  // The session or the program ends: a put-back still due is tried once, now.
  void GiveBackNow() noexcept;

 private:
  void GiveBack(int triesLeft);

  platform::Clipboard& clipboard_;
  platform::Scheduler& scheduler_;
  platform::ClipboardCopy saved_;
  std::uint32_t ours_ = 0;  // the sequence number of the clipboard holding our text
  bool lent_ = false;
  platform::TimerId timer_ = 0;
};

}  // namespace zv
