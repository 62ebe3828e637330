#include "core/system_error_text.h"

#include <cerrno>
#include <cstring>

namespace {

struct ErrorWording {
    int error;
    const char* german;
    const char* english;  // the C library's text, the same on every system
};

constexpr ErrorWording kWordings[] = {
    {ENOSPC, "Kein Platz mehr auf dem Datenträger", "No space left on device"},
    {EDQUOT, "Das Speicherkontingent ist erschöpft", "Disk quota exceeded"},
    {EFBIG, "Die Datei wird zu groß", "File too large"},
    {EROFS, "Das Dateisystem ist nur zum Lesen eingehängt", "Read-only file system"},
    {EACCES, "Zugriff verweigert", "Permission denied"},
    {EPERM, "Die Operation ist nicht erlaubt", "Operation not permitted"},
    {ENOENT, "Datei oder Verzeichnis nicht gefunden", "No such file or directory"},
    {EISDIR, "Das ist ein Verzeichnis", "Is a directory"},
    {ENOTDIR, "Ein Teil des Pfades ist kein Verzeichnis", "Not a directory"},
    {EEXIST, "Die Datei ist bereits vorhanden", "File exists"},
    {ENOTEMPTY, "Das Verzeichnis ist nicht leer", "Directory not empty"},
    {EIO, "Ein-/Ausgabefehler", "Input/output error"},
    {ENAMETOOLONG, "Der Dateiname ist zu lang", "File name too long"},
    {ELOOP, "Zu viele Ebenen symbolischer Verknüpfungen", "Too many levels of symbolic links"},
    {EMFILE, "Zu viele offene Dateien", "Too many open files"},
    {ENFILE, "Zu viele offene Dateien im System", "Too many open files in system"},
    {EXDEV, "Das Ziel liegt auf einem anderen Dateisystem", "Invalid cross-device link"},
    {EBUSY, "Das Gerät oder die Ressource ist belegt", "Device or resource busy"},
    {ETXTBSY, "Die Datei wird gerade ausgeführt", "Text file busy"},
    {EMLINK, "Zu viele Verknüpfungen", "Too many links"},
    {ENXIO, "Kein solches Gerät oder keine solche Adresse", "No such device or address"},
    {ENODEV, "Kein solches Gerät", "No such device"},
    {ESTALE, "Die Datei auf dem Netzlaufwerk ist nicht mehr gültig", "Stale file handle"},
    {EPIPE, "Die Gegenseite liest nicht mehr", "Broken pipe"},
    {EINVAL, "Ungültiges Argument", "Invalid argument"},
    {ENOMEM, "Nicht genügend Arbeitsspeicher", "Cannot allocate memory"},
    {EAGAIN, "Vorübergehend nicht verfügbar", "Resource temporarily unavailable"},
    {EINTR, "Unterbrochen", "Interrupted system call"},
    {EOPNOTSUPP, "Die Operation wird nicht unterstützt", "Operation not supported"},
};

}  // namespace

std::string SystemErrorText(int error) {
    for (const ErrorWording& w : kWordings)
        if (w.error == error) return std::string(w.german) + " (" + w.english + ")";
    return "Systemfehler " + std::to_string(error) + " (" + std::strerror(error) + ")";
}
