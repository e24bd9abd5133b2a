-- Demo data of the order database, matching the article codes, colours and
-- profile of the demo catalog (demo/ARTIKELEN.md). Debtor numbers are stored
-- padded to 6 characters ("  4711").

insert into Leveringswijze (Levwijze, Omschrijving) values
    ('AF', 'Afhalen'),
    ('EV', 'Eigen vervoer'),
    ('TR', 'Transporteur'),
    ('PN', 'Pakketdienst'),
    ('KL', 'Koerier');

insert into Productgroep (Productgroep, Omschrijving, Onderdorpel) values
    ('KUNSTSTOF',   'Onderdorpels kunststof',   true),
    ('HARDHOUT',    'Onderdorpels hardhout',    true),
    ('ALUMINIUM',   'Onderdorpels aluminium',   true),
    ('KUNSTSTEEN',  'Kunststeen dorpels',       true),
    ('VENSTERBANK', 'Vensterbanken',            false),
    ('PROFIEL',     'Slaglatten en afdekprofielen', false),
    ('TOEBEHOREN',  'Toebehoren',               false),
    ('BEWERKING',   'Bewerkingen',              false);

insert into Verpakkingstype (Verpakkingstype, Omschrijving, Colli, Inhoud, Etiket) values
    ('BUNDEL5',  'Bundel van 5 lengtes',   'Bundel', 5,   true),
    ('BUNDEL10', 'Bundel van 10 lengtes',  'Bundel', 10,  true),
    ('DOOS10',   'Doos van 10 stuks',      'Doos',   10,  false),
    ('DOOS50',   'Doos van 50 stuks',      'Doos',   50,  false),
    ('KOKER',    'Koker maatwerk',         'Koker',  6,   true),
    ('PAK',      'Pak van 4',              'Pak',    4,   true),
    ('PALLET',   'Pallet',                 'Pallet', 20,  true),
    ('LOS',      'Los',                    'Stuk',   1,   false);

insert into Kleur (Kleur, Omschrijving, Kleurgroep) values
    ('9010', 'Zuiverwit', 'Standaard'), ('9001', 'Crèmewit', 'Standaard'),
    ('9016', 'Verkeerswit', 'Standaard'), ('7016', 'Antracietgrijs', 'Standaard'),
    ('7021', 'Zwartgrijs', 'Standaard'), ('7035', 'Lichtgrijs', 'Standaard'),
    ('7039', 'Kwartsgrijs', 'Standaard'), ('9005', 'Gitzwart', 'Standaard'),
    ('9006', 'Blank aluminium', 'Metallic'), ('9007', 'Grijs aluminium', 'Metallic'),
    ('1013', 'Parelwit', 'Speciaal'), ('1015', 'Licht ivoorkleurig', 'Speciaal'),
    ('3004', 'Purperrood', 'Speciaal'), ('3005', 'Wijnrood', 'Speciaal'),
    ('5011', 'Staalblauw', 'Speciaal'), ('6009', 'Dennengroen', 'Speciaal'),
    ('6021', 'Bleekgroen', 'Speciaal'), ('8014', 'Sepiabruin', 'Speciaal'),
    ('8017', 'Chocoladebruin', 'Speciaal'), ('8019', 'Grijsbruin', 'Speciaal'),
    ('ANOD', 'Geanodiseerd naturel', 'Anodiseren'), ('BRNS', 'Brons geanodiseerd', 'Anodiseren');

-- MP1: coating of profiles per metre; MP2: coating per piece. A colour used
-- on several lines can be coated at one total price from 20 metres on.
insert into Moffelprijslijst (Prijslijst, Kleurgroep, PrijsType, VanafAantal, Prijs) values
    ('MP1', 'Standaard',  'M', 0,   6.50), ('MP1', 'Standaard',  'M', 50, 5.75),
    ('MP1', 'Metallic',   'M', 0,   8.25),
    ('MP1', 'Speciaal',   'M', 0,   9.90),
    ('MP1', 'Anodiseren', 'M', 0,  11.40),
    ('MP1', 'Standaard',  'T', 20, 95.00), ('MP1', 'Speciaal', 'T', 20, 145.00),
    ('MP1', 'Metallic',   'T', 20, 120.00),
    ('MP2', 'Standaard',  'S', 0,   2.40), ('MP2', 'Metallic', 'S', 0, 3.10),
    ('MP2', 'Speciaal',   'S', 0,   3.60), ('MP2', 'Anodiseren', 'S', 0, 4.20);

