#include "dropdowns/DropDownForm.h"
#include "dropdowns/DropDownEdit.h"
#include "platform/Colors.h"
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

QFrame *Make_DropDown_Form(VOdeCustomDropDown *Edit)
{
    auto *Form = new QFrame(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    Form->setAttribute(Qt::WA_ShowWithoutActivating);
    Form->setFrameShape(QFrame::Box);
    auto *L = new QVBoxLayout(Form);
    L->setContentsMargins(1, 1, 1, 1);
    L->setSpacing(0);
    THeaderAppearance &Header_Look = Edit->DropDownHeader();
    TFooterAppearance &Footer_Look = Edit->DropDownFooter();
    auto Bar = [&](TBarAppearance &Look, const TBarButtonCollection &Buttons, bool Header) {
        if (!Look.Visible())
            return;
        auto *B = new QFrame(Form);
        B->setAutoFillBackground(true);
        QPalette P = B->palette();
        P.setColor(QPalette::Window, To_QColor(Look.Color()));
        B->setPalette(P);
        B->setFixedHeight(Look.Height());
        auto *H = new QHBoxLayout(B);
        H->setContentsMargins(4, 0, 4, 0);
        auto *Caption = new QLabel(Look.Caption(), B);
        Caption->setTextFormat(Qt::RichText);
        H->addWidget(Caption, 1);
        for (int I = 0; I < Buttons.Count(); ++I) {
            const TBarButton &Def = Header ? static_cast<const TBarButton &>(Header_Look.Buttons().Items(I))
                                           : static_cast<const TBarButton &>(Footer_Look.Buttons().Items(I));
            auto *Btn = new QPushButton(Def.Caption(), B);
            Btn->setFocusPolicy(Qt::NoFocus);
            Btn->setEnabled(Def.Enabled());
            QObject::connect(Btn, &QPushButton::clicked, Edit, [Edit, Header, I] {
                const TDropDownButtonEvent &E =
                    Header ? Edit->OnDropDownHeaderButtonClick : Edit->OnDropDownFooterButtonClick;
                if (E)
                    E(Edit, I);
            });
            H->addWidget(Btn);
        }
        L->addWidget(B);
    };
    Bar(Header_Look, Header_Look.Buttons(), true);
    L->addStretch(1);
    Bar(Footer_Look, Footer_Look.Buttons(), false);
    Form->resize(std::max(Edit->width(), 120), 120);
    return Form;
}
