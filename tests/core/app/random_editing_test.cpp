// Random sequences of the main window's commands on random sheets: inserting
// and deleting rows and feeders, copying and pasting, the entry forms written
// back through a scripted host, the recalculations, saving, loading, undo and
// redo. After every step the sheet must be well formed; after each sequence
// its work must survive save -> load -> save byte for byte, and undoing
// everything must give back the starting sheet exactly.
//
// Seeded and repeatable: TOLVANE_RANDOM_SEED sets the first seed and
// TOLVANE_RANDOM_SEQUENCES how many sequences run (one seed each).
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>

#include "app/dispatch.h"
#include "app/forms.h"
#include "host/quiet_host.h"
#include "app/recovery_keeper.h"
#include "app/script_cable.h"
#include "app/script_host.h"
#include "app/undo_history.h"
#include "sheet/feeders.h"
#include "sheet/file_store.h"
#include "sheet/tree_marks.h"
#include "text/numbers.h"

using namespace tolvane;

namespace {

using Random = std::mt19937;

int below(Random& random, int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(random); }
bool chance(Random& random, int percent) { return below(random, 100) < percent; }

template <class T, std::size_t N>
const T& pick(Random& random, const T (&items)[N])
{
    return items[static_cast<std::size_t>(below(random, static_cast<int>(N)))];
}

// A handler of an open form; a number that cannot be read stops only it.
template <class F>
void handler(F&& f)
{
    try {
        f();
    } catch (const ConversionError&) {
    }
}

// The user in the entry forms, played at random.
class RandomUser : public QuietHost {
public:
    explicit RandomUser(Random& random) : random_(random) {}

    bool ask(std::string_view) override { return chance(random_, 50); }

    // A form opens the cable window again while the chosen cable carries too
    // little current; a user gives up after a few tries and closes it.
    void showCableWindow(Tdensen& window) override
    {
        static const char* const sizes[] = {"14゜", "22゜", "38゜", "60゜", "100゜", "150゜", "325゜"};
        if (++cablesShown_ > 3 || chance(random_, 20)) return closeCableWindow(window);
        try {
            pickCable(window, {"cable", "1", "CV-T", pick(random_, sizes)});
        } catch (const ScriptError&) {
            closeCableWindow(window);
        }
    }

    void showFeederForm(TForm2& form) override
    {
        cablesShown_ = 0;
        if (chance(random_, 10)) return form.Button5Click();
        if (form.Button1Enabled && chance(random_, 40)) {
            handler([&] { form.Button1Click(); });
            form.ComboBox1 = std::to_string(1 + below(random_, 4));
            handler([&] { form.ComboBox1Change(); });
        }
        static const char* const methods[] = {"保護管配線", "気中暗渠配線", "ｹｰﾌﾞﾙﾗｯｸ配線(気中)"};
        form.ComboBox14 = pick(random_, methods);
        handler([&] { form.ComboBox14Change(); });
        form.Edit7 = loadName();
        finish(form);
    }

    void showBranchForm(TForm4& form) override
    {
        cablesShown_ = 0;
        form.Edit5 = loadName();
        if (chance(random_, 50)) {
            form.ComboBox15 = std::to_string(10 + below(random_, 60));
            handler([&] { form.ComboBox15Change(); });
        }
        finish(form);
    }

private:
    // "登録"; when it refuses the entry, "キャンセル".
    template <class Form>
    void finish(Form& form)
    {
        if (chance(random_, 85)) handler([&] { form.Button4Click(); });
        if (!form.closeRequested()) handler([&] { form.Button5Click(); });
    }

    // Names with the characters a sheet file must quote.
    std::string loadName()
    {
        static const char* const names[] = {"動力盤", "電灯盤 L-1", "ポンプ,給水", "\"A\"棟", "Ｂ　棟", ""};
        return pick(random_, names);
    }