insert into Artikel (Artikel, Tekst, Omschrijving_1, Omschrijving_2, Eenheid, BerekeningAantal, Subaantal,
                     Aktief, VoorraadVoorloopArtikel, Maatcorrectie, Catalogus, Gewicht, Aantal_overdoos,
                     Prijslijst, Productgroep, Afdrukken_1, Afdrukken_2, ALT_Toets, Maatinvoer,
                     Bevestigingswijze, BevestigingUDK, BevestigingHOH, BevestigingMV,
                     StandaardVerpakkingstype, MaatwerkVerpakkingstype, Prijs, PrijsOpMaat) values
    ('OD56',   false, 'Onderdorpel kunststof 56 mm', '', 'Meter', 'Aantal x maat', null, true, null, 2, 'K-OD56', 1.150, null, 'MP1', 'KUNSTSTOF', '', '', '', 1, '', 0, 0, 0, 'BUNDEL10', 'KOKER', 14.80, 17.60),
    ('OD67',   false, 'Onderdorpel kunststof 67 mm', '', 'Meter', 'Aantal x maat', null, true, null, 2, 'K-OD67', 1.320, null, 'MP1', 'KUNSTSTOF', '', '', '', 1, '', 0, 0, 0, 'BUNDEL10', 'KOKER', 16.90, 19.95),
    ('OD78',   false, 'Onderdorpel kunststof 78 mm', '', 'Meter', 'Aantal x maat', null, true, null, 2, 'K-OD78', 1.480, null, 'MP1', 'KUNSTSTOF', '', '', '', 1, '', 0, 0, 0, 'BUNDEL5',  'KOKER', 18.75, 22.10),
    ('OD90',   false, 'Onderdorpel kunststof 90 mm', '', 'Meter', 'Aantal x maat', null, true, null, 2, 'K-OD90', 1.690, null, 'MP1', 'KUNSTSTOF', '', '', '', 1, '', 0, 0, 0, 'BUNDEL5',  'KOKER', 21.40, 25.30),
    ('OD114',  false, 'Onderdorpel kunststof 114 mm', '', 'Meter', 'Aantal x maat', null, true, null, 2, 'K-OD114', 2.050, null, 'MP1', 'KUNSTSTOF', '', '', '', 0, '', 0, 0, 0, 'BUNDEL5', 'KOKER', 26.80, 31.50),
    ('OD56X',  false, 'Onderdorpel 56 mm project-uitvoering', '', 'Meter', 'Aantal x maat', null, true, null, 2, 'K-OD56X', 1.150, null, 'MP1', 'KUNSTSTOF', '', '', '', 0, '', 0, 0, 0, 'BUNDEL10', 'KOKER', 15.95, 18.80),
    ('ODH67',  false, 'Onderdorpel hardhout 67 mm', 'Meranti, gegrond', 'Meter', 'Aantal x maat', null, true, null, null, 'H-ODH67', 1.900, null, null, 'HARDHOUT', '', '', '', 0, '', 0, 0, 0, 'BUNDEL5', null, 19.60, null),
    ('ODA78',  false, 'Onderdorpel aluminium 78 mm', '', 'Meter', 'Meter-dm', null, true, null, 3, 'A-ODA78', 1.250, null, 'MP1', 'ALUMINIUM', '', '', '', 0, '', 0, 0, 0, 'BUNDEL5', 'KOKER', 24.30, 28.90),
    ('ODT90',  false, 'Onderdorpel thermisch onderbroken 90 mm', '', 'Meter', 'Meter-dm', null, true, null, 3, 'A-ODT90', 1.780, null, 'MP1', 'ALUMINIUM', '', '', '', 1, '', 0, 0, 0, 'BUNDEL5', 'KOKER', 34.50, 39.90),
    ('SL20',   false, 'Slaglat aluminium 20 mm', '', 'Meter', 'Aantal x maat', null, true, null, null, 'P-SL20', 0.210, null, 'MP1', 'PROFIEL', '', '', '', 0, '', 0, 0, 0, 'BUNDEL10', null, 4.20, null),
    ('SL30',   false, 'Slaglat aluminium 30 mm', '', 'Meter', 'Aantal x maat', null, true, null, null, 'P-SL30', 0.290, null, 'MP1', 'PROFIEL', '', '', '', 0, '', 0, 0, 0, 'BUNDEL10', null, 5.10, null),
    ('WS25',   false, 'Waterslag aluminium 25 mm', '', 'Meter', 'Aantal x maat', null, true, null, null, 'P-WS25', 0.340, null, 'MP1', 'PROFIEL', '', '', '', 0, '', 0, 0, 0, 'BUNDEL10', null, 5.90, null),
    ('AFP100', false, 'Afdekprofiel 100 mm', '', 'Meter', 'Meter-dm', null, true, null, null, 'P-AFP100', 0.620, null, 'MP1', 'PROFIEL', '', '', '', 0, '', 0, 0, 0, 'BUNDEL5', null, 8.70, null),
    ('AFP150', false, 'Afdekprofiel 150 mm', '', 'Meter', 'Meter-dm', null, true, null, null, 'P-AFP150', 0.880, null, 'MP1', 'PROFIEL', '', '', '', 0, '', 0, 0, 0, 'BUNDEL5', null, 11.40, null),
    ('KD100',  false, 'Kunststeen dorpel 100 mm', '', 'Meter', 'Meter-dm', null, true, null, null, 'S-KD100', 9.500, null, null, 'KUNSTSTEEN', 'Briefjes', '', '', 1, '', 0, 0, 0, 'PALLET', 'PALLET', null, 42.00),
    ('KD150',  false, 'Kunststeen dorpel 150 mm', '', 'Meter', 'Meter-dm', null, true, null, null, 'S-KD150', 13.800, null, null, 'KUNSTSTEEN', 'Briefjes', '', '', 0, '', 0, 0, 0, 'PALLET', 'PALLET', null, 55.50),
    ('KD200',  false, 'Kunststeen dorpel 200 mm', '', 'Meter', 'Meter-dm', null, true, null, null, 'S-KD200', 18.200, null, null, 'KUNSTSTEEN', 'Briefjes', '', '', 0, '', 0, 0, 0, 'PALLET', 'PALLET', null, 68.00),
    ('VB120',  false, 'Vensterbank kunststeen 120 mm', '', 'Meter', 'Aantal x maat', null, true, null, null, 'V-VB120', 7.200, null, null, 'VENSTERBANK', '', '', '', 0, '', 0, 0, 0, 'PAK', 'PAK', null, 36.00),
    ('VB200',  false, 'Vensterbank kunststeen 200 mm', '', 'Meter', 'Aantal x maat', null, true, null, null, 'V-VB200', 11.900, null, null, 'VENSTERBANK', '', '', '', 0, '', 0, 0, 0, 'PAK', 'PAK', null, 49.50),
    ('VB250',  false, 'Vensterbank kunststeen 250 mm', '', 'Meter', 'Aantal x maat', null, true, null, null, 'V-VB250', 14.800, null, null, 'VENSTERBANK', '', '', '', 0, '', 0, 0, 0, 'PAK', 'PAK', null, 58.00),
    ('VB300',  false, 'Vensterbank composiet 300 mm', '', 'Meter', 'Aantal x maat', null, true, null, null, 'V-VB300', 9.600, null, null, 'VENSTERBANK', '', '', '', 0, '', 0, 0, 0, 'PAK', 'PAK', null, 64.00),
    ('ODK56',  false, 'Dorpelstuk op maat 56 mm', '', 'Meter', 'Aantal', null, true, null, null, 'K-ODK56', 1.150, null, 'MP2', 'KUNSTSTOF', '', '', '', 0, '', 0, 0, 0, 'DOOS10', 'DOOS10', null, 9.80),
    ('ODK67',  false, 'Dorpelstuk op maat 67 mm', '', 'Meter', 'Aantal', null, true, null, null, 'K-ODK67', 1.320, null, 'MP2', 'KUNSTSTOF', '', '', '', 0, '', 0, 0, 0, 'DOOS10', 'DOOS10', null, 10.90),
    ('SPR01', false, 'Speciaal profiel volgens tekening', '', 'Meter', 'Aantal x maat', null, true, null, null, 'K-SPR01', 1.500, null, 'MP1', 'KUNSTSTOF', '', '', '', 0, '', 0, 0, 0, 'KOKER', 'KOKER', null, 45.00),
    ('EK56',   false, 'Eindkap 56 mm (set links/rechts)', '', 'Stuks', 'Aantal', 1, true, null, 3, 'T-EK56', 0.040, 10, 'MP2', 'TOEBEHOREN', '', '', '', 0, '', 0, 0, 0, 'DOOS50', null, 1.85, null),
    ('EK67',   false, 'Eindkap 67 mm (set links/rechts)', '', 'Stuks', 'Aantal', 1, true, null, 3, 'T-EK67', 0.045, 10, 'MP2', 'TOEBEHOREN', '', '', '', 0, '', 0, 0, 0, 'DOOS50', null, 1.95, null),
    ('EK78',   false, 'Eindkap 78 mm (set links/rechts)', '', 'Stuks', 'Aantal', 1, true, null, 3, 'T-EK78', 0.050, 10, 'MP2', 'TOEBEHOREN', '', '', '', 0, '', 0, 0, 0, 'DOOS50', null, 2.10, null),
    ('EK90',   false, 'Eindkap 90 mm (set links/rechts)', '', 'Stuks', 'Aantal', 1, true, null, 4, 'T-EK90', 0.055, 10, 'MP2', 'TOEBEHOREN', '', '', '', 0, '', 0, 0, 0, 'DOOS50', null, 2.25, null),
    ('EKS56',  false, 'Eindkap 56 mm met sponning', '', 'Stuks', 'Aantal', 1, true, null, 5, 'T-EKS56', 0.050, 10, 'MP2', 'TOEBEHOREN', '', '', '', 0, '', 0, 0, 0, 'DOOS50', null, 2.45, null),
    ('HK90',   false, 'Hoekstuk 90 graden', '', 'Stuks', 'Aantal', 1, true, null, null, 'T-HK90', 0.300, null, null, 'TOEBEHOREN', '', '', '', 0, '', 0, 0, 0, 'DOOS10', null, 6.50, null),
    ('KS10',   false, 'Koppelstuk kunststof', '', 'Stuks', 'Aantal', 1, true, null, null, 'T-KS10', 0.030, null, null, 'TOEBEHOREN', 'Briefjes', '', '', 0, '', 0, 0, 0, 'DOOS50', null, 1.20, null),
    ('BB12',   false, 'Bevestigingsbeugel verzinkt', '', 'Stuks', 'Aantal', 1, true, null, null, 'T-BB12', 0.080, null, null, 'TOEBEHOREN', '', '', '', 0, 'A', 100, 500, 0, 'DOOS50', null, 0.95, null),
    ('SCH45',  false, 'Schroef RVS 4,5 x 45 (doos 200)', '', 'Stuks', 'Aantal', 1, true, null, null, 'T-SCH45', 0.900, null, null, 'TOEBEHOREN', '', '', '', 0, '', 0, 0, 0, 'LOS', null, 18.50, null),
    ('PL8',    false, 'Plug nylon 8 mm (doos 100)', '', 'Stuks', 'Aantal', 1, true, null, null, 'T-PL8', 0.250, null, null, 'TOEBEHOREN', '', '', '', 0, '', 0, 0, 0, 'LOS', null, 6.90, null),
    ('KIT310', false, 'Afdichtingskit koker 310 ml', '', 'Stuks', 'Aantal', 1, true, null, null, 'T-KIT310', 0.450, 12, null, 'TOEBEHOREN', '', '', '', 0, '', 0, 0, 0, 'DOOS10', null, 7.75, null),
    ('OTD10',  false, 'Ontwateringsdop', '', 'Stuks', 'Aantal', 1, true, null, null, 'T-OTD10', 0.010, null, null, 'TOEBEHOREN', '', '', '', 0, 'M', 150, 600, 400, 'DOOS50', null, 0.45, null),
    ('VS56',   false, 'Vulstuk 56 mm', '', 'Stuks', 'Aantal', 1, true, null, null, 'T-VS56', 0.060, null, null, 'TOEBEHOREN', '', '', '', 0, '', 0, 0, 0, 'DOOS50', null, 1.10, null),
    ('ADB20',  false, 'Afdichtingsband 20 mm (rol 10 m)', '', 'Stuks', 'Aantal', 1, true, null, null, 'T-ADB20', 0.200, null, null, 'TOEBEHOREN', '', '', '', 0, '', 0, 0, 0, 'DOOS10', null, 8.40, null),
    ('NEUT20', false, 'Neut kunststeen 200 x 200 mm', '', 'Stuks', 'Aantal', 2, true, null, null, 'S-NEUT20', 3.400, null, null, 'TOEBEHOREN', 'Briefjes', '', '', 0, '', 0, 0, 0, 'LOS', null, 14.50, null),
    ('LIJM1',  false, 'Montagelijm patroon', '', 'Stuks', 'Aantal', 1, true, null, null, 'T-LIJM1', 0.350, null, null, 'TOEBEHOREN', '', '', '', 0, '', 0, 0, 0, 'DOOS10', null, 9.25, null),
    ('SPL',    true,  'Sponning links', '', 'Stuks', 'Aantal', 1, true, null, null, 'B-SPL', null, null, null, 'BEWERKING', '', '', 'S', 0, '', 0, 0, 0, null, null, 3.50, null),
    ('SPR',    true,  'Sponning rechts', '', 'Stuks', 'Aantal', 1, true, null, null, 'B-SPR', null, null, null, 'BEWERKING', '', '', 'S', 0, '', 0, 0, 0, null, null, 3.50, null),
    ('MOF',    true,  'Moffelen in kleur', '', 'Stuks', 'Aantal', 1, true, null, null, 'B-MOF', null, null, null, 'BEWERKING', '', '', 'R', 0, '', 0, 0, 0, null, null, 0.00, null),
    ('AFV45',  true,  'Afkorten verstek 45 graden', '', 'Stuks', 'Aantal', 1, true, null, null, 'B-AFV45', null, null, null, 'BEWERKING', '', '', '', 0, '', 0, 0, 0, null, null, 4.25, null),
    ('GAT8',   true,  'Gat boren 8 mm', '', 'Stuks', 'Aantal', 1, true, null, null, 'B-GAT8', null, null, null, 'BEWERKING', '', '', '', 0, '', 0, 0, 0, null, null, 0.60, null),
    ('UTS',    true,  'Uitsparing volgens tekening', '', 'Stuks', 'Aantal', 1, true, null, null, 'B-UTS', null, null, null, 'BEWERKING', '', '', '', 0, '', 0, 0, 0, null, null, 12.00, null),
    ('CNC',    true,  'CNC-bewerking volgens tekening', '', 'Stuks', 'Aantal', 1, true, null, null, 'B-CNC', null, null, null, 'BEWERKING', '', '', '', 0, '', 0, 0, 0, null, null, 25.00, null),
    ('MOFFELEN', true, 'Moffelen', '', 'Stuks', 'Aantal', 1, true, null, null, 'B-MOFFELEN', null, null, null, 'BEWERKING', '', '', '', 0, '', 0, 0, 0, null, null, null, null),
    -- An article that is no longer sold: its stock successor is OD56.
    ('OD55',   false, 'Onderdorpel kunststof 55 mm (vervallen)', '', 'Meter', 'Aantal x maat', null, false, null, 2, 'K-OD55', 1.100, null, 'MP1', 'KUNSTSTOF', '', '', '', 0, '', 0, 0, 0, 'BUNDEL10', 'KOKER', 14.20, 16.90);
