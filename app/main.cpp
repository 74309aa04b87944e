#include "Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    auto windows = fluvara::StartApplication();
    app.exec();
    return 0;
}
