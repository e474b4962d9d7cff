#include "options/MotDePasse.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

TEST(Password, HashIsSaltedAndChecksExactly)
{
    const QString a = MotDePasse::Hacher("Fyzika1", 1000);
    const QString b = MotDePasse::Hacher("Fyzika1", 1000);
    EXPECT_TRUE(a.startsWith("pbkdf2-sha256$1000$")) << a.toStdString();
    EXPECT_EQ(a.split('$').size(), 4);
    EXPECT_FALSE(a.contains("Fyzika1"));
    EXPECT_NE(a, b); // a fresh salt each time
    EXPECT_TRUE(MotDePasse::EstHache(a));
    for (const QString& h : {a, b}) {
        EXPECT_TRUE(MotDePasse::Verifier(h, "Fyzika1"));
        EXPECT_FALSE(MotDePasse::Verifier(h, "fyzika1")); // case-sensitive
        EXPECT_FALSE(MotDePasse::Verifier(h, "Fyzika1 "));
        EXPECT_FALSE(MotDePasse::Verifier(h, "Fyzika"));
        EXPECT_FALSE(MotDePasse::Verifier(h, ""));
    }
}

TEST(Password, DefaultStrengthAndNonAsciiText)
{
    const QString h = MotDePasse::Hacher("Žluťoučký kůň");
    EXPECT_TRUE(h.startsWith(QStringLiteral("pbkdf2-sha256$%1$").arg(MotDePasse::IterationsDefaut)));
    EXPECT_TRUE(MotDePasse::Verifier(h, "Žluťoučký kůň"));
    EXPECT_FALSE(MotDePasse::Verifier(h, "Zlutoucky kun"));
}

TEST(Password, ClearTextFromAnOlderFileIsStillAccepted)
{
    EXPECT_FALSE(MotDePasse::EstHache("tajne"));
    EXPECT_TRUE(MotDePasse::Verifier("tajne", "tajne"));
    EXPECT_FALSE(MotDePasse::Verifier("tajne", "Tajne"));
    EXPECT_FALSE(MotDePasse::Verifier("tajne", "tajn"));
}

TEST(Password, DamagedOrAbsurdHashesAreNotTakenForHashes)
{
    const QString bon = MotDePasse::Hacher("x", 10);
    QStringList champs = bon.split('$');
    QString sansCle = champs.mid(0, 3).join('$') + "$";
    EXPECT_FALSE(MotDePasse::EstHache(sansCle));
    champs[1] = "2000000000"; // would freeze the program for minutes
    EXPECT_FALSE(MotDePasse::EstHache(champs.join('$')));
    champs[1] = "0";
    EXPECT_FALSE(MotDePasse::EstHache(champs.join('$')));
    // Such a value still locks: only its exact text opens.
    EXPECT_TRUE(MotDePasse::Verifier(sansCle, sansCle));
    EXPECT_FALSE(MotDePasse::Verifier(sansCle, "x"));
}

} // namespace