update Artikel set VoorraadVoorloopArtikel = 'OD55' where Artikel = 'OD56';

insert into ArtikelSubArtikel (Artikel, SubArtikel)
select a.artikel, s.sub
from (values ('OD56'), ('OD56X')) a(artikel), (values ('EK56'), ('EKS56'), ('KS10'), ('BB12'), ('VS56')) s(sub)
union all select a.artikel, s.sub
from (values ('OD67'), ('ODK67')) a(artikel), (values ('EK67'), ('KS10'), ('BB12')) s(sub)
union all select 'OD78', s.sub from (values ('EK78'), ('KS10'), ('BB12'), ('OTD10')) s(sub)
union all select a.artikel, s.sub
from (values ('OD90'), ('ODT90')) a(artikel), (values ('EK90'), ('KS10'), ('BB12'), ('OTD10')) s(sub)
union all select a.artikel, s.sub
from (values ('OD114'), ('ODA78')) a(artikel), (values ('KS10'), ('BB12'), ('OTD10')) s(sub)
union all select 'ODH67', s.sub from (values ('SCH45'), ('PL8')) s(sub)
union all select 'ODK56', 'EK56'
union all select a.artikel, s.sub
from (values ('KD100'), ('KD150'), ('KD200')) a(artikel), (values ('NEUT20'), ('KIT310')) s(sub)
union all select a.artikel, s.sub
from (values ('VB120'), ('VB200'), ('VB250'), ('VB300')) a(artikel), (values ('HK90'), ('KIT310'), ('LIJM1')) s(sub)
-- operations
union all select a.artikel, s.sub
from (values ('OD56'), ('OD67'), ('OD78'), ('OD90'), ('OD114'), ('OD56X'), ('ODK56'), ('ODK67')) a(artikel),
     (values ('SPL'), ('SPR'), ('MOF'), ('AFV45'), ('GAT8'), ('UTS'), ('CNC')) s(sub)
