#include "editors/EnOcean_Editor_Frame.h"
#include "controls/GlideTabs.h"
#include "editors/EnOcean_Dialog_Look.h"
#include <QDialog>

namespace {
constexpr int Strip_Height = 30;
constexpr TColor Active_Tab_Face = static_cast<TColor>(0xEDF7F8);
} // namespace

void Apply_Editor_Window_Look(QDialog *Window, int Client_Width, int Client_Height)
{
    EnOcean_Dialog_Look::Apply_Window_Look(Window);
    Window->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                           | Qt::WindowMaximizeButtonHint);
    Window->setModal(true);
    Window->resize(Client_Width, Client_Height);
}

TGlideTabs *Make_Page_Strip(QWidget *Parent, const char *Name, const QStringList &Captions, int Min_Width,
                            int Max_Width, bool Active_Face)
{
    auto *S = new TGlideTabs(Parent);
    S->setObjectName(QLatin1String(Name));
    S->setGeometry(0, 0, Parent->width(), Strip_Height);
    S->BeginLoading();
    S->Options().Display().AddButton().SetVisibility(avNone);
    S->Options().DragDrop().SetDragType(dtNone);
    S->Options().Display().CloseButton().SetVisibility(bvNever);
    S->Options().Display().Tabs().SetMinWidth(Min_Width);
    S->Options().Display().Tabs().SetMaxWidth(Max_Width);
    if (Active_Face) {
        S->LookAndFeel().Tabs().Active().Style().SetStartColor(Active_Tab_Face);
        S->LookAndFeel().Tabs().Active().Style().SetStopColor(Active_Tab_Face);
    }
    for (const QString &C : Captions)
        S->Tabs().Add()->SetCaption(C);
    S->EndLoading();
    S->SetActiveTabIndex(0);
    return S;
}
