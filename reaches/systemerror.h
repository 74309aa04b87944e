#pragma once
// Why a file cannot be written or read, in German, from the system's error
// number: the texts of the C library are English (or follow the locale) and
// some numbers have none ("Unknown error"), so every writer and reader of
// the program names the cause from this table.

#include <filesystem>
#include <stdexcept>
#include <string>

namespace fluvara {

// The cause of a failed write: "Kein Speicherplatz mehr auf dem
// Datenträger", "Keine Berechtigung", "Das Dateisystem ist
// schreibgeschützt", "Den Ordner gibt es nicht", ... Never empty, never
// English: an unknown number is named as such.
std::string WriteErrorCause(int error);
// The same for a file that is read: a missing file, not a missing folder.
std::string ReadErrorCause(int error);

// "<path> kann nicht geschrieben werden (<cause>)"; 0 counts as EIO.
std::runtime_error WriteFailure(const std::filesystem::path& path, int error);
// "<path> kann nicht gelesen werden (<cause>)"
std::string ReadFailureText(const std::filesystem::path& path, int error);

}  // namespace fluvara
