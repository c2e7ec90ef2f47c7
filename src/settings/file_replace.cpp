#include "settings/file_replace.h"

namespace zv {

std::string BackupNameOf(const std::string& path) {
  return path + ".bak";
}

bool RecoverBackup(platform::Files& files, const std::string& path) {
  if (files.Exists(path)) return true;
  std::string backup = BackupNameOf(path);
  return files.Exists(backup) && files.Move(backup, path);
}

ReplaceResult ReplaceContent(platform::Files& files, const std::string& path,
                             const std::string& bytes) {
  const std::string fresh = path + ".new", backup = BackupNameOf(path);
  bool existed = RecoverBackup(files, path);
  if (!files.Write(fresh, bytes)) return ReplaceResult::kRefused;
  if (!existed) {
    if (files.Move(fresh, path)) return ReplaceResult::kDone;
    files.Delete(fresh);
    return ReplaceResult::kRefused;
  }
  files.Delete(backup);  // left by an earlier replace whose clean-up failed; path is newer
  platform::SwapResult swapped = files.Swap(path, fresh, backup);
  if (swapped != platform::SwapResult::kDone && !files.Exists(path) && files.Exists(backup)) {
    // Half way: the old content went to the backup name, the new one still has its own. A
    // rename finishes the replace; failing that, the old file goes back under its name (or,
    // failing that too, waits under the backup name for RecoverBackup).
    if (files.Move(fresh, path)) {
      swapped = platform::SwapResult::kDone;
    } else {
      files.Move(backup, path);
    }
  }
  if (swapped == platform::SwapResult::kDone) {
    files.Delete(backup);
    return ReplaceResult::kDone;
  }
  files.Delete(fresh);
  return swapped == platform::SwapResult::kHeld ? ReplaceResult::kHeld : ReplaceResult::kRefused;
}

}  // namespace zv
