#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace fluvara {

class TClipForm : public QDialog {
    Q_OBJECT
public:
    // Shows the text of memo, the main window's copy of the last clipboard text.
    explicit TClipForm(const QPlainTextEdit& memo, QWidget* parent = nullptr);

private:
    const QPlainTextEdit& memo_;
};

} // namespace fluvara
