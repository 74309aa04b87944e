#include "CommandLine.h"
#include "QuitAfterShow.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>

using namespace fluvara;

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void textOnlyRequests_data();
    void textOnlyRequests();
    void helpAndVersionRequests();
    void quitsAfterTheFirstPaint();
};

void CommandLineTest::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("quitAfterShow");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("error");  // part of the message

    // clang-format off
    QTest::newRow("nothing") << QStringList{} << true << false << "" << "";
    QTest::newRow("quit after show") << QStringList{"--quit-after-show"} << true << true << "" << "";
    QTest::newRow("project file") << QStringList{"Netz Süd.fluvara"} << true << false << "Netz Süd.fluvara" << "";
    QTest::newRow("file and option") << QStringList{"a.fluvara", "--quit-after-show"} << true << true << "a.fluvara"
                                     << "";
    QTest::newRow("file named like an option") << QStringList{"--", "--help"} << true << false << "--help" << "";
    QTest::newRow("two files") << QStringList{"a.fluvara", "b.fluvara"} << false << false << "" << "nur eine";
    QTest::newRow("unknown option") << QStringList{"--schnell"} << false << false << "" << "schnell";
    QTest::newRow("option value where none is taken") << QStringList{"--quit-after-show=1"} << false << false << ""
                                                      << "quit-after-show";
    // clang-format on
}

void CommandLineTest::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, ok);
    QFETCH(bool, quitAfterShow);
    QFETCH(QString, file);
    QFETCH(QString, error);

    TCommandLine commandLine;
    QCOMPARE(commandLine.Parse(QStringList{"fluvara"} + arguments), ok);
    QVERIFY2(commandLine.ErrorText().contains(error), qPrintable(commandLine.ErrorText()));
    QCOMPARE(commandLine.ErrorText().isEmpty(), ok);
    if (ok) {
        QCOMPARE(commandLine.QuitAfterShow(), quitAfterShow);
        QCOMPARE(commandLine.ProjectFile(), file);
        QVERIFY(!commandLine.HelpRequested());
        QVERIFY(!commandLine.VersionRequested());
    }
}

void CommandLineTest::textOnlyRequests_data()
{
    QTest::addColumn<QList<QByteArray>>("arguments");
    QTest::addColumn<bool>("textOnly");

    QTest::newRow("none") << QList<QByteArray>{} << false;
    QTest::newRow("--help") << QList<QByteArray>{"--help"} << true;
    QTest::newRow("-h") << QList<QByteArray>{"-h"} << true;
    QTest::newRow("--help-all") << QList<QByteArray>{"--help-all"} << true;
    QTest::newRow("--version") << QList<QByteArray>{"--version"} << true;
    QTest::newRow("-v with a file") << QList<QByteArray>{"a.fluvara", "-v"} << true;
    QTest::newRow("a file called --help") << QList<QByteArray>{"--", "--help"} << false;
    QTest::newRow("quit after show") << QList<QByteArray>{"--quit-after-show"} << false;
    // Qt's own options are known only to the application object, which needs the display.
    QTest::newRow("Qt option with help") << QList<QByteArray>{"-platform", "xcb", "--help"} << false;
    QTest::newRow("unknown option with help") << QList<QByteArray>{"--schnell", "--help"} << false;
}

void CommandLineTest::textOnlyRequests()
{
    QFETCH(QList<QByteArray>, arguments);
    QFETCH(bool, textOnly);

    arguments.prepend("fluvara");
    std::vector<char*> argv;
    for (QByteArray& argument : arguments)
        argv.push_back(argument.data());
    QCOMPARE(AsksOnlyForText(int(argv.size()), argv.data()), textOnly);
}

void CommandLineTest::helpAndVersionRequests()
{
    TCommandLine commandLine;
    QVERIFY(commandLine.Parse({"fluvara", "--help"}));
    QVERIFY(commandLine.HelpRequested());
    QVERIFY(commandLine.Parse({"fluvara", "--version"}));
    QVERIFY(commandLine.VersionRequested());
}

namespace {

class TPaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

}  // namespace

void CommandLineTest::quitsAfterTheFirstPaint()
{
    TPaintCounter window;
    window.resize(200, 100);
    QuitAfterFirstPaint(window);
    // Should the window never be drawn, the loop ends with a failure code instead of hanging.
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(7); });
    window.show();
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(window.paints, 1);
}

QTEST_MAIN(CommandLineTest)
#include "commandline_test.moc"
