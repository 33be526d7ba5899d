// A list box of 8-bit lines that can keep itself sorted: ascending without regard to case in the
// system's collation, equal lines all kept, in the order they came.
#include <QCollator>
#include <QListWidget>
#include <QMouseEvent>
#include <algorithm>
#include <functional>

#include "ui/qt/QtControl.h"
#include "ui/qt/QtControlFactory.h"
#include "ui/qt/Text.h"

namespace plevo::ui::qt {
namespace {

class ListWidget : public QListWidget {
public:
    ListWidget(QWidget* parent, std::function<void()> clicked)
        : QListWidget(parent), clicked_(std::move(clicked)) {}

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QListWidget::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton) clicked_();
    }

private:
    std::function<void()> clicked_;
};

class QtListBox : public QtControl<ListBox> {
public:
    QtListBox(QtForm& form, const ControlSpec& spec, QWidget* parent)
        : QtControl(form, spec, new ListWidget(parent, [this] { clickIfEnabled(); })) {
        list()->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list()->setUniformItemSizes(true);
        if (spec.flags & kNoBorder) list()->setFrameShape(QFrame::NoFrame);
        collator_.setCaseSensitivity(Qt::CaseInsensitive);
        sorted_ = spec.flags & kSorted;
    }

    // Turning sorting on sorts the lines it holds.
    void setSorted(bool sorted) override {
        sorted_ = sorted;
        if (sorted_) sortAll();
    }
    bool sorted() const override { return sorted_; }
    void addLines(const std::vector<std::string>& lines) override {
        list()->setUpdatesEnabled(false);
        QStringList items;
        items.reserve(static_cast<qsizetype>(lines.size()));
        for (const auto& l : lines) items << toQString(l);
        list()->addItems(items);
        if (sorted_) sortAll();
        list()->setUpdatesEnabled(true);
    }
    std::vector<std::string> lines() const override {
        std::vector<std::string> out;
        out.reserve(static_cast<std::size_t>(list()->count()));
        for (int i = 0; i < list()->count(); ++i)
            out.push_back(fromQString(list()->item(i)->text()));
        return out;
    }
    int lineCount() const override { return list()->count(); }
    void clearLines() override { list()->clear(); }
    int currentRow() const override { return list()->currentRow(); }
    void setCurrentRow(int row) override { list()->setCurrentRow(row); }

protected:
    QListWidget* list() const { return static_cast<QListWidget*>(widget()); }
    // The start lines of the table, one per line of the caption.
    void setCaptionText(const QString& text) override {
        if (text.isEmpty()) return;
        std::vector<std::string> lines;
        for (const QString& l : text.split(u'\n')) lines.push_back(fromQString(l));
        addLines(lines);
    }

private:
    void sortAll() {
        // A stable sort keeps equal lines in the order they were added, as adding them one by
        // one into a sorted list does.
        QStringList items;
        items.reserve(list()->count());
        for (int i = 0; i < list()->count(); ++i) items << list()->item(i)->text();
        std::vector<std::pair<QCollatorSortKey, qsizetype>> keys;
        keys.reserve(static_cast<std::size_t>(items.size()));
        for (qsizetype i = 0; i < items.size(); ++i)
            keys.emplace_back(collator_.sortKey(items[i]), i);
        std::stable_sort(keys.begin(), keys.end(),
                         [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
        QStringList sortedItems;
        sortedItems.reserve(items.size());
        for (const auto& k : keys) sortedItems << items[k.second];
        const bool updates = list()->updatesEnabled();
        list()->setUpdatesEnabled(false);
        list()->clear();
        list()->addItems(sortedItems);
        list()->setUpdatesEnabled(updates);
    }

    bool sorted_ = false;
    QCollator collator_;
};

}  // namespace

Made makeListBox(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    return std::make_unique<QtListBox>(form, spec, parent);
}

}  // namespace plevo::ui::qt
