// What a screen reader hears from the window, with Qt's accessibility bridge
// active on a private session bus (see with_screen_reader.sh).
#include "ui/qt/form1.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/qt/picture_label.h"

namespace {

int nameChanges = 0;
const QObject* watched = nullptr;
void countNameChanges(QAccessibleEvent* event)
{
    if (event->object() == watched && event->type() == QAccessible::NameChanged) ++nameChanges;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000); }

    // Every action that sets the result announces it, a repeated one too.
    void resultChangesAreAnnounced()
    {
        ui::Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* result = form.findChild<QLabel*>(QStringLiteral("Label2(3)"));
        watched = result;
        QAccessible::installUpdateHandler(countNameChanges);
        const char* reading[] = {"10000", "1066.1", "25", "85"};
        for (int i = 0; i < 4; ++i)
            QTest::keyClicks(form.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i + 1)), QString::fromLatin1(reading[i]));
        auto* button = form.findChild<QPushButton*>(QStringLiteral("Command1"));
        auto* picture = form.findChild<ui::PictureLabel*>(QStringLiteral("Image1"));

        const struct {
            const char* action;
            QString name;
        } steps[] = {
            {"calculate", QStringLiteral(" 3984.01")},
            {"calculate again", QStringLiteral(" 3984.01")},
            {"thanks", QStringLiteral("希望此小小工具节省了你几分钟的时间！     Designed By: Tavrenko")},
            {"calculate after thanks", QStringLiteral(" 3984.01")},
        };
        for (const auto& step : steps) {
            const int before = nameChanges;
            if (QByteArray(step.action) == "thanks") QTest::mouseClick(picture, Qt::LeftButton);
            else QTest::mouseClick(button, Qt::LeftButton);
            QVERIFY2(nameChanges == before + 1, step.action);
            QCOMPARE(QAccessible::queryAccessibleInterface(result)->text(QAccessible::Name), step.name);
        }
        QAccessible::installUpdateHandler(nullptr);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
