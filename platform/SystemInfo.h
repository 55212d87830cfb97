#pragma once
#include <QString>

// The operating-system and visual-style answers that the grid family asks
// about (Windows version, common-controls version, the "GetLocaleInfoEx"
// export, whether a visual theme is active and its colour-scheme name). On
// Linux they are fixed constants that describe a themed Windows 7 desktop
// without a colour scheme name (so theme-adapting controls take their
// neutral presets); tests set other answers with TSystemInfoGuard.
struct TSystemInfo {
    int Win_Major = 6;
    int Win_Minor = 1;
    int ComCtl_Major = 6;
    bool Has_GetLocaleInfoEx = true;
    bool Theme_Active = true;
    QString Theme_Color_Name;   // "NormalColor", "HomeStead", "Metallic" or empty
    int VScroll_Width = 17;     // the system's vertical scroll-bar width
};

TSystemInfo &System_Info();

class TSystemInfoGuard {
public:
    TSystemInfoGuard();   // saves; change System_Info() freely
    explicit TSystemInfoGuard(const TSystemInfo &Info);
    ~TSystemInfoGuard();
    TSystemInfoGuard(const TSystemInfoGuard &) = delete;
    TSystemInfoGuard &operator=(const TSystemInfoGuard &) = delete;

private:
    TSystemInfo FSaved;
};

// The default beep of a refused keystroke. Counted so that tests can see it.
void Message_Beep();
int Beep_Count();
