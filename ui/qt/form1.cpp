// ntc-beta: the program's one window, in Qt Widgets.
#include "ui/qt/form1.h"

#include "ui/actions.h"
#include "ui/contrast.h"
#include "ui/field_hint.h"
#include "ui/form_layout.h"
#include "ui/qt/accessible_form.h"
#include "ui/qt/field.h"
#include "ui/qt/line.h"
#include "ui/qt/picture_label.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
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

Bgr toBgr(const QColor& colour) { return bgr(colour.red(), colour.green(), colour.blue()); }

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

// The Song face at `pointSize`, from its bitmaps where it has them for the
// size in device pixels (`dotsPerInch` counts device pixels).
QFont songFont(qreal pointSize, qreal dotsPerInch)
{
    QFont font(qs(kSongFace));
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    if (songBitmapsFit(pointSize, dotsPerInch)) {
        font.setStyleStrategy(QFont::NoAntialias);
        font.setHintingPreference(QFont::PreferFullHinting);
    }
    return font;
}

QWidget* makeControl(QWidget* parent, const ControlSpec& item)
{
    QWidget* widget = nullptr;
    switch (item.kind) {
    case ControlKind::field: {
        auto* field = new Field(parent);
        widget = field;
        break;
    }
    case ControlKind::label: {
        auto* label = new QLabel(qs(item.text), parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        widget = label;
        break;
    }
    case ControlKind::button: {
        auto* button = new QPushButton(qs(item.text), parent);
        // Not the default button: Enter in a field does not calculate.
        button->setAutoDefault(false);
        button->setDefault(false);
        widget = button;
        break;
    }
    case ControlKind::checkBox:
        widget = new QCheckBox(qs(item.text), parent);
        break;
    case ControlKind::picture: {
        auto* picture = new PictureLabel(parent);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = picture;
        break;
    }
    }
    widget->setObjectName(qs(item.name));
    widget->setGeometry(pixelRect(item.box));
    if (!takesFocus(item)) widget->setFocusPolicy(Qt::NoFocus);
    if (!item.accessibleName.empty()) widget->setAccessibleName(qs(item.accessibleName));
    if (!item.accessibleDescription.empty()) widget->setAccessibleDescription(qs(item.accessibleDescription));
    if (pressedByEnter(item)) widget->installEventFilter(parent);
    return widget;
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent)
{
    substituteSongFace();
    installAccessibleForm();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(qs(kWindow.title));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(pixels(kWindow.clientWidth), pixels(kWindow.clientHeight));

    for (const ControlSpec& item : controls()) makeControl(this, item);
    for (const LineSpec& item : lines()) {
        auto* line = new Line(QPoint(pixels(item.x1), pixels(item.y1)), QPoint(pixels(item.x2), pixels(item.y2)), this);
        line->setObjectName(qs(item.name));
    }

    Text1 = findChild<Field*>(QStringLiteral("Text1"));
    Text2 = findChild<Field*>(QStringLiteral("Text2"));
    Text3 = findChild<Field*>(QStringLiteral("Text3"));
    Text4 = findChild<Field*>(QStringLiteral("Text4"));
    Check1 = findChild<QCheckBox*>(QStringLiteral("Check1"));
    Command1 = findChild<QPushButton*>(QStringLiteral("Command1"));
    Image1 = findChild<PictureLabel*>(QStringLiteral("Image1"));
    Result = findChild<QLabel*>(QStringLiteral("Label2(3)"));
    shown = startState();
    applyFonts();

    // Selectable with the mouse for copying, yet never in the tab chain:
    // selectable text would otherwise take the focus on a click.
    Result->setTextFormat(Qt::PlainText);
    Result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Result->setFocusPolicy(Qt::NoFocus);
    Result->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Result, &QLabel::customContextMenuRequested, this, &Form1::showResultMenu);

    QWidget* previous = nullptr;
    for (const ControlSpec* item : tabOrder()) {
        QWidget* next = findChild<QWidget*>(qs(item->name));
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
    // Through QIcon, which takes formula@2x.jpg where pixels are doubled.
    const QSize pictureSize = pixelRect(findControl("Image1")->box).size();
    Image1->setPixmap(QIcon(QStringLiteral(":/formula.jpg")).pixmap(pictureSize, devicePixelRatio()));
    QIcon icon(QStringLiteral(":/ntc-beta.ico"));
    for (int side : {64, 128, 256}) icon.addFile(QStringLiteral(":/icons/ntc-beta-%1.png").arg(side));
    setWindowIcon(icon);
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
    shown = state;
    Result->setFont(songFont(state.pointSize, deviceDotsPerInch()));
    applyResultColour();
    const QString text = qs(state.text);
    const bool repeated = Result->text() == text;
    // The label's accessible name is its text, so QLabel tells screen readers
    // of a new text itself; the same text set again is announced here.
    Result->setText(text);
    if (repeated) {
        QAccessibleEvent changed(Result, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    Result->setToolTip(qs(state.toolTip));
}

// The colours the state asks for where they read on the window's face; the
// scheme's text colour and a lightened red where the face is dark.
void Form1::applyResultColour()
{
    const QPalette scheme = QApplication::palette(Result);
    const Bgr face = toBgr(palette().color(QPalette::Window));
    const Bgr windowText = toBgr(scheme.color(QPalette::WindowText));
    QPalette palette = Result->palette();
    palette.setColor(QPalette::WindowText, fromBgr(shownColour(shown, face, windowText)));
    Result->setPalette(palette);
}

qreal Form1::deviceDotsPerInch() const { return logicalDpiY() * devicePixelRatio(); }

// The window's fonts for the pixel density of the screen it is on: whether
// the Song bitmaps fit depends on it.
void Form1::applyFonts()
{
    const qreal dpi = deviceDotsPerInch();
    setFont(songFont(kWindow.pointSize, dpi));
    for (const ControlSpec& item : controls())
        if (item.kind == ControlKind::label && item.name != "Label2(3)")
            findChild<QLabel*>(qs(item.name))->setFont(songFont(item.pointSize, dpi));
    Result->setFont(songFont(shown.pointSize, dpi));
}

void Form1::showEvent(QShowEvent* event)
{
    applyFonts();
    QWidget::showEvent(event);
}

void Form1::changeEvent(QEvent* event)
{
    // The desktop switched between light and dark while the window is open.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        applyResultColour();
    QWidget::changeEvent(event);
}

// Enter and keypad Enter press the focused button as Space does; the fields
// do not watch for them, so Enter there still does nothing.
bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && mods == Qt::NoModifier) {
            if (!key->isAutoRepeat()) button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::showResultMenu(const QPoint& at)
{
    QMenu menu(this);
    QAction* copyShown = menu.addAction(qs(kCopyShown));
    QAction* copyFull = menu.addAction(qs(kCopyFullValue));
    copyFull->setEnabled(!shown.fullValue.empty());
    const QString selected = Result->selectedText();
    connect(copyShown, &QAction::triggered, this, [this, selected] {
        const QString text = selected.isEmpty() ? Result->text() : selected;
        QApplication::clipboard()->setText(qs(copiedText(view(text))));
    });
    connect(copyFull, &QAction::triggered, this,
            [this] { QApplication::clipboard()->setText(qs(shown.fullValue)); });
    menu.exec(Result->mapToGlobal(at));
}

void Form1::markPartlyReadFields()
{
    const std::int16_t check = checkValue();
    for (Field* field : {Text1, Text2, Text3, Text4}) {
        const std::optional<std::u16string> hint =
            fieldHint(field->objectName().toStdString(), view(field->text()), check);
        field->setHint(hint ? qs(*hint) : QString());
    }
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
        markPartlyReadFields();
    } catch (...) {
        // Whatever fails (even running out of memory on a huge paste) ends
        // in the one message; the window carries on.
        showResult(calculationFailed());
    }
}

void Form1::pictureClicked() { showResult(thanks()); }

} // namespace ui
