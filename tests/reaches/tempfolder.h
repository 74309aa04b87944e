#pragma once
// A fresh folder per test, removed afterwards, with small helpers for its files.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fluvara {

class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() /
            ("fluvara-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    void Write(const std::string& name, const std::string& content) const
    {
        std::ofstream(folder / name, std::ios::binary) << content;
    }
    std::string Read(const std::string& name) const
    {
        std::ifstream in(folder / name, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path folder;
};

// One member of a zip file (a workbook's XML), read with unzip; empty when
// it cannot be read.
inline std::string ZipEntry(const std::filesystem::path& zip, const std::string& entry)
{
    const std::string command = "unzip -p '" + zip.string() + "' '" + entry + "'";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return {};
    std::string text;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        text.append(buffer, n);
    return ::pclose(pipe) == 0 ? text : std::string();
}

}  // namespace fluvara
