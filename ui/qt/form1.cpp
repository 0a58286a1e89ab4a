// ntc-beta: the program's one window, in Qt Widgets.
#include "ui/qt/form1.h"

#include "ui/actions.h"
#include "ui/form_layout.h"
#include "ui/qt/field.h"
#include "ui/qt/line.h"
#include "ui/qt/picture_label.h"

#include <QApplication>
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

QString qs(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QString qs(std::string_view name)
{
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QRect pixelRect(const TwipsRect& box)
{
    return QRect(pixels(box.left), pixels(box.top), pixels(box.width), pixels(box.height));
}

QColor fromBgr(Bgr colour)
{
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

void substituteSongFace()
{
    static const bool done = [] {
        QStringList substitutes;
        for (std::u16string_view face : kSongSubstitutes) substitutes << qs(face);
        QFont::insertSubstitutions(qs(kSongFace), substitutes);
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
    QFont font(qs(kSongFace));
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

QWidget* makeControl(QWidget* parent, const ControlSpec& spec)
{
    QWidget* widget = nullptr;
    switch (spec.kind) {
    case ControlKind::field: {
        auto* field = new Field(parent);
        widget = field;
        break;
    }
    case ControlKind::label: {
        auto* label = new QLabel(qs(spec.text), parent);
        label->setFont(songFont(spec.pointSize));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        widget = label;
        break;
    }
    case ControlKind::button: {
        auto* button = new QPushButton(qs(spec.text), parent);
        // Not the default button: Enter in a field does not calculate.
        button->setAutoDefault(false);
        button->setDefault(false);
        widget = button;
        break;
    }
    case ControlKind::checkBox:
        widget = new QCheckBox(qs(spec.text), parent);
        break;
    case ControlKind::picture: {
        auto* picture = new PictureLabel(parent);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = picture;
        break;
    }
    }
    widget->setObjectName(qs(spec.name));
    widget->setGeometry(pixelRect(spec.box));
    if (!takesFocus(spec)) widget->setFocusPolicy(Qt::NoFocus);
    if (!spec.accessibleName.empty()) widget->setAccessibleName(qs(spec.accessibleName));
    return widget;
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent)
{
    substituteSongFace();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(qs(kWindow.title));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(songFont(kWindow.pointSize));
    resize(pixels(kWindow.clientWidth), pixels(kWindow.clientHeight));

    for (const ControlSpec& spec : controls()) makeControl(this, spec);
    for (const LineSpec& spec : lines()) {
        auto* line = new Line(QPoint(pixels(spec.x1), pixels(spec.y1)), QPoint(pixels(spec.x2), pixels(spec.y2)), this);
        line->setObjectName(qs(spec.name));
    }

    Text1 = findChild<QLineEdit*>(QStringLiteral("Text1"));
    Text2 = findChild<QLineEdit*>(QStringLiteral("Text2"));
    Text3 = findChild<QLineEdit*>(QStringLiteral("Text3"));
    Text4 = findChild<QLineEdit*>(QStringLiteral("Text4"));
    Check1 = findChild<QCheckBox*>(QStringLiteral("Check1"));
    Command1 = findChild<QPushButton*>(QStringLiteral("Command1"));
    Image1 = findChild<PictureLabel*>(QStringLiteral("Image1"));
    Result = findChild<QLabel*>(QStringLiteral("Label2(3)"));

    QWidget* previous = nullptr;
    for (const ControlSpec* spec : tabOrder()) {
        QWidget* next = findChild<QWidget*>(qs(spec->name));
        if (previous) setTabOrder(previous, next);
        previous = next;
    }
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

void Form1::showResult(const ResultState& state)
{
    Result->setFont(songFont(state.pointSize));
    QPalette palette = Result->palette();
    palette.setColor(QPalette::WindowText, state.colour ? fromBgr(*state.colour)
                                                        : QApplication::palette(Result).color(QPalette::WindowText));
    Result->setPalette(palette);
    Result->setText(qs(state.text));
}

void Form1::calculateClicked()
{
    try {
        // Shallow copies: the fields' texts are shared, not duplicated.
        const QString r1 = Text1->text();
        const QString r2 = Text2->text();
        const QString t1 = Text3->text();
        const QString t2 = Text4->text();
        showResult(calculate(view(r1), view(r2), view(t1), view(t2), checkValue()));
    } catch (...) {
        // Whatever fails (even running out of memory on a huge paste) ends
        // in the one message; the window carries on.
        showResult(calculationFailed());
    }
}

void Form1::pictureClicked() { showResult(thanks()); }

} // namespace ui
