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
    void withoutQtOptions_data();
    void withoutQtOptions();
    void startArguments_data();
    void startArguments();
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

void CommandLineTest::withoutQtOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("own");

    // clang-format off
    QTest::newRow("none") << QStringList{} << QStringList{};
    QTest::newRow("own only") << QStringList{"--quit-after-show", "a.fluvara"} << QStringList{"--quit-after-show", "a.fluvara"};
    QTest::newRow("platform and style") << QStringList{"-platform", "xcb", "a.fluvara", "--style", "Fusion"} << QStringList{"a.fluvara"};
    QTest::newRow("joined value") << QStringList{"-style=Fusion", "-stylesheet=a.qss", "-v"} << QStringList{"-v"};
    QTest::newRow("platform joined is not Qt's") << QStringList{"-platform=xcb"} << QStringList{"-platform=xcb"};
    QTest::newRow("switches") << QStringList{"-reverse", "-nograb", "-widgetcount", "b.fluvara"} << QStringList{"b.fluvara"};
    QTest::newRow("after the end of options too") << QStringList{"--", "-display", ":1", "c.fluvara"} << QStringList{"--", "c.fluvara"};
    QTest::newRow("value missing at the end") << QStringList{"a.fluvara", "-platform"} << QStringList{"a.fluvara"};
    QTest::newRow("file named like a value") << QStringList{"-title", "x", "-title"} << QStringList{};
    QTest::newRow("unknown option stays") << QStringList{"--schnell", "-platformx"} << QStringList{"--schnell", "-platformx"};
    // clang-format on
}

void CommandLineTest::withoutQtOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, own);
    QCOMPARE(WithoutQtOptions(QStringList{"fluvara"} + arguments), QStringList{"fluvara"} + own);
}

void CommandLineTest::startArguments_data()
{
    QTest::addColumn<QList<QByteArray>>("arguments");
    QTest::addColumn<bool>("needsDisplay");
    QTest::addColumn<QList<QByteArray>>("passed");  // to the application object

    using L = QList<QByteArray>;
    // clang-format off
    QTest::newRow("none") << L{} << true << L{};
    QTest::newRow("window with Qt's options") << L{"-platform", "xcb", "a.fluvara"} << true << L{"-platform", "xcb", "a.fluvara"};
    QTest::newRow("--help") << L{"--help"} << false << L{"--help"};
    QTest::newRow("-h") << L{"-h"} << false << L{"-h"};
    QTest::newRow("--help-all") << L{"--help-all"} << false << L{"--help-all"};
    QTest::newRow("--version") << L{"--version"} << false << L{"--version"};
    QTest::newRow("-v with a file") << L{"a.fluvara", "-v"} << false << L{"a.fluvara", "-v"};
    QTest::newRow("a file called --help") << L{"--", "--help"} << true << L{"--", "--help"};
    QTest::newRow("quit after show") << L{"--quit-after-show"} << true << L{"--quit-after-show"};
    QTest::newRow("help with another platform") << L{"-platform", "xcb", "--help"} << false << L{"--help"};
    QTest::newRow("unknown option") << L{"--schnell"} << false << L{"--schnell"};
    QTest::newRow("unknown option with help") << L{"--schnell", "--help"} << false << L{"--schnell", "--help"};
    QTest::newRow("two files") << L{"a.fluvara", "-style", "Fusion", "b.fluvara"} << false << L{"a.fluvara", "b.fluvara"};
    QTest::newRow("umlaut") << L{"Netz Süd.fluvara"} << true << L{"Netz Süd.fluvara"};
    // clang-format on
}

void CommandLineTest::startArguments()
{
    QFETCH(QList<QByteArray>, arguments);
    QFETCH(bool, needsDisplay);
    QFETCH(QList<QByteArray>, passed);

    arguments.prepend("fluvara");
    passed.prepend("fluvara");
    std::vector<char*> argv;
    for (QByteArray& argument : arguments)
        argv.push_back(argument.data());
    TStartArguments start(int(argv.size()), argv.data());
    QCOMPARE(start.NeedsDisplay(), needsDisplay);
    QCOMPARE(start.Count(), int(passed.size()));
    QList<QByteArray> received;
    for (int i = 0; i < start.Count(); ++i)
        received << QByteArray(start.Values()[i]);
    QCOMPARE(received, passed);
    QCOMPARE(start.Values()[start.Count()], nullptr);  // as argv ends
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
