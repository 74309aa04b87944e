#include "outputdriver.h"

#include "windowtest.h"

#include "Main.h"
#include "ResultOutput.h"

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

namespace fluvara::test {

QWidget* VerificationPage(TRunningProgram& program) { return Find<QWidget>(&program.Main(), "TabSheet1"); }
QWidget* ChannelPage(TRunningProgram& program) { return Find<QWidget>(&program.Main(), "TabSheet2"); }

void FullFlow(TRunningProgram& program)
{
    QWidget* page = VerificationPage(program);
    TypeInto(page, "DNEdit", "300");
    TypeInto(page, "kbEdit", "1,5");
    TypeInto(page, "IeEdit", "5");
    Click(page, "OKBtn1");
}

void CalculateChannel(TRunningProgram& program)
{
    auto* pages = Find<QTabWidget>(&program.Main(), "PageControl1");
    pages->setCurrentIndex(2);
    QWidget* page = pages->currentWidget();
    const char* const inputs[][2] = {{"GQEdit", "500"},   {"GIeEdit", "2"},     {"GkstSEdit", "30"},
                                     {"GkstUEdit", "30"}, {"GkstU2Edit", "30"}, {"GbEdit", "100"},
                                     {"GhEdit", "100"},   {"GaEdit", "45"},     {"GbetaEdit", "45"}};
    for (const auto& input : inputs)
        TypeInto(page, input[0], input[1]);
    Click(page, "GFtBtn");
}

void AnswerTitleDialog(const QString& button, const QStringList& fieldNames, const QStringList& texts,
                       const std::function<void()>& next)
{
    QTimer::singleShot(0, [=] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        for (int i = 0; i < fieldNames.size(); ++i)
            TypeInto(dialog, fieldNames[i], texts[i]);
        Click(dialog, button);
        if (next)
            QTimer::singleShot(0, next);
    });
}

TPdfTarget::TPdfTarget(TPrintService& printing, const QString& path, bool confirm) : printing_(printing)
{
    printing_.SetPrintTarget([this, path, confirm](QPrinter& printer) {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return confirm;
    });
}

TPdfTarget::~TPdfTarget() { printing_.SetPrintTarget({}); }

QString PdfText(const QString& path)
{
    const QString tool = QStandardPaths::findExecutable("pdftotext");
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool, {"-layout", path, "-"});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

}  // namespace fluvara::test
