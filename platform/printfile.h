#pragma once
// A printer's PDF file written whole or not at all, by the rule of
// TAtomicFile. QPainter::end() reports success even when the PDF engine's
// writes failed (a full disk, a file-size limit), so the printer writes into
// a fresh file, which is checked before it takes the target's place.

#include "atomicfile.h"

#include <QByteArrayView>
#include <QString>

#include <filesystem>
#include <optional>

class QPrinter;

namespace fluvara {

// A file name of Qt's as the C library's path.
std::filesystem::path LocalPath(const QString& path);

// A whole file of the windows, by the rule of TAtomicFile; throws
// std::runtime_error (German).
void WriteWholeFile(const QString& path, QByteArrayView bytes);

class TPrintFile {
public:
    // Redirects a PDF file target of printer to a fresh file; a printer that
    // prints elsewhere stays as it is. Throws std::runtime_error when the
    // target is refused (a folder) or the fresh file cannot be made.
    explicit TPrintFile(QPrinter& printer);
    // Gives the printer its target back; removes the fresh file unless delivered.
    ~TPrintFile();
    TPrintFile(const TPrintFile&) = delete;
    TPrintFile& operator=(const TPrintFile&) = delete;

    // After the printer has ended the document: checks the fresh file and puts
    // it in the target's place. Throws std::runtime_error, saying the output is
    // incomplete, when the file is not whole or cannot be delivered; a regular
    // target file is then left as it was.
    void Deliver();

private:
    QPrinter& printer_;
    QString target_;  // as the printer was given it
    std::optional<TAtomicFile> file_;
};

// True when the file holds a whole PDF: it ends with the trailer, and the
// cross-reference table stands at the offset the trailer gives.
bool IsCompletePdf(const QString& path);

}  // namespace fluvara
