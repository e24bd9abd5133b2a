-- Debtors and free days for trying the order desk's debtor choice, profile
-- and delivery dates.

-- A debtor with order-desk data but no shipping address yet.
insert into ADM_Debiteur (Debnr, Naam, Adres1, Postcode, Woonpl, Landomschrijving) values
    ('600600', 'Zonder Adres B.V.', 'Lege Laan 1', '2000 AA', 'Haarlem', 'Nederland'),
    ('700700', 'Dubbel & Zn.', 'Tweede Straat 2', '3000 BB', 'Rotterdam', 'Nederland');
insert into Debiteur (Debnr, Levwijze, Faktuurrelatie, Vracht, Kontrakt, Pakbon, Faktuur, EtiketAfdrukken,
                      Kosten, Etiket) values
    ('600600', 'AF', null, 0, false, 'J', 'J', 'J', false, ''),
    ('700700', 'EV', null, 0, false, 'J', 'J', 'J', false, '');

-- Two addresses sharing one relation (each keeps its own code), and one
-- whose relation is missing: it is left out of the profile.
insert into Verzendadres (Debnr, Verzend, Levwijze, AfleverRelatie, VerzendRelatie, Naam, Adres, Plaats,
                          Leverdatum_1, Leverdatum_2, Leverdatum_3, Leverdatum_4, Leverdatum_5, Leverdatum_6,
                          Leverdatum_7) values
    ('700700', '01', '',   null, 1006, 'Bakker hoofdkantoor', 'Dorpsstraat 101', 'SCHAGEN', '', '', '', '', '', '', ''),
    ('700700', '02', 'AF', 1002, 1006, 'Bakker via Oost', 'Dorpsstraat 101', 'SCHAGEN', '11', '14', '11', '14', '11', '14', '14'),
    ('700700', '03', '',   null, null, 'Zonder relatie', '', '', '', '', '', '', '', '', '');
insert into VerzendadresArtikel (Debnr, Verzend, Artikel, ArtikelKlant, Uitvoering_1, Uitvoering_2) values
    ('700700', '02', 'KD150', 'DUBBEL-KD150', '', ''),
    ('700700', '03', 'EKS56', 'NERGENS', '', '');

-- Free days through 2030.
insert into Vrijedag (VanDatum, TotDatum, Omschrijving)
select d, d, o from (values
    (date '2028-04-17', 'Tweede Paasdag'), (date '2028-04-27', 'Koningsdag'),
    (date '2028-05-25', 'Hemelvaartsdag'), (date '2028-06-05', 'Tweede Pinksterdag'),
    (date '2028-12-25', 'Eerste Kerstdag'), (date '2028-12-26', 'Tweede Kerstdag'),
    (date '2029-01-01', 'Nieuwjaarsdag'), (date '2029-04-02', 'Tweede Paasdag'),
    (date '2029-04-27', 'Koningsdag'), (date '2029-05-10', 'Hemelvaartsdag'),
    (date '2029-05-21', 'Tweede Pinksterdag'), (date '2029-12-25', 'Eerste Kerstdag'),
    (date '2029-12-26', 'Tweede Kerstdag'), (date '2030-01-01', 'Nieuwjaarsdag'),
    (date '2030-04-22', 'Tweede Paasdag'), (date '2030-04-27', 'Koningsdag'),
    (date '2030-05-30', 'Hemelvaartsdag'), (date '2030-06-10', 'Tweede Pinksterdag'),
    (date '2030-12-25', 'Eerste Kerstdag'), (date '2030-12-26', 'Tweede Kerstdag')) v(d, o)
union all select * from (values
    (date '2028-07-17', date '2028-08-04', 'Bouwvak'),
    (date '2028-12-27', date '2028-12-29', 'Kerstsluiting'),
    (date '2029-07-23', date '2029-08-10', 'Bouwvak'),
    (date '2029-12-27', date '2029-12-31', 'Kerstsluiting'),
    (date '2030-07-22', date '2030-08-09', 'Bouwvak'),
    (date '2030-12-27', date '2030-12-31', 'Kerstsluiting')) p(van, tot, o);
