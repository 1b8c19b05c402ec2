#include "output/worksheet_template.h"

namespace tolvane {

namespace {

constexpr int B = 2, C = 3, D = 4, E = 5, F = 6, G = 7, H = 8, K = 11, L = 12, M = 13, N = 14, O = 15,
              P = 16, Q = 17, R = 18, S = 19;

struct TemplateText {
    CellRange cells;
    bool merged;
    const char* text;
    int size;
    HAlign horizontal;
};

// The footnote block: the formula, its legend and the coefficient table.
const TemplateText kFootnoteCells[] = {
    {{45, B, 45, D}, true, " 電圧降下による電線太さの算出", 10, HAlign::Justify},
    {{47, C, 47, C}, false, "K'IlZ", 10, HAlign::Center},
    {{47, B, 48, B}, true, "e＝", 10, HAlign::Right},
    {{48, C, 48, C}, false, "1,000", 10, HAlign::Center},
    {{47, D, 48, E}, true, " [V]", 10, HAlign::Justify},
    {{49, B, 49, E}, true, "　　中性線がある場合は中性線との電圧降下", 10, HAlign::Justify},
    {{45, F, 45, F}, false, "ここに、e：", 10, HAlign::Right},
    {{46, F, 46, F}, false, "K'：", 10, HAlign::Right},
    {{47, F, 47, F}, false, "I：", 10, HAlign::Right},
    {{48, F, 48, F}, false, "l：", 10, HAlign::Right},
    {{49, F, 49, F}, false, "Z：", 10, HAlign::Right},
    {{45, G, 45, 10}, true, "各線間の電圧降下 [V]", 10, HAlign::Justify},
    {{46, G, 46, 10}, true, "電気方式による係数", 10, HAlign::Justify},
    {{47, G, 47, 10}, true, "設計負荷電流 [A]", 10, HAlign::Justify},
    {{48, G, 48, 10}, true, "こう長 [m]", 10, HAlign::Justify},
    {{49, G, 49, 10}, true, "電線1kmあたりのｲﾝﾋﾟｰﾀﾞﾝｽ [Ω/km]", 10, HAlign::Justify},
    {{45, K, 45, M}, true, "K'：電気方式による係数", 10, HAlign::Center},
    {{46, K, 46, L}, true, "回路の電気方式", 10, HAlign::Center},
    {{47, K, 47, L}, true, "単相2線式", 10, HAlign::Justify},
    {{48, K, 48, L}, true, "三相3線式", 10, HAlign::Justify},
    {{49, K, 49, L}, true, "単相3線式、三相4線式", 10, HAlign::Justify},
    {{46, M, 46, M}, false, "係数", 10, HAlign::Center},
    {{47, M, 47, M}, false, "2", 10, HAlign::Center},
    {{48, M, 48, M}, false, "√3", 10, HAlign::Center},
    {{49, M, 49, M}, false, "1", 10, HAlign::Center},
    {{51, S, 51, S}, false, "Ｈ２１", 10, HAlign::Right},
};

constexpr std::array<double, kTemplateColumns> kColumnWidths = {2, 12, 8, 7, 8, 9, 7, 11, 8, 8,
                                                                 7, 12, 14, 8, 9, 7, 7, 6, 9};

std::array<double, kTemplateRows> rowHeights()
{
    std::array<double, kTemplateRows> h{};
    h.fill(13.5);  // rows 4 to 7 and 9 to 48
    h[0] = 15.75;
    h[1] = 27.75;
    h[2] = 18;
    h[7] = 15.75;
    h[48] = 15;
    h[49] = 7.5;
    h[50] = 15.75;
    return h;
}

class TemplateBuilder {
public:
    explicit TemplateBuilder(WorksheetTemplate& page) : page_(page) {}

    // Text and format on the top-left cell; the range merged when asked.
    void put(CellRange cells, bool merged, std::string text, int size, HAlign horizontal, bool underline = false)
    {
        if (merged) page_.merge(cells);
        CellFormat& f = page_.format(cells.firstRow, cells.firstColumn);
        f.size = size;
        f.horizontal = horizontal;
        f.underline = underline;
        // Multi-line headings are one text; wrapping shows their lines.
        f.wrap = text.find("\r\n") != std::string::npos;
        page_.text(cells.firstRow, cells.firstColumn) = std::move(text);
    }

    void heading(int column, int firstRow, int lastRow, int size)
    {
        const ColumnHeading& h = columnHeadings()[static_cast<std::size_t>(column - B)];
        put({firstRow, column, lastRow, column}, true, joinLines(h.lines), size, HAlign::Center);
    }