union all select a.artikel, s.sub
from (values ('ODA78'), ('ODT90')) a(artikel), (values ('SPL'), ('SPR'), ('MOF'), ('GAT8')) s(sub)
union all select 'ODH67', s.sub from (values ('SPL'), ('SPR'), ('AFV45')) s(sub)
union all select a.artikel, s.sub
from (values ('KD100'), ('KD150'), ('KD200')) a(artikel), (values ('SPL'), ('SPR'), ('UTS')) s(sub)
union all select a.artikel, s.sub
from (values ('VB120'), ('VB200'), ('VB250'), ('VB300')) a(artikel), (values ('AFV45'), ('UTS'), ('CNC')) s(sub)
union all select a.artikel, s.sub
from (values ('SL20'), ('SL30'), ('WS25'), ('AFP100'), ('AFP150')) a(artikel), (values ('MOF'), ('AFV45')) s(sub);

insert into ArtikelAfbeelding (Artikel, Afbeelding) values
    ('OD56', 'OD56.png'), ('OD67', 'OD67.png'), ('OD78', 'OD78.png'), ('ODH67', 'ODH67.png'),
    ('ODT90', 'ODT90.png'), ('KD100', 'KD100.png'), ('VB120', 'VB120.png'), ('HK90', 'HK90.png');

-- EAN codes: the manufacturer's prefix 871234, a product number, a check digit.
insert into ArtikelEAN (EAN, Artikel, Maat, Uitvoering, Subartikel_1, Subartikel_2) values
    ('8712340000017', 'OD56',  '3',       'Geboord',   'EK56',  ''),
    ('8712340000024', 'OD56',  '6',       'Ongeboord', '',      ''),
    ('8712340000031', 'OD67',  '3,6',     'Geboord',   'EK67',  'GAT8'),
    ('8712340000048', 'OD67',  'Op maat', 'Ongeboord', 'EK67',  ''),
    ('8712340000055', 'OD78',  '4,2',     'Geboord',   'EK78',  'OTD10'),
    ('8712340000062', 'ODA78', 'Op maat', 'Geboord',   'KS10',  'SPL'),
    ('8712340000079', 'ODH67', '2,4',     '',          'SCH45', ''),
    ('8712340000086', 'KD100', 'Op maat', '',          'NEUT20', 'SPR'),
    ('8712340000093', 'VB200', 'Op maat', '',          'HK90',  ''),
    ('8712340000109', 'SL20',  '3',       '',          '',      ''),
    ('8712340000116', 'EK56',  '',        '',          '',      ''),
    ('8712340000123', 'KIT310', '',       '',          '',      '');

