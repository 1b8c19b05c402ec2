// A host driven by a scenario: the forms' messages and questions are written
// as a transcript, and every modal window (keypad, calculator, cable window,
// entry forms) is driven by the scenario's lines instead of a user. The
// command-line `play` and the end-to-end tests run scenarios through it.
//
// A scenario is one command a line; "#" starts a comment; arguments are
// separated by blanks, an argument with blanks is written in double quotes.
//   dblclick ROW [COL]          double-click a sheet row (COL default 1); the
//                               form that opens takes the following lines
//   set CONTROL TEXT            choose or type TEXT in a list or edit and leave it
//   click CONTROL               a button, radio button or check box
//   dblclick-control CONTROL    the clearing double-click
//   show CONTROL                prints "CONTROL = TEXT" of the open form
//   answer yes|no               queued for the next question
//   answer save|discard|cancel  queued for the next question about unsaved work
//   keypad KEYS|cancel          queued for the next keypad
//   calculator TAB INPUT V PF% single|three   queued for the next calculator;
//                               V or the circuit "-" keeps what it opened with
//   cable FAMILY TYPE SIZE [TIERS,PER_TIER,SPACING]   queued for the next cable window
//   cable-close                 queued: the next cable window is closed unchosen
//   supply transformer|utility|percent:N   the allowable-drop choice of the totals
//   print ROW [LAST [COLUMNS]]  prints sheet rows as "row N: c0|c1|...", all
//                               columns or those listed ("0-7,10,12-14")
//   rows                        prints the sheet's row count as "rows: N"
//   title BUILDING ERA YEAR MONTH DAY   types the title block: building name and date
//   save PATH                   saves the sheet file
#pragma once

#include <deque>
#include <optional>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/host.h"

namespace tolvane {

struct Forms;

// A scenario step that cannot run. The message names the line.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ScriptLine {
    int number = 0;
    std::vector<std::string> words;
};

// Splits a scenario into its command lines (comments and blank lines dropped).
// ScriptError on an unterminated quote.
std::vector<ScriptLine> parseScenario(std::istream& in);

class ScriptHost : public Host {
public:
    explicit ScriptHost(std::ostream& transcript);

    // Runs the scenario on the forms (their host is set to this one).
    // ScriptError when a step cannot run; the transcript holds what ran.
    void run(Forms& forms, const std::vector<ScriptLine>& lines);

    void inform(std::string_view text) override;
    bool ask(std::string_view text) override;
    UnsavedWork askUnsavedWork(std::string_view text) override;
    void warn(std::string_view text) override;
    void reportError(std::string_view text) override;
    void beep() override;
    void showKeypad(TForm3& keypad) override;
    void showCalculator(TForm5& calculator) override;
    void showCableWindow(Tdensen& window) override;
    void showFeederForm(TForm2& form) override;
    void showBranchForm(TForm4& form) override;
    std::optional<std::string> chooseFile(FileDialog kind, std::string_view proposed) override;

private:
    template <class Form>
    void runForm(Form& form);
    bool queue(const ScriptLine& line);
    void topLevel(const ScriptLine& line);
    [[noreturn]] void fail(const ScriptLine& line, const std::string& why) const;
    const ScriptLine& take(std::deque<ScriptLine>& queue, const char* what);

    std::ostream& out_;
    Forms* forms_ = nullptr;
    const std::vector<ScriptLine>* lines_ = nullptr;
    std::size_t next_ = 0;
    std::deque<ScriptLine> answers_, keypads_, calculators_, cables_;
    std::deque<ScriptLine> taken_;  // keeps taken lines alive while they run
};

}  // namespace tolvane
