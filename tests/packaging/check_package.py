"""Installs the built programs into a scratch folder and packs them as a
Debian package, from the binaries this build already made (no second build),
and checks what a desktop and dpkg will see: the installed files, the menu
entry, the sheet file type, the icons, the man pages, the programs' version,
and the package's control fields and file list.

usage: check_package.py BUILD_DIR WORK_DIR VERSION
"""
import gzip
import os
import shutil
import subprocess
import sys
import unittest

BUILD, WORK, VERSION = sys.argv[1:4]
PREFIX = os.path.join(WORK, "root")


def run(*args, **kw):
    return subprocess.run(args, capture_output=True, text=True, **kw)


def read_text(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def setUpModule():
    shutil.rmtree(WORK, ignore_errors=True)
    os.makedirs(WORK)
    done = run("cmake", "--install", BUILD, "--prefix", PREFIX)
    assert done.returncode == 0, done.stderr


class InstallTree(unittest.TestCase):
    def path(self, *parts):
        return os.path.join(PREFIX, *parts)

    def test_every_file_of_a_desktop_program_is_installed(self):
        for f in ["bin/tolvane", "bin/tolvane-cli",
                  "share/applications/tolvane.desktop",
                  "share/mime/packages/tolvane-sheet.xml",
                  "share/icons/hicolor/scalable/apps/tolvane.svg",
                  "share/icons/hicolor/48x48/apps/tolvane.png",
                  "share/icons/hicolor/256x256/apps/tolvane.png",
                  "share/man/man1/tolvane.1.gz", "share/man/man1/tolvane-cli.1.gz"]:
            self.assertTrue(os.path.isfile(self.path(f)), f)
        for size in (48, 256):
            with open(self.path(f"share/icons/hicolor/{size}x{size}/apps/tolvane.png"), "rb") as f:
                png = f.read(24)
            self.assertEqual(png[:8], b"\x89PNG\r\n\x1a\n")
            self.assertEqual(int.from_bytes(png[16:20], "big"), size)  # width in the IHDR chunk

    def test_menu_entry_is_valid_and_opens_sheet_files(self):
        desktop = self.path("share/applications/tolvane.desktop")
        check = run("desktop-file-validate", desktop)
        self.assertEqual(check.returncode, 0, check.stdout + check.stderr)
        entry = dict(line.split("=", 1) for line in read_text(desktop).splitlines() if "=" in line)
        self.assertEqual(entry["Exec"].strip(), "tolvane %f")
        self.assertEqual(entry["MimeType"].strip(), "application/x-tolvane-sheet;")
        self.assertEqual(entry["Icon"].strip(), "tolvane")
        for key in ("Name[ja]", "Comment[ja]", "Categories"):
            self.assertTrue(entry.get(key, "").strip(), key)

    def test_sheet_file_type_is_known_by_its_glob(self):
        mime = self.path("share/mime")
        done = run("update-mime-database", mime)
        self.assertEqual(done.returncode, 0, done.stderr)
        globs = read_text(os.path.join(mime, "globs2"))
        self.assertIn(":application/x-tolvane-sheet:*.ksk", globs)
        described = read_text(os.path.join(mime, "application", "x-tolvane-sheet.xml"))
        self.assertIn('<comment xml:lang="ja">Tolvane 幹線計算シート</comment>', described)

    def test_man_pages_name_the_version(self):
        for page in ("tolvane", "tolvane-cli"):
            with gzip.open(self.path(f"share/man/man1/{page}.1.gz"), "rt", encoding="utf-8") as f:
                text = f.read()
            self.assertIn(f'"Tolvane {VERSION}"', text.splitlines()[0])

    def test_help_needs_no_display_and_unknown_options_are_refused(self):
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        for program in ("tolvane", "tolvane-cli"):
            done = run(self.path("bin", program), "--help", env=env)
            self.assertEqual(done.returncode, 0, done.stderr)
            self.assertTrue(done.stdout.startswith(f"usage: {program}"), done.stdout)
        done = run(self.path("bin", "tolvane"), "--bogus", "sheet.ksk", env=dict(env, QT_QPA_PLATFORM="offscreen"))
        self.assertEqual(done.returncode, 2)
        self.assertIn("不明なオプションです: --bogus", done.stderr)

    def test_both_programs_show_the_one_version(self):
        for program in ("tolvane", "tolvane-cli"):
            done = run(self.path("bin", program), "--version")
            self.assertEqual(done.returncode, 0, done.stderr)
            self.assertEqual(done.stdout, f"{program} {VERSION}\n")


class DebianPackage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        out = os.path.join(WORK, "deb")
        done = run("cpack", "-G", "DEB", "--config", os.path.join(BUILD, "CPackConfig.cmake"), "-B", out)
        assert done.returncode == 0, done.stdout + done.stderr
        debs = [f for f in os.listdir(out) if f.endswith(".deb")]
        assert len(debs) == 1, debs
        cls.deb = os.path.join(out, debs[0])

    def test_name_and_control_fields(self):
        arch = run("dpkg", "--print-architecture").stdout.strip()
        self.assertEqual(os.path.basename(self.deb), f"tolvane_{VERSION}_{arch}.deb")
        fields = run("dpkg-deb", "-f", self.deb, "Package", "Version", "Architecture").stdout
        self.assertEqual(fields, f"Package: tolvane\nVersion: {VERSION}\nArchitecture: {arch}\n")
        depends = [d.strip().split(" ")[0] for d in run("dpkg-deb", "-f", self.deb, "Depends").stdout.split(",")]
        for needed in ("libqt6widgets6", "libqt6printsupport6", "libxlsxwriter4", "qt6-qpa-plugins",
                       "qt6-translations-l10n", "fonts-ipafont-mincho"):
            self.assertIn(needed, depends)
        self.assertTrue(run("dpkg-deb", "-f", self.deb, "Maintainer").stdout.strip())
        self.assertTrue(run("dpkg-deb", "-f", self.deb, "Description").stdout.strip())

    def test_file_list_installs_under_usr(self):
        listing = run("dpkg-deb", "-c", self.deb).stdout
        files = {line.split()[-1] for line in listing.splitlines() if not line.startswith("d")}
        for f in ("./usr/bin/tolvane", "./usr/bin/tolvane-cli",
                  "./usr/share/applications/tolvane.desktop",
                  "./usr/share/mime/packages/tolvane-sheet.xml",
                  "./usr/share/icons/hicolor/256x256/apps/tolvane.png",
                  "./usr/share/man/man1/tolvane.1.gz"):
            self.assertIn(f, files)
        self.assertFalse([f for f in files if not f.startswith("./usr/")])


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
