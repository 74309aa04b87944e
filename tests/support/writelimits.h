#pragma once
// Conditions under which a write cannot finish, for the time an object
// lives: a full disk, a folder the user may not write into.

#include <csignal>
#include <sys/fsuid.h>
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

}  // namespace fluvara
