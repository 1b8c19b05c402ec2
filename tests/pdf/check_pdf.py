"""Prints sheet files to PDF with tolvane-cli and reads the result back with
poppler's pdfinfo, pdffonts and pdftotext.

usage: check_pdf.py TOLVANE_CLI FIXTURE_DIR WORK_DIR
"""
import os
import subprocess
import sys
import unittest

CLI, FIXTURES, WORK = sys.argv[1:4]


def print_pdf(fixture):
    out = os.path.join(WORK, os.path.splitext(fixture)[0] + ".pdf")
    if os.path.exists(out):
        os.remove(out)
    run = subprocess.run([CLI, "print-pdf", os.path.join(FIXTURES, fixture), out], capture_output=True, text=True)
    return out, run


def tool(*args):
    return subprocess.run(args, capture_output=True, text=True, check=True).stdout


def pages_text(pdf):
    return tool("pdftotext", "-layout", pdf, "-").split("\f")


class PrintPdf(unittest.TestCase):
    def test_sample_sheet_prints_one_a4_landscape_page(self):
        pdf, run = print_pdf("small.ksk")
        self.assertEqual(run.returncode, 0, run.stderr)
        info = tool("pdfinfo", pdf)
        self.assertIn("Pages:           1", info)
        self.assertIn("842 x 595 pts (A4)", info)
        self.assertIn("テスト ビル", info)  # the building name is the job title
        fonts = tool("pdffonts", pdf).splitlines()[2:]
        self.assertTrue(fonts)
        for line in fonts:
            self.assertIn("IPAMincho", line)
            self.assertIn(" yes ", line)  # embedded
        text = pages_text(pdf)[0]
        for expected in ("(様式 電－８－１)", "電路計算書（幹線用）", "建物名称", "テスト ビル", "令和 5 年 12 月 9 日",
                         "周波数 [Hz]：", "60", "電線及びケーブル", "各線間の電圧降下", "中性線がある場合は中性線との電圧降下",
                         "単相3線式、三相4線式", "Ｈ２１", "P-1", "L-1", "電灯盤１", "75.50", "1234.50", "0.529",
                         "[ｹｰﾌﾞﾙﾗｯｸ配線]", "(保護管配線)"):
            self.assertIn(expected, text)
        self.assertNotIn("予備回路", text)          # remarks stay off paper
        self.assertNotIn("動力制御盤ポンプ用", text)  # a load name without a length is not drawn

    def test_a_link_stays_a_link_and_its_file_gets_the_document(self):
        real = os.path.join(WORK, "linked_real.pdf")
        link = os.path.join(WORK, "linked.pdf")
        for path in (real, link):
            if os.path.lexists(path):
                os.remove(path)
        os.symlink("linked_real.pdf", link)
        run = subprocess.run([CLI, "print-pdf", os.path.join(FIXTURES, "small.ksk"), link], capture_output=True, text=True)
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertTrue(os.path.islink(link))
        self.assertIn("Pages:           1", tool("pdfinfo", real))

    def test_long_sheet_prints_eighteen_lines_a_page(self):
        pdf, run = print_pdf("large.ksk")
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertIn("Pages:           3", tool("pdfinfo", pdf))
        pages = [p for p in pages_text(pdf) if p.strip()]
        self.assertEqual(len(pages), 3)
        for number, page in enumerate(pages, 1):
            self.assertIn("電路計算書（幹線用）", page)
            self.assertIn(f"P-{number}", page)
        self.assertIn("A:B/C", pages[2])

    def test_cell_that_is_no_number_stops_with_a_warning_and_keeps_the_earlier_pdf(self):
        pdf, run = print_pdf("bad_cell.ksk")
        self.assertEqual(run.returncode, 1)
        self.assertIn("情報不足で印刷出来ませんでした。", run.stderr)
        self.assertIn("9 行目", run.stderr)
        self.assertFalse(os.path.exists(pdf))  # no fragment of a document
        # A good document of that name stays exactly as it was.
        good, run = print_pdf("small.ksk")
        self.assertEqual(run.returncode, 0, run.stderr)
        os.replace(good, pdf)
        with open(pdf, "rb") as f:
            before = f.read()
        run = subprocess.run([CLI, "print-pdf", os.path.join(FIXTURES, "bad_cell.ksk"), pdf],
                             capture_output=True, text=True)
        self.assertEqual(run.returncode, 1)
        with open(pdf, "rb") as f:
            self.assertEqual(f.read(), before)
        os.remove(pdf)

    def test_row_count_that_is_no_number_prints_nothing(self):
        pdf, run = print_pdf("bad_rows.ksk")
        self.assertEqual(run.returncode, 1)
        self.assertIn("情報不足で印刷出来ませんでした。", run.stderr)
        self.assertIn("2 行目", run.stderr)
        self.assertFalse(os.path.exists(pdf))


class ShortCircuitPdf(unittest.TestCase):
    """The short-circuit document written by `short-circuit --pdf`."""

    def test_document_of_a_building_with_two_banks(self):
        pdf = os.path.join(WORK, "short_circuit.pdf")
        if os.path.exists(pdf):
            os.remove(pdf)
        sheet = os.path.join(FIXTURES, "..", "shortcircuit", "two_banks.ksk")
        run = subprocess.run([CLI, "short-circuit", sheet, "--pdf", pdf], capture_output=True, text=True)
        self.assertEqual(run.returncode, 1, run.stderr)  # two rows fail their cable check
        info = tool("pdfinfo", pdf)
        self.assertIn("Pages:           2", info)
        self.assertIn("842 x 595 pts (A4)", info)
        for line in tool("pdffonts", pdf).splitlines()[2:]:
            self.assertIn("IPAMincho", line)
        first, second = pages_text(pdf)[:2]
        for expected in ("短絡電流計算書", "建物名称", "サンプルマンション", "令和 7 年 4 月 1 日", "周波数 [Hz]：",
                         "電源条件", "210/105", "遮断時間 t = 0.02 s", "計算条件", "架橋ポリエチレン", "135.4",
                         "幹線保護用遮断器", "主幹器具", "28.41", "59.25", "×：ケーブルの短絡耐量不足", "P-1"):
            self.assertIn(expected, first)
        # The next page repeats the title block and the headings, not the head.
        for expected in ("短絡電流計算書", "サンプルマンション", "幹線保護用遮断器", "P-2"):
            self.assertIn(expected, second)
        self.assertNotIn("計算条件", second)

    def test_pdf_that_cannot_be_written_exits_3(self):
        sheet = os.path.join(FIXTURES, "..", "shortcircuit", "two_banks.ksk")
        out = os.path.join(WORK, "no_such_folder", "short_circuit.pdf")
        run = subprocess.run([CLI, "short-circuit", sheet, "--pdf", out], capture_output=True, text=True)
        self.assertEqual(run.returncode, 3)
        self.assertIn(out, run.stderr)
        self.assertIn("フォルダーがありません", run.stderr)
        self.assertFalse(os.path.exists(out))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=1)
