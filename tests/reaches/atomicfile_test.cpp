// The one rule by which every file of the program is written: links followed
// and kept, modes kept, devices and pipes written through, folders refused,
// nothing left behind.

#include "atomicfile.h"

#include "tempfolder.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fluvara {
namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const fs::path& path)
{
    struct stat st { };
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// The umask and the temporary folder of the test, restored afterwards.
class AtomicFileTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        oldMask_ = ::umask(022);
        if (const char* tmp = std::getenv("TMPDIR"))
            oldTmp_ = tmp;
        spool_ = folder / "spool";
        fs::create_directory(spool_);
        ::setenv("TMPDIR", spool_.c_str(), 1);
    }
    void TearDown() override
    {
        ::umask(oldMask_);
        if (oldTmp_)
            ::setenv("TMPDIR", oldTmp_->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
        TempFolderTest::TearDown();
    }
    void WriteMode(const std::string& name, mode_t mode) const
    {
        Write(name, "alt");
        ::chmod((folder / name).c_str(), mode);
    }
    bool SpoolEmpty() const { return fs::is_empty(spool_); }

    fs::path spool_;

private:
    mode_t oldMask_ = 022;
    std::optional<std::string> oldTmp_;
};

TEST_F(AtomicFileTest, FilesAndLinksByTheOneRule)
{
    struct Case {
        const char* name;
        std::function<void()> make;  // what stands at folder/ziel before the write
        const char* written;         // the file that must hold the new content
        mode_t mode;
        bool link;  // ziel stays a link
    };
    const Case cases[] = {
        {"new file", [] {}, "ziel", 0644, false},
        {"existing 0644", [&] { WriteMode("ziel", 0644); }, "ziel", 0644, false},
        {"existing 0600", [&] { WriteMode("ziel", 0600); }, "ziel", 0600, false},
        {"existing 0640", [&] { WriteMode("ziel", 0640); }, "ziel", 0640, false},
        {"link to a file",
         [&] {
             WriteMode("echt", 0600);
             fs::create_symlink("echt", folder / "ziel");
         },
         "echt", 0600, true},
        {"link to a link",
         [&] {
             WriteMode("echt", 0664);
             fs::create_symlink("echt", folder / "mitte");
             fs::create_symlink(folder / "mitte", folder / "ziel");
         },
         "echt", 0664, true},
        {"dangling link", [&] { fs::create_symlink("neu", folder / "ziel"); }, "neu", 0644, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.make();
        WriteFileAtomically(folder / "ziel", "neu geschrieben");
        EXPECT_EQ(Read(c.written), "neu geschrieben");
        EXPECT_EQ(ModeOf(folder / c.written), c.mode);
        EXPECT_EQ(fs::is_symlink(folder / "ziel"), c.link);
        std::vector<std::string> expected{"spool", "ziel"};
        for (const char* other : {"echt", "mitte", "neu"})
            if (fs::exists(fs::symlink_status(folder / other)))
                expected.push_back(other);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(Files(), expected);  // no temporary file beside it
        EXPECT_TRUE(SpoolEmpty());
        for (const std::string& name : Files())
            if (name != "spool")
                fs::remove(folder / name);
    }
}

TEST_F(AtomicFileTest, DevicesAndPipesAreWrittenThroughFoldersRefused)
{
    // A device is written through and stays what it is (named by a link, so
    // that a writer without the rule would replace only the link).
    fs::create_symlink("/dev/null", folder / "nirgends");
    WriteFileAtomically(folder / "nirgends", "verworfen");
    EXPECT_TRUE(fs::is_symlink(folder / "nirgends"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    // A full device: the error names the target.
    fs::create_symlink("/dev/full", folder / "voll");
    try {
        WriteFileAtomically(folder / "voll", "zu viel");
        ADD_FAILURE() << "no error for a full device";
    } catch (const std::runtime_error& e) {
        const std::string expected = " kann nicht geschrieben werden (Kein Speicherplatz mehr auf dem Datenträger)";
        EXPECT_EQ(std::string(e.what()), (folder / "voll").string() + expected);
    }
    EXPECT_TRUE(fs::is_symlink(folder / "voll"));

    // A pipe with a reader gets the content; without one it is an error, not a wait.
    const fs::path pipe = folder / "rohr";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    try {
        WriteFileAtomically(pipe, "niemand liest");
        ADD_FAILURE() << "no error for a pipe without a reader";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("Niemand liest am anderen Ende"), std::string::npos) << e.what();
    }
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    WriteFileAtomically(pipe, "durch das Rohr");
    char buffer[64] = {};
    EXPECT_EQ(::read(reader, buffer, sizeof buffer), 14);
    EXPECT_EQ(std::string(buffer), "durch das Rohr");
    // A reader that goes away early: an error, and the program goes on. A
    // second writer holds the pipe open, so that the reader waits for data.
    const int holder = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
    ASSERT_GE(holder, 0);
    std::thread early([reader] {
        ::fcntl(reader, F_SETFL, ::fcntl(reader, F_GETFL) & ~O_NONBLOCK);
        char first[10];
        [[maybe_unused]] const ssize_t n = ::read(reader, first, sizeof first);
        ::close(reader);
    });
    try {
        WriteFileAtomically(pipe, std::string(1 << 20, 'x'));
        ADD_FAILURE() << "no error for a reader that went away";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("Am anderen Ende liest niemand mehr"), std::string::npos) << e.what();
    }
    early.join();
    ::close(holder);
    EXPECT_TRUE(fs::is_fifo(pipe));

    // A folder is never replaced.
    fs::create_directory(folder / "ordner");
    fs::create_symlink("ordner", folder / "zum-ordner");
    for (const char* name : {"ordner", "zum-ordner"}) {
        try {
            WriteFileAtomically(folder / name, "x");
            ADD_FAILURE() << "no refusal for " << name;
        } catch (const TFileRefused& e) {
            EXPECT_EQ(std::string(e.what()),
                      (folder / name).string() + " kann nicht geschrieben werden (das ist ein Ordner)");
        }
        EXPECT_TRUE(fs::is_directory(folder / "ordner"));
    }
    EXPECT_TRUE(fs::is_empty(folder / "ordner"));
    EXPECT_TRUE(SpoolEmpty());
    EXPECT_EQ(Files(), (std::vector<std::string>{"nirgends", "ordner", "rohr", "spool", "voll", "zum-ordner"}));
}

TEST_F(AtomicFileTest, ACircleOfLinksIsRefused)
{
    fs::create_symlink("b", folder / "a");
    fs::create_symlink("a", folder / "b");
    EXPECT_THROW(WriteFileAtomically(folder / "a", "x"), TFileRefused);
    EXPECT_TRUE(fs::is_symlink(folder / "a"));
    EXPECT_EQ(Files(), (std::vector<std::string>{"a", "b", "spool"}));
}

TEST_F(AtomicFileTest, ASignalHandlerRemovesTheFilesInTheMaking)
{
    fs::create_symlink("/dev/null", folder / "nirgends");
    TAtomicFile beside(folder / "ziel.csv");
    TAtomicFile through(folder / "nirgends");
    std::fputs("halb", beside.Stream());
    ASSERT_TRUE(fs::exists(beside.TemporaryPath()));
    ASSERT_TRUE(fs::exists(through.TemporaryPath()));
    RemoveTemporaryFiles();
    EXPECT_FALSE(fs::exists(beside.TemporaryPath()));
    EXPECT_FALSE(fs::exists(through.TemporaryPath()));
    EXPECT_EQ(Files(), (std::vector<std::string>{"nirgends", "spool"}));
}

}  // namespace
}  // namespace fluvara
