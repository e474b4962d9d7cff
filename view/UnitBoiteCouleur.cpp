#include "view/UnitBoiteCouleur.h"

#include "resources/UnitChainesRessources.h"
#include "view/UnitDessinMesure.h"

#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <array>

namespace {

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b)
{
    return r | g << 8 | b << 16;
}

// The 16 fixed colours of the default palette.
constexpr std::array<std::uint32_t, NombreCouleursGrille> Grille = {
    Rgb(0, 0, 0),     Rgb(128, 0, 0),     Rgb(0, 128, 0),     Rgb(128, 128, 0),   Rgb(0, 0, 128), Rgb(128, 0, 128),
    Rgb(0, 128, 128), Rgb(192, 192, 192), Rgb(128, 128, 128), Rgb(255, 0, 0),     Rgb(0, 255, 0), Rgb(255, 255, 0),
    Rgb(0, 0, 255),   Rgb(255, 0, 255),   Rgb(0, 255, 255),   Rgb(255, 255, 255),
};

constexpr int Colonnes = 4;
constexpr int Cote = 24; // a cell of the 96 x 96 grid

} // namespace

std::uint32_t CouleurGrille(int index)
{
    return Grille.at(std::size_t(index));
}

int IndexCouleur(std::uint32_t couleur)
{
    for (int i = 0; i < NombreCouleursGrille; ++i)
        if (Grille[std::size_t(i)] == couleur) return i;
    return -1;
}

TGrilleCouleurs::TGrilleCouleurs(QWidget* parent) : QWidget(parent)
{
    setFixedSize(Colonnes * Cote, Colonnes * Cote);
    setFocusPolicy(Qt::StrongFocus);
}

void TGrilleCouleurs::ChoisirIndex(int index)
{
    index_ = index;
    update();
}

void TGrilleCouleurs::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    for (int i = 0; i < NombreCouleursGrille; ++i) {
        const QRect cellule((i % Colonnes) * Cote, (i / Colonnes) * Cote, Cote, Cote);
        p.fillRect(cellule, palette().color(QPalette::Mid));
        p.fillRect(cellule.adjusted(1, 1, -1, -1), CouleurQt(Grille[std::size_t(i)]));
    }
    if (index_ < 0) return;
    // The foreground cell: a frame that shows on dark and light colours alike.
    const QRect choisie((index_ % Colonnes) * Cote, (index_ / Colonnes) * Cote, Cote, Cote);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 2));
    p.drawRect(choisie.adjusted(1, 1, -1, -1));
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(choisie.adjusted(3, 3, -4, -4));
}

void TGrilleCouleurs::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !rect().contains(e->position().toPoint())) return;
    const QPoint p = e->position().toPoint();
    ChoisirIndex(p.y() / Cote * Colonnes + p.x() / Cote);
}

void TGrilleCouleurs::keyPressEvent(QKeyEvent* e)
{
    const int ligne = index_ < 0 ? 0 : index_ / Colonnes;
    const int colonne = index_ < 0 ? 0 : index_ % Colonnes;
    int l = ligne, c = colonne;
    switch (e->key()) {
    case Qt::Key_Left: c = std::max(colonne - 1, 0); break;
    case Qt::Key_Right: c = std::min(colonne + 1, Colonnes - 1); break;
    case Qt::Key_Up: l = std::max(ligne - 1, 0); break;
    case Qt::Key_Down: l = std::min(ligne + 1, Colonnes - 1); break;
    default: QWidget::keyPressEvent(e); return;
    }
    // From no foreground cell, any arrow chooses the first one.
    ChoisirIndex(index_ < 0 ? 0 : l * Colonnes + c);
}

TBoiteCouleur::TBoiteCouleur(QWidget* parent) : QDialog(parent), grille_(new TGrilleCouleurs(this))
{
    setWindowTitle(Chaines::Texte("TitreBoiteCouleur"));
    setFixedSize(276, 167);
    grille_->move(16, 16);

    auto* ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), Chaines::Texte("CouleurOK"), this);
    ok->setGeometry(27, 128, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* rada = new QLabel(Chaines::Texte("CouleurRada"), this);
    QFont gras = rada->font();
    gras.setBold(true);
    rada->setFont(gras);
    rada->move(176, 27);

    auto* aide = new QLabel(
        QStringList{Chaines::Texte("CouleurAide1"), Chaines::Texte("CouleurAide2"), QString()}.join(u'\n'), this);
    aide->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    aide->setGeometry(126, 51, 140, 48);
}

std::uint32_t TBoiteCouleur::CouleurChoisie() const
{
    const int i = grille_->IndexPremierPlan();
    return i < 0 ? CouleurCourante : CouleurGrille(i);
}

void TBoiteCouleur::showEvent(QShowEvent* e)
{
    // On each showing rather than each activation: coming back from another
    // window must not undo the cell the user just clicked.
    grille_->ChoisirIndex(IndexCouleur(CouleurCourante));
    grille_->setFocus();
    QDialog::showEvent(e);
}
