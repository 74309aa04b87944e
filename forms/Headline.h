#pragma once

#include <QDialog>
#include <QString>

namespace fluvara {

class THeadLineForm : public QDialog {
    Q_OBJECT
public:
    // headerLine is the main window's header line, which OK replaces.
    explicit THeadLineForm(QString& headerLine, QWidget* parent = nullptr);

private:
    QString& headerLine_;
};

} // namespace fluvara
