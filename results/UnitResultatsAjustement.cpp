// Fits in the graphs view: the Proložení menu, the fit panel beside the
// graph, the range chosen by a Shift-drag across it, the fitted curve and the
// residuals, and the fits kept with the measurement.

#include "results/UnitResultats.h"

#include "graph/UnitGraphPlus.h"
#include "kit/Mnemoniques.h"
#include "resources/UnitChainesRessources.h"
#include "results/UnitPanneauAjustement.h"
#include "results/UnitTexteAjustement.h"
#include "results/UnitVueAjustement.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRubberBand>
#include <QSpinBox>

namespace {

QChar separateur()
{
    return QLocale().decimalPoint().front();
}

const std::vector<int>& ImagesMarques(const TEntreesSeries& e)
{
    return e.ModeTransparent ? e.ImagesMarquesTsp : e.ImagesMarques;
}

// The kept fit of what the graph shows, or end.
auto AjustementDe(std::vector<TDemandeAjustement>& gardes, const VueTemps::Choix& c)
{
    return std::find_if(gardes.begin(), gardes.end(),
                        [&](const TDemandeAjustement& d) { return VueAjustement::Concerne(d, c); });
}

} // namespace

void TResultats::CreerAjustement()
{
    MenuProlozeni = MainMenu1->addMenu(Chaines::Texte("MenuProlozeni"));
    MenuProlozeni->setObjectName(QStringLiteral("MenuProlozeni"));
    MenuProlozeniProlozit = MenuProlozeni->addAction(Chaines::Texte("MenuProlozeniProlozit"));
    MenuProlozeniProlozit->setObjectName(QStringLiteral("MenuProlozeniProlozit"));
    MenuProlozeniZrusit = MenuProlozeni->addAction(Chaines::Texte("MenuProlozeniZrusit"));
    MenuProlozeniZrusit->setObjectName(QStringLiteral("MenuProlozeniZrusit"));
    connect(MenuProlozeniProlozit, &QAction::triggered, this, &TResultats::MenuProlozitClick);
    connect(MenuProlozeniZrusit, &QAction::triggered, this, &TResultats::MenuZrusitClick);
    // Letters for the new menu; the others keep theirs.
    PoserMnemoniques(MainMenu1);

    PanneauAjustement = new TPanneauAjustement(Client);
    PanneauAjustement->hide();
    connect(PanneauAjustement, &TPanneauAjustement::Prolozit, this, &TResultats::Prolozit);
    connect(PanneauAjustement, &TPanneauAjustement::ResidusChange, this, [this] {
        RDim();
        ComboBoxChange();
    });
    BandeResidus = new QLabel(Client);
    BandeResidus->setObjectName(QStringLiteral("BandeResidus"));
    BandeResidus->hide();
    bande_ = new QRubberBand(QRubberBand::Rectangle, Graphe);
    Graphe->installEventFilter(this);
}

void TResultats::PoserAjustements(std::vector<TDemandeAjustement> a)
{
    ajustements_ = std::move(a);
    ajustement_.reset();
}

const TResultatAjustement* TResultats::AjustementAffiche() const
{
    if (disposition_ != TVueResultats::Temps || !ajustement_ || ComboBoxChoix1->currentIndex() < 0) return nullptr;
    return VueAjustement::Concerne(*ajustement_, ChoixTemps()) ? &*ajustement_ : nullptr;
}

int TResultats::HauteurResidus() const
{
    return disposition_ == TVueResultats::Temps && PanneauAjustement && PanneauAjustement->isVisible() &&
            PanneauAjustement->Residus()
        ? 90
        : 0;
}

void TResultats::AppliquerAjustement()
{
    const bool temps = disposition_ == TVueResultats::Temps;
    MenuProlozeni->menuAction()->setVisible(temps);
    if (!temps) {
        PanneauAjustement->hide();
        BandeResidus->hide();
    }
}

// A quantity's samples follow those of the points it uses, which are marked
// on the same frames: its range is taken on its point's frames.
int TResultats::EchantillonsAjustes(const VueTemps::Choix& c) const
{
    if (c.quantite.empty()) return Series().NbMesures[std::size_t(c.point)];
    const auto serie = modele_.SerieNommee(c.quantite);
    return serie ? int(serie->Valeurs.size()) : 0;
}

