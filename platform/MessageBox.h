#pragma once
#include <QList>
#include <QString>
class QWidget;

// Every message box of the program goes through this layer, so that tests
// can answer and record them instead of a person.

enum class TMsgKind { mkError, mkWarning, mkInformation, mkConfirmation };
enum class TMsgButtons { mbOK, mbYesNo, mbYesNoCancel };
// The scoped names cannot be mistaken for the modal-result constants of the
// same spelling, so the shadowing warning says nothing here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow"
enum class TMsgResult { mrOK, mrYes, mrNo, mrCancel };
#pragma GCC diagnostic pop

class IMessageBoxes
{
public:
    virtual ~IMessageBoxes() = default;
    virtual TMsgResult Show(QWidget *Parent, TMsgKind Kind, const QString &Caption, const QString &Text,
                            TMsgButtons Buttons) = 0;
};

IMessageBoxes &Message_Boxes();
// Installs a message-box service (not owned); nullptr restores the real one.
void Set_Message_Boxes(IMessageBoxes *Boxes);

// The configurator's usual boxes. Caption empty: the kind's usual caption.
void Msg_Error(const QString &Text, QWidget *Parent = nullptr, const QString &Caption = QString());
void Msg_Warning(const QString &Text, QWidget *Parent = nullptr, const QString &Caption = QString());
void Msg_Info(const QString &Text, QWidget *Parent = nullptr, const QString &Caption = QString());
// True only for Yes.
bool Msg_Yes_No(const QString &Text, QWidget *Parent = nullptr, const QString &Caption = QString());
TMsgResult Msg_Yes_No_Cancel(const QString &Text, QWidget *Parent = nullptr, const QString &Caption = QString());

// Records every box and answers from a queue (then with Default_Answer, or
// OK for a box that has only OK). Install with TMessageBoxGuard.
class TFakeMessageBoxes : public IMessageBoxes
{
public:
    struct TShown
    {
        TMsgKind Kind;
        QString Caption;
        QString Text;
        TMsgButtons Buttons;
    };
    QList<TShown> Shown;
    QList<TMsgResult> Answers;
    TMsgResult Default_Answer = TMsgResult::mrYes;

    TMsgResult Show(QWidget *Parent, TMsgKind Kind, const QString &Caption, const QString &Text,
                    TMsgButtons Buttons) override;
    // Texts of all boxes shown, in order.
    QStringList Texts() const;
};

class TMessageBoxGuard
{
public:
    explicit TMessageBoxGuard(IMessageBoxes *Boxes) { Set_Message_Boxes(Boxes); }
    ~TMessageBoxGuard() { Set_Message_Boxes(nullptr); }
    TMessageBoxGuard(const TMessageBoxGuard &) = delete;
    TMessageBoxGuard &operator=(const TMessageBoxGuard &) = delete;
};
