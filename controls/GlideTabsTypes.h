#pragma once
#include "platform/Alignment.h"
#include "platform/BiDiMode.h"
#include <QPoint>
#include <stdexcept>
#include <string>
#include <vector>

// Types shared by every part of the animated tab strip.

// Rectangle in pixels; Right and Bottom are exclusive.
struct TGlideRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    constexpr TGlideRect() = default;
    constexpr TGlideRect(int L, int T, int R, int B) : Left(L), Top(T), Right(R), Bottom(B) {}
    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    friend constexpr bool operator==(const TGlideRect &A, const TGlideRect &B) = default;
};

// Outline points of a drawn part.
using TPolygon = std::vector<QPoint>;

enum TTabOrientation { toTop, toBottom };

enum TGlideTabsEaseType {
    ttNone, ttLinearTween,
    ttEaseInQuad, ttEaseOutQuad, ttEaseInOutQuad,
    ttEaseInCubic, ttEaseOutCubic, ttEaseInOutCubic,
    ttEaseInQuart, ttEaseOutQuart, ttEaseInOutQuart,
    ttEaseInQuint, ttEaseOutQuint, ttEaseInOutQuint,
    ttEaseInSine, ttEaseOutSine, ttEaseInOutSine,
    ttEaseInExpo, ttEaseOutExpo, ttEaseInOutExpo,
    ttEaseInCirc, ttEaseOutCirc, ttEaseInOutCirc
};

// The change notification that tabs, the tab list, the option and
// look-and-feel objects and the drawn parts send to their strip. The
// ordinal values are passed as numbers and must not change.
enum TTabChangeType {
    tcAdded = 0, tcMoved = 1, tcDeleting = 2, tcDeleted = 3, tcPropertyUpdated = 4,
    tcActivated = 5, tcDeactivated = 6, tcPinned = 7, tcControlState = 8, tcVisibility = 9
};

enum TDrawState { dsUnknown, dsActive, dsNotActive, dsDown, dsHot, dsDisabled };

enum TGlideTabItemType {
    itTabContainer, itBackground, itTab, itTabOutline, itTabText, itTabCloseButton, itTabImage,
    itTabImageOverlay, itTabImageSpinner, itTabMouseGlow, itTabModifiedGlow, itAddButton, itAddButtonPlus,
    itScrollLeftButton, itScrollRightButton
};

enum TGlideTabSpinnerState { tssNone, tssRenderedUpload, tssRenderedDownload, tssImageUpload, tssImageDownload };
enum TDrawToFunctions { dfBrush, dfPen, dfBrushAndPen };
enum TDragOverType { dotNone, dotHomeContainer, dotRemoteContainer };
enum THitTestArea { htNowhere, htBackground, htTab, htAddButton, htCloseButton, htScrollButtonLeft, htScrollButtonRight };

// The strip's bidirectional mode and component state flags.
enum TComponentStateFlag : unsigned { csLoading = 1, csReading = 2, csWriting = 4, csDestroying = 8, csDesigning = 16 };
using TComponentState = unsigned;

// Option enumerations.
enum TTextTrimType { tttNone, tttCharacter, tttWord, tttEllipsisCharacter, tttEllipsisWord, tttEllipsisPath, tttFade };
enum TCloseButtonVisiblity { bvNever, bvAll, bvActive };
enum TAddButtonVisibility { avNone, avLeft, avRightFloating, avRightFixed };
enum TGlideTabModifiedStyle { msNone, msLeftToRight, msRightToLeft, msKnightRider };
enum TGlideTabDragType { dtNone, dtWithinContainer, dtBetweenContainers };
enum TGlideTabDragDisplay { ddCursor, ddTab, ddControl, ddTabAndControl };
enum TGlideTabScrollButtons { csbNone, csbLeft, csbRight, csbLeftAndRight };

// Programming errors and out-of-range access in the tab strip's model.
class EGlideTabsError : public std::runtime_error
{
public:
    explicit EGlideTabsError(const std::string &Message) : std::runtime_error(Message) {}
};
