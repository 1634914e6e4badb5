#!/usr/bin/env python3
"""Writes the small .xlsx, .ods, .csv and hostile workbooks of the import tests (Python's
standard library only: the archives and their XML are written by hand).

points.* hold the content of points.xls (made by make_xls.py).
Run from this folder: ./make_workbooks.py
"""
import struct
import zipfile
from xml.sax.saxutils import escape

MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
PKG = "http://schemas.openxmlformats.org/package/2006/relationships"
DOC = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument"
SHEET = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet"
STRINGS = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings"
DECL = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'

# (row, column) -> value of the points workbook; rows and columns from 1, column 12 is L.
POINTS = {(5, 1): "X", (5, 2): "Y", (5, 3): "Libellé", (5, 12): "Z"}
for i, (x, y, label, z) in enumerate([
    (1.25, 2.5, "borne 1", 100.5),
    (3, 4, "Église", None),
    (5.125, 6.75, "", "haut"),
    (-7.5, 8, 42, 12),
]):
    POINTS[(6 + i, 1)] = x
    POINTS[(6 + i, 2)] = y
    if label != "":
        POINTS[(6 + i, 3)] = label
    if z is not None:
        POINTS[(6 + i, 12)] = z
POINTS[(11, 1)] = 99
POINTS[(11, 2)] = 99
OTHER = {(6, 1): 1000}


def letters(column):
    s = ""
    while column:
        column, r = divmod(column - 1, 26)
        s = chr(65 + r) + s
    return s


def write_zip(path, members, compression=zipfile.ZIP_DEFLATED):
    with zipfile.ZipFile(path, "w") as z:
        for name, data in members:
            kind = zipfile.ZIP_STORED if name == "mimetype" else compression
            z.writestr(zipfile.ZipInfo(name, (2024, 1, 1, 0, 0, 0)), data, kind)


# Office Open XML.

def sheet_xml(rows):
    """rows: {row: [xml of each cell]}"""
    body = "".join(f'<row r="{r}">{"".join(cells)}</row>' for r, cells in sorted(rows.items()))
    return f'{DECL}<worksheet xmlns="{MAIN}" xmlns:r="{REL}"><sheetData>{body}</sheetData></worksheet>'


def cells_of(values, strings):
    rows = {}
    for (r, c), v in sorted(values.items()):
        ref = f"{letters(c)}{r}"
        if isinstance(v, str):
            if v not in strings:
                strings.append(v)
            xml = f'<c r="{ref}" t="s"><v>{strings.index(v)}</v></c>'
        else:
            xml = f'<c r="{ref}"><v>{v}</v></c>'
        rows.setdefault(r, []).append(xml)
    return rows


def shared_strings_xml(items):
    items = list(items)
    body = "".join(f"<si>{item}</si>" for item in items)
    return f'{DECL}<sst xmlns="{MAIN}" count="{len(items)}" uniqueCount="{len(items)}">{body}</sst>'


