#include "results/UnitBoiteMasses.h"

#include "core/UnitFormatReel.h"
#include "kit/Dialogues.h"
#include "resources/UnitChainesRessources.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

std::optional<TGrandeursMesure> LireMasses(const TGrandeursMesure& avant, const std::array<QString, 3>& masses,
                                           int points, const QString& g, QString& refus)
{
    TGrandeursMesure lues = avant;
    for (int p = 0; p < points && p < 3; ++p) {
        const QString texte = masses[std::size_t(p)].trimmed();
        const std::optional<double> m = texte.isEmpty() ? 0.0 : LireReel(texte);
        if (!m || *m < 0.0) {
            refus = Chaines::Texte("RefusMasse").arg(p + 1);
            return std::nullopt;
        }
        lues.Masses[std::size_t(p)] = *m;
    }
    const std::optional<double> valeurG = LireReel(g.trimmed());
    if (!valeurG || !(*valeurG > 0.0)) {
        refus = Chaines::Texte("RefusG");
        return std::nullopt;
    }
    lues.g = *valeurG;
    return lues;
}

TBoiteMasses::TBoiteMasses(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(Chaines::Texte("TitreBoiteMasses"));
    auto* forme = new QFormLayout(this);
    for (int p = 0; p < 3; ++p) {
        EditMasse[std::size_t(p)] = new QLineEdit(this);
        EditMasse[std::size_t(p)]->setObjectName(QStringLiteral("EditMasse%1").arg(p + 1));
        forme->addRow(Chaines::Texte("MassesPoint").arg(p + 1), EditMasse[std::size_t(p)]);
    }
    EditG = new QLineEdit(this);
    EditG->setObjectName(QStringLiteral("EditG"));
    forme->addRow(Chaines::Texte("MassesG"), EditG);
    forme->addRow(new QLabel(Chaines::Texte("MassesAide"), this));
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    forme->addRow(boutons);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TBoiteMasses::Poser(const TGrandeursMesure& g, int points)
{
    Grandeurs = g;
    points_ = points;
    const QChar sep = QLocale().decimalPoint().front();
    for (int p = 0; p < 3; ++p) {
        EditMasse[std::size_t(p)]->setText(FormaterReel(g.Masses[std::size_t(p)], sep));
        EditMasse[std::size_t(p)]->setEnabled(p < points);
    }
    EditG->setText(FormaterReel(g.g, sep));
}

void TBoiteMasses::done(int resultat)
{
    if (resultat == QDialog::Accepted) {
        QString refus;
        const auto lues = LireMasses(Grandeurs, {EditMasse[0]->text(), EditMasse[1]->text(), EditMasse[2]->text()},
                                     points_, EditG->text(), refus);
        if (!lues) {
            Afficher(MessageSimple(IconeMessage::Information, {refus}), this);
            return;
        }
        Grandeurs = *lues;
    }
    QDialog::done(resultat);
}
