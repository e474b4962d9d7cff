// Pixels of the marks, axes, segment and overlay drawn over a frame.

#include "tests/support/VueFactice.h"
#include "view/UnitDessinMesure.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using Pixels = std::set<std::pair<int, int>>;

constexpr std::uint32_t Rouge = 255;

QImage Blanche(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

Pixels Colories(const QImage& image)
{
    Pixels r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) r.insert({x, y});
    return r;
}

// The 'X' of `dessin`, its rows centred on (cx, cy).
Pixels Motif(int cx, int cy, const std::vector<std::string>& dessin)
{
    Pixels r;
    const int dy = int(dessin.size()) / 2, dx = int(dessin[0].size()) / 2;
    for (int j = 0; j < int(dessin.size()); ++j)
        for (int i = 0; i < int(dessin[j].size()); ++i)
            if (dessin[j][i] == 'X') r.insert({cx + i - dx, cy + j - dy});
    return r;
}

const std::vector<std::string> CroixEpaisse = {
    "XXX.XXX", ".XXXXX.", "..XXX..", ".XXXXX.", "XXX.XXX",
};
const std::vector<std::string> Plus = {
    "...X...", "...X...", "..XXX..", "XXXXXXX", "..XXX..", "...X...", "...X...",
};
const std::vector<std::string> Disque = {
    ".XXX.", "XXXXX", "XXXXX", "XXXXX", ".XXX.",
};
const std::vector<std::string> Etoile = {
    "X..X..X", ".X.X.X.", "..XXX..", "XXXXXXX", "..XXX..", ".X.X.X.", "X..X..X",
};

QImage Dessin(const EtatMesure& m, const PixelsMesure& c, int largeur, int hauteur)
{
    QImage image = Blanche(largeur, hauteur);
    QPainter p(&image);
    DessinMesure::Dessiner(p, m, c, largeur, hauteur);
    return image;
}

bool Contient(const Pixels& tout, const Pixels& partie)
{
    for (const auto& px : partie)
        if (!tout.count(px)) return false;
    return true;
}

} // namespace

TEST(DessinMesure, EachSymbolCoversExactlyItsPixels)
{
    const std::vector<std::string>* dessins[] = {&CroixEpaisse, &Plus, &Etoile};
    for (int s = 1; s <= 3; ++s) {
        QImage image = Blanche(30, 30);
        QPainter p(&image);
        p.setPen(QPen(Qt::black, 1));
        DessinMesure::Symbole(p, s, {15, 12});
        p.end();
        EXPECT_EQ(Colories(image), Motif(15, 12, *dessins[s - 1])) << "symbol " << s;
    }
}

TEST(DessinMesure, ArrowHeadsAreFilledTrianglesSixteenWide)
{
    const struct {
        DessinMesure::Sens sens;
        int dx, dy; // from the tip towards the base
    } cas[] = {{DessinMesure::Sens::Droite, -1, 0}, {DessinMesure::Sens::Bas, 0, -1}, {DessinMesure::Sens::Haut, 0, 1}};
    for (const auto& c : cas) {
        QImage image = Blanche(40, 40);
        QPainter p(&image);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::black);
        DessinMesure::Fleche(p, {20, 20}, c.sens);
        p.end();
        Pixels attendus;
        for (int d = 0; d <= 8; ++d)
            for (int l = -d; l <= d; ++l)
                attendus.insert(c.dx ? std::pair{20 + c.dx * d, 20 + l} : std::pair{20 + l, 20 + c.dy * d});
        EXPECT_EQ(Colories(image), attendus);
    }
}

TEST(DessinMesure, MarksTakeTheSymbolOfTheirPointInTheColourRedLowByte)
{
    EtatMesure m;
    PixelsMesure c;
    m.Couleur = 0xFF0000; // blue
    m.MarquesParImage = 2;
    m.Marques = {FaitPointD(0.1, 0.1), FaitPointD(0.5, 0.5)};
    const QImage image = Dessin(m, c, 200, 100);
    Pixels attendus = Motif(20, 10, CroixEpaisse);
    attendus.merge(Motif(100, 50, Plus));
    EXPECT_EQ(Colories(image), attendus);
    EXPECT_EQ(image.pixel(100, 50), qRgb(0, 0, 255));
}

