#pragma once

#include <QWidget>

namespace fluvara {

class TMainForm;

class TVerificationPage : public QWidget {
    Q_OBJECT
public:
    explicit TVerificationPage(TMainForm& mainForm);

    void InitialState();
    void TabSheet1Show();

private:
    TMainForm& main_;
};

} // namespace fluvara
