// Drives the window as a user would and checks what the user sees.
#include "ui/qt/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kFill = QStringLiteral("请填入数值");
const QString kInvalid = QStringLiteral("输入数值无效");
const QString kStart = QStringLiteral("填入数值");
const QString kThanks = QStringLiteral("希望此小小工具节省了你几分钟的时间！     Designed By: Tavrenko");

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private:
    ui::Form1* form = nullptr;

    template <typename T> T* control(const char* name) const
    {
        T* found = form->findChild<T*>(QString::fromLatin1(name));
        if (!found) qFatal("no control %s", name);
        return found;
    }
    QLabel* result() const { return control<QLabel>("Label2(3)"); }
    void type(const char* field, const QString& text) { QTest::keyClicks(control<QLineEdit>(field), text); }
    // Types R1, R2, T1 and T2 into their fields, as a user would.
    void typeReading(const QString& r1, const QString& r2, const QString& t1, const QString& t2)
    {
        type("Text1", r1);
        type("Text2", r2);
        type("Text3", t1);
        type("Text4", t2);
    }
    void clickButton() { QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton); }
    void clickPicture() { QTest::mouseClick(control<QLabel>("Image1"), Qt::LeftButton); }
    QColor resultColour() const { return result()->palette().color(QPalette::WindowText); }

