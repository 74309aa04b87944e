#pragma once
// The reach list window: the circular reaches and the channel reaches of a
// project as two editable tables, calculated as they are typed, saved as a
// project, exchanged with spreadsheets, printed as a table report.

#include "PageReach.h"
#include "project.h"
#include "ReachTableModel.h"

#include <QMainWindow>
#include <QString>
#include <QUndoStack>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QLockFile;
class QMenu;
class QPrinter;
class QTabWidget;
class QTableView;
class QTimer;

namespace fluvara {

class TPrintService;
class TReachFilterModel;

// What a file dialog is asked for.
enum class TFileQuestion { OpenProject, SaveProject, ImportCsv, ExportCsv, ExportXlsx, SavePdf };

class TReachListWindow : public QMainWindow {
    Q_OBJECT
public:
    // The list prints on the run's printer of printing, which outlives the window.
    explicit TReachListWindow(TPrintService& printing, QWidget* parent = nullptr);
    ~TReachListWindow() override;

    TReachTableModel& Model(TReachKind kind) const;
    QTableView* View(TReachKind kind) const;
    TReachKind CurrentKind() const;
    void ShowList(TReachKind kind);
    QUndoStack& UndoStack() { return undo_; }
    const QString& FilePath() const { return path_; }
    bool IsModified() const { return !undo_.isClean(); }

    // Test seams and wiring: the file dialogs, the header line of the
    // printouts, the inputs of the page in front.
    using TFileChooser = std::function<QString(TFileQuestion, const QString& suggestion)>;
    void SetFileChooser(TFileChooser chooser) { chooseFile_ = std::move(chooser); }
    void SetHeaderLine(const QString& text) { headerLine_ = text; }
    const QString& HeaderLine() const { return headerLine_; }
    using TPageInputs = std::function<std::optional<TPageReach>()>;
    void SetPageInputs(TPageInputs inputs);

    // The files, each with its messages; false when nothing was done.
    bool NewProject();
    bool OpenProject(const QString& path);
    bool SaveProject(const QString& path);
    bool ImportCsv(const QString& path);
    bool ExportCsv(const QString& path) const;
    bool ExportXlsx(const QString& path) const;
    bool SavePdf(const QString& path);
    // Asks whether the changes are to be saved; false when the user cancels.
    bool MaybeSave();

    // The recovery copy of unsaved changes: written a few seconds after the
    // first of them, removed when the list is saved or the changes are given
    // up. A copy left by a crash stays until it has been offered.
    static QString RecoveryPath();
    static bool RecoveryCopyWaiting();
    // The project file opened or saved last, in this run or an earlier one;
    // empty when there is none.
    static QString LastProjectFile();
    // Offers the copy left by a crash; true when it was taken: then the list
    // is that of the copy, named as the file it was changed from, unsaved.
    bool OfferRecoveryCopy();
    void WriteRecoveryCopy();
    void SetRecoveryDelay(int milliseconds);

    // A new row with a reach's inputs, shown and selected.
    void AddReach(const TPageReach& reach);

signals:
    // "Zum Nachweis": the selected reach goes into its page.
    void ReachToPage(const TPageReach& reach);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    QAction* Action(const char* name, const QString& text, const QKeySequence& key = {});
    void UpdateTitle();
    void UpdateActions();
    void ShowCellMessage();
    void RowRecalculated(TReachKind kind, int row);
    void Changed();

    // editing (ReachListEdit.cpp)
    TReachFilterModel& Filter(TReachKind kind) const;
    std::vector<int> SelectedRows() const;  // rows of the model, ascending
    int CurrentRow() const;                 // row of the model, -1 for none
    void SelectRows(int first, int count);
    void CopyCells();
    void PasteCells();
    void ClearCells();
    void AppendRow();
    void InsertRow();
    void DeleteRows();
    void DuplicateRows();
    void MoveRows(int delta);
    void SetProblemsOnly(bool only);
    void Unsort();
    void ToPage();
    void FromPage();

    // files (ReachListFiles.cpp)
    enum class TSaveAnswer { NothingToSave, Saved, Discarded, Cancelled };
    TSaveAnswer AskToSave();
    void RevertToSaved();
    QString Choose(TFileQuestion question, const QString& suggestion);
    void OpenChosen();
    bool Save();
    bool SaveAs();
    void ImportChosen();
    void ExportCsvChosen();
    void ExportXlsxChosen();
    void PrintList();
    void PdfChosen();
    void Render(QPrinter& printer) const;
    TProject Project() const;
    void TakeProject(TProject project, const QString& path);
    void AddRecentFile(const QString& path);
    void FillRecentMenu();

    // recovery copy (ReachListRecovery.cpp)
    void LockRecoveryCopy();
    void ScheduleRecoveryCopy();
    void RemoveRecoveryCopy();
    void Warn(const QString& text) const;

    QUndoStack undo_;
    std::unique_ptr<TReachTableModel> circles_;
    std::unique_ptr<TReachTableModel> channels_;
    TReachFilterModel* circleFilter_ = nullptr;
    TReachFilterModel* channelFilter_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableView* circleView_ = nullptr;
    QTableView* channelView_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    // The window's commands, each made once in CreateActions and used by name in the code.
    struct TActions {
        QAction *newFile, *open, *save, *saveAs, *importCsv, *exportCsv, *exportXlsx, *print, *pdf, *close;
        QAction *undo, *redo, *copy, *paste, *clearCells, *appendRow, *insertRow, *deleteRows, *duplicateRows;
        QAction *moveUp, *moveDown, *problemsOnly, *unsort, *toPage, *fromPage;
    } actions_{};
    QTimer* recoveryTimer_ = nullptr;
    std::unique_ptr<QLockFile> recoveryLock_;
    bool recoveryWaiting_ = false;             // a crash's copy, not yet offered
    std::optional<QString> recoveryRecorded_;  // the file the settings name for the copy
    QString path_;
    TProject saved_;                        // the list as last saved or opened
    std::optional<TNominalSeries> series_;  // of the project, kept as it was opened
    QString headerLine_;
    TFileChooser chooseFile_;
    TPageInputs pageInputs_;
    TPrintService& printing_;
};

}  // namespace fluvara
