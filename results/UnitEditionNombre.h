#pragma once
// A numeric edit box: while it has the focus it shows its value with up to 12
// decimals and accepts only a number; otherwise it shows the format "0.###".
// The value keeps its full precision whatever is shown.

#include <QLineEdit>

class TEditionNombre : public QLineEdit {
    Q_OBJECT
public:
    explicit TEditionNombre(QWidget* parent = nullptr);

    // The value typed by the user, or the last one given.
    double Valeur() const;
    void ChoisirValeur(double v);

signals:
    void Entree(); // the Enter key, which does not reach the dialog
    void Clic();   // a click in the box

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void Afficher();

    double valeur_ = 0.0;
};
