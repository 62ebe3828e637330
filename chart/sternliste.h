// The list of named stars with a small map around the chosen star.
#pragma once

#include <QWidget>

class TForm3 : public QWidget {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);
};
