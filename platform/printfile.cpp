#include "printfile.h"

#include <QDir>
#include <QFile>
#include <QPrinter>

#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace fluvara {

namespace {

std::runtime_error Incomplete(const QString& target, bool regular, int error)
{
    const QString cause = error ? QString(" (%1)").arg(QString::fromStdString(WriteErrorCause(error))) : QString();
    QString message = QString::fromUtf8("Die Ausgabe ist unvollständig: der Ausdruck konnte nicht ganz in „%1“ "
                                        "geschrieben werden%2.")
                          .arg(QDir::toNativeSeparators(target), cause);
    if (regular)
        message += QString::fromUtf8(" Eine vorhandene Datei bleibt unverändert.");
    return std::runtime_error(message.toStdString());
}

// Why the PDF engine's writes failed, which it does not tell: a further
// write to the file fails the same way.
int WriteErrorOf(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const std::vector<char> probe(std::size_t{1} << 16);
    const bool written = ::write(fd, probe.data(), probe.size()) == static_cast<ssize_t>(probe.size());
    const int error = written ? 0 : errno;
    ::close(fd);
    return error;
}

}  // namespace

std::filesystem::path LocalPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

void WriteWholeFile(const QString& path, QByteArrayView bytes)
{
    WriteFileAtomically(LocalPath(path), std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size())));
}

bool IsCompletePdf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    const qint64 tailSize = std::min<qint64>(size, 1024);
    if (!file.seek(size - tailSize))
        return false;
    const QByteArray tail = file.read(tailSize);
    const QByteArray end = tail.trimmed();
    if (!end.endsWith("%%EOF"))
        return false;
    const qsizetype start = end.lastIndexOf("startxref");
    if (start < 0)
        return false;
    const QByteArray number = end.mid(start + 9, end.size() - 5 - start - 9).trimmed();
    bool ok = false;
    const qint64 offset = number.toLongLong(&ok);
    if (!ok || offset < 0 || offset + 4 > size || !file.seek(offset))
        return false;
    return file.read(4) == "xref";
}

TPrintFile::TPrintFile(QPrinter& printer) : printer_(printer)
{
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
        return;
    target_ = printer.outputFileName();
    try {
        file_.emplace(LocalPath(target_));
    } catch (const TFileRefused&) {
        throw;
    } catch (const TWriteError& e) {
        // As the printer itself says when it cannot open the file, with the cause.
        throw std::runtime_error("Der Druckauftrag konnte nicht begonnen werden: " + WriteErrorCause(e.Error()) + ".");
    } catch (const std::exception&) {
        throw std::runtime_error("Der Druckauftrag konnte nicht begonnen werden.");
    }
    printer.setOutputFileName(QFile::decodeName(file_->TemporaryPath().c_str()));
}

TPrintFile::~TPrintFile()
{
    if (file_)
        printer_.setOutputFileName(target_);
}

void TPrintFile::Deliver()
{
    if (!file_)
        return;
    const QString written = QFile::decodeName(file_->TemporaryPath().c_str());
    if (!IsCompletePdf(written))
        throw Incomplete(target_, file_->ReplacesFile(), WriteErrorOf(file_->TemporaryPath()));
    try {
        file_->Commit();
    } catch (const TWriteError& e) {
        throw Incomplete(target_, file_->ReplacesFile(), e.Error());
    } catch (const std::exception&) {
        throw Incomplete(target_, file_->ReplacesFile(), 0);
    }
}

}  // namespace fluvara
