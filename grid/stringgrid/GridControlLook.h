#pragma once
#include "grid/base/GridOptions.h"
#include "platform/Colors.h"
#include <functional>
#include <memory>

enum TProgressStyle { psXP, psClassic };

// Colours and options of progress-bar cells. Each setter stores a changed
// value and fires OnChange; the same value again does nothing.
class TGridProgressAppearance {
public:
    // Copies every setting and fires OnChange once.
    void Assign(const TGridProgressAppearance &Source);
    TNotifyEvent OnChange;
    QObject *Sender = nullptr;

#define BC_PROGRESS_PROPS(X) \
    X(TColor, CompleteColor, 0x0000FF) X(TColor, CompleteFontColor, 0xFF0000) X(TColor, UnCompleteColor, clNone) \
    X(TColor, UnCompleteFontColor, clWindowText) X(TColor, Level0Color, 0x00FF00) X(TColor, Level0ColorTo, 0xE1FFE1) \
    X(TColor, Level1Color, 0x00FFFF) X(TColor, Level1ColorTo, 0xCAFFFF) X(TColor, Level2Color, 0x53A9FF) \
    X(TColor, Level2ColorTo, 0xA8D3FF) X(TColor, Level3Color, 0x0000FF) X(TColor, Level3ColorTo, 0xCACAFF) \
    X(int, Level1Perc, 70) X(int, Level2Perc, 90) X(TColor, BorderColor, 0) X(bool, ShowBorder, false) \
    X(bool, Stacked, false) X(bool, ShowPercentage, true) X(bool, CompletionSmooth, true) \
    X(bool, ShowGradient, true) X(int, Steps, 11) X(TProgressStyle, Style, psXP)
#define BC_PROGRESS_ACCESS(Type, Name, Default) \
    Type Name() const { return F##Name; } \
    void Set_##Name(Type Value) \
    { \
        if (F##Name == Value) \
            return; \
        F##Name = Value; \
        Changed(); \
    }
    BC_PROGRESS_PROPS(BC_PROGRESS_ACCESS)
#undef BC_PROGRESS_ACCESS

private:
    void Changed()
    {
        if (OnChange)
            OnChange(Sender);
    }
#define BC_PROGRESS_FIELD(Type, Name, Default) Type F##Name = Default;
    BC_PROGRESS_PROPS(BC_PROGRESS_FIELD)
#undef BC_PROGRESS_FIELD
};
