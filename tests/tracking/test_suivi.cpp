// Automatic tracking on pictures drawn by the test: a disc on a parabola, a
// disc leaving the picture, a disc crossing a look-alike, a disc that grows or
// vanishes; and where a run starts from the marks of a measurement.

#include "tracking/UnitSuivi.h"

#include <QPainter>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Frames painted on demand over a light grey background.
class ImagesDessinees : public ImagesSuivi {
public:
    ImagesDessinees(int nombre, std::function<void(QPainter&, int)> peindre, QSize taille = {320, 240})
        : nombre_(nombre), peindre_(std::move(peindre)), taille_(taille)
    {
    }
    int Nombre() const override { return nombre_; }
    QImage Image(int numero) override
    {
        QImage image(taille_, QImage::Format_RGB32);
        image.fill(QColor(200, 205, 210));
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        peindre_(p, numero);
        return image;
    }

private:
    int nombre_;
    std::function<void(QPainter&, int)> peindre_;
    QSize taille_;
};

// A disc centred on `centre` in video pixels (pixel i stands at i, so its
// area spans i - 0.5 .. i + 0.5).
void Disque(QPainter& p, PointD centre, double rayon, QColor couleur = QColor(200, 30, 30))
{
    p.setBrush(couleur);
    p.drawEllipse(QPointF(centre.X + 0.5, centre.Y + 0.5), rayon, rayon);
}

std::vector<EtapeSuivi> Jusquau(TSuivi& suivi)
{
    std::vector<EtapeSuivi> etapes;
    do etapes.push_back(suivi.Suivante());
    while (etapes.back().Fin == FinSuivi::Aucune);
    return etapes;
}

double Distance(PointD a, PointD b)
{
    return std::hypot(a.X - b.X, a.Y - b.Y);
}

PointD Parabole(int i)
{
    return {20.5 + 10.0 * i, 30.25 + 2.0 * i + 0.25 * i * i};
}

} // namespace

TEST(Suivi, ADiscOnAParabolaIsFollowedToTheLastFrameFromOneMark)
{
    ImagesDessinees images(25, [](QPainter& p, int i) { Disque(p, Parabole(i), 6.5); });
    TSuivi suivi(images, 0, {{Parabole(0)}});
    const std::vector<EtapeSuivi> etapes = Jusquau(suivi);
    ASSERT_EQ(etapes.size(), 25u);
    EXPECT_EQ(etapes.back().Fin, FinSuivi::DerniereImage);
    for (int i = 1; i < 25; ++i) {
        const EtapeSuivi& e = etapes[std::size_t(i - 1)];
        ASSERT_EQ(e.Image, i);
        ASSERT_EQ(e.Points.size(), 1u);
        EXPECT_LT(Distance(e.Points[0], Parabole(i)), 0.25) << "frame " << i;
        EXPECT_GT(e.Qualite, 0.9);
    }
    // Once ended, it stays ended.
    EXPECT_EQ(suivi.Suivante().Fin, FinSuivi::DerniereImage);
}

TEST(Suivi, TwoPointsAreFollowedTogetherFromMarksOnConsecutiveFrames)
{
    const auto autre = [](int i) { return PointD{280.0 - 7.0 * i, 200.0 - 0.1 * i * i}; };
    ImagesDessinees images(20, [&](QPainter& p, int i) {
        Disque(p, Parabole(i), 6.5);
        Disque(p, autre(i), 7, QColor(30, 60, 200));
    });
    TSuivi suivi(images, 2, {{Parabole(1), Parabole(2)}, {autre(0), autre(1), autre(2)}});
    const std::vector<EtapeSuivi> etapes = Jusquau(suivi);
    ASSERT_EQ(etapes.size(), 18u);
    for (const EtapeSuivi& e : etapes) {
        if (e.Fin != FinSuivi::Aucune) break;
        ASSERT_EQ(e.Points.size(), 2u);
        EXPECT_LT(Distance(e.Points[0], Parabole(e.Image)), 0.25) << "frame " << e.Image;
        EXPECT_LT(Distance(e.Points[1], autre(e.Image)), 0.25) << "frame " << e.Image;
    }
}

