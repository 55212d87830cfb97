#pragma once
#include "grid/model/GridLists.h"
#include "platform/Colors.h"
#include "platform/Font.h"
#include "platform/ModalResult.h"
#include "platform/Object.h"
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QObject;

// Look objects of the drop-down editors' header and footer bars (Core only).
// A drop-down and the grid's control look each own one header and one footer
// appearance and copy them into each other with Assign; the bars copy them
// again each time a popup is prepared.

// gdHorizontal: the colour runs from left to right; gdVertical: top to bottom.
enum TGradientDirection { gdHorizontal, gdVertical };
enum TButtonAlignment { baLeft, baRight };

// Change notices carry the object that changed.
using TLookNotifyEvent = std::function<void(TObject *Sender)>;

class TBarButtonCollection;
class TCanvas;
class QRect;

// Replaces all painting of a bar when set (R: the bar's client rectangle).
using TDrawBackGroundEvent = std::function<void(QObject *Sender, TCanvas &Canvas, const QRect &R)>;
// May change a bar's caption before it is drawn.
using TGetTextEvent = std::function<void(QObject *Sender, QString &Text)>;

// A push button the user defines on a bar. Width and Height 0: the button
// takes its size from its caption and image. Changing Caption, Enabled or
// Width reports to the collection's OnChange; Height and ImageIndex are
// stored silently.
class TBarButton : public TObject {
public:
    TBarButton(const TBarButton &) = delete;
    TBarButton &operator=(const TBarButton &) = delete;
    TBarButtonCollection *Collection() const { return FCollection; }
    // Position in the collection (-1 outside one).
    int Index() const;

    const QString &Caption() const { return FCaption; }
    void Set_Caption(const QString &Value);
    int ImageIndex() const { return FImageIndex; }
    void Set_ImageIndex(int Value) { FImageIndex = Value; }
    bool Enabled() const { return FEnabled; }
    void Set_Enabled(bool Value);
    int Width() const { return FWidth; }
    void Set_Width(int Value);
    int Height() const { return FHeight; }
    void Set_Height(int Value) { FHeight = Value; }

protected:
    explicit TBarButton(TBarButtonCollection *Collection) : FCollection(Collection) {}
    // Caption, image index, enabled, width and height, through the setters.
    void Assign_Common(const TBarButton &Source);

private:
    void Changed();
    TBarButtonCollection *FCollection;
    QString FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    int FHeight = 0;
    int FWidth = 0;
};

class THeaderButton final : public TBarButton {
public:
    explicit THeaderButton(TBarButtonCollection *Collection = nullptr) : TBarButton(Collection) {}
    const char *ClassName() const override { return "THeaderButton"; }
    void Assign(const THeaderButton &Source) { Assign_Common(Source); }
};

// A footer button also closes the popup with its modal result (0: none).
class TFooterButton final : public TBarButton {
public:
    explicit TFooterButton(TBarButtonCollection *Collection = nullptr) : TBarButton(Collection) {}
    const char *ClassName() const override { return "TFooterButton"; }
    TModalResult ModalResult() const { return FModalResult; }
    void Set_ModalResult(TModalResult Value) { FModalResult = Value; }
    void Assign(const TFooterButton &Source);

private:
    TModalResult FModalResult = mrNone;
};

// The button definitions of one bar, in order. The owner is the control that
// owns the appearance (for stored names); OnChange reports the items' changes.
class TBarButtonCollection : public TObject {
public:
    explicit TBarButtonCollection(QObject *Owner) : FOwner(Owner) {}
    TBarButtonCollection(const TBarButtonCollection &) = delete;
    TBarButtonCollection &operator=(const TBarButtonCollection &) = delete;
    QObject *GetOwner() const { return FOwner; }
    virtual int Count() const = 0;
    virtual int IndexOf(const TBarButton *Item) const = 0;
    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }
    TLookNotifyEvent OnChange;

private:
    QObject *FOwner;
};

template <class TItem> class TBarButtons : public TBarButtonCollection {
public:
    using TBarButtonCollection::TBarButtonCollection;
    int Count() const override { return static_cast<int>(FItems.size()); }
    int IndexOf(const TBarButton *Item) const override
    {
        for (int I = 0; I < Count(); ++I)
            if (FItems[I].get() == Item)
                return I;
        return -1;
    }
    // A new item with the defaults at the end.
    TItem &Add() { return Insert(Count()); }
    // A new item at Index (0 .. Count); EListError otherwise.
    TItem &Insert(int Index)
    {
        if (Index < 0 || Index > Count())
            Throw_Index(Index);
        return *FItems.insert(FItems.begin() + Index, std::make_unique<TItem>(this))->get();
    }
    // EListError for an index outside 0 .. Count - 1.
    TItem &Items(int Index)
    {
        Check(Index);
        return *FItems[Index];
    }
    const TItem &Items(int Index) const
    {
        Check(Index);
        return *FItems[Index];
    }
    // Copies Value into the item at Index.
    void SetItem(int Index, const TItem &Value) { Items(Index).Assign(Value); }
    void Delete(int Index)
    {
        Check(Index);
        FItems.erase(FItems.begin() + Index);
    }
    void Clear() { FItems.clear(); }
    // Replaces the items by copies of Source's (each copied through its
    // setters, which report as usual). Assigning a collection to itself keeps it.
    void Assign(const TBarButtons &Source)
    {
        if (&Source == this)
            return;
        Clear();
        for (const auto &Item : Source.FItems)
            Add().Assign(*Item);
    }

private:
    void Check(int Index) const
    {
        if (Index < 0 || Index >= Count())
            Throw_Index(Index);
    }
    [[noreturn]] static void Throw_Index(int Index)
    {
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index).toStdString());
    }
    std::vector<std::unique_ptr<TItem>> FItems;
};

