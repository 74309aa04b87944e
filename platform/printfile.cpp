#include "printfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>

#include <filesystem>
#include <stdexcept>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fluvara {

namespace {

std::filesystem::path FsPath(const QString& path) { return std::filesystem::path(path.toStdU16String()); }

std::runtime_error Incomplete(const QString& target, bool regular)
{
    QString message = QString::fromUtf8("Die Ausgabe ist unvollständig: der Ausdruck konnte nicht ganz in „%1“ "
                                        "geschrieben werden.")
                          .arg(QDir::toNativeSeparators(target));
    if (regular)
        message += QString::fromUtf8(" Eine vorhandene Datei bleibt unverändert.");
    return std::runtime_error(message.toStdString());
}

// Flushes the file's contents to the disk, so that the rename cannot leave
// an empty file behind after a crash.
bool SyncToDisk(const QString& path)
{
#ifdef Q_OS_UNIX
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && ::fsync(file.handle()) == 0;
#else
    Q_UNUSED(path);
    return true;
#endif
}

}  // namespace

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
    const QFileInfo info(target_);
    resolved_ = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    // What the printer could not open itself is no target here either.
    if (info.exists() && (info.isDir() || !info.isWritable()))
        throw std::runtime_error("Der Druckauftrag konnte nicht begonnen werden.");
    std::error_code error;
    regular_ = !info.exists() || std::filesystem::is_regular_file(FsPath(resolved_), error);
    const QString folder = regular_ ? QFileInfo(resolved_).absolutePath() : QDir::tempPath();
    QTemporaryFile fresh(folder + "/." + QFileInfo(resolved_).fileName() + ".XXXXXX");
    fresh.setAutoRemove(false);
    if (!fresh.open())
        throw std::runtime_error("Der Druckauftrag konnte nicht begonnen werden.");
    written_ = fresh.fileName();
    fresh.close();
    printer.setOutputFileName(written_);
}

TPrintFile::~TPrintFile()
{
    if (written_.isEmpty())
        return;
    printer_.setOutputFileName(target_);
    if (!delivered_)
        QFile::remove(written_);
}

void TPrintFile::Deliver()
{
    if (written_.isEmpty())
        return;
    if (!IsCompletePdf(written_) || !SyncToDisk(written_))
        throw Incomplete(target_, regular_);
    if (!regular_) {
        CopyInto(resolved_);
        return;
    }
    // The new file gets the old one's permissions, or those of a new file.
    const QFileInfo old(resolved_);
    const QFile::Permissions permissions = old.exists() ? old.permissions()
                                                        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
            QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther;
    QFile::setPermissions(written_, permissions);
    std::error_code error;
    std::filesystem::rename(FsPath(written_), FsPath(resolved_), error);
    if (error)
        throw Incomplete(target_, true);
    delivered_ = true;
}

// A device or pipe cannot be replaced: the checked file goes into it with
// checked writes. A pipe without a reader is an error, not a wait.
void TPrintFile::CopyInto(const QString& device) const
{
    QFile source(written_);
    QFile out;
    bool open = source.open(QIODevice::ReadOnly);
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(device).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    open = open && fd >= 0 && out.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
    if (fd >= 0 && !out.isOpen())
        ::close(fd);
#else
    out.setFileName(device);
    open = open && out.open(QIODevice::WriteOnly);
#endif
    bool written = open;
    while (written && !source.atEnd()) {
        const QByteArray block = source.read(64 * 1024);
        written = !block.isEmpty() && out.write(block) == block.size();
    }
    written = written && out.flush();
    out.close();
    if (!written || out.error() != QFileDevice::NoError)
        throw Incomplete(target_, false);
}

}  // namespace fluvara
