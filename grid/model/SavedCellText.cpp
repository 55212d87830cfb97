#include "grid/model/SavedCellText.h"
#include "grid/model/MarkupText.h"
#include "grid/model/TextRoutines.h"

bool Is_Well_Formed_Markup(const QString &Text)
{
    bool Any = false;
    for (qsizetype I = 0; I < Text.size(); ++I) {
        if (Text[I] == u'>')
            continue;
        if (Text[I] != u'<')
            continue;
        if (I + 1 >= Text.size())
            return false;
        const QChar First = Text[I + 1];
        if (!First.isLetter() && First != u'/' && First != u'!')
            return false;
        const qsizetype Close = Text.indexOf(u'>', I + 1);
        const qsizetype NextOpen = Text.indexOf(u'<', I + 1);
        if (Close < 0 || (NextOpen >= 0 && NextOpen < Close))
            return false;
        Any = true;
        I = Close;
    }
    return Any;
}

QString Saved_Cell_Text(const QString &Value, bool KeepHTML, bool KeepRTF)
{
    switch (ClassifyCellText(Value, true)) {
    case ctMarkup:
        if (!KeepHTML && Is_Well_Formed_Markup(Value))
            return StripHTMLTags(Value);
        return Value;
    case ctRichText:
        if (KeepRTF) {
            QString S = Value;
            S.remove(u'\r');
            S.remove(u'\n');
            return S;
        }
        return Value;
    default:
        return Value;
    }
}