private slots:
    void init()
    {
        form = new ui::Form1;
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
    }
    void cleanup()
    {
        delete form;
        form = nullptr;
    }

    void window()
    {
        QCOMPARE(form->objectName(), QStringLiteral("Form1"));
        QCOMPARE(form->windowTitle(), QStringLiteral("NTC电阻B值计算"));
        QCOMPARE(form->size(), QSize(408, 213));
        const Qt::WindowFlags flags = form->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowTitleHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QTRY_VERIFY(!form->windowIcon().isNull());
        const QList<QSize> sizes = form->windowIcon().availableSizes();
        for (int side : {16, 32, 48}) QVERIFY(sizes.contains(QSize(side, side)));
    }

    // Every control: name, class, box in pixels (twips / 15), text, font size.
    void controls_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qreal>("pointSize");
        const auto row = [](const char* name, const char* cls, QRect box, const QString& text, qreal size) {
            QTest::newRow(name) << QString::fromLatin1(cls) << box << text << size;
        };
        row("Text1", "ui::Field", {112, 32, 65, 25}, {}, 9);
        row("Text2", "ui::Field", {112, 72, 65, 25}, {}, 9);
        row("Label1", "QLabel", {80, 112, 121, 17}, QStringLiteral("   1        1"), 12);
        row("Text3", "ui::Field", {80, 144, 49, 25}, {}, 9);
        row("Text4", "ui::Field", {152, 144, 57, 25}, {}, 9);
        row("Label2(0)", "QLabel", {72, 56, 41, 33}, QStringLiteral("Ln("), 15.75);
        row("Label2(1)", "QLabel", {184, 56, 17, 33}, QStringLiteral(")"), 15.75);
        row("Label2(2)", "QLabel", {200, 96, 17, 33}, QStringLiteral("="), 15.75);
        row("Label2(3)", "QLabel", {216, 88, 185, 49}, kStart, 21);
        row("Label2(4)", "QLabel", {48, 96, 33, 33}, QStringLiteral("B="), 15.75);
        row("Command1", "QPushButton", {256, 152, 129, 49}, QStringLiteral("计算"), 9);
        row("Check1", "QCheckBox", {88, 176, 97, 25}, QStringLiteral("使用绝对温度"), 9);
        row("Image1", "ui::PictureLabel", {200, 0, 201, 84}, {}, 9);
        row("Line1", "ui::Line", {104, 64, 80, 1}, {}, 9);
        row("Line2", "ui::Line", {88, 104, 104, 1}, {}, 9);
        row("Line3", "ui::Line", {80, 136, 48, 1}, {}, 9);
        row("Line4", "ui::Line", {152, 136, 56, 1}, {}, 9);
        row("Line5", "ui::Line", {136, 136, 8, 1}, {}, 9);
    }
    void controls()
    {
        QFETCH(QString, className);
        QFETCH(QRect, box);
        QFETCH(QString, text);
        QFETCH(qreal, pointSize);
        const QWidget* widget = control<QWidget>(QTest::currentDataTag());
        QCOMPARE(widget->parentWidget(), form);
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
        QCOMPARE(widget->geometry(), box);
        QCOMPARE(widget->font().pointSizeF(), pointSize);
        QCOMPARE(widget->font().family(), QStringLiteral("宋体"));
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            QCOMPARE(label->text(), text);
            QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
            if (!text.isEmpty()) QVERIFY(label->wordWrap());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            QCOMPARE(button->text(), text);
        } else if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
            QCOMPARE(field->text(), text);
            QVERIFY(!field->accessibleName().isEmpty());
        }
    }

    void startState()
    {
        QCOMPARE(result()->text(), kStart);
        QCOMPARE(result()->font().pointSizeF(), 21.0);
        QCOMPARE(resultColour(), QApplication::palette(result()).color(QPalette::WindowText));
        QCOMPARE(control<QCheckBox>("Check1")->checkState(), Qt::Unchecked);
        QCOMPARE(QApplication::focusWidget(), control<QLineEdit>("Text1"));
        QTRY_COMPARE(control<QLabel>("Image1")->pixmap().size(), QSize(201, 84));
        // Dark formula strokes on a white ground.
        const QImage picture = control<QLabel>("Image1")->pixmap().toImage();
        QCOMPARE(picture.pixelColor(0, 0), QColor(255, 255, 255));
        int dark = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) dark += qGray(picture.pixel(x, y)) < 80;
        QVERIFY(dark > 200);
        QVERIFY(!result()->accessibleName().isEmpty());
        QVERIFY(!control<QPushButton>("Command1")->isDefault());
    }

    void calculate_data()
    {
        QTest::addColumn<QString>("r1");
        QTest::addColumn<QString>("r2");
        QTest::addColumn<QString>("t1");
        QTest::addColumn<QString>("t2");
        QTest::addColumn<bool>("tick");
        QTest::addColumn<QString>("expected");
        // ln(10) / (1/298.15 - 1/373.15) = 3415.6446...
        QTest::newRow("celsius") << "10000" << "1000" << "25" << "100" << false << " 3415.64";
        QTest::newRow("kelvin, ticked") << "10000" << "1000" << "298.15" << "373.15" << true << " 3415.64";
        QTest::newRow("swapped") << "1000" << "10000" << "25" << "100" << false << "-3415.64";
        // ln(3.265) / (1/273.15 - 1/298.15) = 3854.5715...
        QTest::newRow("ice point") << "32650" << "10000" << "0" << "25" << false << " 3854.57";
        QTest::newRow("all empty") << "" << "" << "" << "" << false << kFill;
        QTest::newRow("letters") << "abc" << "1000" << "25" << "100" << false << kFill;
        QTest::newRow("overflow beats empty") << "" << "" << "" << "1e999" << false << kInvalid;
        QTest::newRow("equal temperatures") << "10000" << "1000" << "25" << "25" << false << kInvalid;
        QTest::newRow("0 K ticked") << "10000" << "1000" << "0" << "100" << true << kInvalid;
        QTest::newRow("large B") << "10" << "1" << "25" << "25.001" << false << " 2.0E+08";
    }
    void calculate()
    {
        QFETCH(QString, r1);
        QFETCH(QString, r2);
        QFETCH(QString, t1);
        QFETCH(QString, t2);
        QFETCH(bool, tick);
        QFETCH(QString, expected);
        typeReading(r1, r2, t1, t2);
        if (tick) QTest::mouseClick(control<QCheckBox>("Check1"), Qt::LeftButton, {}, QPoint(6, 12));
        QCOMPARE(control<QCheckBox>("Check1")->isChecked(), tick);
        clickButton();
        QCOMPARE(result()->text(), expected);
        QCOMPARE(result()->font().pointSizeF(), 21.0);
        QCOMPARE(resultColour(), QColor(0, 0, 0));
        QCOMPARE(control<QLineEdit>("Text1")->text(), r1);
    }

    void greyedBoxCountsAsTicked()
    {
        auto* box = control<QCheckBox>("Check1");
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
        typeReading(QStringLiteral("10000"), QStringLiteral("1000"), QStringLiteral("298.15"), QStringLiteral("373.15"));
        clickButton();
        QCOMPARE(result()->text(), QStringLiteral(" 3415.64"));
    }

    void thanks()
    {
        clickPicture();
        QCOMPARE(result()->text(), kThanks);
        QCOMPARE(result()->font().pointSizeF(), 11.0);
        // 0x000080 is 0x00BBGGRR: red 128, dark red.
        QCOMPARE(resultColour(), QColor(128, 0, 0));
        QCOMPARE(result()->font().family(), QStringLiteral("宋体"));
        clickPicture();
        QCOMPARE(result()->text(), kThanks);
        QCOMPARE(result()->font().pointSizeF(), 11.0);
    }

    void calculateAfterThanks()
    {
        clickPicture();
        clickButton();
        QCOMPARE(result()->text(), kFill);
        QCOMPARE(result()->font().pointSizeF(), 21.0);
        QCOMPARE(resultColour(), QColor(0, 0, 0));
    }

    void calculateTwice()
    {
        typeReading(QStringLiteral("10000"), QStringLiteral("1066.1"), QStringLiteral("25"), QStringLiteral("85"));
        clickButton();
        // Datasheet B25/85 of a 10 kOhm part with 1066.1 Ohm at 85 degC: 3984 K.
        QCOMPARE(result()->text(), QStringLiteral(" 3984.01"));
        clickButton();
        QCOMPARE(result()->text(), QStringLiteral(" 3984.01"));
    }

    void tabOrder()
    {
        const char* order[] = {"Text2", "Text3", "Text4", "Command1", "Check1", "Text1"};
        QCOMPARE(QApplication::focusWidget(), control<QWidget>("Text1"));
        for (const char* name : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
        }
    }

    void enterDoesNotCalculate()
    {
        typeReading(QStringLiteral("10000"), QStringLiteral("1000"), QStringLiteral("25"), QStringLiteral("100"));
        QSignalSpy clicks(control<QPushButton>("Command1"), &QPushButton::clicked);
        for (const char* field : {"Text1", "Text4"}) {
            QTest::keyClick(control<QLineEdit>(field), Qt::Key_Return);
            QTest::keyClick(control<QLineEdit>(field), Qt::Key_Enter);
        }
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(result()->text(), kStart);
    }

    void longPastedText()
    {
        const QString pasted = QString(40000, u' ') + QStringLiteral("10000");
        QApplication::clipboard()->setText(pasted);
        auto* field = control<QLineEdit>("Text1");
        field->setFocus();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        if (field->text().isEmpty()) field->insert(pasted); // a platform without a clipboard
        QCOMPARE(field->text().size(), pasted.size());
        type("Text2", QStringLiteral("1000"));
        type("Text3", QStringLiteral("25"));
        type("Text4", QStringLiteral("100"));
        clickButton();
        QCOMPARE(result()->text(), QStringLiteral(" 3415.64"));
    }

    void resizingMovesNothing()
    {
        QList<QPair<QWidget*, QRect>> before;
        for (QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            before.append({child, child->geometry()});
        form->resize(700, 500);
        QTest::qWait(10);
        QCOMPARE(form->size(), QSize(700, 500));
        for (const auto& [child, box] : before) QCOMPARE(child->geometry(), box);
        form->resize(200, 100);
        for (const auto& [child, box] : before) QCOMPARE(child->geometry(), box);
    }

    // The thanks text wraps inside the label's box at 11 pt.
    void thanksWrapsInTheBox()
    {
        clickPicture();
        const QFontMetrics metrics(result()->font());
        const QRect needed = metrics.boundingRect(QRect(0, 0, 185, 10000), Qt::TextWordWrap, kThanks);
        QVERIFY(needed.width() <= 185);
        QVERIFY(needed.height() > metrics.height());
        QCOMPARE(result()->geometry().size(), QSize(185, 49));
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
