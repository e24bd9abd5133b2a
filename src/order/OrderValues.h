#pragma once
// The fixed texts an order line holds and compares against. Stored files,
// the database and the order desk's programs read them back, so each is
// written exactly once, here.

#include <QLatin1String>

namespace vonu::Waarde {

// `Lengte`
inline constexpr QLatin1String OpMaat{"Op maat"};
inline constexpr QLatin1String Handelslengte{"Handelslengte"};
// `Correctie`, in the order of the field's entries
inline constexpr QLatin1String Zaagmaat{"Zaagmaat"};
inline constexpr QLatin1String InclusiefMaat{"Inclusief maat"};
// `Uitvoering`, in the order of the field's entries
inline constexpr QLatin1String Geboord{"Geboord"};
inline constexpr QLatin1String Ongeboord{"Ongeboord"};
// What follows a trade length in the size list ("3,00 Mtr").
inline constexpr QLatin1String Mtr{" Mtr"};
// How the database's rows give a size: in millimetres (made to measure) or
// in metres (a trade length).
inline constexpr QLatin1String MaatvoeringMm{"mm"};
inline constexpr QLatin1String MaatvoeringMtr{"Mtr"};

// Catalog values the line rules read.
inline constexpr QLatin1String Ja{"J"};                 // `ArtikelHandelslengte`, `ArtikelOpmaat`
inline constexpr QLatin1String EenheidMeter{"Meter"};   // `ArtikelEenheid`
inline constexpr QLatin1String PerStuk{"Aantal"};       // `ArtikelBerekeningAantal`: no details
inline constexpr QLatin1String MeterDm{"Meter-dm"};     // `ArtikelBerekeningAantal`: billed per dm
inline constexpr QLatin1String AantalMaat{"Aantal x maat"};  // `ArtikelBerekeningAantal`: pieces times size

} // namespace vonu::Waarde
