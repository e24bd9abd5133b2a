-- Order database of the Morvek order desk (PostgreSQL 15).
--
-- Naming and quoting rule (read this before writing a statement):
--   * Every table and column is created UNQUOTED, so PostgreSQL stores its
--     name in lower case. Write names unquoted in whatever case reads best:
--     OrderProduktieregel.RegelId and orderproduktieregel.regelid are the
--     same column. Result columns come back in lower case; QSqlRecord looks
--     names up without regard to case, so record.value("RegelId") works.
--   * A name that PostgreSQL reserves, or that contains characters other
--     than letters, digits and "_", must be double-quoted, and a quoted name
--     is case-sensitive, so it is written in lower case inside the quotes:
--         "order"   (table Order and the column Order of several tables)
--         "user"    (APC_Tabel, APC_Scherm, APC_Gebruiker)
--         "table"   (APC_Tabel)
--         "left"    (APC_Scherm)
--         "field(0)", "sort(3)", "menutitle(1)", ... (APC_Scherm)
--     Example: select "order", status from "order" where "order" = $1
--   * Code that builds an identifier at run time (search screens, per-user
--     scratch tables) lower-cases it and double-quotes it (vonu::sqlIdentifier).
--
-- Keys are blank-padded texts, right-aligned to a fixed width: order key 8
-- ("      12"), debtor 6, line number 4 ("   1"). Their columns sort bytewise
-- (collate "C") so that "order by Regel" is numeric order whatever the
-- database's locale (most locales ignore blanks when sorting). A key compared in its
-- unpadded form matches nothing, so the key columns of the master tables
-- refuse a value of the wrong width. Relation numbers are numeric; bit
-- columns are boolean (bind bool, write true/false); money is numeric; dates
-- are date and time stamps timestamp.

create table Productgroep (
    Productgroep   varchar(20) primary key,
    Omschrijving   varchar(40) not null default '',
    Onderdorpel    boolean not null default false      -- sill product group
);

create table Verpakkingstype (
    Verpakkingstype varchar(10) primary key,
    Omschrijving    varchar(40) not null default '',
    Colli           varchar(20) not null default '',   -- "Doos", "Bundel", "Koker", "Pak", "Pallet"
    Inhoud          integer not null default 1 check (Inhoud >= 0),  -- pieces per package
    Etiket          boolean not null default false
);

create table Kleur (
    Kleur          varchar(20) primary key,            -- RAL code
    Omschrijving   varchar(40) not null default '',
    Kleurgroep     varchar(40) not null default ''
);

-- Coating price lists: per list and colour group a price per piece or per
-- metre ('M') or a total price for all lines of one colour ('T'), from a
-- quantity on.
create table Moffelprijslijst (
    Prijslijst     varchar(10) not null,
    Kleurgroep     varchar(40) not null,
    PrijsType      varchar(1) not null check (PrijsType in ('S', 'M', 'T')),
    VanafAantal    numeric(12,3) not null default 0,
    Prijs          numeric(12,4) not null,
    primary key (Prijslijst, Kleurgroep, PrijsType, VanafAantal)
);

create table Artikel (
    Artikel                 varchar(20) primary key,
    Tekst                   boolean not null default false,   -- operation / text-only article
    Omschrijving_1          varchar(60) not null default '',
    Omschrijving_2          varchar(60) not null default '',
    Eenheid                 varchar(10) not null default 'Stuks',   -- "Stuks", "Meter"
    BerekeningAantal        varchar(20) not null default 'Aantal', -- "Aantal", "Aantal x maat", "Meter-dm"
    Subaantal               integer,
    Aktief                  boolean not null default true,
    VoorraadVoorloopArtikel varchar(20),
    Maatcorrectie           integer,                          -- mm per started 1000 mm
    Catalogus               varchar(16) not null default '',
    Gewicht                 numeric(10,3),                    -- kg per unit
    Aantal_overdoos         integer,
    Prijslijst              varchar(10),                      -- coating price list
    Productgroep            varchar(20) references Productgroep,
    Afdrukken_1             varchar(20) not null default '',
    Afdrukken_2             varchar(20) not null default '',
    ALT_Toets               varchar(1) not null default '',
    Maatinvoer              smallint not null default 0,      -- 1: sizes entered (sill macros apply)
    -- How a fixing sub-article is spread along a length: 'A' from both ends
    -- every HOH mm, 'B' likewise counted from the first piece, 'M' in two
    -- halves around a free middle zone of MV mm; UDK is the end distance.
    Bevestigingswijze       varchar(1) not null default '',
    BevestigingUDK          integer not null default 0,
    BevestigingHOH          integer not null default 0,
    BevestigingMV           integer not null default 0,
    StandaardVerpakkingstype varchar(10) references Verpakkingstype,
    MaatwerkVerpakkingstype  varchar(10) references Verpakkingstype,
    Prijs                   numeric(12,4),                    -- list price per unit, trade lengths
    PrijsOpMaat             numeric(12,4)                     -- list price per unit, made to size
);

