#!/usr/bin/env bash
# Validates JSON reports against the schema with Debian's python3-jsonschema
# (or any Python 3 that has jsonschema).
#   validate.sh SCHEMA FILE.json...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
for python in /usr/bin/python3 python3; do
  if "$python" -c 'import jsonschema' 2>/dev/null; then
    exec "$python" "$here/validate.py" "$@"
  fi
done
echo "validate.sh: no Python 3 with jsonschema; scripts/setup installs python3-jsonschema" >&2
exit 1
