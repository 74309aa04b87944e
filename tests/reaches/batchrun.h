#pragma once
// Runs fluvara-batch in a folder as a user would from a shell.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace fluvara {

// The command's exit status (-1 when it did not exit); its standard output
// and error come back in out and err, and leave no file behind.
inline int RunBatch(const std::filesystem::path& folder, const std::string& arguments, const std::string& input,
                    std::string& out, std::string& err)
{
    const std::string command = "cd '" + folder.string() + "' && '" FLUVARA_BATCH "' " + arguments + " < " + input +
        " > stdout.txt 2> stderr.txt";
    const int status = std::system(command.c_str());
    const auto take = [&](const char* name) {
        std::ifstream in(folder / name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        in.close();
        std::filesystem::remove(folder / name);
        return text.str();
    };
    out = take("stdout.txt");
    err = take("stderr.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace fluvara
