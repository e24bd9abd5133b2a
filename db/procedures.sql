-- Stored procedures of the order database, as PL/pgSQL functions.
--
-- Calling form: every procedure is a function called with named arguments,
-- values bound as parameters, e.g.
--     select * from ArtikelPrijs(Debnr => $1, Verzend => $2, ...)
-- (vonu::DbSession::call builds exactly this). A procedure whose result the
-- program does not read still returns its recomputed values, so it can be
-- called the same way and the result ignored.
--
-- Price origin codes (Oorsprong): two letters for the source and one digit
-- for the price kind ('1' trade lengths, 'H'; '2' made to size, 'M'):
--     AK  call-off contract price (afroep)      OM  metre contract price
--     OP  price under an amount contract        DP  net debtor price
--     DS  the debtor's price break              GS  group price break
--     DK  list price with the debtor's discount PG  list price with the
--     PL  list price                                debtor's product-group discount
--     MP  coating price list (per metre)      HM  coating price given by hand
--     VP  coating price list (per piece)
-- A first letter "A" or "O" marks a contract price; "OP" sends the contract
-- to BedragKontrakt of the sales line, the others to MeterKontrakt.
--
-- Rows of one order line: the main row (Type 'K') and every row after it up
-- to the next main row. Line numbers are right-aligned texts of four
-- characters, so their text order is their numeric order.

-- Result rows of the procedures whose result has a column named like one of
-- their arguments (a function cannot have both as parameters).
create type ArtikelPrijs_rij as (PrijsGevonden boolean, Prijs numeric, Oorsprong varchar,
                                 Korting numeric, Kontrakt varchar, OrderKorting numeric);
create type ArtikelMoffelPrijs_rij as (PrijsGevonden boolean, PrijsType varchar, Prijs numeric,
                                       Oorsprong varchar, Korting numeric);
create type ArtikelVerpakkingstype_rij as (Verpakkingstype varchar);
create type ArtikelVerpakking_rij as (Verpakking numeric);
create type VonuOrderSubArtikel_rij as (Regel varchar, Subaantal integer, Wijze varchar, UDK integer,
                                        HOH integer, MV integer, Eenheid varchar);
create type VonuOrderCorrigeer_MC_Detail_rij as (Regel varchar, IngevoerdeMaat numeric, Aantal numeric);

-- ---------------------------------------------------------------------------
-- Rounding to one decimal as the order desk does it everywhere: the whole
-- number nearest to (x + 0.04999) x 10, an exact half to the even
-- neighbour, divided by 10.
create function vonu_round1(x numeric) returns numeric
language sql immutable parallel safe
return round((case when (x + 0.04999) * 10 - floor((x + 0.04999) * 10) = 0.5
                   then floor((x + 0.04999) * 10) + mod(floor((x + 0.04999) * 10), 2)
                   else round((x + 0.04999) * 10) end) / 10, 1);

-- A debtor number as the keys hold it: right-aligned in six characters, so
-- a caller may pass it as typed.
create function vonu_debnr(x varchar) returns varchar
language sql immutable parallel safe
return right(repeat(' ', 6) || trim(coalesce(x, '')), 6);

-- ---------------------------------------------------------------------------
-- Line membership, shared by the procedures below: the rows of the line that
-- starts at main row Regel.
create function vonu_regels_van_lijn(p_order varchar, p_regel varchar)
returns setof OrderProduktieregel
language sql stable
begin atomic
    select r.* from OrderProduktieregel r
    where r."order" = p_order
      and r.Regel > p_regel
      and r.Regel < coalesce((select min(k.Regel) from OrderProduktieregel k
                              where k."order" = p_order and k.Type = 'K' and k.Regel > p_regel),
                             '~~~~')
    order by r.Regel;
end;

-- ---------------------------------------------------------------------------
-- ArtikelPrijs: the price of one article for a debtor on a date. First that
-- applies wins:
--   1. a call-off (Stuks) or metre (Meter) contract of the debtor, active on
--      the date, with its own price for the article (AK / OM); @Kontrakt,
--      when given, restricts the search to that contract;
--   2. a price break (Prijsstaffel) for the quantity the order holds
--      (@Aantal): the debtor's for the shipping address (@Verzend), else the
--      debtor's for every address (DS), else, when @Groep allows it, the
--      group price (GS); the highest break reached wins;
--   3. a net debtor price or a debtor discount valid on the date (DP / DK);
--   4. the list price of the article (made-to-size price for kind 'M'), with
--      the debtor's product-group discount when @Productgroep allows it
--      (PG), else with the debtor's standing discount (PL);
--   when @Bedrag allows it and the debtor has an active amount contract with
--   an amount left, a price of 2. to 4. is taken under the oldest such
--   contract (OP, its discount when it has one). A contract with nothing
--   left (KontraktStatus) gives no contract price. OrderKorting is the
--   debtor's order discount (0 when none). @Debnr may be given unpadded.
create function ArtikelPrijs(
    Debnr varchar, Verzend varchar, Artikel varchar, Kontrakt varchar,
    Datum timestamp, Soort varchar, Meter boolean, Stuks boolean,
    Productgroep boolean, Groep boolean, Bedrag boolean, Aantal numeric)
