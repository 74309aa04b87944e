#pragma once

#include <QDialog>

namespace fluvara {

class THeadLineForm : public QDialog {
    Q_OBJECT
public:
    explicit THeadLineForm(QWidget* parent = nullptr);
};

} // namespace fluvara
