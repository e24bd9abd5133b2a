-- Price breaks: a price of an article from a quantity on, for one debtor
-- (optionally only for one of its shipping addresses) or, with no debtor,
-- for every debtor whose order may use group prices. The quantity is what
-- the whole order holds of the article, so a second line of the same
-- article can bring every line of it to a lower price.
create table Prijsstaffel (
    ID             bigserial primary key,
    Debnr          varchar(6) collate "C" references Debiteur,   -- null: group price
    Verzend        varchar(2),                                   -- null: every address
    Artikel        varchar(20) not null references Artikel,
    Soort          varchar(1) not null check (Soort in ('H', 'M')),
    VanafAantal    numeric(12,3) not null default 0,
    VanafDatum     date not null default date '2000-01-01',
    Prijs          numeric(12,4) not null,
    check (Verzend is null or Debnr is not null),
    unique nulls not distinct (Debnr, Verzend, Artikel, Soort, VanafAantal, VanafDatum)
);
