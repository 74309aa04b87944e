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
#include <sstream>

namespace fluvara {

namespace {

constexpr int RecentFileCount = 6;
const char* const RecentKey = "Haltungsliste/ZuletztGeoeffnet";
constexpr int DefaultRecoveryDelay = 3000;  // ms after the first unsaved change

// The whole file, or a message saying why not.
std::string ReadWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TInputError("Die Datei kann nicht geöffnet werden: " + file.errorString().toStdString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TInputError("Die Datei kann nicht gelesen werden: " + file.errorString().toStdString());
    return bytes.toStdString();
}

// The file whole or not at all: a crash or a full disk leaves the old one.
void WriteWhole(const QString& path, const std::string& bytes)
{
    WriteWholeFile(path, QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QString Text(const std::exception& e) { return QString::fromUtf8(e.what()); }

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
    return project;
}

void TReachListDocument::TakeProject(TProject project, const QString& path)
{
    saved_ = project;
    series_ = project.series;
    circles_->SetOptions(project.Options());
    channels_->SetOptions(project.Options());
    circles_->ReplaceList(std::move(project.circle));
    channels_->ReplaceList(std::move(project.channel));
    undo_.clear();
    path_ = path;
    emit FileChanged();
}

void TReachListDocument::New()
{
    TakeProject(TProject{}, QString());
    RemoveRecoveryCopy();
}

void TReachListDocument::Revert()
{
    TakeProject(saved_, path_);
    RemoveRecoveryCopy();
}

bool TReachListDocument::Open(const QString& path)
{
    try {
        TakeProject(ReadProject(ReadWhole(path)), QFileInfo(path).absoluteFilePath());
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
    TProject project = Project();
    try {
        WriteWhole(path, ProjectText(project));
    } catch (const std::exception& e) {
        emit Warning(QString("Das Projekt „%1“ kann nicht gespeichert werden:\n%2")
                         .arg(QDir::toNativeSeparators(path), Text(e)));
        return false;
    }
    path_ = QFileInfo(path).absoluteFilePath();
    saved_ = std::move(project);
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
    try {
        if (const auto format = WorkbookFormatOfPath(path.toStdString())) {
            lists = ReadWorkbookLists(LocalPath(path), *format);
        } else {
            std::istringstream in(ReadWhole(path));
            lists.push_back(ReadCsvList(in));
        }
    } catch (const std::exception& e) {
        emit Warning(QString("„%1“ kann nicht eingelesen werden:\n%2").arg(QDir::toNativeSeparators(path), Text(e)));
        return std::nullopt;
    }
    // A workbook with both lists is imported as one step.
    auto* import = new QUndoCommand("Importieren");
    QStringList warnings;
    for (TReachList& list : lists) {
        for (const std::string& warning : list.layout.warnings)
            warnings << QString::fromStdString(warning);
        new TReplaceListCommand(Model(list.Kind()), std::move(list), "Importieren", import);
    }
    const TReachKind kind = lists.front().Kind();
    undo_.push(import);
    emit Imported(kind);
    QStringList told;
    for (const TReachList& list : lists) {
        const TListCount count = CountOutcomes(Model(list.Kind()).Outcomes());
        told << QString("%1%2 Zeilen eingelesen, davon %3 abgelehnt")
                    .arg(lists.size() > 1 ? QString("%1: ").arg(SheetName(list.Kind())) : QString())
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
        WriteWhole(path, CsvText(model.List(), model.Outcomes(), GermanCsv));
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
        const std::vector<TWorkbookSheet> sheets{{&circles_->List(), &circles_->Outcomes()},
                                                 {&channels_->List(), &channels_->Outcomes()}};
        WriteWorkbook(LocalPath(path), sheets);
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
