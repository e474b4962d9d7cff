#pragma once

#include <QDialog>

class TBoiteAPropos : public QDialog {
    Q_OBJECT
public:
    explicit TBoiteAPropos(QWidget* parent = nullptr);
};
