#include "reportfilename.h"

#include "textformat.h"

#include <string_view>

namespace fluvara {

namespace {

constexpr std::size_t MaxNameChars = 120;

bool Refused(unsigned char c)
{
    return c < 0x20 || c == 0x7F ||
        std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

// Blanks at both ends dropped, inner runs of blanks made one, refused characters replaced.
std::string Clean(std::string_view text)
{
    std::string out;
    bool blank = false;
    for (unsigned char c : text) {
        if (c == ' ' || c == '\t') {
            blank = !out.empty();
            continue;
        }
        if (blank)
            out += ' ';
        blank = false;
        out += Refused(c) ? '_' : static_cast<char>(c);
    }
    return out;
}

}  // namespace

std::string ReportFileName(const TPrintTitles& titles, std::string_view fallback)
{
    const std::string line1 = Clean(titles.line1);
    const std::string line2 = Clean(titles.line2);
    std::string name = line1.empty() || line2.empty() ? line1 + line2 : line1 + " - " + line2;
    // A name of dots only would mean a folder.
    if (name.find_first_not_of('.') == std::string::npos)
        name = std::string(fallback);
    name = Utf8Left(name, MaxNameChars);
    while (!name.empty() && (name.back() == ' ' || name.back() == '.'))
        name.pop_back();
    return name + ".pdf";
}

}  // namespace fluvara
