// ntc-beta: the window as a screen reader finds it.
#include "ui/qt/accessible_form.h"

#include "ui/form_layout.h"
#include "ui/qt/form1.h"
#include "ui/qt/line.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace ui {

namespace {

bool shownToScreenReaders(const Form1& form, const QWidget* child)
{
    if (child->isWindow() || qobject_cast<const Line*>(child)) return false;
    const std::optional<ControlId> id = form.idOf(child);
    return !id || inAccessibleTree(control(*id));
}

class AccessibleForm : public QAccessibleWidget {
public:
    explicit AccessibleForm(QWidget* form)
        : QAccessibleWidget(form, QAccessible::Window)
    {
    }

    int childCount() const override { return int(children().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> shown = children();
        return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown[index]) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child) return -1;
        return int(children().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> children() const
    {
        const auto& form = static_cast<const Form1&>(*widget());
        QList<QWidget*> shown;
        for (QObject* object : widget()->children())
            if (auto* child = qobject_cast<QWidget*>(object); child && shownToScreenReaders(form, child)) shown.append(child);
        return shown;
    }
};

QAccessibleInterface* accessibleFormFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(Form1::staticMetaObject.className()) && object && object->isWidgetType())
        return new AccessibleForm(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void installAccessibleForm()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFormFactory);
        return true;
    }();
    (void)installed;
}

} // namespace ui
