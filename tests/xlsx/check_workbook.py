"""Reads the exported workbooks back with openpyxl and checks them cell by cell.

usage: check_workbook.py TOLVANE_CLI FIXTURE_DIR WORK_DIR
"""
import os
import resource
import subprocess
import sys
import unittest

import openpyxl
from openpyxl.worksheet.merge import MergedCellRange
from openpyxl.worksheet.worksheet import Worksheet

# openpyxl replaces the cells of a merged range by empty placeholders and
# copies the range's outer edges onto its first cell when it loads; keep every
# cell and border exactly as stored.
Worksheet._clean_merge_range = lambda self, mcr: None
MergedCellRange._get_borders = lambda self: None

CLI, FIXTURES, WORK = sys.argv[1:4]
WIDTHS = dict(zip("ABCDEFGHIJKLMNOPQRS", [2, 12, 8, 7, 8, 9, 7, 11, 8, 8, 7, 12, 14, 8, 9, 7, 7, 6, 9]))
HEIGHTS = {1: 15.75, 2: 27.75, 3: 18, 8: 15.75, 49: 15, 50: 7.5, 51: 15.75}
HEIGHTS.update({r: 13.5 for r in list(range(4, 8)) + list(range(9, 49))})


def export(fixture, mode):
    out = os.path.join(WORK, f"{os.path.splitext(fixture)[0]}_{mode}.xlsx")
    if os.path.exists(out):
        os.remove(out)
    subprocess.run([CLI, "export-xlsx", os.path.join(FIXTURES, fixture), out, "--mode", mode], check=True)
    return openpyxl.load_workbook(out)


