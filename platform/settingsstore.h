#pragma once
// The header line in the per-user settings (organisation "ko_lut",
// application "fluvara", string value "Firmbez"; on Windows the registry key
// HKEY_CURRENT_USER\Software\ko_lut\fluvara).

#include <QString>

#include <optional>

namespace fluvara {

inline constexpr int HeaderLineMaxChars = 64;
inline const char* const InitialHeaderLine = "FLUVARA 5.0";

// At most HeaderLineMaxChars UTF-16 units, never half of a character pair.
QString CutHeaderLine(const QString& text);

// Applies the reading rule to the header line held so far: a missing value
// gives the empty text, a value that is not a single text leaves current as
// it is, a text longer than HeaderLineMaxChars is cut. A store that cannot be
// read, or is no regular file (a folder or pipe in its place), gives the empty text.
QString ReadHeaderLine(const QString& current);

// Stores the text (cut to HeaderLineMaxChars) as the header line; returns
// the message for the user when the store could not be written.
std::optional<QString> WriteHeaderLine(const QString& text);

}  // namespace fluvara
