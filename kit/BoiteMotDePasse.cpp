#include "kit/BoiteMotDePasse.h"

#include "kit/Titre.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

BoiteMotDePasse::BoiteMotDePasse(const DemandeMotDePasse& d, QWidget* parent)
    : QDialog(parent), saisie_(new QLineEdit), ok_(new QPushButton(d.ok))
{
    setWindowTitle(d.titre);
    saisie_->setEchoMode(QLineEdit::Password);
    ok_->setEnabled(false);
    ok_->setDefault(true);
    auto* annuler = new QPushButton(d.annuler);
    connect(saisie_, &QLineEdit::textChanged, this, [this](const QString& t) { ok_->setEnabled(!t.isEmpty()); });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);

    auto* ligne = new QHBoxLayout;
    ligne->addWidget(new QLabel(d.libelle));
    ligne->addWidget(saisie_, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(ok_);
    boutons->addWidget(annuler);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(ligne);
    tout->addLayout(boutons);
    tout->addStrut(LargeurPourTitre(d.titre));
}

std::optional<QString> BoiteMotDePasse::Executer()
{
    if (exec() != QDialog::Accepted) return std::nullopt;
    return saisie_->text();
}
