#include "settings/settings_file.h"

#include <cstdint>
#include <string>
#include <utility>

#include "common/error.h"
#include "settings/file_replace.h"
#include "settings/ini_text.h"

namespace zv {

namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

bool StartsWith(const std::string& bytes, const char* prefix) {
  return bytes.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// The text of the file's bytes, without a UTF-8 byte-order mark.
std::string TextOf(const std::string& bytes) {
  return StartsWith(bytes, kUtf8Bom) ? bytes.substr(3) : bytes;
}

// Notepad's "Unicode" (UTF-16 LE) and its big-endian sibling.
bool IsUtf16(const std::string& bytes) {
  return StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF");
}

// The text with each line that is not UTF-8 read in the ANSI code page.
std::string Utf8Lines(const std::string& text, platform::TextCodec& ansi) {
  if (ini::IsUtf8(text)) return text;
  std::string lines;
  for (std::size_t from = 0; from < text.size();) {
    std::size_t end = text.find('\n', from);
    end = end == std::string::npos ? text.size() : end + 1;
    std::string line = text.substr(from, end - from);
    lines += ini::IsUtf8(line) ? line : ansi.AnsiToUtf8(line);
    from = end;
  }
  return lines;
}

}  // namespace

SettingsFile::SettingsFile(platform::Files& files, std::string path, platform::TextCodec* ansi)
    : files_(files), path_(std::move(path)), ansi_(ansi) {}

SettingsFile::~SettingsFile() {
  try {
    SetScheduler(nullptr);
  } catch (...) {
    // Out of memory at the very end: the file keeps what it had.
  }
}

void SettingsFile::SetScheduler(platform::Scheduler* scheduler,
                                std::function<void(const std::string&)> report) {
  if (waiting_) {  // the timer goes with the old scheduler: one last try now, unreported
    scheduler_->CancelTimer(retry_);
    retry_ = 0;
    report_ = nullptr;
    Retry(1);
  }
  scheduler_ = scheduler;
  report_ = std::move(report);
}

const IniDocument& SettingsFile::Current() {
  return Fresh();
}

const IniDocument& SettingsFile::Fresh() {
  // Pending and waiting writes live only here until stored.
  if (loaded_ && (batches_ > 0 || waiting_)) return doc_;
  Load();
  return doc_;
}

SettingsFile::Refreshed SettingsFile::Refresh() {
  if (batches_ > 0 || waiting_) return Refreshed::Deferred;
  return Load();
}

SettingsFile::Refreshed SettingsFile::Load() {
  // The stamp is taken before the bytes: a change that lands in between leaves a stamp that no
  // longer matches, so the next look reads again instead of missing it.
  platform::FileStamp stamp = files_.Stamp(path_);
  // A replace cut short leaves the content under the backup name only.
  if (!stamp.exists && RecoverBackup(files_, path_)) stamp = files_.Stamp(path_);
  bool sameStamp = loaded_ && stamp == stamp_;
  if (sameStamp && !suspect_) return Refreshed::Unchanged;
  std::string bytes;
  if (stamp.exists && !files_.Read(path_, bytes)) {
    // Held by another program for a moment: the last good text stays in force, and the stamp
    // kept makes the next look read again. With the stamp unchanged the text held is most
    // likely still the file's, so a write may start from it.
    unreadable_ = !sameStamp;
    return Refreshed::Unreadable;
  }
  unreadable_ = false;
  if (IsUtf16(bytes)) {
    refusal_ = FormatMessage(
        "Unable to read %s: the file is saved as Unicode (UTF-16). Save it as ANSI or UTF-8.",
        path_);
    loaded_ = false;  // looked at again by the next operation
    return Refreshed::Refused;
  }
  refusal_.clear();
  stamp_ = stamp;
  suspect_ = stamp.recent;
  loaded_ = true;
  return Take(std::move(bytes)) ? Refreshed::Changed : Refreshed::Unchanged;
}

bool SettingsFile::Take(std::string bytes) {
  if (bytes == text_) return false;
  doc_ = Parse(bytes);
  text_ = std::move(bytes);
  written_ = Bytes();
  SnapshotChanged();
  return true;
}

IniDocument SettingsFile::Parse(const std::string& bytes) const {
  std::string text = TextOf(bytes);
  return IniDocument::Parse(ansi_ ? Utf8Lines(text, *ansi_) : text);
}

std::string SettingsFile::Bytes() const {
  // A byte-order mark the file had stays in front of the text.
  return (StartsWith(text_, kUtf8Bom) ? kUtf8Bom : "") + doc_.Text();
}

void SettingsFile::ThrowIfBlocked() {
  if (!refusal_.empty()) throw Error(refusal_);
  if (unreadable_) throw Error(FormatMessage("Unable to write to %s", path_));
}

void SettingsFile::SnapshotChanged() {
  ++version_;
  for (const auto& listener : listeners_) listener.second();
}

int SettingsFile::WatchSnapshot(std::function<void()> listener) {
  listeners_[nextListener_] = std::move(listener);
  return nextListener_++;
}

void SettingsFile::UnwatchSnapshot(int id) {
  listeners_.erase(id);
}

std::uint64_t SettingsFile::Version() {
  Current();
  return version_;
}

bool SettingsFile::ValueExists(const std::string& section, const std::string& key) {
  return Current().ValueExists(section, key);
}

std::string SettingsFile::ReadString(const std::string& section, const std::string& key,
                                     const std::string& def) {
  return Current().ReadString(section, key, def);
}

std::string SettingsFile::ReadRawString(const std::string& section, const std::string& key) {
  return Current().ReadRawString(section, key);
}

std::vector<std::string> SettingsFile::ReadSection(const std::string& section) {
  return Current().ReadSection(section);
}

std::vector<std::string> SettingsFile::ReadSections() {
  return Current().ReadSections();
}

int SettingsFile::ReadIntegerStrict(const std::string& section, const std::string& key) {
  return StrToIntStrict(ReadString(section, key, "0"));
}

int SettingsFile::ReadInteger(const std::string& section, const std::string& key, int def) {
  int value = def;
  return ParseLenientInteger(ReadString(section, key, ""), value) ? value : def;
}

bool SettingsFile::ReadBool(const std::string& section, const std::string& key, bool def) {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void SettingsFile::WriteString(const std::string& section, const std::string& key,
                               const std::string& value) {
  Fresh();
  // Writing over a file that exists but could not be read would throw its content away.
  ThrowIfBlocked();
  // A name the file cannot hold is refused like a write the platform refuses.
  if (!doc_.WriteString(section, key, value))
    throw Error(FormatMessage("Unable to write to %s", path_));
  Store();
}

void SettingsFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

void SettingsFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void SettingsFile::DeleteKey(const std::string& section, const std::string& key) {
  Fresh();
  if (unreadable_ || !refusal_.empty() || !doc_.DeleteKey(section, key)) return;
  try {
    Store();
  } catch (const Error&) {
    // Deleting never reports a failure; the key simply stays.
  }
}

void SettingsFile::EraseSection(const std::string& section) {
  Fresh();
  if (unreadable_ || !refusal_.empty() || !doc_.EraseSection(section)) return;
  try {
    Store();
  } catch (const Error&) {
  }
}

bool SettingsFile::RemoveFile() {
  bool deleted = files_.Delete(path_);
  // Writing on into the old file would leave its mappings in force under an empty list.
  if (!deleted && files_.Exists(path_))
    throw Error(FormatMessage("Unable to reset %s: the file could not be deleted.", path_));
  StopWaiting();
  files_.Delete(BackupNameOf(path_));  // or it would come back as the file
  loaded_ = false;
  Load();  // the snapshot follows at once
  return deleted;
}

void SettingsFile::Store() {
  if (batches_ > 0) {
    pending_ = true;
    return;
  }
  if (waiting_) {  // the waiting write takes the newest text
    SnapshotChanged();
    return;
  }
  std::string bytes = Bytes();
  if (loaded_ && bytes == written_) return;  // nothing changed: the file stays as it is
  ReplaceResult result = ReplaceContent(files_, path_, bytes);
  if (result == ReplaceResult::kDone) return Stored(std::move(bytes));
  if (result == ReplaceResult::kHeld && scheduler_) {
    waiting_ = true;
    SnapshotChanged();
    retry_ = scheduler_->StartTimer(kWriteRetryMs, [this] { Retry(kWriteRetries); });
    return;
  }
  doc_ = Parse(text_);  // back to what the file still holds
  throw Error(FormatMessage("Unable to write to %s", path_));
}

void SettingsFile::Stored(std::string bytes) {
  text_ = std::move(bytes);
  written_ = text_;
  stamp_ = files_.Stamp(path_);
  suspect_ = stamp_.recent;
  loaded_ = true;
  SnapshotChanged();
}

void SettingsFile::Retry(int triesLeft) {
  retry_ = 0;
  std::string bytes = Bytes();
  // Another program saved the file meanwhile (or a settings file was loaded over it): the
  // writes started from a text that is gone, and must not overwrite the new one.
  bool overtaken = files_.Stamp(path_) != stamp_;
  ReplaceResult result = overtaken ? ReplaceResult::kRefused : ReplaceContent(files_, path_, bytes);
  if (result == ReplaceResult::kDone) {
    waiting_ = false;
    return Stored(std::move(bytes));
  }
  if (result == ReplaceResult::kHeld && triesLeft > 1 && scheduler_) {
    retry_ = scheduler_->StartTimer(kWriteRetryMs, [this, triesLeft] { Retry(triesLeft - 1); });
    return;
  }
  StopWaiting();
  if (report_) report_(FormatMessage("Unable to write to %s", path_));
}

void SettingsFile::StopWaiting() {
  if (!waiting_) return;
  if (retry_ && scheduler_) scheduler_->CancelTimer(retry_);
  retry_ = 0;
  waiting_ = false;
  doc_ = Parse(text_);  // the writes that waited are given up: back to what the file holds
  SnapshotChanged();
}

void SettingsFile::Flush() {
  if (!pending_) return;
  pending_ = false;
  int held = batches_;
  batches_ = 0;
  try {
    Store();
  } catch (...) {
    batches_ = held;
    throw;
  }
  batches_ = held;
}

SettingsFile::Batch::~Batch() {
  try {
    if (file_.batches_ == 1) file_.Flush();
  } catch (const Error&) {
    // Leaving because of an earlier error: that error is the one the user sees.
  }
  --file_.batches_;
}

void SettingsFile::Batch::Commit() {
  if (file_.batches_ == 1) file_.Flush();
}

bool ParseLenientInteger(const std::string& text, int& value) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  unsigned base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return false;
  // Hexadecimal is taken as 32 bits ("$FFFFFFFF" is -1); decimal must fit an int.
  const std::uint64_t limit =
      base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  std::uint64_t acc = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    unsigned digit;
    if (c >= '0' && c <= '9')
      digit = static_cast<unsigned>(c - '0');
    else if (base == 16 && c >= 'a' && c <= 'f')
      digit = static_cast<unsigned>(c - 'a' + 10);
    else if (base == 16 && c >= 'A' && c <= 'F')
      digit = static_cast<unsigned>(c - 'A' + 10);
    else
      return false;
    acc = acc * base + digit;
    if (acc > limit) return false;
  }
  std::uint32_t bits = static_cast<std::uint32_t>(acc);
  if (negative) bits = 0u - bits;
  value = static_cast<int>(bits);
  return true;
}

}  // namespace zv
