// ntc-beta: the program's one window.
#include "ui/form1.h"

#include "calc/b_value.h"
#include "ui/field.h"
#include "ui/line.h"
#include "ui/picture_label.h"

#include <QCheckBox>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace ui {

namespace {

const QString kSongFace = QStringLiteral("宋体");
const QString kThanksText = QStringLiteral("希望此小小工具节省了你几分钟的时间！     Designed By: Tavrenko");

// Layout units: 15 twips make one pixel.
constexpr int px(int twips) { return twips / 15; }
QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// Colours are written 0x00BBGGRR: red in the low byte.
QColor fromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

// Where 宋体 is missing, a Song face that shows the Chinese texts and draws a
// blank as wide as a digit, so the two 1s of Label1 stay over their bars.
void substituteSongFace()
{
    static const bool done = [] {
        QFont::insertSubstitutions(kSongFace, {QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                                               QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL SungtiL GB")});
        return true;
    }();
    (void)done;
}

// A QString as the evaluation reads it, without copying its characters.
std::u16string_view view(const QString& text)
{
    return std::u16string_view(QStringView(text).utf16(), static_cast<std::size_t>(text.size()));
}

QFont songFont(qreal pointSize)
{
    QFont font(kSongFace);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QRect& box, const QString& text, qreal pointSize)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(box);
    label->setFont(songFont(pointSize));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

QLineEdit* makeField(QWidget* parent, const QString& name, const QRect& box, const QString& accessibleName)
{
    auto* field = new Field(parent);
    field->setObjectName(name);
    field->setGeometry(box);
    field->setAccessibleName(accessibleName);
    return field;
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent)
{
    substituteSongFace();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("NTC电阻B值计算"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(songFont(9));
    resize(px(6120), px(3195));

    Text1 = makeField(this, QStringLiteral("Text1"), twipsRect(1680, 480, 975, 375),
                      QStringLiteral("R1：温度T1时的电阻"));
    Text2 = makeField(this, QStringLiteral("Text2"), twipsRect(1680, 1080, 975, 375),
                      QStringLiteral("R2：温度T2时的电阻"));
    Label1 = makeLabel(this, QStringLiteral("Label1"), twipsRect(1200, 1680, 1815, 255),
                       QStringLiteral("   1        1"), 12);
    Text3 = makeField(this, QStringLiteral("Text3"), twipsRect(1200, 2160, 735, 375),
                      QStringLiteral("T1：电阻R1时的温度"));
    Text4 = makeField(this, QStringLiteral("Text4"), twipsRect(2280, 2160, 855, 375),
                      QStringLiteral("T2：电阻R2时的温度"));

    struct LabelLayout {
        QRect box;
        const char16_t* text;
        qreal pointSize;
    };
    const std::array<LabelLayout, 5> label2Layout{{
        {twipsRect(1080, 840, 615, 495), u"Ln(", 15.75},
        {twipsRect(2760, 840, 255, 495), u")", 15.75},
        {twipsRect(3000, 1440, 255, 495), u"=", 15.75},
        {twipsRect(3240, 1320, 2775, 735), u"填入数值", 21},
        {twipsRect(720, 1440, 495, 495), u"B=", 15.75},
    }};
    for (std::size_t i = 0; i < Label2.size(); ++i) {
        const LabelLayout& layout = label2Layout[i];
        Label2[i] = makeLabel(this, QStringLiteral("Label2(%1)").arg(i), layout.box,
                              QString::fromUtf16(layout.text), layout.pointSize);
    }
    Label2[3]->setAccessibleName(QStringLiteral("B值计算结果"));

    Command1 = new QPushButton(QStringLiteral("计算"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(3840, 2280, 1935, 735));
    Command1->setAutoDefault(false);
    Command1->setDefault(false);
    Command1->setAccessibleName(QStringLiteral("计算B值"));

    Check1 = new QCheckBox(QStringLiteral("使用绝对温度"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(twipsRect(1320, 2640, 1455, 375));
    Check1->setAccessibleName(QStringLiteral("温度为绝对温度（开尔文），不勾选时为摄氏度"));

    Image1 = new PictureLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twipsRect(3000, 0, 3015, 1260));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    struct LineLayout {
        int x1, y1, x2, y2;
    };
    const std::array<LineLayout, 5> lineLayout{{
        {1560, 960, 2760, 960},   // R1 over R2 inside Ln( )
        {1320, 1560, 2880, 1560}, // Ln(…) over (1/T1 − 1/T2)
        {1200, 2040, 1920, 2040}, // 1 over T1
        {2280, 2040, 3120, 2040}, // 1 over T2
        {2040, 2040, 2160, 2040}, // the minus sign
    }};
    for (std::size_t i = 0; i < lineLayout.size(); ++i) {
        const LineLayout& layout = lineLayout[i];
        auto* line = new Line(QPoint(px(layout.x1), px(layout.y1)), QPoint(px(layout.x2), px(layout.y2)), this);
        line->setObjectName(QStringLiteral("Line%1").arg(i + 1));
    }

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, Command1);
    setTabOrder(Command1, Check1);
    Text1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form1::calculateClicked);
    connect(Image1, &PictureLabel::clicked, this, &Form1::pictureClicked);
}

void Form1::showCentred()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
}

// Loading the first image loads the image format plug-ins as well; the
// picture and the icon therefore come just after the first frame is on the
// screen, which the fields and the drawn formula reach a few ms sooner.
void Form1::paintEvent(QPaintEvent*)
{
    if (imagesRequested) return;
    imagesRequested = true;
    QTimer::singleShot(0, this, &Form1::loadImages);
}

void Form1::loadImages()
{
    Image1->setPixmap(QPixmap(QStringLiteral(":/formula.jpg")));
    setWindowIcon(QIcon(QStringLiteral(":/ntc-beta.ico")));
}

std::int16_t Form1::checkValue() const
{
    // Qt orders the states clear, greyed, ticked; the evaluation wants
    // 0 clear, 1 ticked, 2 greyed.
    switch (Check1->checkState()) {
    case Qt::Unchecked: return 0;
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    }
    return 0;
}

void Form1::setResultStyle(qreal pointSize, const QColor& colour)
{
    QLabel* result = Label2[3];
    result->setFont(songFont(pointSize));
    QPalette palette = result->palette();
    palette.setColor(QPalette::WindowText, colour);
    result->setPalette(palette);
}

void Form1::calculateClicked()
{
    QLabel* result = Label2[3];
    try {
        setResultStyle(21, fromBgr(0x000000));
        // Shallow copies: the fields' texts are shared, not duplicated.
        const QString r1 = Text1->text();
        const QString r2 = Text2->text();
        const QString t1 = Text3->text();
        const QString t2 = Text4->text();
        const std::u16string text = calc::evaluate(view(r1), view(r2), view(t1), view(t2), checkValue());
        result->setText(QString::fromStdU16String(text));
    } catch (...) {
        // Whatever fails (even running out of memory on a huge paste) ends
        // in the one message; the window carries on.
        result->setText(QString::fromUtf16(calc::kInvalidMessage.data(),
                                           static_cast<qsizetype>(calc::kInvalidMessage.size())));
    }
}

void Form1::pictureClicked()
{
    setResultStyle(11, fromBgr(0x000080));
    Label2[3]->setText(kThanksText);
}

} // namespace ui
