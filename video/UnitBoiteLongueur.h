#pragma once

#include <QDialog>

class TBoiteLongueur : public QDialog {
    Q_OBJECT
public:
    explicit TBoiteLongueur(QWidget* parent = nullptr);
};