create table ArtikelEAN (
    EAN            varchar(13) primary key,
    Artikel        varchar(20) not null references Artikel,
    Maat           varchar(10) not null default '',           -- "Op maat", a length in metres, or blank
    Uitvoering     varchar(10) not null default '',           -- "Geboord", "Ongeboord" or blank
    Subartikel_1   varchar(20) not null default '',
    Subartikel_2   varchar(20) not null default ''
);

create table ArtikelSubArtikel (
    Artikel        varchar(20) not null references Artikel,
    SubArtikel     varchar(20) not null references Artikel,
    primary key (Artikel, SubArtikel)
);

create table Onderdorpelmacro (
    Macro          varchar(10) primary key,
    Omschrijving   varchar(60) not null default ''
);

create table ArtikelOnderdorpelmacro (
    Artikel        varchar(20) not null references Artikel,
    Bewerking      smallint not null check (Bewerking between 1 and 12),
    Macro          varchar(10) not null references Onderdorpelmacro,
    UDK            integer,
    HOH            integer,
    KeuzeSimpel    boolean not null default true,
    KeuzeVoorstel  boolean not null default false,
    Keuze          smallint not null default 1,
    primary key (Artikel, Bewerking, Macro)
);

create table PSR_Relatie (
    Relatie        numeric(10) primary key,
    Zoeknaam       varchar(50) not null default '',
    Naam           varchar(40) not null default '',
    Naam2          varchar(40) not null default '',
    Huisadres      varchar(40) not null default '',
    Huisadres2     varchar(40) not null default '',
    Huisadres3     varchar(40) not null default '',
    HuisPostcode   varchar(8) not null default '',
    Huisplaats     varchar(30) not null default '',
    HuisLand       varchar(30) not null default '',
    PostPostcode   varchar(8) not null default '',
    Telefoon       varchar(20) not null default '',
    Fax            varchar(20) not null default ''
);

create table Afleverinstructie (
    Relatie        numeric(10) primary key references PSR_Relatie,
    Instructie_1   varchar(65) not null default '',
    Instructie_2   varchar(65) not null default ''
);

create table Leveringswijze (
    Levwijze       varchar(3) primary key,
    Omschrijving   varchar(40) not null default ''
);

create table Vrijedag (
    VanDatum       date primary key,
    TotDatum       date not null,
    Omschrijving   varchar(40) not null default '',
    check (TotDatum >= VanDatum)
);

-- The debtor in the financial administration.
create table ADM_Debiteur (
    Debnr            varchar(6) collate "C" primary key check (char_length(Debnr) = 6),
    Naam             varchar(40) not null default '',
    Adres1           varchar(40) not null default '',
    Postcode         varchar(8) not null default '',
    Woonpl           varchar(30) not null default '',
    Landomschrijving varchar(30) not null default ''
);

