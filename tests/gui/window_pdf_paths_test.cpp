// The window's PDF出力 on the paths of the command-line cases: a print stopped
// by a cell writes nothing and keeps an earlier PDF; an output that cannot be
// written says why and leaves the folder as it was; the open sheet file is
// never replaced by its PDF.
#include <QPushButton>
#include <QtTest>

#include <deque>
#include <unistd.h>

#include "app/forms.h"
#include "gui/main_window.h"
#include "gui/qt_host.h"
#include "gui/status_line.h"
#include "support/output_cases.h"
#include "support/test_files.h"

using namespace tolvane;
using namespace tolvane::testing;

namespace {

// The window's boxes and file dialog, answered without showing them.
class RecordingQtHost : public gui::QtHost {
public:
    using QtHost::QtHost;
    std::vector<std::string> warned, errors;
    std::deque<std::string> files;

    void inform(std::string_view t) override { warned.emplace_back(t); }
    void warn(std::string_view t) override { warned.emplace_back(t); }
    void reportError(std::string_view t) override { errors.emplace_back(t); }
    std::optional<std::string> chooseFile(FileDialog, std::string_view) override
    {
        if (files.empty()) return std::nullopt;
        std::string f = files.front();
        files.pop_front();
        return f;
    }
};

struct Window {
    Forms forms;
    gui::MainWindow window{forms};
    RecordingQtHost* host = nullptr;
    explicit Window(const std::string& sheet)
    {
        forms.form1.FormCreate("/nonexistent/tolvane", {}, 1920, 1080);
        auto recording = std::make_unique<RecordingQtHost>(&window);
        host = recording.get();
        window.useHost(std::move(recording));
        window.statusLine()->openUrl = [](const QUrl&) { return true; };  // no viewer opens
        forms.form1.FileName = sheet;
        QVERIFY(!forms.form1.loadSheetFile(sheet));
        window.afterLoad();
    }
    void writePdf(const fs::path& path)
    {
        host->files.push_back(path.string());
        QTest::mouseClick(window.findChild<QPushButton*>("ButtonPdf"), Qt::LeftButton);
    }
};

std::string fixture(const char* name) { return std::string(TOLVANE_TEST_DATA) + "/output/" + name; }

fs::path folderOfThisTest()
{
    fs::path dir = fs::temp_directory_path() / ("tolvane_test_window_pdf_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

}  // namespace

class WindowPdfPathsTest : public QObject {
    Q_OBJECT
private slots:
    void aPrintStoppedByACellKeepsTheEarlierPdf()
    {
        const fs::path dir = folderOfThisTest();
        const fs::path pdf = dir / "out.pdf";
        Window good(fixture("small.ksk"));
        good.writePdf(pdf);
        QVERIFY(good.host->errors.empty());
        const std::string earlier = bytesOf(pdf);
        QVERIFY(earlier.size() > 1000);

        Window bad(fixture("bad_cell.ksk"));
        bad.writePdf(pdf);
        QCOMPARE(bad.host->warned.size(), std::size_t(1));
        QVERIFY(bad.host->warned[0].find("情報不足で印刷出来ませんでした") != std::string::npos);
        QVERIFY(bytesOf(pdf) == earlier);
        QVERIFY(namesIn(dir) == std::set<std::string>{"out.pdf"});
        fs::remove(pdf);
        bad.writePdf(pdf);
        QVERIFY(!fs::exists(pdf));
        fs::remove_all(dir);
    }

    void anOutputThatCannotBeWrittenSaysWhy()
    {
        for (const OutputCase& c : kOutputCases) {
            // Root cannot lose its permissions inside this process.
            if (c.unprivileged && ::geteuid() == 0) continue;
            const fs::path dir = folderOfThisTest();
            std::unique_ptr<SmallDisk> disk;
            const fs::path out = c.setup(dir, ".pdf", disk);
            if (out.empty()) {
                fs::remove_all(dir);
                continue;
            }
            std::error_code ignored;
            const std::set<std::string> before = namesIn(out.parent_path());
            const std::string earlier = fs::is_regular_file(out, ignored) ? bytesOf(out) : "";
            Window w(fixture("small.ksk"));
            w.writePdf(out);
            QVERIFY2(w.host->errors.size() == 1, c.name);
            QVERIFY2(w.host->errors[0].find(c.reason) != std::string::npos, w.host->errors[0].c_str());
            QVERIFY2(w.host->errors[0].find(out.filename().string()) != std::string::npos, c.name);
            QVERIFY2(namesIn(out.parent_path()) == before, c.name);
            if (fs::is_regular_file(out, ignored)) QVERIFY2(bytesOf(out) == earlier, c.name);
            disk.reset();
            fs::permissions(dir / "locked", fs::perms::owner_all, ignored);
            fs::remove_all(dir);
        }
    }

    void theOpenSheetFileIsNeverReplacedByItsPdf()
    {
        const fs::path dir = folderOfThisTest();
        const fs::path sheet = dir / "plan.pdf";  // a sheet file under an odd name
        fs::copy_file(fixture("small.ksk"), sheet);
        Window w(sheet.string());
        w.writePdf(sheet);
        QCOMPARE(w.host->errors.size(), std::size_t(1));
        QVERIFY(w.host->errors[0].find("書き出し先が読み込んだファイルと同じです") != std::string::npos);
        QVERIFY(bytesOf(sheet) == bytesOf(fixture("small.ksk")));
        fs::remove_all(dir);
    }
};

QTEST_MAIN(WindowPdfPathsTest)
#include "window_pdf_paths_test.moc"
