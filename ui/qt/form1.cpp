// ntc-beta: the program's one window, in Qt Widgets.
#include "ui/qt/form1.h"

#include "ui/form_layout.h"
#include "ui/qt/accessible_form.h"
#include "ui/qt/convert.h"
#include "ui/qt/field.h"
#include "ui/qt/line.h"
#include "ui/qt/picture_label.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
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

QWidget* makeControl(QWidget* parent, const ControlSpec& item)
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
    return widget;
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

// A key as the controller reads it (form_event.h). Qt reports the Command
// key of a Mac as Ctrl, its Control key as Meta.
KeyChord chordOf(const QKeyEvent& event)
{
    Key key = Key::other;
    switch (event.key()) {
    case Qt::Key_C: key = Key::c; break;
    case Qt::Key_Insert: key = Key::insert; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: key = Key::enter; break;
    case Qt::Key_Menu: key = Key::menu; break;
    case Qt::Key_F10: key = Key::f10; break;
    default: break;
    }
    const Qt::KeyboardModifiers mods = event.modifiers();
    return {key, mods.testFlag(Qt::ControlModifier), mods.testFlag(Qt::ShiftModifier), mods.testFlag(Qt::AltModifier),
            mods.testFlag(Qt::MetaModifier), event.isAutoRepeat()};
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent)
    , resultPointSize_(control(kResultLabel).pointSize)
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
    for (const ControlSpec& item : controls()) widgets_[std::size_t(item.id)] = makeControl(this, item);
    for (const LineSpec& item : lines()) {
        auto* line = new Line(QPoint(pixels(item.x1), pixels(item.y1)), QPoint(pixels(item.x2), pixels(item.y2)), this);
        line->setObjectName(qs(item.name));
    }
    for (FieldId field : kFields) fields_[std::size_t(field)] = static_cast<Field*>(widgets_[std::size_t(controlOf(field))]);
    Check1 = static_cast<QCheckBox*>(widgets_[std::size_t(ControlId::Check1)]);
    Image1 = static_cast<PictureLabel*>(widgets_[std::size_t(ControlId::Image1)]);
    Result = static_cast<QLabel*>(widgets_[std::size_t(kResultLabel)]);
}

std::optional<ControlId> Form1::idOf(const QObject* child) const
{
    for (const ControlSpec& item : controls())
        if (widgets_[std::size_t(item.id)] == child) return item.id;
    return std::nullopt;
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
        QWidget* next = widgets_[std::size_t(item->id)];
        if (previous) setTabOrder(previous, next);
        previous = next;
    }
}

