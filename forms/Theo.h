#pragma once

#include <QDialog>

namespace fluvara {

class TTheoForm : public QDialog {
    Q_OBJECT
public:
    explicit TTheoForm(QWidget* parent = nullptr);
};

} // namespace fluvara
