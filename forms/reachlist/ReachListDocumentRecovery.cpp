// The recovery copy of the reach list: unsaved changes written beside the
// settings a few seconds after the first of them, offered at the next start
// when the program ended without saving them.
#include "ReachListDocument.h"

#include "ReachCommands.h"

#include "project.h"
#include "usersettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTimer>

#include <exception>
#include <filesystem>

namespace fluvara {

namespace {

// The project file whose changes the copy holds; missing for an unnamed list.
const char* const RecoveryFileKey = "Haltungsliste/SicherungskopieVon";

std::filesystem::path NativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

QString TReachListDocument::RecoveryPath()
{
    // Beside the settings, in the user's own folder, which may not exist yet.
    return SettingsFolder() + "/haltungsliste-wiederherstellung.fluvara";
}

bool TReachListDocument::RecoveryCopyWaiting() { return QFileInfo(RecoveryPath()).isFile(); }

void TReachListDocument::SetRecoveryDelay(int milliseconds) { recoveryTimer_->setInterval(milliseconds); }

void TReachListDocument::LockRecoveryCopy()
{
    // A second running program leaves the recovery copy to the first. A lock
    // that is no file (a pipe in its place) would stop the program reading it.
    const QString lock = RecoveryPath() + ".lock";
    if (!PlainFileOrMissing(lock))
        return;
    QDir().mkpath(SettingsFolder());
    recoveryLock_ = std::make_unique<QLockFile>(lock);
    recoveryLock_->setStaleLockTime(0);
    if (!recoveryLock_->tryLock(0)) {
        recoveryLock_.reset();
        return;
    }
    // A copy left by a crash stays as it is until it has been offered.
    recoveryWaiting_ = RecoveryCopyWaiting();
}

void TReachListDocument::ScheduleRecoveryCopy()
{
    // Started by the first unsaved change and not again by the next ones, so
    // that a user who keeps on editing has a copy all the same.
    if (!IsModified())
        RemoveRecoveryCopy();  // undone back to the saved list
    else if (!recoveryTimer_->isActive())
        recoveryTimer_->start();
}

void TReachListDocument::WriteRecoveryCopy()
{
    if (!recoveryLock_ || recoveryWaiting_ || !IsModified())
        return;
    const QString failed = "Die Sicherungskopie kann nicht geschrieben werden: %1";
    if (recoveryRecorded_ != path_) {
        // Recorded before the copy is written: a copy never names another
        // list's file, so without the record there is no copy.
        QString problem;
        if (!(path_.isEmpty() ? RemoveSetting(RecoveryFileKey, &problem)
                              : WriteSetting(RecoveryFileKey, path_, &problem))) {
            emit Told(failed.arg(problem), 0);
            return;
        }
        recoveryRecorded_ = path_;
    }
    try {
        QDir().mkpath(SettingsFolder());
        fluvara::SaveProject(NativePath(RecoveryPath()), View());
    } catch (const std::exception& e) {
        emit Told(failed.arg(QString::fromUtf8(e.what())), 0);
    }
}

void TReachListDocument::RemoveRecoveryCopy()
{
    recoveryTimer_->stop();
    if (!recoveryLock_ || recoveryWaiting_)
        return;
    QFile::remove(RecoveryPath());
    if (recoveryRecorded_ && RemoveSetting(RecoveryFileKey))
        recoveryRecorded_.reset();
}

std::optional<QString> TReachListDocument::RecoveryOffer()
{
    if (!recoveryLock_ || !recoveryWaiting_ || !RecoveryCopyWaiting())
        return std::nullopt;
    // Read before it is offered: a copy that cannot be read is no choice.
    try {
        const TDocumentWork work(*this, "Sicherungskopie lesen");
        recoveryCopy_ = LoadProject(NativePath(RecoveryPath()),
                                    {work.Hook("Die Sicherungskopie wird gelesen …"), ListMemoryBound()});
    } catch (const TCancelled&) {
        return std::nullopt;  // offered again at the next start
    } catch (const std::exception& e) {
        recoveryWaiting_ = false;
        emit Warning(QString("Die Sicherungskopie kann nicht gelesen werden:\n%1").arg(QString::fromUtf8(e.what())));
        return std::nullopt;
    }
    // Settings that cannot be read name no file: the copy comes back unnamed.
    const QString file = ReadSetting(RecoveryFileKey).toString();
    recoveryRecorded_ = file;
    return file;
}

void TReachListDocument::DeclineRecoveryCopy()
{
    recoveryCopy_.reset();
    recoveryWaiting_ = false;
    RemoveRecoveryCopy();
}

bool TReachListDocument::RestoreRecoveryCopy()
{
    if (!recoveryCopy_ || !recoveryRecorded_)
        return false;
    TProject copy = std::move(*recoveryCopy_);
    recoveryCopy_.reset();
    const QString file = *recoveryRecorded_;
    // The changes are restored on top of the file as it was saved, so that
    // saving writes them there and giving them up brings back the saved list.
    TProject saved;
    TOutcomes savedOutcomes, copyOutcomes;
    try {
        const TDocumentWork work(*this, "Sicherungskopie wiederherstellen");
        if (!file.isEmpty() && QFileInfo(file).isFile()) {
            try {
                saved = LoadProject(
                    NativePath(file),
                    {work.Hook(QString("„%1“ wird gelesen …").arg(QFileInfo(file).fileName())), ListMemoryBound()});
            } catch (const TCancelled&) {
                throw;
            } catch (const std::exception&) {
                saved = TProject{};  // the copy holds the whole list all the same
            }
        }
        savedOutcomes = Calculate(saved, work);
        copyOutcomes = Calculate(copy, work);
    } catch (const TCancelled&) {
        // The copy stays and is offered again at the next start.
        emit Told("Wiederherstellen abgebrochen; die Sicherungskopie bleibt erhalten", 5000);
        return false;
    }
    TakeProject(std::move(saved), std::move(savedOutcomes), file);
    // The copy's rows were calculated with its own series, which a save writes.
    series_ = copy.series;
    circles_->SetOptions(copy.Options());
    channels_->SetOptions(copy.Options());
    undo_.push(
        new TReplaceListCommand(*circles_, std::move(copy.circle), std::move(copyOutcomes.circle), "Wiederherstellen"));
    undo_.push(new TReplaceListCommand(*channels_, std::move(copy.channel), std::move(copyOutcomes.channel),
                                       "Wiederherstellen"));
    recoveryWaiting_ = false;  // from now on the copy is this run's own
    return true;
}

}  // namespace fluvara
