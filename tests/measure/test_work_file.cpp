#include "measure/UnitTravail.h"

#include "measure/UnitMesure.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>
#include <utility>

namespace {

Travail complet()
{
    Travail t;
    t.CheminVideo = "/home/žák/videa/chute.avi";
    t.NumeroImage = 12;
    EtatMesure& m = t.Mesure;
    m.MarquesParImage = 2;
    m.Outil = TOutil::Transparent;
    m.CouleurCurseur = TCouleurCurseur::Noir;
    m.Marques = {{0.4375, 0.1}, {0.5, 1.0 / 3}, {0.25, 0.75}};
    m.MarquesDerniereImage = 1;
    m.MarquesTsp = {{-0.125, 0.0625}};
    m.EtatTransparent = TEtatTransparent::Marquer;
    m.CentreTsp = {0.45, 0.55};
    m.CentresTsp = {{0.45, 0.55}, {0.5, 0.6}};
    m.DemiTailleTsp = {0.5, 0.5};
    m.DecalageTsp = {0.01, -0.02};
    m.EtatEtalon = TEtatEtalon::DeuxBouts;
    m.PointsEtalon = {PointD{0.1, 0.9}, PointD{0.8, 0.9}};
    m.LongueurEtalon = 1.5;
    m.OriginePlacee = TOrigine::Placee;
    m.Origine = {0.1, 0.95};
    m.Couleur = 65280;
    m.DessinMarques = TDessinMarques::Derniere;
    return t;
}

TEST(RealFormat, ShortestFormWithAtMost15Digits)
{
    EXPECT_EQ(FormaterReel(0, '.'), "0");
    EXPECT_EQ(FormaterReel(0.4375, '.'), "0.4375");
    EXPECT_EQ(FormaterReel(0.4375, ','), "0,4375");
    EXPECT_EQ(FormaterReel(1.0 / 3, '.'), "0.333333333333333");
    EXPECT_EQ(FormaterReel(2.0 / 3, '.'), "0.666666666666667");
    EXPECT_EQ(FormaterReel(1.5, '.'), "1.5");
    EXPECT_EQ(FormaterReel(-12.25, '.'), "-12.25");
    EXPECT_EQ(FormaterReel(100, '.'), "100");
    EXPECT_EQ(FormaterReel(0.0001, '.'), "0.0001");
    EXPECT_EQ(FormaterReel(0.00001, '.'), "1E-5");
    EXPECT_EQ(FormaterReel(-0.000015, ','), "-1,5E-5");
    EXPECT_EQ(FormaterReel(1e15, '.'), "1E15");
    EXPECT_EQ(FormaterReel(999999999999999, '.'), "999999999999999");
    EXPECT_EQ(FormaterReel(1.5e20, '.'), "1.5E20");
    EXPECT_EQ(FormaterReel(0.1 + 0.2, '.'), "0.3");
}

TEST(RealFormat, GeneralFormatWithThreeDigits)
{
    EXPECT_EQ(FormatGeneral(0.04, 3, '.'), "0.04");
    EXPECT_EQ(FormatGeneral(1.0 / 30.0, 3, '.'), "0.0333");
    EXPECT_EQ(FormatGeneral(2.0, 3, '.'), "2");
    EXPECT_EQ(FormatGeneral(123.4, 3, '.'), "123");
    EXPECT_EQ(FormatGeneral(999.6, 3, '.'), "1E3"); // rounding carries into a new digit
    EXPECT_EQ(FormatGeneral(1234.0, 3, '.'), "1.23E3");
    EXPECT_EQ(FormatGeneral(1.5e13, 3, '.'), "1.5E13");
    EXPECT_EQ(FormatGeneral(0.001, 3, ','), "0,001");
    EXPECT_EQ(FormatGeneral(0.00001, 3, '.'), "1E-5");
    EXPECT_EQ(FormatGeneral(-1.5e-6, 3, '.'), "-1.5E-6");
    EXPECT_EQ(FormatGeneral(3.48, 3, '.'), "3.48");
}

TEST(RealFormat, EitherSeparatorReadsBackAndJunkIsRefused)
{
    EXPECT_EQ(LireReel("0,4375"), 0.4375);
    EXPECT_EQ(LireReel("0.4375"), 0.4375);
    EXPECT_EQ(LireReel("1E-5"), 1e-5);
    EXPECT_EQ(LireReel("-1,5E-5"), -1.5e-5);
    for (const char* mauvais : {"", "abc", "1.2.3x", "nan", "inf", "1e999", "0x10"})
        EXPECT_FALSE(LireReel(mauvais)) << mauvais;
    EXPECT_EQ(LireEntier("-3"), -3);
    for (const char* mauvais : {"", "1.5", "3a", "99999999999"}) EXPECT_FALSE(LireEntier(mauvais)) << mauvais;
}

TEST(WorkFile, FreshVideoGives24LinesAndEveryCountAddsItsLines)
{
    Travail t;
    t.CheminVideo = "/v/a.avi";
    EXPECT_EQ(LignesTravail(t, '.').size(), 24);
    const Travail c = complet();
    // 24 + 2N + 4T + 2E + 2 for the origin
    EXPECT_EQ(LignesTravail(c, '.').size(), 24 + 2 * 3 + 4 * 1 + 2 * 2 + 2);
}

TEST(WorkFile, SaveLoadSaveIsIdenticalOnEitherSeparator)
{
    QTemporaryDir dossier;
    for (QChar sep : {QChar('.'), QChar(',')}) {
        const QString a = dossier.filePath("a.ktb"), b = dossier.filePath("b.ktb");
        ASSERT_EQ(EcrireTravail(a, complet(), sep), ResultatEcriture::Ok);
        const LectureTravail lu = LireTravail(a);
        ASSERT_EQ(lu.etat, LectureTravail::Etat::Ok);
        ASSERT_EQ(lu.travail.Mesure.Marques.size(), complet().Mesure.Marques.size());
        for (size_t i = 0; i < complet().Mesure.Marques.size(); ++i) {
            EXPECT_NEAR(lu.travail.Mesure.Marques[i].X, complet().Mesure.Marques[i].X, 1e-15);
            EXPECT_NEAR(lu.travail.Mesure.Marques[i].Y, complet().Mesure.Marques[i].Y, 1e-15);
        }
        EXPECT_EQ(lu.travail.Mesure.CentresTsp, complet().Mesure.CentresTsp);
        EXPECT_EQ(lu.travail.CheminVideo, complet().CheminVideo);
        EXPECT_EQ(lu.travail.Mesure.EtatTransparent, TEtatTransparent::Marquer);
        ASSERT_EQ(EcrireTravail(b, lu.travail, sep), ResultatEcriture::Ok);
        QFile fa(a), fb(b);
        ASSERT_TRUE(fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly));
        const QByteArray octets = fa.readAll();
        EXPECT_EQ(octets, fb.readAll());
        EXPECT_TRUE(octets.contains("\r\n"));
    }
}

