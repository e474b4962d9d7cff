#pragma once

#include <QDialog>

class TBoiteTemps : public QDialog {
    Q_OBJECT
public:
    explicit TBoiteTemps(QWidget* parent = nullptr);
};
