#include "TestSupport.h"
#include "grid/base/ComboEdit.h"
#include "grid/base/DateTimePickerEdit.h"
#include "grid/base/EditBtn.h"
#include "grid/base/GridButtons.h"
#include "grid/base/SpinEdit.h"
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct TEditorShot {
    const char *Name;
    std::function<QWidget *(QWidget *Parent)> Make;
};

QWidget *Make_Spin(QWidget *P)
{
    auto *E = new ROruSpinEdit(P);
    E->setText("42");
    return E;
}

QWidget *Make_Spin_Horizontal(QWidget *P)
{
    auto *E = new ROruSpinEdit(P);
    E->Set_Direction(spHorizontal);
    E->Set_IsWinXP(true);
    E->setText("7");
    return E;
}

QWidget *Make_Edit_Btn(QWidget *P)
{
    auto *E = new ROruEditBtn(P);
    E->Set_ButtonCaption("...");
    E->setText("C:\\data");
    return E;
}

QWidget *Make_Unit_Edit(QWidget *P)
{
    auto *E = new ROruUnitEditBtn(P);
    E->Set_Units({"mm", "cm", "m"});
    E->Set_ButtonCaption("v");
    E->Set_TextAndUnit("12.5mm");
    return E;
}

// The default unit area is 20 pixels, sized for an 8-point Tahoma; "mm" in
// this platform's default font is wider and is cut at the area's edge. An
// owner with a wider font widens UnitSpace.
QWidget *Make_Unit_Edit_Wide(QWidget *P)
{
    auto *E = static_cast<ROruUnitEditBtn *>(Make_Unit_Edit(P));
    E->Set_UnitSpace(E->fontMetrics().horizontalAdvance(QStringLiteral("mm")) + 2);
    return E;
}

QWidget *Make_Combo(QWidget *P)
{
    auto *C = new ROruComboBox(P);
    C->Set_Style(csDropDownList);
    C->addItems({"Modbus RTU", "Modbus TCP"});
    return C;
}

QWidget *Make_Flat_Combo(QWidget *P)
{
    auto *C = new ROruComboBox(P);
    C->Set_Style(csDropDownList);
    C->Set_Flat(true);
    C->Set_FlatParentColor(false);
    C->Set_Color(clWhite);
    C->Set_FocusColor(0xE0FFFF);
    C->Set_BorderColor(0x808080);
    C->Set_FocusBorderColor(0xC56A31);
    C->ButtonColor = 0xEED2C1;
    C->ButtonBorderColor = 0xC56A31;
    C->ButtonTextColor = clBlack;
    C->addItems({"9600 baud", "19200 baud"});
    return C;
}

QWidget *Make_Grid_Button(QWidget *P)
{
    auto *B = new VOdeGridButton(P);
    B->Set_Look(2);
    B->Set_Caption("Find &next");
    B->setFocusPolicy(Qt::StrongFocus);
    return B;
}

QWidget *Make_Check_Box(QWidget *P)
{
    auto *C = new VOdeCheckBox(P);
    C->Set_Caption("&Match case");
    C->Set_Checked(true);
    return C;
}

QWidget *Make_Picker(QWidget *P)
{
    auto *D = new ROruDateTimePicker(P);
    D->Set_MetroStyle(true);
    D->Set_BorderColor(0x808080);
    D->Set_FocusBorderColor(0xC56A31);
    D->setDate(QDate(2026, 12, 10));
    return D;
}

const TEditorShot Shots[] = {
    {"spin_edit", Make_Spin},        {"spin_edit_horizontal", Make_Spin_Horizontal},
    {"edit_btn", Make_Edit_Btn},     {"unit_edit_btn", Make_Unit_Edit},
    {"unit_edit_btn_wide_unit_space", Make_Unit_Edit_Wide},
    {"combo", Make_Combo},           {"combo_flat_colours", Make_Flat_Combo},
    {"grid_button", Make_Grid_Button}, {"check_box", Make_Check_Box},
    {"date_picker_metro", Make_Picker},
};

// Every editor in its normal, focused and disabled states, one PNG each and
// an overview (scaled 2x) to look at.
TEST(EditorScreenshots, NormalFocusedDisabled)
{
    const int W = 170, H = 30;
    const int N = static_cast<int>(std::size(Shots));
    QImage Overview(3 * (W + 10) + 10, N * (H + 6) + 6, QImage::Format_RGB32);
    Overview.fill(Qt::white);
    QPainter Op(&Overview);
    for (int I = 0; I < N; ++I) {
        SCOPED_TRACE(Shots[I].Name);
        QWidget Form;
        Form.resize(W + 20, H + 10);
        QPalette Pal = Form.palette();
        Pal.setColor(QPalette::Window, To_QColor(clBtnFace));
        Form.setPalette(Pal);
        QWidget *E = Shots[I].Make(&Form);
        E->setGeometry(10, 5, W - 20, 22);
        auto *Other = new QWidget(&Form);
        Other->setFocusPolicy(Qt::StrongFocus);
        Other->setGeometry(0, 0, 1, 1);
        Form.show();
        QApplication::setActiveWindow(&Form);
        const char *States[] = {"normal", "focused", "disabled"};
        for (int S = 0; S < 3; ++S) {
            if (S == 0)
                Other->setFocus();
            if (S == 1)
                E->setFocus();
            if (S == 2) {
                Other->setFocus();
                E->setEnabled(false);
            }
            QCoreApplication::processEvents();
            const QString Path = Save_Screenshot(&Form, QStringLiteral("grid_controls_%1_%2").arg(Shots[I].Name, States[S]));
            const QImage Shot(Path);
            ASSERT_EQ(Shot.size(), Form.size());
            // the form's face around the editor, and the editor draws on its own rectangle
            EXPECT_EQ(Shot.pixelColor(Form.width() - 4, Form.height() / 2), To_QColor(clBtnFace));
            EXPECT_GT(Distinct_Colours(Shot, E->geometry()), 1);
            Op.drawPixmap(10 + S * (W + 10), 6 + I * (H + 6), Form.grab());
        }
    }
    Op.end();
    Overview.scaled(Overview.size() * 2).save(QDir(Test_Output_Dir()).filePath("grid_controls_overview.png"));
}
} // namespace
