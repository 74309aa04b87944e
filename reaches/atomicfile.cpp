#include "atomicfile.h"

#include "textformat.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fluvara {

namespace {

std::runtime_error WriteError(const std::filesystem::path& path, int error)
{
    return std::runtime_error(Fmt("%s kann nicht geschrieben werden (%s)", path.string(), std::strerror(error)));
}

// The mode the target has, or what a new file would get under the umask.
mode_t ModeFor(const std::filesystem::path& target)
{
    struct stat st { };
    if (::stat(target.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

TAtomicFile::TAtomicFile(std::filesystem::path target) : target_(std::move(target))
{
    std::filesystem::path folder = target_.parent_path();
    if (folder.empty())
        folder = ".";
    std::string pattern = (folder / ("." + target_.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        throw WriteError(target_, errno);
    temporary_ = pattern;
    ::fchmod(fd, ModeFor(target_));
    stream_ = ::fdopen(fd, "wb");
    if (!stream_) {
        const int error = errno;
        ::close(fd);
        ::unlink(temporary_.c_str());
        throw WriteError(target_, error);
    }
}

TAtomicFile::~TAtomicFile()
{
    if (stream_)
        std::fclose(stream_);
    if (!committed_)
        ::unlink(temporary_.c_str());
}

void TAtomicFile::Commit()
{
    const bool flushed = std::fflush(stream_) == 0 && !std::ferror(stream_);
    int error = errno;
    // fsync reaches data written through another descriptor of the same file too.
    const bool synced = flushed && ::fsync(::fileno(stream_)) == 0;
    if (flushed && !synced)
        error = errno;
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    if (!flushed || !synced || !closed)
        throw WriteError(target_, error ? error : EIO);
    if (::rename(temporary_.c_str(), target_.c_str()) != 0)
        throw WriteError(target_, errno);
    committed_ = true;
    // The rename itself is on the disk once the folder is synced.
    std::filesystem::path folder = target_.parent_path();
    const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

void WriteFileAtomically(const std::filesystem::path& target, std::string_view content)
{
    TAtomicFile file(target);
    if (!content.empty() && std::fwrite(content.data(), 1, content.size(), file.Stream()) != content.size())
        throw WriteError(target, errno);
    file.Commit();
}

}  // namespace fluvara
