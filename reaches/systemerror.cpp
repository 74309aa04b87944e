#include "systemerror.h"

#include "textformat.h"

#include <cerrno>

namespace fluvara {

namespace {

// Causes that read the same for writing and for reading.
const char* CommonCause(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return "Keine Berechtigung";
    case ENOTDIR:
        return "Ein Teil des Pfades ist kein Ordner";
    case ENOSPC:
        return "Kein Speicherplatz mehr auf dem Datenträger";
    case EDQUOT:
        return "Das Speicherkontingent ist erschöpft";
    case EROFS:
        return "Das Dateisystem ist schreibgeschützt";
    case EFBIG:
        return "Die Datei wird größer, als erlaubt ist";
    case ENXIO:
        return "Niemand liest am anderen Ende";
    case EPIPE:
        return "Am anderen Ende liest niemand mehr";
    case EIO:
        return "Ein-/Ausgabefehler des Datenträgers";
    case EISDIR:
        return "Das ist ein Ordner";
    case ENAMETOOLONG:
        return "Der Name ist zu lang";
    case ELOOP:
        return "Zu viele Verknüpfungen hintereinander";
    case ETXTBSY:
    case EBUSY:
        return "Die Datei ist belegt";
    case EMFILE:
    case ENFILE:
        return "Zu viele offene Dateien";
    case ENOMEM:
        return "Nicht genug Arbeitsspeicher";
    case EINVAL:
        return "Der Name oder die Art der Datei wird nicht unterstützt";
    case ENODEV:
    case EOPNOTSUPP:
        return "Das Gerät unterstützt das nicht";
    case ESTALE:
    case ENOTCONN:
    case EHOSTDOWN:
    case ETIMEDOUT:
        return "Die Verbindung zum Netzlaufwerk ist unterbrochen";
    case EAGAIN:
    case EINTR:
        return "Der Vorgang wurde unterbrochen";
    default:
        return nullptr;
    }
}

std::string Cause(int error, const char* missing)
{
    if (error == 0)
        error = EIO;
    if (error == ENOENT)
        return missing;
    if (const char* cause = CommonCause(error))
        return cause;
    return Fmt("Systemfehler Nummer %d", static_cast<long long>(error));
}

}  // namespace

std::string WriteErrorCause(int error) { return Cause(error, "Den Ordner gibt es nicht"); }

std::string ReadErrorCause(int error) { return Cause(error, "Die Datei gibt es nicht"); }

TWriteError WriteFailure(const std::filesystem::path& path, int error)
{
    if (error == 0)
        error = EIO;
    return TWriteError(Fmt("%s kann nicht geschrieben werden (%s)", path.string(), WriteErrorCause(error)), error);
}

std::string ReadFailureText(const std::filesystem::path& path, int error)
{
    return Fmt("%s kann nicht gelesen werden (%s)", path.string(), ReadErrorCause(error));
}

}  // namespace fluvara
