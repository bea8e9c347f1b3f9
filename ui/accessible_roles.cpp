#include "accessible_roles.h"

#include <QAccessibleWidget>
#include <QMetaEnum>
#include <QVariant>

namespace ormitan {
namespace {

QAccessibleInterface* RoleFromLayout(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !className.startsWith("ormitan::")) {
        return nullptr;
    }
    const QVariant named = widget->property("accessibleRole");
    if (!named.isValid()) {
        return className == Panel::staticMetaObject.className()
                   ? new QAccessibleWidget(widget, QAccessible::Pane)
                   : nullptr;
    }
    bool known = false;
    const int role = QMetaEnum::fromType<QAccessible::Role>().keyToValue(
        named.toString().toLatin1().constData(), &known);
    return known ? new QAccessibleWidget(widget, QAccessible::Role(role)) : nullptr;
}

}  // namespace

void InstallAccessibleRoles() {
    QAccessible::installFactory(&RoleFromLayout);
}

}  // namespace ormitan
