#pragma once

#include <QDialog>

namespace fluvara {

class TGBemForm : public QDialog {
    Q_OBJECT
public:
    explicit TGBemForm(QWidget* parent = nullptr);

    // Empties the two title fields; the page number stays.
    void ClearTitles();
};

} // namespace fluvara
