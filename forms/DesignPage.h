#pragma once

#include <QWidget>

namespace fluvara {

class TMainForm;

class TDesignPage : public QWidget {
    Q_OBJECT
public:
    explicit TDesignPage(TMainForm& mainForm);

    void InitialState();
    void TabSheet3Show();

private:
    TMainForm& main_;
};

} // namespace fluvara
