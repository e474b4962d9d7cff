#include "view/UnitBoiteInfo.h"

#include "core/UnitFormatReel.h"
#include "kit/Titre.h"
#include "resources/UnitChainesRessources.h"

#include <QLocale>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

int ImagesParSecondeArrondies(double frameTime)
{
    return int(std::nearbyint(1.0 / frameTime));
}

QStringList LignesInfo(int imagesParSeconde, int hauteur, int largeur, int nombreImages, const QString& chemin)
{
    return {
        Chaines::Texte("InfoEntete"),
        QString(),
        chemin,
        QString(59, u'-'),
        Chaines::Texte("InfoImagesParSeconde").arg(imagesParSeconde),
        Chaines::Texte("InfoHauteur").arg(hauteur),
        Chaines::Texte("InfoLargeur").arg(largeur),
        Chaines::Texte("InfoNombreImages").arg(nombreImages),
        Chaines::Texte("InfoDuree").arg(FormatGeneral(double(nombreImages) / imagesParSeconde, 3)),
    };
}

TBoiteInfo::TBoiteInfo(QWidget* parent) : QDialog(parent), texte_(new QPlainTextEdit(this))
{
    setWindowTitle(Chaines::Texte("TitreBoiteInfo"));
    // 265 pixels wide, or wider for the whole title to show.
    const int largeur = std::max(265, LargeurPourTitre(windowTitle()));
    setFixedSize(largeur, 154);
    texte_->setGeometry(0, 0, largeur, 154);
    texte_->setReadOnly(true);
    texte_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    texte_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The rule of hyphens under the path spans the box: the font is made
    // small enough for it to stand on one line.
    const int place = largeur - texte_->verticalScrollBar()->sizeHint().width() - 2 * texte_->frameWidth() -
        2 * int(texte_->document()->documentMargin());
    QFont police = texte_->font();
    int pixels = QFontInfo(police).pixelSize();
    police.setPixelSize(pixels);
    while (pixels > 8 && QFontMetrics(police).horizontalAdvance(QString(59, u'-')) > place)
        police.setPixelSize(--pixels);
    texte_->setFont(police);
}

QString TBoiteInfo::Texte() const
{
    return texte_->toPlainText();
}

void TBoiteInfo::showEvent(QShowEvent* e)
{
    if (ImagesParSeconde != 0)
        texte_->setPlainText((LignesInfo(ImagesParSeconde, HauteurImage, LargeurImage, NombreImages, CheminVideo) +
                              LignesSupplementaires)
                                 .join(u'\n'));
    QDialog::showEvent(e);
}
