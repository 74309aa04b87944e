#pragma once
// The reach list window: the circular reaches and the channel reaches of a
// project as two editable tables, calculated as they are typed, saved as a
// project, exchanged with spreadsheets, printed as a table report. The list
// itself is its document, the editing its editor; the window shows them.

#include "PageReach.h"
#include "ReachListDocument.h"
#include "ReachListEditor.h"
#include "ReachListProgress.h"
#include "ReachTableModel.h"

#include "listreport.h"

#include <QMainWindow>
#include <QPersistentModelIndex>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QTabWidget;
class QTableView;

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

    TReachListDocument& Document() const { return *document_; }
    TReachListEditor& Editor() const { return *editor_; }
    TReachTableModel& Model(TReachKind kind) const { return document_->Model(kind); }
    QTableView* View(TReachKind kind) const;
    TReachKind CurrentKind() const;
    void ShowList(TReachKind kind);
    QUndoStack& UndoStack() { return document_->UndoStack(); }
    const QString& FilePath() const { return document_->FilePath(); }
    bool IsModified() const { return document_->IsModified(); }

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
    // The list in front; the CSV files and the report of several lists
    // (both when both have rows and the user chooses so).
    bool ExportCsv(const QString& path) const;
    bool ExportCsv(const QString& path, const std::vector<TReachKind>& kinds) const;
    bool ExportXlsx(const QString& path) const;
    bool SavePdf(const QString& path);
    bool SavePdf(const QString& path, const std::vector<TReachKind>& kinds);
    // Asks whether the changes are to be saved; false when the user cancels.
    bool MaybeSave();

    // The recovery copy of unsaved changes: written a few seconds after the
    // first of them, removed when the list is saved or the changes are given
    // up. A copy left by a crash stays until it has been offered.
    static QString RecoveryPath() { return TReachListDocument::RecoveryPath(); }
    static bool RecoveryCopyWaiting() { return TReachListDocument::RecoveryCopyWaiting(); }
    // The project file opened or saved last, in this run or an earlier one;
    // empty when there is none.
    static QString LastProjectFile() { return TReachListDocument::LastProjectFile(); }
    // Offers the copy left by a crash; true when it was taken: then the list
    // is that of the copy, named as the file it was changed from, unsaved.
    bool OfferRecoveryCopy();
    void WriteRecoveryCopy() { document_->WriteRecoveryCopy(); }
    void SetRecoveryDelay(int milliseconds) { document_->SetRecoveryDelay(milliseconds); }
    // How long a load, save, import, export or calculation runs before its
    // progress dialog ("ProgressDialog", with "ProgressCancel") shows.
    void SetProgressDelay(int milliseconds) { progress_.SetDelay(milliseconds); }

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
    void ShowMessage(const QString& text, int timeout = 0);
    void SetDecimalPoint(bool point);
    void ShowCell(TReachKind kind, int row, int column);

    // editing (ReachListSelection.cpp)
    TReachFilterModel& Filter(TReachKind kind) const;
    QModelIndexList SelectedCells() const;  // of the list in front, as shown
    std::vector<int> SelectedRows() const;  // rows of the model, ascending
    int CurrentRow() const;                 // row of the model, -1 for none
    void SelectRows(TRowRange rows);
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
    QString Choose(TFileQuestion question, const QString& suggestion);
    void OpenChosen();
    bool Save();
    bool SaveAs();
    void ImportChosen();
    void ExportCsvChosen();
    void ExportXlsxChosen();
    void PrintList();
    void PdfChosen();
    void Render(QPrinter& printer, const std::vector<TReachKind>& kinds) const;
    TListReportFrame ReportFrame(TReachKind kind) const;
    TListTable ReportTable(TReachKind kind) const;
    // Which lists go into a file or the report: asked when both have rows; none when cancelled.
    std::vector<TReachKind> ChooseLists(const QString& what);
    // Where the file dialogs start: beside the project, else in the folder used last.
    QString Folder() const;
    QString Suggested(const QString& extension) const;
    void Remember(const QString& chosen) const;
    void FillRecentMenu();
    void Warn(const QString& text) const;

    TReachListDocument* document_ = nullptr;  // the window's child, as is the editor
    TReachListEditor* editor_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableView* circleView_ = nullptr;
    QTableView* channelView_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    // The window's commands, each made once in CreateActions and used by name in the code.
    struct TActions {
        QAction *newFile, *open, *save, *saveAs, *importCsv, *exportCsv, *exportXlsx, *print, *pdf, *close;
        QAction *undo, *redo, *copy, *paste, *clearCells, *appendRow, *insertRow, *deleteRows, *duplicateRows;
        QAction *moveUp, *moveDown, *problemsOnly, *unsort, *decimalPoint, *toPage, *fromPage;
    } actions_{};
    // The row last sent to a page, to which "Von Seite übernehmen" writes back.
    struct TPageOrigin {
        TReachKind kind;
        QPersistentModelIndex row;  // of the list's model
        bool confirmed;             // the user chose to update it
    };
    std::optional<TPageOrigin> pageOrigin_;
    std::optional<std::pair<TReachKind, int>> refusedRow_;  // whose refusal the status line shows
    QString headerLine_;
    TFileChooser chooseFile_;
    TPageInputs pageInputs_;
    TPrintService& printing_;
    TListProgressDialog progress_{this};
};

}  // namespace fluvara