returns setof ArtikelPrijs_rij
language plpgsql stable
as $$
#variable_conflict use_column
declare
    v_debnr   varchar := vonu_debnr(ArtikelPrijs.Debnr);
    v_artikel varchar := ArtikelPrijs.Artikel;
    v_kontr   varchar := coalesce(trim(ArtikelPrijs.Kontrakt), '');
    v_datum   date    := coalesce(ArtikelPrijs.Datum, localtimestamp)::date;
    v_kind    varchar := case when ArtikelPrijs.Soort = 'M' then '2' else '1' end;
    v_art     record;
    v_deb     record;
    v_rec     record;
    v_prijs   numeric;
    v_korting numeric;
    v_bron    varchar;
    v_k       varchar := '';
    v_okort   numeric;
begin
    select a.* into v_art from Artikel a where a.Artikel = v_artikel;
    select d.* into v_deb from Debiteur d where d.Debnr = v_debnr;
    v_okort := coalesce(v_deb.OrderKorting, 0);
    if v_art.Artikel is null then
        return query select false, null::numeric, ''::varchar, null::numeric, ''::varchar, v_okort;
        return;
    end if;

    if coalesce(ArtikelPrijs.Stuks, false) or coalesce(ArtikelPrijs.Meter, false) then
        select k.Kontrakt, k.Type, ka.Prijs into v_rec
        from Kontrakt k join KontraktArtikel ka on ka.Kontrakt = k.Kontrakt
        where k.Debnr = v_debnr and ka.Artikel = v_artikel and k.Aktief
          and ((k.Type = 'A' and ArtikelPrijs.Stuks) or (k.Type = 'M' and ArtikelPrijs.Meter))
          and v_datum >= k.Datum and (k.TotDatum is null or v_datum <= k.TotDatum)
          and (v_kontr = '' or k.Kontrakt = v_kontr)
          and (select s.Termijn - s.Verwerkt from KontraktStatus(k.Kontrakt) s) > 0
        order by k.Datum, k.Kontrakt
        limit 1;
        if v_rec.Kontrakt is not null then
            return query select true, v_rec.Prijs, (case when v_rec.Type = 'A' then 'AK' else 'OM' end || v_kind)::varchar,
                                null::numeric, v_rec.Kontrakt::varchar, v_okort;
            return;
        end if;
    end if;

    select ps.Prijs, case when ps.Debnr is null then 'GS' else 'DS' end as Bron into v_rec
    from Prijsstaffel ps
    where ps.Artikel = v_artikel and ps.Soort = (case when v_kind = '2' then 'M' else 'H' end)
      and ps.VanafAantal <= coalesce(ArtikelPrijs.Aantal, 0) and ps.VanafDatum <= v_datum
      and ((ps.Debnr = v_debnr and (ps.Verzend is null or ps.Verzend = ArtikelPrijs.Verzend))
           or (ps.Debnr is null and coalesce(ArtikelPrijs.Groep, false)))
    order by (ps.Debnr is null), (ps.Verzend is null), ps.VanafAantal desc, ps.VanafDatum desc
    limit 1;
    if found then
        v_prijs := v_rec.Prijs; v_korting := null; v_bron := v_rec.Bron;
    else
        select dp.Prijs, dp.Korting into v_rec
        from DebiteurPrijs dp
        where dp.Debnr = v_debnr and dp.Artikel = v_artikel and dp.Soort = (case when v_kind = '2' then 'M' else 'H' end)
          and dp.VanafDatum <= v_datum
        order by dp.VanafDatum desc
        limit 1;
        if found and v_rec.Prijs is not null then
            v_prijs := v_rec.Prijs; v_korting := v_rec.Korting; v_bron := 'DP';
        else
            v_prijs := case when v_kind = '2' then coalesce(v_art.PrijsOpMaat, v_art.Prijs) else v_art.Prijs end;
            if v_prijs is null then
                return query select false, null::numeric, ''::varchar, null::numeric, ''::varchar, v_okort;
                return;
            end if;
            if found then
                v_korting := v_rec.Korting; v_bron := 'DK';
            else
                v_korting := null;
                if coalesce(ArtikelPrijs.Productgroep, false) then
                    select g.Korting into v_korting from DebiteurProductgroep g
                    where g.Debnr = v_debnr and g.Productgroep = v_art.Productgroep;
                end if;
                if v_korting is not null then
                    v_bron := 'PG';
                else
                    v_korting := v_deb.Korting; v_bron := 'PL';
                end if;
            end if;
        end if;
    end if;

    if coalesce(ArtikelPrijs.Bedrag, false) then
        select k.Kontrakt, k.Korting into v_rec
        from Kontrakt k
        where k.Debnr = v_debnr and k.Type = 'B' and k.Aktief
          and v_datum >= k.Datum and (k.TotDatum is null or v_datum <= k.TotDatum)
          and (v_kontr = '' or k.Kontrakt = v_kontr)
          and (select s.Termijn - s.Verwerkt from KontraktStatus(k.Kontrakt) s)
              - coalesce((select sum(o.T_Order) from "order" o
                          where o.Kontrakt = k.Kontrakt and o.Bedrag
                            and o.Status in ('Productie', 'Verkoop', 'Credit')), 0) > 0
        order by k.Datum, k.Kontrakt
        limit 1;
        if v_rec.Kontrakt is not null then
            v_bron := 'OP'; v_k := v_rec.Kontrakt; v_korting := coalesce(v_rec.Korting, v_korting);
        end if;
    end if;

    return query select true, v_prijs, (v_bron || v_kind)::varchar, v_korting, v_k::varchar, v_okort;
end;
$$;

