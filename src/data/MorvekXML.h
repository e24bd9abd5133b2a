#pragma once
// Typed classes of the Morvek XML vocabulary: one class per element with a
// getter/setter pair per field (attribute or field element, as the format
// fixes it) and one class per container. Getters of absent fields return an
// empty text; container getters never create anything (see XMLNode.h).
//
// One line per field, so the names are easy to check against the format.

#include "data/XMLNode.h"

#define VONU_XML_ATTR(Name) \
    QString Name() const { return attribute(#Name); } \
    void set##Name(const QString& value) { setAttribute(#Name, value); }
#define VONU_XML_FIELD(Name) \
    QString Name() const { return field(#Name); } \
    void set##Name(const QString& value) { setField(#Name, value); }
#define VONU_XML_CONTAINER(Class, Name) \
    Class Name() const { return Class(node_); }

namespace vonu {

// ---- Customer profile (Sleutel)

class TXMLDebiteurartikel : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    VONU_XML_ATTR(Artikel)
    VONU_XML_FIELD(DebiteurartikelArtikelKlant)
    VONU_XML_FIELD(DebiteurartikelUitvoering_1)
    VONU_XML_FIELD(DebiteurartikelUitvoering_2)
};

class TXMLDebiteurartikelen : public TXMLCollectionOf<TXMLDebiteurartikel> {
public:
    explicit TXMLDebiteurartikelen(pugi::xml_node parent)
        : TXMLCollectionOf(parent, "Debiteurartikelen", "Debiteurartikel") {}
};

class TXMLVerzendadresartikel : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    VONU_XML_ATTR(Artikel)
    VONU_XML_FIELD(VerzendadresartikelArtikelKlant)
    VONU_XML_FIELD(VerzendadresartikelUitvoering_1)
    VONU_XML_FIELD(VerzendadresartikelUitvoering_2)
};

class TXMLVerzendadresartikelen : public TXMLCollectionOf<TXMLVerzendadresartikel> {
public:
    explicit TXMLVerzendadresartikelen(pugi::xml_node parent)
        : TXMLCollectionOf(parent, "Verzendadresartikelen", "Verzendadresartikel") {}
};

class TXMLVerzendadres : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    VONU_XML_ATTR(Verzend)
    VONU_XML_FIELD(VerzendadresZoeknaam)
    VONU_XML_FIELD(VerzendadresNaam)
    VONU_XML_FIELD(VerzendadresAdres)
    VONU_XML_FIELD(VerzendadresPostcode)
    VONU_XML_FIELD(VerzendadresWoonplaats)
    VONU_XML_FIELD(VerzendadresLand)
    VONU_XML_FIELD(VerzendadresAfleverNaam)
    VONU_XML_FIELD(VerzendadresAfleverAdres)
    VONU_XML_FIELD(VerzendadresAfleverPostcode)
    VONU_XML_FIELD(VerzendadresAfleverWoonplaats)
    VONU_XML_FIELD(VerzendadresAfleverLand)
    VONU_XML_CONTAINER(TXMLVerzendadresartikelen, Verzendadresartikelen)
};

class TXMLVerzendadressen : public TXMLCollectionOf<TXMLVerzendadres> {
public:
    explicit TXMLVerzendadressen(pugi::xml_node parent)
        : TXMLCollectionOf(parent, "Verzendadressen", "Verzendadres") {}
};

class TXMLSleutel : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    VONU_XML_FIELD(VonuMail)
    VONU_XML_FIELD(Debiteur)
    VONU_XML_FIELD(DebiteurNaam)
    VONU_XML_FIELD(DebiteurAdres)
    VONU_XML_FIELD(DebiteurPostcode)
    VONU_XML_FIELD(DebiteurWoonplaats)
    VONU_XML_FIELD(DebiteurLand)
    VONU_XML_CONTAINER(TXMLDebiteurartikelen, Debiteurartikelen)
    VONU_XML_CONTAINER(TXMLVerzendadressen, Verzendadressen)
};

// ---- Catalog (Assortiment)

class TXMLKleur : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    VONU_XML_ATTR(Kleur)
    VONU_XML_FIELD(KleurOmschrijving)
};

