#include "gui/header_strip.h"

#include <QHeaderView>
#include <QPainter>
#include <QTableView>

#include "sheet/sheet.h"

namespace tolvane::gui {

namespace {

struct Caption {
    int column;
    const char* lines[3];
};

// Column captions, top line first.
const Caption kCaptions[] = {
    {col::No, {"No.", nullptr, nullptr}},
    {col::Name, {"幹線番号", "又は名称", nullptr}},
    {col::System, {"電気方式", nullptr, nullptr}},
    {col::Voltage, {"電圧", "[V]", nullptr}},
    {col::Breaker, {"幹線保護用", "遮断器定格電流", "[A]"}},
    {col::Mark, {"系統", nullptr, nullptr}},
    {col::Length, {"こう長", "l [m]", nullptr}},
    {col::LoadName, {"負荷名称", nullptr, nullptr}},
    {col::MainDevice, {"主幹器具", "定格電流", "[A]"}},
    {col::Current, {"設計負荷", "電流", "[A]"}},
    {col::PowerFactor, {"負荷の", "力率", "[cosθ]"}},
    {col::Cable, {"種別及び", "断面積", "[m㎡]"}},
    {col::Method, {"配線方式", nullptr, nullptr}},
    {col::Allowable, {"許容電流", "[A]", nullptr}},
    {col::Impedance, {"電線1kmあたりの", "ｲﾝﾋﾟｰﾀﾞﾝｽ", "z[Ω/km]"}},
    {col::Drop, {"単一配線の", "電圧降下", "[V]"}},
    {col::DropSum, {"分岐がある", "場合の合計", nullptr}},
    {col::AllowableDrop, {"許容", "電圧降下", "[V]"}},
    {col::Remarks, {"備考", nullptr, nullptr}},
    {col::Judgement, {"判定", nullptr, nullptr}},
};

// Group captions spanning several columns, drawn above their columns.
struct Group {
    int first, last;
    const char* text;
};
const Group kGroups[] = {
    {col::Cable, col::Impedance, "電線及びケーブル"},
    {col::Drop, col::DropSum, "各線間の電圧降下　e [V]"},
};

bool inGroup(int column)
{
    for (const auto& g : kGroups)
        if (column >= g.first && column <= g.last) return true;
    return false;
}

}  // namespace

HeaderStrip::HeaderStrip(QTableView* sheetView, QWidget* parent) : QWidget(parent), view_(sheetView)
{
    setFixedHeight(52);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(236, 233, 216));
    setPalette(p);
    connect(view_->horizontalHeader(), &QHeaderView::sectionResized, this, qOverload<>(&QWidget::update));
}

void HeaderStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QFont font = this->font();
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(QColor(60, 60, 60));
    const int left = view_->x();
    QHeaderView* header = view_->horizontalHeader();
    auto columnRect = [&](int first, int last, int top, int bottom) {
        int x = left + view_->frameWidth() + header->sectionViewportPosition(first);
        int right = left + view_->frameWidth() + header->sectionViewportPosition(last) + header->sectionSize(last);
        return QRect(x, top, right - x, bottom - top);
    };
    for (const auto& g : kGroups) {
        QRect r = columnRect(g.first, g.last, 0, 16);
        painter.drawText(r, Qt::AlignCenter, QString::fromUtf8(g.text));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
    }
    for (const auto& c : kCaptions) {
        if (header->isSectionHidden(c.column) || header->sectionSize(c.column) == 0) continue;
        int top = inGroup(c.column) ? 17 : 2;
        QRect r = columnRect(c.column, c.column, top, height() - 2);
        painter.drawLine(r.topRight(), r.bottomRight());
        QStringList lines;
        for (const char* line : c.lines)
            if (line) lines << QString::fromUtf8(line);
        painter.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, lines.join('\n'));
    }
}

}  // namespace tolvane::gui