-- ---------------------------------------------------------------------------
-- KontraktStatus: the size of a contract (Termijn: units for call-off and
-- metre contracts, euro for amount contracts) and what has been taken of it
-- (Verwerkt): what the administration has invoiced, plus for call-off and
-- metre contracts the quantities on orders that are not invoiced yet. Open
-- amounts of other orders under an amount contract are counted by the caller
-- from the order totals. Test stores ('Productie' with a no-break space)
-- take nothing.
create function KontraktStatus(Kontrakt varchar)
returns table (Termijn numeric, Verwerkt numeric)
language sql stable
begin atomic
    select k.Termijn,
           k.Verwerkt + case when k.Type in ('A', 'M') then
               coalesce((select sum(abs(r.Aantal)) from OrderProduktieregel r
                         join "order" o on o."order" = r."order"
                         where r.Kontrakt = k.Kontrakt and not r.Annuleren
                           and o.Status = 'Productie'), 0)
           else 0 end
    from Kontrakt k where k.Kontrakt = $1;
end;

-- ---------------------------------------------------------------------------
-- VonuOrderRegelBedrag: the amount of one sales line, quantity x price less
-- its discount, rounded to cents; stored in the line and returned.
create function VonuOrderRegelBedrag("order" varchar, Regel varchar)
returns table (Bedrag numeric)
language sql volatile
begin atomic
    update OrderVerkoopregel v
       set Bedrag = round(coalesce(v.Aantal, 0) * coalesce(v.Prijs, 0) * (1 - coalesce(v.Korting, 0) / 100), 2)
     where v."order" = $1 and v.Regel = $2
    returning v.Bedrag;
end;

-- ---------------------------------------------------------------------------
-- VonuOrderTotaal: the order totals from its sales lines: the sum of the
-- line amounts, the order discount on it, the order costs (the entered
-- costs; otherwise the standing costs of the constants row, waived from the
-- costs limit on) and the total. Stored in the header and returned.
create function VonuOrderTotaal("order" varchar, IngevoerdeOrderkosten numeric)
returns table (T_Regels numeric, T_Korting numeric, T_Orderkosten numeric, T_Order numeric)
language plpgsql volatile
as $$
#variable_conflict use_column
declare
    v_order   varchar := VonuOrderTotaal."order";
    v_regels  numeric;
    v_korting numeric;
    v_kosten  numeric;
    v_kn      record;
    v_pct     numeric;
begin
    select o.OrderKorting into v_pct from "order" o where o."order" = v_order;
    if not found then
        return;
    end if;
    select coalesce(sum(v.Bedrag), 0) into v_regels from OrderVerkoopregel v where v."order" = v_order;
    v_korting := round(v_regels * coalesce(v_pct, 0) / 100, 2);
    select k.Orderkosten, k.OrderkostenGrens into v_kn from Konstanten k where k.ID = 1;
    v_kosten := coalesce(VonuOrderTotaal.IngevoerdeOrderkosten,
                         case when coalesce(v_kn.OrderkostenGrens, 0) > 0
                                   and v_regels - v_korting >= v_kn.OrderkostenGrens then 0
                              else coalesce(v_kn.Orderkosten, 0) end);
    update "order" o
       set T_Regels = v_regels, T_Korting = v_korting, T_Orderkosten = v_kosten,
           T_Order = v_regels - v_korting + v_kosten
     where o."order" = v_order;
    return query select v_regels, v_korting, v_kosten, v_regels - v_korting + v_kosten;
end;
$$;

-- ---------------------------------------------------------------------------
-- The length of a detail row in metres and in mm: trade lengths are entered
-- in metres, sizes in mm. In the metre-dm count a piece of at most one metre
-- counts as one metre, a longer one by vonu_round1. Expressions the planner
-- inlines, shared by the procedures of one line and of a whole order.
create function vonu_meters(p_maat numeric, p_maatvoering varchar) returns numeric
language sql immutable parallel safe
return case when p_maatvoering = 'Mtr' then p_maat else p_maat / 1000 end;

create function vonu_mm(p_maat numeric, p_maatvoering varchar) returns numeric
language sql immutable parallel safe
return case when p_maatvoering = 'Mtr' then p_maat * 1000 else p_maat end;

create function vonu_meters_dm(p_meters numeric) returns numeric
language sql immutable parallel safe
return case when coalesce(p_meters, 0) > 1 then vonu_round1(p_meters) else 1 end;

-- The rows of an order, each with the main row of its line (KopRegel: the
-- last 'K' row up to it): what vonu_regels_van_lijn gives for one line, for
-- every line at once.
create function vonu_regels_met_kop(p_order varchar)
returns table (KopRegel varchar, Regel varchar, Type varchar, Artikel varchar, Aantal numeric, Maat numeric,
               Maatvoering varchar)
language sql stable
begin atomic
    select max(x.Regel) filter (where x.Type = 'K') over (order by x.Regel),
           x.Regel, x.Type, x.Artikel, x.Aantal, x.Maat, x.Maatvoering
    from OrderProduktieregel x
    where x."order" = p_order;
end;

-- ---------------------------------------------------------------------------
-- VonuOrderRegelAantal: the quantities of a line made to size, from its
-- detail rows: RegelAantal the number of pieces, RegelLengte the metres
-- (vonu_round1), RegelLengteDm the metres with every piece of at most one
-- metre counted as one metre and longer pieces rounded by vonu_round1; with the
-- unit and quantity calculation of the line's article.
create function VonuOrderRegelAantal("order" varchar, Regel varchar)
returns table (RegelAantal numeric, RegelLengte numeric, RegelLengteDm numeric,
               Eenheid varchar, BerekeningAantal varchar)
