#include "app/UnitApplication.h"

#include "app/UnitBoiteAPropos.h"
#include "app/UnitFiche.h"
#include "app/UnitFileUtil.h"
#include "resources/UnitPolice.h"
#include "results/UnitBoiteTemps.h"
#include "options/UnitOptions.h"
#include "print/UnitImprimer.h"
#include "resources/UnitChainesRessources.h"
#include "resources/UnitCurseurs.h"
#include "results/UnitResultats.h"
#include "search/UnitRecherche.h"
#include "view/UnitBoiteCouleur.h"
#include "view/UnitBoiteInfo.h"
#include "view/UnitBoiteLongueur.h"

#include "kit/Dialogues.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QToolTip>
#include <QTranslator>

bool ChargerTraductionsQt()
{
    if (Chaines::LangueDuSysteme() != Chaines::Langue::Tcheque) return false;
    // qt_cs names the catalogues of every Qt module it covers (qtbase, qtmultimedia...).
    static QTranslator traduction;
    if (!traduction.isEmpty()) return true; // installed already
    if (!traduction.load(QLocale(QLocale::Czech), QStringLiteral("qt"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&traduction);
}

void InitialiserApplication()
{
    Chaines::Charger();
    ChargerTraductionsQt();
    // No display name: Qt would append it to every window title.
    QApplication::setApplicationName(Chaines::Texte("TitreApplication"));
    // Pairs the windows with the installed menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("cz.kinotab.Kinotab"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kinotab")));
    Curseurs::Enregistrer();
}

Fenetres::Fenetres()
{
    // The font and the settings path are the whole program's: fixed before
    // any window exists.
    // The dialog seam in force (a test's when one is installed) goes to every window.
    Dialogues& dialogues = Dialogues::Courant();
    if (!InstallerPolice())
        dialogues.Afficher(MessageSimple(IconeMessage::Avertissement, {Chaines::Texte("MsgPoliceAbsente")}), nullptr);
    QApplication::setFont(PoliceProgramme());
    QToolTip::setFont(PoliceProgramme());
    if (!PreparerFichierIni())
        dialogues.Afficher(MessageSimple(IconeMessage::Avertissement, {Chaines::Texte("MsgFichierIniAbsent")}),
                           nullptr);

    // The main window only reaches the windows it opens, when it opens them.
    fiche_ = std::make_unique<TFiche>(*this, dialogues);
    boiteCouleur_ = std::make_unique<TBoiteCouleur>();
    options_ = std::make_unique<TOptions>();
    boiteInfo_ = std::make_unique<TBoiteInfo>();
    imprimer_ = std::make_unique<TImprimer>(dialogues, FichierIni());
    boiteTemps_ = std::make_unique<TBoiteTemps>();
    boiteAPropos_ = std::make_unique<TBoiteAPropos>();
    boiteLongueur_ = std::make_unique<TBoiteLongueur>();
    recherche_ = std::make_unique<TRecherche>();
    resultats_ = std::make_unique<TResultats>(*boiteTemps_, *imprimer_, dialogues, FichierIni());
}

Fenetres::~Fenetres()
{
    // The dialogs go before the main window, whose destruction writes the settings.
    resultats_.reset();
    recherche_.reset();
    boiteLongueur_.reset();
    boiteAPropos_.reset();
    boiteTemps_.reset();
    imprimer_.reset();
    boiteInfo_.reset();
    options_.reset();
    boiteCouleur_.reset();
    fiche_.reset();
    ViderFichierIni();
}

QList<QWidget*> Fenetres::Toutes() const
{
    return {fiche_.get(),      boiteCouleur_.get(), options_.get(),       boiteInfo_.get(), imprimer_.get(),
            boiteTemps_.get(), boiteAPropos_.get(), boiteLongueur_.get(), recherche_.get(), resultats_.get()};
}
