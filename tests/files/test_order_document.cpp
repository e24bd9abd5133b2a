// Order document built from the order in memory and read back: the written
// form other programs rely on, and a faithful round trip.
#include "files/OrderDocument.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <pugixml.hpp>
#include <cstdlib>

using namespace vonu;

namespace {

OrderHeader header()
{
    OrderHeader h;
    h.debiteur = QStringLiteral("12345");
    h.ordervoor = QStringLiteral("01 BOUW Utrecht");
    h.orderdatum = QDate(2024, 12, 9);
    h.ordernummer = QStringLiteral(" AB-12 ");
    h.notities = QStringLiteral("  eerste\nregel  ");
    return h;
}

QString orderXml(const MorvekDocument& doc)
{
    return doc.GetMorvek().Orders().Item(0).xml();
}

} // namespace

TEST(OrderDocument, HeaderFieldsInTheirOrderAndOnlyLinesInUse)
{
    OrderModel o;
    o.setField(1, Veld::Artikel, "OD67");
    o.setField(1, Veld::Aantal, " 4 ");
    o.setFlag(1, Vlag::Aantal, true);
    o.setField(3, Veld::Artikel, "VB300");
    o.setField(3, Veld::EAN, "8712345678906");
    o.setField(3, Veld::Kleur, "  ");  // blank: not written
    const MorvekDocument doc = buildOrderDocument(o, header());

    EXPECT_EQ(doc.GetMorvek().xmlns_xsi(), "http://www.w3.org/2001/XMLSchema-instance");
    EXPECT_EQ(doc.GetMorvek().xsi_noNamespaceSchemaLocation(), "Morvek.xsd");
    EXPECT_EQ(orderXml(doc).toStdString(),
              "<Order Order=\"Order\"><OrderDebiteur>12345</OrderDebiteur><OrderVerzendadres>01</OrderVerzendadres>"
              "<OrderOrderdatum>09-12-2024</OrderOrderdatum><OrderOrdernummer>AB-12</OrderOrdernummer>"
              "<OrderNotitie>eerste\nregel</OrderNotitie><Orderregels>"
              "<Orderregel Regel=\"0\"><OrderregelArtikel>OD67</OrderregelArtikel>"
              "<OrderregelAantal>4</OrderregelAantal><OrderregelStatus>000000100000</OrderregelStatus></Orderregel>"
              "<Orderregel Regel=\"1\"><OrderregelArtikel>VB300               8712345678906</OrderregelArtikel>"
              "<OrderregelStatus>000000000000</OrderregelStatus></Orderregel></Orderregels></Order>");
}

TEST(OrderDocument, SentStampAndQuotationAttribute)
{
    OrderModel o;
    OrderHeader h = header();
    h.transactie = Transactie::Offerte;
    h.sentStamp = sentStamp(QDateTime(QDate(2024, 12, 9), QTime(14, 5, 3)), true);
    const MorvekDocument doc = buildOrderDocument(o, h);
    const TXMLOrder order = doc.GetMorvek().Orders().Item(0);
    EXPECT_EQ(order.Order(), "Offerte");
    EXPECT_EQ(order.OrderVerzenddatum(), "09_12_2024_14_05_03*");
    EXPECT_TRUE(order.Orderregels().isEmpty());
}