// Qt's signals as the controller's events; keys and keyboard menus come
// through eventFilter.
void Form1::connectEvents()
{
    for (const ControlSpec& item : controls()) {
        const ControlId id = item.id;
        QWidget* widget = widgets_[std::size_t(id)];
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            connect(button, &QAbstractButton::clicked, this, [this, id] { send(id, Event::click()); });
        else if (auto* field = qobject_cast<QLineEdit*>(widget))
            connect(field, &QLineEdit::textChanged, this, [this, id] { send(id, Event::edit()); });
    }
    connect(Image1, &PictureLabel::clicked, this, [this] { send(ControlId::Image1, Event::click()); });
    connect(Result, &QLabel::customContextMenuRequested, this,
            [this](QPoint at) { send(kResultLabel, Event::menuRequest(ViewPoint{at.x(), at.y()})); });
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
// screen: decoding them (and the PNG reader's start) before it would hold
// the fields and the drawn formula back a few ms for images nobody reads
// first (make bench measures the first frame against Qt's floor).
void Form1::paintEvent(QPaintEvent*)
{
    if (imagesRequested) return;
    imagesRequested = true;
    QTimer::singleShot(0, this, &Form1::loadImages);
}

void Form1::loadImages()
{
    Image1->setPixmap(formulaPicture(pixelRect(control(ControlId::Image1).box).size(), devicePixelRatio()));
    setWindowIcon(windowIconImages());
}

FormInputs Form1::inputs() const
{
    FormInputs in;
    for (FieldId field : kFields) in.texts[std::size_t(field)] = fields_[std::size_t(field)]->text().toStdU16String();
    // Qt orders the states clear, greyed, ticked; the evaluation wants
    // 0 clear, 1 ticked, 2 greyed.
    switch (Check1->checkState()) {
    case Qt::Unchecked: in.check = 0; break;
    case Qt::Checked: in.check = 1; break;
    case Qt::PartiallyChecked: in.check = 2; break;
    }
    return in;
}

std::u16string Form1::selectedText(ControlId control) const
{
    if (const std::optional<FieldId> field = fieldOf(control)) return fields_[std::size_t(*field)]->selectedText().toStdU16String();
    return control == kResultLabel ? Result->selectedText().toStdU16String() : std::u16string();
}

// The window's own palette for its face and text; a field's for its ground.
Scheme Form1::scheme() const
{
    const QPalette& field = fields_[0]->palette();
    return {toBgr(palette().color(QPalette::Window)), toBgr(palette().color(QPalette::WindowText)),
            toBgr(field.color(QPalette::Base)), toBgr(field.color(QPalette::Text))};
}

void Form1::showResult(const ShownResult& result)
{
    resultPointSize_ = result.pointSize;
    Result->setFont(qtFont(fontFor(result.pointSize, deviceDotsPerInch())));
    QPalette colours = Result->palette();
    colours.setColor(QPalette::WindowText, fromBgr(result.colour));
    Result->setPalette(colours);
    const QString text = qs(result.text);
    const bool unchanged = Result->text() == text;
    // The label's accessible name is its text, so QLabel tells screen readers
    // of a new text itself; the same text set again it does not.
    Result->setText(text);
    if (unchanged && !result.announcement.empty()) {
        QAccessibleEvent changed(Result, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    Result->setToolTip(qs(result.toolTip));
}

void Form1::showFieldHint(FieldId field, const ShownHint& hint)
{
    fields_[std::size_t(field)]->setHint(qs(hint.hint), fromBgr(hint.mark));
}

// The menu stays open while the event loop runs on; the chosen entry comes
// back as an event of its own.
void Form1::openResultMenu(const ResultMenu& entries, std::optional<ViewPoint> at)
{
    auto* menu = new QMenu(this);
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    for (const MenuItem& item : entries) {
        QAction* action = menu->addAction(qs(item.text));
        action->setEnabled(item.enabled);
        const MenuEntry entry = item.entry;
        connect(action, &QAction::triggered, this, [this, entry] { send(kResultLabel, Event::menuChoice(entry)); });
    }
    menu->popup(Result->mapToGlobal(at ? QPoint(at->x, at->y) : QPoint(0, Result->height())));
}

void Form1::copyToClipboard(std::u16string_view text) { QApplication::clipboard()->setText(qs(text)); }

qreal Form1::deviceDotsPerInch() const { return logicalDpiY() * devicePixelRatio(); }

// The window's fonts for the pixel density of the screen it is on: whether
// the Song bitmaps fit depends on it.
void Form1::applyFonts()
{
    const qreal dpi = deviceDotsPerInch();
    setFont(qtFont(fontFor(kWindow.pointSize, dpi)));
    for (const ControlSpec& item : controls())
        widgets_[std::size_t(item.id)]->setFont(
            qtFont(item.id == kResultLabel ? fontFor(resultPointSize_, dpi) : fontOf(item.id, dpi)));
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
        send(ControlId::Form1, Event::schemeChange());
    QWidget::changeEvent(event);
}

// The keys of every control that takes the focus, and its keyboard menu
// (where a platform sends one without a key), go to the controller; a key it
// takes goes no further.
bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    const std::optional<ControlId> control = idOf(watched);
    if (control && event->type() == QEvent::KeyPress)
        return send(*control, Event::key(chordOf(*static_cast<QKeyEvent*>(event))));
    if (control && event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard)
        return send(*control, Event::menuRequest(std::nullopt));
    return QWidget::eventFilter(watched, event);
}

} // namespace ui
