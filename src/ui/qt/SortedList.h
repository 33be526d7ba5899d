#pragma once
// A list box of 8-bit lines that can keep itself sorted: ascending without regard to case in the
// system's collation, equal lines all kept, in the order they came.

#include <QCollator>
#include <QListWidget>
#include <string>
#include <vector>

namespace plevo {

class TListBox : public QListWidget {
    Q_OBJECT
public:
    TListBox(const QString& name, QWidget* parent);

    // Turning sorting on sorts the lines it holds.
    void setSorted(bool sorted);
    bool sorted() const { return sorted_; }
    void addLines(const std::vector<std::string>& lines);
    std::vector<std::string> lines() const;
    int lineCount() const { return count(); }
    void clearLines() { clear(); }

signals:
    void clickedInList();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void sortAll();
    bool sorted_ = false;
    QCollator collator_;
};

}  // namespace plevo