-- Sill macros. The proposed macros (KeuzeVoorstel) of each machined sill
-- give its sill type: KD100 BW (one position), OD56 BB (a position with a
-- distance to the edge only), OD67 HR and OD78 HL (four positions), OD90 H2
-- (five), ODT90 H1 (six).
insert into Onderdorpelmacro (Macro, Omschrijving) values
    ('GEEN',  'Geen bewerking'),
    ('AFK',   'Recht afkorten'),
    ('AFV',   'Afkorten verstek'),
    ('SPB',   'Sponning binnen'),
    ('SPBU',  'Sponning buiten'),
    ('UDK50', 'Uitsparing dagkant 50 mm'),
    ('UDK70', 'Uitsparing dagkant 70 mm'),
    ('HS1',   'Hefschuif rail enkel'),
    ('HS2',   'Hefschuif rail dubbel'),
    ('HSM',   'Hefschuif middenstijl'),
    ('HSL',   'Hefschuif loopwagen links'),
    ('HSR',   'Hefschuif loopwagen rechts'),
    ('OTW',   'Ontwateringssleuf'),
    ('KOP',   'Koppelsleuf');

insert into ArtikelOnderdorpelmacro (Artikel, Bewerking, Macro, UDK, HOH, KeuzeSimpel, KeuzeVoorstel, Keuze) values
    -- KD100: BW
    ('KD100', 1, 'AFK',   null, null, true,  true,  1),
    ('KD100', 1, 'AFV',   null, null, false, false, 2),
    -- OD56: BB
    ('OD56', 1, 'AFK',    null, null, true,  true,  1),
    ('OD56', 1, 'AFV',    null, null, false, false, 2),
    ('OD56', 2, 'SPB',    50,   null, true,  true,  1),
    ('OD56', 2, 'SPBU',   70,   null, true,  false, 2),
    ('OD56', 3, 'AFK',    null, null, true,  true,  1),
    -- OD67: HR (both distances only at position 2)
    ('OD67', 1, 'AFK',    null, null, true,  true,  1),
    ('OD67', 2, 'HS1',    60,   120,  true,  true,  1),
    ('OD67', 2, 'HS2',    60,   140,  false, false, 2),
    ('OD67', 3, 'HSM',    null, null, true,  true,  1),
    ('OD67', 4, 'AFK',    null, null, true,  true,  1),
    ('OD67', 4, 'AFV',    null, null, false, false, 2),
    -- OD78: HL (both distances at positions 1 and 2)
    ('OD78', 1, 'HSL',    40,   100,  true,  true,  1),
    ('OD78', 2, 'HS1',    60,   120,  true,  true,  1),
    ('OD78', 3, 'HSM',    null, null, true,  true,  1),
    ('OD78', 4, 'AFK',    null, null, true,  true,  1),
    -- OD90: H2
    ('OD90', 1, 'AFK',    null, null, true,  true,  1),
    ('OD90', 2, 'HS2',    60,   140,  true,  true,  1),
    ('OD90', 3, 'HSM',    null, null, true,  true,  1),
    ('OD90', 4, 'HS2',    60,   140,  true,  true,  1),
    ('OD90', 5, 'AFK',    null, null, true,  true,  1),
    ('OD90', 5, 'OTW',    null, null, false, false, 2),
    -- ODT90: H1
    ('ODT90', 1, 'AFK',   null, null, true,  true,  1),
    ('ODT90', 2, 'HSL',   40,   100,  true,  true,  1),
    ('ODT90', 3, 'OTW',   null, null, true,  true,  1),
    ('ODT90', 4, 'HSM',   null, null, true,  true,  1),
    ('ODT90', 5, 'HSR',   40,   100,  true,  true,  1),
    ('ODT90', 6, 'AFK',   null, null, true,  true,  1),
    ('ODT90', 6, 'KOP',   null, null, false, false, 2);

insert into PSR_Relatie (Relatie, Zoeknaam, Naam, Naam2, Huisadres, Huisadres2, Huisadres3, HuisPostcode,
                         Huisplaats, HuisLand, PostPostcode, Telefoon, Fax) values
    (1001, 'DE VRIES ARNHEM', 'Bouwbedrijf De Vries B.V.', '', 'Industrieweg 12', '', '', '6827 AB', 'ARNHEM', 'Nederland', '6800 AA', '026-3701234', '026-3701235'),
    (1002, 'KOZIJNBOUW OOST', 'Kozijnbouw Oost', 'Vestiging Zeist', 'Handelsweg 4', '', '', '3707 NH', 'ZEIST', 'Nederland', '3700 AB', '030-6912345', ''),
    (1003, 'PROJECT HET LOO', 'Project Het Loo', 'p/a Bouwkeet fase 2', 'Koningslaan 1', 'Bouwterrein noord', '', '7315 JA', 'APELDOORN', 'Nederland', '', '06-12345678', ''),
    (1004, 'MAGAZIJN', 'Magazijn De Vries', '', 'Industrieweg 14', '', '', '6827 AB', '', 'Nederland', '', '', ''),
    (1005, 'JANSEN KOZIJNEN', 'Kozijnfabriek Jansen', '', 'Fabrieksstraat 8', '', '', '5611 KL', 'EINDHOVEN', 'Nederland', '5600 AA', '040-2123456', '040-2123457'),
    (1006, 'BAKKER AANNEMING', 'Aannemersbedrijf Bakker', '', 'Dorpsstraat 101', '', '', '1741 BA', 'SCHAGEN', 'Nederland', '', '0224-212121', ''),
    (1007, 'SMIT TIMMERWERK', 'Timmerbedrijf Smit', '', 'Molenweg 3', '', '', '9401 RT', 'ASSEN', 'Nederland', '', '0592-343434', ''),
    (1008, 'O''BRIEN BOUW', 'O''Brien & Zn.', 'Bouw "Noord"', 'Kade 7', '', '', '1011 AB', 'AMSTERDAM', 'Nederland', '', '020-1112223', ''),
    (1009, 'CHANTIER LIEGE', 'Menuiserie Lefèvre', '', 'Rue de l''Église 5', '', '', '4000', 'LIÈGE', 'België', '', '+32 4 2223344', '');