class TXMLKleuren : public TXMLCollectionOf<TXMLKleur> {
public:
    explicit TXMLKleuren(pugi::xml_node parent)
        : TXMLCollectionOf(parent, "Kleuren", "Kleur") {}
};

class TXMLArtikelmaat : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    VONU_XML_ATTR(Maat)
};

class TXMLArtikelmaten : public TXMLCollectionOf<TXMLArtikelmaat> {
public:
    explicit TXMLArtikelmaten(pugi::xml_node parent)
        : TXMLCollectionOf(parent, "Artikelmaten", "Artikelmaat") {}
};

class TXMLSubartikel : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    VONU_XML_ATTR(Artikel)
    VONU_XML_FIELD(SubartikelTekst)
    VONU_XML_FIELD(SubartikelVonuArtikel)
    VONU_XML_FIELD(SubartikelCatalogus)
    VONU_XML_FIELD(SubartikelOmschrijving_1)
    VONU_XML_FIELD(SubartikelOmschrijving_2)
    VONU_XML_FIELD(SubartikelEenheid)
    VONU_XML_FIELD(SubartikelBerekeningaantal)
    VONU_XML_FIELD(SubartikelUitvoering_1)
    VONU_XML_FIELD(SubartikelUitvoering_2)
    VONU_XML_FIELD(SubartikelALT_toets)
    VONU_XML_FIELD(SubartikelMaatcorrectie)
    VONU_XML_FIELD(SubartikelSubaantal)
    VONU_XML_FIELD(SubartikelBerekeningswijze)
    VONU_XML_FIELD(SubartikelBerekening_UDK)
    VONU_XML_FIELD(SubartikelBerekening_HOH)
    VONU_XML_FIELD(SubartikelBerekening_MV)
    VONU_XML_FIELD(SubartikelAfbeelding)
};

class TXMLSubartikelen : public TXMLCollectionOf<TXMLSubartikel> {
public:
    explicit TXMLSubartikelen(pugi::xml_node parent)
        : TXMLCollectionOf(parent, "Subartikelen", "Subartikel") {}
};

class TXMLBewerking : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    VONU_XML_ATTR(Artikel)
    VONU_XML_FIELD(BewerkingTekst)
    VONU_XML_FIELD(BewerkingVonuArtikel)
    VONU_XML_FIELD(BewerkingCatalogus)
    VONU_XML_FIELD(BewerkingOmschrijving_1)
    VONU_XML_FIELD(BewerkingOmschrijving_2)
    VONU_XML_FIELD(BewerkingEenheid)
    VONU_XML_FIELD(BewerkingBerekeningaantal)
    VONU_XML_FIELD(BewerkingUitvoering_1)
    VONU_XML_FIELD(BewerkingUitvoering_2)
    VONU_XML_FIELD(BewerkingALT_toets)
    VONU_XML_FIELD(BewerkingMaatcorrectie)
    VONU_XML_FIELD(BewerkingSubaantal)
    VONU_XML_FIELD(BewerkingBerekeningswijze)
    VONU_XML_FIELD(BewerkingBerekening_UDK)
    VONU_XML_FIELD(BewerkingBerekening_HOH)
    VONU_XML_FIELD(BewerkingBerekening_MV)
    VONU_XML_FIELD(BewerkingAfbeelding)
};

class TXMLBewerkingen : public TXMLCollectionOf<TXMLBewerking> {
public:
    explicit TXMLBewerkingen(pugi::xml_node parent)
        : TXMLCollectionOf(parent, "Bewerkingen", "Bewerking") {}
};

