#include "engine/actions/clipboard_keeper.h"

namespace zv {

void ClipboardKeeper::Forget() {
  lent_ = false;
  saved_.reset();
}

void ClipboardKeeper::GiveBackNow() noexcept {
  if (!lent_) return;
  scheduler_.CancelTimer(timer_);
  timer_ = 0;
  if (job_) scheduler_.CancelBackground(job_);
  job_ = 0;
  try {
    clipboard_.PutBack(*saved_, ours_);
  } catch (...) {
    // Out of memory at the very end: nothing more can be done for the content.
  }
  Forget();
}

bool ClipboardKeeper::Lend(const std::string& text, Lending& lending) {
  if (!clipboard_.ReplaceTextKeeping(text, lending.previous)) return false;
  lending.ours = clipboard_.SequenceNumber();
  return true;
}

void ClipboardKeeper::Record(Lending lending) {
  // While our last text is still there, what was just copied is that text, not the user's.
  if (!lent_ || lending.previous.sequence != ours_)
    saved_ = std::make_shared<const platform::ClipboardCopy>(std::move(lending.previous));
  ours_ = lending.ours;
  lent_ = true;
  ++lendings_;
  scheduler_.CancelTimer(timer_);
  timer_ = scheduler_.StartTimer(kPasteTimeMs,
                                 [this] { GiveBack(1 + kPutBackPatienceMs / kPutBackEveryMs); });
}

void ClipboardKeeper::GiveBack(int triesLeft) {
  timer_ = 0;
  auto result = std::make_shared<platform::PutBackResult>(platform::PutBackResult::kHeld);
  auto put = [&clipboard = clipboard_, saved = saved_, ours = ours_, result] {
    *result = clipboard.PutBack(*saved, ours);
  };
  job_ = scheduler_.RunInBackground(put, [this, result, triesLeft, lendings = lendings_] {
    job_ = 0;
    if (lendings != lendings_) return;  // lent again meanwhile: its own put-back follows
    if (*result == platform::PutBackResult::kHeld && triesLeft > 1) {
      timer_ =
          scheduler_.StartTimer(kPutBackEveryMs, [this, triesLeft] { GiveBack(triesLeft - 1); });
      return;
    }
    Forget();  // put back, or left alone because the user copied something else meanwhile
  });
}

}  // namespace zv
