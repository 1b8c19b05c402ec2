#include "app/script_host.h"

#include <algorithm>

#include <span>
#include <string_view>

#include "app/command_guard.h"
#include "app/dispatch.h"
#include "app/forms.h"
#include "app/script_cable.h"
#include "text/numbers.h"

namespace tolvane {

// ------------------------------------------------------------------ parsing

std::vector<ScriptLine> parseScenario(std::istream& in)
{
    std::vector<ScriptLine> lines;
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        ScriptLine line{number, {}};
        std::size_t i = 0;
        while (i < text.size()) {
            char c = text[i];
            if (c == ' ' || c == '\t') {
                ++i;
            } else if (c == '#') {
                break;
            } else if (c == '"') {
                std::size_t end = text.find('"', i + 1);
                if (end == std::string::npos)
                    throw ScriptError("line " + std::to_string(number) + ": unterminated quote");
                line.words.push_back(text.substr(i + 1, end - i - 1));
                i = end + 1;
            } else {
                std::size_t end = text.find_first_of(" \t", i);
                if (end == std::string::npos) end = text.size();
                line.words.push_back(text.substr(i, end - i));
                i = end;
            }
        }
        if (!line.words.empty()) lines.push_back(std::move(line));
    }
    return lines;
}

// ------------------------------------------------------------ control tables

