#pragma once
#include "grid/model/GridSort.h"
#include "grid/stringgrid/GridSortSettings.h"
#include "grid/base/GridStyle.h"
#include "grid/model/GridLists.h"
#include "grid/base/CellControls.h"
#include "grid/model/CellGraphic.h"
#include "grid/stringgrid/GridScrollSettings.h"
#include "toolkit/ImageList.h"
#include "platform/Colors.h"
#include <QIcon>
#include <QImage>
#include <functional>
#include <memory>
#include <vector>

// Settings of the string grid's looks that painting reads: how cell controls
// are drawn (TControlLook), the sort marks (TSortSettings), and the images a
// cell graphic shows (TCellBitmap).

enum TControlStyle { csClassic, csFlat, csWinXP, csCorvan, csQel, csGlyph, csTheme };
// Style presets, in the order of the component styles (ordinals pass unchanged).
enum VOdeGridStyle {
    gsOffice2003Blue, gsOffice2003Silver, gsOffice2003Olive, gsOffice2003Classic, gsOffice2007Luna,
    gsOffice2007Obsidian, gsWindowsXP, gsWhidbey, gsCustom, gsOffice2007Silver, gsWindowsVista, gsWindows7,
    gsTerminal, gsOffice2010Blue, gsOffice2010Silver, gsOffice2010Black,
};
enum TXPColorScheme { xpBlue, xpGreen, xpGray, vistaAero, xpNone };

// The colours painting uses for fixed cells: the face gradient, and the
// hover and pressed faces with their frames.
struct TFixedGradientColors {
    TColor From = clNone, To = clNone, MirrorFrom = clNone, MirrorTo = clNone;
    TColor HoverFrom = clNone, HoverTo = clNone, HoverMirrorFrom = clNone, HoverMirrorTo = clNone, HoverBorder = clNone;
    TColor DownFrom = clNone, DownTo = clNone, DownMirrorFrom = clNone, DownMirrorTo = clNone, DownBorder = clNone;
    friend bool operator==(const TFixedGradientColors &, const TFixedGradientColors &) = default;
};

// An image of a cell graphic (bitmap, picture, button glyph).
class TCellBitmap : public TCellImageRef {
public:
    TCellBitmap() = default;
    explicit TCellBitmap(QImage AImage) : Image(std::move(AImage)) {}
    const char *ClassName() const override { return "TBitmap"; }
    QSize Image_Size() const override { return Image.size(); }
    QImage Image;
};

// The icon of a ctIcon cell: a Qt icon drawn at one size (an empty icon is
// the standard 32 x 32 of the platform's icons until it is given another).
class TCellIcon : public TCellImageRef {
public:
    TCellIcon() = default;
    explicit TCellIcon(QIcon AIcon, QSize ASize = QSize(32, 32)) : Icon(std::move(AIcon)), Size(ASize) {}
    const char *ClassName() const override { return "TIcon"; }
    QSize Image_Size() const override { return Size; }
    QIcon Icon;
    QSize Size{32, 32};
};

// The picture of a ctFilePicture cell: named by file, measured when named.
class TCellFilePicture : public TCellImageRef {
public:
    const char *ClassName() const override { return "TFilePicture"; }
    QSize Image_Size() const override { return QSize(Picture.Width(), Picture.Height()); }
    TFilePicture Picture;
};

class THeaderAppearance;
class TFooterAppearance;

// How check boxes, radio marks, buttons and progress bars look. The fixed
// gradient colours are written through to the grid's effective colours
// (Effective): From, To and the hover and down From, To and Border only when
// not clNone, the mirror colours always. The Set_ functions of the drawn
// settings store and repaint the grid (Repaint); the plain fields are read
// where a setting only steers behaviour.
class TControlLook {
public:
    explicit TControlLook(TFixedGradientColors *Effective = nullptr, std::function<void()> Repaint = {});
    ~TControlLook();
    TControlLook(const TControlLook &) = delete;
    TControlLook &operator=(const TControlLook &) = delete;
    // Back to the initial colours (the effective colours follow as the setters say).
    void Reset();
    // Copies every setting but ProgressXP, FlatButton, the two no-disabled
    // looks and FixedDropDownButton, as plain fields: the gradient colours
    // are not passed on to the grid.
    void Assign(const TControlLook &Source);

    TControlStyle ControlStyle = csTheme;
    int CheckSize = 15;
    int RadioSize = 10;
    QImage CheckedGlyph, UnCheckedGlyph, RadioOnGlyph, RadioOffGlyph;
    bool CheckAlwaysActive = false;
    bool RadioAlwaysActive = false;
    bool NoDisabledCheckRadioLook = false;
    bool NoDisabledButtonLook = false;
    bool FlatButton = false;
    bool DropDownAlwaysVisible = false;
    bool SpinButtonsAlwaysVisible = false;
    bool FixedDropDownButton = false;
    TColor Color = clBlack;             // tick of drawn check boxes
    TColor CommentColor = clRed;
    bool ProgressXP = false;
    int ProgressMarginX = 2;
    int ProgressMarginY = 2;
    TColor ProgressBorderColor = 0x808080;
    int DropDownCount = 8;              // rows of the drop-down editors' lists
    int HintMaxWidth = 0;

