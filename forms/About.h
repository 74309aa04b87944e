#pragma once

#include <QDialog>

namespace fluvara {

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);

    // Writes the program, version and rights lines; called before every showing.
    void FillLabels(const QString& applicationTitle);
};

} // namespace fluvara