def xlsx(path, sheets, strings_xml=None, extra=()):
    """sheets: [(tab name, member file name, xml)], in tab order."""
    ml = "application/vnd.openxmlformats-officedocument.spreadsheetml"
    parts = [("/xl/workbook.xml", f"{ml}.sheet.main+xml")]
    parts += [(f"/xl/worksheets/{file}", f"{ml}.worksheet+xml") for _, file, _ in sheets]
    if strings_xml is not None:
        parts.append(("/xl/sharedStrings.xml", f"{ml}.sharedStrings+xml"))
    types = (f'{DECL}<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
             '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
             '<Default Extension="xml" ContentType="application/xml"/>'
             + "".join(f'<Override PartName="{n}" ContentType="{t}"/>' for n, t in parts) + "</Types>")
    root = (f'{DECL}<Relationships xmlns="{PKG}">'
            f'<Relationship Id="rId1" Type="{DOC}" Target="xl/workbook.xml"/></Relationships>')
    tabs = "".join(f'<sheet name="{escape(name)}" sheetId="{i + 1}" r:id="rIdS{i}"/>'
                   for i, (name, _, _) in enumerate(sheets))
    workbook = f'{DECL}<workbook xmlns="{MAIN}" xmlns:r="{REL}"><sheets>{tabs}</sheets></workbook>'
    rels = "".join(f'<Relationship Id="rIdS{i}" Type="{SHEET}" Target="worksheets/{file}"/>'
                   for i, (_, file, _) in enumerate(sheets))
    if strings_xml is not None:
        rels += f'<Relationship Id="rIdT" Type="{STRINGS}" Target="/xl/sharedStrings.xml"/>'
    members = [("[Content_Types].xml", types), ("_rels/.rels", root), ("xl/workbook.xml", workbook),
               ("xl/_rels/workbook.xml.rels", f'{DECL}<Relationships xmlns="{PKG}">{rels}</Relationships>')]
    members += [(f"xl/worksheets/{file}", xml) for _, file, xml in sheets]
    if strings_xml is not None:
        members.append(("xl/sharedStrings.xml", strings_xml))
    write_zip(path, members + list(extra))


def points_xlsx(path):
    strings = []
    points = sheet_xml(cells_of(POINTS, strings))
    other = sheet_xml(cells_of(OTHER, strings))
    # The first tab is stored as sheet2.xml: tab order, not file names, makes the first sheet.
    xlsx(path, [("Points", "sheet2.xml", points), ("Autre", "sheet1.xml", other)],
         shared_strings_xml(f"<t>{escape(s)}</t>" for s in strings))


FEATURES_XLSX = [
    '<c r="A1" t="s"><v>0</v></c><c r="B1" t="inlineStr"><is><t>partagé</t></is></c>',
    # Runs of rich text; the phonetic reading is no part of the value.
    '<c r="A2" t="s"><v>1</v></c><c r="B2" t="inlineStr"><is><r><t>bor</t></r><r><t>ne</t></r></is></c>',
    '<c r="A3"><f>1+1</f><v>2</v></c><c r="B3" t="str"><f>"a"&amp;"b"</f><v>ab</v></c><c r="C3"><f>1+2</f></c>',
    '<c r="A4" t="b"><v>1</v></c><c r="B4" t="e"><f>1/0</f><v>#DIV/0!</v></c><c r="C4" s="1"><v>45292</v></c>',
    '<c r="A5" t="inlineStr"><is><t>a_x000D_b</t></is></c><c r="B5"><v>1.5E-7</v></c>',
    # No references: the cells follow one another, and the row follows row 5.
    '<c><v>10</v></c><c><v>20</v></c>',
    '<c r="A7" t="s"><v>2</v></c><c r="Z7"><v>26</v></c><c r="AA7"><v>27</v></c>',
]


def features_xlsx(path):
    rows = "".join(f"<row>{cells}</row>" for cells in FEATURES_XLSX)
    xml = f'{DECL}<worksheet xmlns="{MAIN}"><sheetData>{rows}</sheetData></worksheet>'
    strings = shared_strings_xml([
        "<t>partagé</t>",
        '<r><t>bor</t></r><r><t>ne</t></r><rPh sb="0" eb="1"><t>ボ</t></rPh>',
        "<t>Église</t>",
    ])
    xlsx(path, [("Essais", "sheet1.xml", xml)], strings)


# OpenDocument.

ODS_NS = ('xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
          'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
          'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
          'xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0" '
          'xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0" '
          'xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2" '
          'office:version="1.3"')
ODS_TYPE = "application/vnd.oasis.opendocument.spreadsheet"
# What LibreOffice writes after the last row: empty rows to the end of the sheet.
PADDING = ('<table:table-row table:number-rows-repeated="1048560">'
           '<table:table-cell table:number-columns-repeated="1024"/></table:table-row>')


