#pragma once
#include "controls/AppButton.h"
#include <QDialog>
#include <QPointer>
class QLabel;

// The build's identity: description, software code, version, manual code
// and the maker's web address. Fixed English texts.
class TFAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TFAbout(QWidget *Parent = nullptr);

    void Label4Click();   // also a click on the logo: the maker's home page

    QLabel *Logo = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    QLabel *Label6 = nullptr, *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr, *Label12 = nullptr;
    TAppButton *FxButton1 = nullptr;

protected:
    void showEvent(QShowEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

public:
    void FormShow();
};

extern QPointer<TFAbout> FAbout;
