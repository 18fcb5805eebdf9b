#pragma once

#include <QAccessible>
#include <QRect>
#include <QString>

namespace turnix {

// A widget that paints items of its own (squares, swatches) tells screen
// readers about them through this; each item becomes an accessible child.
class PaintedItems {
public:
    virtual ~PaintedItems() = default;
    [[nodiscard]] virtual int AccessibleItemCount() const = 0;
    // In the widget's own coordinates.
    [[nodiscard]] virtual QRect AccessibleItemRect(int item) const = 0;
    [[nodiscard]] virtual QString AccessibleItemName(int item) const = 0;
    [[nodiscard]] virtual QString AccessibleItemDescription(int item) const = 0;
    [[nodiscard]] virtual QAccessible::Role AccessibleItemRole() const = 0;

protected:
    PaintedItems() = default;
    PaintedItems(const PaintedItems&) = default;
    PaintedItems& operator=(const PaintedItems&) = default;
};

// Lets QAccessible build the interfaces of every widget that is also
// PaintedItems. Safe to call more than once.
void InstallPaintedItemsAccessibility();

} // namespace turnix
