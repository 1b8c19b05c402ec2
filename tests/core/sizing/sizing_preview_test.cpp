// The preview of ケーブル自動選定 as its window shows it: a cable whose family
// stays open is asked about once per designation, and a plan that changes no
// cable says so with 適用 disabled.
#include <gtest/gtest.h>

#include "app/forms.h"
#include "app/sheet_sizing.h"
#include "sizing_fixture.h"
#include "support/recording_host.h"

namespace tolvane::testing {
namespace {

constexpr const char* kSingleCore = "600V CV及びEM 600V CE/F単心 S＝俵積み";

// Two feeders whose "CV 22゜" keeps nothing that tells the CV families apart,
// and one in CV-T.
Sheet openSheet()
{
    return sheetWith(kSingleColumns, {"1|1|三相3線|50|──▶|10|40|0.8|CV 22゜|気中暗渠配線",
                                      "2|2|三相3線|50|──▶|10|40|0.8|CV22゜|気中暗渠配線",
                                      "3|3|三相3線|50|──▶|10|40|0.8|CV 22゜|気中暗渠配線"});
}

TEST(SizingPreview, AsksOncePerDesignationForAFamilyTheCableLeavesOpen)
{
    RecordingHost host;
    Forms forms(&host);
    forms.form1.StringGrid1 = openSheet();
    host.items.push_back(std::string(kSingleCore));  // for "CV 22゜"; "CV22゜" is declined

    SizingPreview preview(forms, allFeederRanges(forms.form1.StringGrid1));
    preview.FormShow();
    ASSERT_EQ(host.itemPrompts.size(), 2u);
    EXPECT_EQ(host.itemPrompts[0],
              "行1、3のケーブル「CV 22゜」は、許容電流とインピーダンスから電線・ケーブルの系列が一つに決まりません。"
              "どの系列のケーブルですか。");
    // Single-core CV in air: 5.5゜ 58 A carries 40 A behind 50 A.
    ASSERT_EQ(preview.PreviewTable.size(), 2u);
    EXPECT_EQ(preview.PreviewTable[0][3], "CV 22゜ → CV5.5゜");
    EXPECT_EQ(preview.PreviewTable[1][1], "3");
    EXPECT_EQ(preview.PreviewTable[1][8], kSingleCore);
    ASSERT_EQ(preview.FailureList.size(), 1u);
    EXPECT_TRUE(preview.FailureList[0].starts_with("No.2 行2: ケーブル「CV22゜」の電線・ケーブルの系列が"));
    EXPECT_TRUE(preview.ApplyButtonEnabled);
    EXPECT_EQ(preview.NoticeLabel, "");

    // Another family in the list settles every row without a question; back
    // to the designations, the answers given still hold.
    preview.FamilyList = 5;
    preview.FamilyListChange();
    EXPECT_TRUE(preview.FailureList.empty());
    preview.FamilyList = 0;
    preview.FamilyListChange();
    EXPECT_EQ(host.itemPrompts.size(), 2u);
    EXPECT_EQ(preview.PreviewTable.size(), 2u);
}

TEST(SizingPreview, SaysThatNoCableChangesAndDisablesApply)
{
    RecordingHost host;
    Forms forms(&host);
    forms.form1.StringGrid1 = sheetWith(kSingleColumns, {"1|1|三相3線|75|──▶|10|70|0.8|CV-T38゜|気中暗渠配線"});
    const std::vector<FeederRange> feeders = allFeederRanges(forms.form1.StringGrid1);
    applySheetSizing(forms.form1, planSheetSizing(forms, feeders, nullptr));

    SizingPreview again(forms, feeders);
    again.FormShow();
    EXPECT_TRUE(again.PreviewTable.empty());
    EXPECT_EQ(again.NoticeLabel, "変更するケーブルはありません");
    EXPECT_FALSE(again.ApplyButtonEnabled);

    // Nothing sized at all (the one cable's family stays open) changes nothing either.
    forms.form1.StringGrid1 = openSheet();
    SizingPreview declined(forms, allFeederRanges(forms.form1.StringGrid1));
    declined.FormShow();
    EXPECT_EQ(declined.FailureList.size(), 3u);
    EXPECT_EQ(declined.NoticeLabel, "変更するケーブルはありません");
    EXPECT_FALSE(declined.ApplyButtonEnabled);
}

TEST(SizingPreview, NamesTheRowsTheShortCircuitWithstandDecided)
{
    RecordingHost host;
    Forms forms(&host);
    forms.form1.StringGrid1 = sheetWith(kSingleColumns, {"1|1|三相3線|75|──▶|10|70|0.8|CV-T8゜|気中暗渠配線"});
    // 28.41 kA at the bus of a 500 kVA bank: 36.9 mm² where 70 A alone needs CV-T14゜.
    forms.form1.supplyConditions.banks.push_back(*parseBankSpec("T1,3,210,500,4.5,1.2,12.5,6.6").bank);
    SizingPreview preview(forms, allFeederRanges(forms.form1.StringGrid1));
    preview.FormShow();
    ASSERT_EQ(preview.PreviewTable.size(), 1u);
    EXPECT_EQ(preview.PreviewTable[0][3], "CV-T8゜ → CV-T38゜");
    EXPECT_EQ(preview.PreviewTable[0][7], "最小 36.9 m㎡");
}

}  // namespace
}  // namespace tolvane::testing
