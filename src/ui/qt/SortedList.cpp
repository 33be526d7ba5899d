#include "ui/qt/SortedList.h"

#include <QMouseEvent>
#include <algorithm>

#include "ui/qt/Text.h"

namespace plevo {

TListBox::TListBox(const QString& name, QWidget* parent) : QListWidget(parent) {
    setObjectName(name);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

void TListBox::setSorted(bool sorted) {
    sorted_ = sorted;
    if (sorted_) sortAll();
}

void TListBox::addLines(const std::vector<std::string>& lines) {
    setUpdatesEnabled(false);
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& l : lines) items << toQString(l);
    addItems(items);
    if (sorted_) sortAll();
    setUpdatesEnabled(true);
}

std::vector<std::string> TListBox::lines() const {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(count()));
    for (int i = 0; i < count(); ++i) out.push_back(fromQString(item(i)->text()));
    return out;
}

void TListBox::sortAll() {
    // A stable sort keeps equal lines in the order they were added, as adding them one by one
    // into a sorted list does.
    QStringList items;
    items.reserve(count());
    for (int i = 0; i < count(); ++i) items << item(i)->text();
    std::vector<std::pair<QCollatorSortKey, qsizetype>> keys;
    keys.reserve(static_cast<std::size_t>(items.size()));
    for (qsizetype i = 0; i < items.size(); ++i) keys.emplace_back(collator_.sortKey(items[i]), i);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    QStringList sortedItems;
    sortedItems.reserve(items.size());
    for (const auto& k : keys) sortedItems << items[k.second];
    const bool updates = updatesEnabled();
    setUpdatesEnabled(false);
    clear();
    addItems(sortedItems);
    setUpdatesEnabled(updates);
}

void TListBox::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) emit clickedInList();
}

}  // namespace plevo