class THeaderButtons final : public TBarButtons<THeaderButton> {
public:
    using TBarButtons::TBarButtons;
    const char *ClassName() const override { return "THeaderButtons"; }
};

class TFooterButtons final : public TBarButtons<TFooterButton> {
public:
    using TBarButtons::TBarButtons;
    const char *ClassName() const override { return "TFooterButtons"; }
};

// What the header and footer appearances share. Only a change of Visible is
// reported (OnChange); every other value is stored silently and reaches the
// bars when the popup is next prepared. A change the button collection
// reports is passed on as OnButtonsChanged.
class TBarAppearance : public TObject {
public:
    TBarAppearance(const TBarAppearance &) = delete;
    TBarAppearance &operator=(const TBarAppearance &) = delete;

    // The control that owns this look (for stored names).
    QObject *GetOwner() const { return FOwner; }

    TColor Color() const { return FColor; }
    void Set_Color(TColor Value) { FColor = Value; }
    // clNone: a plain face in Color.
    TColor ColorTo() const { return FColorTo; }
    void Set_ColorTo(TColor Value) { FColorTo = Value; }
    // Markup text.
    const QString &Caption() const { return FCaption; }
    void Set_Caption(const QString &Value) { FCaption = Value; }
    const TFont &Font() const { return FFont; }
    void Set_Font(const TFont &Value) { FFont = Value; }
    TGradientDirection GradientDirection() const { return FGradientDirection; }
    void Set_GradientDirection(TGradientDirection Value) { FGradientDirection = Value; }
    bool Visible() const { return FVisible; }
    void Set_Visible(bool Value);
    int Height() const { return FHeight; }
    void Set_Height(int Value) { FHeight = Value; }
    TColor BorderColor() const { return FBorderColor; }
    void Set_BorderColor(TColor Value) { FBorderColor = Value; }
    int BorderWidth() const { return FBorderWidth; }
    void Set_BorderWidth(int Value) { FBorderWidth = Value; }
    int ImageIndex() const { return FImageIndex; }
    void Set_ImageIndex(int Value) { FImageIndex = Value; }
    TButtonAlignment ButtonAlignment() const { return FButtonAlignment; }
    void Set_ButtonAlignment(TButtonAlignment Value) { FButtonAlignment = Value; }

    TLookNotifyEvent OnChange;
    TLookNotifyEvent OnButtonsChanged;

protected:
    explicit TBarAppearance(QObject *Owner) : FOwner(Owner) {}
    void Changed();
    // Wires the collection's change notice to OnButtonsChanged.
    void Listen_To(TBarButtonCollection &Buttons);
    // Everything but the buttons, in the order Assign copies: the colours,
    // caption, font, image index, border width, direction, height, then
    // Visible through its setter (which may report), then ButtonAlignment.
    void Assign_Look(const TBarAppearance &Source);
    // ColorTo, Color, BorderColor, the font and the gradient direction.
    void Assign_Colors(const TBarAppearance &Source);

private:
    QObject *FOwner;
    bool FVisible = true;
    int FHeight = 22;
    int FBorderWidth = 1;
    int FImageIndex = -1;
    QString FCaption;
    TColor FColorTo = clWhite;
    TColor FColor = clSilver;
    TColor FBorderColor = clBlack;
    TFont FFont;
    TGradientDirection FGradientDirection = gdVertical;
    TButtonAlignment FButtonAlignment = baRight;
};

class THeaderAppearance final : public TBarAppearance {
public:
    explicit THeaderAppearance(QObject *Owner = nullptr);
    const char *ClassName() const override { return "THeaderAppearance"; }
    THeaderButtons &Buttons() { return FButtons; }
    const THeaderButtons &Buttons() const { return FButtons; }
    void Set_Buttons(const THeaderButtons &Value) { FButtons.Assign(Value); }
    void Assign(const THeaderAppearance &Source);
    void AssignColors(const THeaderAppearance &Source) { Assign_Colors(Source); }

private:
    THeaderButtons FButtons;
};

