// The folder chooser's rules, apart from its window: what its last choice means, how
// wide it opens, and how its recent-folder list chooses.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/settings.h"

namespace dovevar {

// The folder chooser's last choice.
inline constexpr int kChooserClosed = -2;         // the close box: no choice
inline constexpr int kChooserAnotherFolder = -1;  // "choose another folder"
inline constexpr int kChooserFirstFavourite = 4096;  // 4096 + i: favourite folder i
// 0 .. Settings::kRecentFolders - 1: recent folder i.

inline constexpr int favouriteChoice(int favourite) { return kChooserFirstFavourite + favourite; }

// What a collection does after the chooser closes.
struct ChosenFolder {
  enum class Next {
    kCancel,     // the chooser was closed, or the choice names no folder
    kUseFolder,  // a recent folder: collect it as it is
    kBrowse,     // a favourite or another folder: the browser starts at `folder`
  };
  Next next = Next::kCancel;
  // The recent folder, or the browser's starting folder (empty: nothing pre-selected).
  std::u16string folder;
};

// The chooser's `choice` for collection `kind`: a recent folder is used directly; a
// favourite pre-selects itself in the browser, another folder pre-selects recent
// folder 0. A recent entry that is empty (chosen from an empty list) is no folder:
// collecting it would read the current drive's root.
ChosenFolder folderForChoice(const Settings& settings, int kind, int choice);

// The kind's recent folders up to the first empty one: the chooser's list.
std::vector<std::u16string_view> usedRecentFolders(const Settings& settings, int kind);

// A "･･･" button's folder becomes favourite `favourite` of `kind`. An empty folder, or
// one too long for a path buffer, is refused rather than cut; gives true when set.
bool setFavouriteFolder(Settings& settings, int kind, int favourite, std::u16string_view folder);

inline constexpr int kChooserMinimumWidth = 300;
inline constexpr int kChooserHeight = 290;
inline constexpr int kChooserTextMargin = 40;

// The chooser's width: its widest recent folder's text plus 40, no wider than the
// screen and no narrower than 300.
int chooserWidth(int widestTextWidth, int screenWidth);

// The recent-folder list's first notification of any kind (focus, selection change,
// double-click) only arms it; the next one chooses the list's selection at that moment.
class ChooserListArm {
 public:
  // Called for each notification with the list's current selection (negative: none).
  // Gives the choice, or nothing while arming. A selection outside the recent folders
  // chooses 0.
  std::optional<int> notify(int selection);

 private:
  bool armed_ = false;
};

}  // namespace dovevar
