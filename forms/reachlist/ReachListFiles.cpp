// The files of the reach list window: projects, CSV and Excel, the recently
// opened files and the recovery copy.
#include "ReachListWindow.h"

#include "ReachCommands.h"
#include "ReachFilterModel.h"

#include "project.h"
#include "workbook.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSaveFile>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

#include <exception>
#include <sstream>

namespace fluvara {

namespace {

constexpr int RecentFileCount = 6;
const char* const RecentKey = "Haltungsliste/ZuletztGeoeffnet";

QSettings Store() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "ko_lut", "fluvara"); }

QString FileFilter(TFileQuestion question)
{
    switch (question) {
    case TFileQuestion::OpenProject:
    case TFileQuestion::SaveProject:
        return "FLUVARA-Projekte (*.fluvara)";
    case TFileQuestion::ImportCsv:
    case TFileQuestion::ExportCsv:
        return "CSV-Dateien (*.csv);;Alle Dateien (*)";
    case TFileQuestion::ExportXlsx:
        return "Excel-Arbeitsmappen (*.xlsx)";
    case TFileQuestion::SavePdf:
        return "PDF-Dateien (*.pdf)";
    }
    return {};
}

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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.commit())
        throw std::runtime_error("Die Datei kann nicht geschrieben werden: " + file.errorString().toStdString());
}

QString Text(const std::exception& e) { return QString::fromUtf8(e.what()); }

}  // namespace

QString TReachListWindow::RecoveryPath()
{
    // Beside the settings, in the user's own folder, which may not exist yet.
    const QString folder = QFileInfo(Store().fileName()).absolutePath();
    QDir().mkpath(folder);
    return folder + "/haltungsliste-wiederherstellung.fluvara";
}

bool TReachListWindow::RecoveryCopyWaiting() { return QFileInfo::exists(RecoveryPath()); }

QString TReachListWindow::LastProjectFile() { return Store().value(RecentKey).toStringList().value(0); }

void TReachListWindow::Warn(const QString& text) const
{
    QMessageBox box(QMessageBox::Warning, "Haltungsliste", text, QMessageBox::Ok, const_cast<TReachListWindow*>(this));
    box.setObjectName("ListMessage");
    box.exec();
}

QString TReachListWindow::Choose(TFileQuestion question, const QString& suggestion)
{
    if (chooseFile_)
        return chooseFile_(question, suggestion);
    const bool open = question == TFileQuestion::OpenProject || question == TFileQuestion::ImportCsv;
    return open ? QFileDialog::getOpenFileName(this, "Datei öffnen", suggestion, FileFilter(question))
                : QFileDialog::getSaveFileName(this, "Datei speichern", suggestion, FileFilter(question));
}

bool TReachListWindow::MaybeSave()
{
    if (!IsModified())
        return true;
    QMessageBox box(QMessageBox::Question, "Haltungsliste",
                    "Die Haltungsliste wurde geändert.\nSollen die Änderungen gespeichert werden?",
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName("SaveQuestion");
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Save();
    case QMessageBox::Discard:
        RemoveRecoveryCopy();
        return true;
    default:
        return false;
    }
}

TProject TReachListWindow::Project() const
{
    TProject project;
    project.circle = circles_->List();
    project.channel = channels_->List();
    project.series = series_;
    return project;
}

void TReachListWindow::TakeProject(TProject project, const QString& path)
{
    series_ = project.series;
    circles_->SetOptions(project.Options());
    channels_->SetOptions(project.Options());
    circles_->ReplaceList(std::move(project.circle));
    channels_->ReplaceList(std::move(project.channel));
    undo_.clear();
    path_ = path;
    UpdateTitle();
    UpdateActions();
}

bool TReachListWindow::NewProject()
{
    if (!MaybeSave())
        return false;
    TakeProject(TProject{}, QString());
    RemoveRecoveryCopy();
    return true;
}

void TReachListWindow::OpenChosen()
{
    if (!MaybeSave())
        return;
    const QString path = Choose(TFileQuestion::OpenProject, QFileInfo(path_).absolutePath());
    if (!path.isEmpty())
        OpenProject(path);
}

bool TReachListWindow::OpenProject(const QString& path)
{
    try {
        TakeProject(ReadProject(ReadWhole(path)), QFileInfo(path).absoluteFilePath());
    } catch (const std::exception& e) {
        Warn(QString("Das Projekt „%1“ kann nicht geöffnet werden:\n%2").arg(QDir::toNativeSeparators(path), Text(e)));
        return false;
    }
    RemoveRecoveryCopy();
    AddRecentFile(path_);
    statusBar()->showMessage(QString("%1 geöffnet").arg(QFileInfo(path_).fileName()), 5000);
    return true;
}

bool TReachListWindow::SaveProject(const QString& path)
{
    try {
        WriteWhole(path, ProjectText(Project()));
    } catch (const std::exception& e) {
        Warn(QString("Das Projekt „%1“ kann nicht gespeichert werden:\n%2")
                 .arg(QDir::toNativeSeparators(path), Text(e)));
        return false;
    }
    path_ = QFileInfo(path).absoluteFilePath();
    undo_.setClean();
    RemoveRecoveryCopy();
    AddRecentFile(path_);
    UpdateTitle();
    statusBar()->showMessage(QString("%1 gespeichert").arg(QFileInfo(path_).fileName()), 5000);
    return true;
}

bool TReachListWindow::Save() { return path_.isEmpty() ? SaveAs() : SaveProject(path_); }

