// The results window's menus: creation, which items each view shows, and the
// commands of the Calculs and Résultats menus.

#include "results/UnitResultats.h"

#include "graph/UnitGraphPlus.h"
#include "results/UnitBoiteTemps.h"
#include "kit/Dialogues.h"
#include "kit/Mnemoniques.h"
#include "resources/UnitChainesRessources.h"
#include "resources/UnitGlyphesMenus.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace {

QMenu* menu(QMenuBar* barre, const char* nom)
{
    QMenu* m = barre->addMenu(Chaines::Texte(std::string("Res") + nom));
    m->setObjectName(QString::fromLatin1(nom));
    return m;
}

QAction* item(QMenu* m, const char* nom, bool cochable = false)
{
    QAction* a = m->addAction(Chaines::Texte(std::string("Res") + nom));
    a->setObjectName(QString::fromLatin1(nom));
    a->setCheckable(cochable);
    return a;
}

void image(QAction* a, GlypheMenu g)
{
    a->setIcon(IconeGlypheMenu(g));
    a->setIconVisibleInMenu(true);
}

} // namespace

void TResultats::CreerMenus()
{
    MenuFichier = menu(MainMenu1, "MenuFichier");
    MenuFichierEnregistrer = item(MenuFichier, "MenuFichierEnregistrer");
    MenuFichier->addSeparator();
    MenuFichierImprimer = item(MenuFichier, "MenuFichierImprimer");
    MenuFichier->addSeparator();
    MenuFichierQuitter = item(MenuFichier, "MenuFichierQuitter");

    MenuEdition = menu(MainMenu1, "MenuEdition");
    MenuEditionCopierDansLePressePapier = item(MenuEdition, "MenuEditionCopierDansLePressePapier");

    MenuAffichage = menu(MainMenu1, "MenuAffichage");
    MenuAffichageZoomX = item(MenuAffichage, "MenuAffichageZoomX", true);
    MenuAffichageZoomY = item(MenuAffichage, "MenuAffichageZoomY", true);
    MenuAffichageZoomY->setChecked(true);
    MenuAffichage->addSeparator();
    MenuAffichageDessinerUneCourbe = item(MenuAffichage, "MenuAffichageDessinerUneCourbe", true);
    MenuAffichageNumeroterLesPoints = item(MenuAffichage, "MenuAffichageNumeroterLesPoints", true);
    MenuAffichageValeurs = item(MenuAffichage, "MenuAffichageValeurs", true);
    // Numbers or values beside the samples, or neither.
    auto* numerosValeurs = new QActionGroup(this);
    numerosValeurs->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    numerosValeurs->addAction(MenuAffichageNumeroterLesPoints);
    numerosValeurs->addAction(MenuAffichageValeurs);
    MenuAffichageVitesse = item(MenuAffichage, "MenuAffichageVitesse", true);
    MenuAffichageAcceleration = item(MenuAffichage, "MenuAffichageAcceleration", true);
    MenuAffichageIncertitudes = item(MenuAffichage, "MenuAffichageIncertitudes", true);
    MenuAffichageMarques = item(MenuAffichage, "MenuAffichageMarques", true);

    MenuCalculs = menu(MainMenu1, "MenuCalculs");
    MenuCalculsTempsEntreDeuxImages = item(MenuCalculs, "MenuCalculsTempsEntreDeuxImages");
    MenuCalculs->addSeparator();
    MenuCalculsLisserLesResultats = item(MenuCalculs, "MenuCalculsLisserLesResultats", true);
    MenuCalculsLisserLesResultats->setChecked(Series().Lisser);

    MenuResultats = menu(MainMenu1, "MenuResultats");
    MenuResultatsTableau = item(MenuResultats, "MenuResultatsTableau");
    MenuResultatsTemps = item(MenuResultats, "MenuResultatsTemps");
    MenuResultatsReferentiel = item(MenuResultats, "MenuResultatsReferentiel");
    MenuResultatsVecteur = item(MenuResultats, "MenuResultatsVecteur");

    MenuFichierEnregistrer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    MenuFichierImprimer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    MenuEditionCopierDansLePressePapier->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    PoserMnemoniques(MainMenu1);

    image(MenuFichierEnregistrer, GlypheMenu::Enregistrer);
    image(MenuFichierImprimer, GlypheMenu::Imprimer);
    image(MenuFichierQuitter, GlypheMenu::Quitter);
    image(MenuEditionCopierDansLePressePapier, GlypheMenu::Copier);
    image(MenuCalculsTempsEntreDeuxImages, GlypheMenu::Temps);
    image(MenuResultatsTableau, GlypheMenu::Tableau);
    image(MenuResultatsTemps, GlypheMenu::Graphes);
    image(MenuResultatsReferentiel, GlypheMenu::Trajectoire);
    image(MenuResultatsVecteur, GlypheMenu::Vecteurs);

    connect(MenuFichierEnregistrer, &QAction::triggered, this, &TResultats::MenuFichierEnregistrerClick);
    connect(MenuFichierImprimer, &QAction::triggered, this, &TResultats::MenuFichierImprimerClick);
    connect(MenuFichierQuitter, &QAction::triggered, this, &QDialog::close);
    connect(MenuEditionCopierDansLePressePapier, &QAction::triggered, this, &TResultats::MenuEditionCopierClick);
    for (QAction* a : {MenuAffichageZoomX, MenuAffichageZoomY, MenuAffichageDessinerUneCourbe,
                       MenuAffichageNumeroterLesPoints, MenuAffichageValeurs})
        connect(a, &QAction::triggered, this, &TResultats::MenuAffichageOptionsClick);
    connect(MenuAffichageVitesse, &QAction::triggered, this, &TResultats::MenuAffichageVitesseClick);
    connect(MenuAffichageAcceleration, &QAction::triggered, this, &TResultats::MenuAffichageAccelerationClick);
    connect(MenuAffichageIncertitudes, &QAction::triggered, this, &TResultats::MenuAffichageIncertitudesClick);
    connect(MenuAffichageMarques, &QAction::triggered, this, &TResultats::MenuAffichageMarquesClick);
    connect(MenuCalculsTempsEntreDeuxImages, &QAction::triggered, this,
            &TResultats::MenuCalculsTempsEntreDeuxImagesClick);
    connect(MenuCalculsLisserLesResultats, &QAction::triggered, this, &TResultats::MenuCalculsLisserLesResultatsClick);
    connect(MenuResultatsTableau, &QAction::triggered, this, [this] { MenuResultatsClick(TVueResultats::Tableau); });
    connect(MenuResultatsTemps, &QAction::triggered, this, [this] { MenuResultatsClick(TVueResultats::Temps); });
    connect(MenuResultatsReferentiel, &QAction::triggered, this,
            [this] { MenuResultatsClick(TVueResultats::Trajectoire); });
    connect(MenuResultatsVecteur, &QAction::triggered, this, [this] { MenuResultatsClick(TVueResultats::Vecteurs); });
}

