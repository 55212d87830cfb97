#pragma once
#include "controls/GlideTabs.h"
#include "platform/Clock.h"
#include <QPoint>
#include <QStringList>
#include <QWidget>
#include <memory>

// A strip that counts its immediate repaints, inside a plain parent window.
class TCountingStrip : public TGlideTabs
{
public:
    using TGlideTabs::TGlideTabs;
    int Paints = 0;
    int Form_Moves = 0; // window moves asked of the window system
    using TCustomGlideTabs::AddState;
    using TCustomGlideTabs::RemoveState;

protected:
    void Paint_Now() override
    {
        ++Paints;
        TGlideTabs::Paint_Now();
    }
    void Start_Form_Move() override { ++Form_Moves; }
};

// The configuration every strip of the configurator's windows stores.
inline void Configurator_Options(TCustomGlideTabs &S, int Min_Width, int Max_Width)
{
    TOptions &O = S.Options();
    O.Display().AddButton().SetVisibility(avNone);
    O.DragDrop().SetDragType(dtNone);
    O.Display().CloseButton().SetVisibility(bvNever);
    O.Display().Tabs().SetMinWidth(Min_Width);
    O.Display().Tabs().SetMaxWidth(Max_Width);
}

inline void Add_Tabs(TCustomGlideTabs &S, const QStringList &Captions)
{
    for (const QString &C : Captions)
        S.Tabs().Add()->SetCaption(C);
}

// Runs the animations to their end with the driven clock and lays out again.
inline void Settle(TCustomGlideTabs &S, TDrivenClock &Clock)
{
    for (int I = 0; I < 3; ++I) {
        Clock.Advance(1000);
        S.AnimateTimerTick();
        S.CalculateButtonRects();
        S.CalculateTabRects();
    }
    Clock.Advance(1000);
    S.AnimateTimerTick();
    S.DrawCanvas();
}

// A point well inside tab I (client coordinates, scrolled).
inline QPoint Tab_Point(TCustomGlideTabs &S, int I)
{
    const TGlideRect R = S.GetTabControl(I)->ControlRect();
    return QPoint(R.Left + R.Width() / 2 - S.ScrollOffset(), (R.Top + R.Bottom) / 2 + 4);
}

inline TGlideRect End_Rect(TCustomGlideTabs &S, int I) { return S.GetTabControl(I)->EndRect(); }