    void Set_CheckSize(int V) { Store(CheckSize, V); }
    void Set_RadioSize(int V) { Store(RadioSize, V); }
    void Set_ControlStyle(TControlStyle V) { Store(ControlStyle, V); }
    void Set_Color(TColor V) { Store(Color, V); }
    void Set_CommentColor(TColor V) { Store(CommentColor, V); }
    void Set_FlatButton(bool V) { Store(FlatButton, V); }
    void Set_ProgressXP(bool V) { Store(ProgressXP, V); }
    void Set_DropDownAlwaysVisible(bool V) { Store(DropDownAlwaysVisible, V); }
    void Set_SpinButtonsAlwaysVisible(bool V) { Store(SpinButtonsAlwaysVisible, V); }
    void Set_NoDisabledCheckRadioLook(bool V) { Store(NoDisabledCheckRadioLook, V); }
    void Set_NoDisabledButtonLook(bool V) { Store(NoDisabledButtonLook, V); }
    void Set_ProgressMarginX(int V) { Store(ProgressMarginX, V); }
    void Set_ProgressMarginY(int V) { Store(ProgressMarginY, V); }
    void Set_CheckedGlyph(const QImage &V) { Store(CheckedGlyph, V); }
    void Set_UnCheckedGlyph(const QImage &V) { Store(UnCheckedGlyph, V); }
    void Set_RadioOnGlyph(const QImage &V) { Store(RadioOnGlyph, V); }
    void Set_RadioOffGlyph(const QImage &V) { Store(RadioOffGlyph, V); }

    // The drop-down editors' header and footer bars (owned; written by copy).
    THeaderAppearance &DropDownHeader() { return *FDropDownHeader; }
    TFooterAppearance &DropDownFooter() { return *FDropDownFooter; }
    void Set_DropDownHeader(const THeaderAppearance &V);
    void Set_DropDownFooter(const TFooterAppearance &V);

    const TFixedGradientColors &Fixed() const { return FOwn; }
    void Set_FixedGradientFrom(TColor V) { Through(&TFixedGradientColors::From, V, false); }
    void Set_FixedGradientTo(TColor V) { Through(&TFixedGradientColors::To, V, false); }
    void Set_FixedGradientMirrorFrom(TColor V) { Through(&TFixedGradientColors::MirrorFrom, V, true); }
    void Set_FixedGradientMirrorTo(TColor V) { Through(&TFixedGradientColors::MirrorTo, V, true); }
    void Set_FixedGradientHoverFrom(TColor V) { Through(&TFixedGradientColors::HoverFrom, V, false); }
    void Set_FixedGradientHoverTo(TColor V) { Through(&TFixedGradientColors::HoverTo, V, false); }
    void Set_FixedGradientHoverMirrorFrom(TColor V) { Through(&TFixedGradientColors::HoverMirrorFrom, V, true); }
    void Set_FixedGradientHoverMirrorTo(TColor V) { Through(&TFixedGradientColors::HoverMirrorTo, V, true); }
    void Set_FixedGradientHoverBorder(TColor V) { Through(&TFixedGradientColors::HoverBorder, V, false); }
    void Set_FixedGradientDownFrom(TColor V) { Through(&TFixedGradientColors::DownFrom, V, false); }
    void Set_FixedGradientDownTo(TColor V) { Through(&TFixedGradientColors::DownTo, V, false); }
    void Set_FixedGradientDownMirrorFrom(TColor V) { Through(&TFixedGradientColors::DownMirrorFrom, V, true); }
    void Set_FixedGradientDownMirrorTo(TColor V) { Through(&TFixedGradientColors::DownMirrorTo, V, true); }
    void Set_FixedGradientDownBorder(TColor V) { Through(&TFixedGradientColors::DownBorder, V, false); }

private:
    void Through(TColor TFixedGradientColors::*Field, TColor V, bool Always)
    {
        FOwn.*Field = V;
        if (FEffective && (Always || V != clNone))
            FEffective->*Field = V;
    }
    template <typename T> void Store(T &Field, const T &V)
    {
        Field = V;
        if (FRepaint)
            FRepaint();
    }
    TFixedGradientColors *FEffective;
    TFixedGradientColors FOwn;
    std::function<void()> FRepaint;
    std::unique_ptr<THeaderAppearance> FDropDownHeader;
    std::unique_ptr<TFooterAppearance> FDropDownFooter;
};

// The colour-tones look's flat check boxes and radio marks (16 x 16).
QImage Metro_Check_Glyph(bool Checked);
QImage Metro_Radio_Glyph(bool On);

// The image indexes of a multi-image cell; a change repaints the cell.
class TCellIntList : public TObject, public TIntList {
public:
    using TIntList::TIntList;
    const char *ClassName() const override { return "TIntList"; }
};

// The picture or gradient behind the cells (TBackGround) lives with the scroll
// settings, which also use it for the empty area.
