// Every writer of lists and projects, in the library and in the batch
// command, follows the one rule for whole files: a new file gets the umask's
// mode, an existing file keeps its mode, a link is followed and kept, and a
// write that cannot finish (a folder the user may not write into, a full
// disk) says so and leaves the old file as it was, with nothing beside it.

#include "project.h"
#include "reachlist.h"
#include "workbook.h"

#include "atomicfile.h"

#include "tempfolder.h"
#include "writelimits.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <optional>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fluvara {
namespace {

namespace fs = std::filesystem;

constexpr rlim_t DiskLeft = 512;  // bytes a writer may still put on the "full" disk

// A list long enough that none of its files fits on the full disk.
TReachList LongList()
{
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < 400; ++i)
        rows.push_back({"H" + std::to_string(i), "300", "1,5", "5", std::to_string(10 + i % 50)});
    return MakeList({"Haltung", "d", "kb", "Is", "Q"}, rows);
}

std::string ListCsv()
{
    std::string text = "Haltung;d;kb;Is;Q\r\n";
    for (int i = 0; i < 400; ++i)
        text += "H" + std::to_string(i) + ";300;1,5;5;40\r\n";
    return text;
}

// Small and read-only file systems are mounted in the test's own mount
// namespace, taken before any thread starts.
const bool privateMounts = TakePrivateMounts();

// The shell command of the batch run that writes output from the list in
// the folder; its messages go to the standard output, its output nowhere.
std::string BatchCommand(const fs::path& folder, const std::string& output)
{
    return "cd '" + folder.string() + "' && '" FLUVARA_BATCH "' liste.csv -o '" + output + "' 2>&1 >/dev/null";
}

// What each case does to the process for the time of the write.
enum class TLimit { None, NoFolderRights, FullDisk };

// A writer: writes the file at path and returns "" or why it failed. The
// batch command gets the case's limit through its command line, since it is
// another process.
using TWriter = std::function<std::string(const fs::path& folder, const std::string& name, TLimit limit)>;

std::string Caught(const std::function<void()>& write)
{
    try {
        write();
        return {};
    } catch (const std::exception& e) {
        return e.what()[0] ? e.what() : "failed without a message";
    }
}

std::string RunBatch(const fs::path& folder, const std::string& name, TLimit limit)
{
    std::string command = BatchCommand(folder, name);
    if (limit == TLimit::FullDisk)
        command = "trap '' XFSZ; ulimit -f 1; " + command;  // 512-byte blocks in the POSIX shell
    if (limit == TLimit::NoFolderRights && ::geteuid() == 0)
        command = "setpriv --reuid=65534 --regid=65534 --clear-groups sh -c \"" + command + "\"";
    std::FILE* run = ::popen(command.c_str(), "r");
    if (!run)
        return "the batch command cannot be started";
    std::string messages;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, run)) > 0)
        messages.append(buffer, n);
    const int status = ::pclose(run);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return {};
    return messages.empty() ? "exit status " + std::to_string(status) : messages;
}

struct TWriterCase {
    const char* name;
    const char* file;
    TWriter write;
    bool ownProcess = false;  // the batch command: the limit goes into its command line
};

void PrintTo(const TWriterCase& writer, std::ostream* out) { *out << writer.name; }

const std::vector<TWriterCase>& Writers()
{
    static const TReachList list = LongList();
    static const std::vector<TWriterCase> writers{
        {"project", "netz.fluvara",
         [](const fs::path& folder, const std::string& name, TLimit) {
             return Caught([&] {
                 TProject project;
                 project.circle = list;
                 SaveProject(folder / name, project);
             });
         }},
        {"csv", "netz.csv",
         [](const fs::path& folder, const std::string& name, TLimit) {
             return Caught([&] { WriteFileAtomically(folder / name, ListCsv()); });
         }},
        {"workbook", "netz.xlsx",
         [](const fs::path& folder, const std::string& name, TLimit) {
             return Caught([&] {
                 const std::vector<TReachOutcome> outcomes = CalculateList(list, TReachOptions{}, 1);
                 const TWorkbookSheet sheet{&list, &outcomes};
                 WriteWorkbook(folder / name, std::span(&sheet, 1));
             });
         }},
        {"batch csv", "netz.csv", RunBatch, true},
        {"batch workbook", "netz.xlsx", RunBatch, true},
        {"batch project", "netz.fluvara", RunBatch, true},
    };
    return writers;
}