TEST(OrderDocument, PanelRowsOnlyWhenTheirFlagIsSet)
{
    OrderModel o;
    o.setField(1, Veld::Artikel, "OD67");
    o.setSubartikel(1, 1, 1, "EK");
    o.setSubartikel(1, 1, 3, "L");
    o.setSubartikel(1, 3, 1, "EK2");
    o.setSubartikel(1, 3, 28, "*");
    o.setBewerking(1, 1, 1, "SP1");  // flag 10 clear: not written
    o.setDetailMaat(1, 2, "1200");
    o.setDetailAantal(1, 5, "2");
    o.setDetailMaat(1, 5, "800");
    o.setDetailSlot(1, 5, 3, "x");
    o.setFlag(1, Vlag::Subartikelen, true);
    o.setFlag(1, Vlag::Details, true);
    const MorvekDocument doc = buildOrderDocument(o, header());
    const TXMLOrderregel r = doc.GetMorvek().Orders().Item(0).Orderregels().Item(0);

    ASSERT_EQ(r.OrderregelSubartikelen().Count(), 2);
    EXPECT_EQ(r.OrderregelSubartikelen().Item(0).Artikel(), "EK,,L,,,");
    EXPECT_EQ(r.OrderregelSubartikelen().Item(1).Artikel(), "EK2" + QString(26, ',') + ",*");
    EXPECT_TRUE(r.OrderregelBewerkingen().isEmpty());
    ASSERT_EQ(r.OrderregelDetails().Count(), 2);
    EXPECT_EQ(r.OrderregelDetails().Item(0).xml().toStdString(),
              "<OrderregelDetail DetailRegel=\"0\"><OrderregelDetailAantal></OrderregelDetailAantal>"
              "<OrderregelDetailMaat>1200</OrderregelDetailMaat></OrderregelDetail>");
    EXPECT_EQ(r.OrderregelDetails().Item(1).DetailRegel(), "1");
    EXPECT_EQ(r.OrderregelDetails().Item(1).OrderregelDetailMaat(), "800,,,x,,,");
}

TEST(OrderDocument, RoundTripKeepsEveryFieldFlagAndRow)
{
    OrderModel o;
    o.setField(2, Veld::Artikel, "A12 *" + QString(25, ' ') + "ONDER100");
    const Veld fields[] = {Veld::Kleur, Veld::Lengte, Veld::Correctie, Veld::Maat, Veld::Uitvoering, Veld::Aantal,
                          Veld::Sponning, Veld::Omschrijving_1, Veld::Omschrijving_2, Veld::Omschrijving_3};
    for (Veld f : fields)
        o.setField(2, f, QStringLiteral("v%1").arg(int(f)));
    for (Vlag f : {Vlag::Kleur, Vlag::Lengte, Vlag::Subartikelen, Vlag::Bewerkingen, Vlag::Details})
        o.setFlag(2, f, true);
    for (int f = 1; f <= SubregelVelden; ++f)
        o.setBewerking(2, 1, f, f == 28 ? "*" : QStringLiteral("b%1").arg(f));
    o.setSubartikel(2, 1, 1, "EK");
    o.setDetailAantal(2, 1, "3");
    o.setDetailMaat(2, 1, "1250");
    o.setDetailSlot(2, 1, 6, "z,y");
    OrderHeader h = header();
    h.notities = "a\nb";
    const MorvekDocument doc = buildOrderDocument(o, h);

    MorvekDocument reread;
    ASSERT_TRUE(reread.loadBytes(doc.toBytes()));
    OrderModel back;
    ReadOrderHeader rh;
    ASSERT_TRUE(readOrderDocument(reread, back, rh));
    EXPECT_EQ(rh.verzendadres, "01");
    EXPECT_EQ(rh.orderdatum, QDate(2024, 12, 9));
    EXPECT_EQ(rh.ordernummer, "AB-12");
    EXPECT_EQ(rh.notes.notes, "a\r\nb");
    EXPECT_FALSE(rh.notes.markers);
    // The written line 2 comes back as line 1; the customer entry keeps its code.
    EXPECT_EQ(back.field(1, Veld::Artikel).toStdString(), o.field(2, Veld::Artikel).toStdString());
    EXPECT_EQ(back.statusText(1), o.statusText(2));
    for (int f = 1; f <= SubregelVelden; ++f)
        EXPECT_EQ(back.bewerking(1, 1, f), o.bewerking(2, 1, f)) << f;
    EXPECT_EQ(back.subartikel(1, 1, 1), "EK");
    EXPECT_EQ(back.detailMaat(1, 1), "1250");
    EXPECT_EQ(back.detailSlot(1, 1, 6), "z,y");
    EXPECT_FALSE(back.lineInUse(2));
}

