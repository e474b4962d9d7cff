#include "kit/FormStorage.h"

#include "core/IniFile.h"
#include "core/UnitPlacement.h"
#include "kit/Dialogues.h"
#include "resources/UnitChainesRessources.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

QScreen* ecranDe(const QWidget* w)
{
    QScreen* s = w->screen();
    return s ? s : QGuiApplication::primaryScreen();
}

} // namespace

FormStorage::FormStorage(QWidget* fenetre, QString section)
    : QObject(fenetre), fenetre_(fenetre), section_(std::move(section))
{
    fenetre_->installEventFilter(this);
}

void FormStorage::EnregistrerADestruction()
{
    if (!enregistree_ && restauree_) Enregistrer(true);
}

void FormStorage::Enregistrer(bool pendantDestruction)
{
    if (chemin_.isEmpty()) return;
    QScreen* ecran = ecranDe(fenetre_);
    Placement p;
    p.PixelsPerInch = qRound(ecran->logicalDotsPerInch());
    p.ShowCmd = fenetre_->isMinimized() ? 2 : fenetre_->isMaximized() ? 3 : 1;
    const QRect norm = fenetre_->normalGeometry().isValid() ? fenetre_->normalGeometry() : fenetre_->geometry();
    const QRect cadre = fenetre_->frameGeometry();
    // The outer rectangle: the frame around the normal client rectangle.
    p.Normale = QRect(norm.topLeft() - (fenetre_->geometry().topLeft() - cadre.topLeft()),
                      norm.size() + (cadre.size() - fenetre_->geometry().size()));
    IniFile ini(chemin_);
    if (!EcrirePlacement(ini, section_, p, ecran->size(), pendantDestruction))
        Afficher(MessageSimple(IconeMessage::Avertissement, {Chaines::MessageEcritureIni(ini.Chemin())}), fenetre_);
    enregistree_ = true;
}

void FormStorage::Restaurer()
{
    restauree_ = true;
    if (chemin_.isEmpty()) return;
    QScreen* ecran = ecranDe(fenetre_);
    const IniFile ini(chemin_);
    const auto p = LirePlacement(ini, section_, ecran->size(), qRound(ecran->logicalDotsPerInch()));
    if (!p) return;
    const QSize cadre = fenetre_->frameGeometry().size() - fenetre_->geometry().size();
    const bool redimensionnable = fenetre_->minimumSize() != fenetre_->maximumSize();
    fenetre_->move(p->Normale.topLeft());
    if (redimensionnable) fenetre_->resize(p->Normale.size() - cadre);
    switch (EtatDepuisShowCmd(p->ShowCmd)) {
    case EtatFenetre::Minimisee: fenetre_->setWindowState(Qt::WindowMinimized); break;
    case EtatFenetre::Maximisee: fenetre_->setWindowState(Qt::WindowMaximized); break;
    case EtatFenetre::Normale: break;
    }
}

bool FormStorage::eventFilter(QObject* objet, QEvent* e)
{
    if (objet == fenetre_) {
        if (e->type() == QEvent::Show && !restauree_) Restaurer();
        else if (e->type() == QEvent::Close) Enregistrer(false);
    }
    return QObject::eventFilter(objet, e);
}
