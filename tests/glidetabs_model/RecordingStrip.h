#pragma once
#include "controls/GlideTabControl.h"
#include "controls/GlideTabsClasses.h"
#include "controls/GlideTabsLookAndFeel.h"
#include "controls/GlideTabsOptions.h"
#include "controls/GlideTabsUtils.h"
#include "platform/Clock.h"
#include <QStringList>
#include <QRegularExpression>
#include <functional>
#include <memory>

// A stand-in for the strip control: it owns the list, options and look and
// feel like the strip does, records every change notification as
// "<caption>:<type>" ("-" for no tab) and answers geometry questions with a
// plain left-to-right (or mirrored) client area.
class TRecordingStrip : public IGlideTabs
{
public:
    TOptions Options{this};
    TGlideTabsLookAndFeel LookAndFeel{this};
    TGlideTabsList Tabs{this};

    QStringList Changes;
    QStringList Draw_Events;
    bool Allow_Activation = true;
    TBiDiMode BiDi = bdLeftToRight;
    int Scroll_Offset = 0;
    int Client_Width = 400;
    TComponentState Component_State = 0;
    bool Dragging = false;
    // When set, the polygons handler answers with this list.
    std::function<IGlideTabPolygons()> Polygon_Handler;
    const TAAImageList *Images = nullptr;
    const TAAImageList *Images_Overlay = nullptr;
    const TAAImageList *Spinner_Upload = nullptr;
    const TAAImageList *Spinner_Download = nullptr;

    static QString Type_Name(TTabChangeType T)
    {
        static const char *Names[] = {"tcAdded",        "tcMoved",       "tcDeleting", "tcDeleted",      "tcPropertyUpdated",
                                      "tcActivated",    "tcDeactivated", "tcPinned",   "tcControlState", "tcVisibility"};
        return QString::fromLatin1(Names[T]);
    }

    // Tabs from a pattern such as "A* B C^": * active, ^ pinned (added in order).
    void Make_Tabs(const QString &Pattern)
    {
        for (const QString &Item : Pattern.split(' ', Qt::SkipEmptyParts)) {
            TGlideTab *T = Tabs.Add();
            QString Caption = Item;
            Caption.remove('*').remove('^');
            T->SetCaption(Caption);
            if (Item.contains('^'))
                T->SetPinned(true);
            if (Item.contains('*'))
                T->SetActive(true);
        }
        // Pinning activates; put the activity back where the pattern says.
        for (int I = 0; I < Tabs.Count(); ++I) {
            const bool Want = Pattern.split(' ', Qt::SkipEmptyParts)
                                  .filter(QRegularExpression("^" + Tabs[I]->Caption() + "[*^]*$"))
                                  .value(0)
                                  .contains('*');
            if (Want)
                Tabs[I]->SetActive(true);
        }
        Changes.clear();
    }
    QString Order() const
    {
        QStringList L;
        for (int I = 0; I < Tabs.Count(); ++I)
            L << Tabs[I]->Caption() + (Tabs[I]->Active() ? "*" : "") + (Tabs[I]->Pinned() ? "^" : "");
        return L.join(' ');
    }
    TGlideTab *Tab(const QString &Caption) const
    {
        for (int I = 0; I < Tabs.Count(); ++I)
            if (Tabs[I]->Caption() == Caption)
                return Tabs[I];
        return nullptr;
    }

    int GetLastPinnedIndex() override
    {
        int P = -1;
        while (P + 1 < Tabs.Count() && Tabs[P + 1]->Pinned())
            ++P;
        return P;
    }
    TGlideTab *GetActiveTab() override { return Tabs.ActiveTab(); }
    IGlideTabPolygons GetPreviousTabPolygons(int) override { return nullptr; }
    void DoOnBeforeDrawItem(TAACanvas &, const TGlideRect &, TGlideTabItemType ItemType, int TabIndex,
                            bool &Handled) override
    {
        Draw_Events << QString("before %1 %2").arg(int(ItemType)).arg(TabIndex);
        Handled = false;
    }
    void DoOnAfterDrawItem(TAACanvas &, const TGlideRect &, TGlideTabItemType ItemType, int TabIndex) override
    {
        Draw_Events << QString("after %1 %2").arg(int(ItemType)).arg(TabIndex);
    }
    void DoOnGetControlPolygons(TBaseGlideTabsControl *, const TGlideRect &, TGlideTabItemType, TTabOrientation,
                                IGlideTabPolygons &Polygons) override
    {
        if (Polygon_Handler)
            Polygons = Polygon_Handler();
    }
    void DoOnDebugLog(const QString &, const QVariantList &) override {}
    void DoOnActiveTabChanging(TGlideTab *, TGlideTab *, bool &Allow) override { Allow = Allow_Activation; }
    void DoOnChange(TGlideTab *ATab, TTabChangeType TabChangeType) override
    {
        Changes << (ATab ? ATab->Caption() : QString("-")) + ":" + Type_Name(TabChangeType);
    }
    TGlideRect ScrollRect(int L, int T, int R, int B) override { return {L - Scroll_Offset, T, R - Scroll_Offset, B}; }
    TGlideRect BidiScrollRect(const TGlideRect &R) override
    {
        const int O = Right_To_Left() ? -Scroll_Offset : Scroll_Offset;
        return {R.Left - O, R.Top, R.Right - O, R.Bottom};
    }
    TGlideRect BidiRect(const TGlideRect &R) override
    {
        return Right_To_Left() ? MirrorRectInRect({0, 0, Client_Width, 30}, R) : R;
    }
    TBiDiMode GetBiDiMode() override { return BiDi; }
    void Invalidate() override {}
    TComponentState GetComponentState() override { return Component_State; }
    bool IsDragging() override { return Dragging; }
    TGlideTabsLookAndFeel &GetLookAndFeel() override { return LookAndFeel; }
    TOptions &GetOptions() override { return Options; }
    const TAAImageList *GetImages() override { return Images; }
    const TAAImageList *GetImagesOverlay() override { return Images_Overlay; }
    const TAAImageList *GetImagesSpinnerDownload() override { return Spinner_Download; }
    const TAAImageList *GetImagesSpinnerUpload() override { return Spinner_Upload; }

    bool Right_To_Left() const { return BiDi == bdRightToLeft || BiDi == bdRightToLeftNoAlign; }
};

// A strip with the defaults every new strip starts with; notifications cleared.
inline std::unique_ptr<TRecordingStrip> Default_Strip()
{
    auto S = std::make_unique<TRecordingStrip>();
    SetDefaultOptions(S->Options);
    SetDefaultLookAndFeel(S->LookAndFeel);
    S->Changes.clear();
    return S;
}
