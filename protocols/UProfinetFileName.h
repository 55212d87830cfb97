#pragma once
#include <QDate>
#include <QDialog>
#include <QString>
class QFrame;
class QLabel;
class QLineEdit;
class TFxButton;

// The GSDML file name dialog: the fixed prefix, an optional user part and the
// date on which the dialog was created (the program's start) make the name of
// the PROFINET description file. OK builds the name in Name_File_XML.
class TFProfinetFileName : public QDialog
{
    Q_OBJECT
public:
    explicit TFProfinetFileName(QWidget *Parent = nullptr);

    // Texts 1800 to 1810; also run after a language switch.
    void Set_Lang();
    // Refuses a user part that would lead elsewhere ("/", "\", ".."), with
    // a message and the dialog left open; otherwise builds Name_File_XML
    // and closes with OK.
    void Btn_OKClick();

    // The file name built by the last OK.
    QString Name_File_XML;
    // The date fixed when the dialog was created.
    QDate Start_Date() const { return FStart_Date; }

    QFrame *P_Title = nullptr;
    QLabel *L_SW_Code = nullptr;
    QLabel *L_SW_Desc = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *L_XML_Fix1 = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *E_XML_User = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *L_XML_Fix2 = nullptr;
    QFrame *P_Button = nullptr;
    TFxButton *Btn_OK = nullptr;
    TFxButton *Btn_Cancel = nullptr;

private:
    void FormCreate();
    QDate FStart_Date;
};
