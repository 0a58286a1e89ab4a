// ntc-beta: the program's one window, in Qt Widgets.
#include "ui/qt/form1.h"

#include "ui/actions.h"
#include "ui/contrast.h"
#include "ui/form_layout.h"
#include "ui/qt/accessible_form.h"
#include "ui/qt/convert.h"
#include "ui/qt/field.h"
#include "ui/qt/line.h"
#include "ui/qt/picture_label.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace ui {

namespace {

QRect pixelRect(const TwipsRect& box)
{
    return QRect(pixels(box.left), pixels(box.top), pixels(box.width), pixels(box.height));
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

// The font the core chose; without antialiasing, Qt takes the Song face's
// bitmaps where it has them.
QFont qtFont(const FontChoice& choice)
{
    QFont font(qs(choice.face));
    font.setPointSizeF(choice.pointSize);
    font.setWeight(QFont::Weight(choice.weight));
    if (!choice.antialiased) {
        font.setStyleStrategy(QFont::NoAntialias);
        font.setHintingPreference(QFont::PreferFullHinting);
    }
    return font;
}

QLabel* makeLabel(QWidget* parent, const ControlSpec& item)
{
    auto* label = new QLabel(qs(item.text), parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QPushButton* makeButton(QWidget* parent, const ControlSpec& item)
{
    auto* button = new QPushButton(qs(item.text), parent);
    // Not the default button: Enter in a field does not calculate.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

PictureLabel* makePicture(QWidget* parent)
{
    auto* picture = new PictureLabel(parent);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return picture;
}

QWidget* makeWidget(QWidget* parent, const ControlSpec& item)
{
    switch (item.kind) {
    case ControlKind::field: return new Field(parent);
    case ControlKind::label: return makeLabel(parent, item);
    case ControlKind::button: return makeButton(parent, item);
    case ControlKind::checkBox: return new QCheckBox(qs(item.text), parent);
    case ControlKind::picture: return makePicture(parent);
    }
    return new QWidget(parent);
}

void makeControl(QWidget* parent, const ControlSpec& item)
{
    QWidget* widget = makeWidget(parent, item);
    widget->setObjectName(qs(item.name));
    widget->setGeometry(pixelRect(item.box));
    if (!takesFocus(item)) widget->setFocusPolicy(Qt::NoFocus);
    if (!item.accessibleName.empty()) widget->setAccessibleName(qs(item.accessibleName));
    if (!item.accessibleDescription.empty()) widget->setAccessibleDescription(qs(item.accessibleDescription));
    // The window reads the keys of every control that takes the focus:
    // Enter on the button, Ctrl+C and the menu key anywhere.
    if (takesFocus(item)) widget->installEventFilter(parent);
}

// A PNG from the resources, read by Qt's own PNG reader. A reader left to
// guess the format first asks every image plug-in whether it knows it,
// which loads them all (and the JPEG library) into the process.
QPixmap readPng(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// The picture drawn at twice the size wherever the screen has more pixels
// than points, brought to the screen's own pixels (sharp at 200 %); the 1x
// one elsewhere, so only the picture the screen shows is decoded.
QPixmap formulaPicture(QSize size, qreal ratio)
{
    if (ratio <= 1) return readPng(QStringLiteral(":/formula.png"));
    QPixmap picture = readPng(QStringLiteral(":/formula@2x.png"));
    const QSize devicePixels = (QSizeF(size) * ratio).toSize();
    if (picture.size() != devicePixels)
        picture = picture.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

// The sizes a title bar, task bar and window switcher draw (64: 32 doubled).
// Every image given to a window icon stays decoded in memory; the large
// ones belong to the desktop entry's icon in the hicolor theme.
QIcon windowIconImages()
{
    QIcon icon;
    for (int side : {16, 32, 48, 64}) icon.addPixmap(readPng(QStringLiteral(":/icons/ntc-beta-%1.png").arg(side)));
    return icon;
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
    setMinimumSize(size());
    createControls();
    applyFonts();
    setUpResult();
    chainTabOrder();
    fields_[0]->setFocus();
    connectEvents();
}

void Form1::createControls()
{
    for (const ControlSpec& item : controls()) makeControl(this, item);
    for (const LineSpec& item : lines()) {
        auto* line = new Line(QPoint(pixels(item.x1), pixels(item.y1)), QPoint(pixels(item.x2), pixels(item.y2)), this);
        line->setObjectName(qs(item.name));
    }
    for (FieldId field : kFields) fields_[std::size_t(field)] = findChild<Field*>(qs(nameOf(field)));
    Check1 = findChild<QCheckBox*>(QStringLiteral("Check1"));
    Command1 = findChild<QPushButton*>(QStringLiteral("Command1"));
    Image1 = findChild<PictureLabel*>(QStringLiteral("Image1"));
    Result = findChild<QLabel*>(qs(kResultLabel));
}

void Form1::setUpResult()
{
    // Selectable with the mouse for copying, yet never in the tab chain:
    // selectable text would otherwise take the focus on a click.
    Result->setTextFormat(Qt::PlainText);
    Result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Result->setFocusPolicy(Qt::NoFocus);
    Result->setContextMenuPolicy(Qt::CustomContextMenu);
}

void Form1::chainTabOrder()
{
    QWidget* previous = nullptr;
    for (const ControlSpec* item : tabOrder()) {
        QWidget* next = findChild<QWidget*>(qs(item->name));
        if (previous) setTabOrder(previous, next);
        previous = next;
    }
}

void Form1::connectEvents()
{
    connect(Command1, &QPushButton::clicked, this, [this] { controller_.calculateClicked(); });
    connect(Image1, &PictureLabel::clicked, this, [this] { controller_.pictureClicked(); });
    for (FieldId field : kFields)
        connect(fields_[std::size_t(field)], &QLineEdit::textChanged, this, [this, field] { controller_.fieldEdited(field); });
    connect(Result, &QLabel::customContextMenuRequested, this, &Form1::showResultMenu);
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

// The picture and the icon come just after the first frame is on the
// screen, which the fields and the drawn formula reach a few ms sooner.
void Form1::paintEvent(QPaintEvent*)
{
    if (imagesRequested) return;
    imagesRequested = true;
    QTimer::singleShot(0, this, &Form1::loadImages);
}

void Form1::loadImages()
{
    Image1->setPixmap(formulaPicture(pixelRect(findControl("Image1")->box).size(), devicePixelRatio()));
    setWindowIcon(windowIconImages());
}

std::u16string Form1::fieldText(FieldId field) const { return fields_[std::size_t(field)]->text().toStdU16String(); }

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
    Result->setFont(qtFont(fontFor(state.pointSize, deviceDotsPerInch())));
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

void Form1::setFieldHint(FieldId field, std::u16string_view hint) { fields_[std::size_t(field)]->setHint(qs(hint)); }

void Form1::copyToClipboard(std::u16string_view text) { QApplication::clipboard()->setText(qs(text)); }

// The colours the state asks for where they read on the window's face; the
// scheme's text colour and a lightened red where the face is dark.
void Form1::applyResultColour()
{
    const QPalette scheme = QApplication::palette(Result);
    const Bgr face = toBgr(palette().color(QPalette::Window));
    const Bgr windowText = toBgr(scheme.color(QPalette::WindowText));
    QPalette palette = Result->palette();
    palette.setColor(QPalette::WindowText, fromBgr(shownColour(controller_.result(), face, windowText)));
    Result->setPalette(palette);
}

qreal Form1::deviceDotsPerInch() const { return logicalDpiY() * devicePixelRatio(); }

// The window's fonts for the pixel density of the screen it is on: whether
// the Song bitmaps fit depends on it.
void Form1::applyFonts()
{
    const qreal dpi = deviceDotsPerInch();
    setFont(qtFont(fontFor(kWindow.pointSize, dpi)));
    for (const ControlSpec& item : controls())
        findChild<QWidget*>(qs(item.name))->setFont(qtFont(controller_.fontOf(item, dpi)));
}

void Form1::showEvent(QShowEvent* event)
{
    applyFonts();
    QWidget::showEvent(event);
}

void Form1::changeEvent(QEvent* event)
{
    // The desktop switched between light and dark while the window is open.
    if (Result && (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange))
        applyResultColour();
    QWidget::changeEvent(event);
}

// Enter and keypad Enter press the focused button as Space does; the fields
// do not watch for them, so Enter there still does nothing. The result
// never takes the focus, so the focused control hands it Ctrl+C and the
// keyboard's menu keys (the controller decides where).
bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    const auto* field = qobject_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && mods == Qt::NoModifier) {
            if (!key->isAutoRepeat()) button->click();
            return true;
        }
        if (key->matches(QKeySequence::Copy))
            return controller_.copyKeyPressed(field && field->hasSelectedText(),
                                              Result->selectedText().toStdU16String());
        const bool menuKey = key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && mods == Qt::ShiftModifier);
        if (menuKey && FormController::menuKeyOpensResultMenu(field != nullptr)) {
            showResultMenu(QPoint(0, 0));
            return true;
        }
    }
    const bool keyboardMenu = event->type() == QEvent::ContextMenu &&
                              static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
    if (keyboardMenu && FormController::menuKeyOpensResultMenu(field != nullptr)) {
        showResultMenu(QPoint(0, 0));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::showResultMenu(const QPoint& at)
{
    QMenu menu(this);
    QAction* copyShown = menu.addAction(qs(kCopyShown));
    QAction* copyFull = menu.addAction(qs(kCopyFullValue));
    copyFull->setEnabled(controller_.fullValueShown());
    const std::u16string selected = Result->selectedText().toStdU16String();
    connect(copyShown, &QAction::triggered, this, [this, selected] { controller_.copyShownClicked(selected); });
    connect(copyFull, &QAction::triggered, this, [this] { controller_.copyFullValueClicked(); });
    menu.exec(Result->mapToGlobal(at));
}

} // namespace ui
