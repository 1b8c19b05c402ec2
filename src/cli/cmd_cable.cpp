// `cable`: works the cable window as a user would (activation from an entry
// form, family, type, correction panels, a click on a size row and the
// double-click) and prints what the window shows and hands back.
#include <algorithm>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>

#include "cables/installation.h"
#include "cables/tdensen.h"
#include "calc/electrical_system.h"
#include "cli/command.h"
#include "host/quiet_host.h"
#include "text/numbers.h"

namespace tolvane::cli {
namespace {

constexpr const char* kUsage =
    "cable --family N|TEXT --size S [--type T] [--method M] [--depth H=600] [--system SYS] [--freq 60|50]\n"
    "       [--ambient T] [--wires N] [--iv-ambient T] [--grouping TIERS,PER_TIER,SPACING] [--factor F]";

// Messages of the window go to standard error.
class MessageHost : public QuietHost {
public:
    int messages = 0;
    void inform(std::string_view text) override { say(text); }
    bool ask(std::string_view text) override
    {
        say(text);
        return false;
    }
    void warn(std::string_view text) override { say(text); }
    void reportError(std::string_view text) override { say(text); }

private:
    void say(std::string_view text)
    {
        ++messages;
        std::cerr << text << "\n";
    }
};

struct BadArgument : std::invalid_argument {
    using std::invalid_argument::invalid_argument;
};

bool offered(const std::vector<std::string>& items, const std::string& text)
{
    return std::find(items.begin(), items.end(), text) != items.end();
}

// A list choice given on the command line must be one the entry forms offer.
template <std::size_t N>
void requireChoice(const char* option, const std::string& text, const std::string_view (&choices)[N])
{
    if (std::find(std::begin(choices), std::end(choices), text) != std::end(choices)) return;
    std::string list;
    for (std::string_view c : choices) list += (list.empty() ? "" : "、") + std::string(c);
    throw BadArgument(std::string(option) + " は " + list + " のどれかです: " + text);
}

// Options that set a control of the window apply only when the window shows
// that control (and its panel) for the family and installation method chosen.
struct ShownControl {
    const char* option;
    bool Tdensen::*panel;
    bool Tdensen::*control;
    const char* what;
};
constexpr ShownControl kPanelOptions[] = {
    {"--ambient", &Tdensen::Panel5Visible, &Tdensen::ComboBox2Visible, "布設条件の周囲温度"},
    {"--wires", &Tdensen::Panel3Visible, &Tdensen::Panel3Visible, "配管収容時の電線本数"},
    {"--iv-ambient", &Tdensen::Panel3Visible, &Tdensen::ComboBox1Visible, "配管収容時の周囲温度"},
    {"--grouping", &Tdensen::Panel1Visible, &Tdensen::Panel1Visible, "低減率"},
    {"--factor", &Tdensen::Panel1Visible, &Tdensen::Panel1Visible, "低減率"},
};

void requireShownControls(const Tdensen& densen, const std::map<std::string, std::string>& given,
                          const std::string& method)
{
    for (const ShownControl& c : kPanelOptions)
        if (given.count(c.option) && !(densen.*c.panel && densen.*c.control))
            throw BadArgument(std::string(c.option) + " は使えません: 「" + densen.ComboBox11 + "」を「" + method +
                              "」で選ぶ画面に" + c.what + "の欄はありません");
}

std::vector<std::string> splitCommas(const std::string& text)
{
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, ',');) parts.push_back(part);
    return parts;
}

std::string familyText(const std::string& option)
{
    if (auto n = tryParseWhole(option)) {
        std::string_view name = FamilyName(*n);
        if (name.empty()) throw BadArgument("--family は 1～17 か系列名で指定してください: " + option);
        return std::string(name);
    }
    return option;  // typed into the family list as it is
}