language sql stable
begin atomic
    with d as (
        select r.Aantal, vonu_meters(r.Maat, r.Maatvoering) as meters
        from vonu_regels_van_lijn($1, $2) r
        where r.Type = 'D' and r.Aantal is not null
    )
    select coalesce((select sum(d.Aantal) from d), 0),
           vonu_round1(coalesce((select sum(d.Aantal * coalesce(d.meters, 0)) from d), 0)),
           coalesce((select sum(d.Aantal * vonu_meters_dm(d.meters)) from d), 0),
           a.Eenheid, a.BerekeningAantal
    from OrderProduktieregel k join Artikel a on a.Artikel = k.Artikel
    where k."order" = $1 and k.Regel = $2 and k.Type = 'K';
end;

-- VonuOrderRegelAantallen: VonuOrderRegelAantal for every main line of an
-- order (Regel), in one statement: storing a large order asked it line by
-- line, one plan per line.
create function VonuOrderRegelAantallen("order" varchar)
returns table (Regel varchar, RegelAantal numeric, RegelLengte numeric, RegelLengteDm numeric,
               Eenheid varchar, BerekeningAantal varchar)
language sql stable
begin atomic
    -- Materialized: the line totals are added up once, not once per line.
    with t as materialized (
        select r.KopRegel, sum(r.Aantal) as n,
               sum(r.Aantal * coalesce(vonu_meters(r.Maat, r.Maatvoering), 0)) as m,
               sum(r.Aantal * vonu_meters_dm(vonu_meters(r.Maat, r.Maatvoering))) as dm
        from vonu_regels_met_kop($1) r
        where r.Type = 'D' and r.Aantal is not null
        group by r.KopRegel
    )
    select k.Regel, coalesce(t.n, 0), vonu_round1(coalesce(t.m, 0)), coalesce(t.dm, 0),
           a.Eenheid, a.BerekeningAantal
    from OrderProduktieregel k join Artikel a on a.Artikel = k.Artikel
    left join t on t.KopRegel = k.Regel
    where k."order" = $1 and k.Type = 'K'
    order by k.Regel;
end;

-- ---------------------------------------------------------------------------
-- VonuOrderSubArtikel: the sub-article rows of a line (operations excluded),
-- with how many go per piece (Subaantal) and how fixings are spread along a
-- length (Wijze, UDK, HOH, MV).
create function VonuOrderSubArtikel("order" varchar, Regel varchar)
returns setof VonuOrderSubArtikel_rij
language sql stable
begin atomic
    select r.Regel, coalesce(a.Subaantal, 1), a.Bevestigingswijze, a.BevestigingUDK,
           a.BevestigingHOH, a.BevestigingMV, a.Eenheid
    from vonu_regels_van_lijn($1, $2) r join Artikel a on a.Artikel = r.Artikel
    where r.Type = 'S' and not a.Tekst
    order by r.Regel;
end;

-- VonuOrderSubArtikelen: VonuOrderSubArtikel for every line of an order, with
-- the main row of the line (KopRegel).
create function VonuOrderSubArtikelen("order" varchar)
returns table (KopRegel varchar, Regel varchar, Subaantal integer, Wijze varchar, UDK integer, HOH integer,
               MV integer, Eenheid varchar)
language sql stable
begin atomic
    select r.KopRegel, r.Regel, coalesce(a.Subaantal, 1), a.Bevestigingswijze, a.BevestigingUDK,
           a.BevestigingHOH, a.BevestigingMV, a.Eenheid
    from vonu_regels_met_kop($1) r join Artikel a on a.Artikel = r.Artikel
    where r.Type = 'S' and not a.Tekst
    order by r.Regel;
end;

-- ---------------------------------------------------------------------------
-- VonuOrderDetailArtikel: the detail rows of a line with their size in mm.
create function VonuOrderDetailArtikel("order" varchar, Regel varchar)
returns table (Maat numeric, Aantal numeric)
language sql stable
begin atomic
    select vonu_mm(r.Maat, r.Maatvoering), r.Aantal
    from vonu_regels_van_lijn($1, $2) r
    where r.Type = 'D' and r.Aantal is not null and r.Maat is not null
    order by r.Regel;
end;

-- VonuOrderDetailArtikelen: VonuOrderDetailArtikel for every line of an
-- order, with the main row of the line (KopRegel).
create function VonuOrderDetailArtikelen("order" varchar)
returns table (KopRegel varchar, Maat numeric, Aantal numeric)
language sql stable
begin atomic
    select r.KopRegel, vonu_mm(r.Maat, r.Maatvoering), r.Aantal
    from vonu_regels_met_kop($1) r
    where r.Type = 'D' and r.Aantal is not null and r.Maat is not null
    order by r.Regel;
end;

-- ---------------------------------------------------------------------------
-- VonuOrderCorrigeer_MV_VP: prepares the size corrections of an order: the
-- sizes of the detail rows are recorded as entered (OrderProduktieregelInvoer,
-- replaced on every store) and detail rows without an entered size take
-- their size as entered; rows without a packing type take the one that
-- packs them (vonu_verpakkingstype: the debtor's own for the article, else
-- the made-to-size type for a price of kind '2', else the article's
-- standard one). Only sizes in mm - entered, and the ones the corrections
-- change - are recorded: trade lengths ('Mtr') were never typed, and
-- recording them would make every order print its control copy. Returns
-- the number of detail rows recorded.
create function VonuOrderCorrigeer_MV_VP("order" varchar)
returns table (Aantal integer)
language plpgsql volatile
as $$
#variable_conflict use_column
declare
    v_order varchar := VonuOrderCorrigeer_MV_VP."order";
    v_n     integer;
