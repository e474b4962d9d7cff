#include "search/UnitRecherche.h"

#include "kit/Centrer.h"
#include "resources/UnitChainesRessources.h"
#include "search/UnitAnimationRecherche.h"
#include "media/FormatsVideo.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QStorageInfo>
#include <QTreeView>
#include <QTreeWidget>

// The folder list as the folder tree of the current drive: its root and
// every folder below it, each listed with all its subfolders, expanded or
// not. Other drives mounted beside it are left out (they are drives of their
// own); the folders above its root are kept only as the tree's hidden stem.
class FiltreVolume : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void ChoisirLecteur(const QString& racine)
    {
        if (racine == racine_) return;
        racine_ = racine;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int ligne, const QModelIndex& parent) const override
    {
        const auto* modele = static_cast<const QFileSystemModel*>(sourceModel());
        const QString chemin = modele->filePath(modele->index(ligne, 0, parent));
        return contient(chemin, racine_) || contient(racine_, chemin);
    }

private:
    // True when `dossier` is `haut` or lies below it.
    static bool contient(const QString& haut, const QString& dossier)
    {
        return dossier == haut || dossier.startsWith(haut.endsWith(u'/') ? haut : haut + u'/');
    }

    QString racine_ = QStringLiteral("/");
};

namespace {

QString avecSeparateur(const QString& dossier)
{
    return dossier.endsWith(u'/') ? dossier : dossier + u'/';
}

} // namespace

TRecherche::TRecherche(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(Chaines::Texte("TitreRecherche"));
    setFixedSize(476, 273);
    creerListes();
    creerBoutons();

    StatusBar = new QStatusBar(this);
    StatusBar->setSizeGripEnabled(false);
    StatusBar->setGeometry(0, 273 - 19, 476, 19);
    StatusTexte = new QLabel;
    StatusBar->addWidget(StatusTexte, 1);

    // The engine reports on the worker thread; each report is queued to the
    // window, which keeps the walk's order.
    moteur_.FichierTrouve = [this](const std::string& dossier, const EntreeFichier& f) {
        const QString d = QString::fromStdString(dossier), n = QString::fromStdString(f.Nom);
        QMetaObject::invokeMethod(
            this, [this, d, n] { fichierTrouve(d, n); }, Qt::QueuedConnection);
    };
    // "*.ts" also names TypeScript sources: such files must show a
    // transport stream in their first bytes.
    moteur_.Contenu = [](const std::string& chemin) { return !ContenuContredit(QString::fromStdString(chemin)); };
    moteur_.FinRecherche = [this] {
        QMetaObject::invokeMethod(
            this, [this] { finRecherche(); }, Qt::QueuedConnection);
    };

    remplirLecteurs();
    ChoisirDossier(QDir::homePath());
}

TRecherche::~TRecherche()
{
    moteur_.Arreter();
    if (travail_.joinable()) travail_.join();
}

