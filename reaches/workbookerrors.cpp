#include "workbookerrors.h"

#include "systemerror.h"
#include "textformat.h"

#include <xlsxwriter.h>

#include <cstdio>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

namespace fluvara {

namespace {

constexpr std::string_view SystemErrorMark = "System error = ";

void WriteAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n <= 0)
            return;  // the standard error output is gone: nothing to tell it
        text.remove_prefix(static_cast<std::size_t>(n));
    }
}

std::string ReadAll(int fd)
{
    std::string text;
    char buffer[4096];
    ssize_t n = 0;
    off_t offset = 0;
    while ((n = ::pread(fd, buffer, sizeof buffer, offset)) > 0) {
        text.append(buffer, static_cast<std::size_t>(n));
        offset += n;
    }
    return text;
}

const char* LibraryCause(int error)
{
    switch (error) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return "Nicht genug Arbeitsspeicher";
    case LXW_ERROR_CREATING_XLSX_FILE:
        return "Die Datei kann nicht angelegt werden";
    case LXW_ERROR_CREATING_TMPFILE:
        return "Eine temporäre Datei kann nicht angelegt werden";
    case LXW_ERROR_READING_TMPFILE:
        return "Eine temporäre Datei kann nicht gelesen werden";
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
        return "Ein Text ist länger als 32767 Zeichen";
    case LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE:
        return "Zu viele Zeilen oder Spalten für ein Arbeitsblatt";
    default:
        return nullptr;
    }
}

}  // namespace

TLibraryMessages::TLibraryMessages()
{
    std::fflush(stderr);
    capture_ = ::memfd_create("fluvara-library-messages", MFD_CLOEXEC);
    if (capture_ < 0)
        return;  // then the library's lines go where they went
    saved_ = ::dup(STDERR_FILENO);
    if (saved_ < 0 || ::dup2(capture_, STDERR_FILENO) < 0) {
        if (saved_ >= 0)
            ::close(saved_);
        saved_ = -1;
    }
}

TLibraryMessages::~TLibraryMessages()
{
    Stop();
    if (capture_ >= 0)
        ::close(capture_);
}

const std::string& TLibraryMessages::Stop()
{
    if (saved_ < 0)
        return library_;
    std::fflush(stderr);
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
    saved_ = -1;
    const std::string captured = ReadAll(capture_);
    std::string others;
    std::size_t begin = 0;
    while (begin < captured.size()) {
        std::size_t end = captured.find('\n', begin);
        end = end == std::string::npos ? captured.size() : end + 1;
        const std::string_view line(captured.data() + begin, end - begin);
        (line.starts_with("[ERROR]") || line.starts_with("[WARNING]") ? library_ : others) += line;
        begin = end;
    }
    WriteAll(STDERR_FILENO, others);
    return library_;
}

int SystemErrorOfMessages(const std::string& messages)
{
    const std::size_t mark = messages.find(SystemErrorMark);
    if (mark == std::string::npos)
        return 0;
    const std::size_t begin = mark + SystemErrorMark.size();
    std::string text = messages.substr(begin, messages.find('\n', begin) - begin);
    while (!text.empty() && (text.back() == '\r' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    // The library took the text from strerror on this thread, in this locale.
    for (int error = 1; error < 256; ++error)
        if (text == std::strerror(error))
            return error;
    return 0;
}

std::runtime_error WorkbookFailure(const std::filesystem::path& path, int libraryError, const std::string& messages)
{
    if (const int error = SystemErrorOfMessages(messages))
        return WriteFailure(path, error);
    const char* cause = LibraryCause(libraryError);
    return std::runtime_error(
        Fmt("%s kann nicht geschrieben werden (%s)", path.string(),
            cause ? std::string(cause)
                  : Fmt("Fehler %d beim Schreiben der Arbeitsmappe", static_cast<long long>(libraryError))));
}

}  // namespace fluvara
