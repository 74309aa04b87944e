#include "windowtest.h"

#include "usersettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QSettings>
#include <QTest>

#include <algorithm>

namespace fluvara::test {

TTestSettings::TTestSettings() : oldConfigHome_(qgetenv("XDG_CONFIG_HOME"))
{
    // The program finds its settings in the user's configuration folder;
    // QSettings of Qt's own are pointed there as well.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
}

TTestSettings::~TTestSettings()
{
    if (oldConfigHome_.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldConfigHome_);
}

void TTestSettings::SetHeaderValue(const QVariant& value) { WriteSetting("Firmbez", value); }

void TTestSettings::RemoveHeaderValue() { RemoveSetting("Firmbez"); }

QVariant TTestSettings::HeaderValue() const { return ReadSetting("Firmbez"); }

QString TTestSettings::StoreFile() const { return dir_.filePath("ko_lut/fluvara.conf"); }

void TypeInto(const QObject* root, const QString& fieldName, const QString& text)
{
    // QTest::keyClicks passes each character as one char, which garbles anything beyond ASCII.
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0x7F; })) {
        TypeLetters(root, fieldName, text);
        return;
    }
    auto* field = Find<QLineEdit>(root, fieldName);
    field->setFocus();
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
}

void TypeLetters(const QObject* root, const QString& fieldName, const QString& text)
{
    auto* field = Find<QLineEdit>(root, fieldName);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    for (QChar letter : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key(letter.toUpper().unicode()), QString(letter), Qt::NoModifier);
}

void Click(const QObject* root, const QString& buttonName)
{
    auto* button = Find<QAbstractButton>(root, buttonName);
    QTest::mouseClick(button, Qt::LeftButton);
}

void PressEnter(const QObject* root, const QString& fieldName)
{
    QTest::keyClick(Find<QWidget>(root, fieldName), Qt::Key_Return);
}

QString Text(const QObject* root, const QString& name)
{
    QObject* child = root->findChild<QObject*>(name);
    if (auto* label = qobject_cast<QLabel*>(child))
        return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(child))
        return edit->text();
    qFatal("no label or field %s", qPrintable(name));
}

QString FocusName()
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

}  // namespace fluvara::test

#include "ChannelPage.h"
#include "DesignPage.h"
#include "HeaderLineSetting.h"
#include "Main.h"
#include "ResultOutput.h"
#include "Startup.h"
#include "VerificationPage.h"

#include <QTabWidget>

namespace fluvara::test {

TRunningProgram::TRunningProgram() { Start(); }

TRunningProgram::TRunningProgram(const QVariant& storedHeaderLine)
{
    settings_.SetHeaderValue(storedHeaderLine);
    Start();
}

TRunningProgram::~TRunningProgram() = default;

void TRunningProgram::Start()
{
    windows_ = CreateApplicationWindows();
    windows_->mainForm->show();
    windows_->mainForm->activateWindow();
    if (!QTest::qWaitForWindowActive(windows_->mainForm.get()))
        qWarning("main window did not become active");
}

TMainForm& TRunningProgram::Main() const { return *windows_->mainForm; }

namespace {

template <typename TPage>
const TPage& PageOf(const TMainForm& main)
{
    const auto* page = main.findChild<const TPage*>();
    if (!page)
        qFatal("no such page");
    return *page;
}

}  // namespace

const TVerificationPage& TRunningProgram::VerificationPage() const { return PageOf<TVerificationPage>(Main()); }

const TDesignPage& TRunningProgram::DesignPage() const { return PageOf<TDesignPage>(Main()); }

const TChannelPage& TRunningProgram::ChannelPage() const { return PageOf<TChannelPage>(Main()); }

TCircleSketch TRunningProgram::ShownCircleSketch() const
{
    const QWidget* front = Find<QTabWidget>(&Main(), "PageControl1")->currentWidget();
    if (const auto* page = qobject_cast<const TVerificationPage*>(front))
        return page->Sketch();
    if (const auto* page = qobject_cast<const TDesignPage*>(front))
        return page->Sketch();
    qFatal("no circular page in front");
}

TResultOutput& TRunningProgram::Output() const { return *windows_->output; }

TPrintService& TRunningProgram::Printing() const { return *windows_->printing; }

const THeaderLine& TRunningProgram::HeaderLine() const { return *windows_->headerLine; }

}  // namespace fluvara::test
