// ntc-beta: opening the display the window is shown on.
#include "ui/qt/application.h"

#include <QApplication>
#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace ui {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QList<HeldMessage>& heldMessages()
{
    static QList<HeldMessage> messages;
    return messages;
}

// While the application object is being built, a fatal message can only mean
// that no display (platform plugin) could be opened.
void holdDuringStart(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fputs("ntc-beta: 无法打开显示屏，请在图形桌面中运行。 Cannot open a display; run ntc-beta on a "
                   "graphical desktop.\n",
                   stderr);
        std::_Exit(1);
    }
    heldMessages().append({type, QByteArray(context.category ? context.category : ""), text});
}

} // namespace

std::unique_ptr<QApplication> openApplication(int& argc, char** argv)
{
    const QtMessageHandler previous = qInstallMessageHandler(holdDuringStart);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const HeldMessage& m : heldMessages()) {
        const QMessageLogContext context(nullptr, 0, nullptr, m.category.constData());
        qt_message_output(m.type, context, m.text);
    }
    heldMessages().clear();
    return app;
}

} // namespace ui