    enum class Side { Top, Bottom, Left, Right };
    void edge(CellRange cells, Side side, Border weight)
    {
        for (int r = cells.firstRow; r <= cells.lastRow; ++r)
            for (int c = cells.firstColumn; c <= cells.lastColumn; ++c) {
                CellFormat& f = page_.format(r, c);
                switch (side) {
                case Side::Top: f.top = weight; break;
                case Side::Bottom: f.bottom = weight; break;
                case Side::Left: f.left = weight; break;
                case Side::Right: f.right = weight; break;
                }
            }
    }
    // The right edge of one column from a row down to the last item line.
    void columnRule(int column, int fromRow) { edge({fromRow, column, 44, column}, Side::Right, Border::Hair); }

private:
    WorksheetTemplate& page_;
};

}  // namespace

const std::array<double, kTemplateColumns>& templateColumnWidths() { return kColumnWidths; }

const std::array<double, kTemplateRows>& templateRowHeights()
{
    static const std::array<double, kTemplateRows> heights = rowHeights();
    return heights;
}

WorksheetTemplate buildTemplate(const TitleBlock& title, const std::function<void()>& step)
{
    auto advance = [&] {
        if (step) step();
    };
    using Side = TemplateBuilder::Side;
    WorksheetTemplate page;
    TemplateBuilder b(page);
    advance();  // page set-up, widths and heights belong to the writer

    for (int r = 1; r <= kTemplateRows; ++r)
        for (int c = B; c <= S; ++c) {
            page.format(r, c).font = true;
            page.format(r, c).vcenter = true;
        }
    advance();

    // Title block.
    b.put({1, S, 1, S}, false, kFormNumber, 10, HAlign::Right);
    b.put({2, B, 2, E}, true, std::string("　") + kDocumentTitle, 12, HAlign::Justify);
    b.put({2, G, 2, G}, false, "建物名称", 11, HAlign::Right, true);
    b.put({2, H, 2, P}, true, title.building, 11, HAlign::Justify, true);
    b.put({2, Q, 2, S}, true, title.date, 10, HAlign::Justify, true);
    b.put({3, C, 3, C}, false, kFrequencyLabel, 10, HAlign::Right);
    b.put({3, D, 3, D}, false, title.frequency, 10, HAlign::Center);
    page.merge({3, E, 3, S});
    advance();

    // Heading block.
    for (int c = B; c <= K; ++c) b.heading(c, 4, 8, 10);
    b.put({4, L, 4, O}, true, "電線及びケーブル", 10, HAlign::Center);
    b.put({4, P, 5, Q}, true, "各線間の電圧降下\r\ne [V]", 10, HAlign::Center);
    for (int c = L; c <= O; ++c) b.heading(c, 5, 8, 10);
    for (int c = P; c <= Q; ++c) b.heading(c, 6, 8, 9);
    for (int c = R; c <= S; ++c) b.heading(c, 4, 8, 10);
    advance();

    // Footnote block and the form mark.
    for (const TemplateText& t : kFootnoteCells) b.put(t.cells, t.merged, t.text, t.size, t.horizontal);
    for (int r = 45; r <= 49; ++r) page.merge({r, N, r, S});
    page.merge({50, B, 50, S});
    advance();

    // Item line cells: two worksheet rows per line.
    for (int x = kFirstItemRow; x <= 43; x += 2)
        for (int c = B; c <= S; ++c) page.merge({x, c, x + 1, c});
    advance();

    // The rule above every item line and under the last one.
    for (int x = kFirstItemRow; x <= 45; x += 2) {
        b.edge({x, B, x, S}, Side::Top, Border::Thin);
        b.edge({x + 1, B, x + 1, R}, Side::Top, Border::None);
    }
    advance();

    // Frame.
    b.edge({2, B, 2, S}, Side::Top, Border::Medium);
    b.edge({50, B, 50, S}, Side::Bottom, Border::Medium);
    b.edge({2, B, 50, B}, Side::Left, Border::Medium);
    b.edge({2, S, 50, S}, Side::Right, Border::Medium);
    advance();

    // Column rules.
    b.columnRule(B, 4);
    b.columnRule(C, 3);
    b.columnRule(D, 3);
    for (int c = E; c <= K; ++c) b.columnRule(c, 4);
    for (int c = L; c <= N; ++c) b.columnRule(c, 5);
    b.columnRule(O, 4);
    advance();

    b.edge({4, L, 4, O}, Side::Bottom, Border::Hair);
    b.edge({5, P, 5, Q}, Side::Bottom, Border::Hair);
    b.columnRule(P, 6);
    b.columnRule(Q, 4);
    b.columnRule(R, 4);
    advance();

    b.edge({2, B, 2, S}, Side::Bottom, Border::Thin);
    b.edge({3, B, 3, S}, Side::Bottom, Border::Thin);
    advance();

    // Rules of the coefficient table and the fraction bar.
    for (int j = 45; j <= 49; ++j) b.edge({j, K, j, M}, Side::Bottom, Border::Hair);
    b.edge({47, C, 47, C}, Side::Bottom, Border::Hair);
    advance();
    return page;
}

void fillItemLine(WorksheetTemplate& page, const Sheet& sheet, int row, int x, ItemVariant variant)
{
    const bool small = variant == ItemVariant::Small;
    const bool large = variant == ItemVariant::Large;
    for (int c = B; c <= S; ++c) {
        const int column = c - 1;  // document column B shows sheet column 1
        CellFormat& f = page.format(x, c);
        std::string text = sheet.cell(column, row);
        switch (column) {
        case col::Name:
        case col::Cable:
        case col::Remarks: f.horizontal = HAlign::Justify; break;
        case col::System:
        case col::Voltage: f.horizontal = HAlign::Center; break;
        case col::Mark:
            f.horizontal = HAlign::Justify;
            f.size = 16;
            break;
        case col::Length:
            f.horizontal = HAlign::Right;
            if (!large) f.size = 10;
            break;
        case col::LoadName:
            f.horizontal = HAlign::Justify;
            if (small) f.size = 10;
            f.shrink = !small;
            break;
        case col::Method:
            f.horizontal = HAlign::Justify;
            f.size = 10;
            f.shrink = !small;
            text = joinLines(methodLines(sheet, row));
            break;
        default: f.horizontal = HAlign::Right; break;
        }
        f.wrap = text.find("\r\n") != std::string::npos;
        page.text(x, c) = std::move(text);
    }
}

}  // namespace tolvane
