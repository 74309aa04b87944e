#pragma once

#include <QDialog>

namespace fluvara {

class TkstForm : public QDialog {
    Q_OBJECT
public:
    explicit TkstForm(QWidget* parent = nullptr);
};

} // namespace fluvara
