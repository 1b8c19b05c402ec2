// 判定の確認: the review of the whole sheet. Every row whose judgement reports
// a failure, and every drop above its allowable drop, gives one report with
// the row (so that the window can scroll to it) and the message box's text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/sheet.h"

namespace tolvane {

inline constexpr std::string_view kReviewGood = "判定は良好です。";

struct ReviewReport {
    int row = 0;
    std::string text;
    bool operator==(const ReviewReport&) const = default;
};

struct Review {
    std::vector<ReviewReport> reports;
    // A drop or allowable drop that is not a number stops the review at its
    // row; the reports before it stand.
    struct Error {
        int row = 0;
        std::string message;
    };
    std::optional<Error> error;
};

// Reviews rows 0 .. RowCount-1 as they stand (apply the drawing checks first
// to have every row's drawn judgement in column 21).
Review reviewJudgements(const Sheet& sheet);

}  // namespace tolvane
