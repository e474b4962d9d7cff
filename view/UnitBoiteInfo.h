#pragma once
// The video properties box: what the video stream says about itself.

#include <QDialog>
#include <QString>
#include <QStringList>

class QPlainTextEdit;

// Frames per second of a frame time, to the nearest integer, halves to even.
int ImagesParSecondeArrondies(double frameTime);

// The box's nine lines. The duration comes from the rounded frame rate.
QStringList LignesInfo(int imagesParSeconde, int hauteur, int largeur, int nombreImages, const QString& chemin);

class TBoiteInfo : public QDialog {
    Q_OBJECT
public:
    explicit TBoiteInfo(QWidget* parent = nullptr);

    // Filled by the caller before showing. With ImagesParSeconde 0 the box
    // keeps its previous text.
    int ImagesParSeconde = 0;
    int HauteurImage = 0;
    int LargeurImage = 0;
    int NombreImages = 0;
    QString CheminVideo;
    // Lines shown after the nine: what the file says of its video beyond them.
    QStringList LignesSupplementaires;

    QString Texte() const;

protected:
    void showEvent(QShowEvent* e) override;

private:
    QPlainTextEdit* texte_;
};
