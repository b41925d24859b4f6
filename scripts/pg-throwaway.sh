#!/bin/bash
# pg-throwaway.sh start DIR PORT : initdb + start a PostgreSQL cluster on 127.0.0.1:PORT only, as user postgres
# pg-throwaway.sh stop  DIR      : stop it (the directory can then be deleted)
set -euo pipefail
cmd=$1 dir=$2 port=${3:-55432}
bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -1)
case "$cmd" in
start)
  mkdir -p "$dir"; chown postgres:postgres "$dir"
  [ -f "$dir/data/PG_VERSION" ] || runuser -u postgres -- "$bin/initdb" -D "$dir/data" -U postgres -A trust -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log"
  runuser -u postgres -- "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w \
      -o "-c listen_addresses=127.0.0.1 -p $port -k $dir -c fsync=off" start >/dev/null
  "$bin/psql" -h 127.0.0.1 -p "$port" -U postgres -tAc "SELECT 1 FROM pg_database WHERE datname='brindlemark'" | grep -q 1 ||
    "$bin/psql" -h 127.0.0.1 -p "$port" -U postgres -qc "CREATE DATABASE brindlemark"
  ;;
stop) runuser -u postgres -- "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null || true ;;
esac
