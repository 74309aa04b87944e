// The long work of the reach list document: a project taken with its rows
// calculated beforehand, so that a cancel leaves the list as it was.
#include "ReachListDocument.h"

#include <QTimer>

namespace fluvara {

TReachListDocument::TDocumentWork::TDocumentWork(TReachListDocument& document, const QString& title)
    : TWork(document.progress_, title), document_(document), recoveryDue_(document.recoveryTimer_->isActive())
{
    // The copy is not written from within the work, whose dialog lets timers run.
    document_.recoveryTimer_->stop();
}

TReachListDocument::TDocumentWork::~TDocumentWork()
{
    if (recoveryDue_ && document_.IsModified())
        document_.recoveryTimer_->start();
}

TReachListDocument::TOutcomes TReachListDocument::Calculate(const TProject& project, const TWork& work)
{
    const TProgressHook hook = work.Hook("Die Zeilen werden berechnet …");
    const std::uint64_t total = project.circle.rows.size() + project.channel.rows.size();
    const auto part = [&hook, total](std::uint64_t before) -> TProgressHook {
        if (!hook)
            return {};
        return [&hook, before, total](std::uint64_t done, std::uint64_t) { return hook(before + done, total); };
    };
    TOutcomes outcomes;
    outcomes.circle = CalculateList(project.circle, project.Options(), 0, part(0));
    outcomes.channel = CalculateList(project.channel, project.Options(), 0, part(project.circle.rows.size()));
    return outcomes;
}

void TReachListDocument::TakeProject(TProject project, TOutcomes outcomes, const QString& path)
{
    saved_ = project;
    series_ = project.series;
    network_ = project.network;
    networkSettings_ = project.networkSettings;
    circles_->SetOptions(project.Options());
    channels_->SetOptions(project.Options());
    circles_->ReplaceList(std::move(project.circle), std::move(outcomes.circle));
    channels_->ReplaceList(std::move(project.channel), std::move(outcomes.channel));
    undo_.clear();
    path_ = path;
    emit FileChanged();
}

bool TReachListDocument::CalculateAndTake(TProject project, const QString& path, const QString& title)
{
    TOutcomes outcomes;
    try {
        const TDocumentWork work(*this, title);
        outcomes = Calculate(project, work);
    } catch (const TCancelled&) {
        emit Told(QString("%1 abgebrochen").arg(title), 5000);
        return false;
    }
    TakeProject(std::move(project), std::move(outcomes), path);
    return true;
}

}  // namespace fluvara
