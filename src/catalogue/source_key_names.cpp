#include "catalogue/source_key_names.h"

#include "catalogue/key_catalogue.h"

namespace zv {
namespace {

struct ListName {
  int code;
  std::string_view name;
};

// Names of the "Original Key" list whose key-table meaning is not the physical key they stand
// for there: the table knows "Volume Up" and "Volume Down" only as actions (502, 503) and has
// no rows named "NumLock", "WWW Back" or "WWW Forward".
constexpr ListName kListNames[] = {
    {175, "Volume Up"}, {174, "Volume Down"}, {144, "NumLock"},
    {166, "WWW Back"},  {167, "WWW Forward"},
};

}  // namespace

SourceKeyNames SourceKeyNamesOf(int code) {
  SourceKeyNames names{KeyNameOfCode(code), {}};
  for (const ListName& l : kListNames) {
    if (l.code == code) names.listName = l.name;
  }
  return names;
}

int SourceKeyCodeOfName(std::string_view name) {
  for (const ListName& l : kListNames) {
    if (l.name == name) return l.code;
  }
  return ResolveKeyCode(name);
}

}  // namespace zv
