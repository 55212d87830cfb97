#pragma once
#include "controls/AppButton.h"
#include <QDialog>
#include <QPointer>
#include <QStringList>
class QLabel;
class QListWidget;

// Lists the project folders beneath PROJECTS and lets the user pick one.
class TFOpenConf : public QDialog
{
    Q_OBJECT
public:
    explicit TFOpenConf(QWidget *Parent = nullptr);

    void Set_Lang();                     // texts 200..207
    void Load_Existing_Configuration();  // fills SL with the project folder names
    // Index of Name in SL, letters a-z and A-Z taken as equal; -1 when absent.
    int Search_Open_Conf(const QString &Name) const;
    void ListBox1Click();

    QLabel *L_SW_Code = nullptr;
    QLabel *L_SW_Desc = nullptr;
    QLabel *Label1 = nullptr;
    QListWidget *ListBox1 = nullptr;
    TAppButton *Btn_OK = nullptr;
    TAppButton *Btn_Cancel = nullptr;

    QStringList SL;       // project folder names found at the last show
    QString Name_Conf;    // the chosen project name

protected:
    void showEvent(QShowEvent *Event) override;

public:
    void FormShow();
};

extern QPointer<TFOpenConf> FOpenConf;