-- The debtor as order processing sees it.
create table Debiteur (
    Debnr            varchar(6) collate "C" primary key references ADM_Debiteur check (char_length(Debnr) = 6),
    Levwijze         varchar(3) references Leveringswijze,
    Faktuurrelatie   numeric(10),
    Vracht           numeric(10,2),                 -- freight compensation
    Kontrakt         boolean not null default false, -- contract prices allowed
    Pakbon           varchar(1) not null default 'J',
    Faktuur          varchar(1) not null default 'J',
    EtiketAfdrukken  varchar(1) not null default 'J',
    Kosten           boolean not null default false, -- costs surcharge
    Etiket           varchar(1) not null default '', -- label mode
    Korting          numeric(6,2),                   -- standing discount in %
    OrderKorting     numeric(6,2),                   -- order discount in %
    MoffelKorting    numeric(6,2)                    -- discount on coating in %
);

create table Verzendadres (
    Debnr            varchar(6) collate "C" not null references Debiteur,
    Verzend          varchar(2) not null,
    Levwijze         varchar(3) not null default '',    -- blank: as the debtor
    AfleverRelatie   numeric(10) references PSR_Relatie,
    Vracht           varchar(1) not null default 'J',
    S_kontrakt       varchar(1) not null default 'J',
    M_kontrakt       varchar(1) not null default 'J',
    P_kontrakt       varchar(1) not null default 'J',
    G_kontrakt       varchar(1) not null default 'J',
    B_kontrakt       varchar(1) not null default 'J',
    Pakbon           varchar(1) not null default 'J',
    EtiketAfdrukken  varchar(1) not null default 'O',   -- 'O': as the debtor
    Kosten           varchar(1) not null default 'O',   -- 'O': as the debtor
    FaktuurRelatie   numeric(10),
    BetalingVooraf   boolean not null default false,
    VerzendRelatie   numeric(10) references PSR_Relatie,
    Naam             varchar(40) not null default '',
    Adres            varchar(40) not null default '',
    Plaats           varchar(30) not null default '',
    Etiket           varchar(1) not null default '',
    Aantal           smallint,
    BedrijfsLogo     varchar(100) not null default '',
    Leverdatum_1     varchar(2) not null default '',
    Leverdatum_2     varchar(2) not null default '',
    Leverdatum_3     varchar(2) not null default '',
    Leverdatum_4     varchar(2) not null default '',
    Leverdatum_5     varchar(2) not null default '',
    Leverdatum_6     varchar(2) not null default '',
    Leverdatum_7     varchar(2) not null default '',
    primary key (Debnr, Verzend)
);

create table DebiteurArtikel (
    Debnr            varchar(6) collate "C" not null references Debiteur,
    Artikel          varchar(20) not null references Artikel,
    ArtikelKlant     varchar(30) not null default '',
    Uitvoering_1     varchar(20) not null default '',
    Uitvoering_2     varchar(20) not null default '',
    Verpakkingstype  varchar(10) references Verpakkingstype,
    primary key (Debnr, Artikel)
);

create table VerzendadresArtikel (
    Debnr            varchar(6) collate "C" not null,
    Verzend          varchar(2) not null,
    Artikel          varchar(20) not null references Artikel,
    ArtikelKlant     varchar(30) not null default '',
    Uitvoering_1     varchar(20) not null default '',
    Uitvoering_2     varchar(20) not null default '',
    primary key (Debnr, Verzend, Artikel),
    foreign key (Debnr, Verzend) references Verzendadres
);

-- Debtor prices: a net price or a discount for one article, valid from a date.
create table DebiteurPrijs (
    Debnr            varchar(6) collate "C" not null references Debiteur,
    Artikel          varchar(20) not null references Artikel,
    Soort            varchar(1) not null check (Soort in ('H', 'M')),
    VanafDatum       date not null default date '2000-01-01',
    Prijs            numeric(12,4),
    Korting          numeric(6,2),
    primary key (Debnr, Artikel, Soort, VanafDatum),
    check (Prijs is not null or Korting is not null)
);

-- Contracts. Type 'A': call-off contract (afroep) over Termijn units of one
-- article; 'M': metre contract; 'B': amount contract of Termijn euro. Verwerkt
-- is what the administration has already invoiced against it.
create table Kontrakt (
    Kontrakt         varchar(10) primary key,
    Debnr            varchar(6) collate "C" not null references Debiteur,
    Datum            date not null,
    TotDatum         date,
    Type             varchar(1) not null check (Type in ('A', 'M', 'B')),
    Aktief           boolean not null default true,
    GebruikAfroep    varchar(1) not null default 'J',   -- 'K': the customer chooses
    Termijn          numeric(12,2) not null default 0,
    Verwerkt         numeric(12,2) not null default 0,
    Korting          numeric(6,2)                        -- amount contracts: discount in %
);

