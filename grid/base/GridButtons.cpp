#include "grid/base/GridButtons.h"
#include "grid/base/GridStyle.h"
#include "platform/SystemInfo.h"
#include "platform/ThemedParts.h"
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>
#include <cmath>

namespace {
int Round_Even(double V) { return static_cast<int>(std::nearbyint(V)); }

QShortcut *Make_Accel(QWidget *Owner, QShortcut *Old, const QString &Caption, std::function<void()> Fire)
{
    delete Old;
    const QKeySequence Seq = QKeySequence::mnemonic(Caption);
    if (Seq.isEmpty())
        return nullptr;
    auto *S = new QShortcut(Seq, Owner);
    S->setContext(Qt::WindowShortcut);
    QObject::connect(S, &QShortcut::activated, Owner, std::move(Fire));
    return S;
}
} // namespace

TButtonContentLayout Calc_Button_Layout(const QRect &Client, QSize Glyph, QSize Text, TButtonLayout Layout, int Margin,
                                        int Spacing, int Offset, bool RightToLeft)
{
    if (RightToLeft) {
        if (Layout == blGlyphLeft)
            Layout = blGlyphRight;
        else if (Layout == blGlyphRight)
            Layout = blGlyphLeft;
    }
    const bool Horz = Layout == blGlyphLeft || Layout == blGlyphRight;
    const int W = Client.width(), H = Client.height();
    QPoint G, T;
    if (Horz) {
        G.setY((H - Glyph.height() + 1) / 2);
        T.setY((H - Text.height() + 1) / 2);
    } else {
        G.setX((W - Glyph.width() + 1) / 2);
        T.setX((W - Text.width() + 1) / 2);
    }
    if (Text.isEmpty() || Glyph.isEmpty())
        Spacing = 0;
    const int Extent = Horz ? W : H;
    const int Gs = Horz ? Glyph.width() : Glyph.height();
    const int Ts = Horz ? Text.width() : Text.height();
    if (Margin == -1 && Spacing == -1) {
        Margin = Spacing = (Extent - Gs - Ts) / 3;
    } else if (Margin == -1) {
        Margin = (Extent - (Gs + Spacing + Ts) + 1) / 2;
    } else if (Spacing == -1) {
        Spacing = (Extent - Margin - Gs - Ts) / 2;
    }
    int Gp = 0, Tp = 0;
    switch (Layout) {
    case blGlyphLeft:
    case blGlyphTop:
        Gp = Margin;
        Tp = Gp + Gs + Spacing;
        break;
    case blGlyphRight:
    case blGlyphBottom:
        Gp = Extent - Margin - Gs;
        Tp = Gp - Spacing - Ts;
        break;
    }
    if (Horz) {
        G.setX(Gp);
        T.setX(Tp);
    } else {
        G.setY(Gp);
        T.setY(Tp);
    }
    const QPoint Shift = Client.topLeft() + QPoint(Offset, Offset);
    return {G + Shift, QRect(T + Shift, Text)};
}

void Draw_Button_Gradient(QPainter &P, const QRect &R, TColor Color, TColor ColorTo, TColor Pen)
{
    const TColor A = Color_To_RGB(Color), B = Color_To_RGB(ColorTo);
    const int H = R.height();
    for (int I = 0; I < 16; ++I) {
        auto Ch = [&](int S, int E) { return S + Round_Even(I * (E - S) / 16.0); };
        const QColor C(Ch(Get_R_Value(A), Get_R_Value(B)), Ch(Get_G_Value(A), Get_G_Value(B)), Ch(Get_B_Value(A), Get_B_Value(B)));
        const int Top = R.top() + Round_Even(I * H / 16.0);
        const int Bottom = std::min(Top + Round_Even(H / 16.0) + 1, R.top() + H);
        P.fillRect(QRect(R.left(), Top, R.width(), Bottom - Top), C);
    }
    if (Pen != clNone)
        Frame_Rect(P, R, static_cast<unsigned>(Color_To_RGB(Pen)));
}

QImage Transparent_Glyph(const QImage &Glyph)
{
    if (Glyph.isNull())
        return Glyph;
    QImage G = Glyph.convertToFormat(QImage::Format_ARGB32);
    const QRgb Key = G.pixel(0, G.height() - 1);
    for (int Y = 0; Y < G.height(); ++Y)
        for (int X = 0; X < G.width(); ++X)
            if (G.pixel(X, Y) == Key)
                G.setPixel(X, Y, qRgba(0, 0, 0, 0));
    return G;
}

