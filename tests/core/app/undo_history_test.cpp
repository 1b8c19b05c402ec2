#include <gtest/gtest.h>

#include "app/tform1.h"
#include "app/undo_history.h"
#include "text/numbers.h"

using namespace tolvane;

TEST(UndoHistory, UndoesAndRedoesACommandThatChangedTheSheet)
{
    TForm1 form;
    UndoHistory history;
    form.StringGrid1.setCell(col::Name, 0, "L1");
    history.run(form, [&] {
        form.StringGrid1.clear();
        form.frequencyEnabled = true;
        form.kansenno = 1;
    });
    EXPECT_TRUE(form.modified);
    EXPECT_EQ(form.StringGrid1.cell(col::Name, 0), "");
    history.undo(form);
    EXPECT_EQ(form.StringGrid1.cell(col::Name, 0), "L1");
    EXPECT_TRUE(history.canRedo());
    history.redo(form);
    EXPECT_EQ(form.StringGrid1.cell(col::Name, 0), "");
}

TEST(UndoHistory, UndoingBackToTheSavedDocumentClearsTheModifiedMark)
{
    TForm1 form;
    UndoHistory history;
    history.markSaved(form);
    history.run(form, [&] { form.Edit1 = "A"; });
    history.run(form, [&] { form.Edit1 = "B"; });
    history.undo(form);
    EXPECT_TRUE(form.modified);
    history.undo(form);
    EXPECT_FALSE(form.modified);  // back where it was saved
    history.redo(form);
    EXPECT_TRUE(form.modified);

    form.modified = false;  // saved with "A"
    history.markSaved(form);
    history.redo(form);
    EXPECT_TRUE(form.modified);
    history.undo(form);
    EXPECT_FALSE(form.modified);
}

TEST(UndoHistory, RecordsNothingWhenTheDocumentDidNotChange)
{
    TForm1 form;
    UndoHistory history;
    history.run(form, [] {});
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(form.modified);
}

TEST(UndoHistory, AFailedCommandCanStillBeUndone)
{
    TForm1 form;
    UndoHistory history;
    EXPECT_THROW(history.run(form,
                             [&] {
                                 form.StringGrid1.setCell(col::Drop, 3, "1.00");
                                 parseDecimal("Z");
                             }),
                 ConversionError);
    ASSERT_TRUE(history.canUndo());
    history.undo(form);
    EXPECT_EQ(form.StringGrid1.cell(col::Drop, 3), "");
}

TEST(UndoHistory, KeepsALimitedNumberOfSteps)
{
    TForm1 form;
    UndoHistory history(3);
    for (int i = 0; i < 5; ++i) history.run(form, [&] { form.Edit1 = std::to_string(i); });
    int steps = 0;
    while (history.canUndo()) {
        history.undo(form);
        ++steps;
    }
    EXPECT_EQ(steps, 3);
    EXPECT_EQ(form.Edit1, "1");
}
