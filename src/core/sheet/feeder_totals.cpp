#include "sheet/feeder_totals.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "calc/breaker.h"
#include "calc/electrical_system.h"
#include "sheet/tree_marks.h"
#include "text/exact_decimal.h"
#include "text/numbers.h"

namespace tolvane {

namespace {

struct Rows {
    int first;
    int last;
};

// The rows of a range that lie on the sheet.
Rows rowsOf(const Sheet& sheet, FeederRange range)
{
    return {std::max(range.s1, 0), std::min(range.e1, sheet.rowCount() - 1)};
}

bool isAnyBranch(std::string_view m) { return isBranchMark(m); }
bool isTrunk(std::string_view m) { return isTrunkMark(m); }

// A feeder drawn with two branch systems has the mark "┌┌┘".
bool hasTwoSystems(const Sheet& sheet, Rows rows)
{
    for (int r = rows.first; r <= rows.last; ++r)
        if (sheet.cell(col::Mark, r) == mark::Point2) return true;
    return false;
}

// Pass 1: metres from the board to the end of every run, column 19.
void accumulateLengths(Sheet& sheet, Rows rows)
{
    const bool twoSystems = hasTwoSystems(sheet, rows);
    double head = 0, point = 0, segments1 = 0, branch1 = 0, segments2 = 0, branch2 = 0;
    for (int r = rows.first; r <= rows.last; ++r) {
        const std::string& m = sheet.cell(col::Mark, r);
        const std::string& lengthText = sheet.cell(col::Length, r);
        const bool known = hasValue(lengthText);
        auto length = [&] { return parseDecimal(lengthText); };
        double total;
        if (m == mark::Head) {
            if (known) head = length();
            total = head;
        } else if (!twoSystems && (m == mark::Point || m == mark::Segment)) {
            if (known) segments1 += length();
            total = head + segments1;
        } else if (!twoSystems && (m == mark::Branch || m == mark::Last)) {
            if (known) branch1 = length();
            total = head + segments1 + branch1;
        } else if (twoSystems && m == mark::Point2) {
            if (known) point = length();
            total = head + point;
        } else if (twoSystems && m == mark::Segment1) {
            if (known) segments1 += length();
            total = head + point + segments1;
        } else if (twoSystems && (m == mark::Branch1 || m == mark::Last1)) {
            if (known) branch1 = length();
            total = head + point + segments1 + branch1;
        } else if (twoSystems && m == mark::Segment) {
            // System 2 starts at the end of the head run.
            if (known) segments2 += length();
            total = head + segments2;
        } else if (twoSystems && (m == mark::Branch || m == mark::Last)) {
            if (known) branch2 = length();
            total = head + segments2 + branch2;
        } else {
            continue;
        }
        sheet.setCell(col::CumLength, r, formatShortest(total));
    }
}

// Pass 2: currents summed towards the board with the demand factors of the
// dwellings, column 9, and the main device of the head raised to the summed
// current.
void sumCurrents(Sheet& sheet, Rows rows)
{
    // The currents are summed and multiplied by the demand factors as written
    // on paper, so that a half rounds to the even neighbour as it should.
    ExactDecimal sum, system1, system2;
    int dwellings = 0, seen = 0, system1Branches = 0, system2Branches = 0;
    ExactDecimal factor(1, 0), system2Factor(1, 0), system1Factor(1, 0);
    auto whole = [](const ExactDecimal& value) {
        const double rounded = value.roundHalfEven();
        // Currents are far inside the range where the integer's digits are
        // the shortest form.
        if (std::fabs(rounded) < 1e15) return std::to_string(static_cast<long long>(rounded));
        return formatWhole(rounded);
    };

    for (int r = rows.last; r >= rows.first; --r) {
        const std::string& m = sheet.cell(col::Mark, r);
        if (endsSystem1(sheet, r)) {
            system2 = sum;
            sum = ExactDecimal();
            dwellings = 0;
        }
        if (m == mark::Branch1 || m == mark::Last1) ++system1Branches;
        if (m == mark::Branch || m == mark::Last) ++system2Branches;

        const bool head = m == mark::Head;
        if (isAnyBranch(m) || head) {
            ++dwellings;
            ++seen;
            const std::string& current = sheet.cell(col::Current, r);
            if (hasValue(current)) {
                if (head) {
                    system1 = sum;
                    sum += system2;
                    dwellings = seen - 1;
                } else {
                    sum += ExactDecimal::parse(current);
                }
                factor = DemandFactor(dwellings);
                system2Factor = DemandFactor(system2Branches);
            }
        }
        if (m == mark::Point2) system1Factor = DemandFactor(system1Branches);

        if (head) {
            if (sheet.cell(col::Mark, r + 1) == mark::Point2)
                sheet.setCell(col::Current, r, whole((system2 + system1 * system1Factor) * factor));
            else
                sheet.setCell(col::Current, r, whole(sum * factor));

            // The main device must carry the feeder's summed current; an empty
            // rating stays empty and a current beyond the ladder changes nothing.
            const double needed = (sum * factor).roundHalfEven();
            const std::string& mainDevice = sheet.cell(col::MainDevice, r);
            if (hasValue(mainDevice) && needed > parseDecimal(mainDevice)) {
                std::string rating = SelectBreakerRating(needed);
                if (!rating.empty()) sheet.setCell(col::MainDevice, r, std::move(rating));
            }
        } else if (m == mark::Point) {
            sheet.setCell(col::Current, r, whole(sum * factor));
        } else if (m == mark::Point2) {
            sheet.setCell(col::Current, r, whole(sum * system1Factor));
        } else if (m == mark::Segment1) {
            sheet.setCell(col::Current, r, whole(sum));
        } else if (m == mark::Segment) {
            // The first row of system 2 carries all of system 2's dwellings.
            const bool firstOfSystem2 = sheet.cell(col::Mark, r - 1) == mark::Last1;
            sheet.setCell(col::Current, r, whole(firstOfSystem2 ? sum * system2Factor : sum));
        }
    }
}

// Pass 3: every run's drop, the drops summed from the board to every branch,
// the allowable drops and the over markers.
void sumDrops(Sheet& sheet, Rows rows, const SupplyChoice& supply)
{
    const std::string& system = sheet.cell(col::System, rows.first);
    const double coefficient = SystemCoefficient(system);
    const double reference = SystemReferenceVoltage(system);
    const FeederWalk walk = walkFeeder(sheet, {rows.first, rows.last});
    // The drop from the board to the end of every row's run.
    std::vector<double> toEnd(walk.from.size(), 0.0);
    // The allowable drop changes only with the band; its text is made once per band.
    double lastFraction = -1;
    std::string allowableText;

    for (int r = rows.first; r <= rows.last; ++r) {
        const std::string& m = sheet.cell(col::Mark, r);
        const double drop = VoltageDrop(coefficient, cellNumber(sheet, col::Current, r),
                                        cellNumber(sheet, col::Length, r), cellNumber(sheet, col::Impedance, r));
        std::string dropText = formatFixed(drop, 2);
        // The run's drop as written (2 decimals); a drop of 1,000 V or more
        // carries separators, which must not stop the sum.
        const double e = parseGrouped(dropText);
        sheet.setCell(col::Drop, r, std::move(dropText));

        const int from = walk.startOf(r);
        const double fromBoard = from < 0 ? 0.0 : toEnd[static_cast<std::size_t>(from - rows.first)];
        toEnd[static_cast<std::size_t>(r - rows.first)] = fromBoard + e;
        if (isAnyBranch(m)) sheet.setCell(col::DropSum, r, formatShortest(fromBoard + e));

        // A single feeder is judged by its own length, as its entry form does;
        // the rows of a dwelling feeder by their distance from the board.
        double length = 1;
        if (m == mark::Single) {
            if (hasValue(sheet.cell(col::Length, r))) length = cellNumber(sheet, col::Length, r);
        } else if (hasValue(sheet.cell(col::CumLength, r))) {
            length = cellNumber(sheet, col::CumLength, r);
        }
        const AllowableFraction fraction = AllowableDropPercent(supply, length);
        if (fraction.fraction != lastFraction) {
            lastFraction = fraction.fraction;
            allowableText = formatWhole(AllowableDrop(reference, fraction));
        }
        sheet.setCell(col::AllowableDrop, r, allowableText);

        sheet.setCell(col::Over, r, "");
        const std::string& summed = sheet.cell(col::DropSum, r);
        const std::string& allowed = sheet.cell(col::AllowableDrop, r);
        if (hasValue(summed) && hasValue(allowed) && parseDecimal(summed) > parseDecimal(allowed))
            sheet.setCell(col::Over, r, "over");
    }
}

}  // namespace

bool endsSystem1(const Sheet& sheet, int row)
{
    return sheet.cell(col::SystemNo, row) == "1" && sheet.cell(col::SystemNo, row + 1) == "2";
}

FeederWalk walkFeeder(const Sheet& sheet, FeederRange range)
{
    const Rows rows = rowsOf(sheet, range);
    FeederWalk walk;
    walk.first = rows.first;
    if (rows.first > rows.last) return walk;
    walk.from.resize(static_cast<std::size_t>(rows.last - rows.first + 1), -1);
    int lastTrunk = -1;
    for (int r = rows.first; r <= rows.last; ++r) {
        walk.from[static_cast<std::size_t>(r - rows.first)] = lastTrunk;
        if (isTrunk(sheet.cell(col::Mark, r))) lastTrunk = r;
        // System 2 starts again from the end of the head run.
        if (endsSystem1(sheet, r)) lastTrunk = rows.first;
    }
    return walk;
}

double cellNumber(const Sheet& sheet, int column, int row)
{
    const std::string& text = sheet.cell(column, row);
    return hasValue(text) ? parseDecimal(text) : 0.0;
}

void recalculateDesignCurrents(Sheet& sheet, FeederRange range)
{
    const Rows rows = rowsOf(sheet, range);
    std::int64_t sum = 0;
    for (int r = rows.last; r >= rows.first; --r) {
        const std::string& m = sheet.cell(col::Mark, r);
        if (isAnyBranch(m)) {
            const std::string& current = sheet.cell(col::Current, r);
            if (hasValue(current)) sum += parseWhole(current);
        } else if (isTrunk(m)) {
            sheet.setCell(col::Current, r, std::to_string(sum));
        }
    }
}

void computeSingleDrops(Sheet& sheet, FeederRange range)
{
    const Rows rows = rowsOf(sheet, range);
    const double coefficient = SystemCoefficient(sheet.cell(col::System, rows.first));
    for (int r = rows.first; r <= rows.last; ++r) {
        const std::string& current = sheet.cell(col::Current, r);
        const std::string& length = sheet.cell(col::Length, r);
        const std::string& impedance = sheet.cell(col::Impedance, r);
        if (!hasValue(current) || !hasValue(length) || !hasValue(impedance)) continue;
        const double drop =
            VoltageDrop(coefficient, parseDecimal(current), parseDecimal(length), parseDecimal(impedance));
        sheet.setCell(col::Drop, r, formatFixed(drop, 2));
    }
}

void computeFeederTotals(Sheet& sheet, FeederRange range, const SupplyChoice& supply)
{
    const Rows rows = rowsOf(sheet, range);
    if (rows.first > rows.last) return;
    accumulateLengths(sheet, rows);
    sumCurrents(sheet, rows);
    sumDrops(sheet, rows, supply);
}

}  // namespace tolvane
