# Sourced by scripts/test-in-env inside the throwaway PostgreSQL server:
# builds the template database that every database test binary clones
# (CREATE DATABASE ... TEMPLATE), so parallel test binaries never share rows.
VONU_TEST_TEMPLATE="vonu_template"
PGOPTIONS="-c client_min_messages=warning" psql -X -q -v ON_ERROR_STOP=1 -d postgres \
  -c "drop database if exists $VONU_TEST_TEMPLATE" \
  -c "create database $VONU_TEST_TEMPLATE template template0 encoding 'UTF8'"
"$ROOT/db/load" -d "$VONU_TEST_TEMPLATE"
# No connections may stay open on a template while it is cloned.
PGOPTIONS="-c client_min_messages=warning" psql -X -q -v ON_ERROR_STOP=1 -d postgres \
  -c "alter database $VONU_TEST_TEMPLATE with is_template true allow_connections false"
export VONU_TEST_TEMPLATE
