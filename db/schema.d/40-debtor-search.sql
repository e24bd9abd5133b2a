-- The debtor search (view ZoekDebiteur) runs on every keystroke: it filters
-- the shown column with ILIKE on its text and sorts on it before the top
-- rows are taken. Without indexes the server joins both debtor tables whole
-- and sorts them for each key.
--   * B-tree indexes on the shown columns, carrying the other shown columns,
--     give the rows in order straight from the index (no sort, no table
--     visit) when most rows match: an empty or one-letter search.
--   * Trigram indexes find the few rows of a longer or "contains" search.
--   * The debtor number is compared without its leading blanks (keys are
--     right-aligned), so that expression is indexed as well.
-- pg_trgm is a trusted extension: the database owner may create it.
create extension if not exists pg_trgm;

create index adm_debiteur_zoek_naam on ADM_Debiteur (Naam) include (Debnr, Postcode, Woonpl);
create index adm_debiteur_zoek_postcode on ADM_Debiteur (Postcode) include (Debnr, Naam, Woonpl);
create index adm_debiteur_zoek_woonpl on ADM_Debiteur (Woonpl) include (Debnr, Naam, Postcode);
create index adm_debiteur_naam_trgm on ADM_Debiteur using gin (Naam gin_trgm_ops);
create index adm_debiteur_postcode_trgm on ADM_Debiteur using gin (Postcode gin_trgm_ops);
create index adm_debiteur_woonpl_trgm on ADM_Debiteur using gin (Woonpl gin_trgm_ops);
create index debiteur_debnr_trgm on Debiteur using gin (ltrim(Debnr::text) gin_trgm_ops);
