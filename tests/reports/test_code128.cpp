#include "Tools.h"

#include "reports/Code128.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPainter.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QTemporaryDir>

using namespace vonu;
using namespace vonu::code128;

namespace {

// zint's --dump: the modules as hex digits, padded with spaces to whole nibbles.
QByteArray asZintDump(const QByteArray& bits)
{
    QByteArray padded = bits;
    while (padded.size() % 4 != 0)
        padded += '0';
    QByteArray hex;
    for (qsizetype i = 0; i < padded.size(); i += 4) {
        if (i > 0 && i % 8 == 0)
            hex += ' ';
        hex += QByteArray::number(padded.mid(i, 4).toInt(nullptr, 2), 16).toUpper();
    }
    return hex;
}

} // namespace

TEST(Code128Patterns, EverySymbolIsElevenModulesAndUnique)
{
    QSet<QByteArray> seen;
    for (int v = 0; v <= kStartC; ++v) {
        Symbol s{{v}, {}};
        const QByteArray bits = moduleBits(s);
        EXPECT_EQ(bits.size(), 11) << v;
        EXPECT_TRUE(bits.startsWith('1') && bits.endsWith('0')) << v;
        EXPECT_FALSE(seen.contains(bits)) << v;
        seen.insert(bits);
    }
    EXPECT_EQ(moduleBits(Symbol{{kStop}, {}}), QByteArray("1100011101011"));
}

TEST(Code128Encode, SameModulesAsZint)
{
    // Auto start selection and switching: set C for digit runs, A for
    // control characters; and every printable character of set B.
    QString everyB;
    for (ushort c = 32; c < 127; ++c) {
        everyB += QChar(c);
        if (c >= '0' && c <= '9')
            everyB += QLatin1Char('x');   // keeps zint from switching to set C
    }
    const QString cases[] = {
        QStringLiteral("12345"), QStringLiteral("1234"), QStringLiteral("123456"),
        QStringLiteral("AB12"), QStringLiteral("PROEF"), QStringLiteral("N.N.B."),
        QStringLiteral("a12345678b"), QStringLiteral("Order A-0012345"), everyB.left(32),
        everyB.mid(32, 32), everyB.mid(64, 32), everyB.mid(96),
    };
    for (const QString& text : cases) {
        const Symbol symbol = encode(text);
        ASSERT_TRUE(symbol.ok()) << text.toStdString();
        const test::ToolResult zint = test::runTool(
            QStringLiteral("zint"), {QStringLiteral("-b"), QStringLiteral("20"), QStringLiteral("-d"),
                                     text, QStringLiteral("--dump")});
        ASSERT_TRUE(zint.ok) << zint.err.constData();
        EXPECT_EQ(asZintDump(moduleBits(symbol)), zint.out.trimmed()) << text.toStdString();
    }
}

TEST(Code128Encode, ForcedSetBIsWhatTheBarcodeFontDraws)
{
    // 104 + 1*17 + 2*18 + 3*19 + 4*20 + 5*21 = 399; 399 mod 103 = 90.
    EXPECT_EQ(encode(QStringLiteral("12345"), CodeSet::B).values,
              (QVector<int>{kStartB, 17, 18, 19, 20, 21, 90, kStop}));
    EXPECT_EQ(fontText(QStringLiteral("12345")),
              QByteArray("\xCA" "12345" "\x7A" "\x8A"));
    // Blank and apostrophe have glyphs of their own; lower case counts with
    // its real value, so the check character stays readable.
    EXPECT_EQ(fontText(QStringLiteral("A B'")),
              QByteArray("\xCA" "A" "\xC0" "B" "\xC1") + char(32 + (104 + 33 + 0 + 3 * 34 + 4 * 7) % 103)
                  + "\x8A");
    const Symbol lower = encode(QStringLiteral("ab"), CodeSet::B);
    EXPECT_EQ(lower.values, (QVector<int>{kStartB, 65, 66, (104 + 65 + 2 * 66) % 103, kStop}));
    // Check value 95 and above: value + 100.
    ASSERT_EQ((104 + 65 + 2 * 66) % 103, 95);
    EXPECT_EQ(fontText(QStringLiteral("ab")).at(3), char(195));
}

TEST(Code128Encode, WhatCannotBeEncodedIsRefused)
{
    EXPECT_FALSE(encode(QString()).ok());
    EXPECT_FALSE(encode(QStringLiteral("één")).ok());
    EXPECT_FALSE(encode(QStringLiteral("123"), CodeSet::C).ok());
    EXPECT_FALSE(encode(QStringLiteral("12a4"), CodeSet::C).ok());
    EXPECT_FALSE(encode(QStringLiteral("ab"), CodeSet::A).ok());
    EXPECT_TRUE(moduleWidths(encode(QStringLiteral("é"))).isEmpty());
    EXPECT_TRUE(fontText(QStringLiteral("tab\t")).isEmpty());
    EXPECT_EQ(encode(QStringLiteral("1234"), CodeSet::C).values,
              (QVector<int>{kStartC, 12, 34, (105 + 12 + 2 * 34) % 103, kStop}));
}

TEST(Code128Report, RenderedBarcodesDecodeFromThePdf)
{
    using namespace vonu::report;
    struct Case {
        QString text;
        CodeSet set;
    };
    const Case cases[] = {{QStringLiteral("12345"), CodeSet::B},
                          {QStringLiteral("PROEF"), CodeSet::B},
                          {QStringLiteral("N.N.B."), CodeSet::B},
                          {QStringLiteral("2024-000017"), CodeSet::Auto}};
    Report r;
    ReportBand& band = r.addBand(QStringLiteral("Kop"), BandKind::PageHeader, 500);
    qreal y = 0;
    for (const Case& c : cases) {
        ReportItem item;
        item.name = c.text;
        item.kind = ItemKind::Barcode;
        item.caption = c.text;
        item.codeSet = c.set;
        item.rect = QRectF(40, y, 0, 40);
        band.add(item);
        y += 100;
    }
    const PageModel model = layout(r);
    // The width follows the symbol: quiet zones of ten modules included.
    const PlacedItem* first = model.pages.at(0).item(QStringLiteral("12345"));
    ASSERT_NE(first, nullptr);
    EXPECT_DOUBLE_EQ(first->rect.width(), totalModules(encode(QStringLiteral("12345"), CodeSet::B)) * 1.5);

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("barcodes.pdf"));
    QString error;
    ASSERT_TRUE(writePdf(model, pdf, &error)) << error.toStdString();
    ASSERT_TRUE(test::runTool(QStringLiteral("pdftoppm"),
                              {QStringLiteral("-r"), QStringLiteral("200"), QStringLiteral("-png"),
                               QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))})
                    .ok);
    const test::ToolResult zbar = test::runTool(
        QStringLiteral("zbarimg"), {QStringLiteral("-q"), QStringLiteral("--raw"),
                                    dir.filePath(QStringLiteral("page.png"))});
    ASSERT_TRUE(zbar.ok) << zbar.err.constData();
    QStringList decoded = QString::fromUtf8(zbar.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList expected;
    for (const Case& c : cases)
        expected << c.text;
    decoded.sort();
    expected.sort();
    EXPECT_EQ(decoded, expected);
}
