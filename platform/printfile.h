#pragma once
// A printer's PDF file written whole or not at all. QPainter::end() reports
// success even when the PDF engine's writes failed (a full disk, a file-size
// limit), so the printer writes into a fresh file, which is checked before it
// takes the target's place.

#include <QString>

class QPrinter;

namespace fluvara {

class TPrintFile {
public:
    // Redirects a PDF file target of printer to a fresh file beside it (or,
    // for a target that is no regular file, such as a device, in the temporary
    // folder); a printer that prints elsewhere stays as it is. Throws
    // std::runtime_error when the fresh file cannot be made.
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
    void CopyInto(const QString& device) const;

    QPrinter& printer_;
    QString target_;    // as the printer was given it
    QString resolved_;  // symbolic links followed
    QString written_;   // the fresh file; empty when the printer prints elsewhere
    bool regular_ = true;
    bool delivered_ = false;
};

// True when the file holds a whole PDF: it ends with the trailer, and the
// cross-reference table stands at the offset the trailer gives.
bool IsCompletePdf(const QString& path);

}  // namespace fluvara
