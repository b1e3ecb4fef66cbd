#include "ui/font_substitutes.h"
#include "worksheet/flash_cards.h"
#include "worksheet/math_squares.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <gtest/gtest.h>

using namespace abacore;

// The documents' fonts that this system lacks come out fixed-pitch, and the squares' box line
// is at least as tall as their lines, so it joins from one line to the next.
TEST(FontSubstitutes, TheCardsAndSquaresFontsAreFixedPitchWithAFullHeightBoxLine) {
    InstallFontSubstitutes();
    for (const char* family : {kVerticalCardFont, kSquaresFont}) {
        QFont font(QString::fromLatin1(family));
        font.setPixelSize(110);
        EXPECT_TRUE(QFontInfo(font).fixedPitch())
            << family << ": " << QFontInfo(font).family().toStdString();
    }
    QFont terminal(QString::fromLatin1(kSquaresFont));
    terminal.setPixelSize(110); // 11 points, scaled up tenfold
    const QFontMetricsF metrics(terminal);
    ASSERT_TRUE(metrics.inFont(QChar(0x2502)));
    EXPECT_GE(metrics.boundingRect(QChar(0x2502)).height(), kSquaresLineHeight * 10);
}