    Random& random_;
    int cablesShown_ = 0;
};

std::string sampleSheet()
{
    std::string bytes;
    if (auto reason = readWholeFile(std::string(TOLVANE_TEST_DATA) + "/../../examples/sample.ksk", bytes))
        ADD_FAILURE() << *reason;
    return bytes;
}

// What is wrong with the sheet's feeders, or nothing: the numbers in column 0
// read 1, 2, 3 ... from the top; every row with a tree mark carries in
// column 26 the number of the feeder it lies in; a feeder starts with its
// head mark, a single feeder has no further rows, a dwelling feeder only
// rows of its own kinds; the range search finds each feeder where it lies.
std::string problemsOf(const Sheet& sheet)
{
    std::ostringstream out;
    int number = 0;
    int head = -1;
    for (int r = 0; r < sheet.rowCount(); ++r) {
        const std::string& no = sheet.cell(col::No, r);
        const std::string& mark = sheet.cell(col::Mark, r);
        if (hasValue(no)) {
            ++number;
            head = r;
            if (no != std::to_string(number)) out << "row " << r << " is No." << no << ", not " << number << "; ";
            if (mark != mark::Single && mark != mark::Head) out << "row " << r << " heads a feeder with '" << mark << "'; ";
            FeederRange range = findFeederRange(sheet, r);
            if (range.s1 != r) out << "feeder " << number << " found at row " << range.s1 << ", not " << r << "; ";
        } else if (hasValue(mark)) {
            if (head < 0) {
                out << "row " << r << " has a tree mark above every feeder; ";
            } else {
                const std::string& headMark = sheet.cell(col::Mark, head);
                if (headMark == mark::Single) out << "row " << r << " follows single feeder " << number << "; ";
                if (mark == mark::Single || mark == mark::Head)
                    out << "row " << r << " has a head mark without a number; ";
            }
        }
        if (hasValue(mark) && sheet.cell(col::FeederNo, r) != std::to_string(number))
            out << "row " << r << " carries feeder " << sheet.cell(col::FeederNo, r) << ", not " << number << "; ";
    }
    return out.str();
}

// A window as after start-up on 9 December 2026, played by `user`.
struct Window {
    Forms forms;
    Window(Host& user)
    {
        forms.form1.today = [] { return CivilDate{2026, 12, 9}; };
        forms.form1.FormCreate("/nonexistent/tolvane", {}, 1920, 1080);
        forms.mainWindowShown();
        forms.setHost(&user);
    }
};

// What a sheet file written from the window's work reads back as, written again.
std::string savedAgain(const std::string& bytes)
{
    TForm1 form;
    form.today = [] { return CivilDate{2026, 12, 9}; };
    form.FormCreate("/nonexistent/tolvane", {}, 1920, 1080);
    if (auto reason = form.loadSheetData(bytes)) return "cannot load: " + *reason;
    return recoveryBytes(form);
}

// Selects rows as a press on `top` and a right-button release on `bottom`
// do; true when the popup menu opens with `item` enabled.
bool offered(TForm1& form, int top, int bottom, int item)
{
    form.ny1 = top;
    form.uy1 = bottom;
    return form.StringGrid1PopupRelease(true) && form.PopupMenu1.enabled[static_cast<std::size_t>(item)];
}

struct Sequence {
    Random random;
    RandomUser user{random};
    Window window{user};
    TForm1& form = window.forms.form1;
    UndoHistory history{1'000'000, std::size_t{1} << 40};
    std::string saved;  // the last file written
    std::vector<std::string> steps;

    explicit Sequence(unsigned seed) : random(seed) {}

    int anyRow() { return below(random, form.StringGrid1.rowCount()); }

