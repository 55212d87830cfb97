#include "EditorTestSupport.h"
#include "TestSupport.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "protocols/UMQTT_Template.h"
#include "toolkit/RichEdit.h"
#include <QLabel>

namespace {

using TopicTemplateTest = EditorTest;

// The title and the keyword legend follow the kind of cell: a Template cell
// offers two keywords, an Input Template cell an empty legend row.
TEST_F(TopicTemplateTest, CaptionAndLegend)
{
    TFTopicTemplate D;
    EXPECT_EQ(D.windowTitle(), QStringLiteral("Set Topic"));
    EXPECT_EQ(D.L_List_Keywords->text(), QStringLiteral("List of keywords"));
    EXPECT_EQ(D.SG_Keywords->GetCellEx(0, 0), QStringLiteral("Keyword"));
    EXPECT_EQ(D.SG_Keywords->GetCellEx(1, 0), QStringLiteral("Description of Keyword"));
    // built as a form is loaded: the grid has its minimum sizes
    EXPECT_TRUE(D.SG_Keywords->IsLoaded());
    EXPECT_EQ(D.SG_Keywords->MinColWidth(), 10);
    EXPECT_EQ(Button_Caption(D.Btn_Cancel), QStringLiteral("Cancel"));
    struct TCase
    {
        const char *Name;
        int TopicTemplate;
        const char *Title;
        QStringList Keywords;
        QStringList Descriptions;
    };
    const TCase Cases[] = {
        {"TemplateCell", 1, "Set Template", {"$TIME$", "$DESC$"},
         {"date and time of the M-Bus reading", "Description for the M-Bus meter (defined in the section “M-Bus”)"}},
        {"InputTemplateCell", 0, "Set Topic", {""}, {""}},
        {"TemplateAgain", 1, "Set Template", {"$TIME$", "$DESC$"},
         {"date and time of the M-Bus reading", "Description for the M-Bus meter (defined in the section “M-Bus”)"}},
    };
    bool Shot = false;
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        D.TopicTemplate = C.TopicTemplate;
        D.RE_TopicTemplate->Set_Text(QStringLiteral("sensor/$DESC$/$TIME$"));
        D.show();
        QApplication::processEvents();
        EXPECT_EQ(D.windowTitle(), QString::fromUtf8(C.Title));
        EXPECT_EQ(D.L_SW_Desc->text(), QString::fromUtf8(C.Title));
        ASSERT_EQ(D.SG_Keywords->RowCount(), C.Keywords.size() + 1);
        for (int I = 0; I < C.Keywords.size(); ++I) {
            EXPECT_EQ(D.SG_Keywords->GetCellEx(0, I + 1), C.Keywords[I]);
            EXPECT_EQ(D.SG_Keywords->GetCellEx(1, I + 1), C.Descriptions[I]);
            EXPECT_FALSE(D.SG_Keywords->GetCellProperties(0, I + 1)->ReadOnly());
            EXPECT_TRUE(D.SG_Keywords->GetCellProperties(1, I + 1)->ReadOnly());
        }
        if (!Shot) {
            Expect_Window_Picture(QImage(Save_Screenshot(&D, QStringLiteral("topic_template_dialog"))), &D);
            Shot = true;
        }
        D.hide();
    }
}

} // namespace
