// ntc-beta: shows the window and runs the event loop until it is closed.
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(NTC_BETA_VERSION));
    ui::Form1 window;
    window.showCentred();
    return app.exec();
}
