#include "atomicfile.h"

#include "textformat.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fluvara {

namespace {

namespace fs = std::filesystem;

// Links may lead through this many other links, as the kernel allows.
constexpr int MaxLinkHops = 40;

TFileRefused Refused(const fs::path& path, const char* what)
{
    return TFileRefused(Fmt("%s kann nicht geschrieben werden (%s)", path.string(), what));
}

struct TTarget {
    fs::path path;  // links followed
    bool exists = false;
    struct stat st { };
};

// Follows the links of a path one by one, so that a dangling link leads to
// the file it names rather than being replaced.
TTarget Resolve(const fs::path& given)
{
    TTarget target{given};
    for (int hops = 0;; ++hops) {
        if (::lstat(target.path.c_str(), &target.st) != 0) {
            if (errno != ENOENT)
                throw WriteFailure(given, errno);
            return target;
        }
        if (!S_ISLNK(target.st.st_mode)) {
            target.exists = true;
            return target;
        }
        if (hops == MaxLinkHops)
            throw Refused(given, "zu viele Verknüpfungen hintereinander");
        std::error_code error;
        const fs::path link = fs::read_symlink(target.path, error);
        if (error)
            throw WriteFailure(given, error.value());
        target.path = link.is_absolute() ? link : target.path.parent_path() / link;
    }
}

std::string RandomLetters()
{
    static constexpr char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 random(
        std::random_device{}() ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::string letters(6, 'X');
    for (char& c : letters)
        c = Letters[random() % (sizeof Letters - 1)];
    return letters;
}

// A fresh file "stem.XXXXXX" in folder, opened for reading and writing. The
// mode 0666 lets the umask (and a default ACL) decide, as for any new file.
int CreateFresh(const fs::path& folder, const std::string& stem, fs::path& made)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        made = folder / (stem + "." + RandomLetters());
        const int fd = ::open(made.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// The temporary files in the making, for RemoveTemporaryFiles. A slot is
// claimed (1), filled and then published (2); the handler reads only
// published slots.
struct TPendingSlot {
    std::atomic<int> state{0};
    char path[4096] = {};
};
std::array<TPendingSlot, 16> pending;
static_assert(std::atomic<int>::is_always_lock_free);

int Register(const fs::path& path)
{
    const std::string& text = path.native();
    if (text.size() >= sizeof pending[0].path)
        return -1;
    for (std::size_t i = 0; i < pending.size(); ++i) {
        int expected = 0;
        if (pending[i].state.compare_exchange_strong(expected, 1)) {
            std::memcpy(pending[i].path, text.c_str(), text.size() + 1);
            pending[i].state.store(2, std::memory_order_release);
            return static_cast<int>(i);
        }
    }
    return -1;
}

void Unregister(int& slot)
{
    if (slot >= 0)
        pending[static_cast<std::size_t>(slot)].state.store(0, std::memory_order_release);
    slot = -1;
}

// The old file's owner and group, as far as the user may give them; else
// the file stays the user's.
void KeepOwner(int fd, const struct stat& old)
{
    if (old.st_uid == ::geteuid() && old.st_gid == ::getegid())
        return;
    if (::fchown(fd, old.st_uid, old.st_gid) == 0)
        return;
    if (::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0)
        return;
}

// While it lives, a reader that goes away is an error of this thread's
// writes (EPIPE), not the end of the program by SIGPIPE.
class TNoBrokenPipeSignal {
public:
    TNoBrokenPipeSignal()
    {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        sigset_t pending;
        sigemptyset(&pending);
        pendingBefore_ = ::sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1;
        ::pthread_sigmask(SIG_BLOCK, &pipe_, &old_);
    }
    ~TNoBrokenPipeSignal()
    {
        if (!pendingBefore_) {
            const timespec none{};
            while (::sigtimedwait(&pipe_, nullptr, &none) == SIGPIPE) { }
        }
        ::pthread_sigmask(SIG_SETMASK, &old_, nullptr);
    }
    TNoBrokenPipeSignal(const TNoBrokenPipeSignal&) = delete;
    TNoBrokenPipeSignal& operator=(const TNoBrokenPipeSignal&) = delete;

private:
    sigset_t pipe_;
    sigset_t old_;
    bool pendingBefore_ = false;
};

bool WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

TAtomicFile::TAtomicFile(std::filesystem::path target) : target_(std::move(target))
{
    const TTarget resolved = Resolve(target_);
    resolved_ = resolved.path;
    const mode_t kind = resolved.st.st_mode & S_IFMT;
    if (resolved.exists) {
        if (kind == S_IFDIR)
            throw Refused(target_, "das ist ein Ordner");
        if (kind == S_IFBLK)
            throw Refused(target_, "das ist ein Blockgerät");
        if (kind != S_IFREG && kind != S_IFCHR && kind != S_IFIFO)
            throw Refused(target_, "das ist keine Datei, sondern ein Socket");
        // A file the user may not write is not replaced behind his back.
        if (::access(resolved_.c_str(), W_OK) != 0)
            throw WriteFailure(target_, errno);
    }
    writeThrough_ = resolved.exists && kind != S_IFREG;
    std::error_code ignored;
    fs::path folder = writeThrough_ ? fs::temp_directory_path(ignored) : resolved_.parent_path();
    if (folder.empty())
        folder = writeThrough_ ? "/tmp" : ".";
    const std::string stem =
        writeThrough_ ? "fluvara-" + resolved_.filename().string() : "." + resolved_.filename().string();
    const int fd = CreateFresh(folder, stem, temporary_);
    if (fd < 0)
        throw WriteFailure(target_, errno);
    slot_ = Register(temporary_);
    if (resolved.exists && !writeThrough_) {
        // The owner first: a change of owner may clear the set-id bits.
        KeepOwner(fd, resolved.st);
        ::fchmod(fd, resolved.st.st_mode & 07777);
    }
    stream_ = ::fdopen(fd, "w+b");
    if (!stream_) {
        const int error = errno;
        ::close(fd);
        ::unlink(temporary_.c_str());
        Unregister(slot_);
        throw WriteFailure(target_, error);
    }
}

TAtomicFile::~TAtomicFile()
{
    if (stream_)
        std::fclose(stream_);
    if (!committed_ || writeThrough_)
        ::unlink(temporary_.c_str());
    Unregister(slot_);
}

void TAtomicFile::Commit()
{
    const bool flushed = std::fflush(stream_) == 0 && !std::ferror(stream_);
    int error = errno;
    if (writeThrough_) {
        if (!flushed)
            throw WriteFailure(target_, error ? error : EIO);
        CopyInto();
        committed_ = true;
        return;
    }
    // fsync reaches data written through another descriptor of the same file too.
    const bool synced = flushed && ::fsync(::fileno(stream_)) == 0;
    if (flushed && !synced)
        error = errno;
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    if (!flushed || !synced || !closed)
        throw WriteFailure(target_, error ? error : EIO);
    if (::rename(temporary_.c_str(), resolved_.c_str()) != 0)
        throw WriteFailure(target_, errno);
    committed_ = true;
    Unregister(slot_);
    // The rename itself is on the disk once the folder is synced.
    const fs::path folder = resolved_.parent_path();
    const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

// The completed content into the device or pipe. Opened without waiting, so
// that a pipe nobody reads is an error; then written with blocking writes.
void TAtomicFile::CopyInto() const
{
    const int out = ::open(resolved_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (out < 0)
        throw WriteFailure(target_, errno);
    ::fcntl(out, F_SETFL, ::fcntl(out, F_GETFL) & ~O_NONBLOCK);
    const TNoBrokenPipeSignal quiet;
    const int in = ::fileno(stream_);
    bool written = ::lseek(in, 0, SEEK_SET) == 0;
    int error = written ? 0 : errno;
    char buffer[1 << 16];
    while (written) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            written = n == 0;
            error = errno;
            break;
        }
        written = WriteAll(out, buffer, static_cast<std::size_t>(n));
        error = errno;
    }
    if (::close(out) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written)
        throw WriteFailure(target_, error ? error : EIO);
}

void TAtomicFile::Write(std::string_view text)
{
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), stream_) != text.size())
        throw WriteFailure(target_, errno);
}

void WriteFileAtomically(const std::filesystem::path& target, std::string_view content)
{
    TAtomicFile file(target);
    file.Write(content);
    file.Commit();
}

void RemoveTemporaryFiles() noexcept
{
    for (TPendingSlot& slot : pending)
        if (slot.state.load(std::memory_order_acquire) == 2)
            ::unlink(slot.path);
}

}  // namespace fluvara
