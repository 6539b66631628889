#!/usr/bin/python3
"""Writes the small workbooks the import tests read: points.xls (with
python3-xlwt), points.ods (by hand, it is a zip of XML) and points.csv.
The .xlsx twin is written by the tests themselves with libxlsxwriter.
Also no_results.xlsx, by hand: formulas whose results are not stored, as
some programs that generate workbooks leave them; and rels_*.xlsx, the same
workbook with unusual relationship targets.
Run from this folder: /usr/bin/python3 make_fixtures.py

Every file holds the same sheet "Sheet1":
    row 1   x      y      note       headings (text)
    rows 2-6  1..5   2x-1   101..105   a line, and a third column
    row 7   6      (empty)
    row 8   seven  13                 a text cell
    row 9   " 8 "  15                 a number typed as text
and the workbooks also a sheet "Second" with (10, 100), (20, 400), (30, 900)
and in row 4 the value 40 beside a formula =A4*A4 (.ods only; the .xls
cannot store the formula's result), in row 5 the value 50 beside a formula
=A5*2 whose result is not stored (.ods only). The .xls has a sheet "Dates" with the
date 2020-01-31 in A1 and 1.5 in B1.
"""
import datetime
import zipfile

SHEET1 = [
    ["x", "y", "note"],
    [1, 1, 101], [2, 3, 102], [3, 5, 103], [4, 7, 104], [5, 9, 105],
    [6, None],
    ["seven", 13],
    [" 8 ", 15],
]
SECOND = [[10, 100], [20, 400], [30, 900]]


def write_xls():
    import xlwt
    book = xlwt.Workbook()
    for name, rows in (("Sheet1", SHEET1), ("Second", SECOND)):
        sheet = book.add_sheet(name)
        for r, row in enumerate(rows):
            for c, value in enumerate(row):
                if value is not None:
                    sheet.write(r, c, value)
    dates = book.add_sheet("Dates")
    dates.write(0, 0, datetime.date(2020, 1, 31), xlwt.easyxf(num_format_str="YYYY-MM-DD"))
    dates.write(0, 1, 1.5)
    book.save("points.xls")


def ods_cell(value):
    if value is None:
        return "<table:table-cell/>"
    if isinstance(value, str):
        return ('<table:table-cell office:value-type="string"><text:p>%s</text:p>'
                "</table:table-cell>" % value)
    return ('<table:table-cell office:value-type="float" office:value="%s">'
            "<text:p>%s</text:p></table:table-cell>" % (value, value))


def ods_table(name, rows):
    body = "".join("<table:table-row>%s</table:table-row>" % "".join(ods_cell(v) for v in row)
                   for row in rows)
    return '<table:table table:name="%s">%s</table:table>' % (name, body)


def write_ods():
    formula_row = ('<table:table-row>%s<table:table-cell table:formula="of:=[.A4]*[.A4]" '
                   'office:value-type="float" office:value="1600"><text:p>1600</text:p>'
                   "</table:table-cell></table:table-row>" % ods_cell(40))
    unstored_row = ('<table:table-row>%s<table:table-cell table:formula="of:=[.A5]*2"/>'
                    "</table:table-row>" % ods_cell(50))
    second = ods_table("Second", SECOND).replace("</table:table>", formula_row + unstored_row + "</table:table>")
    content = (
        '<?xml version="1.0" encoding="UTF-8"?>'
        '<office:document-content'
        ' xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"'
        ' xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"'
        ' xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"'
        ' office:version="1.2"><office:body><office:spreadsheet>'
        + ods_table("Sheet1", SHEET1) + second +
        "</office:spreadsheet></office:body></office:document-content>")
    manifest = (
        '<?xml version="1.0" encoding="UTF-8"?>'
        '<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0"'
        ' manifest:version="1.2">'
        '<manifest:file-entry manifest:full-path="/"'
        ' manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/>'
        '<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>'
        "</manifest:manifest>")
    with zipfile.ZipFile("points.ods", "w") as z:
        # The media type comes first and uncompressed, as the format asks.
        z.writestr(zipfile.ZipInfo("mimetype"), "application/vnd.oasis.opendocument.spreadsheet",
                   compress_type=zipfile.ZIP_STORED)
        z.writestr("content.xml", content, compress_type=zipfile.ZIP_DEFLATED)
        z.writestr("META-INF/manifest.xml", manifest, compress_type=zipfile.ZIP_DEFLATED)


def write_csv():
    def field(v):
        return "" if v is None else str(v)
    with open("points.csv", "w") as f:
        for row in SHEET1:
            f.write(",".join(field(v) for v in row) + "\n")


def write_no_results(path="no_results.xlsx", workbook="xl/workbook.xml", sheet="worksheets/sheet1.xml"):
    """Sheet1: A1 1 and B1 =A1*2 (no result), A2 2 and B2 =A2*2 (result 4),
    A3 3 and B3 a text formula without its result. The relationships lead
    to the workbook and its sheet by the given targets."""
    main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
    rels = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
    package = "http://schemas.openxmlformats.org/package/2006/relationships"
    parts = {
        "[Content_Types].xml":
            '<?xml version="1.0" encoding="UTF-8"?>'
            '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
            '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
            '<Default Extension="xml" ContentType="application/xml"/>'
            '<Override PartName="/xl/workbook.xml" ContentType="application/'
            'vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>'
            '<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/'
            'vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/></Types>',
        "_rels/.rels":
            '<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="%s">'
            '<Relationship Id="rId1" Type="%s/officeDocument" Target="%s"/>'
            "</Relationships>" % (package, rels, workbook),
        "xl/workbook.xml":
            '<?xml version="1.0" encoding="UTF-8"?><workbook xmlns="%s" xmlns:r="%s"><sheets>'
            '<sheet name="Sheet1" sheetId="1" r:id="rId1"/></sheets></workbook>' % (main, rels),
        "xl/_rels/workbook.xml.rels":
            '<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="%s">'
            '<Relationship Id="rId1" Type="%s/worksheet" Target="%s"/>'
            "</Relationships>" % (package, rels, sheet),
        "xl/worksheets/sheet1.xml":
            '<?xml version="1.0" encoding="UTF-8"?><worksheet xmlns="%s"><sheetData>'
            '<row r="1"><c r="A1"><v>1</v></c><c r="B1"><f>A1*2</f></c></row>'
            '<row r="2"><c r="A2"><v>2</v></c><c r="B2"><f>A2*2</f><v>4</v></c></row>'
            '<row r="3"><c r="A3"><v>3</v></c><c r="B3" t="str"><f>"x"&amp;A3</f></c></row>'
            "</sheetData></worksheet>" % main,
    }
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for name, text in parts.items():
            z.writestr(name, text)


def write_relationship_variants():
    """no_results.xlsx with other relationship targets: absolute ones, one
    that leaves the package, and one through a folder that is not there."""
    write_no_results("rels_absolute.xlsx", "/xl/workbook.xml", "/xl/worksheets/sheet1.xml")
    write_no_results("rels_outside.xlsx", sheet="../../worksheets/sheet1.xml")
    write_no_results("rels_missing_folder.xlsx", sheet="sheets/sheet1.xml")


write_xls()
write_ods()
write_csv()
write_no_results()
write_relationship_variants()