void TRecherche::creerListes()
{
    FilterComboBox = new QComboBox(this);
    FilterComboBox->setGeometry(9, 14, 152, FilterComboBox->sizeHint().height());
    const QStringList filtre =
        Chaines::Texte("FiltreRecherche").replace(QStringLiteral("%1"), MotifsVideo().replace(u' ', u';')).split(u'|');
    for (qsizetype i = 0; i + 1 < filtre.size(); i += 2) FilterComboBox->addItem(filtre[i], filtre[i + 1]);
    FilterComboBox->setAccessibleName(Chaines::Texte("RechercheTypeFichier"));

    DriveComboBox = new QComboBox(this);
    DriveComboBox->setGeometry(176, 14, 121, DriveComboBox->sizeHint().height());
    DriveComboBox->setAccessibleName(Chaines::Texte("RechercheLecteur"));
    connect(DriveComboBox, &QComboBox::activated, this, &TRecherche::DriveComboBoxChange);

    dossiers_ = new QFileSystemModel(this);
    dossiers_->setFilter(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Drives);
    dossiers_->setRootPath(QStringLiteral("/"));
    filtre_ = new FiltreVolume(this);
    filtre_->setSourceModel(dossiers_);
    filtre_->setDynamicSortFilter(true);
    filtre_->sort(0);
    DirectoryListBox = new QTreeView(this);
    DirectoryListBox->setGeometry(310, 14, 155, 227);
    DirectoryListBox->setModel(filtre_);
    DirectoryListBox->setHeaderHidden(true);
    for (int c = 1; c < dossiers_->columnCount(); ++c) DirectoryListBox->hideColumn(c);
    DirectoryListBox->setAccessibleName(Chaines::Texte("RechercheDossiers"));
    connect(DirectoryListBox->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { afficherChemin(DossierChoisi()); });
    connect(DirectoryListBox, &QTreeView::doubleClicked, this, [this] { ChoisirDossier(DossierChoisi()); });

    ListView = new QTreeWidget(this);
    ListView->setGeometry(9, 48, 288, 150);
    ListView->setColumnCount(2);
    ListView->setHeaderLabels({Chaines::Texte("ColonneNom"), Chaines::Texte("ColonneDossier")});
    ListView->setColumnWidth(0, 125);
    ListView->setColumnWidth(1, 400);
    ListView->setRootIsDecorated(false);
    ListView->setItemsExpandable(false);
    ListView->setUniformRowHeights(true);
    ListView->setAllColumnsShowFocus(true);
    ListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView->setAccessibleName(Chaines::Texte("RechercheResultats"));
    ListView->header()->setSectionsClickable(true);
    ListView->header()->setStretchLastSection(false);
    connect(ListView->header(), &QHeaderView::sectionClicked, this, &TRecherche::trierColonne);
    connect(ListView, &QTreeWidget::itemDoubleClicked, this, &TRecherche::ButtonOuvrirClick);
}

void TRecherche::creerBoutons()
{
    Animate = new TAnimationRecherche(this);
    ButtonRechercher = new QPushButton(Chaines::Texte("BoutonVyhledat"), this);
    ButtonRechercher->setGeometry(76, 216, 75, 25);
    ButtonStop = new QPushButton(Chaines::Texte("BoutonStop"), this);
    ButtonStop->setGeometry(157, 216, 55, 25);
    ButtonOuvrir = new QPushButton(Chaines::Texte("BoutonOtevrit"), this);
    ButtonOuvrir->setGeometry(232, 216, 65, 25);
    connect(ButtonRechercher, &QPushButton::clicked, this, &TRecherche::ButtonRechercherClick);
    connect(ButtonStop, &QPushButton::clicked, this, &TRecherche::ButtonStopClick);
    connect(ButtonOuvrir, &QPushButton::clicked, this, &TRecherche::ButtonOuvrirClick);
}

void TRecherche::remplirLecteurs()
{
    QList<QStorageInfo> volumes;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        if (v.isValid() && v.isReady()) volumes << v;
    std::sort(volumes.begin(), volumes.end(),
              [](const QStorageInfo& a, const QStorageInfo& b) { return a.rootPath() < b.rootPath(); });
    for (const QStorageInfo& v : volumes) {
        const QString nom = v.name().isEmpty() ? v.rootPath() : QStringLiteral("%1 [%2]").arg(v.rootPath(), v.name());
        DriveComboBox->addItem(nom, v.rootPath());
    }
}

void TRecherche::showEvent(QShowEvent* e)
{
    // Centred between the window's left edge and "Vyhledat", and between the
    // result list and the status bar.
    const int bas = ListView->geometry().bottom() + 1;
    Animate->move((ButtonRechercher->x() - Animate->width()) / 2, bas + (StatusBar->y() - bas - Animate->height()) / 2);
    afficherChemin(DossierChoisi());
    CentrerSurEcran(this);
    QDialog::showEvent(e);
}

