#pragma once
// Up-down arrows attached to an edit box: each click proposes a step up or
// down, which the owner may refuse; a refused click leaves the position.

#include <QWidget>
#include <functional>

class QToolButton;

class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent = nullptr);

    int Min = -10000;
    int Max = 10000;
    int Position() const { return position_; }
    // Asked before each change with +1 (up) or -1 (down); false refuses it.
    std::function<bool(int direction)> Changement;

    QToolButton* Haut = nullptr;
    QToolButton* Bas = nullptr;

    void Cliquer(int direction);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    int position_ = 0;
};