void TResultats::MenuProlozitClick()
{
    if (disposition_ != TVueResultats::Temps) return;
    const VueTemps::Choix c = ChoixTemps();
    const TResultatsSeries& r = Series();
    const std::vector<int>& images = ImagesMarques(modele_.Entrees());
    const int n = EchantillonsAjustes(c);
    const auto image = [&](int j) { return ImageDeLEchantillon(images, r.NbPointsMobiles, c.point, j); };
    PanneauAjustement->PoserImages(image(0), image(std::max(0, n - 1)));
    // A kept fit of this quantity comes back with its choices.
    const auto garde = AjustementDe(ajustements_, c);
    if (garde != ajustements_.end())
        PanneauAjustement->PoserDemande(*garde, image(garde->Debut), image(garde->Fin < 0 ? n - 1 : garde->Fin));
    else
        PanneauAjustement->PoserPlage(image(0), image(std::max(0, n - 1)));
    PanneauAjustement->show();
    RDim();
    Prolozit();
}

void TResultats::MenuZrusitClick()
{
    const VueTemps::Choix c = ChoixTemps();
    std::erase_if(ajustements_, [&](const TDemandeAjustement& d) { return VueAjustement::Concerne(d, c); });
    ajustement_.reset();
    PanneauAjustement->PoserResultat({});
    PanneauAjustement->hide();
    RDim();
    ComboBoxChange();
}

void TResultats::Prolozit()
{
    const VueTemps::Choix c = ChoixTemps();
    const TResultatsSeries& r = Series();
    const TEntreesSeries& e = modele_.Entrees();
    TDemandeAjustement d;
    d.Modele = PanneauAjustement->Modele();
    d.Grandeur = TGrandeurAjustee(int(c.grandeur));
    d.Point = c.point;
    d.Quantite = c.quantite;
    if (d.Modele == TModele::Expression) {
        d.Expression = PanneauAjustement->Expression();
        d.Departs = PanneauAjustement->Departs();
    }
    d.IncertitudeLongueur = PanneauAjustement->IncertitudeLongueur();
    const auto plage = PlageDesImages(ImagesMarques(e), r.NbPointsMobiles, c.point, EchantillonsAjustes(c),
                                      PanneauAjustement->De(), PanneauAjustement->A());
    // No sample in the frames chosen: an empty range, refused as such.
    d.Debut = plage ? plage->Debut : 1;
    d.Fin = plage ? plage->Fin : 0;
    std::erase_if(ajustements_, [&](const TDemandeAjustement& a) { return VueAjustement::Concerne(a, c); });
    ajustements_.push_back(d);
    ajustement_.reset();
    ComboBoxChange();
}

void TResultats::DessinerAjustement()
{
    const VueTemps::Choix c = ChoixTemps();
    const auto garde = AjustementDe(ajustements_, c);
    if (garde == ajustements_.end()) {
        PanneauAjustement->PoserResultat({});
        BandeResidus->hide();
        return;
    }
    if (!ajustement_ || !(demandeCalculee_ == *garde)) {
        ajustement_ = modele_.Ajuster(*garde);
        demandeCalculee_ = *garde;
    }
    // A refusal says why in the panel and draws nothing.
    const QStringList lignes = ::LignesAjustement(*ajustement_, separateur(), UniteQuantite(c.quantite));
    PanneauAjustement->PoserResultat(lignes.join(QLatin1Char('\n')));
    VueAjustement::Dessiner(*Graphe, c, *ajustement_);
    const int h = HauteurResidus();
    BandeResidus->setVisible(h > 0 && ajustement_->Reussi());
    if (BandeResidus->isVisible())
        BandeResidus->setPixmap(QPixmap::fromImage(
            VueAjustement::Residus(*Graphe, *ajustement_, VuesGraphe::CouleursPoints[std::size_t(c.point)], h)));
}

