#include "view/UnitBoiteLongueur.h"

#include "kit/Dialogues.h"
#include "core/UnitFormatReel.h"
#include "resources/UnitChainesRessources.h"
#include "view/UnitBoiteInfo.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpressionValidator>
#include <QStatusBar>

namespace {

constexpr int Marge = 8;
constexpr int CaracteresMax = 14;
const QSize TailleEdition(121, 21);

} // namespace

bool LongueurAcceptable(double metres)
{
    return metres >= LongueurMin && metres <= LongueurMax;
}

double ValeurLongueur(const QString& texte)
{
    QString t = texte.trimmed();
    t.replace(u',', u'.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? v : 0.0;
}

QString TexteLongueur(double metres)
{
    QString s;
    for (int decimales = 3; decimales >= 0; --decimales) {
        s = QString::number(metres, 'f', decimales);
        if (s.size() <= CaracteresMax) break;
    }
    return s.replace(u'.', QLocale().decimalPoint());
}

QStringList LignesRefusLongueur(double longueur)
{
    return {Chaines::Texte("LongueurRefus").arg(FormatGeneral(longueur, 3)), Chaines::Texte("LongueurRefusIntervalle"),
            Chaines::Texte("LongueurIntervalle")};
}

DispositionLongueur DisposerLongueur(QSize libelle, QSize edition, int hauteurStatut)
{
    DispositionLongueur d;
    d.client = QSize(libelle.width() + edition.width() + 3 * Marge, hauteurStatut + edition.height() + 16);
    const int haut = d.client.height() - hauteurStatut;
    d.libelle = QRect(QPoint(Marge, (haut - libelle.height()) / 2), libelle);
    d.edition = QRect(QPoint(Marge + libelle.width() + Marge, (haut - edition.height()) / 2), edition);
    d.statut = QRect(0, haut, d.client.width(), hauteurStatut);
    return d;
}

TBoiteLongueur::TBoiteLongueur(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      libelle_(new QLabel(Chaines::Texte("LongueurLibelle"), this)), edition_(new QLineEdit(this)),
      statut_(new QStatusBar(this))
{
    setWindowTitle(Chaines::Texte("TitreBoiteLongueur"));
    edition_->setMaxLength(CaracteresMax);
    edition_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*([.,][0-9]*)?")), edition_));
    statut_->setSizeGripEnabled(false);
    statut_->addWidget(new QLabel(Chaines::Texte("LongueurIntervalle")), 1);

    const DispositionLongueur d = DisposerLongueur(libelle_->sizeHint(), TailleEdition, statut_->sizeHint().height());
    setFixedSize(d.client);
    libelle_->setGeometry(d.libelle);
    edition_->setGeometry(d.edition);
    statut_->setGeometry(d.statut);

    connect(edition_, &QLineEdit::returnPressed, this, &TBoiteLongueur::valider);
}

void TBoiteLongueur::showEvent(QShowEvent* e)
{
    edition_->setText(TexteLongueur(Longueur));
    edition_->selectAll();
    edition_->setFocus();
    QDialog::showEvent(e);
}

void TBoiteLongueur::valider()
{
    const double v = ValeurLongueur(edition_->text());
    if (!LongueurAcceptable(v)) return;
    Longueur = v;
    accept();
}

void TBoiteLongueur::done(int resultat)
{
    if (!LongueurAcceptable(ValeurLongueur(edition_->text()))) {
        Afficher(MessageSimple(IconeMessage::Information, LignesRefusLongueur(Longueur)), this);
        return;
    }
    QDialog::done(resultat);
}
