// The batch command holds no whole list: a long project is read, calculated
// and written in a bounded amount of memory, whatever its length.

#include "tempfolder.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int Rows = 200000;
// Far below what the rows take held whole (about 1 KB each with the JSON's
// texts, the list and the results: some 200 MB).
constexpr long BoundKiB = 64 * 1024;

class BatchMemory : public fluvara::TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        std::string text = "Haltung;d;kb;Is;Q\r\n";
        for (int i = 0; i < Rows; ++i)
            text += "H" + std::to_string(i) + ";" + std::to_string(200 + 100 * (i % 8)) + ";1,5;" +
                std::to_string(2 + i % 7) + ";" + std::to_string(10 + i % 90) + "\r\n";
        Write("netz.csv", text);
    }

    // Runs the command in the folder; its exit status and its peak memory (KiB).
    std::pair<int, long> Run(const std::vector<std::string>& arguments) const
    {
        std::vector<char*> argv{const_cast<char*>(FLUVARA_BATCH)};
        for (const std::string& a : arguments)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        const pid_t pid = ::fork();
        if (pid == 0) {
            const int null = ::open("/dev/null", O_RDWR);
            if (::chdir(folder.c_str()) != 0 || ::dup2(null, 0) < 0 || ::dup2(null, 1) < 0 || ::dup2(null, 2) < 0)
                ::_exit(127);
            ::execv(FLUVARA_BATCH, argv.data());
            ::_exit(127);
        }
        int status = 0;
        rusage usage{};
        if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid)
            return {-1, 0};
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, usage.ru_maxrss};
    }
};

TEST_F(BatchMemory, ALongProjectIsReadAndWrittenInBoundedMemory)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "under AddressSanitizer the peak is its shadow memory, not the command's";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    GTEST_SKIP() << "under AddressSanitizer the peak is its shadow memory, not the command's";
#endif
#endif
    const std::vector<std::vector<std::string>> runs{
        {"netz.csv", "-o", "netz.fluvara"},
        {"netz.fluvara", "-o", "aus.csv"},
        {"netz.fluvara", "-o", "aus.fluvara"},
        {"netz.fluvara", "--liste", "gerinne", "-o", "leer.csv"},
    };
    for (const auto& arguments : runs) {
        SCOPED_TRACE(arguments[0] + " -> " + arguments.back());
        const auto [status, peak] = Run(arguments);
        EXPECT_EQ(status, 0);
        EXPECT_LT(peak, BoundKiB);
    }
    // the project keeps every row, the CSV has them with their results
    EXPECT_EQ(Read("aus.fluvara"), Read("netz.fluvara"));
    const std::string csv = Read("aus.csv");
    EXPECT_EQ(static_cast<int>(std::count(csv.begin(), csv.end(), '\n')), Rows + 1);
}

}  // namespace
