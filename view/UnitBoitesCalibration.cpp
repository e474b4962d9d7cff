#include "view/UnitBoitesCalibration.h"

#include "core/UnitFormatReel.h"
#include "kit/Dialogues.h"
#include "measure/UnitLongueurEtalon.h"
#include "resources/UnitChainesRessources.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QLocale>
#include <QVBoxLayout>
#include <cmath>

namespace {

QString Texte(double v)
{
    return FormatGeneral(v, 15, QLocale().decimalPoint().front());
}

QDialogButtonBox* Boutons(QDialog* d)
{
    auto* b = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, d);
    b->button(QDialogButtonBox::Ok)->setText(Chaines::Texte("BoutonOK"));
    b->button(QDialogButtonBox::Cancel)->setText(Chaines::Texte("BoutonCalibrationAnnuler"));
    QObject::connect(b, &QDialogButtonBox::accepted, d, &QDialog::accept);
    QObject::connect(b, &QDialogButtonBox::rejected, d, &QDialog::reject);
    return b;
}

bool DimensionAcceptable(std::optional<double> v)
{
    return v && *v > 0.0 && *v <= LongueurMax;
}

} // namespace

std::optional<double> NombreTape(const QString& texte)
{
    QString t = texte.trimmed();
    t.replace(u',', u'.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

TBoiteAxes::TBoiteAxes(QWidget* parent)
    : QDialog(parent), angle_(new QLineEdit(this)), selonEtalon_(new QCheckBox(Chaines::Texte("AxesSelonEtalon"), this))
{
    setWindowTitle(Chaines::Texte("TitreBoiteAxes"));
    auto* forme = new QFormLayout;
    forme->addRow(Chaines::Texte("AxesAngle"), angle_);
    auto* l = new QVBoxLayout(this);
    l->addLayout(forme);
    l->addWidget(selonEtalon_);
    auto* aide = new QLabel(Chaines::Texte("AxesPoignee"), this);
    aide->setWordWrap(true);
    l->addWidget(aide);
    l->addWidget(Boutons(this));
    connect(selonEtalon_, &QCheckBox::toggled, angle_, [this](bool selon) { angle_->setEnabled(!selon); });
}

void TBoiteAxes::showEvent(QShowEvent* e)
{
    angle_->setText(Texte(Angle));
    selonEtalon_->setEnabled(EtalonDisponible);
    selonEtalon_->setChecked(false);
    angle_->setEnabled(true);
    angle_->selectAll();
    angle_->setFocus();
    QDialog::showEvent(e);
}

void TBoiteAxes::done(int resultat)
{
    if (resultat == QDialog::Accepted) {
        SelonEtalon = selonEtalon_->isChecked() && EtalonDisponible;
        const auto v = NombreTape(angle_->text());
        if (!SelonEtalon && !v) {
            Afficher(MessageSimple(IconeMessage::Information, {Chaines::Texte("AxesRefus")}), this);
            return;
        }
        if (!SelonEtalon) Angle = *v;
    }
    QDialog::done(resultat);
}

TBoitePlan::TBoitePlan(QWidget* parent) : QDialog(parent), largeur_(new QLineEdit(this)), hauteur_(new QLineEdit(this))
{
    setWindowTitle(Chaines::Texte("TitreBoitePlan"));
    auto* l = new QVBoxLayout(this);
    auto* aide = new QLabel(Chaines::Texte("PlanRectangle"), this);
    aide->setWordWrap(true);
    l->addWidget(aide);
    auto* forme = new QFormLayout;
    forme->addRow(Chaines::Texte("PlanLargeur"), largeur_);
    forme->addRow(Chaines::Texte("PlanHauteur"), hauteur_);
    l->addLayout(forme);
    l->addWidget(Boutons(this));
}

void TBoitePlan::showEvent(QShowEvent* e)
{
    largeur_->setText(Texte(Largeur));
    hauteur_->setText(Texte(Hauteur));
    largeur_->selectAll();
    largeur_->setFocus();
    QDialog::showEvent(e);
}

void TBoitePlan::done(int resultat)
{
    if (resultat == QDialog::Accepted) {
        const auto l = NombreTape(largeur_->text()), h = NombreTape(hauteur_->text());
        if (!DimensionAcceptable(l) || !DimensionAcceptable(h)) {
            Afficher(MessageSimple(IconeMessage::Information, {Chaines::Texte("PlanRefusDimensions")}), this);
            return;
        }
        Largeur = *l;
        Hauteur = *h;
    }
    QDialog::done(resultat);
}
