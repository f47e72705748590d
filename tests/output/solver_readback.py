#!/usr/bin/env python3
"""Reads an exported ipuz or JPZ file back the way a solver's program does,
with Python's own json (checked against the acrostic schema with
jsonschema) and xml.etree, and prints what it found as one JSON object:
the title and author, the clue list as the printed puzzle writes it
("B. Poet   7  12"), each word's answer read off the solution, and the
quotation's letters in reading order. Exits 1 with the reasons when the
file is not what a solver expects.

usage: solver_readback.py ipuz FILE SCHEMA | jpz FILE
"""

import json
import sys
import xml.etree.ElementTree as ElementTree

import jsonschema


def clue_line(label, clue, numbers):
    return label + ". " + clue + "".join(" %3d" % n for n in numbers)


def fail(reasons):
    for reason in reasons:
        print(reason, file=sys.stderr)
    sys.exit(1)


def reading_order_numbers(grid, is_block):
    """The numbers a printed grid gives its letter squares: 1, 2, ... across the rows."""
    numbers, n = {}, 0
    for r, row in enumerate(grid):
        for c, cell in enumerate(row):
            if not is_block(cell):
                n += 1
                numbers[(c, r)] = n
    return numbers


def read_ipuz(path, schema_path):
    with open(path, encoding="utf-8") as f:
        doc = json.load(f)
    with open(schema_path, encoding="utf-8") as f:
        schema = json.load(f)
    errors = [e.message for e in jsonschema.Draft202012Validator(schema).iter_errors(doc)]
    if errors:
        fail(errors)
    width, height = doc["dimensions"]["width"], doc["dimensions"]["height"]
    puzzle, solution = doc["puzzle"], doc["solution"]
    problems = []
    if len(puzzle) != height or any(len(row) != width for row in puzzle):
        problems.append("the puzzle grid is not %d x %d" % (width, height))
    numbers = reading_order_numbers(puzzle, lambda cell: cell == "#")
    for (c, r), n in numbers.items():
        if puzzle[r][c] != n:
            problems.append("square [%d, %d] is numbered %s, printed %d" % (c, r, puzzle[r][c], n))
    lines, answers, quotation = [], [], None
    for clue in doc["clues"]["Clues"]:
        cells = [tuple(cell) for cell in clue["cells"]]
        if clue["clue"] == "[QUOTE]":
            if cells != sorted(numbers, key=lambda cell: (cell[1], cell[0])):
                problems.append("the quotation's cells are not every letter square in reading order")
            quotation = "".join(solution[r][c] or "?" for c, r in cells)
            continue
        answer = "".join(solution[r][c] or "?" for c, r in cells)
        if clue.get("answer", answer) != answer:
            problems.append("clue %s answers %s, its cells read %s" % (clue["label"], clue["answer"], answer))
        lines.append(clue_line(clue["label"], clue["clue"], [numbers[cell] for cell in cells]))
        answers.append(answer)
    if problems:
        fail(problems)
    return {"title": doc.get("title", ""), "author": doc.get("author", ""), "clues": lines,
            "answers": answers, "quotation": quotation}


def read_jpz(path):
    ns = {"applet": "http://crossword.info/xml/crossword-compiler-applet",
          "puzzle": "http://crossword.info/xml/rectangular-puzzle"}
    root = ElementTree.parse(path).getroot()
    if root.tag != "{%s}crossword-compiler-applet" % ns["applet"]:
        fail(["the root is %s" % root.tag])
    puzzle = root.find("puzzle:rectangular-puzzle", ns)
    acrostic = puzzle.find("puzzle:acrostic", ns)
    grid = acrostic.find("puzzle:grid", ns)
    width, height = int(grid.get("width")), int(grid.get("height"))
    cells = {(int(cell.get("x")), int(cell.get("y"))): cell for cell in grid.findall("puzzle:cell", ns)}
    problems = []
    if sorted(cells) != sorted((x, y) for x in range(1, width + 1) for y in range(1, height + 1)):
        problems.append("the grid's cells are not every square of %d x %d, counted from 1" % (width, height))
    rows = [[cells.get((x, y)) for x in range(1, width + 1)] for y in range(1, height + 1)]
    numbers = reading_order_numbers(rows, lambda cell: cell is None or cell.get("type") == "block")
    for (c, r), n in numbers.items():
        if rows[r][c].get("number") != str(n):
            problems.append("square (%d, %d) is numbered %s, printed %d" % (c + 1, r + 1, rows[r][c].get("number"), n))
    words = {word.get("id"): [(int(c.get("x")), int(c.get("y"))) for c in word.findall("puzzle:cells", ns)]
             for word in acrostic.findall("puzzle:word", ns)}
    lines, answers, quotation = [], [], None
    for clue in acrostic.find("puzzle:clues", ns).findall("puzzle:clue", ns):
        word = words[clue.get("word")]
        letters = "".join(cells[cell].get("solution", "?") for cell in word)
        if clue.text == "[QUOTE]":
            quotation = letters
            continue
        lines.append(clue_line(clue.get("number"), clue.text or "", [int(cells[cell].get("number")) for cell in word]))
        answers.append(letters)
    if problems:
        fail(problems)
    metadata = puzzle.find("puzzle:metadata", ns)
    return {"title": metadata.findtext("puzzle:title", "", ns), "author": metadata.findtext("puzzle:creator", "", ns),
            "clues": lines, "answers": answers, "quotation": quotation}


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "ipuz":
        found = read_ipuz(sys.argv[2], sys.argv[3])
    elif len(sys.argv) == 3 and sys.argv[1] == "jpz":
        found = read_jpz(sys.argv[2])
    else:
        fail([__doc__.strip().splitlines()[-1]])
    print(json.dumps(found, ensure_ascii=False))


if __name__ == "__main__":
    main()
