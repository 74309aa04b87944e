// The files of the reach list window: the file dialogs, the questions before
// changes are lost or a recovery copy is taken, the recently opened files.
#include "ReachListWindow.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

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

}  // namespace

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
    const QString path = Choose(TFileQuestion::OpenProject, QFileInfo(FilePath()).absolutePath());
    if (!path.isEmpty())
        OpenProject(path);
}

bool TReachListWindow::OpenProject(const QString& path) { return document_->Open(path); }

bool TReachListWindow::SaveProject(const QString& path) { return document_->Save(path); }

bool TReachListWindow::Save() { return FilePath().isEmpty() ? SaveAs() : SaveProject(FilePath()); }

bool TReachListWindow::SaveAs()
{
    QString path =
        Choose(TFileQuestion::SaveProject, FilePath().isEmpty() ? QString("Haltungsliste.fluvara") : FilePath());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += ".fluvara";
    return SaveProject(path);
}

void TReachListWindow::ImportChosen()
{
    const QString path = Choose(TFileQuestion::ImportCsv, QFileInfo(FilePath()).absolutePath());
    if (!path.isEmpty())
        ImportCsv(path);
}

bool TReachListWindow::ImportCsv(const QString& path) { return document_->ImportCsv(path).has_value(); }

void TReachListWindow::ExportCsvChosen()
{
    const QString path = Choose(TFileQuestion::ExportCsv, QFileInfo(FilePath()).completeBaseName() + ".csv");
    if (!path.isEmpty())
        ExportCsv(path);
}

bool TReachListWindow::ExportCsv(const QString& path) const { return document_->ExportCsv(path, CurrentKind()); }

void TReachListWindow::ExportXlsxChosen()
{
    const QString path = Choose(TFileQuestion::ExportXlsx, QFileInfo(FilePath()).completeBaseName() + ".xlsx");
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
    box.setDefaultButton(QMessageBox::Yes);
    if (box.exec() != QMessageBox::Yes) {
        document_->DeclineRecoveryCopy();
        return false;
    }
    return document_->RestoreRecoveryCopy();
}

}  // namespace fluvara
