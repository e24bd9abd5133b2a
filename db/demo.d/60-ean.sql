-- EAN codes with valid check digits for every way an EAN entry can end;
-- the comment of each row says what it shows. Debtor 104711, shipping
-- address 01 unless said otherwise.
insert into ArtikelEAN (EAN, Artikel, Maat, Uitvoering, Subartikel_1, Subartikel_2) values
    ('8712340010015', 'OD56',  '3',       'Geboord',   '',         ''),  -- a fixed size written as a whole number; size list entry "3,00 Mtr"
    ('8712340010022', 'OD56',  '3.6',     'Ongeboord', 'EK56',     'GAT8'),  -- a sub-article and an operation; the size with a decimal point
    ('8712340010039', 'OD67',  'Op maat', 'Geboord',   'GAT8',     'AFV45'),  -- made to measure with two operations
    ('8712340010046', 'OD78',  '4,20',    '',          'SPL',      'SPR'),  -- two rebate operations: the rebate dialog opens at the end
    ('8712340010053', 'OD56',  '6,0',     'Geboord',   'XX999',    'EK56'),  -- an accompanying code missing from Artikel: left out
    ('8712340010060', 'OD67',  '3',       'Geboord',   'MOFFELEN', ''),  -- an operation without a price: refused
    ('8712340010077', 'VB300', 'Op maat', '',          '',         ''),  -- offered to debtor 104711, not to 104712
    ('8712340010084', 'OD56',  '7',       'Geboord',   '',         ''),  -- a size the catalog does not list
    ('8712340010091', 'ODK67', 'Op maat', 'Ongeboord', 'EK67',     ''),  -- made to measure, counted per piece (no details)
    ('8712340010107', 'EK56',  '',        '',          '',         '');  -- an article without length
