#pragma once
// The least a drop-down editor offers its grid wrapper, as the drop-down
// family's base promises it: a value text without prefix and suffix, a direct
// and a formatting text setter, a popup that Alt+Down and Alt+Up open and
// close, and the edit's key, change and exit hooks. The calculator adds a
// pending "a+b" completed by CalcResult.
#include "toolkit/MaskEdit.h"
#include "platform/Keys.h"

class TStandInDropDown : public TCustomMaskEdit {
public:
    explicit TStandInDropDown(QWidget *Owner) : TCustomMaskEdit(Owner)
    {
        connect(this, &QLineEdit::textChanged, this, [this] { Change(); });
    }
    QString Prefix, Suffix;
    bool Open = false;
    int Changes = 0;
    std::vector<TKey> BaseKeys;   // keys the drop-down's own handling received
    QString Text() const
    {
        QString T = text();
        if (!Prefix.isEmpty() && T.startsWith(Prefix))
            T.remove(0, Prefix.size());
        if (!Suffix.isEmpty() && T.endsWith(Suffix))
            T.chop(Suffix.size());
        return T;
    }
    void SetTextDirect(const QString &V) { setText(V); }
    void Set_Text(const QString &V) { setText(Prefix + V + Suffix); }
    bool DroppedDown() const { return Open; }
    void KeyDown(TKey &Key, TShiftState Shift) override
    {
        BaseKeys.push_back(Key);
        if ((Key == VK_DOWN || Key == VK_UP) && Shift.Contains(ssAlt)) {
            Open = !Open;
            Key = 0;
        }
        // The open list takes the arrow keys.
        if (Open && (Key == VK_DOWN || Key == VK_UP))
            Key = 0;
    }
    void KeyPress(QChar &Key) override
    {
        if (Key == QChar(13))
            Key = QChar();
    }
    virtual void Change() { ++Changes; }
    void DoExit() override {}
    void CalcResult()
    {
        const QStringList P = text().split(u'+');
        if (P.size() == 2)
            setText(QString::number(P[0].toInt() + P[1].toInt()));
    }
};
