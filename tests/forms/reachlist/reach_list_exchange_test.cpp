// The reach list's exchange with files as a user meets it: the dialogs open
// beside the project, exports say where they wrote, both lists are asked
// for, every button of a question has its Alt letter.
#include "reachlisttest.h"
#include "printservice.h"
#include "windowtest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace fluvara;
using namespace fluvara::test;

namespace {

QString PdfText(const QString& pdf)
{
    QProcess process;
    process.start("pdftotext", {"-layout", pdf, "-"});
    return process.waitForFinished(60000) ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

}  // namespace

class ReachListExchangeTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TTestSettings> settings_;
    TPrintService printing_;
    std::unique_ptr<TReachListWindow> window_;
    QTemporaryDir dir_;
    QStringList suggestions_;

    QString Path(const char* name) const { return dir_.filePath(name); }
    void FillBoth()
    {
        window_->Model(TReachKind::Circle)
            .ReplaceList(MakeList({"Haltung", "d", "kb", "Is"}, {{"H1", "300", "1,5", "5"}}));
        window_->Model(TReachKind::Channel)
            .ReplaceList(MakeList(
                {"Gerinne", "Q", "Is", "kst Sohle", "kst links", "kst rechts", "b", "hp", "Ufer links", "Ufer rechts"},
                {{"G1", "500", "2", "30", "30", "30", "100", "100", "45", "45"}}));
    }
    // Answers the file dialogs with the given file and records where they started.
    void Answer(const QString& path)
    {
        window_->SetFileChooser([this, path](TFileQuestion, const QString& suggestion) {
            suggestions_ << suggestion;
            return path;
        });
    }

private slots:
    void init()
    {
        settings_ = std::make_unique<TTestSettings>();
        window_ = std::make_unique<TReachListWindow>(printing_);
        window_->show();
        suggestions_.clear();
    }
    void cleanup()
    {
        window_->UndoStack().setClean();
        window_.reset();
        settings_.reset();
    }

    void dialogsOpenBesideTheProjectAndExportsSayWhereTheyWrote()
    {
        FillBoth();
        QVERIFY(window_->SaveProject(Path("netz.fluvara")));
        TMessageBoxAnswers answers({{"ListChoiceQuestion", QMessageBox::RejectRole}});
        Answer(Path("netz.xlsx"));
        Trigger(*window_, "ExportXlsxAction");
        QCOMPARE(suggestions_, QStringList{Path("netz.xlsx")});
        QVERIFY(window_->statusBar()->currentMessage().contains(QDir::toNativeSeparators(Path("netz.xlsx"))));
        Answer(Path("netz.csv"));
        Trigger(*window_, "ImportCsvAction");
        QCOMPARE(suggestions_.last(), QFileInfo(Path("netz.fluvara")).absolutePath());
    }

    void csvAndReportAskForTheListWhenBothHaveRows()
    {
        FillBoth();
        TMessageBoxAnswers answers({{"ListChoiceQuestion", QMessageBox::AcceptRole}});
        Answer(Path("aus.csv"));
        Trigger(*window_, "ExportCsvAction");
        QCOMPARE(answers.Names(), QStringList{"ListChoiceQuestion"});
        QVERIFY(QFile::exists(Path("aus.csv")));
        QVERIFY(window_->statusBar()->currentMessage().contains(QDir::toNativeSeparators(Path("aus.csv"))));

        // both: two files, and the report holds both lists
        QVERIFY(window_->ExportCsv(Path("beide.csv"), {TReachKind::Circle, TReachKind::Channel}));
        QVERIFY(QFile::exists(Path("beide-Kreisprofile.csv")) && QFile::exists(Path("beide-Gerinne.csv")));
        QVERIFY(window_->SavePdf(Path("beide.pdf"), {TReachKind::Circle, TReachKind::Channel}));
        const QString text = PdfText(Path("beide.pdf"));
        QVERIFY(text.contains("Haltungsliste Kreisprofile") && text.contains("Haltungsliste Gerinne"));
        QVERIFY(text.contains("Qv [l/s]"));

        // one list with rows: no question
        window_->Model(TReachKind::Channel).ReplaceList(EmptyList(TReachKind::Channel));
        Answer(Path("eine.pdf"));
        Trigger(*window_, "PdfAction");
        QCOMPARE(answers.Names().size(), 1);
        QVERIFY(PdfText(Path("eine.pdf")).contains("Haltungsliste Kreisprofile"));
    }

    void everyButtonOfAQuestionHasItsLetter()
    {
        Trigger(*window_, "AppendRowAction");
        QStringList buttons;
        QTimer::singleShot(0, [&buttons] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            for (QAbstractButton* button : box->buttons())
                buttons << button->text();
            box->button(QMessageBox::Cancel)->click();
        });
        QVERIFY(!window_->close());
        QCOMPARE(buttons.size(), 3);
        QSet<QChar> letters;
        for (const QString& text : buttons) {
            const int amp = text.indexOf('&');
            QVERIFY2(amp >= 0 && amp + 1 < text.size(), qPrintable(text));
            letters.insert(text.at(amp + 1).toLower());
        }
        QCOMPARE(letters.size(), 3);
    }
};

QTEST_MAIN(ReachListExchangeTest)
#include "reach_list_exchange_test.moc"
