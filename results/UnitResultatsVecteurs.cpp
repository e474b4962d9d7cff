// The vectors view of the results window: the scale row, the arrows of one
// point, masking with the mouse.

#include "results/UnitResultats.h"

#include "core/UnitFormatReel.h"
#include "graph/UnitGraphPlus.h"
#include "kit/Hint.h"
#include "resources/UnitChainesRessources.h"
#include "results/UnitUpDown.h"
#include "results/UnitVueVecteurs.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace {

constexpr int HauteurFleche = 13;

VueVecteurs::Choix choix(const TResultats& r)
{
    VueVecteurs::Choix c;
    c.sorte = VueVecteurs::Sorte(r.ComboBoxChoix1->currentData().toInt());
    c.point = r.ComboBoxChoix2->currentIndex();
    c.numeros = r.MenuAffichageNumeroterLesPoints->isChecked();
    c.valeurs = r.MenuAffichageValeurs->isChecked();
    return c;
}

// The arrow of the scale row, as long as the arrows it stands for.
QPixmap imageFleche(int largeur)
{
    QPixmap image(largeur, HauteurFleche);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 1));
    const int y = HauteurFleche / 2;
    p.drawLine(0, y, largeur - 2, y);
    QPainterPath pointe;
    pointe.moveTo(largeur - 1, y + 0.5);
    pointe.lineTo(largeur - 9, y - 3.5);
    pointe.lineTo(largeur - 9, y + 4.5);
    pointe.closeSubpath();
    p.fillPath(pointe, Qt::black);
    return image;
}

QLabel* etiquette(QWidget* parent, const char* nom, const QString& texte)
{
    auto* l = new QLabel(texte, parent);
    l->setObjectName(QString::fromLatin1(nom));
    l->adjustSize();
    return l;
}

} // namespace

void TResultats::CreerPanelEchelle()
{
    PoserHint(PanelEchelle, Chaines::Texte("HintPanelEchelle"));
    SpeedButtonEchelle = new QToolButton(PanelEchelle);
    SpeedButtonEchelle->setObjectName(QStringLiteral("SpeedButtonEchelle"));
    SpeedButtonEchelle->setCheckable(true);
    SpeedButtonEchelle->setFixedSize(30, 30);
    SpeedButtonEchelle->setIcon(QIcon(imageFleche(22)));
    SpeedButtonEchelle->setAccessibleName(Chaines::Texte("HintBoutonEchelle"));
    PoserHint(SpeedButtonEchelle, Chaines::Texte("HintBoutonEchelle"));
    LabelEchelle1 = etiquette(PanelEchelle, "LabelEchelle1", Chaines::Texte("Echelle1"));
    Fleche = etiquette(PanelEchelle, "Fleche", QString());
    LabelEchelle2 = etiquette(PanelEchelle, "LabelEchelle2", Chaines::Texte("Echelle2"));
    EditEchelle = new QLineEdit(PanelEchelle);
    EditEchelle->setObjectName(QStringLiteral("EditEchelle"));
    EditEchelle->setReadOnly(true);
    EditEchelle->setFixedWidth(57);
    UpDownEchelle = new TUpDown(PanelEchelle);
    UpDownEchelle->setObjectName(QStringLiteral("UpDownEchelle"));
    UpDownEchelle->resize(17, EditEchelle->sizeHint().height());
    UpDownEchelle->Changement = [this](int direction) { return UpDownEchelleChangingEx(direction); };
    LabelEchelle3 = etiquette(PanelEchelle, "LabelEchelle3", Chaines::Texte("Echelle3"));
    LabelEchelle4 = etiquette(PanelEchelle, "LabelEchelle4", QStringLiteral("-1"));
    QFont exposant = LabelEchelle4->font();
    exposant.setPixelSize(8);
    LabelEchelle4->setFont(exposant);
    LabelEchelle4->adjustSize();
    connect(SpeedButtonEchelle, &QToolButton::clicked, this, &TResultats::SpeedButtonEchelleClick);
}

