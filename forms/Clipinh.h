#pragma once

#include <QDialog>

namespace fluvara {

class TClipForm : public QDialog {
    Q_OBJECT
public:
    explicit TClipForm(QWidget* parent = nullptr);
};

} // namespace fluvara
