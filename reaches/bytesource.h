#pragma once
// A file, or a text in memory, read in pieces as a stream buffer that counts
// the bytes it has handed out: for the progress of long reads, and so that
// a reader can bound what one value of a file may hold.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <streambuf>
#include <string_view>
#include <vector>

namespace fluvara {

class TByteSource : public std::streambuf {
public:
    // Opens the file; throws TInputError naming the path and the cause.
    explicit TByteSource(const std::filesystem::path& path);
    // Reads the text, which must outlive the source.
    explicit TByteSource(std::string_view text);
    ~TByteSource() override;
    TByteSource(const TByteSource&) = delete;
    TByteSource& operator=(const TByteSource&) = delete;

    // The size of a regular file or of the text; 0 when unknown (a pipe).
    std::uint64_t Size() const { return size_; }
    // The bytes handed out so far.
    std::uint64_t Consumed() const { return before_ + static_cast<std::uint64_t>(gptr() - eback()); }
    // The end of the input was reached.
    bool AtEnd() const { return atEnd_; }
    // Called with Consumed() before each further piece is read; may throw
    // to stop the reading (a cancel, a bound).
    void SetHook(std::function<void(std::uint64_t consumed)> hook) { hook_ = std::move(hook); }

protected:
    int_type underflow() override;

private:
    std::filesystem::path path_;  // for the messages; empty for a text
    int fd_ = -1;
    std::vector<char> buffer_;
    std::uint64_t size_ = 0;
    std::uint64_t before_ = 0;  // bytes of the pieces before the present one
    bool atEnd_ = false;
    std::function<void(std::uint64_t)> hook_;
};

}  // namespace fluvara
