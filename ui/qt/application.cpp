// ntc-beta: opening the display the window is shown on.
#include "ui/qt/application.h"

#include <QApplication>
#include <QByteArray>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QList>
#include <QString>
#include <QTranslator>

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

// Without a session bus address, the D-Bus library would launch a private
// bus daemon of its own for the accessibility bridge and the desktop theme,
// which then outlives the window. Where the desktop runs a bus at the usual
// place the library finds it by itself; where it runs none there is nothing a
// private bus could reach (no screen reader, no portal), so none is started.
void preventPrivateBus()
{
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")) return;
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(QString::fromLocal8Bit(runtime) + QStringLiteral("/bus")).exists()) return;
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

// Qt's own texts (the fields' context menu, standard dialogs) in Simplified
// Chinese like the rest of the window, whatever the locale.
void loadToolkitTranslations(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

std::unique_ptr<QApplication> openApplication(int& argc, char** argv)
{
    preventPrivateBus();
    // The program takes no options; Qt's own (-reverse, -style, -platform…)
    // must not act either, so the toolkit sees the program name alone.
    static char* programOnly[] = {argc > 0 ? argv[0] : const_cast<char*>("ntc-beta"), nullptr};
    static int programCount = 1;
    const QtMessageHandler previous = qInstallMessageHandler(holdDuringStart);
    auto app = std::make_unique<QApplication>(programCount, programOnly);
    qInstallMessageHandler(previous);
    // The formula reads left to right in every language.
    QApplication::setLayoutDirection(Qt::LeftToRight);
    loadToolkitTranslations(*app);
    for (const HeldMessage& m : heldMessages()) {
        const QMessageLogContext context(nullptr, 0, nullptr, m.category.constData());
        qt_message_output(m.type, context, m.text);
    }
    heldMessages().clear();
    return app;
}

} // namespace ui
