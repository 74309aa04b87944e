#pragma once
// Helpers for window tests: a private settings store and access to the real
// widgets by object name.

#include <QByteArray>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <QWidget>

#include <memory>

namespace fluvara::test {

// Points the per-user settings store at a fresh temporary folder for the
// lifetime of the object, so tests never touch the user's own settings.
class TTestSettings {
public:
    TTestSettings();
    ~TTestSettings();
    // Writes the stored header line value (any type) directly.
    void SetHeaderValue(const QVariant& value);
    void RemoveHeaderValue();
    QVariant HeaderValue() const;
    // The store's file in the temporary folder.
    QString StoreFile() const;

private:
    QTemporaryDir dir_;
    QByteArray oldConfigHome_;
};

// Finds a child by object name; fails the current test when it is missing.
template <typename T>
T* Find(const QObject* root, const QString& name)
{
    T* child = root->findChild<T*>(name);
    if (!child)
        qFatal("no child %s", qPrintable(name));
    return child;
}

// Replaces a field's text as a user would: select all and type.
void TypeInto(const QObject* root, const QString& fieldName, const QString& text);
// Like TypeInto, one key per letter, so that any letter arrives, umlauts
// included; TypeInto uses it for text beyond ASCII.
void TypeLetters(const QObject* root, const QString& fieldName, const QString& text);
void Click(const QObject* root, const QString& buttonName);
void PressEnter(const QObject* root, const QString& fieldName);
QString Text(const QObject* root, const QString& name);  // label or line edit
// Name of the widget with the keyboard focus, "" for none.
QString FocusName();

}  // namespace fluvara::test

#include "circlesketch.h"

namespace fluvara {
struct TApplicationWindows;
class TChannelPage;
class TDesignPage;
class THeaderLine;
class TMainForm;
class TPrintService;
class TResultOutput;
class TVerificationPage;
}  // namespace fluvara

namespace fluvara::test {

// The whole program as start-up creates it, shown and active, with a private
// settings store. Optionally a header line value is stored before start-up.
class TRunningProgram {
public:
    TRunningProgram();
    explicit TRunningProgram(const QVariant& storedHeaderLine);
    ~TRunningProgram();

    TMainForm& Main() const;
    TApplicationWindows& Windows() const { return *windows_; }
    // The pages and what they show, read-only; tests drive them through their widgets.
    const TVerificationPage& VerificationPage() const;
    const TDesignPage& DesignPage() const;
    const TChannelPage& ChannelPage() const;
    // The record of the circular picture in the sketch area: that of the circular page in front.
    TCircleSketch ShownCircleSketch() const;
    TResultOutput& Output() const;
    // The run's printer; tests put their print target here.
    TPrintService& Printing() const;
    const THeaderLine& HeaderLine() const;
    TTestSettings& Settings() { return settings_; }

private:
    void Start();

    TTestSettings settings_;
    std::unique_ptr<TApplicationWindows> windows_;
};

}  // namespace fluvara::test
