#pragma once
#include "dropdowns/DbgList.h"
#include "dropdowns/DropDownAppearance.h"
#include "platform/Rect.h"
#include <QPointer>
#include <QWidget>
#include <functional>

class TCanvas;
class TImageList;
class VOdeButton;
class VOdeCustomDropDown;

// A thin painted strip above (header) or below (footer) a popup's content:
// background (plain or gradient), border, image, a caption in cell markup
// and a row of push buttons built from the drop-down's button collection.
// The bar keeps its own copy of the drop-down's look, renewed each time the
// popup is prepared.
class TDropDownBar : public QWidget {
    Q_OBJECT
public:
    ~TDropDownBar() override;
    bool Is_Footer() const { return FFooter; }
    virtual TBarAppearance &Look() = 0;
    VOdeCustomDropDown *DarAzidDropDown() const;
    // Stores the drop-down and copies its images and its bar look (none:
    // the images are cleared).
    virtual void SetDarAzidDropDown(VOdeCustomDropDown *ADropDown);
    TImageList *Images() const { return FImages; }
    void Set_Images(TImageList *V) { FImages = V; }
    // Rebuilds the buttons when a drop-down is set.
    void UpdateButtons();
    void CreateButtons();
    void ClearButtons();
    void ArrangeButtons();
    // Renews the existing buttons from the collection and the looks.
    void RefreshButtons();
    const TDbgList<VOdeButton> &ButtonList() const { return FButtonList; }
    TRect GetButtonArea() const;
    TRect GetCaptionArea() const;
    // Visible and Height follow the own look's.
    void AppearanceChanged();
    // The footer's grip is shown (SizeGrip and a sizeable drop-down).
    virtual bool Grip_Shown() const { return false; }
    void Paint_Bar(TCanvas &Canvas);

    TDrawBackGroundEvent OnDrawBackGround;
    TGetTextEvent OnGetText;

protected:
    TDropDownBar(QWidget *Parent, bool Footer);
    // The drop-down's collection for this bar (nullptr without a drop-down).
    virtual int Item_Count() const = 0;
    virtual const TBarButton &Item(int Index) const = 0;
    virtual void Button_Click(VOdeButton *Sender) = 0;
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *E) override;

private:
    void Paint_Border(TCanvas &Canvas, const TRect &R);
    bool FFooter;
    TImageList *FImages = nullptr;
    QPointer<QWidget> FDarAzidDropDown;
    TDbgList<VOdeButton> FButtonList;
    // A button's click is running: buttons rebuilt meanwhile are freed later.
    int FIn_Click = 0;
    friend class VOdeHeader;
    friend class VOdeFooter;
};

class VOdeHeader : public TDropDownBar {
    Q_OBJECT
public:
    explicit VOdeHeader(QWidget *Parent = nullptr);
    TBarAppearance &Look() override { return FAppearance; }
    THeaderAppearance &Appearance() { return FAppearance; }
    void Set_Appearance(const THeaderAppearance &V) { FAppearance.Assign(V); }
    void SetDarAzidDropDown(VOdeCustomDropDown *ADropDown) override;
    // The drop-down's header buttons; nullptr without a drop-down.
    const THeaderButtons *Buttons() const;

protected:
    int Item_Count() const override;
    const TBarButton &Item(int Index) const override;
    void Button_Click(VOdeButton *Sender) override;

private:
    THeaderAppearance FAppearance;
};

// The footer also carries the size grip, with which the user sizes the popup.
class VOdeFooter : public TDropDownBar {
    Q_OBJECT
public:
    explicit VOdeFooter(QWidget *Parent = nullptr);
    TBarAppearance &Look() override { return FAppearance; }
    TFooterAppearance &Appearance() { return FAppearance; }
    void Set_Appearance(const TFooterAppearance &V) { FAppearance.Assign(V); }
    void SetDarAzidDropDown(VOdeCustomDropDown *ADropDown) override;
    const TFooterButtons *Buttons() const;
    bool Grip_Shown() const override;

protected:
    int Item_Count() const override;
    const TBarButton &Item(int Index) const override;
    void Button_Click(VOdeButton *Sender) override;
    void mousePressEvent(QMouseEvent *E) override;
    void mouseMoveEvent(QMouseEvent *E) override;
    void mouseReleaseEvent(QMouseEvent *E) override;
    void leaveEvent(QEvent *E) override;

private:
    TFooterAppearance FAppearance;
    bool FSizing = false;
    QPoint FSizeFrom;
    QSize FSizeStart;
};