def manifest(encrypted=False):
    data = ('<manifest:encryption-data manifest:checksum-type="SHA1/1K" manifest:checksum="AA==">'
            '<manifest:algorithm manifest:algorithm-name="Blowfish CFB" manifest:initialisation-vector="AA=="/>'
            '<manifest:key-derivation manifest:key-derivation-name="PBKDF2" manifest:iteration-count="1024" manifest:salt="AA=="/>'
            '</manifest:encryption-data>') if encrypted else ""
    return (f'{DECL}<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.3">'
            f'<manifest:file-entry manifest:full-path="/" manifest:media-type="{ODS_TYPE}"/>'
            f'<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml">{data}</manifest:file-entry>'
            '</manifest:manifest>')


def ods(path, tables, encrypted=False, content=None):
    body = "".join(f'<table:table table:name="{escape(name)}">'
                   '<table:table-column table:number-columns-repeated="1024"/>'
                   f"{rows}</table:table>" for name, rows in tables)
    if content is None:
        content = (f"{DECL}<office:document-content {ODS_NS}><office:body><office:spreadsheet>"
                   f"{body}</office:spreadsheet></office:body></office:document-content>")
    write_zip(path, [("mimetype", ODS_TYPE), ("META-INF/manifest.xml", manifest(encrypted)),
                     ("content.xml", content)])


def ods_cell(v):
    if isinstance(v, str):
        return f'<table:table-cell office:value-type="string"><text:p>{escape(v)}</text:p></table:table-cell>'
    return (f'<table:table-cell office:value-type="float" office:value="{v}">'
            f"<text:p>{str(v).replace('.', ',')}</text:p></table:table-cell>")


def ods_rows(values):
    out, row = [], 1
    for r in sorted({r for r, _ in values}):
        if r > row:
            out.append(f'<table:table-row table:number-rows-repeated="{r - row}">'
                       '<table:table-cell table:number-columns-repeated="1024"/></table:table-row>')
        cells, column = [], 1
        for c in sorted(c for rr, c in values if rr == r):
            if c > column:
                cells.append(f'<table:table-cell table:number-columns-repeated="{c - column}"/>')
            cells.append(ods_cell(values[(r, c)]))
            column = c + 1
        cells.append(f'<table:table-cell table:number-columns-repeated="{1025 - column}"/>')
        out.append(f'<table:table-row>{"".join(cells)}</table:table-row>')
        row = r + 1
    return "".join(out) + PADDING


def points_ods(path):
    ods(path, [("Points", ods_rows(POINTS)), ("Autre", ods_rows(OTHER))])


FEATURES_ODS = [
    # Row 1: a text, one number repeated over B to D, a cell covered by a merge, then G.
    '<table:table-cell office:value-type="string"><text:p>partagé</text:p></table:table-cell>'
    '<table:table-cell table:number-columns-repeated="3" office:value-type="float" office:value="7"><text:p>7</text:p></table:table-cell>'
    '<table:table-cell table:number-columns-spanned="2" office:value-type="string"><text:p>fusion</text:p></table:table-cell>'
    '<table:covered-table-cell office:value-type="string"><text:p>caché</text:p></table:covered-table-cell>'
    '<table:table-cell office:value-type="float" office:value="-0.5"><text:p>-0,5</text:p></table:table-cell>',
    # Rows 2 to 4: one row repeated.
    None,
    # Row 5: cached values of formulas, a boolean, a date, a time, a percentage.
    '<table:table-cell table:formula="of:=1+1" office:value-type="float" office:value="2"><text:p>2</text:p></table:table-cell>'
    '<table:table-cell table:formula="of:=&quot;a&quot;&amp;&quot;b&quot;" office:value-type="string" office:string-value="ab"><text:p>ab</text:p></table:table-cell>'
    '<table:table-cell office:value-type="boolean" office:boolean-value="true"><text:p>VRAI</text:p></table:table-cell>'
    '<table:table-cell office:value-type="date" office:date-value="2024-01-01"><text:p>01/01/24</text:p></table:table-cell>'
    '<table:table-cell office:value-type="time" office:time-value="PT12H00M00S"><text:p>12:00</text:p></table:table-cell>'
    '<table:table-cell office:value-type="percentage" office:value="0.25"><text:p>25 %</text:p></table:table-cell>',
    # Row 6: spaces, a span, a note and a drawing that are no part of the text, two paragraphs.
    '<table:table-cell office:value-type="string"><office:annotation><text:p>note</text:p></office:annotation>'
    '<text:p>a<text:s text:c="3"/><text:span>b</text:span></text:p></table:table-cell>'
    '<table:table-cell office:value-type="string"><draw:frame><draw:text-box><text:p>dessin</text:p></draw:text-box></draw:frame>'
    '<text:p>l1</text:p><text:p>l2</text:p></table:table-cell>',
    '<table:table-cell office:value-type="string"><text:p>Église</text:p></table:table-cell>',
]


