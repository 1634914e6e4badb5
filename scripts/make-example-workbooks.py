#!/usr/bin/python3
"""Writes the two example workbooks of the converter window (resources/*.xl0).

They are Excel 97-2003 workbooks (BIFF8) named ".xl0" so that the program ships them
untouched and copies them to ".xls" when the user asks for an example. Run again after
changing the rows below; needs python3-xlwt (scripts/install-deps.sh).
"""
import os
import xlwt

HERE = os.path.dirname(os.path.abspath(__file__))
RESOURCES = os.path.join(HERE, "..", "resources")


def write(name, rows):
    book = xlwt.Workbook(encoding="utf-8")
    sheet = book.add_sheet("Feuil1")
    for r, row in enumerate(rows):
        for c, value in enumerate(row):
            sheet.write(r, c, value)
    path = os.path.join(RESOURCES, name + ".xl0")
    book.save(path)
    print(path)


# Zone, ellipsoid and hemisphere first, then label, easting (X), northing (Y) from row 4.
write("Exemple UTM to LatLong", [
    ["Zone", 31],
    ["Ellipsoide", "WGS 84"],
    ["Hémisphère", "N"],
    ["Tour Eiffel", 448252, 5411939],
    ["Puy de Dôme", 497192, 5068741],
    ["Pic du Midi", 266729, 4757717],
    ["Mont Ventoux", 682153, 4893711],
])

# A header row, then name, latitude, longitude; S and O stand for negative angles.
write("Exemple LatLog to UTM", [
    ["Nom", "Latitude", "Longitude"],
    ["Strasbourg", "48° 35' 59,8555\" N", "7° 44' 12,2052\" E"],
    ["Brest", "48° 23' 24\" N", "4° 29' 10\" O"],
    ["Rio de Janeiro", "22° 54' 30\" S", "43° 10' 20\" O"],
    ["Nouméa", "22,2758 S", "166,4580 E"],
    ["Greenwich", "51,4769 N", "0"],
])