int runCable(const std::vector<std::string>& args)
{
    std::map<std::string, std::string> given;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        static const char* kKnown[] = {"--family", "--type",   "--size",       "--method", "--depth",
                                       "--system", "--freq",   "--ambient",    "--wires",  "--iv-ambient",
                                       "--grouping", "--factor"};
        if (std::find(std::begin(kKnown), std::end(kKnown), args[i]) == std::end(kKnown) || i + 1 >= args.size()) {
            std::cerr << "usage: tolvane-cli " << kUsage << "\n";
            return kExitBadInput;
        }
        given[args[i]] = args[i + 1];
    }
    if (!given.count("--family") || !given.count("--size")) {
        std::cerr << "usage: tolvane-cli " << kUsage << "\n";
        return kExitBadInput;
    }

    std::map<std::string, std::string> opt = {
        {"--method", std::string(kMethodCulvert)}, {"--depth", "H=600"},
        {"--system", std::string(kSystemSingle3)}, {"--freq", "60"},
    };
    for (const auto& [option, value] : given) opt[option] = value;

    MessageHost host;
    Tdensen densen;
    densen.host = &host;
    try {
        requireChoice("--method", opt["--method"], kInstallationMethods);
        requireChoice("--system", opt["--system"], kSystemList);
        requireChoice("--depth", opt["--depth"], kBurialDepths);
        if (given.count("--depth") && opt["--method"] != kMethodBuried)
            throw BadArgument("--depth は --method " + std::string(kMethodBuried) + " のときだけ使えます");
        CableCaller caller;
        caller.patt = 1;
        caller.method = opt["--method"];
        caller.depth = opt["--depth"];
        caller.feederSystem = opt["--system"];
        if (opt["--freq"] == "60")
            caller.frequency = 60;
        else if (opt["--freq"] == "50")
            caller.frequency = 50;
        else
            throw BadArgument("--freq は 60 か 50 です: " + opt["--freq"]);
        densen.FormActivate(caller);

        densen.ComboBox11 = familyText(opt["--family"]);
        densen.ComboBox11Change();
        requireShownControls(densen, given, opt["--method"]);

        if (opt.count("--type")) {
            if (!offered(densen.ComboBox3Items, opt["--type"]))
                throw BadArgument("この系列にない種別です: " + opt["--type"]);
            densen.ComboBox3 = opt["--type"];
        }
        if (opt.count("--ambient")) {
            densen.ComboBox2 = opt["--ambient"];
            densen.ComboBox2Click();
        }
        if (opt.count("--wires")) {
            auto n = tryParseWhole(opt["--wires"]);
            if (!n || *n < 1 || *n > 7) throw BadArgument("--wires は 1～7 です: " + opt["--wires"]);
            densen.selectRadioButton(*n);
        }
        if (opt.count("--iv-ambient")) {
            densen.ComboBox1 = opt["--iv-ambient"];
            densen.ComboBox1Click();
        }
        if (opt.count("--grouping")) {
            auto parts = splitCommas(opt["--grouping"]);
            if (parts.size() != 3) throw BadArgument("--grouping は 段数,列数,間隔 です: " + opt["--grouping"]);
            if (!offered(densen.ComboBox5Items, parts[0])) throw BadArgument("段数がありません: " + parts[0]);
            densen.ComboBox5 = parts[0];
            densen.ComboBox5Click();
            if (!offered(densen.ComboBox6Items, parts[2])) throw BadArgument("間隔がありません: " + parts[2]);
            densen.ComboBox6 = parts[2];
            densen.ComboBox6Click();
            if (!offered(densen.ComboBox4Items, parts[1])) throw BadArgument("列数がありません: " + parts[1]);
            densen.ComboBox4 = parts[1];
            densen.ComboBox4Click();
        }
        if (opt.count("--factor")) densen.Edit1 = opt["--factor"];

        int row = densen.sizeRow(opt["--size"]);
        if (row == 0) throw BadArgument("この系列にない断面積です: " + opt["--size"]);
        densen.clickSizeRow(row);
    } catch (const BadArgument& e) {
        std::cerr << e.what() << "\n";
        return kExitBadInput;
    }

    std::cout << "key=" << densen.Caption << "\n";
    std::cout << "display=" << densen.Label22 << "\n";
    auto back = densen.StringGrid7DblClick();
    if (!back) return kExitReported;
    std::cout << "cable=" << back->cable << "\n";
    std::cout << "R=" << back->r << "\n";
    std::cout << "X=" << back->x << "\n";
    std::cout << "allowable=" << back->allowable << "\n";
    std::cout << "size=" << back->size << "\n";
    return host.messages > 0 ? kExitReported : kExitOk;
}

const CommandRegistration registration("cable", kUsage, runCable);

}  // namespace
}  // namespace tolvane::cli