begin
    update OrderProduktieregel r set IngevoerdeMaat = r.Maat
     where r."order" = v_order and r.Type = 'D' and r.IngevoerdeMaat is null and r.Maat is not null;

    delete from OrderProduktieregelInvoer i where i."order" = v_order;
    insert into OrderProduktieregelInvoer ("order", Regel, KopRegelId, Aantal, IngevoerdeMaat, Maatvoering,
                                           Omschrijving_1, Omschrijving_2, Omschrijving_3)
    select r."order", r.Regel, k.RegelId,
           r.Aantal, r.IngevoerdeMaat, r.Maatvoering, r.Omschrijving_1, r.Omschrijving_2, r.Omschrijving_3
    from (select x.*, max(x.Regel) filter (where x.Type = 'K') over (order by x.Regel) as KopRegel
          from OrderProduktieregel x where x."order" = v_order) r
    left join OrderProduktieregel k on k."order" = v_order and k.Regel = r.KopRegel
    where r.Type = 'D' and r.IngevoerdeMaat is not null and r.Maatvoering = 'mm';
    get diagnostics v_n = row_count;

    -- The rule of vonu_verpakkingstype for every row at once: called per
    -- row it was the slowest step of storing a large order.
    update OrderProduktieregel r
       set Verpakkingstype = p.Verpakkingstype
      from (select x.Regel,
                   nullif(vonu_verpakkingsregel(x.Verpakkingstype, da.Verpakkingstype,
                                                substr(coalesce(x.Oorsprong, ''), 3, 1),
                                                a.MaatwerkVerpakkingstype, a.StandaardVerpakkingstype),
                          '') as Verpakkingstype
              from OrderProduktieregel x
              join "order" o on o."order" = x."order"
              left join DebiteurArtikel da on da.Debnr = o.Debnr and da.Artikel = x.Artikel
              left join Artikel a on a.Artikel = x.Artikel
             where x."order" = v_order and coalesce(x.Artikel, '') <> ''
               and (x.Verpakkingstype is null or x.Verpakkingstype = '')) p
     where r."order" = v_order and r.Regel = p.Regel;

    return query select v_n;
end;
$$;

-- ---------------------------------------------------------------------------
-- VonuOrderCorrigeer_MC_Sub: the size correction that the sub-articles of a
-- line add (end caps and the like shorten the profile): the largest
-- Maatcorrectie among them, 0 when none has one.
create function VonuOrderCorrigeer_MC_Sub("order" varchar, Regel varchar)
returns table (Maatcorrectie integer)
language sql stable
begin atomic
    select coalesce(max(a.Maatcorrectie), 0)
    from vonu_regels_van_lijn($1, $2) r join Artikel a on a.Artikel = r.Artikel
    where r.Type = 'S';
end;

-- ---------------------------------------------------------------------------
-- VonuOrderCorrigeer_MC_Detail: the detail rows in mm of a line, with their
-- size as entered, for the size correction.
create function VonuOrderCorrigeer_MC_Detail("order" varchar, Regel varchar)
returns setof VonuOrderCorrigeer_MC_Detail_rij
language sql stable
begin atomic
    select r.Regel, coalesce(r.IngevoerdeMaat, r.Maat), r.Aantal
    from vonu_regels_van_lijn($1, $2) r
    where r.Type = 'D' and r.Maatvoering = 'mm' and coalesce(r.IngevoerdeMaat, r.Maat) is not null
    order by r.Regel;
end;

-- ---------------------------------------------------------------------------
-- VonuOrderVerzamelProduktie: gathers the production data of a stored
-- order: rows of inactive articles are blocked. The sub-article and
-- operation rows of a coated line keep their own colour (none): the line's
-- coating is on its main row, and a colour on those rows would hide their
-- descriptions from the sales order. Returns the number of rows touched.
create function VonuOrderVerzamelProduktie("order" varchar)
returns table (Aantal integer)
language plpgsql volatile
as $$
#variable_conflict use_column
declare
    v_order varchar := VonuOrderVerzamelProduktie."order";
    v_n     integer;
begin
    update OrderProduktieregel r set Blokkeren = true
      from Artikel a
     where r."order" = v_order and a.Artikel = r.Artikel and not a.Aktief and not r.Blokkeren;
    get diagnostics v_n = row_count;
    return query select v_n;
end;
$$;

-- ---------------------------------------------------------------------------
-- The scratch table of a user: "tmp_<user>_<table>" with the user's name as
-- it is written (users whose names differ only in case get tables of their
-- own) and the table name in lower case. A name longer than an identifier
-- may be (63 bytes) would be cut by the server, and two users sharing their
-- first characters would share a table: such a name becomes "tmp_" and the
-- md5 of user and table instead, which never has the short form's shape.
create function vonu_tijdelijke_tabelnaam("user" varchar, "table" varchar)
returns varchar
language sql immutable
begin atomic
    select case
        when octet_length('tmp_' || coalesce($1, '') || '_' || lower(coalesce($2, ''))) <= 63
            then 'tmp_' || coalesce($1, '') || '_' || lower(coalesce($2, ''))
        else 'tmp_' || md5(coalesce($1, '') || '/' || lower(coalesce($2, '')))
    end;
end;

