-- Machined sills ordered as sub-articles or operations of a sill line: the
-- configurator opens for these rows. One article per sill type (the type
-- follows from the proposed macros, KeuzeVoorstel): MAFK BW, MSPB BB, HSD67R
-- HR, HSD67L HL, HSD90D H2, HSD90E H1; MRAIL has two positions that both
-- carry UDK and HOH and therefore no dimension field. Each has a macro that
-- only the extended choice offers (KeuzeSimpel false).

insert into Onderdorpelmacro (Macro, Omschrijving) values
    ('HSLR',  'Hefschuif loopwagen rechts en links');

insert into Artikel (Artikel, Tekst, Omschrijving_1, Eenheid, BerekeningAantal, Subaantal, Catalogus,
                     Productgroep, Maatinvoer, Prijs) values
    ('HSD67R', false, 'Hefschuifdorpel 67 mm rechts',    'Stuks', 'Aantal', 1, 'K-HSD67R', 'KUNSTSTOF', 1, 38.50),
    ('HSD67L', false, 'Hefschuifdorpel 67 mm links',     'Stuks', 'Aantal', 1, 'K-HSD67L', 'KUNSTSTOF', 1, 38.50),
    ('HSD90D', false, 'Hefschuifdorpel 90 mm tweedelig', 'Stuks', 'Aantal', 1, 'K-HSD90D', 'KUNSTSTOF', 1, 52.00),
    ('HSD90E', false, 'Hefschuifdorpel 90 mm eendelig',  'Stuks', 'Aantal', 1, 'K-HSD90E', 'KUNSTSTOF', 1, 49.00),
    ('MAFK',   true,  'Machinaal afkorten op maat',      'Stuks', 'Aantal', 1, 'B-MAFK',   'BEWERKING', 1, 2.75),
    ('MSPB',   true,  'Sponning binnen/buiten frezen',   'Stuks', 'Aantal', 1, 'B-MSPB',   'BEWERKING', 1, 6.40),
    ('MRAIL',  true,  'Hefschuifrails frezen',           'Stuks', 'Aantal', 1, 'B-MRAIL',  'BEWERKING', 1, 9.80);

insert into ArtikelSubArtikel (Artikel, SubArtikel)
select 'OD67', s.sub from (values ('HSD67R'), ('HSD67L')) s(sub)
union all select 'OD90', s.sub from (values ('HSD90D'), ('HSD90E')) s(sub)
union all select a.artikel, s.sub
from (values ('OD56'), ('OD67'), ('OD78'), ('OD90'), ('OD114'), ('OD56X'), ('ODK56'), ('ODK67')) a(artikel),
     (values ('MAFK'), ('MSPB'), ('MRAIL')) s(sub);

insert into ArtikelOnderdorpelmacro (Artikel, Bewerking, Macro, UDK, HOH, KeuzeSimpel, KeuzeVoorstel, Keuze) values
    -- BW: one position
    ('MAFK',   1, 'AFK',   null, null, true,  true,  1),
    ('MAFK',   1, 'AFV',   null, null, false, false, 2),
    -- BB: position 2 keeps a distance to the edge only
    ('MSPB',   1, 'AFK',   null, null, true,  true,  1),
    ('MSPB',   1, 'AFV',   null, null, false, false, 2),
    ('MSPB',   2, 'SPB',   50,   null, true,  true,  1),
    ('MSPB',   2, 'SPBU',  70,   null, true,  false, 2),
    ('MSPB',   3, 'AFK',   null, null, true,  true,  1),
    ('MSPB',   3, 'AFV',   null, null, false, false, 2),
    -- HR: the rail at position 2
    ('HSD67R', 1, 'AFK',   null, null, true,  true,  1),
    ('HSD67R', 1, 'AFV',   null, null, false, false, 2),
    ('HSD67R', 2, 'HS1',   60,   120,  true,  true,  1),
    ('HSD67R', 2, 'HS2',   60,   140,  false, false, 2),
    ('HSD67R', 3, 'HSM',   null, null, true,  true,  1),
    ('HSD67R', 4, 'AFK',   null, null, true,  true,  1),
    ('HSD67R', 4, 'OTW',   null, null, true,  false, 2),
    -- HL: the mirror image, the rail at position 3
    ('HSD67L', 1, 'AFK',   null, null, true,  true,  1),
    ('HSD67L', 1, 'OTW',   null, null, true,  false, 2),
    ('HSD67L', 2, 'HSM',   null, null, true,  true,  1),
    ('HSD67L', 3, 'HS1',   60,   120,  true,  true,  1),
    ('HSD67L', 3, 'HS2',   60,   140,  false, false, 2),
    ('HSD67L', 4, 'AFK',   null, null, true,  true,  1),
    ('HSD67L', 4, 'AFV',   null, null, false, false, 2),
    -- H2: five positions
    ('HSD90D', 1, 'AFK',   null, null, true,  true,  1),
    ('HSD90D', 2, 'HS2',   60,   140,  true,  true,  1),
    ('HSD90D', 3, 'HSM',   null, null, true,  true,  1),
    ('HSD90D', 3, 'KOP',   null, null, false, false, 2),
    ('HSD90D', 4, 'HS2',   60,   140,  true,  true,  1),
    ('HSD90D', 5, 'AFK',   null, null, true,  true,  1),
    -- H1: six positions
    ('HSD90E', 1, 'AFK',   null, null, true,  true,  1),
    ('HSD90E', 2, 'HSL',   40,   100,  true,  true,  1),
    ('HSD90E', 2, 'HSLR',  40,   100,  false, false, 2),
    ('HSD90E', 3, 'OTW',   null, null, true,  true,  1),
    ('HSD90E', 4, 'HSM',   null, null, true,  true,  1),
    ('HSD90E', 5, 'HSR',   40,   100,  true,  true,  1),
    ('HSD90E', 6, 'AFK',   null, null, true,  true,  1),
    -- two positions, both with UDK and HOH
    ('MRAIL',  1, 'HS1',   60,   120,  true,  true,  1),
    ('MRAIL',  1, 'HS2',   60,   140,  false, false, 2),
    ('MRAIL',  2, 'HS1',   60,   120,  true,  true,  1);
