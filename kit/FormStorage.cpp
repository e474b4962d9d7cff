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

// The window manager's frame around the client area; empty until the window
// is mapped (and always on a platform without frames).
QMargins cadreDe(const QWidget* w)
{
    const QRect g = w->geometry(), f = w->frameGeometry();
    return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

} // namespace

FormStorage::FormStorage(QWidget* fenetre, QString section, Dialogues& dialogues)
    : QObject(fenetre), fenetre_(fenetre), section_(std::move(section)), dialogues_(dialogues)
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
    // Until the frame of a restored window is known, what was restored stands.
    p.Normale = exterieurAttendu_ ? *exterieurAttendu_ : RectangleExterieur(norm, cadreDe(fenetre_));
    IniFile ini(chemin_);
    if (!EcrirePlacement(ini, section_, p, ecran->size(), pendantDestruction))
        dialogues_.Afficher(
            MessageSimple(IconeMessage::Avertissement,
                          Chaines::AvecCause({Chaines::MessageEcritureIni(ini.Chemin())}, ini.CauseEchecEcriture())),
            fenetre_);
    enregistree_ = true;
}

void FormStorage::Restaurer()
{
    restauree_ = true;
    if (chemin_.isEmpty()) return;
    QScreen* ecran = ecranDe(fenetre_);
    const IniFile ini(chemin_);
    const auto p = LirePlacement(ini, section_, ecran->size(), qRound(ecran->logicalDotsPerInch()));
    QList<QRect> ecrans;
    for (const QScreen* s : QGuiApplication::screens()) ecrans << s->availableGeometry();
    if (!p || !PlacementVisible(p->Normale, ecrans)) return;
    placer(p->Normale);
    // Before the window is mapped its frame is unknown: placed again once it is.
    if (cadreDe(fenetre_).isNull()) exterieurAttendu_ = p->Normale;
    switch (EtatDepuisShowCmd(p->ShowCmd)) {
    case EtatFenetre::Minimisee: fenetre_->setWindowState(Qt::WindowMinimized); break;
    case EtatFenetre::Maximisee: fenetre_->setWindowState(Qt::WindowMaximized); break;
    case EtatFenetre::Normale: break;
    }
}

void FormStorage::placer(const QRect& exterieur)
{
    const bool redimensionnable = fenetre_->minimumSize() != fenetre_->maximumSize();
    // setGeometry places the client area; move places the frame.
    if (redimensionnable)
        fenetre_->setGeometry(RectangleClient(exterieur, cadreDe(fenetre_)));
    else
        fenetre_->move(exterieur.topLeft());
}

bool FormStorage::eventFilter(QObject* objet, QEvent* e)
{
    if (objet == fenetre_) {
        if (e->type() == QEvent::Show && !restauree_) {
            Restaurer();
        } else if (e->type() == QEvent::Close) {
            Enregistrer(false);
        } else if (exterieurAttendu_ && !cadreDe(fenetre_).isNull()) {
            // The first event that finds the frame known.
            const QRect exterieur = *exterieurAttendu_;
            exterieurAttendu_.reset();
            if (!fenetre_->isMaximized() && !fenetre_->isMinimized()) placer(exterieur);
        }
    }
    return QObject::eventFilter(objet, e);
}
