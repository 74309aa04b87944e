#pragma once

#include <QDialog>

namespace fluvara {

class TNBemForm : public QDialog {
    Q_OBJECT
public:
    explicit TNBemForm(QWidget* parent = nullptr);

    // Empties the two title fields; the page number stays.
    void ClearTitles();
};

} // namespace fluvara
