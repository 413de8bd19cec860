// The search for the folder of plot-style tables below the CAD executable's folder,
// made once by the first-run set-up.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/ui_port.h"
#include "store/settings.h"

namespace dovevar {

// The folders the search lists, the CAD folder counted.
inline constexpr std::size_t kPlotStyleFolderLimit = 500;

// The box shown once when the limit is reached; the texts are the program's own.
inline constexpr std::u16string_view kFolderLimitTitle = u"エラー";
inline constexpr std::u16string_view kFolderLimitText = u"指定のテーブル量を超えました。";

// Lists the CAD folder (`autocad_file` cut before its last backslash, one in the first
// position not counting) and its subfolders breadth first, up to 500 folders (the
// "エラー" box when the limit is reached), then takes the first of them, in that order,
// holding a file whose name ends in ".ctb" as `ctb_file`. A CAD folder that begins with
// "c:" (the set-up's placeholder "c:\*.exe") is searched alone, without its subfolders.
// True when a folder was found; `ctb_file` is left alone otherwise.
bool findPlotStyleFolder(FileSystem& files, UiPort& ui, Settings& settings);

}  // namespace dovevar