-- TijdelijkeTabel: a fresh, empty scratch table named as above (an existing
-- one is dropped first); returns its name. @Columns lists "name type" pairs
-- separated by commas, in PostgreSQL form ("Soort varchar(20)") or bracketed
-- ("[Soort] [nvarchar] (20)"). The user and table names and every column
-- name are quoted as identifiers and the types are checked against a short
-- list, so no text of the arguments reaches the statement unchecked.
create function TijdelijkeTabel("user" varchar, "table" varchar, Columns text)
returns table (Tabel varchar)
language plpgsql volatile
as $$
declare
    v_name  text := vonu_tijdelijke_tabelnaam(TijdelijkeTabel."user", TijdelijkeTabel."table");
    v_defs  text[] := '{}';
    v_part  text;
    v_m     text[];
    v_type  text;
begin
    foreach v_part in array regexp_split_to_array(coalesce(TijdelijkeTabel.Columns, ''), ',(?![^()]*\))') loop
        v_part := btrim(v_part, E' \t\r\n');
        continue when v_part = '';
        v_m := regexp_match(v_part,
            '^\[?([A-Za-z_][A-Za-z0-9_]*)\]?\s+\[?([A-Za-z ]+?)\]?\s*(\(\s*\d+\s*(,\s*\d+\s*)?\))?$');
        if v_m is null then
            raise exception 'TijdelijkeTabel: kolom "%" niet begrepen', v_part;
        end if;
        v_type := lower(btrim(v_m[2]));
        v_type := case v_type
            when 'nvarchar' then 'varchar' when 'nchar' then 'char' when 'float' then 'double precision'
            when 'int' then 'integer' when 'bit' then 'boolean' when 'datetime' then 'timestamp'
            else v_type end;
        if v_type not in ('varchar', 'char', 'text', 'smallint', 'integer', 'bigint', 'double precision',
                          'real', 'numeric', 'boolean', 'date', 'timestamp') then
            raise exception 'TijdelijkeTabel: type "%" niet toegestaan', v_m[2];
        end if;
        if v_m[3] is not null and v_type not in ('varchar', 'char', 'numeric') then
            raise exception 'TijdelijkeTabel: type "%" heeft geen lengte', v_m[2];
        end if;
        v_defs := v_defs || (quote_ident(lower(v_m[1])) || ' ' || v_type || coalesce(regexp_replace(v_m[3], '\s', '', 'g'), ''));
    end loop;
    if cardinality(v_defs) = 0 then
        raise exception 'TijdelijkeTabel: geen kolommen';
    end if;
    execute format('drop table if exists %I', v_name);
    execute format('create table %I (%s)', v_name, array_to_string(v_defs, ', '));
    return query select v_name::varchar;
end;
$$;

-- ---------------------------------------------------------------------------
-- OrderVerpakking: the colli of a production order from the user's packing
-- scratch table (OrderVerpakking, filled per line): one row per
-- package type and kind with the packages, weight and label flag added up;
-- PalletGewicht is the weight of the whole shipment (on every row). With
-- @Verdichten the short packages (type '1') are packed into the long ones
-- (type '2') of the same kind where there are any.
create function OrderVerpakking(Gebruiker varchar, Verdichten integer)
returns table (Type varchar, Soort varchar, Aantal double precision, Gewicht double precision,
               Etiket integer, PalletGewicht double precision)
language plpgsql stable
as $$
declare
    v_name text := vonu_tijdelijke_tabelnaam(OrderVerpakking.Gebruiker, 'OrderVerpakking');
begin
    return query execute format($q$
        with rijen as (
            select case when $1 <> 0 and t.type = '1'
                             and exists (select 1 from %1$I l where l.type = '2' and l.soort = t.soort)
                        then '2' else t.type end::varchar as type,
                   t.soort::varchar as soort,
                   case when $1 <> 0 and t.type = '1'
                             and exists (select 1 from %1$I l where l.type = '2' and l.soort = t.soort)
                        then 0 else coalesce(t.aantal, 0) end::double precision as aantal,
                   coalesce(t.gewicht, 0)::double precision as gewicht,
                   coalesce(t.etiket, 0)::integer as etiket
            from %1$I t)
        select r.type, r.soort, sum(r.aantal), sum(r.gewicht), max(r.etiket),
               sum(sum(r.gewicht)) over ()
        from rijen r
        group by r.type, r.soort
        order by r.type, r.soort$q$, v_name)
    using coalesce(OrderVerpakking.Verdichten, 0);
end;
$$;

-- ---------------------------------------------------------------------------
-- Packing of an article: the packing type (the one given for the row, else
-- the debtor's for the article, else the article's own, made-to-size type
-- for price kind '2'), its colli kind, the package content (the content
-- entered for the row, else that of the packing type, at least 1) and the
-- execution text (from the EAN code, else the customer's execution for the
-- price kind, else empty).
--
-- The choice itself, from the values already looked up: one expression that
-- the planner inlines, so storing an order applies it to all its rows in one
-- join (VonuOrderCorrigeer_MV_VP) and the packing questions of the sales
-- order ask it for one article, by the same rule.
create function vonu_verpakkingsregel(p_type varchar, p_debiteur varchar, p_oorsprong varchar,
                                      p_maatwerk varchar, p_standaard varchar)
returns varchar
language sql immutable parallel safe
return coalesce(nullif(trim(p_type), ''), p_debiteur,
                case when p_oorsprong = '2' then coalesce(p_maatwerk, p_standaard) else p_standaard end,
                '');

create function vonu_verpakkingstype(p_debnr varchar, p_artikel varchar, p_oorsprong varchar, p_type varchar)
returns varchar
language sql stable
begin atomic
    select vonu_verpakkingsregel(p_type,
                                 (select da.Verpakkingstype from DebiteurArtikel da
                                   where da.Debnr = p_debnr and da.Artikel = p_artikel),
                                 p_oorsprong, a.MaatwerkVerpakkingstype, a.StandaardVerpakkingstype)
    from (select) x left join Artikel a on a.Artikel = p_artikel;
