#pragma once
// The page " Gerinne Bem. ": open channel.

#include <QWidget>

namespace fluvara {

class TMainForm;

class TChannelPage : public QWidget {
    Q_OBJECT
public:
    explicit TChannelPage(TMainForm& mainForm);

    void InitialState();
    void TabSheet2Show();

private:
    TMainForm& main_;
};

} // namespace fluvara