class WriterPolicy : public TempFolderTest, public ::testing::WithParamInterface<TWriterCase> {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        fs::permissions(folder,
                        fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read |
                            fs::perms::others_exec);
        Write("liste.csv", ListCsv());
        oldMask_ = ::umask(027);
    }
    void TearDown() override
    {
        ::umask(oldMask_);
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        TempFolderTest::TearDown();
    }

    std::string WriteAs(const std::string& name, TLimit limit)
    {
        const TWriterCase& writer = GetParam();
        if (limit == TLimit::None || writer.ownProcess)
            return writer.write(folder, name, limit);
        if (limit == TLimit::NoFolderRights) {
            const TOrdinaryFileRights rights;
            return writer.write(folder, name, limit);
        }
        const TFileSizeLimit fullDisk(DiskLeft);
        return writer.write(folder, name, limit);
    }

    static mode_t ModeOf(const fs::path& path)
    {
        struct stat st { };
        return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
    }
    bool Written(const std::string& name) const
    {
        const std::string content = Read(name);
        return content.size() > DiskLeft && content != "alt";
    }

private:
    mode_t oldMask_ = 022;
};

TEST_P(WriterPolicy, NewFileGetsTheModeOfTheUmask)
{
    const std::string name = GetParam().file;
    EXPECT_EQ(WriteAs(name, TLimit::None), "");
    EXPECT_TRUE(Written(name));
    EXPECT_EQ(ModeOf(folder / name), 0640u);
    EXPECT_EQ(Files().size(), 2u);  // the list and the new file, nothing beside them
}

TEST_P(WriterPolicy, ExistingFileKeepsItsMode)
{
    const std::string name = GetParam().file;
    for (const mode_t mode : {mode_t{0644}, mode_t{0600}, mode_t{0664}}) {
        Write(name, "alt");
        ::chmod((folder / name).c_str(), mode);
        EXPECT_EQ(WriteAs(name, TLimit::None), "");
        EXPECT_TRUE(Written(name));
        EXPECT_EQ(ModeOf(folder / name), mode);
    }
}

TEST_P(WriterPolicy, LinkIsFollowedAndKept)
{
    const std::string name = GetParam().file;
    fs::create_directory(folder / "ablage");
    std::ofstream(folder / "ablage" / name) << "alt";
    fs::create_symlink(fs::path("ablage") / name, folder / name);
    EXPECT_EQ(WriteAs(name, TLimit::None), "");
    EXPECT_TRUE(fs::is_symlink(folder / name));
    EXPECT_TRUE(Written("ablage/" + std::string(name)));
}

TEST_P(WriterPolicy, FailedWriteSaysSoAndLeavesTheOldFile)
{
    const std::string name = GetParam().file;
    for (const TLimit limit : {TLimit::NoFolderRights, TLimit::FullDisk}) {
        SCOPED_TRACE(limit == TLimit::FullDisk ? "full disk" : "read-only folder");
        Write(name, "alt");
        ::chmod((folder / name).c_str(), 0644);
        if (limit == TLimit::NoFolderRights)
            fs::permissions(folder, fs::perms::owner_write, fs::perm_options::remove);
        EXPECT_NE(WriteAs(name, limit), "");
        fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add);
        EXPECT_EQ(Read(name), "alt");
        EXPECT_EQ(Files(), (std::vector<std::string>{"liste.csv", name}));
    }
}