end;

create function ArtikelVerpakkingstype(Debnr varchar, Verzend varchar, Artikel varchar, EAN varchar,
                                       Oorsprong varchar, Verpakkingstype varchar)
returns setof ArtikelVerpakkingstype_rij
language sql stable
begin atomic
    select vonu_verpakkingstype($1, $3, $5, $6);
end;

create function ArtikelColli(Debnr varchar, Verzend varchar, Artikel varchar, EAN varchar,
                             Oorsprong varchar, Verpakkingstype varchar)
returns table (Colli varchar)
language sql stable
begin atomic
    select coalesce((select t.Colli from Verpakkingstype t
                     where t.Verpakkingstype = vonu_verpakkingstype($1, $3, $5, $6)), '');
end;

create function ArtikelVerpakking(Debnr varchar, Verzend varchar, Artikel varchar, EAN varchar,
                                  Oorsprong varchar, Verpakking numeric)
returns setof ArtikelVerpakking_rij
language sql stable
begin atomic
    select case when coalesce($6, 0) > 0 then $6
                else greatest(coalesce((select t.Inhoud from Verpakkingstype t
                                        where t.Verpakkingstype = vonu_verpakkingstype($1, $3, $5, '')), 1), 1)
           end;
end;

create function ArtikelUitvoering(Debnr varchar, Verzend varchar, Artikel varchar, EAN varchar,
                                  Oorsprong varchar)
returns table (Uitvoering varchar)
language sql stable
begin atomic
    select coalesce(
        (select nullif(e.Uitvoering, '') from ArtikelEAN e where e.EAN = $4 and e.Artikel = $3),
        (select nullif(case when $5 = '2' then va.Uitvoering_2 else va.Uitvoering_1 end, '')
           from VerzendadresArtikel va where va.Debnr = $1 and va.Verzend = $2 and va.Artikel = $3),
        (select nullif(case when $5 = '2' then da.Uitvoering_2 else da.Uitvoering_1 end, '')
           from DebiteurArtikel da where da.Debnr = $1 and da.Artikel = $3),
        '')::varchar;
end;

-- ---------------------------------------------------------------------------
-- ArtikelAantal: per article the quantity on the order, split by price kind
-- (aantal_1 trade lengths, aantal_2 made to size), over the main and
-- sub-article rows that are not cancelled. Price breaks and contracts look
-- at these totals rather than at one line.
create function ArtikelAantal("order" varchar, SoortOrder varchar)
returns table (Artikel varchar, aantal_1 numeric, aantal_2 numeric)
language sql stable
begin atomic
    select r.Artikel,
           coalesce(sum(r.Aantal) filter (where substr(coalesce(r.Oorsprong, ''), 3, 1) <> '2'), 0),
           coalesce(sum(r.Aantal) filter (where substr(coalesce(r.Oorsprong, ''), 3, 1) = '2'), 0)
    from OrderProduktieregel r
    where r."order" = $1 and r.Type in ('K', 'S') and coalesce(r.Artikel, '') <> '' and not r.Annuleren
    group by r.Artikel
    order by r.Artikel;
end;

-- ---------------------------------------------------------------------------
-- ArtikelMoffelAantalKleur: per coating colour of the order the coated
-- quantity, the number of lines in that colour and a description.
create function ArtikelMoffelAantalKleur("order" varchar)
returns table (Kleur varchar, Aantal numeric, AantalRegels integer, Omschrijving varchar)
language sql stable
begin atomic
    select r.Kleur, coalesce(sum(abs(r.Aantal)), 0), count(*)::integer,
           ('Moffelen RAL ' || trim(r.Kleur) || coalesce(' ' || nullif(max(k.Omschrijving), ''), ''))::varchar
    from OrderProduktieregel r left join Kleur k on k.Kleur = r.Kleur
    where r."order" = $1 and r.Type = 'K' and coalesce(trim(r.Kleur), '') <> '' and not r.Annuleren
    group by r.Kleur
    order by r.Kleur;
end;

-- ---------------------------------------------------------------------------
-- ArtikelMoffelAantal: the coated quantity of one main line: metres for
-- articles sold by length, else pieces times the length in metres of their
-- details (pieces when the line has no details).
create function ArtikelMoffelAantal("order" varchar, Regel varchar)
returns table (Aantal numeric)
language sql stable
begin atomic
    select case when a.Eenheid = 'Meter' then k.Aantal
                else coalesce((select sum(d.Aantal * vonu_meters(d.Maat, d.Maatvoering))
                               from vonu_regels_van_lijn($1, $2) d
                               where d.Type = 'D' and d.Aantal is not null and d.Maat is not null),
                              k.Aantal) end
    from OrderProduktieregel k left join Artikel a on a.Artikel = k.Artikel
    where k."order" = $1 and k.Regel = $2;
end;

