#include "accessible_window.h"

#include <QAccessibleWidget>

namespace lumorix {

namespace {

constexpr const char* windowProperty = "lumorixAccessibleFrame";
constexpr const char* leftOutProperty = "lumorixLeftOutOfAccessibleTree";

class AccessibleWindow final : public QAccessibleWidget {
public:
    explicit AccessibleWindow(QWidget* window)
        : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(listedChildren().size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> shown = listedChildren();
        if (index < 0 || index >= shown.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(shown.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr)
            return -1;
        return static_cast<int>(listedChildren().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    // The window's child widgets as QAccessibleWidget lists them, less the ones left out.
    QList<QWidget*> listedChildren() const {
        QList<QWidget*> shown;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child != nullptr && !child->isWindow() &&
                !child->property(leftOutProperty).toBool())
                shown.push_back(child);
        }
        return shown;
    }
};

// Qt's accessibility cache owns the interface.
QAccessibleInterface* windowInterface(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->property(windowProperty).toBool())
        return nullptr;
    return new AccessibleWindow(widget);
}

} // namespace

void makeAccessibleAsFrame(QWidget& window) {
    window.setProperty(windowProperty, true);
    QAccessible::installFactory(windowInterface); // once: it is not installed twice
}

void keepOutOfAccessibleTree(QWidget& control) {
    control.setProperty(leftOutProperty, true);
}

} // namespace lumorix
