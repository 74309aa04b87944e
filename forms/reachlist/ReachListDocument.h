#pragma once
// The reach list as a document, without any window: the circular and the
// channel reaches as table models, their undo stack, the project file and
// whether it is saved, the recovery copy of unsaved changes and the recently
// opened files. What goes wrong is told by Warning and Told, never shown here.

#include "project.h"
#include "ReachTableModel.h"
#include "WorkProgress.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUndoStack>

#include <memory>
#include <optional>

class QLockFile;
class QTimer;

namespace fluvara {

class TReachListDocument : public QObject {
    Q_OBJECT
public:
    explicit TReachListDocument(QObject* parent = nullptr);
    ~TReachListDocument() override;

    TReachTableModel& Model(TReachKind kind) const;
    QUndoStack& UndoStack() { return undo_; }
    const QString& FilePath() const { return path_; }
    bool IsModified() const { return !undo_.isClean(); }
    // The file's name, "Unbenannt" for a list never saved.
    QString FileName() const;
    TProject Project() const;
    // The lists as they are written, without a copy.
    TProjectView View() const { return {circles_->List(), channels_->List(), series_, network_, networkSettings_}; }

    // Where long work is told and may be cancelled (null: nowhere). A
    // cancelled load or import leaves the list as it was, a cancelled save or
    // export the old file.
    void SetProgress(TWorkProgress* progress) { progress_ = progress; }

    // The files, each with its messages; false when nothing was done.
    void New();
    bool Open(const QString& path);
    bool Save(const QString& path);
    // The kind of list the file held, which now has its rows; nothing on failure.
    std::optional<TReachKind> ImportCsv(const QString& path);
    bool ExportCsv(const QString& path, TReachKind kind);
    bool ExportXlsx(const QString& path);
    // The changes are given up: the list as last saved or opened, no copy
    // left. Cancelled while the rows are calculated, nothing changes.
    void Revert();

    // The project files opened or saved last, the latest first, in this run
    // or an earlier one.
    static QStringList RecentFiles();
    static QString LastProjectFile() { return RecentFiles().value(0); }

    // The recovery copy of unsaved changes: written a few seconds after the
    // first of them, removed when the list is saved or the changes are given
    // up. A copy left by a crash stays until it has been offered.
    static QString RecoveryPath();
    static bool RecoveryCopyWaiting();
    void SetRecoveryDelay(int milliseconds);
    void WriteRecoveryCopy();
    void RemoveRecoveryCopy();
    // The copy a crash left, read whole, to be offered: the project file it
    // holds the changes of ("" for an unnamed list). Nothing when there is no
    // such copy, or it cannot be read (that is told as a warning).
    std::optional<QString> RecoveryOffer();
    // Takes the copy read by RecoveryOffer: the list is that of the copy,
    // named as the file it was changed from, unsaved.
    bool RestoreRecoveryCopy();
    // The offered copy is not wanted: it goes.
    void DeclineRecoveryCopy();

signals:
    // A warning for the user, and a message for the status line (0: no time limit).
    void Warning(const QString& text);
    void Told(const QString& text, int timeout);
    // Another list was taken (new, opened, restored), or the list was saved under a name.
    void FileChanged();
    // A list was imported, before the message on its rows is told.
    void Imported(TReachKind kind);

private:
    // A piece of long work: told to the progress, the recovery copy waits meanwhile.
    class TDocumentWork : public TWork {
    public:
        TDocumentWork(TReachListDocument& document, const QString& title);
        ~TDocumentWork();

    private:
        TReachListDocument& document_;
        bool recoveryDue_;
    };
    struct TOutcomes {
        std::vector<TReachOutcome> circle, channel;
    };
    // Both lists calculated as a step of the work; throws TCancelled.
    static TOutcomes Calculate(const TProject& project, const TWork& work);
    void TakeProject(TProject project, TOutcomes outcomes, const QString& path);
    // TakeProject, the rows calculated as a piece of work; false when cancelled.
    bool CalculateAndTake(TProject project, const QString& path, const QString& title);
    void AddRecentFile(const QString& path);
    void LockRecoveryCopy();
    void ScheduleRecoveryCopy();

    QUndoStack undo_;
    std::unique_ptr<TReachTableModel> circles_;
    std::unique_ptr<TReachTableModel> channels_;
    QString path_;
    TProject saved_;                        // the list as last saved or opened
    std::optional<TNominalSeries> series_;  // of the project, kept as it was opened
    // A network this window does not show goes back into the file as it came.
    TReachList network_ = EmptyList(TReachKind::Network);
    TNetworkSettings networkSettings_;
    QTimer* recoveryTimer_ = nullptr;
    std::unique_ptr<QLockFile> recoveryLock_;
    bool recoveryWaiting_ = false;             // a crash's copy, not yet offered
    std::optional<QString> recoveryRecorded_;  // the file the settings name for the copy
    std::optional<TProject> recoveryCopy_;     // the crash's copy, read to be offered
    TWorkProgress* progress_ = nullptr;
};

}  // namespace fluvara