// The footer also carries the size grip (shown only where the drop-down's
// popup is sizeable).
class TFooterAppearance final : public TBarAppearance {
public:
    explicit TFooterAppearance(QObject *Owner = nullptr);
    const char *ClassName() const override { return "TFooterAppearance"; }
    bool SizeGrip() const { return FSizeGrip; }
    void Set_SizeGrip(bool Value) { FSizeGrip = Value; }
    TFooterButtons &Buttons() { return FButtons; }
    const TFooterButtons &Buttons() const { return FButtons; }
    void Set_Buttons(const TFooterButtons &Value) { FButtons.Assign(Value); }
    // As the header's, with SizeGrip copied before Visible is set.
    void Assign(const TFooterAppearance &Source);
    void AssignColors(const TFooterAppearance &Source) { Assign_Colors(Source); }

private:
    bool FSizeGrip = true;
    TFooterButtons FButtons;
};

// The shared look of the bars' push buttons, which a drop-down owns as its
// ButtonAppearance and whose colours its styles set. Buttons read it each
// time they paint; every colour setter and the gradient setter store a
// changed value and raise OnChange. The checked colours are not stored with
// the look; they start as the hot ones darkened (red and green to 90 %).
class VOdeButtonAppearance : public TObject {
public:
    VOdeButtonAppearance();
    VOdeButtonAppearance(const VOdeButtonAppearance &) = delete;
    VOdeButtonAppearance &operator=(const VOdeButtonAppearance &) = delete;
    const char *ClassName() const override { return "VOdeButtonAppearance"; }

    TColor BorderColor() const { return FBorderColor; }
    void Set_BorderColor(TColor V) { Set(FBorderColor, V); }
    TColor BorderColorHot() const { return FBorderColorHot; }
    void Set_BorderColorHot(TColor V) { Set(FBorderColorHot, V); }
    TColor BorderColorDown() const { return FBorderColorDown; }
    void Set_BorderColorDown(TColor V) { Set(FBorderColorDown, V); }
    TColor BorderColorDisabled() const { return FBorderColorDisabled; }
    void Set_BorderColorDisabled(TColor V) { Set(FBorderColorDisabled, V); }
    TColor BorderColorChecked() const { return FBorderColorChecked; }
    void Set_BorderColorChecked(TColor V) { Set(FBorderColorChecked, V); }
    TColor Color() const { return FColor; }
    void Set_Color(TColor V) { Set(FColor, V); }
    TColor ColorTo() const { return FColorTo; }
    void Set_ColorTo(TColor V) { Set(FColorTo, V); }
    TColor ColorDown() const { return FColorDown; }
    void Set_ColorDown(TColor V) { Set(FColorDown, V); }
    TColor ColorDownTo() const { return FColorDownTo; }
    void Set_ColorDownTo(TColor V) { Set(FColorDownTo, V); }
    TColor ColorHot() const { return FColorHot; }
    void Set_ColorHot(TColor V) { Set(FColorHot, V); }
    TColor ColorHotTo() const { return FColorHotTo; }
    void Set_ColorHotTo(TColor V) { Set(FColorHotTo, V); }
    TColor ColorChecked() const { return FColorChecked; }
    void Set_ColorChecked(TColor V) { Set(FColorChecked, V); }
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void Set_ColorCheckedTo(TColor V) { Set(FColorCheckedTo, V); }
    TColor ColorDisabled() const { return FColorDisabled; }
    void Set_ColorDisabled(TColor V) { Set(FColorDisabled, V); }
    TColor ColorDisabledTo() const { return FColorDisabledTo; }
    void Set_ColorDisabledTo(TColor V) { Set(FColorDisabledTo, V); }
    TGradientDirection Gradient() const { return FGradient; }
    void Set_Gradient(TGradientDirection V);
    const TFont &Font() const { return FFont; }
    void Set_Font(const TFont &V) { FFont = V; }
    // Every colour and the gradient, through the setters (not the font).
    void Assign(const VOdeButtonAppearance &Source);

    TLookNotifyEvent OnChange;

private:
    void Set(TColor &Field, TColor Value);
    TColor FBorderColor = clNone;
    TColor FBorderColorHot = 0x808080;
    TColor FBorderColorDown = 0x800000;
    TColor FBorderColorDisabled = 0x808080;
    TColor FBorderColorChecked = 0xFF0000;
    TColor FColor = clNone;
    TColor FColorTo = clNone;
    TColor FColorDown = 0xF5D8CA;
    TColor FColorDownTo = 0xF9BDA0;
    TColor FColorHot = 0xF5F0E1;
    TColor FColorHotTo = 0xF9D2B2;
    TColor FColorCheckedTo = 0xF9BDA0; // ColorHotTo, red and green at 90 %
    TColor FColorDisabled = 0xF2F2F2;
    TColor FColorDisabledTo = clNone;
    TColor FColorChecked = 0xF5D8CA; // ColorHot, red and green at 90 %
    TGradientDirection FGradient = gdVertical;
    TFont FFont;
};