void TResultats::AppliquerMenus(TVueResultats vue)
{
    const TResultatsSeries& r = Series();
    const bool tableau = vue == TVueResultats::Tableau;
    const bool temps = vue == TVueResultats::Temps;
    const bool trajectoire = vue == TVueResultats::Trajectoire;
    const bool vecteurs = vue == TVueResultats::Vecteurs;
    const struct {
        QAction* action;
        bool visible;
    } lignes[] = {
        {MenuFichierImprimer, !tableau},
        {MenuEdition->menuAction(), tableau},
        {MenuAffichage->menuAction(), true},
        {MenuAffichageZoomX, temps},
        {MenuAffichageZoomY, temps},
        {MenuAffichageDessinerUneCourbe, temps || trajectoire},
        {MenuAffichageNumeroterLesPoints, trajectoire || vecteurs},
        {MenuAffichageValeurs, vecteurs},
        {MenuAffichageVitesse, tableau && r.AfficherVitesse},
        {MenuAffichageAcceleration, tableau && r.AfficherAcceleration},
        {MenuAffichageIncertitudes, (tableau || temps) && (r.AfficherVitesse || r.AfficherAcceleration)},
        {MenuAffichageMarques, tableau},
        {MenuCalculs->menuAction(), !trajectoire},
        {MenuResultatsTableau, !tableau},
        {MenuResultatsTemps, !temps},
        {MenuResultatsReferentiel, !trajectoire},
        {MenuResultatsVecteur, !vecteurs},
    };
    for (const auto& l : lignes) l.action->setVisible(l.visible);
}

void TResultats::MenuResultatsClick(TVueResultats vue)
{
    if (!Afficher(vue)) return;
    if (vue == TVueResultats::Tableau)
        RDim();
    else
        ComboBoxChange();
}

void TResultats::MenuCalculsTempsEntreDeuxImagesClick()
{
    boiteTemps_.PasDeTemps = modele_.PasDeTemps();
    dialogues_.Executer(boiteTemps_, this);
    // Whatever way the dialog was closed, its choice is in force.
    Rafraichir(modele_.ChangerPasDeTemps(boiteTemps_.PasDeTemps.TChoisi));
}

void TResultats::MenuCalculsLisserLesResultatsClick()
{
    const CodeResultat code = modele_.BasculerLissage();
    // On failure smoothing went back: so does the check mark.
    MenuCalculsLisserLesResultats->setChecked(Series().Lisser);
    Rafraichir(code);
}

void TResultats::Rafraichir(CodeResultat code)
{
    if (code == CodeSucces) {
        ajustement_.reset();
        // The model refilled the table whatever the view: the grid follows.
        RemplirTableau();
        if (VueTemps() || VueVecteurs()) ComboBoxChange();
    } else {
        Signaler(IconeMessage::Information,
                 code == CodePivotNul               ? "MsgDivisionParZero"
                     : code == CodeTropPeuDeMesures ? "MsgPeuDePoints"
                                                    : "MsgErreurInconnue");
    }
    Graphe->Paint();
}

void TResultats::MenuAffichageOptionsClick()
{
    switch (disposition_) {
    case TVueResultats::Temps: OptionsTemps(); break;
    case TVueResultats::Trajectoire: OptionsTrajectoire(); break;
    case TVueResultats::Vecteurs: OptionsVecteurs(); break;
    case TVueResultats::Tableau: return;
    }
    Graphe->Paint();
}
