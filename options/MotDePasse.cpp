#include "options/MotDePasse.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QStringList>
#include <optional>
#include <openssl/crypto.h>
#include <openssl/evp.h>

namespace {

const QString Prefixe = QStringLiteral("pbkdf2-sha256");
constexpr int LongueurSel = 16;
constexpr int LongueurCle = 32;
// A hand-edited count beyond this would freeze the program while it checks.
constexpr int IterationsMax = 10'000'000;

QByteArray deriver(const QByteArray& motDePasse, const QByteArray& sel, int iterations)
{
    QByteArray cle(LongueurCle, '\0');
    PKCS5_PBKDF2_HMAC(motDePasse.constData(), int(motDePasse.size()),
                      reinterpret_cast<const unsigned char*>(sel.constData()), int(sel.size()), iterations,
                      EVP_sha256(), int(cle.size()), reinterpret_cast<unsigned char*>(cle.data()));
    return cle;
}

bool egauxEnTempsConstant(const QByteArray& a, const QByteArray& b)
{
    // Only the length can show through the time taken.
    return a.size() == b.size() && CRYPTO_memcmp(a.constData(), b.constData(), size_t(a.size())) == 0;
}

struct Hache {
    int iterations = 0;
    QByteArray sel;
    QByteArray cle;
};

std::optional<Hache> lire(const QString& enregistre)
{
    const QStringList champs = enregistre.split(u'$');
    if (champs.size() != 4 || champs[0] != Prefixe) return std::nullopt;
    bool ok = false;
    Hache h;
    h.iterations = champs[1].toInt(&ok);
    h.sel = QByteArray::fromBase64(champs[2].toLatin1());
    h.cle = QByteArray::fromBase64(champs[3].toLatin1());
    if (!ok || h.iterations < 1 || h.iterations > IterationsMax || h.sel.isEmpty() || h.cle.size() != LongueurCle)
        return std::nullopt;
    return h;
}

} // namespace

namespace MotDePasse {

QString Hacher(const QString& motDePasse, int iterations)
{
    quint32 aleatoire[LongueurSel / 4];
    QRandomGenerator::system()->fillRange(aleatoire);
    const QByteArray sel(reinterpret_cast<const char*>(aleatoire), LongueurSel);
    const QByteArray cle = deriver(motDePasse.toUtf8(), sel, iterations);
    return QStringLiteral("%1$%2$%3$%4")
        .arg(Prefixe)
        .arg(iterations)
        .arg(QString::fromLatin1(sel.toBase64()), QString::fromLatin1(cle.toBase64()));
}

bool EstHache(const QString& enregistre)
{
    return lire(enregistre).has_value();
}

bool Verifier(const QString& enregistre, const QString& saisi)
{
    if (const auto h = lire(enregistre)) {
        return egauxEnTempsConstant(deriver(saisi.toUtf8(), h->sel, h->iterations), h->cle);
    }
    return egauxEnTempsConstant(enregistre.toUtf8(), saisi.toUtf8());
}

} // namespace MotDePasse
