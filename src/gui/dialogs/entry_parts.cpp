#include "gui/dialogs/entry_parts.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "entry/entry_form.h"
#include "gui/dialogs/drawings.h"

namespace tolvane::gui {

QLabel* valueDisplay(FormDialog& form, QWidget* parent, const char* name, const std::string& field, QRect r)
{
    QLabel* l = form.label(parent, name, field, r);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAutoFillBackground(true);
    l->setStyleSheet("background: white; padding-right: 4px;");
    return l;
}

void buildSupplyArea(FormDialog& form, QWidget* parent, QRect r, const SupplyFields& f, const SupplyHandlers& h)
{
    auto* box = new QGroupBox(parent);
    box->setObjectName("SupplyArea");
    box->setGeometry(r);

    const int w = r.width();
    form.radio(box, "RadioButton1", EntryForm::RadioButton1Caption, f.transformer, at(8, 8, 330, 22), h.transformer);
    QLabel* note = form.text(box, EntryForm::RadioButton1Note, at(28, 30, 310, 18));
    note->setStyleSheet("color: #404080;");
    form.radio(box, "RadioButton2", EntryForm::RadioButton2Caption, f.utility, at(8, 54, 330, 22), h.utility);
    form.radio(box, "RadioButton5", EntryForm::RadioButton5Caption, f.givenPercent, at(8, 84, 250, 22),
               h.givenPercent);
    QLineEdit* percent = form.edit(box, f.percentName, f.percent, at(262, 82, 48, 26));
    percent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (h.percentTyped) form.onEvent(percent, QEvent::KeyRelease, h.percentTyped, false);
    form.text(box, "%", at(314, 82, 20, 26));

    form.text(box, "計算基準電圧", at(8, 122, 96, 26));
    QLineEdit* reference = form.edit(box, f.referenceName, f.referenceVoltage, at(104, 122, 70, 26));
    reference->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form.text(box, "V", at(178, 122, 16, 26));

    form.text(box, "許容電圧降下", at(8, 156, 96, 26));
    QLabel* allowable = valueDisplay(form, box, "Label70", f.allowableDrop, at(104, 154, 70, 30));
    QFont af = allowable->font();
    af.setPointSize(13);
    af.setBold(true);
    allowable->setFont(af);
    form.text(box, "V", at(178, 156, 16, 26));

    new Picture(box, at(344, 6, w - 352, r.height() - 12), [](QPainter& p, const QRect& area) {
        paintDropReferenceTable(p, area);
    });
}

}  // namespace tolvane::gui
