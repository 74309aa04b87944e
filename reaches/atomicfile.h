#pragma once
// A file written whole or not at all, by the one rule every writer of the
// program follows:
// - a symbolic link is followed and kept: the file it points to is written
//   (a dangling link gets its file made);
// - an existing file keeps its permissions and, where allowed, its owner; a
//   new file gets those of any new file under the umask;
// - a regular file is replaced atomically: the content goes into a temporary
//   file beside it, is flushed to the disk and renamed over it;
// - a character device or a pipe (/dev/null, a printer port, a FIFO) is
//   written through, as users of such a name expect: the content is first
//   completed in a temporary file in the temporary folder and then copied
//   into it with checked writes; a pipe without a reader is an error, not a
//   wait;
// - a folder, a block device or a socket is refused (TFileRefused).
// A crash or an error on the way leaves the target as it was.

#include "systemerror.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace fluvara {

// The target is no file to write: a folder, a block device, a socket, a
// circle of links. The message is German and names the path.
class TFileRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TAtomicFile {
public:
    // Throws TFileRefused, or std::runtime_error (German) when the temporary
    // file cannot be made or the target is not writable.
    explicit TAtomicFile(std::filesystem::path target);
    ~TAtomicFile();  // removes the temporary file unless committed
    TAtomicFile(const TAtomicFile&) = delete;
    TAtomicFile& operator=(const TAtomicFile&) = delete;

    std::FILE* Stream() { return stream_; }
    // Appends to the content; throws std::runtime_error naming the cause.
    void Write(std::string_view text);
    // For writers that open the file by name themselves.
    const std::filesystem::path& TemporaryPath() const { return temporary_; }
    // False for a device or a pipe, which is written through, not replaced.
    bool ReplacesFile() const { return !writeThrough_; }
    // Flushes, syncs and puts the content in place; throws std::runtime_error,
    // a file target then unchanged.
    void Commit();

private:
    void CopyInto() const;

    std::filesystem::path target_;    // as given, for the messages
    std::filesystem::path resolved_;  // links followed
    std::filesystem::path temporary_;
    std::FILE* stream_ = nullptr;
    int slot_ = -1;  // in the list of temporary files removed on a signal
    bool writeThrough_ = false;
    bool committed_ = false;
};

void WriteFileAtomically(const std::filesystem::path& target, std::string_view content);

// Removes the temporary file of every TAtomicFile not yet committed or
// destroyed; async-signal-safe, for a program's handler of SIGINT, SIGTERM
// and SIGHUP.
void RemoveTemporaryFiles() noexcept;

}  // namespace fluvara
