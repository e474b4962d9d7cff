#pragma once
// The about box: a read-only rich text made of fifteen pieces stored
// scrambled in the program, and OK.

#include <QDialog>
#include <QStringList>

class QPushButton;
class QTextEdit;

// The fifteen pieces, unscrambled, in order.
QStringList PiecesAPropos();

class TBoiteAPropos : public QDialog {
    Q_OBJECT
public:
    explicit TBoiteAPropos(QWidget* parent = nullptr);

    QTextEdit* REdit = nullptr;
    QPushButton* BoutonOK = nullptr;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void CreerBoiteAPropos();
};