QString TRecherche::DossierChoisi() const
{
    return dossiers_->filePath(filtre_->mapToSource(DirectoryListBox->currentIndex()));
}

void TRecherche::ChoisirDossier(const QString& dossier)
{
    const QString chemin = QDir(dossier).canonicalPath();
    const QString racine = QStorageInfo(chemin).rootPath();
    const int lecteur = DriveComboBox->findData(racine);
    if (lecteur >= 0) DriveComboBox->setCurrentIndex(lecteur);
    filtre_->ChoisirLecteur(racine);
    DirectoryListBox->setRootIndex(filtre_->mapFromSource(dossiers_->index(racine).parent()));
    const QModelIndex i = filtre_->mapFromSource(dossiers_->index(chemin));
    DirectoryListBox->setCurrentIndex(i);
    DirectoryListBox->expand(i);
    DirectoryListBox->scrollTo(i);
    afficherChemin(DossierChoisi());
}

void TRecherche::DriveComboBoxChange()
{
    // The new drive's root becomes the current folder.
    ChoisirDossier(DriveComboBox->currentData().toString());
}

void TRecherche::afficherChemin(const QString& chemin)
{
    StatusTexte->setText(Chaines::Texte("StatutCheminRecherche") + chemin);
}

void TRecherche::afficherNombre()
{
    StatusTexte->setText(Chaines::Texte("StatutNombreTrouves") + QString::number(ListView->topLevelItemCount()));
}

void TRecherche::ButtonRechercherClick()
{
    if (enRecherche_) return;
    if (travail_.joinable()) travail_.join();
    ListView->clear();
    afficherNombre();
    ButtonStop->setEnabled(true);
    ButtonRechercher->setEnabled(false);
    ButtonOuvrir->setEnabled(false);
    ListView->header()->setSectionsClickable(false);
    moteur_.Masques = FilterComboBox->currentData().toString().toStdString();
    moteur_.Dossier = avecSeparateur(DossierChoisi()).toStdString();
    enRecherche_ = true;
    Animate->Demarrer();
    travail_ = std::thread([this] { moteur_.Executer(); });
}

void TRecherche::ButtonStopClick()
{
    // Before the first search, and between searches, there is nothing to stop.
    if (enRecherche_) moteur_.Arreter();
}

void TRecherche::hideEvent(QHideEvent* e)
{
    // A search nobody sees any more is stopped (a minimised window goes on).
    if (!e->spontaneous()) ButtonStopClick();
    QDialog::hideEvent(e);
}

void TRecherche::fichierTrouve(const QString& dossier, const QString& nom)
{
    new QTreeWidgetItem(ListView, {nom, dossier}); // owned by the list
    afficherNombre();
}

void TRecherche::finRecherche()
{
    if (travail_.joinable()) travail_.join();
    enRecherche_ = false;
    Animate->Arreter();
    ButtonStop->setEnabled(false);
    ButtonOuvrir->setEnabled(true);
    ButtonRechercher->setEnabled(true);
    ListView->header()->setSectionsClickable(true);
    if (isVisible()) {
        ListView->setFocus();
        if (ListView->topLevelItemCount() > 0) ListView->setCurrentItem(ListView->topLevelItem(0));
    }
    emit RechercheTerminee();
}

void TRecherche::ButtonOuvrirClick()
{
    hide();
    const QList<QTreeWidgetItem*> choix = ListView->selectedItems();
    if (!choix.isEmpty() && ChoixFichier) ChoixFichier(choix.first()->text(1), choix.first()->text(0));
}

void TRecherche::trierColonne(int colonne)
{
    ordreTri_ = colonne == colonneTri_ && ordreTri_ == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    colonneTri_ = colonne;
    ListView->header()->setSortIndicatorShown(true);
    ListView->header()->setSortIndicator(colonne, ordreTri_);
    ListView->sortItems(colonne, ordreTri_);
}