insert into Afleverinstructie (Relatie, Instructie_1, Instructie_2) values
    (1002, 'Lossen aan de achterzijde, ingang Handelsweg 6', 'Bellen bij aankomst: 030-6912345'),
    (1003, 'Bouwterrein alleen bereikbaar via Koningslaan', 'Lossen tussen 7:00 en 15:00 uur'),
    (1009, 'Livraison avant 12h00', '');

insert into ADM_Debiteur (Debnr, Naam, Adres1, Postcode, Woonpl, Landomschrijving) values
    ('104711', 'Bouwbedrijf De Vries B.V.', 'Industrieweg 12', '6827 AB', 'Arnhem', 'Nederland'),
    ('104712', 'Kozijnfabriek Jansen', 'Fabrieksstraat 8', '5611 KL', 'Eindhoven', 'Nederland'),
    ('200001', 'Aannemersbedrijf Bakker', 'Dorpsstraat 101', '1741 BA', 'Schagen', 'Nederland'),
    ('  4711', 'Timmerbedrijf Smit', 'Molenweg 3', '9401 RT', 'Assen', 'Nederland'),
    ('300300', 'O''Brien & Zn.', 'Kade 7', '1011 AB', 'Amsterdam', 'Nederland'),
    ('400400', 'Menuiserie Lefèvre', 'Rue de l''Église 5', '4000', 'Liège', 'België'),
    -- In the administration only: no order-desk data yet.
    ('500500', 'Nieuwe Klant B.V.', 'Startbaan 1', '1000 AA', 'Amsterdam', 'Nederland');

insert into Debiteur (Debnr, Levwijze, Faktuurrelatie, Vracht, Kontrakt, Pakbon, Faktuur, EtiketAfdrukken,
                      Kosten, Etiket, Korting, OrderKorting, MoffelKorting) values
    ('104711', 'TR', 1001, 0,     true,  'J', 'J', 'J', true,  'A', 5.00, 2.00, 10.00),
    ('104712', 'TR', 1005, 35.00, true,  'J', 'J', 'J', true,  '',  3.00, null, null),
    ('200001', 'EV', 1006, 0,     false, 'J', 'J', 'N', false, 'N', null, null, null),
    ('  4711', 'AF', 1007, 0,     false, 'J', 'V', 'J', true,  '',  null, null, null),
    ('300300', 'KL', 1008, 12.50, false, 'J', 'J', 'J', false, '',  7.50, null, null),
    ('400400', 'TR', 1009, 75.00, false, 'J', 'J', 'J', false, '',  null, null, null);

insert into Verzendadres (Debnr, Verzend, Levwijze, AfleverRelatie, Vracht, S_kontrakt, M_kontrakt, P_kontrakt,
                          G_kontrakt, B_kontrakt, Pakbon, EtiketAfdrukken, Kosten, FaktuurRelatie, BetalingVooraf,
                          VerzendRelatie, Naam, Adres, Plaats, Etiket, Aantal, BedrijfsLogo,
                          Leverdatum_1, Leverdatum_2, Leverdatum_3, Leverdatum_4, Leverdatum_5, Leverdatum_6, Leverdatum_7) values
    ('104711', '01', '',   null, 'J', 'J', 'J', 'J', 'J', 'J', 'J', 'O', 'O', null, false, 1001, 'Bouwbedrijf De Vries B.V.', 'Industrieweg 12', 'ARNHEM', '', null, '', '', '', '', '', '', '', ''),
    ('104711', '02', 'TR', 1002, 'J', 'N', 'J', 'J', 'J', 'J', 'J', 'J', 'O', null, false, 1002, 'Kozijnbouw Oost', 'Handelsweg 4', 'ZEIST', 'A', 2, '', '12', '13', '14', '15', '22', '22', '22'),
    ('104711', '03', 'EV', 1003, 'N', 'J', 'N', 'J', 'J', 'N', 'N', 'N', 'J', 1001, false, 1003, 'Project Het Loo', 'Koningslaan 1', 'APELDOORN', '', null, '', '', '', '', '', '', '', ''),
    ('104711', '04', 'AF', null, 'J', 'J', 'J', 'J', 'J', 'J', 'J', 'O', 'O', null, false, 1004, 'Magazijn', 'Industrieweg 14', '', '', null, '', '', '', '', '', '', '', ''),
    ('104712', '01', '',   1005, 'J', 'J', 'J', 'J', 'J', 'J', 'J', 'O', 'O', null, false, 1005, 'Kozijnfabriek Jansen', 'Fabrieksstraat 8', 'EINDHOVEN', '', null, '', '', '', '', '', '', '', ''),
    -- This address delivers only after payment in advance.
    ('200001', '01', '',   null, 'J', 'J', 'J', 'J', 'J', 'J', 'J', 'O', 'O', null, true,  1006, 'Aannemersbedrijf Bakker', 'Dorpsstraat 101', 'SCHAGEN', '', null, '', '', '', '', '', '', '', ''),
    ('  4711', '01', '',   null, 'J', 'J', 'J', 'J', 'J', 'J', 'J', 'O', 'O', null, false, 1007, 'Timmerbedrijf Smit', 'Molenweg 3', 'ASSEN', '', null, '', '', '', '', '', '', '', ''),
    ('300300', '01', '',   1008, 'J', 'J', 'J', 'J', 'J', 'J', 'J', 'O', 'O', null, false, 1008, 'O''Brien & Zn.', 'Kade 7', 'AMSTERDAM', '', null, '', '', '', '', '', '', '', ''),
    ('400400', '01', 'TR', 1009, 'J', 'J', 'J', 'J', 'J', 'J', 'J', 'O', 'O', null, false, 1009, 'Menuiserie Lefèvre', 'Rue de l''Église 5', 'LIÈGE', '', null, '', '', '', '', '', '', '', '');