-- Standing discount of a debtor on a product group (used when the order may
-- use product-group prices).
create table DebiteurProductgroep (
    Debnr            varchar(6) collate "C" not null references Debiteur,
    Productgroep     varchar(20) not null references Productgroep,
    Korting          numeric(6,2) not null,
    primary key (Debnr, Productgroep)
);

-- Pictures printed with the production order of an article.
create table ArtikelAfbeelding (
    Artikel          varchar(20) not null references Artikel,
    Afbeelding       varchar(100) not null,
    primary key (Artikel, Afbeelding)
);

create table KontraktArtikel (
    Kontrakt         varchar(10) not null references Kontrakt on delete cascade,
    Artikel          varchar(20) not null references Artikel,
    Prijs            numeric(12,4) not null,
    primary key (Kontrakt, Artikel)
);

create table Standaardtekst (
    Tekst            integer primary key,
    Type             varchar(1) not null check (Type in ('P', 'A', 'R', 'B', 'O', 'H', 'M')),
    Productie_1      varchar(85) not null default '',
    Productie_2      varchar(85) not null default '',
    Productie_3      varchar(85) not null default '',
    Aflever_1        varchar(65) not null default '',
    Aflever_2        varchar(65) not null default '',
    Aflever_3        varchar(65) not null default '',
    Aflever_4        varchar(65) not null default '',
    Aflever_5        varchar(65) not null default '',
    Referentie_2     varchar(40) not null default '',
    Bevestiging      text not null default '',
    Omschrijving_1   varchar(60) not null default '',
    Omschrijving_2   varchar(60) not null default '',
    Omschrijving_3   varchar(60) not null default '',
    Afhaalinstructie varchar(65) not null default '',
    Opmerking_1      varchar(65) not null default '',
    Opmerking_2      varchar(65) not null default ''
);

-- Program constants: one row, ID 1. "order" is the next free order number.
create table Konstanten (
    ID                      integer primary key check (ID = 1),
    "order"                 integer not null,
    aantal                  numeric(12,3) not null default 0,
    Tekst_HL_1              varchar(40) not null default '',
    Tekst_OM_1              varchar(60) not null default '',
    EAN_leverancier         varchar(12) not null default '',
    MoffelProductie         smallint not null default 0,
    max_mm_doos             integer not null default 0,
    min_kg_doos             numeric(10,2) not null default 0,
    max_kg_doos             numeric(10,2) not null default 0,
    max_kg_bundel           numeric(10,2) not null default 0,
    BedrijfsLogo            varchar(100) not null default '',
    OverbundelenBundel      boolean not null default false,
    OverbundelenDoos        boolean not null default false,
    OverbundelenKoker       boolean not null default false,
    OverbundelenPak         boolean not null default false,
    OverbundelenPallet      boolean not null default false,
    Leverdatum_1            varchar(2) not null default '',
    Leverdatum_2            varchar(2) not null default '',
    Leverdatum_3            varchar(2) not null default '',
    Leverdatum_4            varchar(2) not null default '',
    Leverdatum_5            varchar(2) not null default '',
    Leverdatum_6            varchar(2) not null default '',
    Leverdatum_7            varchar(2) not null default '',
    KleurToeslag            boolean not null default false,
    KleurToeslagBedrag      numeric(10,2) not null default 0,
    ExtraVrachtOmschrijving1 varchar(40) not null default '',
    ExtraVrachtOmschrijving2 varchar(40) not null default '',
    Orderkosten             numeric(10,2) not null default 0,   -- standing order costs
    OrderkostenGrens        numeric(12,2) not null default 0    -- no order costs from this total on
);

