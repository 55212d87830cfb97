#pragma once
#include "grid/model/CheckBoxState.h"
#include "platform/Colors.h"
#include "platform/Object.h"
#include "platform/Rect.h"
#include "platform/Set.h"
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariant>

// The one graphic object a string grid cell may carry besides its text. It
// lives in the graphic slot of the cell's properties, so it follows the cell
// through merges, moves and hiding. Its few general fields are read per kind
// (see each kind's Add... operation on the grid). Plain data: no window.

// Kinds, in stored order (ordinal 0..32).
enum TCellType {
    ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated, ctDataImage, ctNode, ctRadio,
    ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress, ctComment, ctButton, ctBitButton,
    ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary, ctRangeIndicator, ctXPProgress, ctInterface,
    ctScrollbar, ctRadioButton, ctBalloon, ctShape, ctRating, ctTriStateCheckBox, ctExpand,
};
using TCellTypes = TSet<TCellType>;

enum TCellHAlign { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCellVAlign { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TStretchMode { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };
enum TBalloonIcon { biNone, biInfo, biWarning, biError };

struct TScrollProp {
    int PageSize = 0;
    int Range = 0;
    friend bool operator==(const TScrollProp &, const TScrollProp &) = default;
};

// An image a graphic refers to (bitmap, picture, glyph). The pixels belong to
// the window layer; the record only needs the size for layout.
class TCellImageRef : public TObject {
public:
    virtual QSize Image_Size() const = 0;
};

// An object that draws a cell itself (ctInterface): the grid asks it for its
// preferred size (a zero part means "as large as the cell") and hands it the
// rectangle to paint. Never owned by the graphic.
class TCanvas;
class TCellDrawInterface : public TObject {
public:
    const char *ClassName() const override { return "TInterfacedPersistent"; }
    virtual void Draw(TCanvas &Canvas, const TRect &R, int ACol, int ARow, bool Selected) = 0;
    virtual QSize GetSize(int ACol, int ARow) const = 0;
    // True: drawn before the cell text (the text then lies on top of it).
    virtual bool DrawBeforeText() const { return false; }
};

// A list of texts a graphic refers to (the choices of a radio group, the
// title and text of a balloon).
class TCellStrings : public TObject {
public:
    TCellStrings() = default;
    explicit TCellStrings(QStringList AItems) : Items(std::move(AItems)) {}
    const char *ClassName() const override { return "TStringList"; }
    QStringList Items;
};

class TCellGraphic : public TObject {
public:
    TCellGraphic() = default;
    ~TCellGraphic() override;
    TCellGraphic(const TCellGraphic &) = delete;
    TCellGraphic &operator=(const TCellGraphic &) = delete;
    const char *ClassName() const override { return "TCellGraphic"; }

    // Copies the plain fields; references, CellVar and CellCheckBoxState are
    // not copied (a copy must not share or free another graphic's objects).
    void Assign(const TCellGraphic &Source);

    void SetBitmap(TCellImageRef *ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    void SetIcon(TCellImageRef *AIcon, TCellHAlign hal, TCellVAlign val);
    void SetImageIdx(int Idx, TCellHAlign hal, TCellVAlign val);
    void SetDataImage(int Idx, TCellHAlign hal, TCellVAlign val);
    void SetPicture(TCellImageRef *APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                    TCellHAlign hal, TCellVAlign val);
    void SetFilePicture(TCellImageRef *APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                        TCellHAlign hal, TCellVAlign val);
    void SetInterfacedCell(TCellDrawInterface *AObject);
    void SetButton(int bw, int bh, const QString &Caption, TCellHAlign hal, TCellVAlign val);
    void SetBitButton(int bw, int bh, const QString &Caption, TCellImageRef *Glyph, TCellHAlign hal,
                      TCellVAlign val);
    // Kind ctRotated; the angle brought into 0..360 (360 itself stays).
    void SetAngle(int AAngle);
    // Check box or radio button defaults: before the text, flat, no balloon.
    void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(TCheckBoxState State, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    // Drawn size of a picture in a cell of cw x rh (pictures only; other kinds
    // give Current back unchanged).
    TPoint GetPictureSize(int cw, int rh, TPoint Current = {}) const;

    // The button size packed into CellIndex (low 16 bits width, high height).
    int ButtonWidth() const { return CellIndex & 0xFFFF; }
    int ButtonHeight() const { return (CellIndex >> 16) & 0xFFFF; }
    // The interface of a ctInterface graphic (nullptr for other kinds).
    TCellDrawInterface *Interface() const
    {
        return CellType == ctInterface ? dynamic_cast<TCellDrawInterface *>(Real_Object(CellBitmap)) : nullptr;
    }
    // The strings of a radio group or balloon (nullptr when none).
    TCellStrings *Strings() const { return dynamic_cast<TCellStrings *>(Real_Object(CellBitmap)); }
    // Frees what this graphic owns in CellBitmap and clears it.
    void Free_Bitmap_Object();

    TCellType CellType = ctNone;
    TObject *CellBitmap = nullptr;     // main object (bitmap, picture, strings, glyph)
    TObject *CellIcon = nullptr;
    // Colours of the colour-carrying kinds (progress bars, pies, range
    // indicators, shapes, ratings), kept apart from the object references.
    TColor CellColor = clNone;         // foreground, fill, negative or empty colour
    TColor CellColor2 = clNone;        // background, positive colour
    TCellVAlign CellVAlign = vaTop;
    TCellHAlign CellHAlign = haLeft;
    int CellIndex = 0;
    bool CellTransparent = false;
    bool CellCreated = false;
    bool CellBoolean = false;
    int CellAngle = 0;
    double CellValue = 0;
    int CellErrFrom = 0;
    int CellErrLen = 0;
    QString CellText;
    QVariant CellVar;
    TCheckBoxState CellCheckBoxState = cbUnchecked;
};

// Kinds the check-box logic treats as check boxes, and those that are a
// clickable cell control (the text editor keeps away from them).
constexpr TCellTypes CheckBoxKinds{ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox};
constexpr TCellTypes DataCheckBoxKinds{ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox};
constexpr TCellTypes CellControlKinds{ctCheckBox, ctDataCheckBox, ctRadio, ctButton, ctVirtCheckBox,
                                       ctRowCheckBox, ctRadioButton, ctTriStateCheckBox};

// Tri-state toggles: in a node row grayed and unchecked go to checked and
// checked to unchecked; elsewhere unchecked -> grayed -> checked -> unchecked.
TCheckBoxState Next_Tri_State(TCheckBoxState State, bool NodeRow);
