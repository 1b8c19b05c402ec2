#include "gui/drive_channel.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSocketNotifier>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cinttypes>
#include <cstdio>
#include <iostream>
#include <sstream>

#include "app/forms.h"
#include "app/recovery_keeper.h"
#include "app/script_host.h"
#include "app/tform1.h"
#include "gui/auto_recovery.h"
#include "gui/main_window.h"
#include "gui/qt_host.h"
#include "sheet/file_store.h"

namespace tolvane::gui {

namespace {

void say(const std::string& text) { std::cout << text << std::endl; }

// FNV-1a: enough to tell the states of one run apart.
std::string hashOf(const std::string& bytes)
{
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016" PRIx64, h);
    return text;
}

// Boxes and dialogs answered over the channel.
class DriveHost : public QtHost {
public:
    DriveHost(QWidget* window, DriveInput& input) : QtHost(window), input_(input) {}

    std::deque<std::string> files;

    void inform(std::string_view text) override { say("message: " + std::string(text)); }
    void warn(std::string_view text) override { say("message: " + std::string(text)); }
    void reportError(std::string_view text) override { say("error: " + std::string(text)); }
    void beep() override {}
    bool ask(std::string_view text) override
    {
        say("ask: " + std::string(text));
        return input_.line(true).value_or("no") == "yes";
    }
    UnsavedWork askUnsavedWork(std::string_view text) override
    {
        say("ask: " + std::string(text));
        const std::string answer = input_.line(true).value_or("cancel");
        return answer == "save" ? UnsavedWork::Save : answer == "discard" ? UnsavedWork::Discard : UnsavedWork::Cancel;
    }
    void showKeypad(TForm3&) override { say("form: TForm3"); }
    void showCalculator(TForm5&) override { say("form: TForm5"); }
    void showCableWindow(Tdensen&) override { say("form: Tdensen"); }
    void showFeederForm(TForm2&) override { say("form: TForm2"); }
    void showBranchForm(TForm4&) override { say("form: TForm4"); }
    std::optional<std::string> chooseFile(FileDialog, std::string_view) override
    {
        std::optional<std::string> path;
        if (!files.empty()) {
            path = files.front();
            files.pop_front();
        }
        return path;
    }

private:
    DriveInput& input_;
};

}  // namespace

// ------------------------------------------------------------------ input

bool DriveInput::fill(bool wait)
{
    pollfd in{0, POLLIN, 0};
    if (::poll(&in, 1, wait ? -1 : 0) <= 0) return false;
    char chunk[4096];
    const ssize_t got = ::read(0, chunk, sizeof chunk);
    if (got <= 0) {
        ended_ = true;
        return false;
    }
    buffer_.append(chunk, static_cast<std::size_t>(got));
    return true;
}

std::optional<std::string> DriveInput::line(bool wait)
{
    for (;;) {
        if (std::size_t end = buffer_.find('\n'); end != std::string::npos) {
            std::string text = buffer_.substr(0, end);
            buffer_.erase(0, end + 1);
            if (!text.empty() && text.back() == '\r') text.pop_back();
            return text;
        }
        if (ended_ || !fill(wait)) return std::nullopt;
        if (!wait && buffer_.find('\n') == std::string::npos) return std::nullopt;
    }
}

// ---------------------------------------------------------------- channel

DriveChannel::DriveChannel(MainWindow& window) : window_(window)
{
    auto host = std::make_unique<DriveHost>(&window, input_);
    files_ = &host->files;
    window.useHost(std::move(host));
}

DriveChannel::~DriveChannel() = default;

void DriveChannel::start()
{
    if (AutoRecovery* recovery = window_.recovery())
        recovery->keeper().onWrite = [](bool finished) { say(finished ? "recovery-written" : "recovery-writing"); };
    notifier_ = std::make_unique<QSocketNotifier>(0, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { readCommands(); });
    say("ready " + hashOf(recoveryBytes(window_.form())));
}

void DriveChannel::readCommands()
{
    while (std::optional<std::string> line = input_.line(false)) run(*line);
    if (input_.ended()) {
        notifier_->setEnabled(false);
        QApplication::exit(0);
    }
}

void DriveChannel::run(const std::string& line)
{
    std::istringstream text(line);
    std::vector<ScriptLine> parsed;
    try {
        parsed = parseScenario(text);
    } catch (const ScriptError& e) {
        say(std::string("error: ") + e.what());
        return;
    }
    if (parsed.empty()) return;
    const std::vector<std::string>& w = parsed.front().words;
    TForm1& form = window_.form();
    const std::string& verb = w[0];

    if (verb == "building" && w.size() <= 2) {
        // As typed: the box shows the text and tells what was typed.
        auto* box = window_.findChild<QLineEdit*>("Edit1");
        const QString typed = QString::fromStdString(w.size() == 2 ? w[1] : std::string());
        box->setText(typed);
        emit box->textEdited(typed);
    } else if ((verb == "insert" || verb == "delete" || verb == "copy" || verb == "paste") && w.size() == 2) {
        const int row = std::atoi(w[1].c_str());
        if (row < 0 || row >= form.StringGrid1.rowCount()) {
            say("error: no such row");
            return;
        }
        form.ny1 = form.uy1 = row;
        const bool opens = form.StringGrid1PopupRelease(true);
        const auto enabled = [&](int item) { return opens && form.PopupMenu1.enabled[static_cast<std::size_t>(item)]; };
        if (verb == "insert" && enabled(popup::Insert))
            window_.runCommand([&] { form.N2Click(); });
        else if (verb == "delete" && enabled(popup::Delete))
            window_.runCommand([&] { form.N1Click(); });
        else if (verb == "copy" && enabled(popup::Copy))
            window_.runCommand([&] { form.N7Click(); });
        else if (verb == "paste" && enabled(popup::Paste))
            window_.runCommand([&] { form.N8Click(); });
    } else if (verb == "save" && w.size() == 2) {
        files_->push_back(w[1]);
        window_.findChild<QPushButton*>("Button2")->click();
        files_->clear();
    } else if (verb == "dump" && w.size() == 2) {
        if (auto reason = replaceFile(w[1], recoveryBytes(form))) say("error: " + *reason);
    } else if (verb == "title" && w.size() == 1) {
        say("title: " + window_.windowTitle().toStdString() + (window_.isWindowModified() ? " modified" : ""));
    } else {
        say("error: not a command: " + line);
        return;
    }
    say("ok " + std::to_string(++done_) + " " + hashOf(recoveryBytes(form)));
}

}  // namespace tolvane::gui
