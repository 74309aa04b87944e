#pragma once
// What goes wrong in libxlsxwriter, said in German. The library prints its
// errors itself, in English, on the standard error output ("[ERROR]
// workbook_close(): … System error = File too large") and returns a code
// with an English text; the program catches both and names the cause.

#include <filesystem>
#include <stdexcept>
#include <string>

namespace fluvara {

// While it lives, what is written to the standard error output goes into
// memory. Stop (or the end) puts the standard error output back, passes on
// what others wrote meanwhile and keeps the library's own lines.
class TLibraryMessages {
public:
    TLibraryMessages();
    ~TLibraryMessages();
    TLibraryMessages(const TLibraryMessages&) = delete;
    TLibraryMessages& operator=(const TLibraryMessages&) = delete;

    // The lines of the library ("[ERROR]…", "[WARNING]…").
    const std::string& Stop();

private:
    int capture_ = -1;
    int saved_ = -1;
    std::string library_;
};

// The system's error number the library's lines name, 0 for none.
int SystemErrorOfMessages(const std::string& messages);

// "<path> kann nicht geschrieben werden (<cause>)" for a failed call of the
// library with its code and lines.
std::runtime_error WorkbookFailure(const std::filesystem::path& path, int libraryError, const std::string& messages);

}  // namespace fluvara
