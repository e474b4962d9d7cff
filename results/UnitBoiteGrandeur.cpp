#include "results/UnitBoiteGrandeur.h"

#include "kinematics/UnitRefusGrandeur.h"
#include "kit/Dialogues.h"
#include "resources/UnitChainesRessources.h"
#include "results/UnitTextesGrandeurs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TBoiteGrandeur::TBoiteGrandeur(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(Chaines::Texte("TitreBoiteGrandeur"));
    auto* forme = new QFormLayout(this);
    ComboBoxGrandeur = new QComboBox(this);
    EditNom = new QLineEdit(this);
    EditUnite = new QLineEdit(this);
    EditFormule = new QLineEdit(this);
    EditFormule->setMinimumWidth(360);
    forme->addRow(Chaines::Texte("GrandeurChoix"), ComboBoxGrandeur);
    forme->addRow(Chaines::Texte("GrandeurNom"), EditNom);
    forme->addRow(Chaines::Texte("GrandeurUnite"), EditUnite);
    forme->addRow(Chaines::Texte("GrandeurFormule"), EditFormule);
    forme->addRow(new QLabel(Chaines::Texte("GrandeurAide"), this));
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    BoutonSupprimer = boutons->addButton(Chaines::Texte("GrandeurSupprimer"), QDialogButtonBox::DestructiveRole);
    forme->addRow(boutons);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(BoutonSupprimer, &QPushButton::clicked, this, &TBoiteGrandeur::supprimer);
    connect(ComboBoxGrandeur, &QComboBox::currentIndexChanged, this, &TBoiteGrandeur::choisir);
}

void TBoiteGrandeur::Poser(const TGrandeursMesure& g, const TResultatsSeries* r)
{
    Grandeurs = g;
    series_ = r;
    const QSignalBlocker bloque(ComboBoxGrandeur);
    ComboBoxGrandeur->clear();
    for (const TGrandeurPropre& q : g.Propres) ComboBoxGrandeur->addItem(QString::fromStdString(q.Nom));
    if (int(g.Propres.size()) < TGrandeursMesure::PropresMax)
        ComboBoxGrandeur->addItem(Chaines::Texte("GrandeurNouvelle"));
    // A new one when there is room, otherwise the first.
    ComboBoxGrandeur->setCurrentIndex(
        int(g.Propres.size()) < TGrandeursMesure::PropresMax ? ComboBoxGrandeur->count() - 1 : 0);
    choisir(ComboBoxGrandeur->currentIndex());
}

void TBoiteGrandeur::choisir(int indice)
{
    const bool existante = indice >= 0 && indice < int(Grandeurs.Propres.size());
    const TGrandeurPropre q = existante ? Grandeurs.Propres[std::size_t(indice)] : TGrandeurPropre{};
    EditNom->setText(QString::fromStdString(q.Nom));
    EditUnite->setText(QString::fromStdString(q.Unite));
    EditFormule->setText(QString::fromStdString(q.Formule));
    BoutonSupprimer->setEnabled(existante);
}

void TBoiteGrandeur::supprimer()
{
    const int indice = ComboBoxGrandeur->currentIndex();
    if (indice < 0 || indice >= int(Grandeurs.Propres.size())) return;
    Grandeurs.Propres.erase(Grandeurs.Propres.begin() + indice);
    QDialog::done(QDialog::Accepted);
}

void TBoiteGrandeur::done(int resultat)
{
    if (resultat != QDialog::Accepted) {
        QDialog::done(resultat);
        return;
    }
    const int indice = ComboBoxGrandeur->currentIndex();
    const int place = indice >= 0 && indice < int(Grandeurs.Propres.size()) ? indice : int(Grandeurs.Propres.size());
    const TGrandeurPropre q{EditNom->text().trimmed().toStdString(), EditUnite->text().trimmed().toStdString(),
                            EditFormule->text().toStdString()};
    if (const auto refus = RefuserGrandeur(q, Grandeurs, place, series_)) {
        Afficher(MessageSimple(IconeMessage::Information, {TexteRefusGrandeur(*refus, q)}), this);
        // The formula's faults: the cursor where it lies.
        using G = TRefusGrandeur::Genre;
        if (refus->Type == G::Syntaxe || refus->Type == G::NomInconnu || refus->Type == G::SerieAbsente) {
            EditFormule->setFocus();
            EditFormule->setCursorPosition(refus->Position);
        }
        return;
    }
    if (place < int(Grandeurs.Propres.size()))
        Grandeurs.Propres[std::size_t(place)] = q;
    else
        Grandeurs.Propres.push_back(q);
    QDialog::done(resultat);
}