-- The order header.
create table "order" (
    "order"              varchar(8) collate "C" primary key check (char_length("order") = 8),
    Status               varchar(12) not null,
    Debnr                varchar(6) collate "C",
    V_adres              varchar(2),
    Datum                date,
    Levwijze             varchar(3),
    AfleverRelatie       numeric(10),
    A_zoeknaam           varchar(50),
    A_naam               varchar(40),
    A_naam2              varchar(40),
    A_kontakt            varchar(40),
    A_adres1             varchar(40),
    A_adres2             varchar(40),
    A_adres3             varchar(40),
    A_postkode           varchar(8),
    A_plaats             varchar(30),
    A_land               varchar(30),
    A_gewijzigd          boolean not null default false,
    Productie_1          varchar(85),
    Productie_2          varchar(85),
    Productie_3          varchar(85),
    Ordref_1             varchar(80),
    Ordref_2             varchar(80),
    ExtraVrachtkosten    smallint not null default 0,
    Leverdatum           date,
    LeverdatumCorrectie  boolean not null default false,
    Productieweek        smallint,
    Afleverdatum         date,
    FaktuurRelatie       numeric(10),
    Vrachtvergoeding     numeric(10,2),
    Bedrag               boolean not null default false,   -- contract flags
    Groep                boolean not null default false,
    Productgroep         boolean not null default false,
    Meter                boolean not null default false,
    Stuks                boolean not null default false,
    Pakbon               varchar(1) not null default 'V',
    Faktuur              varchar(1) not null default 'V',
    GeenEtiketten        boolean not null default false,
    GeenVerkooporder     boolean not null default false,
    GeenVakken           boolean not null default false,
    Kostentoeslag        boolean not null default false,
    KleurToeslag         boolean not null default false,
    VerzendGekozen       boolean not null default false,
    VerzendGescand       boolean not null default false,
    FaxBevestiging       boolean not null default false,
    B_gekozen            boolean not null default false,
    B_datum              date,
    B_volgnummer         integer,
    P_verzend            boolean not null default false,
    P_gekozen            boolean not null default false,
    P_uitgesteld         boolean not null default false,
    P_Datum              date,                               -- packing slip made
    F_gekozen            boolean not null default false,
    F_uitgesteld         boolean not null default false,
    TekstBevestiging     text,
    TekstVonuOrder       text,
    Invoer               varchar(30),
    InvoerDatum          timestamp,
    Wijziging            varchar(30),
    WijzigingDatum       timestamp,
    OrderKorting         numeric(6,2),
    Kontrakt             varchar(10),
    T_Regels             numeric(12,2),                      -- sum of the line amounts
    T_Korting            numeric(12,2),                      -- order discount amount
    T_Orderkosten        numeric(12,2),
    T_Order              numeric(12,2),                      -- order total
    VonuInterneOrder     boolean not null default false,
    VonuBlokkeren        boolean not null default false
);

create table OrderProduktieregel (
    "order"              varchar(8) collate "C" not null references "order" on delete cascade,
    Regel                varchar(4) collate "C" not null check (char_length(Regel) = 4),
    RegelId              varchar(4) collate "C" not null,
    Type                 varchar(1) not null check (Type in ('K', 'S', 'D')),
    Artikel              varchar(20),
    EAN                  varchar(13),
    Prijs                numeric(12,4),
    Prijs1               numeric(12,4),                      -- coating price given for the row
    Oorsprong            varchar(10),
    Korting              numeric(6,2),
    Kontrakt             varchar(10),
    Aantal               numeric(12,3),
    Maat                 numeric(12,3),
    IngevoerdeMaat       numeric(12,3),
    Maatvoering          varchar(3),                         -- 'Lg.', 'St.', 'mm', 'Mtr' or empty
    Productienummer      varchar(20),
    Omschrijving_1       varchar(100),
    Omschrijving_2       varchar(100),
    Omschrijving_3       varchar(100),
    Kleur                varchar(20),
    Verpakking           numeric(10,2),                      -- package content entered for the row
    Verpakkingstype      varchar(10),
    Annuleren            boolean not null default false,
    Blokkeren            boolean not null default false,
    Toeslag              boolean not null default false,
    Correctie            boolean not null default false,
    Werkbriefje          boolean not null default false,
    Etiket               boolean not null default false,
    Gezaagd              boolean not null default false,
    Bewerkt              boolean not null default false,
    Verpakt              boolean not null default false,
    WerkbriefjeNummer    varchar(20),
    EtiketNummer         varchar(20),
    primary key ("order", Regel)
);

