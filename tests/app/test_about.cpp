#include "app/UnitBoiteAPropos.h"
#include "app/UnitDecoder.h"

#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

TEST(Decoder, OneCharacterKeySubtractsItsCodeOnly)
{
    // h = 1 div 2 = 0.
    EXPECT_EQ(Decoder("A", QByteArray("\x82\x83\x84", 3)), QByteArray("ABC"));
    // Modulo 256: a data byte below the key's code wraps round.
    EXPECT_EQ(Decoder("B", QByteArray("\x01", 1)), QByteArray("\xbf", 1));
}

TEST(Decoder, FiveCharacterKeyRestartsAndSubtractsTwoMore)
{
    // Byte by byte: 0xae - 'a' - 2 = 'K'; the sixth data byte uses the key's
    // first character again: 0xc4 - 'a' - 2 = 'a'.
    EXPECT_EQ(Decoder("abcde", QByteArray("\xae\xcd\xd3\xd5\xdb\xc4\xc6\x86", 8)), QByteArray("Kinotab!"));
}

TEST(AboutBox, FifteenPiecesWithEmptyLinesAndEmphasis)
{
    const QStringList pieces = PiecesAPropos();
    ASSERT_EQ(pieces.size(), 15);
    for (const QString& p : pieces) {
        EXPECT_FALSE(p.isEmpty());
        EXPECT_FALSE(p.contains(QChar::ReplacementCharacter)) << p.toStdString(); // valid UTF-8 once unscrambled
    }
    EXPECT_TRUE(pieces[0].startsWith("Kinotab"));
    EXPECT_EQ(pieces[1], "Verze " KINOTAB_VERSION);
    EXPECT_TRUE(pieces[12].contains("Qt") && pieces[12].contains("FFmpeg"));

    TBoiteAPropos boite;
    EXPECT_EQ(boite.windowTitle(), "A Propos de Kinotab");
    EXPECT_EQ(boite.size(), QSize(400, 169));
    EXPECT_EQ(boite.REdit->geometry(), QRect(16, 10, 369, 119));
    EXPECT_TRUE(boite.REdit->isReadOnly());
    EXPECT_EQ(boite.BoutonOK->size(), QSize(75, 25));
    EXPECT_EQ(boite.BoutonOK->geometry().center().x(), boite.REdit->geometry().center().x());
    EXPECT_GT(boite.BoutonOK->y(), boite.REdit->geometry().bottom());

    // The lines as shown: an empty line after pieces 1, 2, 8, 9, 11, 12, 13 and 14.
    QStringList attendu;
    for (int n = 1; n <= 15; ++n) {
        attendu << pieces[n - 1];
        if (QList<int>{1, 2, 8, 9, 11, 12, 13, 14}.contains(n)) attendu << QString();
    }
    EXPECT_EQ(boite.REdit->toPlainText().split('\n'), attendu);

    // Bold on pieces 2, 9, 12 and 14; dark red on 12 and 13; Times New Roman 10 points.
    QTextBlock bloc = boite.REdit->document()->begin();
    for (int n = 1; n <= 15; ++n, bloc = bloc.next()) {
        while (bloc.isValid() && bloc.text().isEmpty()) bloc = bloc.next();
        ASSERT_TRUE(bloc.isValid());
        ASSERT_EQ(bloc.text(), pieces[n - 1]);
        const QTextCharFormat f = bloc.begin().fragment().charFormat();
        EXPECT_EQ(f.fontWeight() == QFont::Bold, QList<int>({2, 9, 12, 14}).contains(n)) << n;
        EXPECT_EQ(f.foreground().color() == QColor(200, 0, 0), QList<int>({12, 13}).contains(n)) << n;
        EXPECT_EQ(f.font().family(), "Times New Roman");
        EXPECT_EQ(f.font().pointSize(), 10);
    }
}

} // namespace