namespace {

template <class Form>
struct TextControl {
    std::string_view name;
    std::string Form::*field;
    void (Form::*change)();  // what leaving the changed control runs; may be null
};

template <class Form>
struct ClickControl {
    std::string_view name;
    void (Form::*click)();
    bool Form::*enabled = nullptr;  // a disabled control takes no clicks
};

template <class Form>
struct FlagControl {
    std::string_view name;
    bool Form::*flag;
    bool toggles;  // a check box the user may click
};

template <class Form>
struct Controls;

template <>
struct Controls<TForm2> {
    using F = TForm2;
    static constexpr std::string_view name = "TForm2";
    static inline const TextControl<F> texts[] = {
        {"Edit1", &F::Edit1, nullptr},           {"Edit2", &F::Edit2, nullptr},
        {"ComboBox13", &F::ComboBox13, &F::ComboBox13Change},
        {"Edit4", &F::Edit4, &F::Edit4Change},   {"ComboBox14", &F::ComboBox14, &F::ComboBox14Change},
        {"Label58", &F::Label58, nullptr},       {"ComboBox16", &F::ComboBox16, &F::ComboBox16Change},
        {"Edit8", &F::Edit8, nullptr},           {"Edit9", &F::Edit9, nullptr},
        {"Edit10", &F::Edit10, nullptr},         {"Label56", &F::Label56, nullptr},
        {"Label57", &F::Label57, nullptr},       {"Label43", &F::Label43, nullptr},
        {"Label60", &F::Label60, nullptr},       {"Edit11", &F::Edit11, nullptr},
        {"Edit6", &F::Edit6, nullptr},           {"Label70", &F::Label70, nullptr},
        {"Edit12", &F::Edit12, nullptr},         {"ComboBox2", &F::ComboBox2, &F::ComboBox2Change},
        {"ComboBox3", &F::ComboBox3, &F::ComboBox3Change},
        {"ComboBox4", &F::ComboBox4, nullptr},   {"Edit5", &F::Edit5, &F::Edit5Change},
        {"ComboBox11", &F::ComboBox11, &F::ComboBox11Change},
        {"Button3", &F::Button3, nullptr},       {"Label40", &F::Label40, nullptr},
        {"ComboBox5", &F::ComboBox5, &F::ComboBox5Change},
        {"Edit7", &F::Edit7, nullptr},           {"ComboBox7", &F::ComboBox7, &F::ComboBox7Change},
        {"ComboBox8", &F::ComboBox8, &F::ComboBox8Change},
        {"ComboBox10", &F::ComboBox10, &F::ComboBox10Change},
        {"Edit3", &F::Edit3, &F::Edit3Change},   {"ComboBox9", &F::ComboBox9, nullptr},
        {"ComboBox6", &F::ComboBox6, nullptr},   {"ComboBox12", &F::ComboBox12, nullptr},
        {"ComboBox15", &F::ComboBox15, &F::ComboBox15Change},
        {"ComboBox1", &F::ComboBox1, &F::ComboBox1Change},
        {"ComboBox17", &F::ComboBox17, &F::ComboBox17Change},
        {"ActiveControl", &F::ActiveControl, nullptr},
    };
    static inline const ClickControl<F> clicks[] = {
        {"Button1", &F::Button1Click, &F::Button1Enabled},
        {"Button2", &F::Button2Click},   {"Button3", &F::Button3Click},
        {"Button4", &F::Button4Click},   {"Button5", &F::Button5Click},   {"Button6", &F::Button6Click},
        {"Button7", &F::Button7Click},   {"Button8", &F::Button8Click},   {"Button9", &F::Button9Click},
        {"Button10", &F::Button10Click}, {"Button11", &F::Button11Click}, {"Button12", &F::Button12Click},
        {"Button13", &F::Button13Click}, {"Button14", &F::Button14Click}, {"Button15", &F::Button15Click},
        {"Button16", &F::Button16Click}, {"Button17", &F::Button17Click}, {"Button18", &F::Button18Click},
        {"RadioButton1", &F::RadioButton1Click}, {"RadioButton2", &F::RadioButton2Click},
        {"RadioButton3", &F::RadioButton3Click}, {"RadioButton4", &F::RadioButton4Click},
        {"RadioButton5", &F::RadioButton5Click}, {"Edit5", &F::Edit5MouseDown},
        {"Edit3", &F::Edit3MouseDown, &F::Edit3Enabled},
        {"Close", &F::FormClose},
    };
    static inline const FlagControl<F> flags[] = {
        {"Button1Enabled", &F::Button1Enabled, false},       {"Edit3Enabled", &F::Edit3Enabled, false},
        {"ComboBox11Visible", &F::ComboBox11Visible, false}, {"ComboBox16Visible", &F::ComboBox16Visible, false},
        {"ComboBox17Visible", &F::ComboBox17Visible, false}, {"SingleAreaVisible", &F::SingleAreaVisible, false},
        {"DwellingAreaVisible", &F::DwellingAreaVisible, false},
        {"MainDevicePictureVisible", &F::MainDevicePictureVisible, false},
        {"Button11Lower", &F::Button11Lower, false},
    };
};

template <>
struct Controls<TForm4> {
    using F = TForm4;
    static constexpr std::string_view name = "TForm4";
    static inline const TextControl<F> texts[] = {
        {"Edit1", &F::Edit1, nullptr},         {"Edit2", &F::Edit2, nullptr},
        {"Edit3", &F::Edit3, nullptr},         {"Edit8", &F::Edit8, nullptr},
        {"Edit4", &F::Edit4, nullptr},         {"ComboBox6", &F::ComboBox6, &F::ComboBox6Change},
        {"Label10", &F::Label10, nullptr},     {"Edit5", &F::Edit5, nullptr},
        {"ComboBox1", &F::ComboBox1, nullptr}, {"ComboBox2", &F::ComboBox2, nullptr},
        {"ComboBox12", &F::ComboBox12, &F::ComboBox12Change},
        {"ComboBox15", &F::ComboBox15, &F::ComboBox15Change},
        {"Edit6", &F::Edit6, &F::Edit6Change}, {"ComboBox14", &F::ComboBox14, &F::ComboBox14Change},
        {"Label58", &F::Label58, nullptr},     {"ComboBox16", &F::ComboBox16, &F::ComboBox16Change},
        {"Edit10", &F::Edit10, nullptr},       {"Edit11", &F::Edit11, nullptr},
        {"Edit12", &F::Edit12, nullptr},       {"Label56", &F::Label56, nullptr},
        {"Label57", &F::Label57, nullptr},     {"Label43", &F::Label43, nullptr},
        {"Label60", &F::Label60, nullptr},     {"Edit13", &F::Edit13, &F::Edit13Change},
        {"Edit7", &F::Edit7, nullptr},         {"Label70", &F::Label70, nullptr},
        {"Edit9", &F::Edit9, nullptr},         {"ActiveControl", &F::ActiveControl, nullptr},
    };
    static inline const ClickControl<F> clicks[] = {
        {"Button1", &F::Button1Click},   {"Button4", &F::Button4Click},   {"Button5", &F::Button5Click},
        {"Button8", &F::Button8Click},   {"Button9", &F::Button9Click},   {"Button10", &F::Button10Click},
        {"Button11", &F::Button11Click}, {"Button12", &F::Button12Click}, {"Button14", &F::Button14Click},
        {"Button16", &F::Button16Click}, {"Button18", &F::Button18Click},
        {"RadioButton1", &F::RadioButton1Click},
        {"RadioButton2", &F::RadioButton2Click}, {"RadioButton5", &F::RadioButton5Click},
        {"Edit2", &F::Edit2MouseDown},   {"Edit3", &F::Edit3MouseDown},   {"Edit4", &F::Edit4MouseDown},
        {"Close", &F::FormClose},
    };
    static inline const FlagControl<F> flags[] = {
        {"CheckBox1", &F::CheckBox1, true},
        {"CheckBox2", &F::CheckBox2, true},
        {"Label15Visible", &F::Label15Visible, false},
        {"Edit8Visible", &F::Edit8Visible, false},
        {"ConnectorBoxVisible", &F::ConnectorBoxVisible, false},
        {"LengthBesideDrawing", &F::LengthBesideDrawing, false},
        {"MainDeviceCompact", &F::MainDeviceCompact, false},
        {"MainDevicePictureVisible", &F::MainDevicePictureVisible, false},
        {"ComboBox16Visible", &F::ComboBox16Visible, false},
    };
};

template <class Entry>
const Entry* find(std::span<const Entry> entries, std::string_view name)
{
    for (const Entry& e : entries)
        if (e.name == name) return &e;
    return nullptr;
}

// Columns of a "print" line: "0-7,10,12-14"; all when empty.
std::vector<int> columnList(const std::string& ranges)
{
    std::vector<int> columns;
    if (ranges.empty()) {
        for (int c = 0; c < kSheetColumns; ++c) columns.push_back(c);
        return columns;
    }
    std::size_t start = 0;
    while (start <= ranges.size()) {
        std::size_t end = ranges.find(',', start);
        if (end == std::string::npos) end = ranges.size();
        std::string part = ranges.substr(start, end - start);
        std::size_t dash = part.find('-');
        auto first = tryParseWhole(part.substr(0, dash));
        auto last = dash == std::string::npos ? first : tryParseWhole(part.substr(dash + 1));
        if (!first || !last || *first < 0 || *last < *first || *last >= kSheetColumns)
            throw ScriptError("columns are given as 0-7,10,12-14: " + ranges);
        for (int c = *first; c <= *last; ++c) columns.push_back(c);
        start = end + 1;
    }
    return columns;
}

// "row N: a|b|c" with the cells of the chosen columns, trailing empty ones dropped.
std::string rowText(const Sheet& sheet, int row, const std::vector<int>& columns)
{
    std::size_t count = columns.size();
    while (count > 0 && sheet.cell(columns[count - 1], row).empty()) --count;
    std::string text = "row " + std::to_string(row) + ":";
    for (std::size_t i = 0; i < count; ++i) text += (i == 0 ? " " : "|") + sheet.cell(columns[i], row);
    return text;
}

int wholeArgument(const std::string& text)
{
    auto value = tryParseWhole(text);
    if (!value) throw ScriptError("not a whole number: " + text);
    return *value;
}

}  // namespace

