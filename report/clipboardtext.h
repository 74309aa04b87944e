#pragma once
// The plain text that the copy buttons put on the clipboard: one line per
// result line, each as three blanks, the line and CR LF.

#include "resultlines.h"

#include <cstddef>
#include <string>

namespace fluvara {

// Line content stops once the text holds this many characters.
inline constexpr std::size_t CircleCopyLimit = 2049;
inline constexpr std::size_t ChannelCopyLimit = 2249;

// Lines 0 to lineCount - 1 of the table. Once the text holds `limit`
// characters the rest of the line contents is dropped, but every line still
// gets its three blanks and its CR LF, so the copy keeps all its lines.
std::string ClipboardText(const TResultLines& lines, int lineCount, std::size_t limit);

// Lines 0 to 16 of the circular table.
std::string CircleClipboardText(const TResultLines& lines);

// Lines 0 to 21 of the channel table: up to the total profile width, without
// the closing separator and the flow regime.
std::string ChannelClipboardText(const TResultLines& lines);

}  // namespace fluvara
