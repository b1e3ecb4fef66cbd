#include "worksheet/utf8.h"

#include <QList>
#include <QString>
#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace abacore;

// The screen reads a document's text through Qt, the writers through NextCodePoint: broken
// bytes must come out as the same characters on both ways.
TEST(Utf8, ReadAsQtReadsIt) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> byte(0, 255), length(1, 10);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (int n = length(random); n > 0; --n)
            text += static_cast<char>(random() % 3 == 0 ? byte(random) : 0x80 + byte(random) / 2);
        std::u32string ours;
        for (size_t at = 0; at < text.size();)
            ours += NextCodePoint(text, at);
        const QList<uint> qt =
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUcs4();
        ASSERT_EQ(std::u32string(qt.begin(), qt.end()), ours)
            << QByteArray::fromStdString(text).toHex(' ').toStdString();
    }
}
