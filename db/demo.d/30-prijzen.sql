-- Price breaks of the demo debtors: a lower price for De Vries's site
-- address (02), quantity breaks on end caps and sills, and group prices on
-- couplers for every debtor whose order may use them.
insert into Prijsstaffel (Debnr, Verzend, Artikel, Soort, VanafAantal, Prijs) values
    ('104711', '02', 'OD56',  'H', 0,   13.50),
    ('104711', null, 'OD56',  'H', 50,  12.95),
    ('104711', null, 'EK56',  'H', 20,  1.60),
    ('104711', null, 'EK56',  'H', 100, 1.45),
    ('104711', '03', 'VB200', 'M', 0,   44.00),
    ('104712', null, 'OD78',  'H', 40,  16.50),
    (null,     null, 'KS10',  'H', 100, 0.99),
    (null,     null, 'KS10',  'H', 500, 0.89);