TEST_P(WriterPolicy, FailedWriteNamesItsCauseInGerman)
{
    const std::string name = GetParam().file;
    for (const TFailure& failure : Failures) {
        SCOPED_TRACE(failure.name);
        // The target's folder, as the writer is given it.
        const std::string place = failure.kind == TFailure::SmallDisk || failure.kind == TFailure::ReadOnlyMount
            ? "platte/"
            : failure.kind == TFailure::MissingFolder ? "fehlt/"
                                                      : "";
        std::optional<TSmallDisk> disk;
        if (failure.kind == TFailure::SmallDisk || failure.kind == TFailure::ReadOnlyMount) {
            disk.emplace(folder / "platte", name,
                         failure.kind == TFailure::SmallDisk ? TSmallDisk::Full : TSmallDisk::ReadOnly);
            if (!disk->Mounted()) {
                std::cout << "[  SKIPPED ] " << failure.name << ": no file system can be mounted here\n";
                continue;
            }
        } else if (failure.kind != TFailure::MissingFolder) {
            Write(name, "alt");
            ::chmod((folder / name).c_str(), 0644);
        }
        if (failure.kind == TFailure::NoPermission)
            fs::permissions(folder, fs::perms::owner_write, fs::perm_options::remove);
        const TLimit limit = failure.kind == TFailure::FileSizeLimit ? TLimit::FullDisk
            : failure.kind == TFailure::NoPermission                 ? TLimit::NoFolderRights
                                                                     : TLimit::None;
        const std::string message = WriteAs(place + name, limit);
        fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add);

        const std::string shown = GetParam().ownProcess ? place + name : (folder / (place + name)).string();
        const std::string expected = shown + " kann nicht geschrieben werden (" + failure.cause + ")";
        EXPECT_EQ(message, GetParam().ownProcess ? "fluvara-batch: " + expected + "\n" : expected);
        if (failure.kind != TFailure::MissingFolder) {
            EXPECT_EQ(Read(place + name), "alt");
            std::vector<std::string> beside;
            for (const auto& entry : fs::directory_iterator(folder / place))
                beside.push_back(entry.path().filename().string());
            std::sort(beside.begin(), beside.end());
            EXPECT_EQ(beside, place.empty() ? (std::vector<std::string>{"liste.csv", name}) : std::vector{name});
        }
        disk.reset();
        fs::remove_all(folder / "platte");
        fs::remove(folder / name);
    }
}

// The causes come from the system's error numbers; a number without a text
// of its own is named as such, never in English.
TEST(WriteErrorCause, EveryNumberHasAGermanText)
{
    EXPECT_EQ(WriteErrorCause(ENOSPC), "Kein Speicherplatz mehr auf dem Datenträger");
    EXPECT_EQ(WriteErrorCause(EROFS), "Das Dateisystem ist schreibgeschützt");
    EXPECT_EQ(WriteErrorCause(EACCES), "Keine Berechtigung");
    EXPECT_EQ(WriteErrorCause(ENOENT), "Den Ordner gibt es nicht");
    EXPECT_EQ(ReadErrorCause(ENOENT), "Die Datei gibt es nicht");
    EXPECT_EQ(WriteErrorCause(0), WriteErrorCause(EIO));
    EXPECT_EQ(WriteErrorCause(4095), "Systemfehler Nummer 4095");
    EXPECT_EQ(std::string(WriteFailure("/daten/netz.csv", EROFS).what()),
              "/daten/netz.csv kann nicht geschrieben werden (Das Dateisystem ist schreibgeschützt)");
    for (int error = 0; error < 200; ++error) {
        const std::string cause = WriteErrorCause(error);
        EXPECT_FALSE(cause.empty());
        EXPECT_EQ(cause.find("error"), std::string::npos) << cause;
        EXPECT_NE(cause, std::strerror(error));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, WriterPolicy, ::testing::ValuesIn(Writers()),
                         [](const ::testing::TestParamInfo<TWriterCase>& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (c == ' ')
                                     c = '_';
                             return name;
                         });

}  // namespace
}  // namespace fluvara
