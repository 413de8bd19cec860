// The dialogs that the collection commands open and only the window side can show.
// Implemented over Win32 beside the collection's windows, and by a scripted double in
// the unit tests.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dovevar {

// The multi-select drawing picker: its title, the text its file-name box starts with
// (a folder and a wildcard), and the filter pairs (name, pattern), the first one shown
// first.
struct DrawingPicker {
  // The selection buffer, in code units with the terminating zeros: room for the names of
  // several thousand drawings picked at once.
  static constexpr std::size_t kBufferCapacity = 1 << 18;

  std::u16string title;
  std::u16string initialText;
  std::vector<std::pair<std::u16string, std::u16string>> filters;
};

class CollectionDialogs {
 public:
  virtual ~CollectionDialogs() = default;

  // The folder chooser for a collection kind; gives its last choice (folder_chooser.h).
  virtual int chooseFolder(int kind) = 0;

  // The folder browser, file-system folders only, with `preselected` selected when it
  // opens (empty: nothing). True with the folder chosen; false when cancelled.
  virtual bool browseForFolder(std::u16string_view title, std::u16string_view preselected,
                               std::u16string& folder) = 0;

  // kPicked with the picker's whole selection buffer (its texts each ended by a zero, the
  // list by an empty one) and the offset of the first file name in it; kCancelled;
  // kNotTaken when the picker could not hand over what was picked (more names than
  // its buffer holds).
  enum class PickResult { kPicked, kCancelled, kNotTaken };
  virtual PickResult pickDrawings(const DrawingPicker& picker, std::u16string& result,
                                  std::size_t& firstNameOffset) = 0;
};

}  // namespace dovevar