bool TReachListWindow::SaveAs()
{
    QString path = Choose(TFileQuestion::SaveProject, path_.isEmpty() ? QString("Haltungsliste.fluvara") : path_);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += ".fluvara";
    return SaveProject(path);
}

void TReachListWindow::ImportChosen()
{
    const QString path = Choose(TFileQuestion::ImportCsv, QFileInfo(path_).absolutePath());
    if (!path.isEmpty())
        ImportCsv(path);
}

bool TReachListWindow::ImportCsv(const QString& path)
{
    TReachList list;
    try {
        std::istringstream in(ReadWhole(path));
        list = ReadCsvList(in);
    } catch (const std::exception& e) {
        Warn(QString("„%1“ kann nicht eingelesen werden:\n%2").arg(QDir::toNativeSeparators(path), Text(e)));
        return false;
    }
    const TReachKind kind = list.Kind();
    undo_.push(new TReplaceListCommand(Model(kind), std::move(list), "CSV importieren"));
    ShowList(kind);
    const TListCount count = CountOutcomes(Model(kind).Outcomes());
    statusBar()->showMessage(QString("%1 Zeilen eingelesen, davon %2 abgelehnt")
                                 .arg(static_cast<qulonglong>(count.calculated + count.refused))
                                 .arg(static_cast<qulonglong>(count.refused)));
    return true;
}

void TReachListWindow::ExportCsvChosen()
{
    const QString path = Choose(TFileQuestion::ExportCsv, QFileInfo(path_).completeBaseName() + ".csv");
    if (!path.isEmpty())
        ExportCsv(path);
}

bool TReachListWindow::ExportCsv(const QString& path) const
{
    const TReachTableModel& model = Model(CurrentKind());
    try {
        WriteWhole(path, CsvText(model.List(), model.Outcomes(), GermanCsv));
    } catch (const std::exception& e) {
        Warn(QString("„%1“ kann nicht geschrieben werden:\n%2").arg(QDir::toNativeSeparators(path), Text(e)));
        return false;
    }
    return true;
}

void TReachListWindow::ExportXlsxChosen()
{
    const QString path = Choose(TFileQuestion::ExportXlsx, QFileInfo(path_).completeBaseName() + ".xlsx");
    if (!path.isEmpty())
        ExportXlsx(path);
}

bool TReachListWindow::ExportXlsx(const QString& path) const
{
    try {
        const std::vector<TWorkbookSheet> sheets{{&circles_->List(), &circles_->Outcomes()},
                                                 {&channels_->List(), &channels_->Outcomes()}};
        WriteWorkbook(std::filesystem::path(QFile::encodeName(path).toStdString()), sheets);
    } catch (const std::exception& e) {
        Warn(QString("„%1“ kann nicht geschrieben werden:\n%2").arg(QDir::toNativeSeparators(path), Text(e)));
        return false;
    }
    return true;
}

void TReachListWindow::AddRecentFile(const QString& path)
{
    QSettings store = Store();
    QStringList files = store.value(RecentKey).toStringList();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > RecentFileCount)
        files.removeLast();
    store.setValue(RecentKey, files);
}

void TReachListWindow::FillRecentMenu()
{
    recentMenu_->clear();
    const QStringList files = Store().value(RecentKey).toStringList();
    for (int i = 0; i < files.size(); ++i) {
        QAction* action = recentMenu_->addAction(
            QString("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(files[i]).replace("&", "&&")));
        const QString file = files[i];
        connect(action, &QAction::triggered, this, [this, file] {
            if (MaybeSave())
                OpenProject(file);
        });
    }
    if (files.isEmpty())
        recentMenu_->addAction("(keine)")->setEnabled(false);
}

void TReachListWindow::WriteRecoveryCopy()
{
    if (!recoveryLock_ || !IsModified())
        return;
    try {
        WriteWhole(RecoveryPath(), ProjectText(Project()));
    } catch (const std::exception& e) {
        statusBar()->showMessage(QString("Die Sicherungskopie kann nicht geschrieben werden: %1").arg(Text(e)));
    }
}

void TReachListWindow::RemoveRecoveryCopy()
{
    recoveryTimer_->stop();
    if (recoveryLock_)
        QFile::remove(RecoveryPath());
}

bool TReachListWindow::OfferRecoveryCopy()
{
    if (!recoveryLock_ || !RecoveryCopyWaiting())
        return false;
    QMessageBox box(QMessageBox::Question, "Haltungsliste",
                    "Beim letzten Mal wurde das Programm beendet, ohne dass die Änderungen an der Haltungsliste "
                    "gespeichert waren.\nSoll die Sicherungskopie wiederhergestellt werden?",
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName("RecoveryQuestion");
    box.setDefaultButton(QMessageBox::Yes);
    if (box.exec() != QMessageBox::Yes) {
        QFile::remove(RecoveryPath());
        return false;
    }
    TProject project;
    try {
        project = ReadProject(ReadWhole(RecoveryPath()));
    } catch (const std::exception& e) {
        Warn(QString("Die Sicherungskopie kann nicht gelesen werden:\n%1").arg(Text(e)));
        return false;
    }
    TProject empty;
    empty.series = project.series;
    TakeProject(std::move(empty), QString());
    // Restored as changes of an unnamed list, so that closing asks to save them.
    undo_.push(new TReplaceListCommand(*circles_, std::move(project.circle), "Wiederherstellen"));
    undo_.push(new TReplaceListCommand(*channels_, std::move(project.channel), "Wiederherstellen"));
    return true;
}

}  // namespace fluvara