TEST(OrderDocument, ReadingArticleTextsAndNotesMarkers)
{
    const struct {
        const char* stored;
        const char* article;
        const char* ean;
    } cases[] = {
        {"VB300               8712345678906", "VB300", "8712345678906"},
        {"OD67", "OD67", ""},
        // A customer number of 21+ characters: character 21 is not a blank,
        // but what follows is the catalog code, not an EAN code.
        {"KLANTNUMMER-123456789 *      ONDER100", "KLANTNUMMER-123456789 *      ONDER100", ""},
    };
    for (const auto& c : cases) {
        MorvekDocument doc = MorvekDocument::NewMorvek();
        TXMLOrder order = doc.GetMorvek().Orders().Add();
        order.setOrderOrderdatum("01-02-2025");
        order.setOrderNotitie("[Notitie]T\nx[OB]");
        order.Orderregels().Add().setOrderregelArtikel(QString::fromLatin1(c.stored));
        OrderModel o;
        ReadOrderHeader h;
        ASSERT_TRUE(readOrderDocument(doc, o, h));
        EXPECT_EQ(o.field(1, Veld::Artikel).toStdString(), c.article);
        EXPECT_EQ(o.field(1, Veld::EAN).toStdString(), c.ean);
        EXPECT_TRUE(h.notes.markers);
        EXPECT_EQ(h.notes.notes, "T\r\nx");
        EXPECT_EQ(h.notes.remark, "");
    }
}

namespace {

struct Sizes {
    int lines = 1;
    int subartikelen = 0;
    int bewerkingen = 0;
    int details = 0;
    QString detailAantal = QStringLiteral("2");
    QString detailMaat = QStringLiteral("1200");
};

MorvekDocument orderOfSize(const Sizes& z)
{
    MorvekDocument doc = MorvekDocument::NewMorvek();
    TXMLOrder order = doc.GetMorvek().Orders().Add();
    order.setOrderOrderdatum("09-12-2024");
    for (int i = 0; i < z.lines; ++i) {
        TXMLOrderregel r = order.Orderregels().Add();
        r.setOrderregelArtikel(QStringLiteral("A%1").arg(i));
        r.setOrderregelStatus("000000001110");
        for (int s = 0; s < z.subartikelen; ++s)
            r.OrderregelSubartikelen().Add().setArtikel(QStringLiteral("S%1").arg(s));
        for (int b = 0; b < z.bewerkingen; ++b)
            r.OrderregelBewerkingen().Add().setArtikel(QStringLiteral("B%1").arg(b));
        for (int d = 0; d < z.details; ++d) {
            TXMLOrderregelDetail detail = r.OrderregelDetails().Add();
            detail.setOrderregelDetailAantal(z.detailAantal);
            detail.setOrderregelDetailMaat(d == z.details - 1 ? z.detailMaat : QStringLiteral("%1").arg(d));
        }
    }
    return doc;
}

} // namespace

TEST(OrderDocument, AFileAtTheLimitsIsReadWhole)
{
    Sizes z;
    z.lines = MaxOrderregels;
    z.subartikelen = MaxSubartikelen;
    z.bewerkingen = MaxBewerkingen;
    z.details = MaxDetails;
    OrderModel o;
    ReadOrderHeader h;
    QString error;
    ASSERT_TRUE(readOrderDocument(orderOfSize(z), o, h, &error)) << error.toStdString();
    EXPECT_EQ(o.field(100, Veld::Artikel), "A99");
    EXPECT_EQ(o.subartikel(100, 25, 1), "S24");
    EXPECT_EQ(o.bewerking(100, 25, 1), "B24");
    EXPECT_EQ(o.detailMaat(100, 125), "1200");
    EXPECT_EQ(o.lineScrollMaximum(), 99);
    // A detail size with its further slots is the stored format, not a fault.
    z.lines = 1;
    z.detailMaat = QStringLiteral("1200,5,,,,,");
    OrderModel withSlots;
    ASSERT_TRUE(readOrderDocument(orderOfSize(z), withSlots, h, &error)) << error.toStdString();
    EXPECT_EQ(withSlots.detailMaat(1, 125), "1200");
    EXPECT_EQ(withSlots.detailSlot(1, 125, 1), "5");
}

