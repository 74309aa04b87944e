#pragma once
// Conditions under which a write cannot finish, for the time an object
// lives: a full disk, a folder the user may not write into, a file system
// that is full or read-only.

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <sched.h>
#include <string>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace fluvara {

// Writes beyond this many bytes fail, as on a full disk.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldSignal_);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldSignal_)(int) = nullptr;
};

// The files of this thread are opened as the user nobody: with root's rights
// a folder's mode stops nothing. Nothing changes for an ordinary user.
class TOrdinaryFileRights {
public:
    static constexpr uid_t Nobody = 65534;

    TOrdinaryFileRights() : root_(::geteuid() == 0)
    {
        if (root_) {
            ::setfsgid(Nobody);
            ::setfsuid(Nobody);
        }
    }
    ~TOrdinaryFileRights()
    {
        if (root_) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
    }
    TOrdinaryFileRights(const TOrdinaryFileRights&) = delete;
    TOrdinaryFileRights& operator=(const TOrdinaryFileRights&) = delete;

private:
    bool root_;
};

// Why a write fails, as the system says it, and the German cause every
// writer names for it.
struct TFailure {
    const char* name;
    enum TKind { FileSizeLimit, SmallDisk, NoPermission, ReadOnlyMount, MissingFolder } kind;
    const char* cause;
};

inline const TFailure Failures[] = {
    {"file-size limit", TFailure::FileSizeLimit, "Die Datei wird größer, als erlaubt ist"},
    {"full disk", TFailure::SmallDisk, "Kein Speicherplatz mehr auf dem Datenträger"},
    {"no permission", TFailure::NoPermission, "Keine Berechtigung"},
    {"read-only file system", TFailure::ReadOnlyMount, "Das Dateisystem ist schreibgeschützt"},
    {"missing folder", TFailure::MissingFolder, "Den Ordner gibt es nicht"},
};

// The process's own mount namespace, in which a test may mount file systems
// that no one else sees and that go with the process. Only a process
// without threads may take one: call it before main, from a static
// initializer. False where mounting is not allowed (no root, a container).
inline bool TakePrivateMounts()
{
    static const bool taken =
        ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return taken;
}

// A file system of one page (4 KiB) at folder, made in a private mount
// namespace (see TakePrivateMounts), with a file "name" holding "alt": then
// full, or read-only. Unmounted when the object goes.
class TSmallDisk {
public:
    enum TState { Full, ReadOnly };

    TSmallDisk(const std::filesystem::path& folder, const std::string& name, TState state) : folder_(folder)
    {
        std::filesystem::create_directories(folder);
        if (!TakePrivateMounts() || ::mount("fluvara-test", folder.c_str(), "tmpfs", 0, "size=4k,mode=0755") != 0)
            return;
        mounted_ = true;
        if (std::FILE* old = std::fopen((folder / name).c_str(), "wb")) {
            std::fputs("alt", old);
            std::fclose(old);
        }
        if (state == ReadOnly && ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
            ::umount2(folder.c_str(), MNT_DETACH);
            mounted_ = false;
        }
    }
    ~TSmallDisk()
    {
        if (mounted_)
            ::umount2(folder_.c_str(), MNT_DETACH);
    }
    TSmallDisk(const TSmallDisk&) = delete;
    TSmallDisk& operator=(const TSmallDisk&) = delete;

    bool Mounted() const { return mounted_; }

private:
    std::filesystem::path folder_;
    bool mounted_ = false;
};

}  // namespace fluvara
