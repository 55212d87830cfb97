#include "protocols/UMQTT_Template.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "protocols/Editor_Look.h"
#include "text/LangTable.h"
#include "toolkit/RichEdit.h"
#include "workspace/Workspace.h"
#include <QFrame>
#include <QLabel>
#include <QShowEvent>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

constexpr int Client_Width = 635;
constexpr int Client_Height = 396;
constexpr int Legend_Height = 108;

struct TKeyword
{
    const char *Keyword;
    int Description; // text number
};

// The keywords a Template cell offers; an Input Template cell offers none.
const TKeyword Template_Keywords[] = {
    {"$TIME$", 1640},
    {"$DESC$", 1626},
};

} // namespace

TFTopicTemplate::TFTopicTemplate(QWidget *Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("FTopicTemplate"));
    FormCreate();
}

void TFTopicTemplate::FormCreate()
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);
    Editor_Look::Apply(this, Client_Width, Client_Height);
    P_Title = Editor_Look::Make_Title(this, L_SW_Code, L_SW_Desc);

    // The editor above the legend; the splitter shares the height between them.
    Splitter1 = new QSplitter(Qt::Vertical, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);

    Panel1 = new QFrame(Splitter1);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto *Panel1_Layout = new QVBoxLayout(Panel1);
    Panel1_Layout->setContentsMargins(4, 4, 4, 4);
    RE_TopicTemplate = new TRichEdit(Panel1);
    RE_TopicTemplate->setObjectName(QStringLiteral("RE_TopicTemplate"));
    RE_TopicTemplate->Set_PlainText(true);
    RE_TopicTemplate->setAcceptRichText(false);
    Panel1_Layout->addWidget(RE_TopicTemplate);

    P_Legend = new QFrame(Splitter1);
    P_Legend->setObjectName(QStringLiteral("P_Legend"));
    auto *Legend_Layout = new QVBoxLayout(P_Legend);
    Legend_Layout->setContentsMargins(4, 2, 4, 2);
    Legend_Layout->setSpacing(2);
    L_List_Keywords = new QLabel(P_Legend);
    L_List_Keywords->setObjectName(QStringLiteral("L_List_Keywords"));
    Legend_Layout->addWidget(L_List_Keywords);
    SG_Keywords = new RIraRevadiVizo(P_Legend);
    SG_Keywords->setObjectName(QStringLiteral("SG_Keywords"));
    SG_Keywords->Set_ColCount(2);
    SG_Keywords->Set_RowCount(2);
    SG_Keywords->Set_FixedCols(0);
    SG_Keywords->Set_FixedRows(1);
    SG_Keywords->Set_ColWidths(0, 200);
    SG_Keywords->Set_ColWidths(1, 380);
    SG_Keywords->Set_RowHeights(0, 22);
    SG_Keywords->Set_Options(SG_Keywords->Options() + goEditing);
    // Built as a form would stream it: the grid takes its minimums now.
    SG_Keywords->Loaded();
    Legend_Layout->addWidget(SG_Keywords);
    Splitter1->addWidget(Panel1);
    Splitter1->addWidget(P_Legend);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);

    P_Button = Editor_Look::Make_Button_Panel(this);
    Btn_OK = Editor_Look::Make_Button(P_Button, "Btn_OK", Client_Width / 2 - 116, 6, 110, 28, "FXOK");
    Btn_Cancel = Editor_Look::Make_Button(P_Button, "Btn_Cancel", Client_Width / 2 + 6, 6, 110, 28, "FXCANCEL");
    Btn_OK->Set_Default(true);
    Btn_Cancel->Set_Cancel(true);
    connect(Btn_OK, &TFxButton::clicked, this, &QDialog::accept);
    connect(Btn_Cancel, &TFxButton::clicked, this, &QDialog::reject);

    resizeEvent(nullptr);
    Splitter1->setSizes({Splitter1->height() - Legend_Height - 3, Legend_Height});
    L_SW_Code->setText(SW_Code);
    Set_Lang();
}

void TFTopicTemplate::resizeEvent(QResizeEvent *Event)
{
    if (Event)
        QDialog::resizeEvent(Event);
    const int Top = Editor_Look::Title_Height;
    Splitter1->setGeometry(0, Top, width(), height() - Top - Editor_Look::Button_Panel_Height);
    if (P_Button)
        Btn_OK->move(width() / 2 - 116, 6), Btn_Cancel->move(width() / 2 + 6, 6);
}

void TFTopicTemplate::Set_Lang()
{
    setWindowTitle(Lang_Text(1600));
    L_SW_Desc->setText(Lang_Text(1602));
    L_List_Keywords->setText(Lang_Text(1604));
    SG_Keywords->SetCellEx(0, 0, Lang_Text(1605));
    SG_Keywords->SetCellEx(1, 0, Lang_Text(1606));
    Set_Button_Caption(Btn_OK, Lang_Text(1607));
    Set_Button_Caption(Btn_Cancel, Lang_Text(1608));
}

void TFTopicTemplate::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    if (!Event->spontaneous())
        FormShow();
}

void TFTopicTemplate::FormShow()
{
    const bool Is_Template = TopicTemplate == 1;
    setWindowTitle(Lang_Text(Is_Template ? 1601 : 1600));
    L_SW_Desc->setText(Lang_Text(Is_Template ? 1603 : 1602));
    Laod_Keywords();
    if (RE_TopicTemplate->isVisible() && RE_TopicTemplate->isEnabled())
        RE_TopicTemplate->setFocus();
}

void TFTopicTemplate::Laod_Keywords()
{
    const int N = TopicTemplate == 1 ? int(std::size(Template_Keywords)) : 0;
    SG_Keywords->Set_RowCount(N > 0 ? N + 1 : 2);
    if (N == 0) {
        SG_Keywords->SetCellEx(0, 1, QString());
        SG_Keywords->SetCellEx(1, 1, QString());
    }
    for (int I = 0; I < N; ++I) {
        SG_Keywords->SetCellEx(0, I + 1, QLatin1String(Template_Keywords[I].Keyword));
        SG_Keywords->SetCellEx(1, I + 1, Lang_Text(Template_Keywords[I].Description));
    }
    // The keyword may be selected and copied; its description is fixed.
    for (int R = 1; R < SG_Keywords->RowCount(); ++R) {
        SG_Keywords->GetCellProperties(0, R)->Set_ReadOnly(false);
        SG_Keywords->GetCellProperties(1, R)->Set_ReadOnly(true);
    }
}
