#pragma once
// Lends the clipboard to "TypeText" and gives the user's content back afterwards.
//
// Pasting needs the text on the clipboard, which replaces whatever the user had there (a
// picture, a file list, a text). The keeper copies that content first and puts it back once
// the target program has had the time to paste, but only while the clipboard still holds our
// text: a copy the user made in between stays. A clipboard that another program holds when the
// content is due back is tried again by timer until it can be opened (for half a minute), and
// the end of the session or of the program makes one last try at once.
//
// The clipboard is only ever touched on the worker thread: copying a screenshot's bitmap or
// emptying the clipboard of a program that is slow to answer takes longer than the keyboard
// hook, which shares the main thread, may wait. The keeper's own state lives on the main thread;
// the worker's results come back to it posted. Only the last try at the end runs where it is
// called, once the hook is gone.
#include <memory>
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

  // What one lending took, handed from the worker to the main thread.
  struct Lending {
    platform::ClipboardCopy previous;
    std::uint32_t ours = 0;  // the sequence number of the clipboard holding our text
  };

  ClipboardKeeper(platform::Clipboard& clipboard, platform::Scheduler& scheduler)
      : clipboard_(clipboard), scheduler_(scheduler) {}
  // A put-back still due is made at once.
  ~ClipboardKeeper() { GiveBackNow(); }
  ClipboardKeeper(const ClipboardKeeper&) = delete;
  ClipboardKeeper& operator=(const ClipboardKeeper&) = delete;

  // Worker thread: puts text on the clipboard for pasting and copies what it held into
  // lending. False when the clipboard cannot be opened.
  bool Lend(const std::string& text, Lending& lending);
  // Main thread, after Lend succeeded: what the clipboard held goes back kPasteTimeMs later.
  // Texts that follow each other within that time share one put-back: the user's content from
  // before the first.
  void Record(Lending lending);
  // True while a put-back is due.
  bool Lent() const { return lent_; }
  // The session or the program ends: a put-back still due is tried once, now.
  void GiveBackNow() noexcept;

 private:
  void GiveBack(int triesLeft);
  void Forget();

  platform::Clipboard& clipboard_;
  platform::Scheduler& scheduler_;
  std::shared_ptr<const platform::ClipboardCopy> saved_;
  std::uint32_t ours_ = 0;  // the sequence number of the clipboard holding our text
  bool lent_ = false;
  platform::TimerId timer_ = 0;
  platform::JobId job_ = 0;     // a put-back on the worker
  std::uint64_t lendings_ = 0;  // a put-back answered after another lending is stale
};

}  // namespace zv