TEST(Suivi, ADiscLeavingThePictureStopsTheRunBeforeItGoes)
{
    const auto centre = [](int i) { return PointD{200.0 + 9.0 * i, 100.0 + 1.0 * i}; };
    ImagesDessinees images(30, [&](QPainter& p, int i) { Disque(p, centre(i), 6); });
    TSuivi suivi(images, 0, {{centre(0)}});
    const std::vector<EtapeSuivi> etapes = Jusquau(suivi);
    const EtapeSuivi& fin = etapes.back();
    EXPECT_EQ(fin.Fin, FinSuivi::HorsImage);
    EXPECT_TRUE(fin.Points.empty());
    // Followed while the disc was wholly in the picture, not a frame after it left.
    ASSERT_GE(etapes.size(), 11u);
    EXPECT_LE(centre(fin.Image).X - 6, 320.0); // it had not gone yet...
    EXPECT_GT(centre(fin.Image).X + 6, 300.0); // ...but was near the edge
    for (std::size_t k = 0; k + 1 < etapes.size(); ++k)
        EXPECT_LT(Distance(etapes[k].Points[0], centre(etapes[k].Image)), 0.25) << "frame " << etapes[k].Image;
}

TEST(Suivi, ADiscCrossingALookAlikeIsNeverMarkedOnIt)
{
    // Both cross (160, 120); the look-alike, a shade darker, two frames before.
    const auto suivi_ = [](int i) { return PointD{40.0 + 6.0 * i, 120.0}; };
    const auto intrus = [](int i) { return PointD{160.0, 120.0 - 6.0 * (18 - i)}; };
    ImagesDessinees images(36, [&](QPainter& p, int i) {
        Disque(p, intrus(i), 7, QColor(180, 40, 40));
        Disque(p, suivi_(i), 7);
    });
    TSuivi suivi(images, 1, {{suivi_(0), suivi_(1)}});
    const std::vector<EtapeSuivi> etapes = Jusquau(suivi);
    const EtapeSuivi& fin = etapes.back();
    // Followed past the look-alike, or stopped for doubt while they overlap.
    const bool arreteSurLeSosie = fin.Fin == FinSuivi::Doute && Distance(suivi_(fin.Image), intrus(fin.Image)) < 14;
    EXPECT_TRUE(fin.Fin == FinSuivi::DerniereImage || arreteSurLeSosie) << int(fin.Fin) << " on " << fin.Image;
    for (std::size_t k = 0; k + 1 < etapes.size(); ++k) {
        const EtapeSuivi& e = etapes[k];
        // While the two overlap the peak is pulled a little, and the mark is doubtful.
        const bool chevauchent = Distance(suivi_(e.Image), intrus(e.Image)) < 14;
        EXPECT_LT(Distance(e.Points[0], suivi_(e.Image)), chevauchent ? 1.0 : 0.3) << "frame " << e.Image;
        if (!e.Origines[0].Doute) {
            EXPECT_LT(Distance(e.Points[0], suivi_(e.Image)), 0.3) << "sure mark on frame " << e.Image;
        }
    }
}

TEST(Suivi, AGrowingDiscIsFollowedByRefreshingItsTemplate)
{
    const auto centre = [](int i) { return PointD{60.0 + 4.0 * i, 120.0}; };
    ImagesDessinees images(40, [&](QPainter& p, int i) { Disque(p, centre(i), 3.0 + 0.12 * i); });
    TSuivi suivi(images, 0, {{centre(0)}});
    const std::vector<EtapeSuivi> etapes = Jusquau(suivi);
    EXPECT_EQ(etapes.back().Fin, FinSuivi::DerniereImage);
    ASSERT_EQ(etapes.size(), 40u);
    for (std::size_t k = 0; k + 1 < etapes.size(); ++k)
        EXPECT_LT(Distance(etapes[k].Points[0], centre(etapes[k].Image)), 0.5) << "frame " << etapes[k].Image;
}