TEST(DessinMesure, OnlyTheLastMarkDrawsOneSymbolOfThePointMarkedLast)
{
    EtatMesure m;
    PixelsMesure c;
    m.MarquesParImage = 3;
    m.Marques = {FaitPointD(0.1, 0.1), FaitPointD(0.2, 0.2), FaitPointD(0.3, 0.3), FaitPointD(0.4, 0.4),
                 FaitPointD(0.5, 0.5)};
    m.DessinMarques = TDessinMarques::Derniere;
    EXPECT_EQ(Colories(Dessin(m, c, 100, 100)), Motif(50, 50, Plus));
}

TEST(DessinMesure, OriginAxesCrossThePictureWithTheVerticalArrowUpOrDown)
{
    EtatMesure m;
    PixelsMesure c;
    m.Couleur = Rouge;
    m.Outil = TOutil::Origine;
    m.OriginePlacee = TOrigine::Placee;
    c.Origine = {100, 60};
    for (bool bas : {false, true}) {
        m.AxeVersLeBas = bas;
        const Pixels px = Colories(Dessin(m, c, 200, 150));
        for (int x = 0; x < 200; ++x) EXPECT_TRUE(px.count({x, 60})) << x;
        for (int y = 0; y < 150; ++y) EXPECT_TRUE(px.count({100, y})) << y;
        EXPECT_TRUE(px.count({191, 52}) && px.count({191, 68})); // right arrow's base
        EXPECT_FALSE(px.count({190, 52}));
        const int base = bas ? 141 : 8; // vertical arrow's base row
        EXPECT_TRUE(px.count({92, base}) && px.count({108, base})) << bas;
        EXPECT_FALSE(px.count({92, bas ? 8 : 141})) << bas;
        EXPECT_EQ(px.size(), 200u + 150u - 1u + 72u + 72u); // two lines, two 81-pixel heads on them
    }
}

TEST(DessinMesure, TheSegmentFollowsThePointerThenJoinsItsTwoDiscs)
{
    EtatMesure m;
    PixelsMesure c;
    m.Outil = TOutil::Etalon;
    m.Marques = {FaitPointD(0.5, 0.5)}; // not drawn in scale mode
    m.OriginePlacee = TOrigine::Placee;
    m.EtatEtalon = TEtatEtalon::UnBout;
    c.Etalon = {PointPixels{20, 30}, PointPixels{60, 30}};
    c.Souris = {90, 30};
    Pixels attendus = Motif(20, 30, Disque);
    for (int x = 21; x <= 90; ++x) attendus.insert({x, 30});
    EXPECT_EQ(Colories(Dessin(m, c, 100, 100)), attendus);

    m.EtatEtalon = TEtatEtalon::DeuxBouts;
    attendus = Motif(20, 30, Disque);
    attendus.merge(Motif(60, 30, Disque));
    for (int x = 20; x < 60; ++x) attendus.insert({x, 30});
    EXPECT_EQ(Colories(Dessin(m, c, 100, 100)), attendus);
}

TEST(DessinMesure, TheOverlayIsFramedWithGappedAxesAndItsMarksMoveWithIt)
{
    EtatMesure m;
    PixelsMesure c;
    m.Outil = TOutil::Transparent;
    m.Marques = {FaitPointD(0.5, 0.5)}; // video marks are not drawn in overlay mode
    m.OriginePlacee = TOrigine::Placee;
    m.EtatTransparent = TEtatTransparent::Marquer;
    c.CentreTsp = {100, 80};
    c.DemiTailleTsp = {50, 40};
    m.MarquesTsp = {FaitPointD(0.1, 0.05)};

    Pixels px = Colories(Dessin(m, c, 200, 160));
    for (int x = 50; x < 150; ++x) EXPECT_TRUE(px.count({x, 40}) && px.count({x, 119})) << x;
    for (int y = 40; y < 120; ++y) EXPECT_TRUE(px.count({50, y}) && px.count({149, y})) << y;
    EXPECT_FALSE(px.count({150, 40}) || px.count({50, 120}));
    for (int x = 98; x <= 102; ++x) EXPECT_FALSE(px.count({x, 80})) << x; // gap at the centre
    for (int y = 78; y <= 82; ++y) EXPECT_FALSE(px.count({100, y})) << y;
    EXPECT_TRUE(px.count({97, 80}) && px.count({103, 80}) && px.count({100, 77}) && px.count({100, 83}));
    EXPECT_TRUE(px.count({141, 72}));                       // right arrow at (149, 80)
    EXPECT_TRUE(px.count({92, 48}) && px.count({108, 48})); // up arrow at (100, 40)
    EXPECT_TRUE(Contient(px, Motif(120, 88, CroixEpaisse)));
    EXPECT_FALSE(Contient(px, Motif(100, 80, CroixEpaisse)));

    m.AxeVersLeBas = true;
    px = Colories(Dessin(m, c, 200, 160));
    EXPECT_TRUE(px.count({92, 111}) && px.count({108, 111})); // down arrow at (100, 119)
    EXPECT_FALSE(px.count({92, 48}));

    // Dragged: centre = pointer - grab offset, and the mark comes along.
    m.EtatTransparent = TEtatTransparent::Deplacer;
    c.Souris = {130, 90};
    c.DecalageTsp = {10, 5};
    px = Colories(Dessin(m, c, 200, 160));
    EXPECT_TRUE(Contient(px, Motif(140, 93, CroixEpaisse)));
    EXPECT_FALSE(Contient(px, Motif(120, 88, CroixEpaisse)));
    EXPECT_TRUE(px.count({70, 45}) && px.count({169, 124})); // frame corners
}

