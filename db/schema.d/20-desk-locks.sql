-- Order locks carry the running program that holds them. Two desks whose
-- working folders share a name are one user; the key tells their locks apart,
-- so neither removes the lock the other holds. Rows of other programs leave
-- it empty.
alter table APC_Tabel add column Sessie varchar(40);
