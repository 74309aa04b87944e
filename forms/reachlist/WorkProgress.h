#pragma once
// Long work of the list's document (a load, a save, an import, an export,
// the calculation of a whole list) told to whoever shows it, and cancelled
// there. The window shows it in a progress dialog; a document without a
// window runs its work to the end.

#include "progress.h"

#include <QString>

#include <cstdint>

namespace fluvara {

class TWorkProgress {
public:
    virtual ~TWorkProgress() = default;
    // A piece of work begins under a title ("Projekt öffnen").
    virtual void Begin(const QString& title) = 0;
    // How far its present step ("„netz.fluvara“ wird gelesen …") is; false
    // when the user has cancelled the work.
    virtual bool Step(const QString& label, std::uint64_t done, std::uint64_t total) = 0;
    virtual void End() = 0;
};

// While it lives, a piece of work of the progress, which may be null.
class TWork {
public:
    TWork(TWorkProgress* progress, const QString& title) : progress_(progress)
    {
        if (progress_)
            progress_->Begin(title);
    }
    ~TWork()
    {
        if (progress_)
            progress_->End();
    }
    TWork(const TWork&) = delete;
    TWork& operator=(const TWork&) = delete;

    // The hook of the readers, writers and calculations for a step under label.
    TProgressHook Hook(const QString& label) const
    {
        if (!progress_)
            return {};
        return [progress = progress_, label](std::uint64_t done, std::uint64_t total) {
            return progress->Step(label, done, total);
        };
    }

private:
    TWorkProgress* progress_;
};

}  // namespace fluvara
