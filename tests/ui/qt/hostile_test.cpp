// Hostile input through the window: huge pasted texts, odd characters, and a
// long seeded run of random user actions.
#include "calc/b_value.h"
#include "ui/qt/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

namespace {

const QString kFill = QStringLiteral("请填入数值");
const QString kInvalid = QStringLiteral("输入数值无效");
const QString kStart = QStringLiteral("填入数值");
const QString kThanks = QStringLiteral("希望此小小工具节省了你几分钟的时间！     Designed By: Tavrenko");

QString repeated(const QString& pattern, qsizetype units)
{
    QString text;
    text.reserve(units);
    while (text.size() + pattern.size() <= units) text += pattern;
    return text;
}

std::u16string_view view(const QString& s)
{
    return std::u16string_view(QStringView(s).utf16(), static_cast<std::size_t>(s.size()));
}

} // namespace

class HostileTest : public QObject {
    Q_OBJECT

private:
    ui::Form1* form = nullptr;

    template <typename T> T* control(const QString& name) const
    {
        T* found = form->findChild<T*>(name);
        if (!found) qFatal("no control %s", qPrintable(name));
        return found;
    }
    QLineEdit* field(int i) const { return control<QLineEdit>(QStringLiteral("Text%1").arg(i + 1)); }
    QLabel* result() const { return control<QLabel>(QStringLiteral("Label2(3)")); }

    // The label is in one of its three states, and a calculated text is what
    // the fields evaluate to.
    void verifyResultState(bool calculated)
    {
        const QLabel* label = result();
        const QColor colour = label->palette().color(QPalette::WindowText);
        if (label->text() == kThanks) {
            QCOMPARE(label->font().pointSizeF(), 11.0);
            QCOMPARE(colour, QColor(128, 0, 0));
            return;
        }
        QCOMPARE(label->font().pointSizeF(), 21.0);
        if (label->text() == kStart) {
            QVERIFY(!calculated);
            return;
        }
        QCOMPARE(colour, QColor(0, 0, 0));
        const QString t = label->text();
        QVERIFY2(t == kFill || t == kInvalid || (t.size() <= 8 && (t.startsWith(u' ') || t.startsWith(u'-'))),
                 qPrintable(t));
    }

private slots:
    void init()
    {
        form = new ui::Form1;
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }
    void cleanup()
    {
        delete form;
        form = nullptr;
    }