TEST(OrderDocument, WhatTheOrderCannotTakeWholeIsRefusedNotCut)
{
    struct Case {
        const char* name;
        Sizes sizes;
        const char* says;
    };
    auto with = [](auto change) {
        Sizes z;
        change(z);
        return z;
    };
    const Case cases[] = {
        {"101 lines", with([](Sizes& z) { z.lines = 101; }), "101 orderregels"},
        {"26 sub-articles", with([](Sizes& z) { z.subartikelen = 26; }), "26 subartikelen"},
        {"26 operations", with([](Sizes& z) { z.bewerkingen = 26; }), "26 bewerkingen"},
        {"126 details", with([](Sizes& z) { z.details = 126; }), "126 details"},
        {"quantity too long", with([](Sizes& z) { z.details = 1; z.detailAantal = "9999999999"; }),
         "aantal '9999999999'"},
        {"negative quantity", with([](Sizes& z) { z.details = 1; z.detailAantal = "-1"; }), "aantal '-1'"},
        {"size with a letter", with([](Sizes& z) { z.details = 3; z.detailMaat = "12a"; }), "detail 3: maat '12a'"},
        {"size too long", with([](Sizes& z) { z.details = 1; z.detailMaat = "12000"; }), "maat '12000'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OrderModel untouched;
        ReadOrderHeader h;
        QString error;
        EXPECT_FALSE(readOrderDocument(orderOfSize(c.sizes), untouched, h, &error));
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.says))) << error.toStdString();
        EXPECT_TRUE(error.contains("niet geopend")) << error.toStdString();
        EXPECT_FALSE(untouched.lineInUse(1));
    }
}

