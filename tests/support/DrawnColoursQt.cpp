// The colours Qt paints a control's text and background with: the roles its widget draws from,
// in the colour group of its state, from the palette it has (its own roles over its container's).
#include <QAbstractScrollArea>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QWidget>

#include "support/Legibility.h"
#include "ui/qt/QtControl.h"

namespace plevo::test {
namespace {

ui::Colour colourOf(const QColor& c) {
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

QPalette::ColorGroup groupOf(const QWidget& w) {
    if (!w.isEnabled()) return QPalette::Disabled;
    return w.isActiveWindow() ? QPalette::Active : QPalette::Inactive;
}

// The widget whose fill shows behind `w`: itself when it paints its background (a filled widget,
// a box's panel, a list's viewport), else the nearest container that does, else its window.
const QWidget* filler(const QWidget* w) {
    for (const QWidget* p = w; p; p = p->parentWidget()) {
        if (p->autoFillBackground() || p->isWindow() || qobject_cast<const QLineEdit*>(p)) return p;
        if (auto* area = qobject_cast<const QAbstractScrollArea*>(p->parentWidget());
            area && area->viewport() == p)
            return p;
    }
    return w;
}

}  // namespace

std::optional<DrawnColours> drawnColours(const ui::Control& control) {
    const auto* native = dynamic_cast<const ui::qt::QtControlBase*>(&control);
    if (!native || !native->widget()) return std::nullopt;
    const QWidget* face = native->widget();
    // Boxes, lists and grids draw their text on their viewport.
    if (auto* area = qobject_cast<const QAbstractScrollArea*>(face)) face = area->viewport();
    const QWidget* fill = filler(face);
    return DrawnColours{colourOf(face->palette().color(groupOf(*face), face->foregroundRole())),
                        colourOf(fill->palette().color(groupOf(*fill), fill->backgroundRole()))};
}

std::optional<DrawnColours> drawnTitleColours(const ui::Grid& grid) {
    const auto* native = dynamic_cast<const ui::qt::QtControlBase*>(&grid);
    const auto* table = native ? qobject_cast<const QTableView*>(native->widget()) : nullptr;
    if (!table) return std::nullopt;
    // The header draws its sections as buttons.
    const QHeaderView* header = table->horizontalHeader();
    const QPalette::ColorGroup group = groupOf(*header);
    return DrawnColours{colourOf(header->palette().color(group, QPalette::ButtonText)),
                        colourOf(header->palette().color(group, QPalette::Button))};
}

}  // namespace plevo::test
