// Writes the seed files of the frame-source fuzz target into a folder: small
// AVI videos of every codec and sound the writer makes, MP4 and MKV with
// lossy sound, and the layouts other
// writers leave (every chunk a keyframe, an index cut short, no index,
// OpenDML forms, sound whose format changes midway).
//   kinotab_fuzz_seeds FOLDER

#include "tools/VideoSurgery.h"
#include "tools/VideoWriter.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdio>
#include <functional>

namespace {

OptionsVideo Petite(OptionsVideo::Codec codec, int images, OptionsVideo::Son son = OptionsVideo::Son::Aucun)
{
    OptionsVideo o;
    o.codec = codec;
    o.largeur = 32;
    o.hauteur = 32;
    o.images = images;
    o.gop = 4;
    o.son = son;
    o.frequence = 16000;
    return o;
}

OptionsVideo EnConteneur(const char* muxeur, OptionsVideo::Son son, int frequence)
{
    OptionsVideo o = Petite(OptionsVideo::Codec::H264, 10, son);
    o.conteneur = muxeur;
    o.frequence = frequence;
    return o;
}

QByteArray Lire(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Ecrire(const QString& chemin, const QByteArray& d)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(d) == d.size();
}

void ToutesCles(QByteArray& d)
{
    const qsizetype idx1 = d.lastIndexOf("idx1");
    for (qsizetype e = idx1 + 8; idx1 > 0 && e + 16 <= d.size(); e += 16)
        if (d.mid(e + 2, 2) == "dc") d[e + 4] = char(0x10);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kinotab_fuzz_seeds FOLDER\n");
        return 2;
    }
    const QString dossier = QFile::decodeName(argv[1]) + u'/';
    using C = OptionsVideo::Codec;
    using S = OptionsVideo::Son;
    OptionsVideo change = Petite(C::Mjpeg, 6, S::Mp2);
    change.canaux = 2;
    change.frequence = 32000;
    change.changementSon = 3;
    change.canauxApres = 1;
    change.frequenceApres = 48000;
    const struct {
        const char* nom;
        OptionsVideo options;
        std::function<QByteArray(QByteArray)> chirurgie;
    } graines[] = {
        {"mjpeg_pcm", Petite(C::Mjpeg, 6, S::Pcm), {}},
        {"mjpeg_mp2", Petite(C::Mjpeg, 6, S::Mp2), {}},
        {"mjpeg_son_change", change, {}},
        {"mpeg4_b", Petite(C::Mpeg4, 10), {}},
        {"h264", Petite(C::H264, 10), {}},
        {"brut", Petite(C::Brut, 3), {}},
        {"mpeg4_toutes_cles", Petite(C::Mpeg4, 10),
         [](QByteArray d) {
             d = SansIndexOpenDml(d);
             ToutesCles(d);
             return d;
         }},
        {"mjpeg_idx1_coupe", Petite(C::Mjpeg, 6, S::Pcm),
         [](QByteArray d) {
             d = SansIndexOpenDml(d);
             return d.left(d.lastIndexOf("idx1") + 8 + 16 * 4);
         }},
        {"mpeg4_sans_index", Petite(C::Mpeg4, 10, S::Pcm),
         [](QByteArray d) {
             d = SansIndexOpenDml(d);
             return d.left(d.lastIndexOf("idx1"));
         }},
        {"mjpeg_opendml", Petite(C::Mjpeg, 6, S::Pcm), [](QByteArray d) { return EnOpenDml(d, 3); }},
        {"mpeg4_opendml", Petite(C::Mpeg4, 10, S::Mp2), [](QByteArray d) { return EnOpenDml(d, 5); }},
        {"mp4_aac", EnConteneur("mp4", S::Aac, 16000), {}},
        {"mkv_opus", EnConteneur("matroska", S::Opus, 48000), {}},
    };
    int echecs = 0;
    for (const auto& g : graines) {
        // The frame source goes by the content, not the name.
        const QString chemin = dossier + QLatin1String(g.nom) + QStringLiteral(".avi");
        const std::string erreur = EcrireVideo(QFile::encodeName(chemin).toStdString(), g.options);
        const bool ok = erreur.empty() && (!g.chirurgie || Ecrire(chemin, g.chirurgie(Lire(chemin))));
        if (!ok) std::fprintf(stderr, "%s: %s\n", g.nom, erreur.empty() ? "cannot rewrite" : erreur.c_str());
        echecs += !ok;
    }
    return echecs == 0 ? 0 : 1;
}
