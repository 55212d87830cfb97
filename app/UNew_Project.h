#pragma once
#include "controls/AppButton.h"
#include <QDialog>
#include <QPointer>
class QLabel;
class QLineEdit;

// Creates a project: a new folder beneath PROJECTS (with its bin folder),
// made the active project on OK.
class TFNew_Project : public QDialog
{
    Q_OBJECT
public:
    explicit TFNew_Project(QWidget *Parent = nullptr);

    void Set_Lang();            // texts 100..110
    void Btn_OKClick();         // also Enter in E_New_Proj

    QLabel *L_SW_Code = nullptr;
    QLabel *L_SW_Desc = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *E_New_Proj = nullptr;
    TAppButton *Btn_OK = nullptr;
    TAppButton *Btn_Cancel = nullptr;

protected:
    void showEvent(QShowEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    void FormShow();
};

extern QPointer<TFNew_Project> FNew_Project;