TEST(OrderDocument, AWrongDateOrNoOrderIsRefused)
{
    MorvekDocument doc = orderOfSize({});
    TXMLOrder order = doc.GetMorvek().Orders().Item(0);
    OrderModel o;
    ReadOrderHeader h;
    // A wrong date and a file without an order are refused, the order untouched.
    for (const char* date : {"2024-12-09", "31-02-2024", "9-12-2024", ""}) {
        order.setOrderOrderdatum(QString::fromLatin1(date));
        OrderModel untouched;
        QString error;
        EXPECT_FALSE(readOrderDocument(doc, untouched, h, &error)) << date;
        EXPECT_TRUE(error.contains("orderdatum")) << error.toStdString();
        EXPECT_FALSE(untouched.lineInUse(1));
    }
    QString error;
    EXPECT_FALSE(readOrderDocument(MorvekDocument::NewMorvek(), o, h, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(OrderFileNames, PrefixesBaseNamesAndDisplayNames)
{
    const QDate d(2024, 12, 9);
    EXPECT_EQ(orderFilePath("/w/Orders", Transactie::Order, "", " AB-12 ", "ref", d), "/w/Orders/Order-AB-12.Xml");
    EXPECT_EQ(orderFilePath("/w/Orders", Transactie::Offerte, "", "", "", d), "/w/Orders/Offerte-09-12-2024.Xml");
    EXPECT_EQ(orderFilePath("/o", Transactie::Order, "", " ", " R 1 ", d), "/o/Order-R 1.Xml");
    EXPECT_EQ(orderFilePrefix(Transactie::Offerte, " 4711 "), "Offerte 4711-");
    EXPECT_FALSE(isPlainFileName("Order-a/b.Xml"));
    EXPECT_FALSE(isPlainFileName("Order-a:b.Xml"));
    EXPECT_TRUE(isPlainFileName("Order-AB 12.Xml"));

    EXPECT_EQ(deleteDisplayName("/w/Orders/Order-AB-12.Xml"), "Order-AB-12");
    const QString name47 = "Order-" + QString(41, 'x');
    EXPECT_EQ(deleteDisplayName("/w/" + name47 + ".Xml"), name47);
    EXPECT_EQ(deleteDisplayName("/w/" + name47 + "y.Xml"), name47 + "...");

    EXPECT_EQ(sentCopyFileName("12345", "09_12_2024_14_05_03*"), "12345_09_12_2024_14_05_03.Xml");
    EXPECT_EQ(captionAfterSave("Morvek VonuOrder", ""), "Morvek VonuOrder ");
    EXPECT_EQ(captionAfterSave("Normale order in Morvek VonuOrder 1", "7"), "Normale order in Morvek VonuOrder 7");
    EXPECT_EQ(captionAfterSave("Onderdorpelorder in X", "7"), "Onderdorpelorder in Morvek VonuOrder 7");
}

namespace {

// Lets the first `allowed` allocations of pugixml through and refuses the rest.
int allocationsLeft = 0;
void* failingAllocate(size_t size)
{
    return allocationsLeft-- > 0 ? std::malloc(size) : nullptr;
}

} // namespace

TEST(OrderDocument, HostileFilesAreRefusedWithAMessageNotWithTheProgramsMemory)
{
    QTemporaryDir dir;
    auto fileWith = [&](const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    };
    struct Case {
        const char* name;
        QString path;
        const char* says;
    };
    // Sparse: a file the size of a DVD costs nothing to make, and must cost nothing to refuse.
    const QString huge = fileWith("groot.Xml", "<Morvek>");
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.resize(qint64(4) << 30));
    }
    QByteArray empties = "<Morvek><Orders><Order><Orderregels>";
    empties += QByteArray("<a/>").repeated(2'100'000);
    empties += "</Orderregels></Order></Orders></Morvek>";
    const Case cases[] = {
        {"4 GB file", huge, "te groot"},
        {"two million empty elements", fileWith("leeg.Xml", empties), "te veel elementen"},
        {"same in windows-1252", fileWith("ansi.Xml", "<?xml version=\"1.0\" encoding=\"windows-1252\"?>" + empties),
         "te veel elementen"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MorvekDocument doc;
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(doc.loadFile(c.path));
        EXPECT_TRUE(doc.errorText().contains(QString::fromUtf8(c.says))) << doc.errorText().toStdString();
        EXPECT_FALSE(doc.isActive());
        EXPECT_LT(clock.elapsed(), 5000);
    }

    // Memory that runs out halfway through the parse gives a message too.
    const QString order = fileWith("order.Xml", QByteArray("<Morvek><Orders><Order><Orderregels>") +
                                                    QByteArray("<Orderregel><OrderregelArtikel>A</OrderregelArtikel></Orderregel>")
                                                        .repeated(2000) +
                                                    "</Orderregels></Order></Orders></Morvek>");
    const auto allocate = pugi::get_memory_allocation_function();
    const auto deallocate = pugi::get_memory_deallocation_function();
    allocationsLeft = 1;  // the file's buffer, then nothing
    pugi::set_memory_management_functions(failingAllocate, deallocate);
    MorvekDocument doc;
    const bool loaded = doc.loadFile(order);
    pugi::set_memory_management_functions(allocate, deallocate);
    EXPECT_FALSE(loaded);
    EXPECT_TRUE(doc.errorText().startsWith("Onvoldoende geheugen om het bestand te lezen")) << doc.errorText().toStdString();
    EXPECT_TRUE(doc.loadFile(order)) << doc.errorText().toStdString();
}