def many_feeders_sheet(path, feeders):
    """A sheet file of one-row feeders: a worksheet each in the per-item export."""
    rows = []
    for n in range(1, feeders + 1):
        cells = [""] * 35
        cells[:8] = [str(n), f"L-{n}", "単相3線", "100/200", "225", "──?", "12.5", "電灯"]
        cells[24], cells[26] = "1", str(n)
        rows.append(",".join(cells))
    lines = [str(feeders + 19), str(feeders - 1)] + rows + ["60", "5", "12", "9", "多数ビル", "令和"]
    with open(path, "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("cp932"))


def contents(wb):
    """Everything a reader sees of a workbook, cell by cell."""
    seen = []
    for ws in wb.worksheets:
        ps = ws.page_setup
        seen.append((ws.title, sorted(str(m) for m in ws.merged_cells.ranges),
                     sorted((k, d.height) for k, d in ws.row_dimensions.items()),
                     sorted((k, d.width) for k, d in ws.column_dimensions.items()),
                     (ps.paperSize, ps.orientation, ps.scale, ps.fitToWidth, ps.fitToHeight, ps.firstPageNumber),
                     (ws.print_options.horizontalCentered, ws.print_options.verticalCentered, ws.oddHeader.left.text),
                     [b.id for b in ws.row_breaks.brk], [b.id for b in ws.col_breaks.brk]))
        for row in ws.iter_rows():
            for c in row:
                f, a, b = c.font, c.alignment, c.border
                seen.append((c.coordinate, c.value, c.number_format, f.name, f.sz, f.u, a.horizontal, a.vertical,
                             a.wrap_text, a.shrink_to_fit, b.top.style, b.bottom.style, b.left.style, b.right.style))
    return seen


def text(cell):
    """Cell text with the stored carriage returns decoded."""
    v = cell.value
    return v.replace("_x000D_", "\r") if isinstance(v, str) else v


def edges(cell):
    b = cell.border
    return (b.top.style, b.bottom.style, b.left.style, b.right.style)


class Template:
    """What every worksheet of every export shares."""

    def check_template(self, ws):
        self.assertEqual(ws["S1"].value, "(様式 電－８－１) ")
        self.assertEqual(ws["B2"].value, "　電路計算書（幹線用）")
        self.assertEqual(ws["G2"].value, "建物名称")
        self.assertEqual(ws["H2"].font.u, "single")
        self.assertEqual(ws["C3"].value, "周波数 [Hz]：")
        self.assertEqual(text(ws["B4"]), "幹線番号\r\n又は名称")
        self.assertEqual(text(ws["D4"]), "\r\n電圧\r\n\r\n\r\n[V]")
        self.assertEqual(text(ws["L5"]), "種別及び\r\n断面積\r\n\r\nA [mm2]")
        self.assertEqual(text(ws["O5"]), "電線1kmあ\r\nたりのｲﾝ\r\nﾋﾟｰﾀﾞﾝｽ\r\nZ [Ω/km]")
        self.assertEqual(text(ws["P4"]), "各線間の電圧降下\r\ne [V]")
        self.assertEqual(ws["L4"].value, "電線及びケーブル")
        self.assertEqual(text(ws["Q6"]), "分岐があ\r\nる場合の\r\n合計")
        self.assertEqual(ws["S4"].value, "備考")
        for a in ("B4", "L5", "P4"):
            self.assertTrue(ws[a].alignment.wrap_text, a)
        self.assertEqual(ws["P6"].font.sz, 9)
        self.assertEqual(ws["R4"].font.sz, 10)
        self.assertEqual(ws["C48"].value, 1000)  # typed "1,000" is a number shown with separators
        self.assertEqual(ws["C48"].number_format, "#,##0")
        self.assertEqual(ws["M48"].value, "√3")
        self.assertEqual(ws["G49"].value, "電線1kmあたりのｲﾝﾋﾟｰﾀﾞﾝｽ [Ω/km]")
        self.assertEqual(ws["B49"].value, "　　中性線がある場合は中性線との電圧降下")
        self.assertEqual(ws["S51"].value, "Ｈ２１")
        for a, size, horizontal in (("S1", 10, "right"), ("B2", 12, "justify"), ("G2", 11, "right"),
                                    ("Q2", 10, "justify"), ("D3", 10, "center"), ("B47", 10, "right"),
                                    ("K47", 10, "justify"), ("M46", 10, "center")):
            self.assertEqual(ws[a].font.name, "ＭＳ 明朝", a)
            self.assertEqual(ws[a].font.sz, size, a)
            self.assertEqual(ws[a].alignment.horizontal, horizontal, a)
            self.assertEqual(ws[a].alignment.vertical, "center", a)
        self.assertIsNone(ws["H2"].alignment.shrink_to_fit)

        merges = {str(r) for r in ws.merged_cells.ranges}
        for m in ("B2:E2", "H2:P2", "Q2:S2", "E3:S3", "B4:B8", "K4:K8", "L4:O4", "P4:Q5", "L5:L8", "O5:O8",
                  "P6:P8", "Q6:Q8", "R4:R8", "S4:S8", "B45:D45", "B47:B48", "D47:E48", "B49:E49", "G45:J45",
                  "K45:M45", "K46:L46", "K49:L49", "N45:S45", "N49:S49", "B50:S50", "B9:B10", "S43:S44"):
            self.assertIn(m, merges)
        self.assertEqual(len(merges), 24 + 14 + 6 + 18 * 18)  # headings, footnote, blanks, item pairs

        # Frame, item rules, column rules, the frequency box, the fraction bar.
        self.assertEqual(edges(ws["B2"]), ("medium", "thin", "medium", None))
        self.assertEqual(edges(ws["S2"]), ("medium", "thin", None, "medium"))
        self.assertEqual(edges(ws["B50"]), (None, "medium", "medium", None))
        self.assertEqual(edges(ws["S50"]), (None, "medium", None, "medium"))
        self.assertEqual(edges(ws["B9"]), ("thin", None, "medium", "hair"))
        self.assertEqual(edges(ws["B10"]), (None, None, "medium", "hair"))
        self.assertEqual(edges(ws["S10"]), (None, None, None, "medium"))
        self.assertEqual(edges(ws["H45"])[0], "thin")
        self.assertEqual(edges(ws["C3"]), (None, "thin", None, "hair"))
        self.assertEqual(edges(ws["D3"]), (None, "thin", None, "hair"))
        self.assertEqual(edges(ws["E3"]), (None, "thin", None, None))
        self.assertEqual(edges(ws["M4"]), (None, "hair", None, None))
        self.assertEqual(edges(ws["O4"])[1:], ("hair", None, "hair"))
        self.assertEqual(edges(ws["P5"])[1], "hair")
        self.assertEqual(edges(ws["P44"])[3], "hair")
        self.assertEqual(edges(ws["R44"])[3], "hair")
        self.assertEqual(edges(ws["L46"])[1], "hair")
        self.assertEqual(edges(ws["C47"])[1], "hair")
        self.assertEqual(edges(ws["N47"]), (None, None, None, None))

        for letter, width in WIDTHS.items():
            # The file stores the width with the cell padding of 5 pixels.
            self.assertAlmostEqual(ws.column_dimensions[letter].width, width + 0.7109375, places=3, msg=letter)
        for row, height in HEIGHTS.items():
            self.assertAlmostEqual(ws.row_dimensions[row].height, height, places=3, msg=row)
            self.assertTrue(ws.row_dimensions[row].customHeight, row)

        ps = ws.page_setup
        self.assertEqual((ps.paperSize, ps.orientation, ps.scale), (9, "landscape", 67))
        self.assertTrue(ps.useFirstPageNumber)
        self.assertIn(ps.firstPageNumber, (None, 1))  # absent means 1
        # The zoom governs: fit-to-page is off, its 1 x 1 pages are the defaults.
        self.assertFalse(ws.sheet_properties.pageSetUpPr and ws.sheet_properties.pageSetUpPr.fitToPage)
        self.assertIn(ps.fitToWidth, (None, 1))
        self.assertIn(ps.fitToHeight, (None, 1))
        self.assertTrue(ws.print_options.horizontalCentered)
        self.assertTrue(ws.print_options.verticalCentered)
        self.assertEqual(ws.oddHeader.left.text, "&A")
        self.assertEqual([b.id for b in ws.row_breaks.brk], [51])  # before row 52
        self.assertEqual([b.id for b in ws.col_breaks.brk], [19])  # before column T


class PerItemSmall(unittest.TestCase, Template):
    @classmethod
    def setUpClass(cls):
        cls.wb = export("small.ksk", "item")

    def test_one_worksheet_with_every_row(self):
        self.assertEqual(self.wb.sheetnames, ["電路計算書 "])
        ws = self.wb.worksheets[0]
        self.check_template(ws)
        self.assertEqual(ws["H2"].value, "テスト ビル")
        self.assertEqual(ws["Q2"].value, "令和 5 年 12 月 9 日")
        self.assertEqual(ws["D3"].value, 60)
        # Row 0 at worksheet row 9, the last used row 7 at row 23.
        self.assertEqual([ws[f"B{x}"].value for x in (9, 11, 21, 23, 25)], ["L-1", "M-1", None, "P-1", None])
        self.assertEqual(ws["E9"].value, 75.5)
        self.assertEqual(ws["F9"].value, "──▶")
        self.assertEqual(ws["F9"].font.sz, 16)
        self.assertEqual(text(ws["M9"]), "[ｹｰﾌﾞﾙﾗｯｸ配線]\r\n(保護管配線)")
        self.assertTrue(ws["M9"].alignment.wrap_text)
        self.assertEqual(ws["M13"].value, "保護管配線")
        self.assertEqual(ws["S9"].value, "予備回路")          # remarks are shown
        self.assertEqual(ws["H23"].value, "動力制御盤ポンプ用")  # also without a length
        self.assertEqual(ws["J23"].value, 1234.5)
        self.assertEqual(ws["J23"].number_format, "#,##0.00")
        self.assertEqual(ws["D9"].value, 200)
        self.assertEqual(ws["D11"].value, "100/200")
        self.assertEqual(ws["O9"].value, 0.529)
        for a, horizontal, size, shrink in (("B9", "justify", 11, None), ("C9", "center", 11, None),
                                            ("E9", "right", 11, None), ("G9", "right", 10, None),
                                            ("H9", "justify", 10, None), ("M13", "justify", 10, None),
                                            ("O9", "right", 11, None)):
            c = ws[a]
            self.assertEqual((c.alignment.horizontal, c.font.sz, c.alignment.shrink_to_fit), (horizontal, size, shrink), a)


class PerItemLarge(unittest.TestCase, Template):
    @classmethod
    def setUpClass(cls):
        cls.wb = export("large.ksk", "item")

    def test_feeders_on_worksheets_of_their_own(self):
        self.assertEqual(self.wb.sheetnames, ["電路計算書 L-1 (1)", "電路計算書 L-1 (2)", "電路計算書 l-1",
                                              "電路計算書 L-1(1)", "電路計算書 A_B_C"])
        for ws in self.wb.worksheets:
            self.check_template(ws)
        first, second, third = self.wb.worksheets[:3]
        self.assertEqual(first["H2"].value, "大規模ビル")
        self.assertEqual(first["D3"].value, 50)
        self.assertEqual(first["Q2"].value, " 2023 年 12 月 9 日")  # western display
        self.assertEqual(first["B9"].value, "L-1")
        self.assertIsNotNone(first["F43"].value)
        # Rows 19 and 20 of the feeder, then nothing: the empty row after it belongs to no feeder.
        self.assertEqual([second[f"F{x}"].value for x in (9, 11, 13)], ["├─▶", "└─▶", None])
        self.assertEqual(third["B9"].value, "l-1")
        c = first["H13"]
        self.assertEqual((c.alignment.horizontal, c.font.sz, c.alignment.shrink_to_fit), ("left", 11, True))
        self.assertEqual(first["G11"].font.sz, 11)  # the length keeps the default size
        self.assertTrue(first["M9"].alignment.wrap_text)  # two lines need wrapping, not shrinking
        self.assertTrue(first["M11"].alignment.shrink_to_fit)
        self.assertEqual(first["M11"].font.sz, 10)


class Rows18(unittest.TestCase, Template):
    @classmethod
    def setUpClass(cls):
        cls.wb = export("large.ksk", "rows18")

    def test_pages_of_the_page_record(self):
        self.assertEqual(self.wb.sheetnames, ["電路計算書(1)", "電路計算書(2)", "電路計算書(3)"])
        for ws in self.wb.worksheets:
            self.check_template(ws)
        first, second, third = self.wb.worksheets
        self.assertEqual(second["F9"].value, "├─▶")     # rows 19 and 20 of the first feeder
        self.assertIsNone(second["F13"].value)          # the empty row between feeders
        self.assertEqual(second["B15"].value, "l-1")
        self.assertEqual(second["B35"].value, "L-1")
        self.assertEqual(third["B9"].value, "A:B/C")
        self.assertIsNone(third["B11"].value)
        c = first["H13"]
        self.assertEqual((c.font.sz, c.alignment.shrink_to_fit), (11, True))
        self.assertEqual(first["G11"].font.sz, 10)

    def test_single_page_is_named_without_number(self):
        wb = export("small.ksk", "rows18")
        self.assertEqual(wb.sheetnames, ["電路計算書"])


class ManyWorksheets(unittest.TestCase):
    """A building of many feeders: a worksheet each, the same workbook whether
    it is held in memory or written worksheet by worksheet (as the largest
    buildings are), also where the system allows few open files."""

    FEEDERS = 300

    @classmethod
    def setUpClass(cls):
        cls.sheets = {}
        for feeders in (cls.FEEDERS, cls.FEEDERS // 5):
            cls.sheets[feeders] = os.path.join(WORK, f"feeders_{feeders}.ksk")
            many_feeders_sheet(cls.sheets[feeders], feeders)

    def export(self, feeders, bounded, files=None):
        """Exports in constant memory or not, under a limit of (soft, hard)
        open files; returns the workbook and the program's peak memory in MB."""
        out = os.path.join(WORK, f"feeders_{feeders}.xlsx")
        if os.path.exists(out):
            os.remove(out)
        env = dict(os.environ)
        if bounded:
            env["TOLVANE_WORKBOOK_IN_MEMORY_SHEETS"] = "0"
        # Under the address sanitizer, freed memory would count until the end.
        env["ASAN_OPTIONS"] = env.get("ASAN_OPTIONS", "") + ":quarantine_size_mb=0:thread_local_quarantine_size_kb=0"
        limit = (lambda: resource.setrlimit(resource.RLIMIT_NOFILE, files)) if files else None
        child = subprocess.Popen([CLI, "export-xlsx", self.sheets[feeders], out, "--mode", "item"], env=env,
                                 preexec_fn=limit)
        _, status, usage = os.wait4(child.pid, 0)
        child.returncode = os.waitstatus_to_exitcode(status)
        self.assertEqual(child.returncode, 0, (bounded, files))
        return openpyxl.load_workbook(out), usage.ru_maxrss / 1024

    def test_one_workbook_however_it_is_written(self):
        hard = resource.getrlimit(resource.RLIMIT_NOFILE)[1]
        # Few files at most: held in memory after all. Then in constant memory
        # with as many files as wanted, and with few by default but more allowed.
        wb, _ = self.export(self.FEEDERS, bounded=True, files=(64, 64))
        self.assertEqual(len(wb.sheetnames), self.FEEDERS)
        self.assertEqual(wb.sheetnames[-1], f"電路計算書 L-{self.FEEDERS}")
        self.assertEqual(wb.worksheets[-1]["B9"].value, f"L-{self.FEEDERS}")
        expected = contents(wb)
        peaks = {}
        for files in (None, (64, hard)):
            wb, peaks[files] = self.export(self.FEEDERS, bounded=True, files=files)
            self.assertEqual(contents(wb), expected, files)
        # Written worksheet by worksheet, the memory hardly grows with them;
        # held in memory, 240 more worksheets take over 50 MB.
        _, fewer = self.export(self.FEEDERS // 5, bounded=True)
        self.assertLess(peaks[None] - fewer, 32, (fewer, peaks[None]))


class ShortCircuitWorkbook(unittest.TestCase):
    """The short-circuit document written by `short-circuit --xlsx`."""

    def test_document_of_a_building_with_two_banks(self):
        out = os.path.join(WORK, "short_circuit.xlsx")
        if os.path.exists(out):
            os.remove(out)
        sheet = os.path.join(FIXTURES, "..", "shortcircuit", "two_banks.ksk")
        run = subprocess.run([CLI, "short-circuit", sheet, "--xlsx", out], capture_output=True, text=True)
        self.assertEqual(run.returncode, 1, run.stderr)
        wb = openpyxl.load_workbook(out)
        self.assertEqual(wb.sheetnames, ["短絡電流計算書"])
        ws = wb["短絡電流計算書"]
        self.assertEqual(ws["A1"].value, "短絡電流計算書")
        self.assertEqual(ws["F1"].value, "建物名称  サンプルマンション")
        self.assertEqual(ws.page_setup.orientation, "landscape")
        self.assertEqual(int(ws.page_setup.paperSize), 9)
        self.assertEqual(ws.oddFooter.center.text, "P-&P")
        cells = {(c.row, c.column): c for row in ws.iter_rows() for c in row if c.value is not None}
        texts = [c.value for c in cells.values() if isinstance(c.value, str)]
        for expected in ("電源条件", "計算条件", "架橋ポリエチレン", "幹線保護用遮断器", "主幹器具", "判定"):
            self.assertIn(expected, texts)
        # The bank table: names, and its numbers as numbers.
        t1 = next(c for c in cells.values() if c.value == "T1" and c.column == 2)
        self.assertEqual([ws.cell(t1.row, k).value for k in range(2, 8)], ["T1", "三相", 210, 500, 4.5, 1.2])
        # The row lines under the headings: one per sheet row with a tree mark.
        heading = next(c for c in cells.values() if c.value == "判定")
        lines = [r for r in range(heading.row + 2, ws.max_row + 1) if ws.cell(r, 4).value]
        self.assertEqual(len(lines), 17)
        first = lines[0]
        self.assertEqual(ws.cell(first, 1).value, 1)  # typed as the document's workbook types it
        self.assertEqual(ws.cell(first, 6).value, "T1")
        self.assertAlmostEqual(ws.cell(first, 9).value, 28.41, places=2)
        self.assertEqual(ws.cell(first, 9).number_format, "#,##0.00")
        failed = [r for r in lines if str(ws.cell(r, 22).value).startswith("×")]
        self.assertEqual(len(failed), 2)
        for r in failed:
            self.assertEqual(ws.cell(r, 22).font.color.rgb, "FFFF0000")
        colour = ws.cell(first, 22).font.color
        self.assertNotEqual(colour.rgb if colour else None, "FFFF0000")

    def test_workbook_that_cannot_be_written_exits_3(self):
        sheet = os.path.join(FIXTURES, "..", "shortcircuit", "two_banks.ksk")
        out = os.path.join(WORK, "no_such_folder", "short_circuit.xlsx")
        run = subprocess.run([CLI, "short-circuit", sheet, "--xlsx", out], capture_output=True, text=True)
        self.assertEqual(run.returncode, 3)
        self.assertFalse(os.path.exists(out))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=1)
