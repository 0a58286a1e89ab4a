// The application object as the program opens it: Qt's own options do not
// act, the window stays left to right, Qt's own texts are Chinese.
#include "ui/qt/application.h"
#include "ui/qt/form1.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <memory>

class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void layoutIsLeftToRightDespiteReverse()
    {
        QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
        ui::Form1 form;
        form.show();
        QCOMPARE(form.layoutDirection(), Qt::LeftToRight);
        // The 1s stay on their bars: Label1 sits where the layout puts it and
        // draws from its left edge.
        const auto* ones = form.findChild<QLabel*>(QStringLiteral("Label1"));
        QCOMPARE(ones->geometry(), QRect(80, 112, 121, 17));
        QVERIFY(ones->alignment() & Qt::AlignLeft);
        QCOMPARE(ones->layoutDirection(), Qt::LeftToRight);
    }

    void toolkitTextsAreChinese_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("chinese");
        QTest::newRow("undo") << "&Undo" << "撤消"; // Qt's own wording
        QTest::newRow("copy") << "&Copy" << "复制";
        QTest::newRow("paste") << "&Paste" << "粘贴";
        QTest::newRow("select all") << "Select All" << "全选";
    }
    void toolkitTextsAreChinese()
    {
        QFETCH(QString, source);
        QFETCH(QString, chinese);
        const QString translated = QCoreApplication::translate("QLineEdit", source.toUtf8().constData());
        QVERIFY2(translated.startsWith(chinese), qPrintable(translated));
        QLineEdit field;
        std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions()) texts << action->text();
        QVERIFY2(std::any_of(texts.begin(), texts.end(), [&](const QString& t) { return t.startsWith(chinese); }),
                 qPrintable(texts.join(u'|')));
    }
};

// The program's own start, with Qt options on the command line that must
// have no effect, and an English locale that must not matter.
int main(int argc, char* argv[])
{
    qputenv("LANG", "en_US.UTF-8");
    qputenv("LC_ALL", "en_US.UTF-8");
    char reverse[] = "-reverse";
    char style[] = "-style=nosuchstyle";
    char* withOptions[] = {argv[0], reverse, style, nullptr};
    int count = 3;
    const auto app = ui::openApplication(count, withOptions);
    QTEST_DISABLE_KEYPAD_NAVIGATION
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "application_test.moc"
