#!/usr/bin/env bash
# The first run's set-up, called by run.sh: when no database exists yet and no folder is
# stored, a new database with sample persons and vehicles, its folder stored in the
# settings, and the database search and editing frames switched on, so that the sample
# can be reached at once. Both files are readable by their owner only.
#   first-run.sh BINDIR   (the folder of velorast-createdb)
set -euo pipefail
bin=$1
data=${XDG_DATA_HOME:-$HOME/.local/share}/Velorast
config=${XDG_CONFIG_HOME:-$HOME/.config}/Velorast.ini

[ -f "$data/evidenta2000.mdb" ] && exit 0
grep -qs '^CaBD=' "$config" && exit 0

mkdir -p "$data"
"$bin/velorast-createdb" "$data" --sample
mkdir -p "$(dirname "$config")"
touch "$config"
chmod 600 "$config"
quoted=${data//\\/\\\\}
quoted=${quoted//\"/\\\"}
printf '[CaleBD]\nCaBD="%s"\n' "$quoted" >> "$config"
if ! grep -qs '^UsesBD=' "$config"; then
  if grep -qs '^\[Par\]' "$config"; then
    sed -i '/^\[Par\]/a UsesBD=True' "$config"
  else
    printf '[Par]\nUsesBD=True\n' >> "$config"
  fi
fi
