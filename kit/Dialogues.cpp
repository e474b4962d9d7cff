#include "kit/Dialogues.h"

#include "kit/BoiteMessage.h"
#include "kit/BoiteMotDePasse.h"
#include "resources/UnitChainesRessources.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

namespace {

class DialoguesReels final : public Dialogues {
public:
    int Afficher(const Message& m, QWidget* parent) override
    {
        BoiteMessage boite(m, parent);
        return boite.Executer();
    }

    std::optional<FichierChoisi> Ouvrir(const DemandeFichier& d, QWidget* parent) override
    {
        return executer(d, parent, QFileDialog::AcceptOpen);
    }

    std::optional<FichierChoisi> Enregistrer(const DemandeFichier& d, QWidget* parent) override
    {
        return executer(d, parent, QFileDialog::AcceptSave);
    }

    std::optional<QString> MotDePasse(const DemandeMotDePasse& d, QWidget* parent) override
    {
        BoiteMotDePasse boite(d, parent);
        return boite.Executer();
    }

    bool Imprimante(QPrinter& printer, QWidget* parent) override
    {
        QPrintDialog dialogue(&printer, parent);
        return dialogue.exec() == QDialog::Accepted;
    }

    int Executer(QDialog& dialogue, QWidget* parent) override
    {
        if (parent) {
            const QWidget* fenetre = parent->window();
            dialogue.adjustSize();
            QRect r = dialogue.frameGeometry();
            r.moveCenter(fenetre->frameGeometry().center());
            dialogue.move(r.topLeft());
        }
        return dialogue.exec();
    }

private:
    static std::optional<FichierChoisi> executer(const DemandeFichier& d, QWidget* parent, QFileDialog::AcceptMode mode)
    {
        QFileDialog dialogue(parent, d.titre, d.repertoire);
        dialogue.setAcceptMode(mode);
        // Any name comes back, also one that does not exist: the caller's
        // rule decides (opening a missing file does nothing).
        dialogue.setFileMode(QFileDialog::AnyFile);
        // The caller asks before replacing a file.
        dialogue.setOption(QFileDialog::DontConfirmOverwrite);
        const QStringList filtres = FiltresQt(d.filtre);
        dialogue.setNameFilters(filtres);
        if (d.indexFiltre >= 1 && d.indexFiltre <= filtres.size())
            dialogue.selectNameFilter(filtres[d.indexFiltre - 1]);
        if (!d.extensionDefaut.isEmpty()) dialogue.setDefaultSuffix(d.extensionDefaut);
        if (!d.nomInitial.isEmpty()) dialogue.selectFile(d.nomInitial);
        if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return std::nullopt;
        return FichierChoisi{dialogue.selectedFiles().first(), int(filtres.indexOf(dialogue.selectedNameFilter())) + 1};
    }
};

Dialogues* installes = nullptr;

} // namespace

Dialogues& Dialogues::Courant()
{
    static DialoguesReels reels;
    return installes ? *installes : reels;
}

void Dialogues::Installer(Dialogues* d)
{
    installes = d;
}

Message MessageSimple(IconeMessage icone, QStringList lignes)
{
    Message m;
    m.icone = icone;
    m.boutons = {Chaines::Texte("BoutonOK")};
    m.lignes = std::move(lignes);
    m.titre = Chaines::Texte("TitreApplication");
    return m;
}

QStringList FiltresQt(const QString& filtre)
{
    // "Soubory AVI (*.avi)|*.avi" -> "Soubory AVI (*.avi)"; the pattern is
    // appended when the description does not already show it.
    const QStringList morceaux = filtre.split(u'|');
    QStringList r;
    for (qsizetype i = 0; i + 1 < morceaux.size(); i += 2) {
        QString description = morceaux[i];
        QString motif = morceaux[i + 1];
        if (motif.startsWith(u'.')) motif.prepend(u'*');
        if (!description.contains(u'('))
            description += QStringLiteral(" (%1)").arg(motif);
        else if (!description.contains(motif))
            description = description.left(description.indexOf(u'(')) + u'(' + motif + u')';
        r << description;
    }
    return r;
}
