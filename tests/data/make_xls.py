#!/usr/bin/env python3
"""Writes the small .xls workbooks of the import tests (Debian package python3-xlwt).

Run from this folder: ./make_xls.py
"""
import xlwt


def points_workbook(path):
    book = xlwt.Workbook(encoding="utf-8")
    sheet = book.add_sheet("Points")
    # Rows and columns are 0-based here: row 4 is the spreadsheet's row 5, column 11 is L.
    for col, title in enumerate(["X", "Y", "Libellé"]):
        sheet.write(4, col, title)
    sheet.write(4, 11, "Z")
    rows = [
        (1.25, 2.5, "borne 1", 100.5),
        (3, 4, "Église", None),
        (5.125, 6.75, "", "haut"),
        (-7.5, 8, 42, 12),
    ]
    for i, (x, y, label, z) in enumerate(rows):
        r = 5 + i
        sheet.write(r, 0, x)
        sheet.write(r, 1, y)
        if label != "":
            sheet.write(r, 2, label)
        if z is not None:
            sheet.write(r, 11, z)
    # Row 11 (below the empty X cell of row 10) is never read.
    sheet.write(10, 0, 99)
    sheet.write(10, 1, 99)
    other = book.add_sheet("Autre")
    other.write(5, 0, 1000)
    book.save(path)


points_workbook("points.xls")
