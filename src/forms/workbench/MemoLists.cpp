#include "forms/workbench/MemoLists.h"

#include <string>

namespace plevo {

TextList memoList(const ui::Memo& box) {
    return parseTextList(box.text());
}

void setMemoList(ui::Memo& box, const TextList& list) {
    std::size_t size = 0;
    for (const std::string& e : list.entries) size += e.size() + 1;
    std::string joined;
    joined.reserve(size);
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        if (i > 0) joined += '\n';
        joined += list.entries[i];
    }
    if (list.endsWithBreak && !list.entries.empty()) joined += '\n';
    box.setText(joined);
}

}  // namespace plevo
