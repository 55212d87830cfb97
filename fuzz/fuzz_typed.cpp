// Values typed into the drop-down editors: classification, separators,
// hexadecimal, and the edit's value rules (formatting, paste, typing) for
// every edit type over the same text.
#include "FuzzSupport.h"
#include "dropdowns/DropDownText.h"
#include "dropdowns/DropDownValue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    const QString Text = Fuzz_Text(Data, Size);
    (void)ClassifyValueText(Text);
    (void)StripThousandSeparators(Text).size();
    (void)HexToInt(Text);
    (void)CaseKey(Text, false).size();
    (void)DropDown_Decimal_Text(Text, 2, true).size();
    (void)DropDown_TextToFloat(Text);
    for (int T = etString; T <= etValidChars; ++T) {
        TDropDownValue V;
        V.S.EditType = static_cast<TDropDownEditType>(T);
        V.S.Precision = 2;
        V.S.Signed = true;
        V.S.Prefix = QStringLiteral("$");
        V.S.ValidChars = QStringLiteral("0123456789ab");
        V.SetText(Text);
        V.E.SelStart = 1;
        V.E.SelLength = 0;
        (void)V.Paste(Text);
        V.SetTextDirect(QString());
        // Typed one character at a time; the selection stays inside the text.
        for (QChar Ch : Text.left(64)) {
            bool Whole = false;
            if (V.Filter_Char(Ch, false, false, Whole) != crPass)
                continue;
            V.Insert_Char(Ch);
            V.After_Pass(Ch, V.E.SelStart);
            if (V.E.SelStart < 0 || V.E.SelStart + V.E.SelLength > V.E.Text.size())
                __builtin_trap();
        }
        (void)V.GetFloatValue();
        V.AutoSeparators();
    }
    return 0;
}
