#pragma once
#include "controls/AppButton.h"
#include <QDialog>
class QFrame;
class QLabel;
class QSplitter;
class RIraRevadiVizo;
class TRichEdit;

// The template dialog of the MQTT topic editor: a multi-line editor for one
// Template or Input Template cell, with a legend of the keywords a template
// may hold (between dollar signs). The editor fills the fields and the text
// before showing it and takes the text back on OK; nothing is checked here.
class TFTopicTemplate : public QDialog
{
    Q_OBJECT
public:
    explicit TFTopicTemplate(QWidget *Parent = nullptr);

    // Set by the caller before every showing.
    int TopicTemplate = 0; // 1: a Template cell (title "Set Template", keyword legend); 0: an Input Template cell
    int Working_Mode = 1;
    int Pub_Sub = 0;       // 0 publish grid, 1 subscribe grid

    // Texts 1600 to 1608; at creation only.
    void Set_Lang();
    // Title lines for the kind of cell, the legend, the focus on the editor.
    void FormShow();
    // The legend for TopicTemplate: keyword cells editable, descriptions read-only.
    void Laod_Keywords();

    QFrame *P_Title = nullptr;
    QLabel *L_SW_Code = nullptr;
    QLabel *L_SW_Desc = nullptr;
    QSplitter *Splitter1 = nullptr;
    QFrame *Panel1 = nullptr;
    TRichEdit *RE_TopicTemplate = nullptr;
    QFrame *P_Legend = nullptr;
    QLabel *L_List_Keywords = nullptr;
    RIraRevadiVizo *SG_Keywords = nullptr;
    QFrame *P_Button = nullptr;
    TAppButton *Btn_OK = nullptr;
    TAppButton *Btn_Cancel = nullptr;

protected:
    void showEvent(QShowEvent *Event) override;
    void resizeEvent(QResizeEvent *Event) override;

private:
    void FormCreate();
};
