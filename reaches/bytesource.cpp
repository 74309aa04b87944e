#include "bytesource.h"

#include "listlayout.h"
#include "systemerror.h"
#include "textformat.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fluvara {

namespace {

constexpr std::size_t PieceBytes = std::size_t{1} << 18;

}  // namespace

TByteSource::TByteSource(const std::filesystem::path& path) : path_(path)
{
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        throw TInputError(Fmt("%s kann nicht geöffnet werden (%s)", path.string(), ReadErrorCause(errno)));
    struct stat st { };
    if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd_);
        throw TInputError(Fmt("%s kann nicht geöffnet werden (%s)", path.string(), ReadErrorCause(EISDIR)));
    }
    if (S_ISREG(st.st_mode))
        size_ = static_cast<std::uint64_t>(st.st_size);
    buffer_.resize(PieceBytes);
    setg(buffer_.data(), buffer_.data(), buffer_.data());
}

TByteSource::TByteSource(std::string_view text) : size_(text.size())
{
    char* begin = const_cast<char*>(text.data());  // only read
    setg(begin, begin, begin + text.size());
}

TByteSource::~TByteSource()
{
    if (fd_ >= 0)
        ::close(fd_);
}

TByteSource::int_type TByteSource::underflow()
{
    if (gptr() < egptr())
        return traits_type::to_int_type(*gptr());
    before_ += static_cast<std::uint64_t>(egptr() - eback());
    setg(egptr(), egptr(), egptr());
    if (hook_)
        hook_(before_);
    if (fd_ < 0) {
        atEnd_ = true;
        return traits_type::eof();
    }
    ssize_t n = 0;
    do
        n = ::read(fd_, buffer_.data(), buffer_.size());
    while (n < 0 && errno == EINTR);
    if (n < 0)
        throw TInputError(ReadFailureText(path_, errno));
    setg(buffer_.data(), buffer_.data(), buffer_.data() + n);
    if (n == 0) {
        atEnd_ = true;
        return traits_type::eof();
    }
    return traits_type::to_int_type(*gptr());
}

}  // namespace fluvara
