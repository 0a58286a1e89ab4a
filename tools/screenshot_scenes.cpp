// ntc-beta: photographs the real window in the states the README and reviews
// show: light or dark scheme, a calculated B, its tooltip and context menu.
//
//   screenshot_scenes SCENE OUTPUT.png
//
// SCENE: light or dark (a calculated B), thanks or dark-thanks (the thanks
// text), tooltip (light), menu (dark), hint (light, T1 "25,5" marked with
// its tooltip).
//
// Run on an X server (tools/screenshot.sh starts a private Xvfb for it);
// QT_SCALE_FACTOR=2 gives the 200 % pictures. The dark scheme is KDE Breeze
// Dark's palette, set before the window is made as a desktop theme would.
#include "ui/form_layout.h"
#include "ui/qt/application.h"
#include "ui/qt/convert.h"
#include "ui/qt/form1.h"
#include "ui/qt/picture_label.h"

#include <QApplication>
#include <QByteArray>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

#include <cstdio>

namespace {

QPalette breezeDark()
{
    QPalette dark;
    const QColor face(0x31, 0x36, 0x3B), text(0xFC, 0xFC, 0xFC);
    dark.setColor(QPalette::Window, face);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, QColor(0x1B, 0x1E, 0x20));
    dark.setColor(QPalette::AlternateBase, QColor(0x23, 0x26, 0x29));
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, face);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Light, QColor(0x40, 0x46, 0x4C));
    dark.setColor(QPalette::Midlight, QColor(0x3A, 0x40, 0x45));
    dark.setColor(QPalette::Mid, QColor(0x24, 0x28, 0x2B));
    dark.setColor(QPalette::Dark, QColor(0x1B, 0x1E, 0x20));
    dark.setColor(QPalette::Shadow, QColor(0x0F, 0x10, 0x11));
    dark.setColor(QPalette::Highlight, QColor(0x3D, 0xAE, 0xE9));
    dark.setColor(QPalette::HighlightedText, text);
    dark.setColor(QPalette::ToolTipBase, face);
    dark.setColor(QPalette::ToolTipText, text);
    return dark;
}

// The window alone or, for a popup, the screen around it.
void photograph(QWidget& window, const char* path, bool popup)
{
    const QRect around = window.frameGeometry().adjusted(0, 0, 60, 40);
    const QPixmap shot = popup ? window.screen()->grabWindow(0, around.x(), around.y(), around.width(), around.height())
                               : window.grab();
    if (!shot.save(QString::fromLocal8Bit(path))) std::fprintf(stderr, "cannot write %s\n", path);
    QApplication::quit();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: screenshot_scenes light|dark|thanks|dark-thanks|tooltip|menu|hint OUTPUT.png\n");
        return 2;
    }
    const QByteArray scene = argv[1];
    const char* path = argv[2];
    const auto app = ui::openApplication(argc, argv);
    if (scene.startsWith("dark") || scene == "menu") QApplication::setPalette(breezeDark());

    ui::Form1 window;
    window.move(10, 10);
    window.show();
    const char* reading[] = {"10000", "1066.1", scene == "hint" ? "25,5" : "25", "85"};
    for (int i = 0; i < 4; ++i)
        window.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i + 1))->setText(QString::fromLatin1(reading[i]));
    auto* result = window.findChild<QLabel*>(ui::qs(ui::nameOf(ui::kResultLabel)));

    QTimer::singleShot(500, &window, [&] {
        window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        if (scene.endsWith("thanks")) emit window.findChild<ui::PictureLabel*>(QStringLiteral("Image1"))->clicked();
        if (scene == "tooltip") QToolTip::showText(result->mapToGlobal(QPoint(30, 30)), result->toolTip(), result);
        if (scene == "hint") {
            auto* field = window.findChild<QLineEdit*>(QStringLiteral("Text3"));
            QToolTip::showText(field->mapToGlobal(QPoint(20, 20)), field->toolTip(), field);
        }
        const bool popup = scene == "tooltip" || scene == "menu" || scene == "hint";
        QTimer::singleShot(500, &window, [&, popup] { photograph(window, path, popup); });
        // The menu runs its own loop until the photograph closes everything.
        if (scene == "menu") emit result->customContextMenuRequested(QPoint(30, 20));
    });
    return app->exec();
}