    // One command of the main window, at random; returns its name.
    std::string step()
    {
        const int top = anyRow();
        const int bottom = chance(random, 70) ? top : std::min(top + below(random, 6), form.StringGrid1.rowCount() - 1);
        auto run = [&](auto command) {
            try {
                history.run(form, command);
            } catch (const ConversionError&) {
                // Shown in the error box; what the command wrote stays.
            }
        };
        switch (below(random, 11)) {
        case 0:
            if (offered(form, top, bottom, popup::Insert)) run([&] { form.N2Click(); });
            return "insert " + std::to_string(top) + ".." + std::to_string(bottom);
        case 1:
            if (offered(form, top, bottom, popup::Delete)) run([&] { form.N1Click(); });
            return "delete " + std::to_string(top) + ".." + std::to_string(bottom);
        case 2:
            if (offered(form, top, top, popup::Copy)) run([&] { form.N7Click(); });
            return "copy " + std::to_string(top);
        case 3:
            if (offered(form, top, top, popup::Paste)) run([&] { form.N8Click(); });
            return "paste " + std::to_string(top);
        case 4:
        case 5: {
            form.nx1 = form.ux1 = 1 + below(random, 17);
            form.ny1 = form.uy1 = top;
            run([&] { StringGrid1DblClick(window.forms); });
            return "double-click " + std::to_string(top);
        }
        case 6: {
            form.ny1 = top;
            form.Button5Click();
            static void (TForm1::*const recalculations[])() = {&TForm1::Button17Click, &TForm1::Button10Click,
                                                               &TForm1::Button6Click, &TForm1::Button7Click};
            auto recalculate = pick(random, recalculations);
            run([&] { (form.*recalculate)(); });
            return "recalculate feeder of row " + std::to_string(top);
        }
        case 7:
            run([&] { form.Button25Click(); });
            return "判定の確認";
        case 8:
            run([&] { saved = form.sheetFileBytes(form.StringGrid1); });
            return "save";
        case 9:
            if (!saved.empty()) run([&] { ASSERT_FALSE(form.loadSheetData(saved)); });
            return "load";
        default:
            if (chance(random, 60))
                history.undo(form);
            else
                history.redo(form);
            return "undo/redo";
        }
    }

    // A random sheet: the sample building or an empty sheet, with feeders
    // copied about and rows inserted and deleted.
    void randomSheet(const std::string& sample)
    {
        if (chance(random, 80)) {
            ASSERT_FALSE(form.loadSheetData(sample));
        }
        for (int i = below(random, 6); i > 0; --i) step();
        history.clear();
        steps.clear();
    }

    // Empty when every check holds after every step.
    std::string run(const std::string& sample, int length)
    {
        randomSheet(sample);
        const DocumentState start = captureDocument(form);
        for (int i = 0; i < length; ++i) {
            steps.push_back(step());
            if (std::string p = problemsOf(form.StringGrid1); !p.empty()) return "sheet not well formed: " + p;
        }
        const std::string once = recoveryBytes(form);
        if (savedAgain(once) != once) return "save -> load -> save differs";
        while (history.canUndo()) history.undo(form);
        const DocumentState end = captureDocument(form);
        if (!(end.sheet == start.sheet)) return "undoing everything does not give back the starting sheet";
        if (end.building != start.building || end.eraYear != start.eraYear || end.freq50 != start.freq50)
            return "undoing everything does not give back the title block";
        return {};
    }
};

unsigned setting(const char* name, unsigned fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : fallback;
}

}  // namespace

TEST(RandomEditing, SequencesOfCommandsKeepTheSheetWellFormedSavableAndUndoable)
{
    const unsigned first = setting("TOLVANE_RANDOM_SEED", 20261209);
    const unsigned count = setting("TOLVANE_RANDOM_SEQUENCES", 3000);
    const std::string sample = sampleSheet();
    for (unsigned seed = first; seed < first + count; ++seed) {
        Sequence sequence(seed);
        const std::string failure = sequence.run(sample, 12);
        if (failure.empty() && !::testing::Test::HasFatalFailure()) continue;
        std::string steps;
        for (const std::string& s : sequence.steps) steps += "\n  " + s;
        FAIL() << failure << "\nseed " << seed << " (TOLVANE_RANDOM_SEED=" << seed
               << " TOLVANE_RANDOM_SEQUENCES=1 repeats it), steps:" << steps;
    }
    std::cout << "[ random   ] " << count << " sequences from seed " << first << "\n";
}
