-- Indexes for the contract lookups of every price: a debtor's contracts,
-- and what orders and their production rows took of a contract. Without
-- them each price lookup scanned the whole order history, and its plan was
-- costed high enough to be compiled (JIT) on every call: a 66-line order
-- took minutes to store on a desk with 100,000 orders.
create index Kontrakt_debiteur on Kontrakt (Debnr, Type);
create index Order_kontrakt on "order" (Kontrakt) where Kontrakt is not null;
create index OrderProduktieregel_kontrakt on OrderProduktieregel (Kontrakt) where Kontrakt is not null;
