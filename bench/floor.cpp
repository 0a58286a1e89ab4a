// ntc-beta benchmarks: the floor the program's start-up is measured against,
// what Qt Widgets alone costs: an empty window of the same size and title
// showing one line of Chinese in the same face. Built a second time as
// floor_fields, with the program's four empty entry fields added, to show
// what those alone cost.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                                                      QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL SungtiL GB")});
    QWidget window;
    window.setWindowTitle(QStringLiteral("NTC电阻B值计算"));
    window.resize(408, 213);
    QLabel label(QStringLiteral("填入数值"), &window);
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(21);
    label.setFont(font);
    label.setGeometry(216, 88, 185, 49);
#ifdef FLOOR_WITH_FIELDS
    for (const QRect& box : {QRect(112, 32, 65, 25), QRect(112, 72, 65, 25), QRect(80, 144, 49, 25),
                             QRect(152, 144, 57, 25)})
        (new QLineEdit(&window))->setGeometry(box);
#endif
    window.show();
    return app.exec();
}
