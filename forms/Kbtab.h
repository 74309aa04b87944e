#pragma once

#include <QDialog>

namespace fluvara {

class TkbForm : public QDialog {
    Q_OBJECT
public:
    explicit TkbForm(QWidget* parent = nullptr);
};

} // namespace fluvara