    // Each huge text goes into R1 (through the clipboard) with ordinary
    // values elsewhere; the window evaluates it, repaints, and still answers.
    void hugeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const qsizetype mib = 1024 * 1024;
        for (qsizetype size : {mib, 8 * mib}) {
            const QByteArray tag = QByteArray::number(size / mib) + " MiB ";
            QTest::newRow(tag + "blanks, then a number")
                << repeated(QStringLiteral(" "), size - 5) + QStringLiteral("10000") << " 3415.64";
            QTest::newRow(tag + "digits") << repeated(QStringLiteral("1234567890"), size) << kInvalid;
            // Reads as 1: ln(1/1000) / (1/298.15 - 1/373.15) = -10246.934...
            QTest::newRow(tag + "mixed scripts") << repeated(QStringLiteral("1a中ع \u200f\t"), size) << "-10246.9";
            QTest::newRow(tag + "lone surrogate and controls")
                << QString(QChar(0xD800)) + repeated(QStringLiteral("\x01\x7f\r\u202e"), size) << kFill;
        }
    }
    void hugeText()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QApplication::clipboard()->setText(text);
        field(0)->setFocus();
        QTest::keyClick(field(0), Qt::Key_V, Qt::ControlModifier);
        if (field(0)->text().isEmpty()) field(0)->setText(text); // no clipboard on this platform
        QCOMPARE(field(0)->text().size(), text.size());
        QTest::keyClicks(field(1), QStringLiteral("1000"));
        QTest::keyClicks(field(2), QStringLiteral("25"));
        QTest::keyClicks(field(3), QStringLiteral("100"));
        QTest::mouseClick(control<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton);
        QCOMPARE(result()->text(), expected);
        QVERIFY(!form->grab().isNull());
        QTest::keyClick(field(0), Qt::Key_Home);
        QTest::keyClick(field(0), Qt::Key_End);
        QVERIFY(!form->grab().isNull());
        QTest::mouseClick(control<QLabel>(QStringLiteral("Image1")), Qt::LeftButton);
        QCOMPARE(result()->text(), kThanks);
    }

    // Random clicks, ticks, pastes and keys; the seed is printed so that a
    // failing run can be replayed with NTC_MONKEY_SEED=<seed>.
    void monkey()
    {
        bool seeded = false;
        quint32 seed = qEnvironmentVariable("NTC_MONKEY_SEED").toUInt(&seeded);
        if (!seeded) seed = QRandomGenerator::global()->generate();
        qInfo("monkey seed: %u (replay with NTC_MONKEY_SEED=%u)", seed, seed);
        QRandomGenerator rng(seed);

        const QStringList pieces = {QStringLiteral("10000"), QStringLiteral("1000"), QStringLiteral("25"),
                                    QStringLiteral("100"),   QStringLiteral("0"),    QStringLiteral("-273.15"),
                                    QStringLiteral("1e999"), QStringLiteral("1e-400"), QStringLiteral("&HFFFF"),
                                    QStringLiteral("abc"),   QStringLiteral(" "),    QStringLiteral("."),
                                    QStringLiteral("e"),     QStringLiteral("-"),    QStringLiteral("中"),
                                    QString(QChar(0xDC00)),  QStringLiteral("\u200f"), QStringLiteral("9")};
        auto* button = control<QPushButton>(QStringLiteral("Command1"));
        auto* picture = control<QLabel>(QStringLiteral("Image1"));
        auto* box = control<QCheckBox>(QStringLiteral("Check1"));
        bool calculated = false;
        for (int step = 0; step < 10000; ++step) {
            QLineEdit* target = field(int(rng.bounded(4)));
            switch (rng.bounded(8)) {
            case 0:
                QTest::mouseClick(button, Qt::LeftButton);
                calculated = true;
                break;
            case 1: QTest::mouseClick(picture, Qt::LeftButton); break;
            case 2: QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, 12)); break;
            case 3: {
                QString text;
                for (quint32 n = rng.bounded(5); n > 0; --n) text += pieces[int(rng.bounded(pieces.size()))];
                QApplication::clipboard()->setText(text);
                target->setFocus();
                QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
                break;
            }
            case 4: {
                // Typed as key presses; text beyond ASCII arrives as an input
                // method would deliver it, with no key code.
                const QString piece = pieces[int(rng.bounded(pieces.size()))];
                if (piece.front().unicode() < 0x80) QTest::keyClicks(target, piece);
                else QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, piece, Qt::NoModifier);
                break;
            }
            case 5: QTest::keyClick(target, Qt::Key_Backspace); break;
            case 6: target->clear(); break;
            case 7: QTest::keyClick(form, Qt::Key_Tab); break;
            }
            verifyResultState(calculated);
            if (QTest::currentTestFailed()) {
                qWarning("failed at step %d of seed %u", step, seed);
                return;
            }
        }
        // The last calculation agrees with the evaluation of what is in the fields.
        QTest::mouseClick(button, Qt::LeftButton);
        const QString r1 = field(0)->text(), r2 = field(1)->text(), t1 = field(2)->text(), t2 = field(3)->text();
        const std::u16string expected =
            calc::evaluate(view(r1), view(r2), view(t1), view(t2), box->isChecked() ? 1 : 0);
        QCOMPARE(result()->text(), QString::fromStdU16String(expected));
    }
};

QTEST_MAIN(HostileTest)
#include "hostile_test.moc"
