#include "app/tform1.h"

#include <filesystem>

#include "text/cp932.h"
#include "text/numbers.h"

namespace tolvane {

const int kColumnWidths[kSheetColumns] = {
    29, 87, 63, 63, 90, 74, 45, 94, 55, 55, 56, 77, 95, 55, 103, 68, 68, 55, 70,  // 0..18
    0,  0,                                                                       // 19, 20
    0,                                                                           // 21: layout rule
    0,  0,  0,  0,  0,  0,  0,  0,  0,                                           // 22..30
    80,                                                                          // 31
    0,  0,  0,                                                                   // 32..34
};

WindowSize startupWindowSize(int screenWidth, int screenHeight)
{
    WindowSize size;
    if (screenHeight > 768) size.height = (screenHeight / 4) * 3;
    if (screenWidth >= 1600)
        size.width = 1584;
    else if (screenWidth == 1360)
        size.width = 1360;
    else if (screenWidth == 1280)
        size.width = 1255;
    return size;
}

WindowLayout layoutForWindow(int windowWidth, int windowHeight)
{
    WindowLayout layout;
    layout.sheetWidth = windowWidth - 20;
    layout.sheetHeight = windowHeight - 120;
    layout.judgementWidth = layout.sheetWidth - 1350;
    layout.pointerGuideWidth = windowWidth - 40;
    return layout;
}

TForm1::TForm1() = default;

WindowSize TForm1::FormCreate(const std::string& programPath, const std::vector<std::string>& args,
                              int screenWidth, int screenHeight)
{
    std::filesystem::path program(programPath);
    strFileName = programPath;
    strFilePath = program.parent_path().string();
    if (!strFilePath.empty() && strFilePath.back() != '/') strFilePath += '/';
    settingsFolder = strFilePath;
    WindowSize size = startupWindowSize(screenWidth, screenHeight);
    patan = 0;
    kidou = 0;
    Button124Click();
    modified = false;
    if (!args.empty()) commandLineFile = args.front();
    return size;
}

void TForm1::FormShow()
{
    kansenno = 1;
    keitou = 1;
    Panel6Visible = false;
    Button20Click();
    Button22Click();
    Label56 = Edit2;
    // A sheet named on the command line opens over the settings, exactly as
    // "開く" would open it in this window.
    if (!commandLineFile.empty()) {
        openNamedFile(commandLineFile);
        commandLineFile.clear();
    }
}

void TForm1::Edit1Change()
{
    std::vector<ReplacedCharacter> replaced;
    encodeCp932(Edit1, &replaced);
    Edit1Hint.clear();
    for (const ReplacedCharacter& r : replaced) {
        const std::string name = lostCharacterName(r.character);
        if (Edit1Hint.find(name) == std::string::npos) Edit1Hint += name;
    }
    if (!Edit1Hint.empty()) Edit1Hint += " はファイルの文字コード（シフトJIS）で表せないため、「?」として保存されます";
}

void TForm1::Button124Click()
{
    CivilDate d = today();
    EraYear era = eraOf(d);
    Edit2 = era.era;
    Label56 = era.era;
    Edit3 = std::to_string(d.year);
    Edit25 = eraYearText(era.year);
    Edit26 = std::to_string(d.month);
    Edit27 = std::to_string(d.day);
    modified = true;
}

void TForm1::Button20Click()
{
    const CivilDate d = today();
    // The year box of the 西暦 display holds this year's count in its era.
    const std::string dText = std::to_string(eraOf(d).year);
    if (Label56.empty()) {
        Edit2 = eraOf(d).era;
        Label56 = Edit2;
    }
    if (!Edit3Visible) {
        // 和暦 display: the western year, with the month and day in the year
        // an era began, decides era and year within it; years before 昭和
        // change nothing.
        const int y = hasValue(Edit3) ? parseWhole(Edit3) : d.year;
        if (y < kEarliestEraYear) return;
        const EraYear era = eraOfDocumentDate(y, Edit26, Edit27);
        Edit2 = era.era;
        Label56 = era.era;
        Edit25 = eraYearText(era.year);
    } else {
        // 西暦 display: era and year within it give the western year.
        int e = 0;
        if (Edit25 == "元")
            e = 1;
        else if (hasValue(Edit25))
            e = parseWhole(Edit25);
        else
            e = parseWhole(dText);
        const int western = westernYearOf(Label56, e);
        if (western < kEarliestEraYear) return;
        Edit3 = std::to_string(western);
        Edit2 = Label56;
        Edit25 = dText;
    }
}

void TForm1::Button19Click()
{
    Panel30Visible = true;
    Label67 = Edit3 + "年";
}

void TForm1::Button26Click() { Panel30Visible = false; }

void TForm1::Button18Click()
{
    Button21Click();
    Panel30Visible = false;
    Button17Click();
    Button10Click();
    Button6Click();
    Button7Click();
}

void TForm1::RadioButton1Click()
{
    if (RadioButton1) return;
    RadioButton1 = true;
    RadioButton2 = false;
    Label66 = "60Hz";
    modified = true;
}

void TForm1::RadioButton2Click()
{
    if (RadioButton2) return;
    RadioButton2 = true;
    RadioButton1 = false;
    Label66 = "50Hz";
    modified = true;
}

void TForm1::RadioButton3Click()
{
    if (RadioButton3) return;
    RadioButton3 = true;
    RadioButton4 = false;
    Label56Visible = true;
    Edit2Visible = true;
    Edit3Visible = false;
    Label67Visible = false;
    Button20Click();
}

void TForm1::RadioButton4Click()
{
    if (RadioButton4) return;
    RadioButton4 = true;
    RadioButton3 = false;
    Label56Visible = false;
    Edit2Visible = false;
    Edit3Visible = true;
    Label67Visible = true;
    Label67 = Edit3 + "年";
    Button20Click();
}

void TForm1::RadioButton5Click()
{
    if (RadioButton5) return;
    RadioButton5 = true;
    RadioButton6 = false;
}

void TForm1::RadioButton6Click()
{
    if (RadioButton6) return;
    RadioButton6 = true;
    RadioButton5 = false;
}

}  // namespace tolvane