class TXMLArtikel : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    VONU_XML_ATTR(Artikel)
    VONU_XML_FIELD(ArtikelTekst)
    VONU_XML_FIELD(ArtikelVonuArtikel)
    VONU_XML_FIELD(ArtikelCatalogus)
    VONU_XML_FIELD(ArtikelOmschrijving_1)
    VONU_XML_FIELD(ArtikelOmschrijving_2)
    VONU_XML_FIELD(ArtikelEenheid)
    VONU_XML_FIELD(ArtikelBerekeningAantal)
    VONU_XML_FIELD(ArtikelUitvoering_1)
    VONU_XML_FIELD(ArtikelUitvoering_2)
    VONU_XML_FIELD(ArtikelALT_toets)
    VONU_XML_FIELD(ArtikelMaatcorrectie)
    VONU_XML_FIELD(ArtikelSubaantal)
    VONU_XML_FIELD(ArtikelBerekeningswijze)
    VONU_XML_FIELD(ArtikelBerekening_UDK)
    VONU_XML_FIELD(ArtikelBerekening_HOH)
    VONU_XML_FIELD(ArtikelBerekening_MV)
    VONU_XML_FIELD(ArtikelAfbeelding)
    VONU_XML_FIELD(ArtikelMinimalemaat)
    VONU_XML_FIELD(ArtikelMaximalemaat)
    VONU_XML_FIELD(ArtikelOpmaat)
    VONU_XML_FIELD(ArtikelHandelslengte)
    VONU_XML_CONTAINER(TXMLArtikelmaten, Artikelmaten)
    VONU_XML_CONTAINER(TXMLSubartikelen, Subartikelen)
    VONU_XML_CONTAINER(TXMLBewerkingen, Bewerkingen)
};

class TXMLArtikelen : public TXMLCollectionOf<TXMLArtikel> {
public:
    explicit TXMLArtikelen(pugi::xml_node parent)
        : TXMLCollectionOf(parent, "Artikelen", "Artikel") {}
};

class TXMLAssortiment : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    VONU_XML_FIELD(BestandVersie)
    VONU_XML_FIELD(LeveringsInformatie)
    VONU_XML_CONTAINER(TXMLArtikelen, Artikelen)
    VONU_XML_CONTAINER(TXMLKleuren, Kleuren)
};

// ---- Orders

class TXMLOrderregelSubartikel : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    VONU_XML_ATTR(Artikel)
    VONU_XML_FIELD(OrderregelSubartikelAantal)
};

class TXMLOrderregelSubartikelen : public TXMLCollectionOf<TXMLOrderregelSubartikel> {
public:
    explicit TXMLOrderregelSubartikelen(pugi::xml_node parent)
        : TXMLCollectionOf(parent, "OrderregelSubartikelen", "OrderregelSubartikel") {}
};

class TXMLOrderregelBewerking : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    VONU_XML_ATTR(Artikel)
    VONU_XML_FIELD(OrderregelBewerkingWaarde)
};

class TXMLOrderregelBewerkingen : public TXMLCollectionOf<TXMLOrderregelBewerking> {
public:
    explicit TXMLOrderregelBewerkingen(pugi::xml_node parent)
        : TXMLCollectionOf(parent, "OrderregelBewerkingen", "OrderregelBewerking") {}
};

class TXMLOrderregelDetail : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    VONU_XML_ATTR(DetailRegel)
    VONU_XML_FIELD(OrderregelDetailAantal)
    VONU_XML_FIELD(OrderregelDetailMaat)
};

class TXMLOrderregelDetails : public TXMLCollectionOf<TXMLOrderregelDetail> {
public:
    explicit TXMLOrderregelDetails(pugi::xml_node parent)
        : TXMLCollectionOf(parent, "OrderregelDetails", "OrderregelDetail") {}
};

class TXMLOrderregel : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    VONU_XML_ATTR(Regel)
    VONU_XML_FIELD(OrderregelArtikel)
    VONU_XML_FIELD(OrderregelEAN)
    VONU_XML_FIELD(OrderregelKleur)
    VONU_XML_FIELD(OrderregelLengte)
    VONU_XML_FIELD(OrderregelCorrectie)
    VONU_XML_FIELD(OrderregelMaat)
    VONU_XML_FIELD(OrderregelUitvoering)
    VONU_XML_FIELD(OrderregelAantal)
    VONU_XML_FIELD(OrderregelSponning)
    VONU_XML_FIELD(OrderregelOmschrijving_1)
    VONU_XML_FIELD(OrderregelOmschrijving_2)
    VONU_XML_FIELD(OrderregelOmschrijving_3)
    VONU_XML_FIELD(OrderregelStatus)
    VONU_XML_CONTAINER(TXMLOrderregelSubartikelen, OrderregelSubartikelen)
    VONU_XML_CONTAINER(TXMLOrderregelBewerkingen, OrderregelBewerkingen)
    VONU_XML_CONTAINER(TXMLOrderregelDetails, OrderregelDetails)
};

