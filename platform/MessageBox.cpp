#include "platform/MessageBox.h"
#include <QApplication>
#include <QMessageBox>

namespace {
class TQtMessageBoxes : public IMessageBoxes
{
public:
    TMsgResult Show(QWidget *Parent, TMsgKind Kind, const QString &Caption, const QString &Text,
                    TMsgButtons Buttons) override
    {
        QMessageBox::Icon Icon = QMessageBox::NoIcon;
        switch (Kind) {
        case TMsgKind::mkError: Icon = QMessageBox::Critical; break;
        case TMsgKind::mkWarning: Icon = QMessageBox::Warning; break;
        case TMsgKind::mkInformation: Icon = QMessageBox::Information; break;
        case TMsgKind::mkConfirmation: Icon = QMessageBox::Question; break;
        }
        QMessageBox::StandardButtons B = QMessageBox::Ok;
        if (Buttons == TMsgButtons::mbYesNo)
            B = QMessageBox::Yes | QMessageBox::No;
        else if (Buttons == TMsgButtons::mbYesNoCancel)
            B = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        QMessageBox Box(Icon, Caption, Text, B, Parent ? Parent : QApplication::activeWindow());
        switch (Box.exec()) {
        case QMessageBox::Yes: return TMsgResult::mrYes;
        case QMessageBox::No: return TMsgResult::mrNo;
        case QMessageBox::Cancel: return TMsgResult::mrCancel;
        default:
            // Closing a question box with the title-bar button is not a Yes.
            return Buttons == TMsgButtons::mbOK ? TMsgResult::mrOK
                 : Buttons == TMsgButtons::mbYesNo ? TMsgResult::mrNo : TMsgResult::mrCancel;
        }
    }
};

TQtMessageBoxes Qt_Boxes;
IMessageBoxes *Current = nullptr;

QString Default_Caption(TMsgKind Kind, const QString &Caption)
{
    if (!Caption.isEmpty())
        return Caption;
    switch (Kind) {
    case TMsgKind::mkError: return QStringLiteral("Error");
    case TMsgKind::mkWarning: return QStringLiteral("Warning");
    case TMsgKind::mkInformation: return QStringLiteral("Information");
    case TMsgKind::mkConfirmation: return QStringLiteral("Confirm");
    }
    return QString();
}
} // namespace

IMessageBoxes &Message_Boxes() { return Current ? *Current : Qt_Boxes; }
void Set_Message_Boxes(IMessageBoxes *Boxes) { Current = Boxes; }

void Msg_Error(const QString &Text, QWidget *Parent, const QString &Caption)
{
    Message_Boxes().Show(Parent, TMsgKind::mkError, Default_Caption(TMsgKind::mkError, Caption), Text, TMsgButtons::mbOK);
}

void Msg_Warning(const QString &Text, QWidget *Parent, const QString &Caption)
{
    Message_Boxes().Show(Parent, TMsgKind::mkWarning, Default_Caption(TMsgKind::mkWarning, Caption), Text, TMsgButtons::mbOK);
}

void Msg_Info(const QString &Text, QWidget *Parent, const QString &Caption)
{
    Message_Boxes().Show(Parent, TMsgKind::mkInformation, Default_Caption(TMsgKind::mkInformation, Caption), Text,
                         TMsgButtons::mbOK);
}

bool Msg_Yes_No(const QString &Text, QWidget *Parent, const QString &Caption)
{
    return Message_Boxes().Show(Parent, TMsgKind::mkConfirmation, Default_Caption(TMsgKind::mkConfirmation, Caption), Text,
                                TMsgButtons::mbYesNo)
        == TMsgResult::mrYes;
}

TMsgResult Msg_Yes_No_Cancel(const QString &Text, QWidget *Parent, const QString &Caption)
{
    return Message_Boxes().Show(Parent, TMsgKind::mkConfirmation, Default_Caption(TMsgKind::mkConfirmation, Caption), Text,
                                TMsgButtons::mbYesNoCancel);
}

TMsgResult TFakeMessageBoxes::Show(QWidget *, TMsgKind Kind, const QString &Caption, const QString &Text,
                                   TMsgButtons Buttons)
{
    Shown.append({Kind, Caption, Text, Buttons});
    if (Buttons == TMsgButtons::mbOK)
        return TMsgResult::mrOK;
    if (!Answers.isEmpty())
        return Answers.takeFirst();
    return Default_Answer;
}

QStringList TFakeMessageBoxes::Texts() const
{
    QStringList L;
    for (const auto &S : Shown)
        L << S.Text;
    return L;
}