// ------------------------------------------------------------------- the host

ScriptHost::ScriptHost(std::ostream& transcript) : out_(transcript) {}

void ScriptHost::fail(const ScriptLine& line, const std::string& why) const
{
    std::string words;
    for (const auto& w : line.words) words += (words.empty() ? "" : " ") + w;
    throw ScriptError("line " + std::to_string(line.number) + " (" + words + "): " + why);
}

void ScriptHost::inform(std::string_view text) { out_ << "message: " << text << "\n"; }

void ScriptHost::warn(std::string_view text) { out_ << "message: " << text << "\n"; }

void ScriptHost::reportError(std::string_view text) { out_ << "error: " << text << "\n"; }

void ScriptHost::beep() { out_ << "beep\n"; }

const ScriptLine& ScriptHost::take(std::deque<ScriptLine>& queue, const char* what)
{
    if (queue.empty()) throw ScriptError(std::string("no queued ") + what + " for the window that opened");
    taken_.push_back(std::move(queue.front()));
    queue.pop_front();
    return taken_.back();
}

bool ScriptHost::ask(std::string_view text)
{
    const ScriptLine& line = take(answers_, "answer");
    const std::string& answer = line.words.at(1);
    out_ << "question: " << text << " -> " << answer << "\n";
    if (answer != "yes" && answer != "no") fail(line, "answer yes or no for this question");
    return answer == "yes";
}

UnsavedWork ScriptHost::askUnsavedWork(std::string_view text)
{
    const ScriptLine& line = take(answers_, "answer");
    const std::string& answer = line.words.at(1);
    out_ << "question: " << text << " -> " << answer << "\n";
    if (answer == "save") return UnsavedWork::Save;
    if (answer == "discard") return UnsavedWork::Discard;
    if (answer != "cancel") fail(line, "answer save, discard or cancel for this question");
    return UnsavedWork::Cancel;
}

