// The grid of two columns: its first row, the titles, is the table's header and never scrolls;
// the layer's row r (r >= 1) is the table's row r - 1.
#include <QHeaderView>
#include <QMouseEvent>
#include <QTableWidget>
#include <functional>

#include "ui/qt/QtControl.h"
#include "ui/qt/QtControlFactory.h"
#include "ui/qt/Text.h"

namespace plevo::ui::qt {
namespace {

constexpr int kColumns = 2;

class TableWidget : public QTableWidget {
public:
    TableWidget(QWidget* parent, std::function<void()> clicked)
        : QTableWidget(0, kColumns, parent), clicked_(std::move(clicked)) {}

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QTableWidget::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton) clicked_();
    }

private:
    std::function<void()> clicked_;
};

class QtGrid : public QtControl<Grid> {
public:
    QtGrid(QtForm& form, const ControlSpec& spec, QWidget* parent)
        : QtControl(form, spec, new TableWidget(parent, [this] { clickIfEnabled(); })) {
        QTableWidget* t = table();
        t->verticalHeader()->hide();
        t->horizontalHeader()->setSectionsClickable(false);
        t->horizontalHeader()->setHighlightSections(false);
        t->setSelectionMode(QAbstractItemView::SingleSelection);
        t->setSelectionBehavior(QAbstractItemView::SelectItems);
        if (spec.flags & kNoBorder) t->setFrameShape(QFrame::NoFrame);
        for (int c = 0; c < kColumns; ++c) t->setHorizontalHeaderItem(c, new QTableWidgetItem);
        setEditable(!(spec.flags & kReadOnly));
        QObject::connect(t, &QTableWidget::itemChanged, t, [this] {
            if (filling_) return;
            const Handler handler = onChange;
            if (handler) handler();
        });
    }

    int rowCount() const override { return table()->rowCount() + 1; }
    void setRowCount(int rows) override {
        const Filling filling(*this);
        table()->setRowCount(std::max(rows, 1) - 1);
        // As in a grid of the system, some cell is always the current one.
        if (table()->rowCount() > 0 && table()->currentRow() < 0) table()->setCurrentCell(0, 0);
    }
    std::string cell(int column, int row) const override {
        const QTableWidgetItem* item = itemAt(column, row);
        return item ? fromQString(item->text()) : std::string();
    }
    void setCell(int column, int row, std::string_view text) override {
        if (column < 0 || column >= kColumns || row < 0 || row >= rowCount()) return;
        const Filling filling(*this);
        if (row == 0) {
            table()->horizontalHeaderItem(column)->setText(toQString(text));
            return;
        }
        QTableWidgetItem* item = table()->item(row - 1, column);
        if (!item) {
            item = new QTableWidgetItem;
            table()->setItem(row - 1, column, item);
        }
        item->setText(toQString(text));
        applyColumnFlags(column, *item);
    }
    int columnWidth(int column) const override { return table()->columnWidth(column); }
    void setColumnWidth(int column, int width) override { table()->setColumnWidth(column, width); }
    int currentRow() const override {
        const int r = table()->currentRow();
        return r < 0 ? 0 : r + 1;
    }
    int currentColumn() const override { return std::max(table()->currentColumn(), 0); }
    void setCurrent(int column, int row) override {
        if (row >= 1) table()->setCurrentCell(row - 1, column);
    }
    void setEditable(bool editable) override {
        // A double click is the window's (onDoubleClick), as on every backend: typing edits.
        table()->setEditTriggers(editable ? QAbstractItemView::EditKeyPressed |
                                                QAbstractItemView::AnyKeyPressed
                                          : QAbstractItemView::NoEditTriggers);
    }
    void setColumnReadOnly(int column, bool readOnly) override {
        if (column < 0 || column >= kColumns) return;
        readOnlyColumns_[column] = readOnly;
        const Filling filling(*this);
        for (int r = 0; r < table()->rowCount(); ++r)
            if (QTableWidgetItem* item = table()->item(r, column)) applyColumnFlags(column, *item);
    }
    void setTopRow(int row) override {
        if (row < 1 || row >= rowCount()) return;
        if (QTableWidgetItem* item = table()->item(row - 1, 0))
            table()->scrollToItem(item, QAbstractItemView::PositionAtTop);
    }

protected:
    QTableWidget* table() const { return static_cast<QTableWidget*>(widget()); }
    void paletteApplied() override {
        // A disabled grid refuses the user's input, but its rows and titles are still there to
        // be read: they keep the colours they have while it is enabled.
        QPalette p = table()->palette();
        for (auto role :
             {QPalette::Text, QPalette::Highlight, QPalette::HighlightedText, QPalette::ButtonText})
            p.setColor(QPalette::Disabled, role, p.color(QPalette::Inactive, role));
        table()->setPalette(p);
    }

private:
    // Changes made by the window itself are not the user's: onChange does not run for them.
    class Filling {
    public:
        explicit Filling(QtGrid& grid) : grid_(grid), was_(grid.filling_) { grid_.filling_ = true; }
        ~Filling() { grid_.filling_ = was_; }

    private:
        QtGrid& grid_;
        bool was_;
    };

    const QTableWidgetItem* itemAt(int column, int row) const {
        if (column < 0 || column >= kColumns || row < 0 || row >= rowCount()) return nullptr;
        return row == 0 ? table()->horizontalHeaderItem(column) : table()->item(row - 1, column);
    }

    void applyColumnFlags(int column, QTableWidgetItem& item) const {
        const Qt::ItemFlags flags = item.flags();
        item.setFlags(readOnlyColumns_[column] ? flags & ~Qt::ItemIsEditable
                                               : flags | Qt::ItemIsEditable);
    }

    bool filling_ = false;
    bool readOnlyColumns_[kColumns] = {false, false};
};

}  // namespace

Made makeGrid(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    return std::make_unique<QtGrid>(form, spec, parent);
}

}  // namespace plevo::ui::qt
