#pragma once
#include "platform/Colors.h"
#include <QFont>
#include <QList>
#include <QScrollArea>
#include <QString>
#include <QWidget>

// A vertical stack of titled panels that the user collapses and expands by
// clicking a panel's header, inside a scroll area with a vertical scroll bar.
//
// Every panel has a position: the group stacks its shown panels top down in
// the order of their positions and then writes each panel's real top back
// into its position, so "place B right below A" is B.Set_Position(A.Position()
// + A.Panel_Height()). A panel's height includes its header; its controls
// live on Surface(), whose (0, 0) lies right below the header.

class TCategoryPanelGroup;

class TCategoryPanel : public QWidget
{
    Q_OBJECT
public:
    // Creates the panel at the bottom of the group's stack, shown and expanded.
    TCategoryPanel(TCategoryPanelGroup *Group, const QString &Object_Name, const QString &Caption = QString());

    TCategoryPanelGroup *Group() const { return FGroup; }
    // Parent of the panel's controls; its origin lies right below the header.
    QWidget *Surface() const { return FSurface; }

    QString Caption() const { return FCaption; }
    void Set_Caption(const QString &Value);

    // Height when expanded, header included.
    int Panel_Height() const { return FPanel_Height; }
    void Set_Panel_Height(int Value);
    // Height the panel takes in the stack now: Panel_Height, or the header
    // height alone while collapsed.
    int Stack_Height() const;

    // Top in the stack (see above); setting it re-stacks the group.
    int Position() const { return FPosition; }
    void Set_Position(int Value);

    // Whether the panel takes part in the stack (independent of whether the
    // group itself is on screen).
    bool Panel_Visible() const { return FPanel_Visible; }
    void Set_Panel_Visible(bool Value);

    bool Collapsed() const { return FCollapsed; }
    void Set_Collapsed(bool Value);
    void Expand() { Set_Collapsed(false); }
    void Collapse() { Set_Collapsed(true); }

    // Place among the panels for keyboard focus; kept for the window's order.
    int Tab_Order() const { return FTab_Order; }
    void Set_Tab_Order(int Value) { FTab_Order = Value; }

    // The pointer is over the header (the chevron is drawn hot).
    bool Header_Hot() const { return FHeader_Hot; }

protected:
    void paintEvent(QPaintEvent *Event) override;
    void mousePressEvent(QMouseEvent *Event) override;
    void mouseMoveEvent(QMouseEvent *Event) override;
    void leaveEvent(QEvent *Event) override;
    void resizeEvent(QResizeEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    friend class TCategoryPanelGroup;
    void Set_Header_Hot(bool Value);

    TCategoryPanelGroup *FGroup;
    QWidget *FSurface;
    QString FCaption;
    int FPanel_Height = 100;
    int FPosition = 0;
    quint64 FPosition_Stamp = 0; // later placement wins a tie of positions
    bool FPanel_Visible = true;
    bool FCollapsed = false;
    int FTab_Order = 0;
    bool FHeader_Hot = false;
};

class TCategoryPanelGroup : public QScrollArea
{
    Q_OBJECT
public:
    static constexpr int Default_Header_Height = 24;
    static constexpr int Default_Line_Step = 8; // pixels per scroll line

    explicit TCategoryPanelGroup(QWidget *Parent = nullptr);

    int Header_Height() const { return FHeader_Height; }

    // Header look: caption font and colour, gradient from the background
    // colour down to Gradient_Color, chevron colour (hot: Chevron_Hot_Color).
    QFont Header_Font;
    TColor Header_Font_Color = clGray;
    TColor Gradient_Base_Color = clWhite;
    TColor Gradient_Color = RGB_Color(231, 216, 216);
    TColor Chevron_Color = clGray;
    TColor Chevron_Hot_Color = clRed;

    // Every panel in creation order.
    const QList<TCategoryPanel *> &Panels() const { return FPanels; }
    // The shown panels, top down.
    QList<TCategoryPanel *> Stacked_Panels() const;
    // Stacks the shown panels by position; runs by itself after every change.
    void Arrange();
    // Height of the whole stack.
    int Stack_Height() const { return FStack_Height; }

    // One line of the vertical scroll bar up or down.
    void Scroll_Line(bool Up);
    int Scroll_Pos() const;

private:
    friend class TCategoryPanel;
    void Add(TCategoryPanel *Panel);

protected:
    void resizeEvent(QResizeEvent *Event) override;

private:
    QWidget *FContent;
    QList<TCategoryPanel *> FPanels;
    int FHeader_Height = Default_Header_Height;
    int FStack_Height = 0;
    quint64 FStamp = 0;
    bool FArranging = false;
};

// The system's number of lines per mouse-wheel notch (may be 0 or less:
// then the wheel scrolls nothing).
int Wheel_Scroll_Lines();
// Tests stand in for the system setting (Qt never reports less than 1);
// Clear_Wheel_Scroll_Lines returns to the system's value.
void Set_Wheel_Scroll_Lines(int Lines);
void Clear_Wheel_Scroll_Lines();
