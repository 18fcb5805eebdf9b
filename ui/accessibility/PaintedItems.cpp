#include "PaintedItems.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace turnix {

namespace {

// One painted item; it lives as long as its widget's interface.
class PaintedItemInterface : public QAccessibleInterface {
public:
    PaintedItemInterface(QWidget* widget, const PaintedItems* painted, int index)
        : owner(widget), items(painted), item(index) {}

    [[nodiscard]] bool isValid() const override { return owner != nullptr; }
    [[nodiscard]] QObject* object() const override { return nullptr; }
    [[nodiscard]] QWindow* window() const override { return owner->window()->windowHandle(); }
    [[nodiscard]] QAccessibleInterface* focusChild() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* parent() const override {
        return owner ? QAccessible::queryAccessibleInterface(owner) : nullptr;
    }
    [[nodiscard]] QAccessibleInterface* child(int) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    [[nodiscard]] QString text(QAccessible::Text t) const override {
        if (!owner) {
            return {};
        }
        switch (t) {
        case QAccessible::Name:
            return items->AccessibleItemName(item);
        case QAccessible::Description:
            return items->AccessibleItemDescription(item);
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    [[nodiscard]] QRect rect() const override {
        if (!owner) {
            return {};
        }
        const QRect local = items->AccessibleItemRect(item);
        return {owner->mapToGlobal(local.topLeft()), local.size()};
    }
    [[nodiscard]] QAccessible::Role role() const override { return items->AccessibleItemRole(); }
    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state;
        if (!owner) {
            state.invalid = true;
            return state;
        }
        state.disabled = !owner->isEnabled();
        state.invisible = !owner->isVisible();
        return state;
    }

private:
    QPointer<QWidget> owner;
    const PaintedItems* items;
    int item;
};

class PaintedItemsInterface : public QAccessibleWidget {
public:
    PaintedItemsInterface(QWidget* widget, const PaintedItems* painted)
        : QAccessibleWidget(widget), items(painted) {}
    PaintedItemsInterface(const PaintedItemsInterface&) = delete;
    PaintedItemsInterface& operator=(const PaintedItemsInterface&) = delete;
    ~PaintedItemsInterface() override {
        for (const QAccessible::Id id : ids) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    [[nodiscard]] int childCount() const override { return items->AccessibleItemCount(); }
    [[nodiscard]] QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        while (static_cast<int>(ids.size()) <= index) {
            auto* item = new PaintedItemInterface(widget(), items, static_cast<int>(ids.size()));
            ids.push_back(QAccessible::registerAccessibleInterface(item));
        }
        return QAccessible::accessibleInterface(ids.at(static_cast<std::size_t>(index)));
    }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < ids.size(); ++i) {
            if (QAccessible::accessibleInterface(ids[i]) == child) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i) {
            if (items->AccessibleItemRect(i).contains(local)) {
                return child(i);
            }
        }
        return nullptr;
    }

private:
    const PaintedItems* items;
    mutable std::vector<QAccessible::Id> ids;
};

QAccessibleInterface* PaintedItemsFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const auto* items = dynamic_cast<const PaintedItems*>(object);
    return widget != nullptr && items != nullptr ? new PaintedItemsInterface(widget, items)
                                                 : nullptr;
}

} // namespace

void InstallPaintedItemsAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(PaintedItemsFactory);
        return true;
    }();
    (void)installed;
}

} // namespace turnix
