#pragma once
// A file written whole or not at all: everything goes into a temporary file
// in the target's folder, which is flushed to the disk and then renamed over
// the target. A crash or an error on the way leaves the old file as it was.

#include <cstdio>
#include <filesystem>
#include <string_view>

namespace fluvara {

class TAtomicFile {
public:
    // Throws std::runtime_error (German) when the folder cannot take a file.
    explicit TAtomicFile(std::filesystem::path target);
    ~TAtomicFile();  // removes the temporary file unless committed
    TAtomicFile(const TAtomicFile&) = delete;
    TAtomicFile& operator=(const TAtomicFile&) = delete;

    std::FILE* Stream() { return stream_; }
    // For writers that open the file by name themselves.
    const std::filesystem::path& TemporaryPath() const { return temporary_; }
    // Flushes, syncs and renames; throws std::runtime_error, the target then unchanged.
    void Commit();

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* stream_ = nullptr;
    bool committed_ = false;
};

void WriteFileAtomically(const std::filesystem::path& target, std::string_view content);

}  // namespace fluvara
