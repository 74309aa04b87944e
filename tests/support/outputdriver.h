#pragma once
// Driving the program through its calculations, modal dialogs and printouts
// in window tests.

#include <QApplication>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace fluvara {
class TPrintService;
}

namespace fluvara::test {

class TRunningProgram;

QWidget* VerificationPage(TRunningProgram& program);
QWidget* ChannelPage(TRunningProgram& program);

// Full flow of d 300 mm, kb 1,5 mm, Is 5 per mille on the verification page.
void FullFlow(TRunningProgram& program);
// Q 500 l/s, Is 2, kst 30, b 100, hp 100, both banks 45 degrees on the
// channel page, which comes to the front.
void CalculateChannel(TRunningProgram& program);

// Answers the next modal dialog: types the titles and closes it with its
// button; then runs `next` once the dialog is gone.
void AnswerTitleDialog(const QString& button, const QStringList& fieldNames, const QStringList& texts,
                       const std::function<void()>& next = {});

// Runs act on the next modal dialog of type Dialog as soon as it is up.
template <typename Dialog>
void WhenModal(std::function<void(Dialog*)> act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start(10);
}

// The printer dialog replaced by printing into a PDF file.
class TPdfTarget {
public:
    TPdfTarget(TPrintService& printing, const QString& path, bool confirm = true);
    ~TPdfTarget();
    int asked = 0;

private:
    TPrintService& printing_;
};

// The text of a PDF file with every run of white space as one blank, or an
// empty text when pdftotext is missing.
QString PdfText(const QString& path);

}  // namespace fluvara::test
