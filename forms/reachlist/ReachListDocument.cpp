// The reach list document's files: projects, CSV and Excel, the recently
// opened files.
#include "ReachListDocument.h"

#include "ReachCommands.h"

#include "printfile.h"
#include "usersettings.h"
#include "workbook.h"
#include "workbookreader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTimer>

#include <exception>

namespace fluvara {

namespace {

constexpr int RecentFileCount = 6;
const char* const RecentKey = "Haltungsliste/ZuletztGeoeffnet";
constexpr int DefaultRecoveryDelay = 3000;  // ms after the first unsaved change

// The file's name as the messages of the work show it.
QString Quoted(const QString& path) { return QString("„%1“").arg(QFileInfo(path).fileName()); }

// What went wrong; of a failed write only the cause, as the warning names the file.
QString Text(const std::exception& e)
{
    if (const auto* write = dynamic_cast<const TWriteError*>(&e))
        return QString::fromStdString(WriteErrorCause(write->Error()));
    return QString::fromUtf8(e.what());
}

}  // namespace

TReachListDocument::TReachListDocument(QObject* parent)
    : QObject(parent),
      circles_(std::make_unique<TReachTableModel>(TReachKind::Circle)),
      channels_(std::make_unique<TReachTableModel>(TReachKind::Channel))
{
    circles_->SetUndoStack(&undo_);
    channels_->SetUndoStack(&undo_);
    recoveryTimer_ = new QTimer(this);
    recoveryTimer_->setObjectName("RecoveryTimer");
    recoveryTimer_->setSingleShot(true);
    recoveryTimer_->setInterval(DefaultRecoveryDelay);
    connect(recoveryTimer_, &QTimer::timeout, this, &TReachListDocument::WriteRecoveryCopy);
    connect(&undo_, &QUndoStack::indexChanged, this, &TReachListDocument::ScheduleRecoveryCopy);
    LockRecoveryCopy();
}

TReachListDocument::~TReachListDocument()
{
    // The stack's last signals reach no half-destroyed document; its
    // commands go before the models they refer to.
    disconnect(&undo_, nullptr, this, nullptr);
    undo_.clear();
}

TReachTableModel& TReachListDocument::Model(TReachKind kind) const
{
    return kind == TReachKind::Circle ? *circles_ : *channels_;
}

QString TReachListDocument::FileName() const
{
    return path_.isEmpty() ? QString("Unbenannt") : QFileInfo(path_).fileName();
}

TProject TReachListDocument::Project() const
{
    TProject project;
    project.circle = circles_->List();
    project.channel = channels_->List();
    project.series = series_;
    project.network = network_;
    project.networkSettings = networkSettings_;
    return project;
}

void TReachListDocument::New()
{
    TakeProject(TProject{}, {}, QString());
    RemoveRecoveryCopy();
}

void TReachListDocument::Revert()
{
    // Undone back to the list as saved, only the changed rows are calculated
    // again; without that way back the saved list is calculated whole.
    if (undo_.cleanIndex() >= 0) {
        undo_.setIndex(undo_.cleanIndex());
        undo_.clear();
        emit FileChanged();
    } else if (!CalculateAndTake(saved_, path_, "Änderungen verwerfen")) {
        return;
    }
    RemoveRecoveryCopy();
}

bool TReachListDocument::Open(const QString& path)
{
    try {
        const TDocumentWork work(*this, "Projekt öffnen");
        TProject project = LoadProject(LocalPath(path),
                                       {work.Hook(QString("%1 wird gelesen …").arg(Quoted(path))), ListMemoryBound()});
        TOutcomes outcomes = Calculate(project, work);
        TakeProject(std::move(project), std::move(outcomes), QFileInfo(path).absoluteFilePath());
    } catch (const TCancelled&) {
        emit Told("Öffnen abgebrochen", 5000);
        return false;
    } catch (const std::exception& e) {
        emit Warning(
            QString("Das Projekt „%1“ kann nicht geöffnet werden:\n%2").arg(QDir::toNativeSeparators(path), Text(e)));
        return false;
    }
    RemoveRecoveryCopy();
    AddRecentFile(path_);
    emit Told(QString("%1 geöffnet").arg(FileName()), 5000);
    return true;
}

bool TReachListDocument::Save(const QString& path)
{
    try {
        const TDocumentWork work(*this, "Projekt speichern");
        SaveProject(LocalPath(path), View(), work.Hook(QString("%1 wird gespeichert …").arg(Quoted(path))));
    } catch (const TCancelled&) {
        emit Told("Speichern abgebrochen; die Datei ist unverändert", 5000);
        return false;
    } catch (const std::exception& e) {
        emit Warning(QString("Das Projekt „%1“ kann nicht gespeichert werden:\n%2")
                         .arg(QDir::toNativeSeparators(path), Text(e)));
        return false;
    }
    path_ = QFileInfo(path).absoluteFilePath();
    saved_ = TProject{};  // the old copy goes before the new one is made
    saved_ = Project();
    undo_.setClean();
    RemoveRecoveryCopy();
    AddRecentFile(path_);
    emit FileChanged();
    emit Told(QString("%1 gespeichert").arg(FileName()), 5000);
    return true;
}

std::optional<TReachKind> TReachListDocument::ImportCsv(const QString& path)
{
    std::vector<TReachList> lists;
    std::vector<std::vector<TReachOutcome>> outcomes;
    try {
        const TDocumentWork work(*this, "Importieren");
        if (const auto format = WorkbookFormatOfPath(path.toStdString()))
            lists = ReadWorkbookLists(LocalPath(path), *format);
        else
            lists.push_back(LoadCsvList(
                LocalPath(path), {work.Hook(QString("%1 wird eingelesen …").arg(Quoted(path))), ListMemoryBound()}));
        for (const TReachList& list : lists) {
            if (list.Kind() == TReachKind::Network)
                throw TInputError("Die Datei ist ein Kanalnetz (Spalten „von“ und „bis“). Ein Netz rechnet "
                                  "fluvara-batch; dieses Fenster zeigt Kreisprofil- und Gerinnelisten.");
            outcomes.push_back(
                CalculateList(list, Model(list.Kind()).Options(), 0, work.Hook("Die Zeilen werden berechnet …")));
        }
    } catch (const TCancelled&) {
        emit Told("Einlesen abgebrochen", 5000);
        return std::nullopt;
    } catch (const std::exception& e) {
        emit Warning(QString("„%1“ kann nicht eingelesen werden:\n%2").arg(QDir::toNativeSeparators(path), Text(e)));
        return std::nullopt;
    }
    // A workbook with both lists is imported as one step.
    auto* import = new QUndoCommand("Importieren");
    QStringList warnings;
    std::vector<TReachKind> kinds;
    for (std::size_t i = 0; i < lists.size(); ++i) {
        for (const std::string& warning : lists[i].layout.warnings)
            warnings << QString::fromStdString(warning);
        kinds.push_back(lists[i].Kind());
        new TReplaceListCommand(Model(kinds.back()), std::move(lists[i]), std::move(outcomes[i]), "Importieren",
                                import);
    }
    const TReachKind kind = kinds.front();
    undo_.push(import);
    emit Imported(kind);
    QStringList told;
    for (const TReachKind listKind : kinds) {
        const TListCount count = CountOutcomes(Model(listKind).Outcomes());
        told << QString("%1%2 Zeilen eingelesen, davon %3 abgelehnt")
                    .arg(kinds.size() > 1 ? QString("%1: ").arg(SheetName(listKind)) : QString())
                    .arg(static_cast<qulonglong>(count.calculated + count.refused))
                    .arg(static_cast<qulonglong>(count.refused));
    }
    emit Told(told.join("; "), 0);
    if (!warnings.isEmpty())
        emit Warning(QString("„%1“ ist eingelesen, aber nicht jede Spalte wurde erkannt:\n\n%2")
                         .arg(QDir::toNativeSeparators(path), warnings.join("\n")));
    return kind;
}

bool TReachListDocument::ExportCsv(const QString& path, TReachKind kind)
{
    const TReachTableModel& model = Model(kind);
    try {
        const TDocumentWork work(*this, "CSV exportieren");
        SaveCsvList(LocalPath(path), model.List(), model.Outcomes(), GermanCsv,
                    work.Hook(QString("%1 wird geschrieben …").arg(Quoted(path))));
    } catch (const TCancelled&) {
        emit Told("Export abgebrochen; die Datei ist unverändert", 5000);
        return false;
    } catch (const std::exception& e) {
        emit Warning(QString("„%1“ kann nicht geschrieben werden:\n%2").arg(QDir::toNativeSeparators(path), Text(e)));
        return false;
    }
    emit Told(QString("%1 geschrieben: %2")
                  .arg(SheetName(kind), QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())),
              0);
    return true;
}

