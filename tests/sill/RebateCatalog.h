#pragma once
// A catalog with one sill whose operations hold two rebates (Alt key "S"),
// a drilling and a colour operation of another Alt key, and an article
// without operations: what the rebate rules and the rebate dialog tell apart.

namespace vonu::test {

inline const char* const RebateCatalogXml = R"(<?xml version="1.0"?>
<Morvek><Assortiment><BestandVersie>1</BestandVersie><Artikelen>
<Artikel Artikel="OD67"><ArtikelOmschrijving_1>Onderdorpel 67</ArtikelOmschrijving_1><Bewerkingen>
<Bewerking Artikel="BOOR"><BewerkingOmschrijving_1>Boren</BewerkingOmschrijving_1></Bewerking>
<Bewerking Artikel="SP20"><BewerkingOmschrijving_1>Sponning 20</BewerkingOmschrijving_1>
<BewerkingOmschrijving_2>eind</BewerkingOmschrijving_2><BewerkingALT_toets>S</BewerkingALT_toets></Bewerking>
<Bewerking Artikel="SP30"><BewerkingOmschrijving_1>Sponning 30</BewerkingOmschrijving_1><BewerkingALT_toets>S</BewerkingALT_toets></Bewerking>
<Bewerking Artikel="KLR"><BewerkingALT_toets>R</BewerkingALT_toets></Bewerking>
</Bewerkingen></Artikel>
<Artikel Artikel="VB300"><ArtikelOmschrijving_1>Verbinder</ArtikelOmschrijving_1></Artikel>
</Artikelen></Assortiment></Morvek>)";

} // namespace vonu::test