TEST(DessinMesure, AfterAZoomTheMarkAndTheOriginAreOnTheSameSpotOfThePicture)
{
    Banc b;
    b.m.AppuiGauche({80, 48});
    b.m.ChoisirModeOrigine(true);
    b.m.AppuiGauche({160, 120});
    b.vue.largeur = 400;
    b.vue.hauteur = 300;
    b.m.RecalculerPixels();
    const Pixels px = Colories(Dessin(b.m.Etat(), b.m.Pixels(), 400, 300));
    EXPECT_TRUE(Contient(px, Motif(100, 60, CroixEpaisse)));
    EXPECT_TRUE(px.count({200, 10}) && px.count({10, 150}));
    EXPECT_FALSE(px.count({160, 10}));
}

TEST(DessinMesure, OnlyTheMeasurementIsPaintedOverThePicture)
{
    EtatMesure m;
    PixelsMesure c;
    m.Couleur = Rouge;
    m.Marques = {FaitPointD(0.5, 0.5)};
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(qRgb(10, 20, 30));
    QPainter p(&image);
    DessinMesure::Dessiner(p, m, c, 40, 40);
    p.end();
    const Pixels croix = Motif(20, 20, CroixEpaisse);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            EXPECT_EQ(image.pixel(x, y), croix.count({x, y}) ? qRgb(255, 0, 0) : qRgb(10, 20, 30)) << x << "," << y;
}

TEST(DessinMesure, ColourValuesKeepRedInTheLowByte)
{
    EXPECT_EQ(CouleurQt(255), QColor(255, 0, 0));
    EXPECT_EQ(CouleurQt(0x00FF00), QColor(0, 255, 0));
    EXPECT_EQ(CouleurQt(0x804020), QColor(0x20, 0x40, 0x80));
}