TEST(WorkFile, TheCursorLineKeepsTheNumberOfTheCursorTheNextPressShows)
{
    struct Cas {
        TOutil outil;
        int parImage, points;
        int noir, blanc, nb;
    };
    for (const Cas& c :
         {Cas{TOutil::Marque, 1, 0, 1, 2, 3}, Cas{TOutil::Marque, 3, 0, 4, 7, 10}, Cas{TOutil::Marque, 3, 1, 5, 8, 11},
          Cas{TOutil::Marque, 3, 5, 6, 9, 12}, Cas{TOutil::Marque, 2, 2, 4, 7, 10},
          Cas{TOutil::Etalon, 3, 1, 13, 14, 15}, Cas{TOutil::Origine, 2, 1, 17, 16, 18}}) {
        for (const auto& [couleur, attendu] :
             {std::pair{TCouleurCurseur::Noir, c.noir}, std::pair{TCouleurCurseur::Blanc, c.blanc},
              std::pair{TCouleurCurseur::NoirEtBlanc, c.nb},
              std::pair{TCouleurCurseur::Aucune, c.nb}}) { // no colour is written as black and white
            Travail t;
            t.Mesure.Outil = c.outil;
            t.Mesure.MarquesParImage = c.parImage;
            t.Mesure.Marques.resize(std::size_t(c.points));
            t.Mesure.CouleurCurseur = couleur;
            EXPECT_EQ(LignesTravail(t, '.')[4], QString::number(attendu))
                << int(c.outil) << " " << c.parImage << " " << c.points << " colour " << int(couleur);
        }
    }
    // The overlay: its grab and drag cursors in every colour, else the marks'.
    for (const auto& [etat, noir, aucune] :
         {std::tuple{TEtatTransparent::Saisir, 20, 20}, std::tuple{TEtatTransparent::Deplacer, 19, 19},
          std::tuple{TEtatTransparent::Marquer, 1, 3}}) {
        Travail t;
        t.Mesure.Outil = TOutil::Transparent;
        t.Mesure.MarquesParImage = 3;
        t.Mesure.EtatTransparent = etat;
        t.Mesure.CouleurCurseur = TCouleurCurseur::Noir;
        EXPECT_EQ(LignesTravail(t, '.')[4], QString::number(noir)) << int(etat);
        t.Mesure.CouleurCurseur = TCouleurCurseur::Aucune;
        EXPECT_EQ(LignesTravail(t, '.')[4], QString::number(aucune)) << int(etat);
    }
}