def features_ods(path):
    rows = []
    for cells in FEATURES_ODS:
        if cells is None:
            rows.append('<table:table-row table:number-rows-repeated="3">'
                        '<table:table-cell office:value-type="string"><text:p>rép</text:p></table:table-cell>'
                        '<table:table-cell office:value-type="float" office:value="1.5"><text:p>1,5</text:p></table:table-cell>'
                        '<table:table-cell table:number-columns-repeated="1022"/></table:table-row>')
        else:
            rows.append(f"<table:table-row>{cells}</table:table-row>")
    ods(path, [("Essais", "".join(rows) + PADDING), ("Autre", ods_rows(OTHER))])


# Text.

def points_csv(path):
    """As a French spreadsheet saves it: ";", decimal commas, Windows-1252, CR LF."""
    last_row = max(r for r, _ in POINTS)
    lines = []
    for r in range(1, last_row + 1):
        fields = []
        for c in range(1, 13):
            v = POINTS.get((r, c), "")
            fields.append(str(v).replace(".", ",") if not isinstance(v, str) else v)
        lines.append(";".join(fields))
    with open(path, "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("cp1252"))


# Damaged and hostile workbooks.

def patch_sizes(path, member, size):
    """Writes `size` as the inflated size of `member` in its local and central headers."""
    data = bytearray(open(path, "rb").read())
    name = member.encode()
    for signature, offset in ((b"PK\x03\x04", 22), (b"PK\x01\x02", 24)):
        at = 0
        while (at := data.find(signature, at)) >= 0:
            length_at = 26 if signature == b"PK\x03\x04" else 28
            header = 30 if signature == b"PK\x03\x04" else 46
            n = struct.unpack_from("<H", data, at + length_at)[0]
            if data[at + header:at + header + n] == name:
                struct.pack_into("<I", data, at + offset, size)
            at += 4
    open(path, "wb").write(data)


def hostile():
    points_xlsx("bombe-taille.xlsx")  # claims 2 GB once inflated
    patch_sizes("bombe-taille.xlsx", "xl/worksheets/sheet2.xml", 2 << 30)
    points_xlsx("bombe-ratio.xlsx")  # claims 600 MB from a few hundred bytes
    patch_sizes("bombe-ratio.xlsx", "xl/worksheets/sheet2.xml", 600_000_000)
    points_xlsx("taille-fausse.xlsx")  # claims fewer bytes than it inflates to
    patch_sizes("taille-fausse.xlsx", "xl/worksheets/sheet2.xml", 100)

    cells = '<c r="A1"><v>1</v></c><c r="BDWGN1"><v>2</v></c>'  # column 1,000,000
    xlsx("colonnes.xlsx", [("S", "sheet1.xml", sheet_xml({1: [cells]}))])
    ods("colonnes.ods", [("S", '<table:table-row><table:table-cell table:number-columns-repeated="1000000" '
                               'office:value-type="float" office:value="1"/></table:table-row>')])
    ods("lignes.ods", [("S", '<table:table-row table:number-rows-repeated="2000000">'
                             '<table:table-cell office:value-type="float" office:value="1"/></table:table-row>')])

    xxe = ('<?xml version="1.0"?><!DOCTYPE sst [<!ENTITY e SYSTEM "file:///etc/passwd">]>'
           f'<sst xmlns="{MAIN}"><si><t>&e;</t></si></sst>')
    xlsx("entite-externe.xlsx", [("S", "sheet1.xml", sheet_xml({1: ['<c r="A1" t="s"><v>0</v></c>']}))], xxe)
    laughs = "".join(f'<!ENTITY l{i} "{("&l%d;" % (i - 1)) * 10 if i else "lol"}">' for i in range(10))
    laughs = f'<?xml version="1.0"?><!DOCTYPE sst [{laughs}]><sst xmlns="{MAIN}"><si><t>&l9;</t></si></sst>'
    xlsx("milliard-de-rires.xlsx", [("S", "sheet1.xml", sheet_xml({1: ['<c r="A1" t="s"><v>0</v></c>']}))], laughs)

    ods("chiffre.ods", [], encrypted=True, content=bytes(range(256)) * 4)
    encrypted_ooxml("chiffre.xlsx")
    write_zip("binaire.xlsb", [("xl/workbook.bin", b"\x83\x01\x00")])
    write_zip("archive.zip", [("lisez-moi.txt", "pas un classeur")])
    xlsx("chaine-absente.xlsx", [("S", "sheet1.xml", sheet_xml({1: ['<c r="A1" t="s"><v>7</v></c>']}))],
         shared_strings_xml(["<t>seule</t>"]))
    deep = "<x>" * 300 + "</x>" * 300
    xlsx("imbrique.xlsx", [("S", "sheet1.xml", f'<worksheet xmlns="{MAIN}"><sheetData/>{deep}</worksheet>')])


def encrypted_ooxml(path):
    """A compound file as office programs write a password-protected .xlsx: the streams
    "EncryptionInfo" and "EncryptedPackage" (both small here, in the mini stream)."""
    end, free, fat_sector = 0xFFFFFFFE, 0xFFFFFFFF, 0xFFFFFFFD
    header = bytearray(512)
    header[0:8] = b"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"
    struct.pack_into("<HHHHH", header, 24, 0x3E, 3, 0xFFFE, 9, 6)
    # FAT sectors 1, first directory sector 1, mini cutoff, first mini FAT 3 (1 sector),
    # no DIFAT sector.
    struct.pack_into("<IIIIIIII", header, 44, 1, 1, 0, 4096, 3, 1, end, 0)
    struct.pack_into("<I", header, 76, 0)
    for i in range(1, 109):
        struct.pack_into("<I", header, 76 + 4 * i, free)
    fat = struct.pack("<4I", fat_sector, end, end, end) + struct.pack("<I", free) * 124

    def entry(name, kind, left, right, child, start, size):
        encoded = (name + "\0").encode("utf-16-le")
        e = bytearray(128)
        e[0:len(encoded)] = encoded
        struct.pack_into("<HBB3I", e, 64, len(encoded), kind, 1, left, right, child)
        struct.pack_into("<IQ", e, 116, start, size)
        return bytes(e)

    nobody = 0xFFFFFFFF
    directory = (entry("Root Entry", 5, nobody, nobody, 1, 2, 128)
                 + entry("EncryptionInfo", 2, nobody, 2, nobody, 0, 64)
                 + entry("EncryptedPackage", 2, nobody, nobody, nobody, 1, 64)
                 + bytes(128))
    mini_stream = bytes(range(128)) + bytes(384)
    mini_fat = struct.pack("<2I", end, end) + struct.pack("<I", free) * 126
    with open(path, "wb") as f:
        f.write(bytes(header) + fat + directory + mini_stream + mini_fat)


points_xlsx("points.xlsx")
points_ods("points.ods")
points_csv("points.csv")
features_xlsx("essais.xlsx")
features_ods("essais.ods")
hostile()
