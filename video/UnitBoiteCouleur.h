#pragma once

#include <QDialog>

class TBoiteCouleur : public QDialog {
    Q_OBJECT
public:
    explicit TBoiteCouleur(QWidget* parent = nullptr);
};