TEST(WorkFile, AFileWhoseCursorLineAgreesWithItsToolReadsAndSavesBackLineForLine)
{
    // Three points a frame, two pointed, black and white: the cursor of point 3.
    const QStringList lignes = {"/v/a.avi", "1",   "3", "1", "12", "3",   "2",   "0",   "0.25", "0.5",
                                "0.75",     "0.5", "0", "0", "1",  "0.5", "0.5", "0.5", "0.5",  "0",
                                "0",        "0",   "0", "0", "0",  "0",   "255", "2"};
    const LectureTravail lu = LireLignesTravail(lignes);
    ASSERT_EQ(lu.etat, LectureTravail::Etat::Ok);
    EXPECT_EQ(FamilleCurseur(lu.travail.Mesure), TFamilleCurseur::Marque3);
    EXPECT_EQ(LignesTravail(lu.travail, '.'), lignes);
}

TEST(WorkFile, EveryTruncationIsAReadErrorAndNeverACrash)
{
    const QStringList lignes = LignesTravail(complet(), '.');
    for (int n = 1; n < lignes.size(); ++n) {
        const LectureTravail r = LireLignesTravail(lignes.mid(0, n));
        EXPECT_EQ(r.etat, LectureTravail::Etat::Contenu) << n;
        EXPECT_EQ(r.travail.CheminVideo, complet().CheminVideo);
    }
    EXPECT_EQ(LireLignesTravail({}).etat, LectureTravail::Etat::Illisible);
    EXPECT_EQ(LireLignesTravail(lignes).etat, LectureTravail::Etat::Ok);
}

TEST(WorkFile, CorruptCountsAndValuesAreReadErrors)
{
    const QStringList bon = LignesTravail(complet(), '.');
    auto avec = [&](int index, const QString& valeur) {
        QStringList l = bon;
        l[index] = valeur;
        return LireLignesTravail(l).etat;
    };
    EXPECT_EQ(avec(6, "-1"), LectureTravail::Etat::Contenu);         // negative mark count
    EXPECT_EQ(avec(6, "2000000000"), LectureTravail::Etat::Contenu); // cannot be that many lines
    EXPECT_EQ(avec(8, "x"), LectureTravail::Etat::Contenu);          // a mark that is no number
    EXPECT_EQ(avec(2, "1.5"), LectureTravail::Etat::Contenu);        // an integer line holding a real
    // The scale-end count sits after the overlay block.
    const int etalon = 8 + 6 + 2 + 2 + 1 + 2 + 4 + 2 + 2;
    ASSERT_EQ(bon[etalon], "2");
    EXPECT_EQ(avec(etalon, "3"), LectureTravail::Etat::Contenu);
    EXPECT_EQ(avec(etalon, "-1"), LectureTravail::Etat::Contenu);
}

TEST(WorkFile, LoadingIgnoresOutOfRangeChoices)
{
    QStringList l = LignesTravail(complet(), '.');
    l[2] = "5";
    const LectureTravail r = LireLignesTravail(l);
    ASSERT_EQ(r.etat, LectureTravail::Etat::Ok);
    // A count outside 1..3 leaves the initial one.
    EXPECT_EQ(r.travail.Mesure.MarquesParImage, 1);
}

TEST(WorkFile, UnreadableNonUtf8AndHugeFiles)
{
    QTemporaryDir dossier;
    EXPECT_EQ(LireTravail(dossier.filePath("none.ktb")).etat, LectureTravail::Etat::Illisible);
    // A folder is no readable file.
    EXPECT_EQ(LireTravail(dossier.path()).etat, LectureTravail::Etat::Illisible);

    QStringList l = LignesTravail(complet(), '.');
    const QString chemin = dossier.filePath("bad.ktb");
    {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (const QString& ligne : l) f.write(ligne.toUtf8() + "\r\n");
        f.write("\xff\xfe\r\n");
    }
    EXPECT_EQ(LireTravail(chemin).etat, LectureTravail::Etat::Contenu);

    const QString gros = dossier.filePath("huge.ktb");
    {
        QFile f(gros);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("/v/a.avi\r\n");
        ASSERT_TRUE(f.resize(TailleMaxTravail + 1)); // sparse: costs no disk
    }
    const LectureTravail r = LireTravail(gros);
    EXPECT_EQ(r.etat, LectureTravail::Etat::Contenu);
    EXPECT_EQ(r.travail.CheminVideo, "/v/a.avi");
}

TEST(WorkFile, AFailedSaveLeavesWhatWasThereAndNoPartialFile)
{
    QTemporaryDir dossier;
    // The new file can be written, but not put in place of what stands at
    // the target: the replacement is the last step, so nothing is lost.
    const QString cible = dossier.filePath("work.ktb");
    ASSERT_TRUE(QDir().mkpath(cible + "/inside"));
    EXPECT_NE(EcrireTravail(cible, complet(), '.'), ResultatEcriture::Ok);
    EXPECT_TRUE(QDir(cible + "/inside").exists());
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

} // namespace
