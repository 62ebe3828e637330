// The ground-track window: selected satellites over a world map.
#pragma once

#include <QWidget>

class TForm10 : public QWidget {
    Q_OBJECT

public:
    explicit TForm10(QWidget* parent = nullptr);
};
