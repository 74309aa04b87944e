// The files of the reach list window: the file dialogs, the questions before
// changes are lost or a recovery copy is taken, the recently opened files.
#include "ReachListWindow.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

#include "usersettings.h"
#include "workbook.h"

namespace fluvara {

namespace {

QString FileFilter(TFileQuestion question)
{
    switch (question) {
    case TFileQuestion::OpenProject:
    case TFileQuestion::SaveProject:
        return "FLUVARA-Projekte (*.fluvara)";
    case TFileQuestion::ImportCsv:
        return "Listen (*.csv *.xlsx *.ods);;CSV-Dateien (*.csv);;Excel-Arbeitsmappen (*.xlsx);;"
               "OpenDocument-Tabellen (*.ods);;Alle Dateien (*)";
    case TFileQuestion::ExportCsv:
        return "CSV-Dateien (*.csv);;Alle Dateien (*)";
    case TFileQuestion::ExportXlsx:
        return "Excel-Arbeitsmappen (*.xlsx)";
    case TFileQuestion::SavePdf:
        return "PDF-Dateien (*.pdf)";
    }
    return {};
}

const char* const FolderKey = "Haltungsliste/Ordner";

// Every button of a question with its Alt letter.
void GiveLetters(QMessageBox& box)
{
    const std::pair<QMessageBox::StandardButton, const char*> texts[] = {{QMessageBox::Ok, "&OK"},
                                                                         {QMessageBox::Save, "&Speichern"},
                                                                         {QMessageBox::Discard, "&Nicht speichern"},
                                                                         {QMessageBox::Cancel, "&Abbrechen"},
                                                                         {QMessageBox::Yes, "&Ja"},
                                                                         {QMessageBox::No, "N&ein"}};
    for (const auto& [button, text] : texts)
        if (QAbstractButton* b = box.button(button))
            b->setText(text);
}

// The file beside another: "netz.csv" and "Gerinne" give "netz-Gerinne.csv".
QString Beside(const QString& path, const QString& part)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : "." + info.suffix();
    return info.dir().filePath(info.completeBaseName() + "-" + part + suffix);
}

}  // namespace

void TReachListWindow::Warn(const QString& text) const
{
    QMessageBox box(QMessageBox::Warning, "Haltungsliste", text, QMessageBox::Ok, const_cast<TReachListWindow*>(this));
    box.setObjectName("ListMessage");
    GiveLetters(box);
    box.exec();
}

QString TReachListWindow::Folder() const
{
    if (!FilePath().isEmpty())
        return QFileInfo(FilePath()).absolutePath();
    const QString last = ReadSetting(FolderKey).toString();
    return !last.isEmpty() && QFileInfo(last).isDir() ? last : QDir::homePath();
}

QString TReachListWindow::Suggested(const QString& extension) const
{
    const QString base = FilePath().isEmpty() ? QString("Haltungsliste") : QFileInfo(FilePath()).completeBaseName();
    return QDir(Folder()).filePath(base + extension);
}

void TReachListWindow::Remember(const QString& chosen) const
{
    // A convenience only: settings that cannot be written start the next dialog elsewhere.
    WriteSetting(FolderKey, QFileInfo(chosen).absolutePath());
}

std::vector<TReachKind> TReachListWindow::ChooseLists(const QString& what)
{
    const bool circles = Model(TReachKind::Circle).rowCount() > 0;
    const bool channels = Model(TReachKind::Channel).rowCount() > 0;
    if (!circles || !channels)
        return {channels && !circles ? TReachKind::Channel : circles ? TReachKind::Circle : CurrentKind()};
    QMessageBox box(QMessageBox::Question, "Haltungsliste",
                    QString("Beide Listen haben Zeilen. Welche Liste soll %1?").arg(what), QMessageBox::NoButton, this);
    box.setObjectName("ListChoiceQuestion");
    QPushButton* circle = box.addButton("&Kreisprofile", QMessageBox::AcceptRole);
    QPushButton* channel = box.addButton("&Gerinne", QMessageBox::AcceptRole);
    QPushButton* both = box.addButton("&Beide", QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton("&Abbrechen", QMessageBox::RejectRole);
    box.setDefaultButton(CurrentKind() == TReachKind::Circle ? circle : channel);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == both)
        return {TReachKind::Circle, TReachKind::Channel};
    if (box.clickedButton() == circle || box.clickedButton() == channel)
        return {box.clickedButton() == circle ? TReachKind::Circle : TReachKind::Channel};
    return {};
}

