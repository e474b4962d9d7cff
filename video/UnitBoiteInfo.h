#pragma once

#include <QDialog>

class TBoiteInfo : public QDialog {
    Q_OBJECT
public:
    explicit TBoiteInfo(QWidget* parent = nullptr);
};