void ScriptHost::showKeypad(TForm3& keypad)
{
    const ScriptLine& line = take(keypads_, "keypad");
    const std::string& keys = line.words.at(1);
    if (keys == "cancel") {
        keypad.Button23Click();
        return;
    }
    for (char key : keys)
        if (!keypad.press(std::string_view(&key, 1))) fail(line, std::string("no keypad key ") + key);
    if (!keypad.closeRequested()) keypad.Button14Click();
}

void ScriptHost::showCalculator(TForm5& calculator)
{
    const ScriptLine& line = take(calculators_, "calculator");
    const auto& w = line.words;
    int tab = wholeArgument(w.at(1));
    if (tab != 0 && tab != 1) fail(line, "the calculator has tabs 0 and 1");
    if (w.at(5) != "single" && w.at(5) != "three" && w.at(5) != "-") fail(line, "circuit is single, three or -");
    try {
        if (tab != calculator.TabControl3) {
            calculator.TabControl3 = tab;
            calculator.TabControl3Change();
        }
        calculator.Edit7Click();
        calculator.Edit7 = w.at(2);
        calculator.Edit7KeyUp();
        // "-" keeps what the calculator was opened with.
        if (w.at(3) != "-") {
            calculator.ComboBox9 = w.at(3);
            calculator.ComboBox9Change();
        }
        calculator.ComboBox10 = w.at(4);
        calculator.ComboBox10Change();
        if (w.at(5) == "single")
            calculator.RadioButton28Click();
        else if (w.at(5) == "three")
            calculator.RadioButton29Click();
        calculator.Button65Click();
    } catch (const ConversionError& e) {
        reportError(e.what());
    }
    calculator.Button1Click();
    // Without a current to hand back the calculator stays open; the user
    // closes it with its close box.
    if (!calculator.closeRequested()) calculator.FormClose();
}

void ScriptHost::showCableWindow(Tdensen& window)
{
    const ScriptLine& line = take(cables_, "cable window");
    try {
        if (line.words.at(0) == "cable-close")
            closeCableWindow(window);
        else
            pickCable(window, line.words);
    } catch (const ScriptError& e) {
        fail(line, e.what());
    }
}

void ScriptHost::showFeederForm(TForm2& form) { runForm(form); }

void ScriptHost::showBranchForm(TForm4& form) { runForm(form); }

std::optional<std::string> ScriptHost::chooseFile(FileDialog, std::string_view) { return std::nullopt; }

bool ScriptHost::queue(const ScriptLine& line)
{
    const std::string& command = line.words[0];
    const std::size_t args = line.words.size() - 1;
    if (command == "answer") {
        static const std::string kAnswers[] = {"yes", "no", "save", "discard", "cancel"};
        if (args != 1 || std::find(std::begin(kAnswers), std::end(kAnswers), line.words[1]) == std::end(kAnswers))
            fail(line, "answer yes|no|save|discard|cancel");
        answers_.push_back(line);
    } else if (command == "keypad") {
        if (args != 1) fail(line, "keypad KEYS|cancel");
        keypads_.push_back(line);
    } else if (command == "calculator") {
        if (args != 5) fail(line, "calculator TAB INPUT V PF% single|three");
        calculators_.push_back(line);
    } else if (command == "cable") {
        if (args != 3 && args != 4) fail(line, "cable FAMILY TYPE SIZE [TIERS,PER_TIER,SPACING]");
        cables_.push_back(line);
    } else if (command == "cable-close") {
        if (args != 0) fail(line, "cable-close takes no arguments");
        cables_.push_back(line);
    } else {
        return false;
    }
    return true;
}

template <class Form>
void ScriptHost::runForm(Form& form)
{
    using C = Controls<Form>;
    auto event = [this](auto&& handler) {
        try {
            handler();
        } catch (const ScriptError&) {
            throw;
        } catch (const std::exception& e) {
            // Whatever stops a handler is told as the general error box tells
            // it; the form stays open.
            reportError(errorBoxText(e));
        }
    };
    while (!form.closeRequested()) {
        if (next_ >= lines_->size())
            throw ScriptError(std::string(C::name) + " is still open at the end of the scenario");
        const ScriptLine& line = (*lines_)[next_++];
        if (queue(line)) continue;
        const std::string& command = line.words[0];
        const std::size_t args = line.words.size() - 1;
        if (command == "set" && args == 2) {
            auto* control = find<TextControl<Form>>(C::texts, line.words[1]);
            if (!control) fail(line, std::string(C::name) + " has no list or edit " + line.words[1]);
            form.*(control->field) = line.words[2];
            if (control->change) event([&] { (form.*(control->change))(); });
        } else if (command == "click" && args == 1) {
            if (auto* click = find<ClickControl<Form>>(C::clicks, line.words[1])) {
                if (click->enabled && !(form.*(click->enabled))) fail(line, line.words[1] + " is disabled");
                event([&] { (form.*(click->click))(); });
            } else if (auto* flag = find<FlagControl<Form>>(C::flags, line.words[1]); flag && flag->toggles) {
                form.*(flag->flag) = !(form.*(flag->flag));
            } else {
                fail(line, std::string(C::name) + " has no button " + line.words[1]);
            }
        } else if (command == "dblclick-control" && args == 1) {
            if (!form.DblClick(line.words[1])) fail(line, "no clearing double-click on " + line.words[1]);
        } else if (command == "show" && args == 1) {
            if (auto* control = find<TextControl<Form>>(C::texts, line.words[1]))
                out_ << line.words[1] << " = " << form.*(control->field) << "\n";
            else if (auto* flag = find<FlagControl<Form>>(C::flags, line.words[1]))
                out_ << line.words[1] << " = " << (form.*(flag->flag) ? "true" : "false") << "\n";
            else
                fail(line, std::string(C::name) + " has no control " + line.words[1]);
        } else {
            fail(line, "not a step of an open form");
        }
    }
}