insert into DebiteurArtikel (Debnr, Artikel, ArtikelKlant, Uitvoering_1, Uitvoering_2, Verpakkingstype) values
    ('104711', 'OD67',  'DV-DORPEL-67',             'Geboord', 'Ongeboord', null),
    ('104711', 'OD56X', 'DEVRIES-ONDERDORPEL-56MM', 'Geboord', 'Geboord',   'BUNDEL5'),
    ('104711', 'VB300', 'DV-VB300',                 '',        '',          null),
    ('104711', 'OD56',  '',                         'Ongeboord', 'Geboord', null),
    ('104712', 'OD78',  'J-78',                     'Geboord', '',          null);

insert into VerzendadresArtikel (Debnr, Verzend, Artikel, ArtikelKlant, Uitvoering_1, Uitvoering_2) values
    ('104711', '02', 'KD150', 'OOST-KD150',   '', ''),
    ('104711', '02', 'EKS56', 'OOST-EKS56',   '', ''),
    ('104711', '03', 'LIJM1', 'HL-LIJM',      '', ''),
    ('104711', '03', 'UTS',   'HL-UITSPARING', '', '');

insert into DebiteurPrijs (Debnr, Artikel, Soort, VanafDatum, Prijs, Korting) values
    ('104711', 'OD56',  'H', date '2024-01-01', 13.95, null),
    ('104711', 'OD56',  'M', date '2024-01-01', 16.40, null),
    ('104711', 'KD150', 'M', date '2024-01-01', null,  8.00),
    ('104712', 'OD78',  'H', date '2024-01-01', 17.25, 2.50),
    ('104712', 'OD78',  'H', date '2026-01-01', 17.95, 2.50);

insert into DebiteurProductgroep (Debnr, Productgroep, Korting) values
    ('104711', 'VENSTERBANK', 12.50),
    ('104712', 'KUNSTSTOF', 6.00);

insert into Kontrakt (Kontrakt, Debnr, Datum, TotDatum, Type, Aktief, GebruikAfroep, Termijn, Verwerkt, Korting) values
    ('AK24001', '104711', date '2024-01-01', date '2030-12-31', 'A', true,  'K', 500,   120,  null),
    ('MK24002', '104711', date '2024-03-01', null,             'M', true,  'J', 1200,  310,  null),
    ('BK24003', '104711', date '2024-01-15', null,             'B', true,  'J', 25000, 8000, 5.00),
    ('BK24004', '104711', date '2025-01-01', null,             'B', true,  'J', 10000, 0,    3.00),
    ('AK23009', '104712', date '2023-01-01', date '2023-12-31', 'A', false, 'J', 200,  200,  null);

insert into KontraktArtikel (Kontrakt, Artikel, Prijs) values
    ('AK24001', 'OD67',  14.95),
    ('AK24001', 'EK67',  1.60),
    ('MK24002', 'ODA78', 21.00),
    ('AK23009', 'OD78',  15.00);

-- Free days: public holidays and the construction holiday.
insert into Vrijedag (VanDatum, TotDatum, Omschrijving)
select d, d, o from (values
    (date '2024-12-25', 'Eerste Kerstdag'), (date '2024-12-26', 'Tweede Kerstdag'),
    (date '2025-01-01', 'Nieuwjaarsdag'), (date '2025-04-21', 'Tweede Paasdag'),
    (date '2025-04-26', 'Koningsdag'), (date '2025-05-05', 'Bevrijdingsdag'),
    (date '2025-05-29', 'Hemelvaartsdag'), (date '2025-06-09', 'Tweede Pinksterdag'),
    (date '2025-12-25', 'Eerste Kerstdag'), (date '2025-12-26', 'Tweede Kerstdag'),
    (date '2026-01-01', 'Nieuwjaarsdag'), (date '2026-04-06', 'Tweede Paasdag'),
    (date '2026-04-27', 'Koningsdag'), (date '2026-05-14', 'Hemelvaartsdag'),
    (date '2026-05-25', 'Tweede Pinksterdag'), (date '2026-12-25', 'Eerste Kerstdag'),
    (date '2026-12-26', 'Tweede Kerstdag'), (date '2027-01-01', 'Nieuwjaarsdag'),
    (date '2027-03-29', 'Tweede Paasdag'), (date '2027-04-27', 'Koningsdag'),
    (date '2027-05-06', 'Hemelvaartsdag'), (date '2027-05-17', 'Tweede Pinksterdag'),
    (date '2027-12-25', 'Eerste Kerstdag'), (date '2027-12-26', 'Tweede Kerstdag'),
    (date '2028-01-01', 'Nieuwjaarsdag')) v(d, o)
union all select * from (values
    (date '2024-12-27', date '2024-12-31', 'Kerstsluiting'),
    (date '2025-07-21', date '2025-08-08', 'Bouwvak'),
    (date '2025-12-29', date '2025-12-31', 'Kerstsluiting'),
    (date '2026-07-20', date '2026-08-07', 'Bouwvak'),
    (date '2026-12-28', date '2026-12-31', 'Kerstsluiting'),
    (date '2027-07-19', date '2027-08-06', 'Bouwvak'),
    (date '2027-12-27', date '2027-12-31', 'Kerstsluiting')) p(van, tot, o);

insert into Konstanten (ID, "order", aantal, Tekst_HL_1, Tekst_OM_1, EAN_leverancier, MoffelProductie,
                        max_mm_doos, min_kg_doos, max_kg_doos, max_kg_bundel, BedrijfsLogo,
                        OverbundelenBundel, OverbundelenDoos, OverbundelenKoker, OverbundelenPak, OverbundelenPallet,
                        Leverdatum_1, Leverdatum_2, Leverdatum_3, Leverdatum_4, Leverdatum_5, Leverdatum_6, Leverdatum_7,
                        KleurToeslag, KleurToeslagBedrag, ExtraVrachtOmschrijving1, ExtraVrachtOmschrijving2,
                        Orderkosten, OrderkostenGrens) values
    (1, 24001, 10, 'Handelslengte', 'Op maat gezaagd volgens opgave', '871234', 1,
     1200, 30, 25, 40, 'Morvek Onderdorpels.png',
     true, false, true, false, false,
     '13', '14', '15', '22', '23', '23', '23',
     true, 25.00, 'Spoed, levering binnen 5 werkdagen', 'Spoed, levering volgende werkdag',
     15.00, 250.00);

