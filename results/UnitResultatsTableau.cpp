// The table view of the results window: the grid over the table of values,
// its columns, and the table's text saved to a file or copied.

#include "results/UnitResultats.h"

#include "core/UnitEcriture.h"
#include "kit/Dialogues.h"
#include "kit/Hint.h"
#include "resources/UnitChainesRessources.h"
#include "results/UnitEtatResultats.h"
#include "results/UnitModeleGrille.h"

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPalette>
#include <QTableView>

namespace {

QChar separateurDecimal()
{
    return QLocale().decimalPoint().front();
}

} // namespace

void TResultats::CreerGrille()
{
    DBGrid = new QTableView(Client);
    DBGrid->setObjectName(QStringLiteral("DBGrid"));
    grille_ = new TModeleGrille(modele_.Tableau(), this);
    DBGrid->setModel(grille_);
    DBGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid->verticalHeader()->hide();
    // Compact rows, one line of the grid's font each.
    DBGrid->verticalHeader()->setDefaultSectionSize(QFontMetrics(DBGrid->font()).height() + 4);
    QPalette fond = DBGrid->palette();
    fond.setColor(QPalette::Base, QColor(255, 247, 222));
    DBGrid->setPalette(fond);

    QHeaderView* titres = DBGrid->horizontalHeader();
    titres->setSectionsMovable(true);
    titres->setSectionResizeMode(QHeaderView::Interactive);
    PoserLargeurs(0);
    // The order the user gives the columns is the order they are exported in.
    connect(titres, &QHeaderView::sectionMoved, this,
            [this](int, int de, int vers) { modele_.Tableau().DeplacerColonne(de, vers); });
    PoserHint(DBGrid, Chaines::Texte("HintGrille"));
}

void TResultats::PoserLargeurs(int premiere)
{
    // Widths in characters of the grid's font, never narrower than the label.
    const QFontMetrics chiffres(DBGrid->font());
    const QFontMetrics libelles(DBGrid->horizontalHeader()->font());
    const TTableau& t = modele_.Tableau();
    for (int c = premiere; c < t.NombreColonnesTableau(); ++c) {
        const TColonne& k = t.ColonnesTableau()[size_t(c)];
        const int largeur = chiffres.horizontalAdvance(u'0') * k.Largeur;
        DBGrid->setColumnWidth(c, std::max(largeur, libelles.horizontalAdvance(TTableau::Etiquette(k))) + 8);
    }
}

bool TResultats::AfficherTableau()
{
    Selectionner(TVueResultats::Tableau);
    modele_.MontrerPositions();
    // The quantities the masses and the user's formulas give are shown with the positions.
    modele_.Tableau().MontrerGroupe(GroupeColonne::Grandeur, true);
    MenuAffichageVitesse->setChecked(false);
    MenuAffichageAcceleration->setChecked(false);
    MenuAffichageIncertitudes->setChecked(false);
    modele_.Tableau().MontrerIncertitudes(false);
    MenuAffichageMarques->setChecked(false);
    AppliquerColonnes();
    PoserHint(DBGrid, Chaines::Texte("HintGrille"));
    return true;
}

void TResultats::RemplirTableau()
{
    grille_->Reinitialiser();
    PoserLargeurs(TTableau::NombreColonnes());
    AppliquerColonnes();
    etat_ = TexteEtatResultats(Series(), modele_.PasDeTemps().TChoisi, separateurDecimal());
    AfficherTitre();
}

void TResultats::AppliquerColonnes()
{
    for (int c = 0; c < modele_.Tableau().NombreColonnesTableau(); ++c)
        DBGrid->setColumnHidden(c, !modele_.Tableau().Visible(c));
}

void TResultats::MenuAffichageVitesseClick()
{
    MenuAffichageVitesse->setChecked(modele_.MontrerVitesses(MenuAffichageVitesse->isChecked()));
    AppliquerColonnes();
}

void TResultats::MenuAffichageAccelerationClick()
{
    MenuAffichageAcceleration->setChecked(modele_.MontrerAccelerations(MenuAffichageAcceleration->isChecked()));
    AppliquerColonnes();
}

void TResultats::MenuAffichageIncertitudesClick()
{
    // The graphs view reads the tick when it draws; the table keeps its own.
    if (VueTemps()) {
        ComboBoxChange();
        return;
    }
    modele_.Tableau().MontrerIncertitudes(MenuAffichageIncertitudes->isChecked());
    AppliquerColonnes();
}

void TResultats::MenuAffichageMarquesClick()
{
    modele_.Tableau().MontrerGroupe(GroupeColonne::Marque, MenuAffichageMarques->isChecked());
    AppliquerColonnes();
}

QString TResultats::Texte() const
{
    QString texte = modele_.Tableau().RemplirTexte(separateurDecimal());
    // The fits kept with the measurement follow the table, one line each.
    for (const QString& l : LignesAjustementsTableau()) texte += l + QStringLiteral("\r\n");
    return texte;
}

void TResultats::MenuFichierEnregistrerClick()
{
    if (VueTableau())
        EnregistrerTexte();
    else if (Vue())
        EnregistrerImage();
}

void TResultats::EnregistrerTexte()
{
    DemandeFichier d;
    d.titre = Chaines::Texte("TitreEnregistrerTexte");
    d.filtre = Chaines::Texte("FiltreEnregistrerTexte");
    d.extensionDefaut = QStringLiteral("txt");
    const auto choisi = dialogues_.Enregistrer(d, this);
    if (!choisi) return;
    QString chemin = choisi->chemin;
    if (QFileInfo(chemin).suffix().isEmpty()) chemin += QStringLiteral(".txt");
    // An existing file is replaced; a failed write leaves it as it was.
    CauseEcriture cause;
    if (EcrireFichier(chemin, Texte().toUtf8(), &cause) != ResultatEcriture::Ok) {
        Signaler(IconeMessage::Avertissement, "MsgErreurInconnue", cause);
        return;
    }
    Signaler(IconeMessage::Information, "MsgTexteEnregistre");
}

void TResultats::MenuEditionCopierClick()
{
    QGuiApplication::clipboard()->setText(Texte());
    Signaler(IconeMessage::Information, "MsgTexteCopie");
}