bool TReachListDocument::ExportXlsx(const QString& path)
{
    try {
        const TDocumentWork work(*this, "Excel-Arbeitsmappe exportieren");
        const std::vector<TWorkbookSheet> sheets{{&circles_->List(), &circles_->Outcomes()},
                                                 {&channels_->List(), &channels_->Outcomes()}};
        WriteWorkbook(LocalPath(path), sheets, work.Hook(QString("%1 wird geschrieben …").arg(Quoted(path))));
    } catch (const TCancelled&) {
        emit Told("Export abgebrochen; die Datei ist unverändert", 5000);
        return false;
    } catch (const std::exception& e) {
        emit Warning(QString("„%1“ kann nicht geschrieben werden:\n%2").arg(QDir::toNativeSeparators(path), Text(e)));
        return false;
    }
    emit Told(QString("Arbeitsmappe geschrieben: %1").arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())),
              0);
    return true;
}

QStringList TReachListDocument::RecentFiles() { return ReadSetting(RecentKey).toStringList(); }

void TReachListDocument::AddRecentFile(const QString& path)
{
    QStringList files = RecentFiles();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > RecentFileCount)
        files.removeLast();
    // Settings that cannot be written keep the list as it was: it is a convenience only.
    WriteSetting(RecentKey, files);
}

}  // namespace fluvara