insert into Standaardtekst (Tekst, Type, Productie_1, Productie_2, Productie_3, Aflever_1, Aflever_2, Aflever_3,
                            Aflever_4, Aflever_5, Referentie_2, Bevestiging, Omschrijving_1, Omschrijving_2,
                            Omschrijving_3, Afhaalinstructie, Opmerking_1, Opmerking_2) values
    (1,  'P', 'Voorrang: spoedorder', 'Inpakken per kozijnmerk', '', '', '', '', '', '', '', '', '', '', '', '', '', ''),
    (2,  'P', 'Koppelstukken los meeleveren', '', '', '', '', '', '', '', '', '', '', '', '', '', '', ''),
    (3,  'A', '', '', '', 'Lossen met kraan', 'Afleveren op bouwterrein', 'Bellen 30 min voor aankomst', '', '', '', '', '', '', '', '', '', ''),
    (4,  'A', '', '', '', 'Afleveren bij magazijn', 'Ingang achterzijde', '', '', '', '', '', '', '', '', '', '', ''),
    (5,  'R', '', '', '', '', '', '', '', '', 'Project: _', '', '', '', '', '', '', ''),
    (6,  'B', '', '', '', '', '', '', '', '', '', E'Levering onder voorbehoud van beschikbaarheid.\r\nPrijzen exclusief BTW.', '', '', '', '', '', ''),
    (7,  'O', '', '', '', '', '', '', '', '', '', '', 'Merk: _', 'Geboord', '', '', '', ''),
    (8,  'O', '', '', '', '', '', '', '', '', '', '', 'Kozijn _', 'Ongeboord', 'Volgens tekening', '', '', ''),
    (9,  'H', '', '', '', '', '', '', '', '', '', '', '', '', '', 'Afhalen aan de balie, ingang B', '', ''),
    (10, 'M', '', '', '', '', '', '', '', '', '', '', '', '', '', '', 'Breekbaar, niet stapelen', 'Rechtop vervoeren');

insert into APC_Gebruiker ("user", UserName) values
    ('Balie1', 'Orderbalie werkplek 1'),
    ('Balie2', 'Orderbalie werkplek 2'),
    ('Werkvoorbereiding', 'Werkvoorbereiding');

-- Default rows of the search screens (null user).
insert into APC_Scherm ("user", Title, Type, File, WindowState, Top, "left", Height, Width,
                        FilterLocate, StartContain, SearchOrder, SearchInitialisation, SearchTop,
                        SearchAlpha, SearchNumber, SearchResult, SearchInfo,
                        ShowFile, ShowFindSource, ShowFindField, ShowDescription, ShowDescriptionWidth,
                        "showfield(0)", "showfield(1)", "showfieldwidth(0)", "showfieldwidth(1)",
                        "menutitle(0)", "menufilter(0)", "menutitle(1)", "menufilter(1)",
                        "field(0)", "title(0)", "width(0)", "number(0)", "sort(0)",
                        "field(1)", "title(1)", "width(1)", "number(1)", "sort(1)",
                        "field(2)", "title(2)", "width(2)", "number(2)", "sort(2)",
                        "field(3)", "title(3)", "width(3)", "number(3)", "sort(3)") values
    (null, 'Debiteuren', 'Z', 'ZoekDebiteur', 0, 100, 100, 308, 620,
     'F', 'S', 'A', 'S', 1000,
     'ZoekDebiteur.Naam', 'ZoekDebiteur.Debnr', 'ZoekDebiteur.Debnr',
     'Orders, select "order", Status, Datum, Ordref_1 from "order" where Debnr',
     null, null, null, null, null, null, null, null, null,
     null, null, null, null,
     'ZoekDebiteur.Debnr', 'Debiteur', 70, '0', 0,
     'ZoekDebiteur.Naam', 'Naam', 220, null, 1,
     'ZoekDebiteur.Postcode', 'Postcode', 70, null, 0,
     'ZoekDebiteur.Woonpl', 'Plaats', 140, null, 0),
    (null, 'Relaties', 'Z', 'PSR_Relatie', 0, 100, 100, 308, 620,
     'F', 'C', 'A', 'S', 1000,
     'PSR_Relatie.Zoeknaam', 'PSR_Relatie.Relatie', 'PSR_Relatie.Relatie', null,
     'Afleverinstructie', 'Relatie', 'Relatie', 'Instructie:', 70,
     'Instructie_1', 'Instructie_2', 200, 200,
     null, null, null, null,
     'PSR_Relatie.Relatie', 'Relatie', 60, '0', 0,
     'PSR_Relatie.Zoeknaam', 'Zoeknaam', 160, null, 1,
     'PSR_Relatie.Naam', 'Naam', 180, null, 0,
     'PSR_Relatie.Huisplaats', 'Plaats', 120, null, 0),
    (null, 'Leveringswijzen', 'Z', 'Leveringswijze', 0, 100, 100, 308, 400,
     'L', 'S', 'A', 'S', 1000,
     'Leveringswijze.Omschrijving', 'Leveringswijze.Levwijze', 'Leveringswijze.Levwijze', null,
     null, null, null, null, null, null, null, null, null,
     null, null, null, null,
     'Leveringswijze.Levwijze', 'Code', 50, null, 1,
     'Leveringswijze.Omschrijving', 'Omschrijving', 220, null, 0,
     null, null, null, null, null,
     null, null, null, null, null),
    (null, 'Artikelen', 'Z', 'Artikel', 0, 100, 100, 308, 620,
     'F', 'S', 'A', 'S', 1000,
     'Artikel.Artikel', 'Artikel.Artikel', 'Artikel.Artikel', null,
     null, null, null, null, null, null, null, null, null,
     'Actief', 'Artikel.Aktief', 'Alle artikelen', 'true',
     'Artikel.Artikel', 'Artikel', 90, null, 1,
     'Artikel.Omschrijving_1', 'Omschrijving', 260, null, 0,
     'Artikel.Eenheid', 'Eenheid', 60, null, 0,
     'Artikel.Catalogus', 'Catalogus', 90, null, 0);
