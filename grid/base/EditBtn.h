#pragma once
#include "platform/Colors.h"
#include "toolkit/MaskEdit.h"
#include <QImage>
#include <QPointer>
#include <QStringList>
#include <functional>

// Masked edits with a small push button inside their right edge, and a
// variant that also shows a unit of measure chosen from a menu.

class ROruEditButton;

// The painted push button: hot tracking, themed look and the container's
// custom colours. Its caption is always black.
class VOdeSpeedButton : public QWidget {
    Q_OBJECT
public:
    explicit VOdeSpeedButton(QWidget *Parent);
    bool IsWinXP() const { return FIsWinXP; }
    void Set_IsWinXP(bool V);
    bool Flat() const { return FFlat; }
    void Set_Flat(bool V);
    bool Hot() const { return FHot; }
    bool Pressed() const { return FPressed; }
    QString Caption() const { return FCaption; }
    void Set_Caption(const QString &V);
    QImage Glyph() const { return FGlyph; }
    void Set_Glyph(const QImage &V);
    int NumGlyphs() const { return FNumGlyphs; }
    void Set_NumGlyphs(int V) { FNumGlyphs = V; }
    // Released with the left button (the container reports it).
    std::function<void(VOdeSpeedButton *)> OnLeftRelease;

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *E) override;
    void mouseReleaseEvent(QMouseEvent *E) override;
    void enterEvent(QEnterEvent *) override;
    void leaveEvent(QEvent *) override;

private:
    bool FIsWinXP = false;
    bool FFlat = false;
    bool FHot = false;
    bool FPressed = false;
    QString FCaption;
    QImage FGlyph;
    QImage FDrawGlyph;   // FGlyph with its transparent colour cleared
    int FNumGlyphs = 1;
};

// A small windowed container holding one VOdeSpeedButton that fills it.
class ROruEditButton : public QWidget {
    Q_OBJECT
public:
    explicit ROruEditButton(QWidget *Parent);
    VOdeSpeedButton *Button() const { return FButton; }
    QWidget *FocusControl() const { return FFocusControl; }
    void Set_FocusControl(QWidget *W) { FFocusControl = W; }
    bool Flat() const { return FButton->Flat(); }
    void Set_Flat(bool V) { FButton->Set_Flat(V); }
    QImage Glyph() const { return FButton->Glyph(); }
    void Set_Glyph(const QImage &G) { FButton->Set_Glyph(G); }
    int NumGlyphs() const { return FButton->NumGlyphs(); }
    void Set_NumGlyphs(int V) { FButton->Set_NumGlyphs(V); }
    QString ButtonCaption() const { return FButton->Caption(); }
    void Set_ButtonCaption(const QString &V) { FButton->Set_Caption(V); }

    TColor ButtonColor = clNone, ButtonColorHot = clNone, ButtonColorDown = clNone;
    TColor ButtonTextColor = clNone, ButtonTextColorHot = clNone, ButtonTextColorDown = clNone;
    TColor ButtonBorderColor = clNone;   // kept, not painted

    std::function<void(QObject *Sender)> OnClick;

protected:
    void resizeEvent(QResizeEvent *) override;

private:
    void Released();
    VOdeSpeedButton *FButton;
    QPointer<QWidget> FFocusControl;
};

class ROruEditBtn : public TCustomMaskEdit {
    Q_OBJECT
public:
    explicit ROruEditBtn(QWidget *Parent = nullptr);

    ROruEditButton *Button() const { return FButton; }
    bool RightAlign() const { return FRightAlign; }
    void Set_RightAlign(bool V);
    bool EditorEnabled() const { return FEditorEnabled; }
    void Set_EditorEnabled(bool V) { FEditorEnabled = V; }
    int ButtonWidth() const { return FButtonWidth; }
    void Set_ButtonWidth(int V);
    bool IsWinXP() const { return FIsWinXP; }
    void Set_IsWinXP(bool V);
    QImage Glyph() const { return FButton->Glyph(); }
    void Set_Glyph(const QImage &G) { FButton->Set_Glyph(G); }
    QString ButtonCaption() const { return FButton->ButtonCaption(); }
    void Set_ButtonCaption(const QString &V) { FButton->Set_ButtonCaption(V); }

    std::function<void(QObject *Sender)> OnClickBtn;
    virtual void ClickBtn();

    void KeyDown(TKey &Key, TShiftState Shift) override;
    void KeyPress(QChar &Key) override;
    bool Can_Cut_Paste() const override;
    void DoEnter(bool ByMouse) override;

    // Layout for the current size: the button part and the text rectangle.
    int Min_Height() const;
    QRect Button_Rect() const;
    QRect Edit_Rect() const;

protected:
    void resizeEvent(QResizeEvent *E) override;
    void Set_Unit_Size(int V);
    int Unit_Size() const { return FUnitSize; }
    void Layout_Editor();

private:
    int FUnitSize = 0;
    bool FRightAlign = false;
    ROruEditButton *FButton;
    bool FEditorEnabled = true;
    int FButtonWidth = 0;
    bool FIsWinXP = false;
};

class ROruUnitEditBtn : public ROruEditBtn {
    Q_OBJECT
public:
    explicit ROruUnitEditBtn(QWidget *Parent = nullptr);

    QString UnitID() const { return FUnitID; }
    void Set_UnitID(const QString &V);
    const QStringList &Units() const { return FUnits; }
    void Set_Units(const QStringList &V) { FUnits = V; }
    int UnitSpace() const { return Unit_Size(); }
    void Set_UnitSpace(int V);
    // The value text followed directly by the unit. Writing splits off the
    // first unit of Units that ends the text; with none nothing changes.
    QString TextAndUnit() const { return text() + FUnitID; }
    void Set_TextAndUnit(const QString &V);

    std::function<void(QObject *Sender, const QString &NewUnit)> OnUnitChanged;

    // Fires OnClickBtn, then offers Units in a popup menu below the button.
    void ClickBtn() override;
    // A menu choice (1-based); outside 1..Units the choice changes nothing.
    void Choose_Unit(int Id);
    // Where the unit text is painted.
    QRect Unit_Rect() const;

protected:
    void paintEvent(QPaintEvent *E) override;

private:
    QString FUnitID;
    QStringList FUnits;
};
