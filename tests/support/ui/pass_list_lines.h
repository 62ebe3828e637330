// The line page of the pass list window as a test reads and clicks it.
#pragma once

#include <QAbstractItemModel>
#include <QListView>
#include <QString>

#include "ui/satellites/pass_list_window.h"

namespace testsupport {

inline int PassLineCount(const PassListWindow& window) {
    return window.list()->model()->rowCount();
}
// Line `row` as the page shows it.
inline QString PassLine(const PassListWindow& window, int row) {
    return window.list()->model()->index(row, 0).data().toString();
}
// A double click on line `row`.
inline void DoubleClickPassLine(const PassListWindow& window, int row) {
    emit window.list()->doubleClicked(window.list()->model()->index(row, 0));
}

}  // namespace testsupport