class TXMLOrderregels : public TXMLCollectionOf<TXMLOrderregel> {
public:
    explicit TXMLOrderregels(pugi::xml_node parent)
        : TXMLCollectionOf(parent, "Orderregels", "Orderregel") {}
};

class TXMLOrder : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    VONU_XML_ATTR(Order)
    VONU_XML_FIELD(OrderDebiteur)
    VONU_XML_FIELD(OrderVerzendadres)
    VONU_XML_FIELD(OrderAfleveradres)
    VONU_XML_FIELD(OrderA_zoeknaam)
    VONU_XML_FIELD(OrderA_naam)
    VONU_XML_FIELD(OrderA_naam2)
    VONU_XML_FIELD(OrderA_kontakt)
    VONU_XML_FIELD(OrderA_adres1)
    VONU_XML_FIELD(OrderA_adres2)
    VONU_XML_FIELD(OrderA_adres3)
    VONU_XML_FIELD(OrderA_postkode)
    VONU_XML_FIELD(OrderA_plaats)
    VONU_XML_FIELD(OrderA_land)
    VONU_XML_FIELD(OrderOrderdatum)
    VONU_XML_FIELD(OrderLeverdatum)
    VONU_XML_FIELD(OrderProductieweek)
    VONU_XML_FIELD(OrderAfleverdatum)
    VONU_XML_FIELD(OrderLeveringswijze)
    VONU_XML_FIELD(OrderOrdernummer)
    VONU_XML_FIELD(OrderReferentie)
    VONU_XML_FIELD(OrderNotitie)
    VONU_XML_FIELD(OrderProductietekst_1)
    VONU_XML_FIELD(OrderProductietekst_2)
    VONU_XML_FIELD(OrderProductietekst_3)
    VONU_XML_FIELD(OrderOrderkostenPercentage)
    VONU_XML_FIELD(OrderOrderkosten)
    VONU_XML_FIELD(OrderExtraVrachtkosten)
    VONU_XML_FIELD(OrderVerzenddatum)
    VONU_XML_CONTAINER(TXMLOrderregels, Orderregels)
};

class TXMLOrders : public TXMLCollectionOf<TXMLOrder> {
public:
    explicit TXMLOrders(pugi::xml_node parent)
        : TXMLCollectionOf(parent, "Orders", "Order") {}
};

// ---- Customer article numbers

class TXMLArtikelnummer : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    VONU_XML_ATTR(Debiteur)
    VONU_XML_ATTR(Verzend)
    VONU_XML_ATTR(Artikel)
    VONU_XML_FIELD(ArtikelnummerArtikelKlant)
};

class TXMLArtikelnummers : public TXMLCollectionOf<TXMLArtikelnummer> {
public:
    explicit TXMLArtikelnummers(pugi::xml_node parent)
        : TXMLCollectionOf(parent, "Artikelnummers", "Artikelnummer") {}
};

// ---- Root
class TXMLMorvek : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    VONU_XML_CONTAINER(TXMLOrders, Orders)
    VONU_XML_CONTAINER(TXMLArtikelnummers, Artikelnummers)
    TXMLSleutel Sleutel() const { return TXMLSleutel(section("Sleutel")); }
    TXMLAssortiment Assortiment() const { return TXMLAssortiment(section("Assortiment")); }

    QString xmlns_xsi() const { return attribute("xmlns:xsi"); }
    void setXmlns_xsi(const QString& value) { setAttribute("xmlns:xsi", value); }
    QString xsi_noNamespaceSchemaLocation() const { return attribute("xsi:noNamespaceSchemaLocation"); }
    void setXsi_noNamespaceSchemaLocation(const QString& value)
    {
        setAttribute("xsi:noNamespaceSchemaLocation", value);
    }
    // The two root attributes every written document carries, in this order.
    void setSchemaAttributes();
};

} // namespace vonu

#undef VONU_XML_ATTR
#undef VONU_XML_FIELD
#undef VONU_XML_CONTAINER
