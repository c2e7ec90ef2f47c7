#pragma once
// Replacing a file's whole content so that it can never be lost. The new text is first written
// beside the file ("<path>.new"), then swapped in, the old content going to "<path>.bak". At
// every step the old or the new content exists under path or under the backup name, which
// RecoverBackup brings back: a swap that stops half way (the old file moved aside, the new one
// unable to follow) is finished by a rename or undone, so the old file is back under its name.
#include <string>

#include "platform/files.h"

namespace zv {

enum class ReplaceResult {
  kDone,
  kHeld,     // another program holds the file: path keeps its old content; try again later
  kRefused,  // read-only, no access, disk full: path keeps its old content
};

// One attempt, without waiting.
ReplaceResult ReplaceContent(platform::Files& files, const std::string& path,
                             const std::string& bytes);
// Where the old content waits while a replace is under way.
std::string BackupNameOf(const std::string& path);
// A replace cut short (a crash, a rename refused) can leave the content only under the backup
// name: it goes back under path. True when path exists afterwards.
bool RecoverBackup(platform::Files& files, const std::string& path);

}  // namespace zv