// --- VOdeGridButton ----------------------------------------------------------------------

VOdeGridButton::VOdeGridButton(QWidget *Parent) : QWidget(Parent)
{
    resize(22, 23);
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

VOdeGridButton::~VOdeGridButton() = default;

void VOdeGridButton::Set_Action(QAction *A)
{
    delete FActionLink;
    FActionLink = A ? new VOdeGridButtonActionLink(this, A) : nullptr;
}

VOdeGridButtonActionLink::VOdeGridButtonActionLink(VOdeGridButton *Client, QAction *Action)
    : QObject(Client), FClient(Client), FAction(Action)
{
    FCaption = Action->text();
    FChecked = Action->isChecked();
    FGroupIndex = Action->property("GroupIndex").toInt();
    connect(Action, &QAction::changed, this, &VOdeGridButtonActionLink::Action_Changed);
}

bool VOdeGridButtonActionLink::IsCaptionLinked() const { return FAction && FClient->Caption() == FCaption; }

bool VOdeGridButtonActionLink::IsCheckedLinked() const
{
    return FAction && FClient->GroupIndex() != 0 && FClient->AllowAllUp() && FChecked == FClient->Down();
}

bool VOdeGridButtonActionLink::IsGroupIndexLinked() const { return FAction && FGroupIndex == FClient->GroupIndex(); }

void VOdeGridButtonActionLink::Action_Changed()
{
    if (!FAction)
        return;
    const QString Caption = FAction->text();
    const bool Checked = FAction->isChecked();
    const int Group = FAction->property("GroupIndex").toInt();
    // Decide with the old values, then remember the new ones.
    const bool LinkCaption = Caption != FCaption && IsCaptionLinked();
    const bool LinkChecked = Checked != FChecked && IsCheckedLinked();
    const bool LinkGroup = Group != FGroupIndex && IsGroupIndexLinked();
    FCaption = Caption;
    FChecked = Checked;
    FGroupIndex = Group;
    if (LinkCaption)
        FClient->Set_Caption(Caption);
    if (LinkChecked)
        FClient->Set_Down(Checked);
    if (LinkGroup)
        FClient->Set_GroupIndex(Group);
}

void VOdeGridButton::Set_Caption(const QString &V)
{
    FCaption = V;
    FAccel = Make_Accel(this, FAccel, V, [this] {
        if (isEnabled() && !isHidden() && parentWidget() && parentWidget()->isVisible())
            Click();
    });
    update();
}

void VOdeGridButton::Set_Glyph(const QImage &V)
{
    FGlyph = V;
    if (FGlyphDisabled.isNull() && !V.isNull()) {
        QImage D = V.convertToFormat(QImage::Format_RGB32);
        for (int Y = 0; Y < D.height(); ++Y)
            for (int X = 0; X < D.width(); ++X) {
                const QRgb C = D.pixel(X, Y);
                const int L = Round_Even((qRed(C) + qGreen(C) + qBlue(C)) / 3.0) / 2 + 96;
                D.setPixel(X, Y, qRgb(L, L, L));
            }
        FGlyphDisabled = D;
    }
    Build_Shade();
    update();
}

void VOdeGridButton::Build_Shade()
{
    if (FGlyph.isNull()) {
        FShadeGlyph = QImage();
        return;
    }
    QImage S = FGlyph.convertToFormat(QImage::Format_RGB32);
    const QRgb Key = S.pixel(0, S.height() - 1);
    for (int Y = 0; Y < S.height(); ++Y)
        for (int X = 0; X < S.width(); ++X)
            S.setPixel(X, Y, S.pixel(X, Y) == Key ? Key : qRgb(0x80, 0x80, 0x80));
    FShadeGlyph = S;
}

void VOdeGridButton::Set_Shaded(bool V)
{
    FShaded = V;
    if (!FLoading)
        Build_Shade();
    update();
}

void VOdeGridButton::Loaded()
{
    FLoading = false;
    Build_Shade();
    if (FAutoThemeAdapt)
        Theme_Adapt();
}

void VOdeGridButton::Set_Margin(int V)
{
    if (V < -1)
        return;
    FMargin = V;
    update();
}

void VOdeGridButton::Set_Spacing(int V)
{
    if (V < -1)
        return;
    FSpacing = V;
    update();
}

void VOdeGridButton::Set_AutoThemeAdapt(bool V)
{
    FAutoThemeAdapt = V;
    if (V)
        Theme_Adapt();
}

void VOdeGridButton::Theme_Adapt()
{
    int L = 1;
    if (IsWinXPOrLater() && System_Info().Theme_Active) {
        const QString &N = System_Info().Theme_Color_Name;
        if (N.contains(QStringLiteral("NormalColor")))
            L = 2;
        else if (N.contains(QStringLiteral("HomeStead")))
            L = 3;
        else if (N.contains(QStringLiteral("Metallic")))
            L = 4;
    }
    Set_Look(L);
}

void VOdeGridButton::Set_Look(int V)
{
    struct TPreset {
        TColor Color, ColorTo, Hot, HotTo, Down, DownTo, Checked, CheckedTo, BorderDown, BorderHot;
        bool Rounded;
    };
    static const TPreset P2 = {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000, false};
    static const TPreset Presets[7] = {
        {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xAF987A, 0xC3CECE, true},
        {clBtnFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31, false},
        P2,
        {0xCFF0EA, 0x8CC0B1, P2.Hot, P2.HotTo, P2.Down, P2.DownTo, P2.Checked, P2.CheckedTo, P2.BorderDown, P2.BorderHot, false},
        {0xECE2E1, 0xB39698, P2.Hot, P2.HotTo, P2.Down, P2.DownTo, P2.Checked, P2.CheckedTo, P2.BorderDown, P2.BorderHot, false},
        {clBtnFace, clNone, clBtnFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone, false},
        {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080, false},
    };
    if (V < 0 || V > 6)
        return;
    FLook = V;
    const TPreset &S = Presets[V];
    FColor = S.Color;
    FColorTo = S.ColorTo;
    FColorHot = S.Hot;
    FColorHotTo = S.HotTo;
    FColorDown = S.Down;
    FColorDownTo = S.DownTo;
    FColorChecked = S.Checked;
    FColorCheckedTo = S.CheckedTo;
    FBorderDownColor = S.BorderDown;
    FBorderHotColor = S.BorderHot;
    FRounded = S.Rounded;
    FBorderColor = clNone;
    FFlat = true;
    update();
}

void VOdeGridButton::Set_Down(bool V)
{
    if (FGroupIndex == 0 && FStyle == tasButton)
        V = false;
    if (FStyle == tasCheck) {
        FDown = V;
        update();
        return;
    }
    if (V == FDown || (FDown && !V && !FAllowAllUp))
        return;
    FDown = V;
    FState = V ? bsExclusive : bsUp;
    update();
    if (V)
        Update_Exclusive();
}

void VOdeGridButton::Set_GroupIndex(int V)
{
    if (V == FGroupIndex)
        return;
    FGroupIndex = V;
    Update_Exclusive();
}

void VOdeGridButton::Set_AllowAllUp(bool V)
{
    if (V == FAllowAllUp)
        return;
    FAllowAllUp = V;
    Update_Exclusive();
}

void VOdeGridButton::Update_Exclusive()
{
    if (FGroupIndex == 0 || !parentWidget())
        return;
    for (QObject *C : parentWidget()->children())
        if (auto *B = qobject_cast<VOdeGridButton *>(C))
            B->Group_Message(FGroupIndex, this);
}

void VOdeGridButton::Group_Message(int Group, VOdeGridButton *Sender)
{
    if (Sender == this || Group != FGroupIndex)
        return;
    if (Sender->Down() && FDown) {
        FDown = false;
        FState = bsUp;
        update();
        if (FActionLink && FActionLink->Action())
            FActionLink->Action()->setChecked(false);
    }
    FAllowAllUp = Sender->AllowAllUp();
}

TButtonState VOdeGridButton::Paint_State() const
{
    if (!isEnabled())
        return bsDisabled;
    if (FStyle == tasCheck && FDown)
        return bsDown;
    if (FState == bsDisabled)
        return FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
    return FState;
}

void VOdeGridButton::Click()
{
    if (OnClick)
        OnClick(this);
}

void VOdeGridButton::mousePressEvent(QMouseEvent *E)
{
    if (E->button() != Qt::LeftButton || !isEnabled())
        return;
    const int X = static_cast<int>(E->position().x());
    if (FDropDownButton && X > width() - 12) {
        FState = bsUp;
        QPointer<VOdeGridButton> Self(this);
        if (OnDropDown)
            OnDropDown(this);
        if (Self && FDropDownMenu)
            FDropDownMenu->popup(mapToGlobal(QPoint(0, height())));
        return;
    }
    if (!FDown || FStyle == tasCheck)
        FState = bsDown;
    FDragging = true;
    update();
}

void VOdeGridButton::Update_Tracking(const QPoint &Pos)
{
    const bool Inside = Pos.x() >= 0 && Pos.x() < width() && Pos.y() >= 0 && Pos.y() <= height();
    TButtonState New = Inside ? (FDown ? bsExclusive : bsDown) : (FDown ? bsExclusive : bsUp);
    if (FStyle == tasCheck && FDown)
        New = bsDown;
    if (New != FState) {
        FState = New;
        update();
    }
}

void VOdeGridButton::mouseMoveEvent(QMouseEvent *E)
{
    if (FDragging)
        Update_Tracking(E->position().toPoint());
    else {
        const bool In = rect().contains(E->position().toPoint());
        if (In != FMouseInControl) {
            FMouseInControl = In;
            update();
        }
    }
}

void VOdeGridButton::mouseReleaseEvent(QMouseEvent *E)
{
    if (E->button() != Qt::LeftButton || !FDragging)
        return;
    FDragging = false;
    const QPoint Pos = E->position().toPoint();
    const bool Inside = Pos.x() >= 0 && Pos.x() < width() && Pos.y() >= 0 && Pos.y() <= height();
    if (FGroupIndex == 0) {
        FState = bsUp;
        if (FStyle == tasCheck && Inside)
            Set_Down(!FDown);
    } else if (Inside) {
        Set_Down(!FDown);
        FState = FDown ? bsExclusive : bsUp;
    } else {
        FState = FDown ? bsExclusive : bsUp;
    }
    update();
    QPointer<VOdeGridButton> Self(this);
    if (Inside)
        Click();
    if (Self) {
        FMouseInControl = rect().contains(Pos);
        update();
    }
}

void VOdeGridButton::mouseDoubleClickEvent(QMouseEvent *E)
{
    if (E->button() == Qt::LeftButton && FDown && OnDblClick)
        OnDblClick(this);
    else
        mousePressEvent(E);
}

void VOdeGridButton::enterEvent(QEnterEvent *)
{
    FMouseInControl = true;
    if (OnMouseEnter)
        OnMouseEnter(this);
    update();
}

void VOdeGridButton::leaveEvent(QEvent *)
{
    FMouseInControl = false;
    if (OnMouseLeave)
        OnMouseLeave(this);
    update();
}

void VOdeGridButton::changeEvent(QEvent *E)
{
    if (E->type() == QEvent::EnabledChange && !isEnabled())
        FDragging = false;
    if ((E->type() == QEvent::StyleChange || E->type() == QEvent::ThemeChange
         || E->type() == QEvent::ApplicationFontChange) && FAutoThemeAdapt)
        Theme_Adapt();
    QWidget::changeEvent(E);
}

void VOdeGridButton::paintEvent(QPaintEvent *)
{
    QPainter P(this);
    P.setFont(font());
    const TButtonState St = Paint_State();
    const bool Hot = FMouseInControl && isEnabled();
    QRect R = rect();
    auto Rounded_Frame = [&](const QRect &Rr, TColor Pen) {
        if (Pen == clNone)
            return;
        P.save();
        P.setPen(To_QColor(Pen));
        P.setBrush(Qt::NoBrush);
        P.setRenderHint(QPainter::Antialiasing);
        P.drawRoundedRect(QRectF(Rr).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        P.restore();
    };
    auto Face = [&](const QRect &Rr, TColor From, TColor To, TColor Pen) {
        if (To == clNone) {
            P.fillRect(Rr, To_QColor(From));
            if (!FRounded)
                Frame_Rect(P, Rr, static_cast<unsigned>(Color_To_RGB(Pen == clNone ? From : Pen)));
        } else
            Draw_Button_Gradient(P, Rr, From, To, FRounded ? clNone : Pen);
    };
    if (!FFlat) {
        const bool Pushed = St == bsDown || St == bsExclusive;
        if (IsWinXPOrLater() && FAutoXPStyle && IsComCtl6() && System_Info().Theme_Active)
            Draw_Theme_Part(P, this, tpPushButton, Pushed ? tsPressed : Hot ? tsHot : tsNormal, R);
        else
            Draw_Frame_Control(P, this, fcPushButton, R, Pushed ? DFCS_PUSHED : 0);
    } else {
        if (FBorderDownColor == clNone || FRounded)
            R.adjust(1, 1, -1, -1);
        if (!Hot) {
            if (FStyle == tasCheck && FDown)
                Face(R, FColorChecked, FColorCheckedTo, FBorderDownColor);
            else if (FColorTo == clNone)
                P.fillRect(R, To_QColor(FColor));
            else
                Draw_Button_Gradient(P, R, FColor, FColorTo, FRounded ? clNone : FDown ? FBorderDownColor : FBorderColor);
            if (FBorderColor != clNone) {
                if (FRounded)
                    Rounded_Frame(R.adjusted(-1, -1, 1, 1), FBorderColor);
                else
                    Frame_Rect(P, R, static_cast<unsigned>(Color_To_RGB(FBorderColor)));
            }
        } else {
            TColor From = FColorHot, To = FColorHotTo, Pen = FBorderHotColor;
            if (St == bsDown) {
                From = FColorDown;
                To = FColorDownTo;
                Pen = FBorderDownColor;
            }
            if (FStyle == tasCheck && FDown && !FDragging) {
                From = FColorChecked;
                To = FColorCheckedTo;
                Pen = FBorderDownColor;
            }
            Face(R, From, To, Pen);
            if (FRounded)
                Rounded_Frame(R.adjusted(-1, -1, 1, 1), Pen);
            if (FDropDownButton && Pen != clNone) {
                P.setPen(To_QColor(Pen));
                P.drawLine(R.right() + 1 - 12, R.top(), R.right() + 1 - 12, R.bottom());
            }
        }
        R.adjust(1, 1, -1, -1);
    }
    int Offset = 0;
    if (St == bsDown || St == bsExclusive) {
        if (St == bsExclusive && !(FFlat && Hot))
            Face(R.adjusted(-1, -1, 1, 1), FColorChecked, FColorCheckedTo, FDown ? FBorderDownColor : FBorderColor);
        if (!FFlat)
            Offset = 1;
    } else if (FFlat && Hot && FShaded) {
        Offset = -1;
    }
    if (FDropDownButton) {
        const int Cy = R.top() + R.height() / 2;
        P.setPen(Qt::NoPen);
        P.setBrush(palette().color(QPalette::WindowText));
        P.drawPolygon(QPolygon({{R.right() + 1 - 8, Cy - 1}, {R.right() + 1 - 4, Cy - 1}, {R.right() + 1 - 6, Cy + 1}}));
        P.setBrush(Qt::NoBrush);
        R.setRight(R.right() - 12);
    }
    // Glyph and caption.
    const TButtonState Gs = FDown && FGroupIndex != 0 ? bsExclusive : St;
    QImage G = FGlyph;
    if (Hot && Gs != bsDown && Gs != bsExclusive && !FGlyphHot.isNull())
        G = FGlyphHot;
    if ((Gs == bsDown || Gs == bsExclusive) && !FGlyphDown.isNull())
        G = FGlyphDown;
    if (Gs == bsDisabled && !FGlyphDisabled.isNull())
        G = FGlyphDisabled;
    const QString Text = FShowCaption ? FCaption : QString();
    QSize Ts;
    if (!Text.isEmpty())
        Ts = P.fontMetrics().boundingRect(QRect(0, 0, R.width(), 1000), Qt::TextShowMnemonic, Text).size();
    const TButtonContentLayout L = Calc_Button_Layout(R, G.size(), Ts, FLayout, FMargin, FSpacing, Offset,
                                                      layoutDirection() == Qt::RightToLeft);
    const QPoint GPos = Text.isEmpty() ? QPoint(0, 0) : L.GlyphPos;
    if (!G.isNull()) {
        if (Hot && FShaded && Gs != bsDown && !FShadeGlyph.isNull())
            P.drawImage(GPos + (Text.isEmpty() ? QPoint(0, 0) : QPoint(2, 2)), Transparent_Glyph(FShadeGlyph));
        P.drawImage(GPos, Transparent_Glyph(G));
    }
    if (!Text.isEmpty()) {
        QRect T = L.TextRect;
        if (FFlat && FShaded && Hot && Gs == bsUp)
            T.translate(1, 1);
        const int Flags = Qt::AlignCenter | Qt::TextShowMnemonic;
        if (Gs == bsDisabled) {
            P.setPen(To_QColor(clBtnHighlight));
            P.drawText(T.translated(1, 1), Flags, Text);
            P.setPen(To_QColor(clBtnShadow));
        } else
            P.setPen(palette().color(QPalette::ButtonText));
        P.drawText(T, Flags, Text);
    }
}

// --- VOdeCheckBox ---------------------------------------------------------------------------

VOdeCheckBox::VOdeCheckBox(QWidget *Parent) : QWidget(Parent)
{
    resize(98, 20);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    Set_Caption(FCaption);
}

void VOdeCheckBox::Set_Caption(const QString &V)
{
    FCaption = V;
    FAccel = Make_Accel(this, FAccel, V, [this] {
        Toggle();
        if (focusPolicy() & Qt::TabFocus)
            setFocus(Qt::ShortcutFocusReason);
    });
    update();
}

void VOdeCheckBox::Box_Side_Update()
{
    // Only the 20-pixel box side changes with the state.
    update(FAlignment == taRightJustify ? QRect(width() - 20, 0, 20, height()) : QRect(0, 0, 20, height()));
}

void VOdeCheckBox::Set_State(TCheckBoxState V)
{
    if (V == FState)
        return;
    FState = V;
    Box_Side_Update();
}

void VOdeCheckBox::Set_Alignment(TAlignment V)
{
    FAlignment = V == taRightJustify ? taRightJustify : taLeftJustify;
    update();
}

void VOdeCheckBox::Set_ButtonVertAlign(TTextLayout V)
{
    FButtonVertAlign = V;
    update();
}

void VOdeCheckBox::Set_Ellipsis(bool V)
{
    FEllipsis = V;
    update();
}

void VOdeCheckBox::Set_Transparent(bool V)
{
    FTransparent = V;
    FBackgroundValid = false;
    update();
}

void VOdeCheckBox::Set_TransparentChaching(bool V)
{
    FTransparentChaching = V;
    FBackgroundValid = false;
    update();
}

void VOdeCheckBox::Set_Color(TColor V)
{
    FColor = V;
    update();
}

void VOdeCheckBox::Toggle()
{
    if (!FReadOnly)
        Set_Checked(!Checked());
}

void VOdeCheckBox::SetBounds(int L, int T, int W, int H)
{
    FBackgroundValid = false;
    setGeometry(L, T, W, H);
}

void VOdeCheckBox::moveEvent(QMoveEvent *)
{
    if (FTransparent)
        FBackgroundValid = false;
}

void VOdeCheckBox::resizeEvent(QResizeEvent *)
{
    if (FTransparent)
        FBackgroundValid = false;
}

QRect VOdeCheckBox::Box_Rect() const
{
    const bool Themed = IsWinXPOrLater() && System_Info().Theme_Active && IsComCtl6();
    const int S = Themed ? 14 : 13;
    const int X = FAlignment == taRightJustify ? width() - (Themed ? 15 : 13) : 0;
    int Y = 4;
    if (FButtonVertAlign == tlCenter)
        Y = height() / 2 - 6;
    else if (FButtonVertAlign == tlBottom)
        Y = height() - (Themed ? 14 : 17);
    return QRect(X, Y, S, S);
}

QRect VOdeCheckBox::Caption_Rect() const
{
    QRect R = rect();
    if (FAlignment == taRightJustify) {
        R.setRight(R.right() - 9);
        R.setLeft(6);
    } else
        R.setLeft(R.left() + 15);
    R.setTop(R.top() + 4);
    return R;
}

int VOdeCheckBox::Theme_State() const
{
    const int Base = FState == cbChecked ? 5 : FState == cbGrayed ? 9 : 1;
    if (!isEnabled())
        return Base + 3;
    if (FDown)
        return Base + 2;
    if (FHot)
        return Base + 1;
    return Base;
}

void VOdeCheckBox::paintEvent(QPaintEvent *)
{
    QPainter P(this);
    if (FTransparent) {
        if (FTransparentChaching && parentWidget()) {
            if (!FBackgroundValid) {
                // The parent's background under the control, rendered once.
                FBackground = QPixmap(size());
                FBackground.fill(Qt::transparent);
                parentWidget()->render(&FBackground, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
                FBackgroundValid = true;
            }
            P.drawPixmap(0, 0, FBackground);
        }
        // otherwise the parent shows through
    } else {
        P.fillRect(rect(), To_QColor(FColor));
    }
    const QRect B = Box_Rect();
    if (IsWinXPOrLater() && System_Info().Theme_Active && IsComCtl6()) {
        const int S = Theme_State();
        const TThemeState Ts = S % 4 == 0 ? tsDisabled : S % 4 == 3 ? tsPressed : S % 4 == 2 ? tsHot : tsNormal;
        Draw_Theme_Part(P, this, tpCheckBox, Ts, B, FState == cbChecked ? tcChecked : FState == cbGrayed ? tcMixed : tcUnchecked);
    } else {
        Draw_Frame_Control(P, this, fcCheckBox, B,
                           (FState == cbChecked ? DFCS_CHECKED : 0) | (FState == cbGrayed || !isEnabled() ? DFCS_INACTIVE : 0));
    }
    const QRect C = Caption_Rect();
    const QString Text = FEllipsis ? P.fontMetrics().elidedText(FCaption, Qt::ElideRight, C.width()) : FCaption;
    const int Flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextSingleLine;
    if (!isEnabled()) {
        P.setPen(Qt::white);
        P.drawText(C.translated(1, 1), Flags, Text);
        P.setPen(To_QColor(clGray));
    } else
        P.setPen(palette().color(QPalette::WindowText));
    QRect Used;
    P.drawText(C, Flags, Text, &Used);
    if (hasFocus())
        Draw_Focus_Rect(P, QRect(Used.left() - 2, Used.top(), Used.width() + 3, Used.height() + 1));
}

void VOdeCheckBox::mousePressEvent(QMouseEvent *E)
{
    if (E->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    FMouseDown = true;
    FDown = true;
    update(Box_Rect().adjusted(-1, -1, 2, 2));
}

void VOdeCheckBox::mouseMoveEvent(QMouseEvent *E)
{
    if (!FMouseDown)
        return;
    const bool In = rect().contains(E->position().toPoint());
    if (In != FDown) {
        FDown = In;
        update(Box_Rect().adjusted(-1, -1, 2, 2));
    }
}

void VOdeCheckBox::mouseReleaseEvent(QMouseEvent *E)
{
    if (E->button() != Qt::LeftButton || !FMouseDown)
        return;
    FMouseDown = false;
    FDown = false;
    update(Box_Rect().adjusted(-1, -1, 2, 2));
    if (rect().contains(E->position().toPoint()) && hasFocus()) {
        QPointer<VOdeCheckBox> Self(this);
        Toggle();
        if (Self && OnClick)
            OnClick(this);
    }
}

void VOdeCheckBox::keyPressEvent(QKeyEvent *E)
{
    if ((E->key() == Qt::Key_Return || E->key() == Qt::Key_Enter) && FReturnIsTab) {
        QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
        return;
    }
    if (E->key() == Qt::Key_Space && !E->isAutoRepeat()) {
        FDown = true;
        update(Box_Rect().adjusted(-1, -1, 2, 2));
        return;
    }
    QWidget::keyPressEvent(E);
}

void VOdeCheckBox::keyReleaseEvent(QKeyEvent *E)
{
    if (E->key() == Qt::Key_Space && !E->isAutoRepeat()) {
        FDown = false;
        update(Box_Rect().adjusted(-1, -1, 2, 2));
        QPointer<VOdeCheckBox> Self(this);
        Toggle();
        if (Self && OnClick)
            OnClick(this);
        return;   // not passed on
    }
    QWidget::keyReleaseEvent(E);
}

void VOdeCheckBox::enterEvent(QEnterEvent *)
{
    FHot = true;
    update(Box_Rect().adjusted(-1, -1, 2, 2));
}

void VOdeCheckBox::leaveEvent(QEvent *)
{
    FHot = false;
    update(Box_Rect().adjusted(-1, -1, 2, 2));
}

void VOdeCheckBox::focusInEvent(QFocusEvent *) { update(); }
void VOdeCheckBox::focusOutEvent(QFocusEvent *) { update(); }
