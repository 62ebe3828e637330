// The pass list window: the passes found by the last search.
#pragma once

#include <QWidget>

class TForm9 : public QWidget {
    Q_OBJECT

public:
    explicit TForm9(QWidget* parent = nullptr);
};
