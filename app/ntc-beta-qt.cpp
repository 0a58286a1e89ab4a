// ntc-beta: shows the window and runs the event loop until it is closed.
#include "ui/qt/application.h"
#include "ui/qt/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    const auto app = ui::openApplication(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(NTC_BETA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(NTC_BETA_APP_ID));
    ui::Form1 window;
    window.showCentred();
    return app->exec();
}
