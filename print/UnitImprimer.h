#pragma once

#include <QDialog>

class TImprimer : public QDialog {
    Q_OBJECT
public:
    explicit TImprimer(QWidget* parent = nullptr);
};