QString TReachListWindow::Choose(TFileQuestion question, const QString& suggestion)
{
    if (chooseFile_) {
        const QString chosen = chooseFile_(question, suggestion);
        if (!chosen.isEmpty())
            Remember(chosen);
        return chosen;
    }
    const bool open = question == TFileQuestion::OpenProject || question == TFileQuestion::ImportCsv;
    const QString chosen = open
        ? QFileDialog::getOpenFileName(this, "Datei öffnen", suggestion, FileFilter(question))
        : QFileDialog::getSaveFileName(this, "Datei speichern", suggestion, FileFilter(question));
    if (!chosen.isEmpty())
        Remember(chosen);
    return chosen;
}

bool TReachListWindow::MaybeSave()
{
    const TSaveAnswer answer = AskToSave();
    if (answer == TSaveAnswer::Discarded)
        document_->RemoveRecoveryCopy();
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
    GiveLetters(box);
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

bool TReachListWindow::NewProject()
{
    if (!MaybeSave())
        return false;
    document_->New();
    return true;
}

void TReachListWindow::OpenChosen()
{
    if (!MaybeSave())
        return;
    const QString path = Choose(TFileQuestion::OpenProject, Folder());
    if (!path.isEmpty())
        OpenProject(path);
}

bool TReachListWindow::OpenProject(const QString& path) { return document_->Open(path); }

bool TReachListWindow::SaveProject(const QString& path) { return document_->Save(path); }

bool TReachListWindow::Save() { return FilePath().isEmpty() ? SaveAs() : SaveProject(FilePath()); }

bool TReachListWindow::SaveAs()
{
    QString path = Choose(TFileQuestion::SaveProject, FilePath().isEmpty() ? Suggested(".fluvara") : FilePath());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += ".fluvara";
    return SaveProject(path);
}

void TReachListWindow::ImportChosen()
{
    const QString path = Choose(TFileQuestion::ImportCsv, Folder());
    if (!path.isEmpty())
        ImportCsv(path);
}

bool TReachListWindow::ImportCsv(const QString& path) { return document_->ImportCsv(path).has_value(); }

void TReachListWindow::ExportCsvChosen()
{
    const std::vector<TReachKind> kinds = ChooseLists("als CSV gespeichert werden");
    if (kinds.empty())
        return;
    const QString path = Choose(TFileQuestion::ExportCsv, Suggested(".csv"));
    if (!path.isEmpty())
        ExportCsv(path, kinds);
}

bool TReachListWindow::ExportCsv(const QString& path) const { return ExportCsv(path, {CurrentKind()}); }

bool TReachListWindow::ExportCsv(const QString& path, const std::vector<TReachKind>& kinds) const
{
    // A CSV file holds one list: two lists go into two files beside the one named.
    QStringList written;
    for (TReachKind kind : kinds) {
        const QString file = kinds.size() > 1 ? Beside(path, SheetName(kind)) : path;
        if (!document_->ExportCsv(file, kind))
            return false;
        written << QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath());
    }
    if (written.size() > 1)
        statusBar()->showMessage(QString("CSV geschrieben: %1").arg(written.join(", ")));
    return true;
}

void TReachListWindow::ExportXlsxChosen()
{
    const QString path = Choose(TFileQuestion::ExportXlsx, Suggested(".xlsx"));
    if (!path.isEmpty())
        ExportXlsx(path);
}

bool TReachListWindow::ExportXlsx(const QString& path) const { return document_->ExportXlsx(path); }

void TReachListWindow::FillRecentMenu()
{
    recentMenu_->clear();
    const QStringList files = TReachListDocument::RecentFiles();
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

bool TReachListWindow::OfferRecoveryCopy()
{
    const std::optional<QString> file = document_->RecoveryOffer();
    if (!file)
        return false;
    const QString list = file->isEmpty() ? QString() : QString(" „%1“").arg(QFileInfo(*file).fileName());
    QMessageBox box(QMessageBox::Question, "Haltungsliste",
                    QString("Beim letzten Mal wurde das Programm beendet, ohne dass die Änderungen an der "
                            "Haltungsliste%1 gespeichert waren.\nSoll die Sicherungskopie wiederhergestellt werden?")
                        .arg(list),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName("RecoveryQuestion");
    GiveLetters(box);
    box.setDefaultButton(QMessageBox::Yes);
    if (box.exec() != QMessageBox::Yes) {
        document_->DeclineRecoveryCopy();
        return false;
    }
    return document_->RestoreRecoveryCopy();
}

}  // namespace fluvara
