// The project-file reader on any bytes: a file is refused with a message or
// read whole, and a read project written out and read again gives the same
// text.

#include "fuzzinput.h"
#include "project.h"

using namespace fluvara;
using namespace fluvara::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TProject project;
    try {
        project = ReadProject(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const TInputError&) {
        return 0;  // refused with a message
    }
    const std::string text = ProjectText(project);
    TProject again;
    try {
        again = ReadProject(text);
    } catch (const TInputError& e) {
        Finding(std::string("a written project is refused: ") + e.what());
    }
    if (ProjectText(again) != text)
        Finding("a project does not survive writing and reading");
    return 0;
}
