#pragma once

#include <QDialog>

class TResultats : public QDialog {
    Q_OBJECT
public:
    explicit TResultats(QWidget* parent = nullptr);
};
