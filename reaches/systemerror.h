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

// A failed write, with the system's error number for callers that say it
// in their own words.
class TWriteError : public std::runtime_error {
public:
    TWriteError(const std::string& message, int error) : std::runtime_error(message), error_(error) { }
    int Error() const { return error_; }

private:
    int error_;
};

// "<path> kann nicht geschrieben werden (<cause>)"; 0 counts as EIO.
TWriteError WriteFailure(const std::filesystem::path& path, int error);
// "<path> kann nicht gelesen werden (<cause>)"
std::string ReadFailureText(const std::filesystem::path& path, int error);

}  // namespace fluvara
