#include "platform/win32/win32_clipboard.h"

#include <cstring>
#include <cwchar>

#include "platform/win32/win32_utf8.h"

namespace zv::win32 {

namespace {

using Bytes = std::vector<unsigned char>;

Bytes BytesOfMemory(HANDLE memory) {
  Bytes bytes;
  SIZE_T size = memory ? GlobalSize(memory) : 0;
  if (const void* p = size ? GlobalLock(memory) : nullptr) {
    bytes.assign(static_cast<const unsigned char*>(p), static_cast<const unsigned char*>(p) + size);
    GlobalUnlock(memory);
  }
  return bytes;
}

HGLOBAL MemoryOf(const void* data, std::size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (void* p = memory ? GlobalLock(memory) : nullptr) {
    std::memcpy(p, data, size);
    GlobalUnlock(memory);
  }
  return memory;
}

bool IsEnhMetafile(UINT id) {
  return id == CF_ENHMETAFILE || id == CF_DSPENHMETAFILE;
}
bool IsMetafilePict(UINT id) {
  return id == CF_METAFILEPICT || id == CF_DSPMETAFILEPICT;
}

// The formats the system converts into each other: of each family only the first one listed
// is the copier's own, and EnumClipboardFormats lists the conversions after it. Asking for a
// conversion makes the system build it (a screenshot's bitmap as a DIB of tens of MB); given
// back the one format, the system offers the others again.
int FamilyOf(UINT id) {
  switch (id) {
    case CF_TEXT:
    case CF_OEMTEXT:
    case CF_UNICODETEXT:
      return 1;
    case CF_DIB:
    case CF_DIBV5:
      return 2;  // CF_BITMAP, a device's object, is kept as the DIB the system makes of it
    case CF_ENHMETAFILE:
    case CF_METAFILEPICT:
      return 3;
    default:
      return 0;
  }
}

// The OLE clipboard's window offers every format of its program's data object for rendering
// on request, and asking for one makes that program render it (a spreadsheet's whole range in
// each format). None of it is rendered until then, so none of it can be kept.
bool OwnerRendersOnRequest() {
  char name[32] = "";
  HWND owner = GetClipboardOwner();
  return owner && GetClassNameA(owner, name, sizeof name) && lstrcmpA(name, "CLIPBRDWNDCLASS") == 0;
}

// The bytes of one format of the open clipboard; empty for what cannot be kept: a bitmap or
// palette (the system renders the bitmap as CF_DIB, which is kept), the owner's own display,
// and private handles whose meaning only their program knows.
Bytes CopyOfFormat(UINT id) {
  if (id == CF_BITMAP || id == CF_DSPBITMAP || id == CF_PALETTE || id == CF_OWNERDISPLAY ||
      (id >= CF_PRIVATEFIRST && id <= CF_GDIOBJLAST))
    return {};
  HANDLE data = GetClipboardData(id);
  if (!data) return {};
  if (IsEnhMetafile(id)) {
    auto emf = static_cast<HENHMETAFILE>(data);
    Bytes bytes(GetEnhMetaFileBits(emf, 0, nullptr));
    GetEnhMetaFileBits(emf, static_cast<UINT>(bytes.size()), bytes.data());
    return bytes;
  }
  if (IsMetafilePict(id)) {  // the picture's header, then the metafile's bits
    Bytes header = BytesOfMemory(data);
    if (header.size() < sizeof(METAFILEPICT)) return {};
    METAFILEPICT picture;
    std::memcpy(&picture, header.data(), sizeof picture);
    Bytes bytes(sizeof picture + GetMetaFileBitsEx(picture.hMF, 0, nullptr));
    std::memcpy(bytes.data(), &picture, sizeof picture);
    GetMetaFileBitsEx(picture.hMF, static_cast<UINT>(bytes.size() - sizeof picture),
                      bytes.data() + sizeof picture);
    return bytes;
  }
  return BytesOfMemory(data);
}

// Puts one kept format on the open clipboard, which then owns what was made for it.
void PutFormat(const platform::ClipboardCopy::Format& f) {
  HANDLE handle = nullptr;
  if (IsEnhMetafile(f.id)) {
    handle = SetEnhMetaFileBits(static_cast<UINT>(f.bytes.size()), f.bytes.data());
    if (handle && !SetClipboardData(f.id, handle))
      DeleteEnhMetaFile(static_cast<HENHMETAFILE>(handle));
    return;
  }
  if (IsMetafilePict(f.id)) {
    METAFILEPICT picture;
    std::memcpy(&picture, f.bytes.data(), sizeof picture);
    picture.hMF = SetMetaFileBitsEx(static_cast<UINT>(f.bytes.size() - sizeof picture),
                                    f.bytes.data() + sizeof picture);
    handle = MemoryOf(&picture, sizeof picture);
  } else {
    handle = MemoryOf(f.bytes.data(), f.bytes.size());
  }
  if (handle && !SetClipboardData(f.id, handle)) GlobalFree(handle);
}

// The program's texts are UTF-8. As CF_TEXT, Windows would read them in the ANSI code page of
// the clipboard's locale (never UTF-8), so they go on as CF_UNICODETEXT; the system makes the
// other text formats of it on demand.
void PutText(const std::string& text) {
  std::wstring wide = WideOf(text);
  if (HGLOBAL memory = MemoryOf(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t))) {
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);  // the system's otherwise
  }
}

// The clipboard opened for one operation and closed on every way out, an exception included
// (copying the user's content allocates).
class Opened {
 public:
  explicit Opened(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~Opened() {
    if (open_) CloseClipboard();
  }
  Opened(const Opened&) = delete;
  Opened& operator=(const Opened&) = delete;
  explicit operator bool() const { return open_; }

 private:
  bool open_;
};

}  // namespace

bool Win32Clipboard::ReplaceText(const std::string& text) {
  Opened clipboard(owner_);
  if (!clipboard) return false;
  EmptyClipboard();
  PutText(text);
  return true;
}

bool Win32Clipboard::ReplaceTextKeeping(const std::string& text,
                                        platform::ClipboardCopy& previous) {
  Opened clipboard(owner_);
  if (!clipboard) return false;
  previous.sequence = GetClipboardSequenceNumber();
  previous.formats.clear();
  bool kept[4] = {};
  for (UINT id = OwnerRendersOnRequest() ? 0 : EnumClipboardFormats(0); id != 0;
       id = EnumClipboardFormats(id)) {
    int family = FamilyOf(id);
    if (family && kept[family]) continue;
    Bytes bytes = CopyOfFormat(id);
    if (bytes.empty()) continue;
    kept[family] = true;
    previous.formats.push_back({id, std::move(bytes)});
  }
  EmptyClipboard();
  PutText(text);
  return true;
}

platform::PutBackResult Win32Clipboard::PutBack(const platform::ClipboardCopy& copy,
                                                std::uint32_t sequence) {
  Opened clipboard(owner_);
  if (!clipboard) return platform::PutBackResult::kHeld;
  if (GetClipboardSequenceNumber() != sequence) return platform::PutBackResult::kChanged;
  EmptyClipboard();
  for (const auto& format : copy.formats) PutFormat(format);
  return platform::PutBackResult::kDone;
}

std::string Win32Clipboard::Text() {
  Opened clipboard(owner_);
  if (!clipboard) return std::string();
  std::string text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const wchar_t* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = Utf8Of(wide, wcsnlen(wide, GlobalSize(data) / sizeof(wchar_t)));
      GlobalUnlock(data);
    }
  }
  return text;
}

}  // namespace zv::win32