QString TResultats::UniteQuantite(const std::string& nom) const
{
    std::string unite;
    if (!nom.empty()) modele_.SerieNommee(nom, &unite);
    return QString::fromStdString(unite);
}

QStringList TResultats::LignesAjustement(const TResultatAjustement& a) const
{
    const TResultatsSeries& r = Series();
    const std::vector<int>& images = ImagesMarques(modele_.Entrees());
    const TDemandeAjustement& d = a.Demande;
    const auto image = [&](int j) { return ImageDeLEchantillon(images, r.NbPointsMobiles, d.Point, j); };
    const QString titre = d.Quantite.empty()
        ? Chaines::Texte("AjustementTitreTexte")
              .arg(VueTemps::Libelle(VueTemps::Grandeur(int(d.Grandeur))), VueTemps::Points(r).value(d.Point))
        : Chaines::Texte("AjustementTitreQuantite").arg(QString::fromStdString(d.Quantite));
    return QStringList{titre.arg(image(d.Debut)).arg(image(d.Fin))} +
        ::LignesAjustement(a, separateur(), UniteQuantite(d.Quantite));
}

QStringList TResultats::LignesAjustementAffiche() const
{
    const TResultatAjustement* a = AjustementAffiche();
    return a && a->Reussi() ? LignesAjustement(*a) : QStringList();
}

QStringList TResultats::LignesAjustementsTableau() const
{
    QStringList l;
    for (const TDemandeAjustement& garde : ajustements_) {
        const TResultatAjustement a = modele_.Ajuster(garde);
        if (a.Reussi()) l << QString() << LignesAjustement(a);
    }
    return l;
}

bool TResultats::eventFilter(QObject* objet, QEvent* e)
{
    if (objet == Graphe && disposition_ == TVueResultats::Temps && GlisserPlage(e)) return true;
    return QDialog::eventFilter(objet, e);
}

bool TResultats::GlisserPlage(QEvent* e)
{
    if (e->type() != QEvent::MouseButtonPress && e->type() != QEvent::MouseMove &&
        e->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* souris = static_cast<QMouseEvent*>(e);
    const int x = souris->position().toPoint().x();
    const QRect zone(Graphe->AxeYFromLeft(), Graphe->AxeXFromTop(), Graphe->LargeurGraphe(), Graphe->HauteurGraphe());
    if (e->type() == QEvent::MouseButtonPress) {
        if (souris->button() != Qt::LeftButton || !(souris->modifiers() & Qt::ShiftModifier)) return false;
        debutBande_ = std::clamp(x, zone.left(), zone.right());
        bande_->setGeometry(QRect(debutBande_, zone.top(), 1, zone.height()));
        bande_->show();
        return true;
    }
    if (debutBande_ < 0) return false;
    const int fin = std::clamp(x, zone.left(), zone.right());
    bande_->setGeometry(
        QRect(QPoint(std::min(debutBande_, fin), zone.top()), QPoint(std::max(debutBande_, fin), zone.bottom())));
    if (e->type() == QEvent::MouseMove) return true;

    // Released: the samples drawn inside the band are the range.
    bande_->hide();
    const int gauche = std::min(debutBande_, fin), droite = std::max(debutBande_, fin);
    debutBande_ = -1;
    if (Graphe->NbCourbes() == 0) return true;
    const TCourbe& echantillons = Graphe->Courbe(0);
    int premier = -1, dernier = -1;
    for (int i = 0; i < echantillons.NbPoints(); ++i) {
        const int px = echantillons.PositionPixel(i).x();
        if (px < gauche || px > droite) continue;
        if (premier < 0) premier = i;
        dernier = i;
    }
    if (premier < 0) return true;
    const VueTemps::Choix c = ChoixTemps();
    const std::vector<int>& images = ImagesMarques(modele_.Entrees());
    const auto image = [&](int j) { return ImageDeLEchantillon(images, Series().NbPointsMobiles, c.point, j); };
    if (!PanneauAjustement->isVisible()) {
        MenuProlozitClick();
    }
    PanneauAjustement->PoserPlage(image(premier), image(dernier));
    Prolozit();
    return true;
}