-- ---------------------------------------------------------------------------
-- ArtikelToeslagUit: sales lines whose small-quantity surcharge falls away
-- because the order as a whole holds enough of that article (at least the
-- constants row's aantal).
create function ArtikelToeslagUit("order" varchar)
returns table (Regel varchar)
language sql stable
begin atomic
    select v.Regel
    from OrderVerkoopregel v
    where v."order" = $1 and v.Toeslag
      and (select sum(w.Aantal) from OrderVerkoopregel w
           where w."order" = v."order" and w.Artikel = v.Artikel)
          >= (select k.aantal from Konstanten k where k.ID = 1)
    order by v.Regel;
end;

-- ---------------------------------------------------------------------------
-- ArtikelMoffelPrijs: the coating price of an article in a colour, in the
-- price types the sales order knows:
--   a price given for the row (@Prijs): per piece, origin HM;
--   a total price for the colour ('T') when the colour's quantity (@Aantal)
--   reaches one: asked per line it makes the lines of the colour refer to
--   the total price (or, for a colour on one line, charges it once);
--   otherwise, asked per line, a price per metre ('M', origin MP) or per
--   piece (type 'S' with origin VP, so the sales order charges it for the
--   row's quantity). The debtor's coating discount applies to list prices.
-- @Artikel is empty when the total price of a colour is asked for: then
-- only 'T' prices count. A colour is thus charged either per line or by
-- its total, never both.
create function ArtikelMoffelPrijs(Debnr varchar, Verzend varchar, Artikel varchar, Soort varchar,
                                   Kleur varchar, Prijs numeric, Prijslijst varchar, Aantal numeric)
returns setof ArtikelMoffelPrijs_rij
language plpgsql stable
as $$
#variable_conflict use_column
declare
    v_kind  varchar := case when ArtikelMoffelPrijs.Soort = 'M' then '2' else '1' end;
    v_totaal boolean := coalesce(trim(ArtikelMoffelPrijs.Artikel), '') = '';
    v_korting numeric := (select d.MoffelKorting from Debiteur d where d.Debnr = vonu_debnr(ArtikelMoffelPrijs.Debnr));
    v_rec   record;
begin
    if ArtikelMoffelPrijs.Prijs is not null and not v_totaal then
        return query select true, 'S'::varchar, ArtikelMoffelPrijs.Prijs, ('HM' || v_kind)::varchar, null::numeric;
        return;
    end if;
    select m.PrijsType, m.Prijs into v_rec
    from Moffelprijslijst m join Kleur k on k.Kleurgroep = m.Kleurgroep
    where m.Prijslijst = ArtikelMoffelPrijs.Prijslijst and k.Kleur = ArtikelMoffelPrijs.Kleur
      and m.VanafAantal <= coalesce(ArtikelMoffelPrijs.Aantal, 0) and m.PrijsType = 'T'
    order by m.VanafAantal desc
    limit 1;
    if v_rec.PrijsType is null and not v_totaal then
        select m.PrijsType, m.Prijs into v_rec
        from Moffelprijslijst m join Kleur k on k.Kleurgroep = m.Kleurgroep
        where m.Prijslijst = ArtikelMoffelPrijs.Prijslijst and k.Kleur = ArtikelMoffelPrijs.Kleur
          and m.VanafAantal <= coalesce(ArtikelMoffelPrijs.Aantal, 0) and m.PrijsType in ('M', 'S')
        order by m.VanafAantal desc, m.PrijsType
        limit 1;
    end if;
    if v_rec.PrijsType is null then
        return query select false, ''::varchar, null::numeric, ''::varchar, null::numeric;
        return;
    end if;
    return query
        select true, v_rec.PrijsType::varchar, v_rec.Prijs,
               ((case when v_rec.PrijsType = 'S' then 'VP' else 'MP' end) || v_kind)::varchar, v_korting;
end;
$$;

-- ---------------------------------------------------------------------------
-- OrderProduktieAfbeeldingen: the picture pages printed with a production
-- order: the pictures of the articles on the order, each once.
create function OrderProduktieAfbeeldingen("order" varchar)
returns table (Afbeelding varchar)
language sql stable
begin atomic
    select f.Afbeelding
    from ArtikelAfbeelding f
    where f.Artikel in (select r.Artikel from OrderProduktieregel r where r."order" = $1 and not r.Annuleren)
    group by f.Afbeelding
    order by min(f.Artikel), f.Afbeelding;
end;

-- ---------------------------------------------------------------------------
-- APC_Leesscherm: the saved settings of a screen for a user: kind 'Z' a
-- search screen (the user's own row, else the default row of the title),
-- kind 'S' a window placement. Always one row; Active is 1 when the user has
-- a row of his own and null otherwise (the stored Active is not passed on).
create function APC_Leesscherm(Gebruiker varchar, Scherm varchar, Soort varchar)
returns setof APC_Scherm
language plpgsql stable
as $$
declare
    v_row APC_Scherm;
begin
    select s.* into v_row from APC_Scherm s
    where s."user" = Gebruiker and s.Title = Scherm and s.Type = Soort;
    if found then
        v_row.Active := 1;
    else
        select s.* into v_row from APC_Scherm s
        where s."user" is null and s.Title = Scherm and s.Type = Soort;
        v_row.Active := null;
    end if;
    return next v_row;
end;
$$;

-- APC_Schrijfscherm: stores the window placement of a screen for a user.
create function APC_Schrijfscherm(Gebruiker varchar, Scherm varchar, WindowState integer,
                                  Boven integer, Links integer, Hoogte integer, Breedte integer)
returns void
language sql volatile
begin atomic
    insert into APC_Scherm ("user", Title, Type, WindowState, Top, "left", Height, Width)
    values ($1, $2, 'S', $3, $4, $5, $6, $7)
    on conflict ("user", Title, Type) do update
       set WindowState = excluded.WindowState, Top = excluded.Top, "left" = excluded."left",
           Height = excluded.Height, Width = excluded.Width;
end;