-- Sizes of the detail rows as entered, kept before the size corrections.
create table OrderProduktieregelInvoer (
    "order"              varchar(8) collate "C" not null references "order" on delete cascade,
    Regel                varchar(4) collate "C" not null,
    KopRegelId           varchar(4) collate "C" not null,                -- RegelId of the main line
    Aantal               numeric(12,3),
    IngevoerdeMaat       numeric(12,3),
    Maatvoering          varchar(3),
    Omschrijving_1       varchar(100),
    Omschrijving_2       varchar(100),
    Omschrijving_3       varchar(100),
    primary key ("order", Regel)
);

create table OrderOnderdorpelmacro (
    "order"              varchar(8) collate "C" not null references "order" on delete cascade,
    RegelId              varchar(4) collate "C" not null,
    Type                 varchar(1) not null check (Type in ('B', 'M')),
    Volgnummer           smallint not null,
    Waarde               varchar(20) not null,
    primary key ("order", RegelId, Type, Volgnummer)
);

create table OrderVerkoopregel (
    "order"              varchar(8) collate "C" not null references "order" on delete cascade,
    Regel                varchar(4) collate "C" not null check (char_length(Regel) = 4),
    Artikel              varchar(20),
    Omschrijving         varchar(100),
    Aantal               numeric(12,3),
    Toeslag              boolean not null default false,
    Prijs                numeric(12,4),
    Oorsprong            varchar(10),
    Korting              numeric(6,2),
    MeterKontrakt        varchar(10),
    BedragKontrakt       varchar(10),
    Verpakking           varchar(40),
    AantalStuks          numeric(10),
    Bedrag               numeric(12,2),                      -- line amount
    primary key ("order", Regel)
);

-- Delivery texts per delivery (date, method, relation, address, place);
-- shared by all orders delivered together.
create table OrderAfleverinstructie (
    ID                   bigserial primary key,
    Leverdatum           date,
    Levwijze             varchar(3),
    AfleverRelatie       numeric(10),
    A_adres1             varchar(40),
    A_plaats             varchar(30),
    AfleverTekst_1       varchar(65) not null default '',
    AfleverTekst_2       varchar(65) not null default '',
    AfleverTekst_3       varchar(65) not null default '',
    AfleverTekst_4       varchar(65) not null default '',
    AfleverTekst_5       varchar(65) not null default ''
);
create index OrderAfleverinstructie_levering
    on OrderAfleverinstructie (Leverdatum, Levwijze, AfleverRelatie, A_adres1, A_plaats);

-- Event log; outlives the order it names.
create table OrderTracking (
    ID                   bigserial primary key,
    DatumTijd            timestamp not null,
    "order"              varchar(8) collate "C" not null,
    Actie                varchar(1) not null
);
create index OrderTracking_order on OrderTracking ("order");

-- Session and lock rows shared by every program of the manufacturer:
--   session row: "user" = session user, "table" null, record 'VonuOrder'
--   order lock:  "user", "table" 'VonuOrder' (this program) or 'Order'
--                (the administration program), record = order key
create table APC_Tabel (
    ID                   bigserial primary key,
    "user"               varchar(30) not null,
    "table"              varchar(30),
    record               varchar(30) not null
);
-- One lock per order, whichever program holds it: an insert of a second lock
-- fails instead of both workstations passing the check at the same moment.
create unique index APC_Tabel_orderlock on APC_Tabel (record)
    where "table" in ('Order', 'VonuOrder');
-- One session row per user.
create unique index APC_Tabel_sessie on APC_Tabel ("user")
    where "table" is null and record = 'VonuOrder';

create table APC_Gebruiker (
    "user"               varchar(30) primary key,
    UserName             varchar(60) not null default ''
);

