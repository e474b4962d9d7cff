#include "kit/BoiteMessage.h"

#include "kit/Titre.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

namespace {

QPixmap icone(const Message& m, const QStyle* style)
{
    const int taille = style->pixelMetric(QStyle::PM_MessageBoxIconSize);
    switch (m.icone) {
    case IconeMessage::Avertissement: return style->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(taille);
    case IconeMessage::Erreur: return style->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(taille);
    case IconeMessage::Information: return style->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(taille);
    case IconeMessage::Confirmation: return style->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(taille);
    case IconeMessage::Image: return m.image;
    case IconeMessage::Aucune: return {};
    }
    return {};
}

} // namespace

BoiteMessage::BoiteMessage(const Message& m, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(m.titre);
    setModal(true);

    auto* haut = new QHBoxLayout;
    const QPixmap image = icone(m, style());
    if (!image.isNull()) {
        auto* labelIcone = new QLabel;
        labelIcone->setPixmap(image);
        labelIcone->setAlignment(Qt::AlignTop);
        haut->addWidget(labelIcone);
    }
    auto* texte = new QLabel(m.lignes.join(u'\n'));
    texte->setTextFormat(Qt::PlainText);
    haut->addWidget(texte, 1);

    auto* bas = new QHBoxLayout;
    bas->addStretch();
    int largeur = LargeurMinBouton;
    for (int i = 0; i < m.boutons.size(); ++i) {
        auto* b = new QPushButton(m.boutons[i]);
        b->setAutoDefault(i == 0);
        b->setDefault(i == 0);
        largeur = std::max(largeur, b->sizeHint().width());
        connect(b, &QPushButton::clicked, this, [this, i] {
            choix_ = i;
            done(QDialog::Accepted);
        });
        boutons_ << b;
        bas->addWidget(b);
    }
    for (QPushButton* b : boutons_) b->setFixedWidth(largeur);
    bas->addStretch();

    auto* tout = new QVBoxLayout(this);
    tout->addLayout(haut);
    tout->addLayout(bas);
    tout->addStrut(LargeurPourTitre(m.titre));
    tout->setSizeConstraint(QLayout::SetFixedSize);
}

QPoint CoinBoite(const QWidget* proprietaire, QRect cadre)
{
    const QWidget* fenetre = proprietaire ? proprietaire->window() : nullptr;
    const QWindow* poignee = fenetre ? fenetre->windowHandle() : nullptr;
    const QScreen* ecran = fenetre && fenetre->screen() ? fenetre->screen() : QGuiApplication::primaryScreen();
    if (poignee && fenetre->isVisible() && poignee->isExposed())
        cadre.moveCenter(fenetre->frameGeometry().center());
    else if (ecran)
        cadre.moveCenter(ecran->availableGeometry().center());
    return cadre.topLeft();
}

int BoiteMessage::Executer()
{
    adjustSize();
    move(CoinBoite(parentWidget(), frameGeometry()));
    exec();
    return choix_;
}