bool TResultats::AfficherVecteurs()
{
    if (!Series().AfficherVitesse && !Series().AfficherAcceleration) return false;
    Selectionner(TVueResultats::Vecteurs);
    PreparerVecteurs();
    return true;
}

void TResultats::PreparerVecteurs()
{
    LabelChoix1->setText(Chaines::Texte("ChoixVecteurs1"));
    LabelChoix2->setText(Chaines::Texte("ChoixVecteurs2"));
    LabelChoix1->adjustSize();
    LabelChoix2->adjustSize();
    SpeedButtonEchelleClick();
    VueVecteurs::Preparer(*Graphe);
    Fleche->setPixmap(imageFleche(VueVecteurs::LargeurFleche));
    Fleche->resize(VueVecteurs::LargeurFleche, HauteurFleche);
    ComboBoxChoix1->setFixedWidth(97);
    ComboBoxChoix2->setFixedWidth(41);
    RDim();
    Remplir(ComboBoxChoix2, VueVecteurs::Points(Series()));
    const QSignalBlocker b(ComboBoxChoix1);
    ComboBoxChoix1->clear();
    for (VueVecteurs::Sorte s : VueVecteurs::Sortes(Series())) ComboBoxChoix1->addItem(VueVecteurs::Libelle(s), int(s));
    ComboBoxChoix1->setCurrentIndex(0);
}

void TResultats::DessinerVecteurs(TEtendue& e)
{
    const VueVecteurs::Choix c = choix(*this);
    LabelEchelle4->setText(VueVecteurs::Exposant(c.sorte));
    VueVecteurs::Dessiner(*Graphe, Series(), c, e);
    AfficherEchelle();
}

void TResultats::OptionsVecteurs()
{
    VueVecteurs::AppliquerOptions(*Graphe, choix(*this));
}

void TResultats::AfficherEchelle()
{
    EditEchelle->setText(FormatGeneral(Graphe->EchelleVecteurs(), 3));
}

void TResultats::SpeedButtonEchelleClick()
{
    // Masking only while the button is down; panning and zooming otherwise.
    const bool masquer = SpeedButtonEchelle->isChecked();
    Graphe->SetModeVecteurs(masquer);
    PoserHint(Graphe, Chaines::Texte(masquer ? "HintGrapheMasquer" : "HintGrapheDeplacer"));
}

bool TResultats::UpDownEchelleChangingEx(int direction)
{
    const double echelle = Graphe->EchelleVecteurs();
    const double proposee = direction > 0 ? echelle + echelle / 10 : echelle - echelle / 10;
    if (direction == 0 || !Graphe->SetEchelleVecteurs(proposee)) return false;
    AfficherEchelle();
    Graphe->Paint();
    return true;
}

void TResultats::DisposerEchelle()
{
    SpeedButtonEchelle->move(2, (PanelEchelle->height() - SpeedButtonEchelle->height()) / 2);
    const struct {
        QWidget* controle;
        int ecart; // after the previous control
    } rangee[] = {{LabelEchelle1, 0}, {Fleche, 20},       {LabelEchelle2, 12}, {EditEchelle, 8},
                  {UpDownEchelle, 0}, {LabelEchelle3, 8}, {LabelEchelle4, 2}};
    int largeur = 0;
    for (const auto& c : rangee) largeur += c.ecart + c.controle->width();
    int x = (Client->width() - largeur) / 2;
    const int milieu = PanelEchelle->height() / 2;
    for (const auto& c : rangee) {
        x += c.ecart;
        c.controle->move(x, milieu - c.controle->height() / 2);
        x += c.controle->width();
    }
    // The exponent stands raised beside "m.s".
    LabelEchelle4->move(LabelEchelle4->x(), LabelEchelle3->y() - 2);
    if (ComboBoxChoix1->currentIndex() >= 0) AfficherEchelle();
}
