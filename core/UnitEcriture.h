#pragma once
// Writes a whole file safely: into a temporary file beside it, every byte
// checked, then put in place of the old one. A failed write (a full disk, a
// size limit) leaves the earlier file as it was and no new one, and says why.

#include <QByteArray>
#include <QString>

enum class ResultatEcriture { Ok, CreationImpossible, EcritureEchouee };

// Why a write failed, as the user is told it under the failure's message.
enum class CauseEchec { Aucune, DisquePlein, Permission, LectureSeule, Systeme };
struct CauseEcriture {
    CauseEchec genre = CauseEchec::Aucune;
    QString texteSysteme; // the system's own words, whatever the cause
};

// The cause of the system error `erreur` (an errno value); `texte` stands in
// for the system's words when the error is not known (0).
CauseEcriture CauseDepuisErreur(int erreur, const QString& texte = {});

// A file without any write permission is refused as read-only, even to the
// administrator, as a desktop user expects of it.
ResultatEcriture EcrireFichier(const QString& chemin, const QByteArray& contenu, CauseEcriture* cause = nullptr);
