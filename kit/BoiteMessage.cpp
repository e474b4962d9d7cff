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

int BoiteMessage::Executer()
{
    // Over the middle of the window it belongs to, or of the screen when
    // there is none yet (a work file loaded at start): never in a corner.
    adjustSize();
    const QWidget* fenetre = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen* ecran = fenetre && fenetre->screen() ? fenetre->screen() : QGuiApplication::primaryScreen();
    const QPoint centre = fenetre && fenetre->isVisible() ? fenetre->frameGeometry().center()
                        : ecran ? ecran->availableGeometry().center()
                                : QPoint();
    QRect r = frameGeometry();
    r.moveCenter(centre);
    move(r.topLeft());
    exec();
    return choix_;
}
