#!/usr/bin/python3
"""Makes the workbooks the import tests read with a real office suite, so the
tests meet files as users' spreadsheets are written, not as we would write
them. One workbook is built through LibreOffice's UNO bridge and saved as
office.xlsx, office.ods, office.xls and office-<sheet>.csv (one .csv per
sheet, cells as shown, which is how the suite saves text by default).

Needs LibreOffice Calc and its Python bridge (Debian: libreoffice-calc-nogui
python3-uno); the script installs them with apt-get when it runs as root and
they are missing. Run with the system Python, from anywhere:

    /usr/bin/python3 tests/fitting/data/make_office_fixtures.py
    /usr/bin/python3 tests/fitting/data/make_office_fixtures.py --big DIR

--big writes the large sheets the import benchmark reads instead: two
columns of 100000 rows as big.xlsx, big.ods and big.csv, and of 65536 rows
(all a .xls sheet holds) as big.xls.

The sheets (rows and columns as the suite counts them, from 1 and A):
  Plain     A1:B5 x = 1..5, y = 2x + 1; C holds notes.
  Formulas  A1:A10 x = 1..10; B1:B10 formulas whose stored results are
            2.5 4 1 0 2.6 5 1 20 5 1 (ABS SQRT EXP LN ROUND COUNT STDEV
            VLOOKUP MAX MIN); B11 =1/0 (an error), B12 ="text" (a text
            result); D1 =TODAY(), a volatile function outside every range.
  Formats   A1:A10 x = 1..10; B holds numbers shown with a format:
            25 % (0.25), $1,234.50 (1234.5), 12:00 (0.5), TRUE (1),
            2020-01-31 (43861), 2020-01-31 18:00 shown as a date only
            (43861.75), 36:00 elapsed (1.5), 1900-01-15 (16), 1e-310
            (below the smallest normal double), -7.5 shown as -7.50.
  Merged    A1:A2 merged (1), B1 10, B2 20, A3 3, B3 30; D1:E2 merged (7),
            A4 4, B4 40, D3 5, E3 50.
  Texts     rows 1-400: A the text " <row>" padded with blanks to 40
            characters, B the text "<row>.5"; enough text that the .xls
            string table runs on over several records.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def ensure_office():
    if shutil.which("soffice"):
        try:
            import uno  # noqa: F401
            return
        except ImportError:
            pass
    if os.geteuid() != 0:
        sys.exit("Please install libreoffice-calc-nogui and python3-uno, then run again.")
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    subprocess.check_call(["apt-get", "install", "-y", "--no-install-recommends",
                           "libreoffice-calc-nogui", "python3-uno"], env=env)


def start_office(profile):
    pipe = "orrery_fixtures_%d" % os.getpid()
    process = subprocess.Popen(
        ["soffice", "--headless", "--invisible", "--norestore", "--nologo",
         "-env:UserInstallation=file://" + profile,
         "--accept=pipe,name=%s;urp;StarOffice.ComponentContext" % pipe],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    import uno
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext(
        "com.sun.star.bridge.UnoUrlResolver", local)
    for _ in range(120):
        try:
            context = resolver.resolve(
                "uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
            desktop = context.ServiceManager.createInstanceWithContext(
                "com.sun.star.frame.Desktop", context)
            return process, desktop
        except Exception:
            time.sleep(0.5)
    process.kill()
    sys.exit("LibreOffice did not answer")


def prop(name, value):
    import uno
    p = uno.createUnoStruct("com.sun.star.beans.PropertyValue")
    p.Name, p.Value = name, value
    return p


class Book:
    def __init__(self, desktop):
        self.doc = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0,
                                                (prop("Hidden", True),))
        self.sheets = self.doc.getSheets()
        self.formats = self.doc.getNumberFormats()
        import uno
        self.locale = uno.createUnoStruct("com.sun.star.lang.Locale")
        self.locale.Language, self.locale.Country = "en", "US"

    def sheet(self, name, first=False):
        if first:
            sheet = self.sheets.getByIndex(0)
            sheet.setName(name)
            return sheet
        self.sheets.insertNewByName(name, self.sheets.getCount())
        return self.sheets.getByName(name)

    def format_key(self, code):
        key = self.formats.queryKey(code, self.locale, False)
        return key if key >= 0 else self.formats.addNew(code, self.locale)

    def boolean_key(self):
        from com.sun.star.util.NumberFormat import LOGICAL
        return self.formats.getStandardFormat(LOGICAL, self.locale)

    def save(self, path, filter_name, options=None):
        import uno
        props = [prop("FilterName", filter_name), prop("Overwrite", True)]
        if options:
            props.append(prop("FilterOptions", options))
        self.doc.storeToURL(uno.systemPathToFileUrl(path), tuple(props))


def fill_plain(book):
    sheet = book.sheet("Plain", first=True)
    for r in range(5):
        sheet.getCellByPosition(0, r).setValue(r + 1)
        sheet.getCellByPosition(1, r).setValue(2 * (r + 1) + 1)
        sheet.getCellByPosition(2, r).setString("note %d" % (r + 1))


def fill_formulas(book):
    sheet = book.sheet("Formulas")
    formulas = ["=ABS(-2.5)", "=SQRT(16)", "=EXP(0)", "=LN(1)", "=ROUND(2.567;1)",
                "=COUNT(A1:A5)", "=STDEV(1;2;3)", "=VLOOKUP(2;A1:C10;3;0)",
                "=MAX(A1:A5)", "=MIN(A1:A5)", "=1/0", "=\"text\""]
    for r, formula in enumerate(formulas):
        sheet.getCellByPosition(0, r).setValue(r + 1)
        sheet.getCellByPosition(1, r).setFormula(formula)
        sheet.getCellByPosition(2, r).setValue(10 * (r + 1))
    sheet.getCellByPosition(3, 0).setFormula("=TODAY()")


def fill_formats(book):
    sheet = book.sheet("Formats")
    cells = [(0.25, "0%"), (1234.5, "[$$-409]#,##0.00"), (0.5, "HH:MM"), (1, None),
             (43861, "YYYY-MM-DD"), (43861.75, "YYYY-MM-DD"), (1.5, "[HH]:MM"),
             (16, "YYYY-MM-DD"), (1e-310, "General"), (-7.5, "0.00")]
    for r, (value, code) in enumerate(cells):
        sheet.getCellByPosition(0, r).setValue(r + 1)
        cell = sheet.getCellByPosition(1, r)
        cell.setValue(value)
        cell.NumberFormat = book.boolean_key() if code is None else book.format_key(code)


def fill_merged(book):
    sheet = book.sheet("Merged")
    for (c, r), value in {(0, 0): 1, (1, 0): 10, (1, 1): 20, (0, 2): 3, (1, 2): 30,
                          (3, 0): 7, (0, 3): 4, (1, 3): 40, (3, 2): 5, (4, 2): 50}.items():
        sheet.getCellByPosition(c, r).setValue(value)
    sheet.getCellRangeByName("A1:A2").merge(True)
    sheet.getCellRangeByName("D1:E2").merge(True)


def fill_texts(book):
    sheet = book.sheet("Texts")
    for r in range(400):
        sheet.getCellByPosition(0, r).setString((" %d" % (r + 1)).ljust(40))
        sheet.getCellByPosition(1, r).setString("%d.5" % (r + 1))


def fill_big(book, rows):
    sheet = book.sheet("Sheet1", first=True)
    data = tuple((float(i), 0.5 * i + 3.0) for i in range(1, rows + 1))
    sheet.getCellRangeByPosition(0, 0, 1, rows - 1).setDataArray(data)


# Comma, double quote, UTF-8, from line 1, standard cells, English, quoted
# text as text, detect special numbers, cells as shown, no formulas, keep
# blanks; a last ",-1" saves every sheet, each in a file of its own.
CSV_OPTIONS = "44,34,76,1,,1033,false,true,true,false,false"


def main():
    ensure_office()
    big = "--big" in sys.argv
    folder = os.path.abspath(sys.argv[sys.argv.index("--big") + 1]) if big else HERE
    os.makedirs(folder, exist_ok=True)
    profile = tempfile.mkdtemp(prefix="orrery-office-")
    process, desktop = start_office(profile)
    try:
        if big:
            for name, rows in (("big.xls", 65536), ("big", 100000)):
                book = Book(desktop)
                fill_big(book, rows)
                if name == "big.xls":
                    book.save(os.path.join(folder, name), "MS Excel 97")
                else:
                    base = os.path.join(folder, name)
                    book.save(base + ".xlsx", "Calc MS Excel 2007 XML")
                    book.save(base + ".ods", "calc8")
                    book.save(base + ".csv", "Text - txt - csv (StarCalc)", CSV_OPTIONS)
                book.doc.close(True)
        else:
            book = Book(desktop)
            fill_plain(book)
            fill_formulas(book)
            fill_formats(book)
            fill_merged(book)
            fill_texts(book)
            book.doc.calculateAll()
            base = os.path.join(folder, "office")
            book.save(base + ".xlsx", "Calc MS Excel 2007 XML")
            book.save(base + ".ods", "calc8")
            book.save(base + ".xls", "MS Excel 97")
            book.save(base + ".csv", "Text - txt - csv (StarCalc)", CSV_OPTIONS + ",-1")
            book.doc.close(True)
    finally:
        try:
            desktop.terminate()
        except Exception:
            pass
        try:
            process.wait(timeout=30)
        except subprocess.TimeoutExpired:
            process.kill()
        shutil.rmtree(profile, ignore_errors=True)


main()
