#!/usr/bin/env python3
"""Runs one reference job with --json and checks the JSON against the result file.

usage: plan_json_test.py KWAREL_CLI SCHEMA CASE_DIR [PARAMETER_FILE RESULT_FILE]

The job's files are copied to a scratch folder and run there as
`kwarel params.txt --json plan.json` (or the parameter file given, whose
result file is then the one given; its status is 0 without expected_status). The JSON must validate against the
schema, every length's text must be its tenths of a millimetre written in the
job's units, and the result file written from the JSON alone must equal, byte
for byte, the result file the job wrote: so the JSON holds exactly what the
result file holds.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

try:
    import jsonschema
except ImportError:
    print("SKIP: the jsonschema package is missing (python3-jsonschema)")
    sys.exit(77)

FLAGS = ["ALLOW_ADDITIONAL_MATERIAL", "INCLUDE_BEND_STRETCHING", "INCLUDE_WELD_SHRINKAGE", "INCLUDE_BEND_SPRINGBACK",
         "USE_MACHINE_PRIORITY", "USE_BENDER_PRIORITY", "MACHINE_OVER_BENDER_PRIORITY", "DO_CLASH_CHECKING"]
# Statuses whose error text follows the echo block, and those after the header.
AFTER_ECHO = {14, 10, 11, 1, 2, 3, 4, 5, 6, 7, 15, 16}
AFTER_HEADER = {8, 9}


def length_text(tenths, units):
    """A length in tenths of a millimetre as the result file writes it."""
    if tenths < 0:
        return "-" + length_text(-tenths, units)
    if units == "MM":
        return "%d MM" % ((tenths + 5) // 10)
    thousandths = (tenths * 1000 + 127) // 254
    whole, rest = divmod(thousandths, 1000)
    return ("%d.%03d INCH" % (whole, rest)) if rest else ("%d INCH" % whole)


def lengths(node):
    """Every length object in the document."""
    if isinstance(node, dict):
        if set(node) == {"tenthsMm", "text"}:
            yield node
        for value in node.values():
            yield from lengths(value)
    elif isinstance(node, list):
        for value in node:
            yield from lengths(value)


def yes_no(flag):
    return "YES" if flag else "NO"


def render(doc):
    """The result file that the JSON describes."""
    files, o = doc["files"], doc["options"]
    out = ["TORVEX (Version 1.0.0)\n\n",
           "CUTPIECEFILE      %s\n" % files["cutPieceFile"],
           "OUTPUTFILE        %s\n" % files["resultFile"],
           "DATABASEFILE      %s\n\n" % files["databaseFile"]]
    for name in FLAGS:
        out.append("%-31s%s\n" % (name, yes_no(o[name])))
    out.append("%-31s%d\n" % ("NUMBER_OF_PROGRAMS", o["NUMBER_OF_PROGRAMS"]))
    out.append("%-31s%s\n" % ("ADD_TEMPLATE_LENGTH", yes_no(o["ADD_TEMPLATE_LENGTH"])))
    out.append("%-31s%d MM\n" % ("TEMPLATE_LENGTH", o["TEMPLATE_LENGTH_MM"]))
    out.append("%-31s%s\n" % ("ALLOW_MACHINE_CHANGE", yes_no(o["ALLOW_MACHINE_CHANGE"])))
    out.append("%-31s%s\n" % ("ALLOW_BENDER_CHANGE", yes_no(o["ALLOW_BENDER_CHANGE"])))
    out.append("%-31s%s\n\n" % ("ALLOW_HAND_CHANGE", yes_no(o["ALLOW_HAND_CHANGE"])))
    if o["FORCE_MACHINE"] is not None:
        out.append("%-26s%s\n" % ("FORCE_MACHINE", o["FORCE_MACHINE"]))
    if o["FORCE_BENDER"] is not None:
        out.append("%-26s%s\n" % ("FORCE_BENDER", o["FORCE_BENDER"]))
    out.append("\n")
    if doc["status"] in AFTER_ECHO:
        return "".join(out) + doc["errorText"]

    h = doc["header"]
    out += ["PIPELINE       %s\n" % h["pipeline"], "DATE           %s\n\n" % h["date"],
            "LENGTH-UNITS   %s\n" % h["lengthUnits"], "BORE-UNITS     %s\n\n" % h["boreUnits"]]
    if doc["status"] in AFTER_HEADER:
        return "".join(out) + doc["errorText"]

    for piece in doc["cutPieces"]:
        out += ["STARTCUTPIECE\n\n", "CUT-ID        %s\n" % piece["cutId"], "SPOOL-ID      %s\n" % piece["spoolId"],
                "PIPING-SPEC   %s\n" % piece["pipingSpec"], "ITEM-CODE     %s\n" % piece["itemCode"],
                "BORE          %d\n" % piece["bore"]]
        if piece["clashReport"]:
            out.append("\nSTART-CLASH-REPORT\n")
            out += [line + "\n" for line in piece["clashReport"]]
            out.append("END-CLASH-REPORT\n\n")
        if piece["result"] == "PASS":
            out.append("RESULT        PASS\nRUNS-PRODUCED   %d\n\n" % len(piece["runs"]))
            for run in piece["runs"]:
                out += render_run(run)
        elif piece["result"] == "FAIL":
            out.append("RESULT        FAIL   %s\n\n" % piece["failureText"])
        else:
            out.append("RESULT        NO BENDING REQUIRED.\n\n")
        out.append("ENDCUTPIECE\n\n")
    out.append("ENDFILE\n")
    return "".join(out)


def render_run(run):
    out = ["STARTRUN  %d\n\n" % run["run"], "SCORE           %d\n" % run["score"],
           "PIPE-LENGTH     %s\n" % run["pipeLength"]["text"], "START-PLAY      %s\n" % run["startPlay"]["text"],
           "END-PLAY        %s\n" % run["endPlay"]["text"]]
    out += ["CUT       %d    %s\n" % (cut["cut"], cut["length"]["text"]) for cut in run["cuts"]]
    out += ["MACHINES-USED  %d\n" % run["machinesUsed"], "BENDERS-USED   %d\n" % run["bendersUsed"],
            "DIRECTION       %d\n" % run["direction"]]
    if run["startType"] is not None:
        out.append("START-TYPE     %s\n" % run["startType"])
    for step in run["program"]:
        op = step["op"]
        if op == "LOAD":
            out += ["\nMACHINE     %s\n" % step["machine"], "BENDER       %s\n" % step["bender"],
                    "HAND         %s\n" % step["hand"], "RADIUS       %s\n" % step["radius"]["text"]]
            if step["mandrel"] is not None:
                out.append("MANDREL     %s\n" % step["mandrel"])
            out += ["\nLOAD\n", "FREE       %s\n" % step["free"]["text"]]
        elif op == "FEED":
            out.append("FEED       %s\n" % step["length"]["text"])
        elif op == "ROTATION":
            out.append("ROTATION   %d %s\n" % (step["degrees"], step["sense"]))
        elif op == "CHANGE_RADIUS":
            out.append("CHANGE_RADIUS       %s\n" % step["radius"]["text"])
        elif op == "BEND":
            out.append("BEND       %d\n" % step["degrees"])
        else:
            out.append("UNLOAD\n")
    out.append("\nENDRUN\n")
    return out


def main():
    cli, schema_path, case_dir = sys.argv[1:4]
    cli = os.path.abspath(cli)
    parameters, result_name = (sys.argv[4], sys.argv[5]) if len(sys.argv) > 5 else ("params.txt", "result.txt")
    name = os.path.basename(os.path.normpath(case_dir))
    expected_status = 0
    if os.path.exists(os.path.join(case_dir, "expected_status")):
        with open(os.path.join(case_dir, "expected_status")) as f:
            expected_status = int(f.read().strip())
    with open(schema_path) as f:
        schema = json.load(f)
    work = tempfile.mkdtemp(prefix="kwarel-json.")
    try:
        for entry in os.listdir(case_dir):
            if entry not in ("expected.txt", "expected_status", "derivation.md", result_name):
                source = os.path.join(case_dir, entry)
                (shutil.copytree if os.path.isdir(source) else shutil.copy)(source, os.path.join(work, entry))
        job = subprocess.run([cli, parameters, "--json", "plan.json"], cwd=work, stdin=subprocess.DEVNULL,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300)
        failures = []
        if job.returncode != expected_status:
            failures.append("exit status %d, expected %d" % (job.returncode, expected_status))
        with open(os.path.join(work, "plan.json"), encoding="utf-8") as f:
            doc = json.load(f)
        jsonschema.Draft202012Validator(schema).validate(doc)
        if doc["status"] != job.returncode:
            failures.append("JSON status %s, exit status %d" % (doc["status"], job.returncode))
        units = doc["header"]["lengthUnits"] if doc["header"] else "MM"
        for value in lengths(doc):
            if length_text(value["tenthsMm"], units) != value["text"]:
                failures.append("length %r does not read as %s" % (value, length_text(value["tenthsMm"], units)))
        result_path = os.path.join(work, result_name)
        if doc["files"] is None:
            if os.path.exists(result_path):
                failures.append("the JSON has no files, but the job wrote result.txt")
        else:
            with open(result_path, encoding="latin-1", newline="") as f:
                written = f.read()
            rendered = render(doc)
            if rendered != written:
                at = next((i for i, (a, b) in enumerate(zip(rendered, written)) if a != b),
                          min(len(rendered), len(written)))
                failures.append("result file from the JSON differs at byte %d: %r against %r"
                                % (at, rendered[at:at + 60], written[at:at + 60]))
        if failures:
            print("%s: %s" % (name, "; ".join(failures)))
            return 1
        print("%s: ok (%d cut pieces, %d runs)" % (name, len(doc["cutPieces"]),
                                                   sum(len(p["runs"]) for p in doc["cutPieces"])))
        return 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