-- Saved screen settings: type 'Z' search screens (a default row with a null
-- user per title, and a personal copy per user), type 'S' window placements.
create table APC_Scherm (
    ID                   bigserial primary key,
    "user"               varchar(30),
    Title                varchar(60) not null,
    Type                 varchar(1) not null check (Type in ('Z', 'S')),
    File                 varchar(60),
    ShowFile             varchar(60),
    ShowFindSource       varchar(60),
    ShowFindField        varchar(60),
    ShowDescription      varchar(60),
    ShowDescriptionWidth integer,
    "showfield(0)"       varchar(60),
    "showfield(1)"       varchar(60),
    "showfieldwidth(0)"  integer,
    "showfieldwidth(1)"  integer,
    "menutitle(0)" varchar(60), "menufilter(0)" varchar(500),
    "menutitle(1)" varchar(60), "menufilter(1)" varchar(500),
    "menutitle(2)" varchar(60), "menufilter(2)" varchar(500),
    "menutitle(3)" varchar(60), "menufilter(3)" varchar(500),
    "menutitle(4)" varchar(60), "menufilter(4)" varchar(500),
    "menutitle(5)" varchar(60), "menufilter(5)" varchar(500),
    "menutitle(6)" varchar(60), "menufilter(6)" varchar(500),
    "menutitle(7)" varchar(60), "menufilter(7)" varchar(500),
    "menutitle(8)" varchar(60), "menufilter(8)" varchar(500),
    "menutitle(9)" varchar(60), "menufilter(9)" varchar(500),
    WindowState          integer,
    Top                  integer,
    "left"               integer,
    Height               integer,
    Width                integer,
    FilterLocate         varchar(1),
    StartContain         varchar(1),
    SearchOrder          varchar(1),
    SearchInitialisation varchar(1),
    SearchTop            integer,
    SearchOrderField     varchar(60),
    SearchOrderOrder     varchar(200),
    SearchOrderOrderDesc varchar(200),
    SearchAlpha          varchar(60),
    SearchNumber         varchar(60),
    SearchResult         varchar(120),
    SearchInfo           varchar(1000),
    "field(0)" varchar(60), "title(0)" varchar(40), "width(0)" integer, "number(0)" varchar(1), "sort(0)" smallint,
    "field(1)" varchar(60), "title(1)" varchar(40), "width(1)" integer, "number(1)" varchar(1), "sort(1)" smallint,
    "field(2)" varchar(60), "title(2)" varchar(40), "width(2)" integer, "number(2)" varchar(1), "sort(2)" smallint,
    "field(3)" varchar(60), "title(3)" varchar(40), "width(3)" integer, "number(3)" varchar(1), "sort(3)" smallint,
    "field(4)" varchar(60), "title(4)" varchar(40), "width(4)" integer, "number(4)" varchar(1), "sort(4)" smallint,
    "field(5)" varchar(60), "title(5)" varchar(40), "width(5)" integer, "number(5)" varchar(1), "sort(5)" smallint,
    "field(6)" varchar(60), "title(6)" varchar(40), "width(6)" integer, "number(6)" varchar(1), "sort(6)" smallint,
    "field(7)" varchar(60), "title(7)" varchar(40), "width(7)" integer, "number(7)" varchar(1), "sort(7)" smallint,
    "field(8)" varchar(60), "title(8)" varchar(40), "width(8)" integer, "number(8)" varchar(1), "sort(8)" smallint,
    "field(9)" varchar(60), "title(9)" varchar(40), "width(9)" integer, "number(9)" varchar(1), "sort(9)" smallint,
    Active               integer,
    unique nulls not distinct ("user", Title, Type)
);

-- The debtor search reads the administration's name and place beside the key.
create view ZoekDebiteur as
    select d.Debnr, a.Naam, a.Adres1, a.Postcode, a.Woonpl
    from Debiteur d join ADM_Debiteur a on a.Debnr = d.Debnr;

-- Helpers for statements written in the style of the other programs of the
-- manufacturer: len() ignores trailing blanks and counts leading ones (keys
-- are right-aligned), getdate() is the server's clock.
create function len(value text) returns integer
    language sql immutable parallel safe
    return char_length(rtrim(value));
create function len(value numeric) returns integer
    language sql immutable parallel safe
    return char_length(value::text);
create function getdate() returns timestamp
    language sql stable parallel safe
    return localtimestamp;
