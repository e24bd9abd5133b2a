#pragma once
// A small catalog and profile that hold one of each kind of article the
// order entry treats differently.

namespace vonu::test {

inline const char* const EntryCatalogXml = R"(<?xml version="1.0"?>
<Morvek><Assortiment><BestandVersie>1</BestandVersie><Artikelen>
<Artikel Artikel="ON100"><ArtikelVonuArtikel>J</ArtikelVonuArtikel>
 <ArtikelOmschrijving_1>Onderdorpel 100</ArtikelOmschrijving_1><ArtikelOmschrijving_2>per meter</ArtikelOmschrijving_2>
 <ArtikelEenheid>Meter</ArtikelEenheid><ArtikelBerekeningAantal>Aantal x maat</ArtikelBerekeningAantal>
 <ArtikelUitvoering_1>Geboord</ArtikelUitvoering_1><ArtikelUitvoering_2>Geboord</ArtikelUitvoering_2>
 <ArtikelAfbeelding>ON100.png</ArtikelAfbeelding><ArtikelMinimalemaat>500</ArtikelMinimalemaat>
 <ArtikelMaximalemaat>6000</ArtikelMaximalemaat><ArtikelOpmaat>J</ArtikelOpmaat><ArtikelHandelslengte>J</ArtikelHandelslengte>
 <Artikelmaten><Artikelmaat Maat="3,00"/><Artikelmaat Maat="6,00"/></Artikelmaten>
 <Subartikelen>
  <Subartikel Artikel="EK"><SubartikelVonuArtikel>J</SubartikelVonuArtikel><SubartikelMaatcorrectie>3</SubartikelMaatcorrectie><SubartikelAfbeelding>EK.png</SubartikelAfbeelding></Subartikel>
  <Subartikel Artikel="EKK"><SubartikelVonuArtikel>K</SubartikelVonuArtikel></Subartikel>
  <Subartikel Artikel="EKX"><SubartikelVonuArtikel>K</SubartikelVonuArtikel></Subartikel>
  <Subartikel Artikel="EKI"><SubartikelVonuArtikel>I</SubartikelVonuArtikel></Subartikel>
 </Subartikelen>
 <Bewerkingen>
  <Bewerking Artikel="BOOR"><BewerkingVonuArtikel>J</BewerkingVonuArtikel></Bewerking>
  <Bewerking Artikel="KLR"><BewerkingALT_toets>R</BewerkingALT_toets></Bewerking>
  <Bewerking Artikel="SPK"><BewerkingVonuArtikel>K</BewerkingVonuArtikel></Bewerking>
  <Bewerking Artikel="BI"><BewerkingVonuArtikel>I</BewerkingVonuArtikel></Bewerking>
 </Bewerkingen></Artikel>
<Artikel Artikel="ONDER200"><ArtikelVonuArtikel>J</ArtikelVonuArtikel><ArtikelEenheid>Meter</ArtikelEenheid>
 <ArtikelBerekeningAantal>Aantal</ArtikelBerekeningAantal><ArtikelUitvoering_2>Ongeboord</ArtikelUitvoering_2>
 <ArtikelMinimalemaat>300</ArtikelMinimalemaat><ArtikelMaximalemaat>3000</ArtikelMaximalemaat><ArtikelOpmaat>J</ArtikelOpmaat></Artikel>
<Artikel Artikel="OPM300"><ArtikelVonuArtikel>J</ArtikelVonuArtikel><ArtikelEenheid>Meter</ArtikelEenheid>
 <ArtikelBerekeningAantal>Meter-dm</ArtikelBerekeningAantal><ArtikelOpmaat>J</ArtikelOpmaat></Artikel>
<Artikel Artikel="MTR"><ArtikelVonuArtikel>J</ArtikelVonuArtikel><ArtikelEenheid>Meter</ArtikelEenheid>
 <ArtikelHandelslengte>J</ArtikelHandelslengte></Artikel>
<Artikel Artikel="STUK"><ArtikelVonuArtikel>J</ArtikelVonuArtikel><ArtikelEenheid>Stuks</ArtikelEenheid>
 <ArtikelHandelslengte>J</ArtikelHandelslengte><ArtikelAfbeelding>GEEN.png</ArtikelAfbeelding></Artikel>
<Artikel Artikel="KLANT1"><ArtikelVonuArtikel>K</ArtikelVonuArtikel><ArtikelHandelslengte>J</ArtikelHandelslengte>
 <ArtikelUitvoering_1>Geboord</ArtikelUitvoering_1></Artikel>
<Artikel Artikel="KLANT2"><ArtikelVonuArtikel>N</ArtikelVonuArtikel><ArtikelHandelslengte>J</ArtikelHandelslengte></Artikel>
<Artikel Artikel="BALI1"><ArtikelVonuArtikel>I</ArtikelVonuArtikel><ArtikelHandelslengte>J</ArtikelHandelslengte></Artikel>
<Artikel Artikel="NOOIT"><ArtikelVonuArtikel>J</ArtikelVonuArtikel><ArtikelHandelslengte>N</ArtikelHandelslengte></Artikel>
</Artikelen><Kleuren><Kleur Kleur="9010"><KleurOmschrijving>Wit</KleurOmschrijving></Kleur></Kleuren>
</Assortiment></Morvek>)";