namespace {

// The measurement over a plain picture of largeur x hauteur logical pixels
// at the device pixel ratio `ratio`.
QImage DessinSur(const EtatMesure& m, const PixelsMesure& c, int largeur, int hauteur, qreal ratio)
{
    QImage image((QSizeF(largeur, hauteur) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(qRgb(10, 20, 30));
    DessinMesure::DessinerSur(image, m, c, largeur, hauteur);
    return image;
}

// Marks with origin axes, the segment, the overlay: one state of each tool.
std::vector<std::pair<EtatMesure, PixelsMesure>> UnDeChaqueOutil()
{
    std::vector<std::pair<EtatMesure, PixelsMesure>> r(3);
    for (auto& [m, c] : r) {
        m.Couleur = Rouge;
        m.Marques = {FaitPointD(0.3, 0.4), FaitPointD(0.62, 0.55)};
        m.OriginePlacee = TOrigine::Placee;
        c.Origine = {70, 45};
    }
    r[1].first.Outil = TOutil::Etalon;
    r[1].first.EtatEtalon = TEtatEtalon::DeuxBouts;
    r[1].second.Etalon = {PointPixels{20, 30}, PointPixels{130, 77}};
    r[2].first.Outil = TOutil::Transparent;
    r[2].first.EtatTransparent = TEtatTransparent::Marquer;
    r[2].first.MarquesTsp = {FaitPointD(0.1, 0.05)};
    r[2].second.CentreTsp = {80, 50};
    r[2].second.DemiTailleTsp = {50, 40};
    return r;
}

} // namespace

TEST(DessinMesure, AtRatioTwoEveryPixelOfTheDrawingIsATwoByTwoBlock)
{
    for (const auto& [m, c] : UnDeChaqueOutil()) {
        QImage une(160, 100, QImage::Format_RGB32);
        une.fill(qRgb(10, 20, 30));
        QPainter p(&une);
        DessinMesure::Dessiner(p, m, c, 160, 100);
        p.end();
        const QImage deux = DessinSur(m, c, 160, 100, 2);
        ASSERT_EQ(deux.size(), QSize(320, 200));
        EXPECT_EQ(deux.devicePixelRatio(), 2);
        int differences = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 320; ++x) differences += deux.pixel(x, y) != une.pixel(x / 2, y / 2);
        EXPECT_EQ(differences, 0) << "tool " << int(m.Outil);
    }
}

TEST(DessinMesure, AtRatioTwoLinesAndFramesStopOneLogicalPixelShort)
{
    const auto cas = UnDeChaqueOutil();
    const auto& [m, c] = cas[2]; // the overlay's frame spans 30..129 x 10..89
    const QImage deux = DessinSur(m, c, 160, 100, 2);
    const QRgb rouge = qRgb(255, 0, 0);
    for (int x : {60, 61, 258, 259}) EXPECT_EQ(deux.pixel(x, 20), rouge) << x;
    EXPECT_NE(deux.pixel(260, 20), rouge); // the right edge is left out
    EXPECT_EQ(deux.pixel(100, 179), rouge);
    EXPECT_NE(deux.pixel(100, 180), rouge); // and the bottom edge
}

TEST(DessinMesure, AtRatioOneAndAHalfTheDrawingStaysUnblendedOverTheSamePixels)
{
    for (const auto& [m, c] : UnDeChaqueOutil()) {
        const QImage une = DessinSur(m, c, 160, 100, 1);
        const QImage demi = DessinSur(m, c, 160, 100, 1.5);
        ASSERT_EQ(demi.size(), QSize(240, 150));
        int fautes = 0;
        for (int y = 0; y < 150; ++y)
            for (int x = 0; x < 240; ++x) {
                const QRgb v = demi.pixel(x, y);
                fautes += v != qRgb(10, 20, 30) && v != qRgb(255, 0, 0); // no blend
                fautes += v != une.pixel(x * 2 / 3, y * 2 / 3);          // the logical pixel its corner is in
            }
        EXPECT_EQ(fautes, 0) << "tool " << int(m.Outil);
    }
}

TEST(DessinMesure, ADoubtfulMarkIsAHollowRingWithAQuestionSign)
{
    EtatMesure m;
    m.Couleur = Rouge;
    m.MarquesParImage = 1;
    m.Marques = {{0.25, 0.5}, {0.75, 0.5}}; // pixels (20, 20) and (60, 20) of 80 x 40
    m.OriginesMarques = {{true, 0.95, false}, {true, 0.74, true}};
    const Pixels tout = Colories(Dessin(m, {}, 80, 40));

    // The sure mark keeps its cross.
    Pixels gauche, droite;
    for (const auto& px : tout) (px.first < 40 ? gauche : droite).insert(px);
    EXPECT_EQ(gauche, Motif(20, 20, CroixEpaisse));

    // The doubtful one: nothing near its centre, the ring four pixels out, and the sign.
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) EXPECT_FALSE(droite.count({60 + dx, 20 + dy})) << dx << ", " << dy;
    for (const auto& px : {std::pair{56, 20}, std::pair{64, 20}, std::pair{60, 16}, std::pair{60, 24}})
        EXPECT_TRUE(droite.count(px)) << px.first << ", " << px.second;
    Pixels anneau;
    for (const auto& px : droite)
        if (std::abs(px.first - 60) <= 5 && std::abs(px.second - 20) <= 5) anneau.insert(px);
    const Pixels signe = Motif(68, 14, {".XXX.", "X...X", "....X", "...X.", "..X..", "..X..", ".....", "..X.."});
    EXPECT_TRUE(Contient(droite, signe));
    Pixels attendus = anneau;
    attendus.insert(signe.begin(), signe.end());
    EXPECT_EQ(droite, attendus); // nothing else is drawn for it
    EXPECT_EQ(Dessin(m, {}, 80, 40).pixel(60, 16), qRgb(255, 0, 0));
}
