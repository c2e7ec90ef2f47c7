#pragma once
// The system clipboard: text (UTF-8 here, CF_UNICODETEXT on the clipboard) for pasting, and a copy
// of whatever it held before, so that the user's own content can go back once the paste is over.
#include <cstdint>
#include <string>
#include <vector>

namespace zv::platform {

// Every format the clipboard held at one opening, as bytes. Memory formats are kept as they
// are; pictures that live in system objects (metafiles) as their bits; a bitmap as the
// device-independent bitmap the system renders of it.
struct ClipboardCopy {
  struct Format {
    unsigned id = 0;
    std::vector<unsigned char> bytes;
  };
  std::vector<Format> formats;
  std::uint32_t sequence = 0;  // the clipboard's sequence number when it was copied
};

enum class PutBackResult { kDone, kChanged, kHeld };

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Opens the clipboard, replaces its whole content by text and closes it. False when the
  // clipboard cannot be opened because another program holds it.
  virtual bool ReplaceText(const std::string& text) = 0;
  // The same, and first copies everything the clipboard held into previous, within the same
  // opening, so that nothing can come between the copy and the replacing.
  virtual bool ReplaceTextKeeping(const std::string& text, ClipboardCopy& previous) = 0;
  // Makes copy the whole content again, but only when the sequence number, read while the
  // clipboard is open, still equals sequence: a copy made meanwhile is left alone (kChanged).
  virtual PutBackResult PutBack(const ClipboardCopy& copy, std::uint32_t sequence) = 0;
  // GetClipboardSequenceNumber: changes with every change of the content.
  virtual std::uint32_t SequenceNumber() = 0;
  // The Unicode text content as UTF-8; empty when there is none or the clipboard cannot be
  // opened.
  virtual std::string Text() = 0;
};

}  // namespace zv::platform
