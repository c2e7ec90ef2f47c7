#include "engine/actions/clipboard_keeper.h"

namespace zv {

void ClipboardKeeper::GiveBackNow() noexcept {
  if (!lent_) return;
  scheduler_.CancelTimer(timer_);
  timer_ = 0;
  try {
    clipboard_.PutBack(saved_, ours_);
  } catch (...) {
    // Out of memory at the very end: nothing more can be done for the content.
  }
  lent_ = false;
  saved_ = platform::ClipboardCopy();
}

bool ClipboardKeeper::LendForText(const std::string& text) {
  platform::ClipboardCopy previous;
  if (!clipboard_.ReplaceTextKeeping(text, previous)) return false;
  // While our last text is still there, what was just copied is that text, not the user's.
  if (!lent_ || previous.sequence != ours_) saved_ = std::move(previous);
  ours_ = clipboard_.SequenceNumber();
  lent_ = true;
  scheduler_.CancelTimer(timer_);
  timer_ = scheduler_.StartTimer(kPasteTimeMs,
                                 [this] { GiveBack(1 + kPutBackPatienceMs / kPutBackEveryMs); });
  return true;
}

void ClipboardKeeper::GiveBack(int triesLeft) {
  timer_ = 0;
  if (clipboard_.PutBack(saved_, ours_) == platform::PutBackResult::kHeld && triesLeft > 1) {
    timer_ = scheduler_.StartTimer(kPutBackEveryMs, [this, triesLeft] { GiveBack(triesLeft - 1); });
    return;
  }
  // Put back, or left alone because the user copied something else meanwhile.
  lent_ = false;
  saved_ = platform::ClipboardCopy();
}

}  // namespace zv