void ScriptHost::topLevel(const ScriptLine& line)
{
    TForm1& f1 = forms_->form1;
    const std::string& command = line.words[0];
    const std::size_t args = line.words.size() - 1;
    try {
        if (command == "dblclick" && (args == 1 || args == 2)) {
            int row = wholeArgument(line.words[1]);
            int column = args == 2 ? wholeArgument(line.words[2]) : 1;
            if (row < 0 || row >= f1.StringGrid1.rowCount()) fail(line, "no such row");
            if (column < 0 || column >= kSheetColumns) fail(line, "no such column");
            f1.nx1 = f1.ux1 = column;
            f1.ny1 = f1.uy1 = row;
            StringGrid1DblClick(*forms_);
        } else if (command == "supply" && args == 1) {
            const std::string& kind = line.words[1];
            if (kind == "transformer")
                f1.supply = {SupplyKind::Transformer, f1.supply.percent};
            else if (kind == "utility")
                f1.supply = {SupplyKind::Utility, f1.supply.percent};
            else if (kind.rfind("percent:", 0) == 0 && tryParseDecimal(kind.substr(8)))
                f1.supply = {SupplyKind::GivenPercent, kind.substr(8)};
            else
                fail(line, "supply transformer|utility|percent:N");
        } else if (command == "print" && args >= 1 && args <= 3) {
            int first = wholeArgument(line.words[1]);
            int last = args >= 2 ? wholeArgument(line.words[2]) : first;
            if (first < 0 || last < first || last >= f1.StringGrid1.rowCount()) fail(line, "no such rows");
            std::vector<int> columns = columnList(args == 3 ? line.words[3] : std::string());
            for (int r = first; r <= last; ++r) out_ << rowText(f1.StringGrid1, r, columns) << "\n";
        } else if (command == "title" && args == 5) {
            // Typed into the title block: the building name and the date in
            // its era, the era also as the settings panel names it.
            f1.Edit1 = line.words[1];
            f1.Label56 = f1.Edit2 = line.words[2];
            f1.Edit25 = line.words[3];
            f1.Edit26 = line.words[4];
            f1.Edit27 = line.words[5];
        } else if (command == "rows" && args == 0) {
            out_ << "rows: " << f1.StringGrid1.rowCount() << "\n";
        } else if (command == "save" && args == 1) {
            if (auto reason = f1.saveSheetFile(line.words[1])) fail(line, *reason);
        } else {
            fail(line, "not a step of the main window");
        }
    } catch (const ScriptError& e) {
        std::string what = e.what();
        if (what.rfind("line ", 0) == 0) throw;
        fail(line, what);
    } catch (const std::exception& e) {
        // A command stopped by anything else is told as the general error box
        // tells it, and the scenario goes on, as the program does.
        reportError(errorBoxText(e));
    }
}

void ScriptHost::run(Forms& forms, const std::vector<ScriptLine>& lines)
{
    forms_ = &forms;
    lines_ = &lines;
    next_ = 0;
    forms.setHost(this);
    while (next_ < lines.size()) {
        const ScriptLine& line = lines[next_++];
        if (!queue(line)) topLevel(line);
    }
    auto leftover = [](const std::deque<ScriptLine>& q, const char* what) {
        if (!q.empty())
            throw ScriptError("line " + std::to_string(q.front().number) + ": queued " + what + " never used");
    };
    leftover(answers_, "answer");
    leftover(keypads_, "keypad");
    leftover(calculators_, "calculator");
    leftover(cables_, "cable window");
}

}  // namespace tolvane
