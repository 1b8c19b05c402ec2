// Sheet fixtures for the feeder calculations: text files of rows.
//
//   # comment
//   run design drops totals tap draw review   (what the test runs, in order)
//   supply transformer | utility | percent:N
//   [input]
//   cols 0|2|5|6          which sheet columns the rows below give
//   1|単相3線|-─▶┌|20     one line per sheet row, from row 0; "~" is an empty row
//                         (in [expect]: a row that is not compared)
//   [expect]
//   cols 9|15             cells expected afterwards (other columns not compared)
//   164|0.66
//   [review]
//   3|電圧降下:　...       every report of the review, in order: row|text
#pragma once

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "calc/voltage_drop.h"
#include "sheet/sheet.h"

namespace tolvane::sheetcalc {

struct CellTable {
    std::vector<int> columns;
    std::vector<std::vector<std::string>> rows;  // an empty row: "~"
};

struct CalcFixture {
    std::vector<std::string> steps;
    SupplyChoice supply;
    CellTable input;
    CellTable expect;
    std::vector<std::pair<int, std::string>> review;
    bool hasReview = false;
};

inline std::vector<std::string> splitCells(const std::string& line)
{
    std::vector<std::string> cells;
    std::string cell;
    std::istringstream in(line);
    while (std::getline(in, cell, '|')) cells.push_back(cell);
    if (!line.empty() && line.back() == '|') cells.emplace_back();
    return cells;
}

inline std::string fixturePath(const std::string& name)
{
    return std::string(TOLVANE_TEST_DATA) + "/sheet_calc/" + name;
}

inline SupplyChoice supplyOption(const std::string& text)
{
    if (text == "transformer") return {SupplyKind::Transformer, "3"};
    if (text == "utility") return {SupplyKind::Utility, "3"};
    if (text.rfind("percent:", 0) == 0) return {SupplyKind::GivenPercent, text.substr(8)};
    throw std::runtime_error("unknown supply: " + text);
}

inline CalcFixture readCalcFixture(const std::string& name)
{
    std::ifstream in(fixturePath(name));
    if (!in) throw std::runtime_error("cannot open fixture " + name);
    CalcFixture f;
    std::string section;
    std::string line;
    int lineNo = 0;
    auto fail = [&](const std::string& why) {
        throw std::runtime_error(name + ":" + std::to_string(lineNo) + ": " + why);
    };
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '[') {
            section = line;
            if (section == "[review]") f.hasReview = true;
            continue;
        }
        if (section.empty()) {
            std::istringstream words(line);
            std::string key, word;
            words >> key;
            if (key == "run")
                while (words >> word) f.steps.push_back(word);
            else if (key == "supply" && words >> word)
                f.supply = supplyOption(word);
            else
                fail("unknown directive");
            continue;
        }
        if (section == "[review]") {
            auto bar = line.find('|');
            if (bar == std::string::npos) fail("review line without row");
            f.review.emplace_back(std::stoi(line.substr(0, bar)), line.substr(bar + 1));
            continue;
        }
        CellTable& table = section == "[input]" ? f.input : section == "[expect]" ? f.expect : (fail("section"), f.input);
        if (line.rfind("cols ", 0) == 0) {
            for (const std::string& c : splitCells(line.substr(5))) table.columns.push_back(std::stoi(c));
            continue;
        }
        if (line == "~") {
            table.rows.emplace_back();
            continue;
        }
        auto cells = splitCells(line);
        if (cells.size() != table.columns.size())
            fail(std::to_string(cells.size()) + " cells for " + std::to_string(table.columns.size()) + " columns");
        table.rows.push_back(std::move(cells));
    }
    return f;
}

// The input rows as a sheet of at least the start-up size.
inline Sheet sheetOf(const CellTable& table)
{
    Sheet sheet(std::max<int>(kStartRows, static_cast<int>(table.rows.size())));
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        for (std::size_t c = 0; c < table.rows[r].size(); ++c)
            sheet.setCell(table.columns[c], static_cast<int>(r), table.rows[r][c]);
    return sheet;
}

}  // namespace tolvane::sheetcalc