TEST(Suivi, ADiscThatVanishesIsLostWhereItVanished)
{
    const auto centre = [](int i) { return PointD{60.0 + 5.0 * i, 80.0}; };
    ImagesDessinees images(20, [&](QPainter& p, int i) {
        if (i < 8) Disque(p, centre(i), 6);
    });
    TSuivi suivi(images, 0, {{centre(0)}});
    const std::vector<EtapeSuivi> etapes = Jusquau(suivi);
    ASSERT_EQ(etapes.size(), 8u);
    EXPECT_EQ(etapes.back().Fin, FinSuivi::Perdu);
    EXPECT_EQ(etapes.back().Image, 8);
}

TEST(Suivi, AMarkOnAUniformPatchOrAtTheEdgeCannotStart)
{
    ImagesDessinees images(5, [](QPainter&, int) {});
    TSuivi uniforme(images, 0, {{PointD{100, 100}}});
    EXPECT_EQ(uniforme.Suivante().Fin, FinSuivi::Perdu);
    TSuivi bord(images, 0, {{PointD{2, 100}}});
    EXPECT_EQ(bord.Suivante().Fin, FinSuivi::HorsImage);
}

TEST(Suivi, TheTemplateSideFollowsThePictureSize)
{
    EXPECT_EQ(DemiCoteParDefaut(640, 480), 15);
    EXPECT_EQ(DemiCoteParDefaut(160, 120), 6);
    EXPECT_EQ(DemiCoteParDefaut(3840, 2160), 40);
}

namespace {

EtatMesure Marques(int parImage, std::vector<int> images)
{
    EtatMesure e;
    e.MarquesParImage = parImage;
    for (std::size_t k = 0; k < images.size(); ++k) e.Marques.push_back(FaitPointD(0.01 * double(k), 0.5));
    e.ImagesMarques = std::move(images);
    return e;
}

} // namespace

TEST(DepartSuivi, StartsFromTheLastFullFrameWithTheFramesJustBeforeIt)
{
    // One mark a frame on frames 2, 4, 5, 6, 7 (each index is the frame shown after it).
    const DepartSuivi d = Depart(Marques(1, {3, 5, 6, 7, 8}), 8);
    EXPECT_EQ(d.Image, 7);
    ASSERT_EQ(d.Trajectoires.size(), 1u);
    EXPECT_EQ(d.Trajectoires[0],
              (std::vector<PointD>{FaitPointD(0.02, 0.5), FaitPointD(0.03, 0.5), FaitPointD(0.04, 0.5)}));

    // Two points: frames 4 and 6, the second point's index is the next frame.
    const DepartSuivi deux = Depart(Marques(2, {4, 5, 6, 7}), 7);
    EXPECT_EQ(deux.Image, 6);
    ASSERT_EQ(deux.Trajectoires.size(), 2u);
    EXPECT_EQ(deux.Trajectoires[0], std::vector<PointD>{FaitPointD(0.02, 0.5)});
    EXPECT_EQ(deux.Trajectoires[1], std::vector<PointD>{FaitPointD(0.03, 0.5)});
}

TEST(DepartSuivi, NeedsAFrameWithEveryPointMarked)
{
    EXPECT_EQ(Depart(Marques(1, {}), 3).Image, -1);
    EXPECT_EQ(Depart(Marques(2, {4}), 4).Image, -1);
    EXPECT_EQ(Depart(Marques(3, {4, 4, 5, 5}), 5).Image, -1);
}

TEST(DepartSuivi, MarksWithoutTheirFramesStartOnTheFrameBeforeTheOneShown)
{
    EtatMesure e = Marques(1, {});
    e.Marques.assign(4, FaitPointD(0.3, 0.3)); // a loaded work file keeps no frames
    const DepartSuivi d = Depart(e, 6);
    EXPECT_EQ(d.Image, 5);
    ASSERT_EQ(d.Trajectoires.size(), 1u);
    EXPECT_EQ(d.Trajectoires[0].size(), 1u);
    EXPECT_EQ(Depart(e, 0).Image, -1);
}

TEST(DepartSuivi, AFullLastFrameStartsThere)
{
    EtatMesure e = Marques(1, {8, 9, 9});
    e.MarquesDerniereImage = 1;
    const DepartSuivi d = Depart(e, 9);
    EXPECT_EQ(d.Image, 9);
    EXPECT_EQ(d.Trajectoires[0].size(), 1u);
}
