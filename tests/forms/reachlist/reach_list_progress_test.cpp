// Long work of the reach list window shows a progress dialog with
// "Abbrechen"; a cancelled load or import leaves the list as it was, a
// cancelled save or export the old file whole, with nothing beside it.
#include "reachlisttest.h"
#include "windowtest.h"

#include "printfile.h"
#include "printservice.h"
#include "project.h"

#include <QDir>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace fluvara;
using namespace fluvara::test;

namespace {

constexpr int LongList = 40000;  // rows: many steps of the work before its end

TReachList Circles(int rows, const char* prefix)
{
    std::vector<std::vector<std::string>> texts;
    for (int i = 0; i < rows; ++i)
        texts.push_back({prefix + std::to_string(i), "300", "1,5", "5", std::to_string(10 + i % 50)});
    return MakeList({"Haltung", "d", "kb", "Is", "Q"}, texts);
}

// While it lives, clicks "Abbrechen" of the progress dialog as a user does,
// once the work has gone part of its way, and notes what the dialog showed.
class TCancelProgress {
public:
    TCancelProgress()
    {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
        timer_.start();
    }
    bool Cancelled() const { return cancelled_; }
    const QString& Title() const { return title_; }
    const QString& Label() const { return label_; }
    const QString& Button() const { return button_; }

private:
    void Look()
    {
        auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        if (cancelled_ || !dialog || dialog->objectName() != "ProgressDialog" || !dialog->isVisible() ||
            dialog->value() <= 0)
            return;
        title_ = dialog->windowTitle();
        label_ = dialog->labelText();
        auto* cancel = dialog->findChild<QPushButton*>("ProgressCancel");
        if (!cancel)
            return;
        button_ = cancel->text();
        cancelled_ = true;
        cancel->click();
    }

    QTimer timer_;
    bool cancelled_ = false;
    QString title_, label_, button_;
};

}  // namespace

class ReachListProgressTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TTestSettings> settings_;
    TPrintService printing_;
    std::unique_ptr<TReachListWindow> window_;
    std::optional<QTemporaryDir> dir_;

    QString Path(const char* name) const { return dir_->filePath(name); }
    int Rows() const { return window_->Model(TReachKind::Circle).rowCount(); }
    QString FirstName() const { return QString::fromStdString(window_->Model(TReachKind::Circle).RowTexts(0)[0]); }
    QStringList Entries() const
    {
        return QDir(dir_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    static QByteArray Content(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void WriteOld(const QString& path)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("alt");
    }
    // The list in the window: a short one, saved, or a long one, changed.
    void ShowList(int rows, const char* prefix)
    {
        const QString saved = Path("gespeichert.fluvara");
        TProject project;
        project.circle = Circles(rows, prefix);
        SaveProject(LocalPath(saved), project);
        QVERIFY(window_->OpenProject(saved));
        QVERIFY(QFile::remove(saved));
    }

private slots:
    void init()
    {
        settings_ = std::make_unique<TTestSettings>();
        dir_.emplace();
        QVERIFY(dir_->isValid());
        window_ = std::make_unique<TReachListWindow>(printing_);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        window_->SetProgressDelay(0);
    }
    void cleanup()
    {
        window_->UndoStack().setClean();
        window_.reset();
        dir_.reset();
        settings_.reset();
    }

    void cancelledLoadLeavesTheListAsItWas_data()
    {
        QTest::addColumn<bool>("project");
        QTest::addRow("project") << true;
        QTest::addRow("csv import") << false;
    }
    void cancelledLoadLeavesTheListAsItWas()
    {
        QFETCH(bool, project);
        ShowList(3, "Kurz");
        window_->Model(TReachKind::Circle)
            .setData(window_->Model(TReachKind::Circle).index(0, 0), "Geändert", Qt::EditRole);
        const QString path = Path(project ? "lang.fluvara" : "lang.csv");
        TProject other;
        other.circle = Circles(LongList, "Lang");
        if (project)
            SaveProject(LocalPath(path), other);
        else
            SaveCsvList(LocalPath(path), other.circle, CalculateList(other.circle, {}, 0), GermanCsv);
        const int undoSteps = window_->UndoStack().count();

        const TMessageBoxAnswers answers({});
        const TCancelProgress cancel;
        QVERIFY(!(project ? window_->OpenProject(path) : window_->ImportCsv(path)));
        QVERIFY(cancel.Cancelled());
        QCOMPARE(cancel.Title(), QString(project ? "Projekt öffnen" : "Importieren"));
        QCOMPARE(cancel.Label(), QString(project ? "„lang.fluvara“ wird gelesen …" : "„lang.csv“ wird eingelesen …"));
        QCOMPARE(cancel.Button(), QString("Abbrechen"));
        QCOMPARE(answers.Texts().join(" "), QString());  // a cancel is no error
        QCOMPARE(Rows(), 3);
        QCOMPARE(FirstName(), QString("Geändert"));
        QVERIFY(window_->IsModified());
        QCOMPARE(window_->UndoStack().count(), undoSteps);
        QCOMPARE(window_->FilePath(), QFileInfo(Path("gespeichert.fluvara")).absoluteFilePath());
        QVERIFY(window_->statusBar()->currentMessage().contains("abgebrochen"));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void cancelledSaveLeavesTheOldFileWhole_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::addRow("project") << "ziel.fluvara"
                                 << "Projekt speichern";
        QTest::addRow("csv export") << "ziel.csv"
                                    << "CSV exportieren";
        QTest::addRow("workbook export") << "ziel.xlsx"
                                         << "Excel-Arbeitsmappe exportieren";
    }
    void cancelledSaveLeavesTheOldFileWhole()
    {
        QFETCH(QString, file);
        QFETCH(QString, title);
        ShowList(LongList, "Lang");
        window_->Model(TReachKind::Circle)
            .setData(window_->Model(TReachKind::Circle).index(0, 0), "Geändert", Qt::EditRole);
        const QString path = dir_->filePath(file);
        WriteOld(path);

        const TMessageBoxAnswers answers({});
        const TCancelProgress cancel;
        const bool saved = file.endsWith(".fluvara") ? window_->SaveProject(path)
            : file.endsWith(".csv")                  ? window_->ExportCsv(path)
                                                     : window_->ExportXlsx(path);
        QVERIFY(!saved);
        QVERIFY(cancel.Cancelled());
        QCOMPARE(cancel.Title(), title);
        QCOMPARE(cancel.Label(),
                 QString("„%1“ wird %2 …").arg(file, file.endsWith(".fluvara") ? "gespeichert" : "geschrieben"));
        QCOMPARE(answers.Names(), QStringList{});
        QCOMPARE(Content(path), QByteArray("alt"));
        QCOMPARE(Entries(), QStringList{file});  // no temporary file beside it
        QVERIFY(window_->IsModified());
        QCOMPARE(FirstName(), QString("Geändert"));
        QVERIFY(window_->statusBar()->currentMessage().contains("abgebrochen; die Datei ist unverändert"));
    }

    // "Verwerfen" brings back the list as saved: by undoing the changes where
    // the undo stack leads back there, else by calculating the saved list.
    void revertBringsBackTheSavedList()
    {
        ShowList(3, "H");
        TReachTableModel& model = window_->Model(TReachKind::Circle);
        const auto name = [&](int row) { return QString::fromStdString(model.RowTexts(row)[0]); };
        model.setData(model.index(0, 0), "X", Qt::EditRole);
        window_->Document().Revert();
        QCOMPARE(name(0), QString("H0"));
        QVERIFY(!window_->IsModified());

        model.setData(model.index(0, 0), "A", Qt::EditRole);
        QVERIFY(window_->SaveProject(Path("neu.fluvara")));
        window_->UndoStack().undo();
        model.setData(model.index(1, 0), "B", Qt::EditRole);  // the saved state is no longer on the stack
        QCOMPARE(window_->UndoStack().cleanIndex(), -1);
        window_->Document().Revert();
        QCOMPARE(name(0), QString("A"));
        QCOMPARE(name(1), QString("H1"));
        QCOMPARE(window_->Model(TReachKind::Circle).State(0), TRowState::Calculated);
        QVERIFY(!window_->IsModified());
    }

    void workThatIsNotCancelledEndsWithoutADialogLeft()
    {
        ShowList(LongList, "Lang");
        QCOMPARE(Rows(), LongList);
        QVERIFY(window_->SaveProject(Path("ganz.fluvara")));
        QVERIFY(window_->OpenProject(Path("ganz.fluvara")));
        QCOMPARE(Rows(), LongList);
        QCOMPARE(FirstName(), QString("Lang0"));
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!window_->findChild<QProgressDialog*>("ProgressDialog"));
    }
};

QTEST_MAIN(ReachListProgressTest)
#include "reach_list_progress_test.moc"
