// The files of the reach list window: projects, CSV and Excel, the recently
// opened files.
#include "ReachListWindow.h"

#include "ReachCommands.h"
#include "ReachFilterModel.h"

#include "printfile.h"
#include "project.h"
#include "usersettings.h"
#include "workbook.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <QTableView>

#include <exception>
#include <sstream>

namespace fluvara {

namespace {

constexpr int RecentFileCount = 6;
const char* const RecentKey = "Haltungsliste/ZuletztGeoeffnet";

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
    WriteWholeFile(path, QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QString Text(const std::exception& e) { return QString::fromUtf8(e.what()); }

}  // namespace

QString TReachListWindow::LastProjectFile() { return ReadSetting(RecentKey).toStringList().value(0); }

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
    const TSaveAnswer answer = AskToSave();
    if (answer == TSaveAnswer::Discarded)
        RemoveRecoveryCopy();
    return answer != TSaveAnswer::Cancelled;
}

TReachListWindow::TSaveAnswer TReachListWindow::AskToSave()
{
    if (!IsModified())
        return TSaveAnswer::NothingToSave;
    QMessageBox box(QMessageBox::Question, "Haltungsliste",
                    "Die Haltungsliste wurde geändert.\nSollen die Änderungen gespeichert werden?",
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName("SaveQuestion");
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Save() ? TSaveAnswer::Saved : TSaveAnswer::Cancelled;
    case QMessageBox::Discard:
        return TSaveAnswer::Discarded;
    default:
        return TSaveAnswer::Cancelled;
    }
}

void TReachListWindow::RevertToSaved()
{
    TakeProject(saved_, path_);
    RemoveRecoveryCopy();
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
    saved_ = project;
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
    TProject project = Project();
    try {
        WriteWhole(path, ProjectText(project));
    } catch (const std::exception& e) {
        Warn(QString("Das Projekt „%1“ kann nicht gespeichert werden:\n%2")
                 .arg(QDir::toNativeSeparators(path), Text(e)));
        return false;
    }
    path_ = QFileInfo(path).absoluteFilePath();
    saved_ = std::move(project);
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
        WriteWorkbook(LocalPath(path), sheets);
    } catch (const std::exception& e) {
        Warn(QString("„%1“ kann nicht geschrieben werden:\n%2").arg(QDir::toNativeSeparators(path), Text(e)));
        return false;
    }
    return true;
}

void TReachListWindow::AddRecentFile(const QString& path)
{
    QStringList files = ReadSetting(RecentKey).toStringList();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > RecentFileCount)
        files.removeLast();
    WriteSetting(RecentKey, files);
}

void TReachListWindow::FillRecentMenu()
{
    recentMenu_->clear();
    const QStringList files = ReadSetting(RecentKey).toStringList();
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

}  // namespace fluvara