// Shipping address 01 lists KLANT1 under customer number A12 and gives
// ON100 a trade-length execution; 02 lists nothing of its own. At debtor
// level ON100 gets both executions, KLANT2 and the sub-article EKK are
// listed.
inline const char* const EntryProfileXml = R"(<?xml version="1.0"?>
<Morvek><Sleutel><Debiteur>104711</Debiteur>
<Debiteurartikelen>
 <Debiteurartikel Artikel="ON100"><DebiteurartikelUitvoering_1>Ongeboord</DebiteurartikelUitvoering_1>
  <DebiteurartikelUitvoering_2>Ongeboord</DebiteurartikelUitvoering_2></Debiteurartikel>
 <Debiteurartikel Artikel="KLANT2"><DebiteurartikelArtikelKlant>B7</DebiteurartikelArtikelKlant></Debiteurartikel>
 <Debiteurartikel Artikel="EKK"/>
</Debiteurartikelen>
<Verzendadressen>
 <Verzendadres Verzend="01"><VerzendadresZoeknaam>BOUW ARNHEM</VerzendadresZoeknaam><VerzendadresNaam>Bouw B.V.</VerzendadresNaam>
  <VerzendadresAdres>Weg 1</VerzendadresAdres><VerzendadresPostcode>6800 AA</VerzendadresPostcode><VerzendadresWoonplaats>ARNHEM</VerzendadresWoonplaats>
  <VerzendadresAfleverNaam>Bouwplaats</VerzendadresAfleverNaam><VerzendadresAfleverAdres>Laan 2</VerzendadresAfleverAdres>
  <VerzendadresAfleverPostcode>6801 BB</VerzendadresAfleverPostcode><VerzendadresAfleverWoonplaats>ARNHEM</VerzendadresAfleverWoonplaats>
  <Verzendadresartikelen>
   <Verzendadresartikel Artikel="KLANT1"><VerzendadresartikelArtikelKlant>A12</VerzendadresartikelArtikelKlant></Verzendadresartikel>
   <Verzendadresartikel Artikel="ON100"><VerzendadresartikelUitvoering_1>Geboord</VerzendadresartikelUitvoering_1></Verzendadresartikel>
  </Verzendadresartikelen></Verzendadres>
 <Verzendadres Verzend="02"><VerzendadresZoeknaam>OOST</VerzendadresZoeknaam><VerzendadresNaam>Oost V.O.F.</VerzendadresNaam>
  <VerzendadresWoonplaats>ZEIST</VerzendadresWoonplaats></Verzendadres>
</Verzendadressen></Sleutel></Morvek>)";

} // namespace vonu::test
