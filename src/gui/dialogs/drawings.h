// The pictures of the forms, drawn: the reference table of allowable voltage
// drops, the run of a single feeder from its breaker to its board, the
// tap-branch rule of a dwelling feeder, the place of a row in a dwelling
// feeder, and cables grouped in tiers.
#pragma once

#include <QWidget>

#include <functional>

namespace tolvane::gui {

// A widget that paints itself with a function; placed behind or beside the
// controls it illustrates.
class Picture : public QWidget {
public:
    using Painter = std::function<void(QPainter&, const QRect&)>;
    Picture(QWidget* parent, const QRect& geometry, Painter painter);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Painter painter_;
};

// The allowable drops of the interior wiring code by the length to the
// farthest load, for a transformer on the premises and for a low-voltage
// supply from the utility.
void paintDropReferenceTable(QPainter& p, const QRect& r);

// A distribution board: a box with a caption.
void paintBoard(QPainter& p, const QRect& r, const QString& caption);
// A breaker symbol: a small box with a switch stroke.
void paintBreaker(QPainter& p, const QRect& r);
// A coloured bar of the run.
void paintBar(QPainter& p, const QRect& r, const QColor& colour);

// The tap-branch rule: the trunk protected by its breaker and three branches
// with their rating and length limits.
void paintTapRule(QPainter& p, const QRect& r);
// A dwelling feeder's run: breaker, trunk and the dwelling boards of the first
// system; `twoSystems` adds the three bars of the second system.
void paintDwellingRun(QPainter& p, const QRect& r, bool twoSystems);

// The place of a dwelling feeder's row: the head (4), a branch point (3), a
// segment (2) or a branch (1), drawn in red in the grey feeder.
void paintRowPlace(QPainter& p, const QRect& r, int pat);

// Cables of one grouping: `tiers` rows of `perTier` circles at a spacing of
// `spacing` diameters; `more` marks that the tier holds more than drawn.
void paintGrouping(QPainter& p, const QRect& r, int tiers, int perTier, int spacing, bool more);

}  // namespace tolvane::gui
