#!/usr/bin/env python3
"""Validates Corvane's JSON reports against docs/report-schema.json.

    validate.py SCHEMA FILE.json...

Exits 0 when the schema is a valid JSON Schema and every file validates,
1 otherwise, naming each failure."""
import json
import sys

import jsonschema


def main(schema_path, paths):
    with open(schema_path, encoding="utf-8") as f:
        schema = json.load(f)
    validator_class = jsonschema.validators.validator_for(schema)
    validator_class.check_schema(schema)
    validator = validator_class(schema)
    failed = 0
    for path in paths:
        with open(path, "rb") as f:
            raw = f.read()
        try:
            document = json.loads(raw.decode("utf-8"))
        except (UnicodeDecodeError, json.JSONDecodeError) as error:
            print(f"{path}: not JSON in UTF-8: {error}")
            failed += 1
            continue
        errors = sorted(validator.iter_errors(document), key=lambda e: list(e.path))
        for error in errors:
            print(f"{path}: {'/'.join(map(str, error.path))}: {error.message}")
        failed += bool(errors)
    print(f"{len(paths) - failed} of {len(paths)} documents valid")
    return 1 if failed or not paths else 0


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2:]))
