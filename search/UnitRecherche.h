#pragma once

#include <QDialog>

class TRecherche : public QDialog {
    Q_OBJECT
public:
    explicit TRecherche(QWidget* parent = nullptr);
};
