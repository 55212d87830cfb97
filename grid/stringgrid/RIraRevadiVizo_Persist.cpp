// Layout persistence: the column-states text, the visual-properties file and
// the print-settings INI section. Every reader checks the whole input first
// and applies it all or not at all; sizes from a file are bounded; files are
// written whole (a failed write leaves the old file).
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/model/TextRoutines.h"
#include "grid/model/GridLayout.h"
#include "platform/AtomicFile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <climits>
#include <functional>
#include <stdexcept>

// --- column states ----------------------------------------------------------------------------------

QString RIraRevadiVizo::ColumnStatesToString()
{
    TColumnStates S;
    S.Count = TotalColCount();
    for (int I = 0; I < S.Count; ++I)
        S.Widths.push_back(I < ColCount() ? ColWidths(I) : DefaultColWidth());
    S.Order = FColumnOrder;
    for (int I = 0; I < S.Count; ++I)
        S.Visible.push_back(!IsHiddenColumn(I));
    return Column_States_To_String(S);
}

bool RIraRevadiVizo::StringToColumnStates(const QString &Value)
{
    if (!Value.contains(QLatin1Char('#')))
        return false;
    TColumnStates S;
    if (!Parse_Column_States(Value, S))
        return false;
    BeginUpdate();
    UnHideColumnsAll();
    Set_ColCount(S.Count);
    if (!S.Order.empty())
        Apply_Column_Order(S.Order);
    else
        FColumnOrder.clear();
    Hide_Columns_Where(S.Visible);
    const bool Stretch = ColumnSize().Stretch();
    if (Stretch) {
        ColumnSize().Set_Stretch(false);
        const int SC = ColumnSize().StretchColumn() == -1 ? ColCount() - 1 : ColumnSize().StretchColumn();
        if (SC >= 0 && SC < ColCount())
            Set_DefaultColWidth(ColWidths(SC));
    }
    Set_ColWidths_All(S.Widths);
    if (Stretch)
        ColumnSize().Set_Stretch(true);
    EndUpdate();
    return true;
}

// --- column widths and order in an INI file ------------------------------------------------------

// The INI file of ColumnSize: Key itself, or for the per-user store (which a
// Windows grid keeps in the registry) a file named after the key in the
// user's settings folder.
QString RIraRevadiVizo::Column_Store_Path() const
{
    const TColumnSize &CS = const_cast<RIraRevadiVizo *>(this)->ColumnSize();
    if (CS.Location() == clIniFile)
        return CS.Key();
    QString Name = CS.Key();
    Name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (Name.startsWith(QLatin1Char('/')))
        Name.remove(0, 1);
    Name.replace(QStringLiteral(".."), QStringLiteral("_"));
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/registry/") + Name
           + QStringLiteral(".ini");
}

namespace {
TIniData Read_Ini(const QString &Path)
{
    QFile In(Path);
    if (!In.open(QIODevice::ReadOnly))
        return {};
    return TIniData::Parse(In.read(1 << 22));
}

void Write_Ini(const QString &Path, const TIniData &Ini)
{
    QDir().mkpath(QFileInfo(Path).absolutePath());
    if (!Write_File_Atomic(Path, Ini.Serialize()))
        throw std::runtime_error(("Cannot Create " + Path).toStdString());
}
} // namespace

void RIraRevadiVizo::SaveColSizes()
{
    if (ColumnSize().Key().isEmpty() || ColumnSize().Section().isEmpty())
        return;
    const QString Path = Column_Store_Path();
    TIniData Ini = Read_Ini(Path);
    for (int I = 0; I < ColCount(); ++I)
        Ini.Write(ColumnSize().Section(), QStringLiteral("Col%1").arg(I), QString::number(ColWidths(I)));
    Write_Ini(Path, Ini);
}

void RIraRevadiVizo::LoadColSizes()
{
    if (ColumnSize().Key().isEmpty() || ColumnSize().Section().isEmpty())
        return;
    const TIniData Ini = Read_Ini(Column_Store_Path());
    // Checked whole first: one damaged width keeps every width as it is.
    std::vector<int> Widths;
    for (int I = 0; I < ColCount(); ++I) {
        int W = ColWidths(I);
        const QString Key = QStringLiteral("Col%1").arg(I);
        if (Ini.Has(ColumnSize().Section(), Key)
            && !Text_To_Bounded_Int(Ini.Read(ColumnSize().Section(), Key), 0, Layout_Max_Size, W))
            return;
        Widths.push_back(W);
    }
    for (int I = 0; I < ColCount(); ++I)
        if (ColWidths(I) != Widths[static_cast<size_t>(I)])
            Set_ColWidths(I, Widths[static_cast<size_t>(I)]);
}

void RIraRevadiVizo::SaveColPositions()
{
    if (ColumnSize().Key().isEmpty() || ColumnSize().Section().isEmpty() || FColumnOrder.empty())
        return;
    const QString Path = Column_Store_Path();
    TIniData Ini = Read_Ini(Path);
    for (size_t I = 0; I < FColumnOrder.size(); ++I)
        Ini.Write(ColumnSize().Section(), QStringLiteral("Pos%1").arg(I), QString::number(FColumnOrder[I]));
    Write_Ini(Path, Ini);
}

void RIraRevadiVizo::LoadColPositions()
{
    if (ColumnSize().Key().isEmpty() || ColumnSize().Section().isEmpty())
        return;
    const TIniData Ini = Read_Ini(Column_Store_Path());
    const QString Sec = ColumnSize().Section();
    if (!Ini.Has(Sec, QStringLiteral("Pos0")))
        return;
    const int All = TotalColCount();
    std::vector<int> Order;
    std::vector<char> Seen(static_cast<size_t>(All), 0);
    for (int I = 0; I < All; ++I) {
        const QString Key = QStringLiteral("Pos%1").arg(I);
        if (!Ini.Has(Sec, Key))
            continue;
        int V = 0;
        // Positions that do not name every column once are refused whole.
        if (!Text_To_Bounded_Int(Ini.Read(Sec, Key), 0, All - 1, V) || Seen[static_cast<size_t>(V)]++)
            return;
        Order.push_back(V);
    }
    if (static_cast<int>(Order.size()) != All)
        return;
    std::vector<int> Hidden;
    for (int C = 0; C < All; ++C)
        if (IsHiddenColumn(C))
            Hidden.push_back(C);
    BeginUpdate();
    UnHideColumnsAll();
    Apply_Column_Order(Order);
    for (auto It = Hidden.rbegin(); It != Hidden.rend(); ++It)
        HideColumn(*It);
    EndUpdate();
}

// --- visual properties ---------------------------------------------------------------------------

namespace {
enum TForm { vfColor, vfBool, vfInt, vfStyle, vfText, vfName };

struct TEntry {
    TEntry(const QString &AKey, TForm AForm, int AMin = 0, int AMax = 0, QStringList ANames = {})
        : Key(AKey), Form(AForm), Min(AMin), Max(AMax), Names(std::move(ANames))
    {
    }
    QString Key;
    TForm Form;
    int Min;
    int Max;
    QStringList Names;   // vfName
};

// Keys in the order the file is written.
const std::vector<TEntry> &Entries()
{
    static const std::vector<TEntry> Table = [] {
        std::vector<TEntry> T;
        auto C = [&](const char *K) { T.emplace_back(QString::fromLatin1(K), vfColor); };
        auto B = [&](const char *K) { T.emplace_back(QString::fromLatin1(K), vfBool); };
        auto I = [&](const char *K, int Min, int Max) { T.emplace_back(QString::fromLatin1(K), vfInt, Min, Max); };
        auto N = [&](const char *K, QStringList Names) {
            T.emplace_back(QString::fromLatin1(K), vfName, 0, 0, std::move(Names));
        };
        auto Font = [&](const char *Prefix) {
            const QString P = QString::fromLatin1(Prefix);
            T.emplace_back(P + QStringLiteral(".Color"), vfColor);
            T.emplace_back(P + QStringLiteral(".Style"), vfStyle);
            T.emplace_back(P + QStringLiteral(".Size"), vfInt, 1, 1638);
            T.emplace_back(P + QStringLiteral(".Name"), vfText);
        };
        C("Color");
        C("HintColor");
        for (const char *K : {"SelectionColor", "SelectionColorTo", "SelectionMirrorColor", "SelectionMirrorColorTo",
                              "SelectionTextColor", "URLColor"})
            C(K);
        B("URLShow");
        B("URLShowInText");
        C("ScrollColor");
        C("ActiveRowColor");
        B("ActiveRowShow");
        B("ActiveCellShow");
        Font("Font");
        C("ActiveCellColor");
        C("ActiveCellColorTo");
        Font("ActiveCellFont");
        Font("FixedFont");
        C("Balloon.BackgroundColor");
        C("Balloon.TextColor");
        I("Balloon.Transparency", 0, 255);
        C("Bands.PrimaryColor");
        C("Bands.SecondaryColor");
        B("Bands.Active");
        C("SortSettings.IndexColor");
        C("FloatingFooter.Color");
        I("ControlLook.CheckSize", 0, 1000);
        I("ControlLook.RadioSize", 0, 1000);
        C("ControlLook.Color");
        C("ControlLook.CommentColor");
        N("ControlLook.ControlStyle", {"csClassic", "csFlat", "csWinXP", "csCorvan", "csQel", "csGlyph", "csTheme"});
        C("ControlLook.FixedGradientFrom");
        C("ControlLook.FixedGradientTo");
        B("ControlLook.FlatButton");
        B("ControlLook.ProgressXP");
        C("ControlLook.ProgressBorderColor");
        N("Look", {"glStandard", "glSoft", "glClassic", "glQel", "glXP", "glListView", "glVista", "glWin7", "glOffice2007"});
        C("SearchFooter.Color");
        C("SearchFooter.ColorTo");
        for (const char *K : {"Grouping.HeaderColor", "Grouping.HeaderColorTo", "Grouping.HeaderTextColor",
                              "Grouping.HeaderLineColor"})
            C(K);
        B("Grouping.HeaderUnderline");
        I("Grouping.HeaderLineWidth", 0, 1000);
        for (const char *K : {"Grouping.SummaryColor", "Grouping.SummaryColorTo", "Grouping.SummaryTextColor",
                              "Grouping.SummaryLineColor"})
            C(K);
        B("Grouping.SummaryLine");
        I("Grouping.SummaryLineWidth", 0, 1000);
        C("GridLineColor");
        C("GridFixedLineColor");
        I("BackGround.Top", -Layout_Max_Size, Layout_Max_Size);
        I("BackGround.Left", -Layout_Max_Size, Layout_Max_Size);
        N("BackGround.Display", {"bdTile", "bdFixed", "bdGradientHorz", "bdGradientVert"});
        N("BackGround.Cells", {"bcNormal", "bcFixed", "bcAll"});
        C("BackGround.Color");
        C("BackGround.ColorTo");
        return T;
    }();
    return Table;
}

TGridLook Look_Of(const QString &Name, TGridLook Current)
{
    static const std::pair<const char *, TGridLook> Looks[] = {
        {"glStandard", glStandard}, {"glSoft", glSoft}, {"glClassic", glClassic}, {"glQel", glQel}, {"glXP", glXP},
        {"glListView", glListView}, {"glVista", glVista}, {"glWin7", glWin7}, {"glOffice2007", glOffice2007}};
    for (const auto &[N, L] : Looks)
        if (Name.compare(QLatin1String(N), Qt::CaseInsensitive) == 0)
            return L;
    return Current;
}

QString Look_Name(TGridLook Look)
{
    switch (Look) {
    case glStandard: return QStringLiteral("glStandard");
    case glSoft: return QStringLiteral("glSoft");
    case glClassic: return QStringLiteral("glClassic");
    case glQel: return QStringLiteral("glQel");
    case glXP: return QStringLiteral("glXP");
    case glListView: return QStringLiteral("glListView");
    case glVista: return QStringLiteral("glVista");
    case glWin7: return QStringLiteral("glWin7");
    case glOffice2007: return QStringLiteral("glOffice2007");
    default: return QString();
    }
}
} // namespace

// The grid's own settings behind the keys; keys not listed here are kept in
// FVisualValues.
struct TVisualEntryTable {
    using TGet = std::function<QString()>;
    using TSet = std::function<void(const QString &)>;
    static std::map<QString, std::pair<TGet, TSet>> Make(RIraRevadiVizo &G)
    {
        std::map<QString, std::pair<TGet, TSet>> M;
        auto Color = [&](const char *Key, std::function<TColor()> Get, std::function<void(TColor)> Set) {
            M[QString::fromLatin1(Key)] = {[Get] { return Color_To_Text(Get()); }, [Set](const QString &V) {
                                               TColor C = clNone;
                                               Text_To_Color(V, C);
                                               Set(C);
                                           }};
        };
        auto Bool = [&](const char *Key, std::function<bool()> Get, std::function<void(bool)> Set) {
            M[QString::fromLatin1(Key)] = {[Get] { return Get() ? QStringLiteral("true") : QStringLiteral("false"); },
                                           [Set](const QString &V) { Set(Text_To_Bool(V)); }};
        };
        auto Int = [&](const char *Key, std::function<int()> Get, std::function<void(int)> Set) {
            M[QString::fromLatin1(Key)] = {[Get] { return QString::number(Get()); },
                                           [Set](const QString &V) { Set(V.trimmed().toInt()); }};
        };
        auto Font = [&](const QString &Prefix, std::function<TFont()> Get, std::function<void(const TFont &)> Set) {
            M[Prefix + QStringLiteral(".Color")] = {[Get] { return Color_To_Text(Get().Color); }, [Get, Set](const QString &V) {
                                                        TFont F = Get();
                                                        Text_To_Color(V, F.Color);
                                                        Set(F);
                                                    }};
            M[Prefix + QStringLiteral(".Style")] = {[Get] { return Font_Style_To_Text(Get().Style.Bits()); },
                                                    [Get, Set](const QString &V) {
                                                        TFont F = Get();
                                                        F.Style = TFontStyles::From_Bits(Text_To_Font_Style(V));
                                                        Set(F);
                                                    }};
            M[Prefix + QStringLiteral(".Size")] = {[Get] { return QString::number(Get().Size); }, [Get, Set](const QString &V) {
                                                       TFont F = Get();
                                                       F.Size = V.trimmed().toInt();
                                                       Set(F);
                                                   }};
            M[Prefix + QStringLiteral(".Name")] = {[Get] { return Get().Name; }, [Get, Set](const QString &V) {
                                                       TFont F = Get();
                                                       F.Name = V;
                                                       Set(F);
                                                   }};
        };
        RIraRevadiVizo *P = &G;
        Color("Color", [P] { return P->Color(); }, [P](TColor C) { P->Set_Color(C); });
        Color("HintColor", [P] { return P->HintColor(); }, [P](TColor C) { P->FHintColor = C; });
        Color("SelectionColor", [P] { return P->SelectionColor(); }, [P](TColor C) { P->Set_SelectionColor(C); });
        Color("SelectionColorTo", [P] { return P->SelectionColorTo(); }, [P](TColor C) { P->Set_SelectionColorTo(C); });
        Color("SelectionMirrorColor", [P] { return P->SelectionMirrorColor(); }, [P](TColor C) { P->Set_SelectionMirrorColor(C); });
        Color("SelectionMirrorColorTo", [P] { return P->SelectionMirrorColorTo(); }, [P](TColor C) { P->Set_SelectionMirrorColorTo(C); });
        Color("SelectionTextColor", [P] { return P->SelectionTextColor(); }, [P](TColor C) { P->Set_SelectionTextColor(C); });
        Color("URLColor", [P] { return P->URLColor(); }, [P](TColor C) { P->Set_URLColor(C); });
        Color("ScrollColor", [P] { return P->ScrollColor(); }, [P](TColor C) { P->Set_ScrollColor(C); });
        Color("ActiveRowColor", [P] { return P->ActiveRowColor(); }, [P](TColor C) { P->Set_ActiveRowColor(C); });
        Bool("ActiveRowShow", [P] { return P->ActiveRowShow(); }, [P](bool V) { P->Set_ActiveRowShow(V); });
        Bool("ActiveCellShow", [P] { return P->ActiveCellShow(); }, [P](bool V) { P->Set_ActiveCellShow(V); });
        Font(QStringLiteral("Font"), [P] { return P->Font(); }, [P](const TFont &F) { P->Set_Font(F); });
        Color("ActiveCellColor", [P] { return P->ActiveCellColor(); }, [P](TColor C) { P->Set_ActiveCellColor(C); });
        Color("ActiveCellColorTo", [P] { return P->ActiveCellColorTo(); }, [P](TColor C) { P->Set_ActiveCellColorTo(C); });
        Font(QStringLiteral("ActiveCellFont"), [P] { return P->ActiveCellFont(); }, [P](const TFont &F) { P->Set_ActiveCellFont(F); });
        Font(QStringLiteral("FixedFont"), [P] { return P->FixedFont(); }, [P](const TFont &F) { P->Set_FixedFont(F); });
        Color("Bands.PrimaryColor", [P] { return P->Bands().PrimaryColor(); }, [P](TColor C) { P->Bands().Set_PrimaryColor(C); });
        Color("Bands.SecondaryColor", [P] { return P->Bands().SecondaryColor(); }, [P](TColor C) { P->Bands().Set_SecondaryColor(C); });
        Bool("Bands.Active", [P] { return P->Bands().Active(); }, [P](bool V) { P->Bands().Set_Active(V); });
        Color("FloatingFooter.Color", [P] { return P->FFloatingFooter.Color; }, [P](TColor C) { P->FFloatingFooter.Color = C; });
        M[QStringLiteral("Look")] = {[P] { return Look_Name(P->Look()); },
                                     [P](const QString &V) { P->Set_Look(Look_Of(V, P->Look())); }};
        TGrouping &Gr = G.FGrouping;
        Color("Grouping.HeaderColor", [&Gr] { return Gr.HeaderColor; }, [&Gr](TColor C) { Gr.HeaderColor = C; });
        Color("Grouping.HeaderColorTo", [&Gr] { return Gr.HeaderColorTo; }, [&Gr](TColor C) { Gr.HeaderColorTo = C; });
        Color("Grouping.HeaderTextColor", [&Gr] { return Gr.HeaderTextColor; }, [&Gr](TColor C) { Gr.HeaderTextColor = C; });
        Color("Grouping.HeaderLineColor", [&Gr] { return Gr.HeaderLineColor; }, [&Gr](TColor C) { Gr.HeaderLineColor = C; });
        Bool("Grouping.HeaderUnderline", [&Gr] { return Gr.HeaderUnderline; }, [&Gr](bool V) { Gr.HeaderUnderline = V; });
        Int("Grouping.HeaderLineWidth", [&Gr] { return Gr.HeaderLineWidth; }, [&Gr](int V) { Gr.HeaderLineWidth = V; });
        Color("Grouping.SummaryColor", [&Gr] { return Gr.SummaryColor; }, [&Gr](TColor C) { Gr.SummaryColor = C; });
        Color("Grouping.SummaryColorTo", [&Gr] { return Gr.SummaryColorTo; }, [&Gr](TColor C) { Gr.SummaryColorTo = C; });
        Color("Grouping.SummaryTextColor", [&Gr] { return Gr.SummaryTextColor; }, [&Gr](TColor C) { Gr.SummaryTextColor = C; });
        Color("Grouping.SummaryLineColor", [&Gr] { return Gr.SummaryLineColor; }, [&Gr](TColor C) { Gr.SummaryLineColor = C; });
        Bool("Grouping.SummaryLine", [&Gr] { return Gr.SummaryLine; }, [&Gr](bool V) { Gr.SummaryLine = V; });
        Int("Grouping.SummaryLineWidth", [&Gr] { return Gr.SummaryLineWidth; }, [&Gr](int V) { Gr.SummaryLineWidth = V; });
        // A named setting is written as its name in the key's list (the list
        // follows the enumeration's order).
        auto Name = [&](const char *Key, std::function<int()> Get, std::function<void(int)> Set) {
            const QString K = QString::fromLatin1(Key);
            const auto E = std::find_if(Entries().begin(), Entries().end(), [&](const TEntry &X) { return X.Key == K; });
            const QStringList Names = E->Names;
            M[K] = {[Get, Names] {
                        const int I = Get();
                        return I >= 0 && I < Names.size() ? Names[I] : QString();
                    },
                    [Set, Names](const QString &V) {
                        for (int I = 0; I < Names.size(); ++I)
                            if (Names[I].compare(V.trimmed(), Qt::CaseInsensitive) == 0)
                                Set(I);
                    }};
        };
        Bool("URLShow", [P] { return P->URLShow(); }, [P](bool V) { P->Set_URLShow(V); });
        Bool("URLShowInText", [P] { return P->URLShowInText(); }, [P](bool V) { P->Set_URLShowInText(V); });
        Color("SortSettings.IndexColor", [P] { return P->FSortSettings.IndexColor; },
              [P](TColor C) { P->FSortSettings.IndexColor = C; P->Invalidate(); });
        TControlLook &L = G.FControlLook;
        Int("ControlLook.CheckSize", [&L] { return L.CheckSize; }, [&L](int V) { L.Set_CheckSize(V); });
        Int("ControlLook.RadioSize", [&L] { return L.RadioSize; }, [&L](int V) { L.Set_RadioSize(V); });
        Color("ControlLook.Color", [&L] { return L.Color; }, [&L](TColor C) { L.Set_Color(C); });
        Color("ControlLook.CommentColor", [&L] { return L.CommentColor; }, [&L](TColor C) { L.Set_CommentColor(C); });
        Name("ControlLook.ControlStyle", [&L] { return static_cast<int>(L.ControlStyle); },
             [&L](int V) { L.Set_ControlStyle(static_cast<TControlStyle>(V)); });
        Color("ControlLook.FixedGradientFrom", [&L] { return L.Fixed().From; }, [&L](TColor C) { L.Set_FixedGradientFrom(C); });
        Color("ControlLook.FixedGradientTo", [&L] { return L.Fixed().To; }, [&L](TColor C) { L.Set_FixedGradientTo(C); });
        Bool("ControlLook.FlatButton", [&L] { return L.FlatButton; }, [&L](bool V) { L.Set_FlatButton(V); });
        Bool("ControlLook.ProgressXP", [&L] { return L.ProgressXP; }, [&L](bool V) { L.Set_ProgressXP(V); });
        Color("ControlLook.ProgressBorderColor", [&L] { return L.ProgressBorderColor; },
              [P, &L](TColor C) { L.ProgressBorderColor = C; P->Invalidate(); });
        TSearchFooter &SF = G.FSearchFooter;
        Color("SearchFooter.Color", [&SF] { return SF.Color(); }, [&SF](TColor C) { SF.Set_Color(C); });
        Color("SearchFooter.ColorTo", [&SF] { return SF.ColorTo(); }, [&SF](TColor C) { SF.Set_ColorTo(C); });
        // The background's parts are set together, so that the grid repaints once per part.
        auto Back = [P](const std::function<void(TBackGround &)> &Change) {
            TBackGround B = P->FBackGround;
            Change(B);
            P->Set_BackGround(B);
        };
        Int("BackGround.Top", [P] { return P->FBackGround.Top; }, [Back](int V) { Back([V](TBackGround &B) { B.Top = V; }); });
        Int("BackGround.Left", [P] { return P->FBackGround.Left; }, [Back](int V) { Back([V](TBackGround &B) { B.Left = V; }); });
        Name("BackGround.Display", [P] { return static_cast<int>(P->FBackGround.Display); },
             [Back](int V) { Back([V](TBackGround &B) { B.Display = static_cast<TBackGroundDisplay>(V); }); });
        Name("BackGround.Cells", [P] { return static_cast<int>(P->FBackGround.Cells); },
             [Back](int V) { Back([V](TBackGround &B) { B.Cells = static_cast<TBackGroundCells>(V); }); });
        Color("BackGround.Color", [P] { return P->FBackGround.Color; },
              [Back](TColor C) { Back([C](TBackGround &B) { B.Color = C; }); });
        Color("BackGround.ColorTo", [P] { return P->FBackGround.ColorTo; },
              [Back](TColor C) { Back([C](TBackGround &B) { B.ColorTo = C; }); });
        Color("GridLineColor", [P] { return P->GridLineColor(); }, [P](TColor C) { P->Set_GridLineColor(C); });
        Color("GridFixedLineColor", [P] { return P->GridFixedLineColor(); }, [P](TColor C) { P->Set_GridFixedLineColor(C); });
        return M;
    }
};

QString RIraRevadiVizo::VisualValue(const QString &Key) const
{
    auto It = FVisualValues.find(Key.toUpper());
    return It == FVisualValues.end() ? QString() : It->second;
}

void RIraRevadiVizo::SaveVisualProps(const QString &FileName)
{
    const auto Own = TVisualEntryTable::Make(*this);
    std::vector<std::pair<QString, QString>> Lines;
    for (const TEntry &E : Entries()) {
        const QString Key = E.Key;
        auto It = Own.find(Key);
        QString Value;
        if (It != Own.end())
            Value = It->second.first();
        else if (auto V = FVisualValues.find(Key.toUpper()); V != FVisualValues.end())
            Value = V->second;
        else if (E.Form == vfColor)
            Value = Color_To_Text(clNone);
        else if (E.Form == vfBool)
            Value = QStringLiteral("false");
        else if (E.Form == vfInt)
            Value = QString::number(E.Min > 0 ? E.Min : 0);
        Lines.emplace_back(Key, Value);
    }
    if (!Write_File_Atomic(FileName, Write_Key_Values(Lines)))
        throw std::runtime_error(("Cannot Create " + FileName).toStdString());
}

void RIraRevadiVizo::LoadVisualProps(const QString &FileName)
{
    QFile F(FileName);
    if (!F.open(QIODevice::ReadOnly))
        throw std::runtime_error(("Cannot open file " + FileName).toStdString());
    const std::map<QString, QString> Map = Read_Key_Values(F.read(1 << 20));
    F.close();
    // Every value is checked before any is applied: a damaged file changes nothing.
    std::vector<std::pair<const TEntry *, QString>> Values;
    for (const TEntry &E : Entries()) {
        const QString Key = E.Key.toUpper();
        auto It = Map.find(Key);
        const QString V = It == Map.end() ? QString() : It->second;
        TColor C = 0;
        int I = 0;
        switch (E.Form) {
        case vfColor:
            if (!Text_To_Color(V, C))
                throw EConvertError(QStringLiteral("'%1' is not a valid colour for %2").arg(V, E.Key).toStdString());
            break;
        case vfInt:
            if (!Text_To_Bounded_Int(V, E.Min, E.Max, I))
                throw EConvertError(QStringLiteral("'%1' is not a valid value for %2").arg(V, E.Key).toStdString());
            break;
        default: break;
        }
        Values.emplace_back(&E, V);
    }
    // A look sets a whole family of colours; it goes first so that the
    // colours saved beside it are the ones the grid ends up with.
    std::stable_partition(Values.begin(), Values.end(),
                          [](const auto &Item) { return Item.first->Key == QLatin1String("Look"); });
    const auto Own = TVisualEntryTable::Make(*this);
    for (const auto &[E, V] : Values) {
        const QString Key = E->Key;
        if (E->Form == vfName) {
            // A name outside the list, or none, leaves the setting as it is.
            // (The name is copied out of the binding: a lambda may not capture one under clang 14.)
            const QString Name = V.trimmed();
            const bool Known = std::any_of(E->Names.begin(), E->Names.end(),
                                           [&](const QString &N) { return N.compare(Name, Qt::CaseInsensitive) == 0; });
            if (!Known)
                continue;
        }
        if (auto It = Own.find(Key); It != Own.end())
            It->second.second(V);
        else {
            QString Kept = V;
            TColor C = clNone;
            if (E->Form == vfBool)
                Kept = Text_To_Bool(V) ? QStringLiteral("true") : QStringLiteral("false");
            else if (E->Form == vfColor && Text_To_Color(V, C))
                Kept = Color_To_Text(C);
            else if (E->Form == vfInt)
                Kept = QString::number(V.trimmed().toInt());
            FVisualValues[Key.toUpper()] = Kept;
        }
    }
    Invalidate();
}

// --- print settings --------------------------------------------------------------------------------------

namespace {
QString YN(bool V) { return V ? QStringLiteral("Y") : QStringLiteral("N"); }

// Font style bits as the print-settings file counts them.
unsigned Style_Bits(const TFont &F) { return F.Style.Bits(); }
} // namespace

void RIraRevadiVizo::SavePrintSettings(const QString &Key, const QString &Section)
{
    QFile In(Key);
    TIniData Ini;
    if (In.open(QIODevice::ReadOnly))
        Ini = TIniData::Parse(In.read(1 << 22));
    In.close();
    const TPrintSettings &P = FPrintSettings;
    auto W = [&](const char *K, const QString &V) { Ini.Write(Section, QString::fromLatin1(K), V); };
    auto N = [&](const char *K, long long V) { W(K, QString::number(V)); };
    N("ColumnSpacing", P.ColumnSpacing);
    N("RowSpacing", P.RowSpacing);
    N("TitleSpacing", P.TitleSpacing);
    N("FixedHeight", P.FixedHeight);
    N("FixedWidth", P.FixedWidth);
    W("Centered", YN(P.Centered));
    W("NoAutoSize", YN(P.NoAutoSize));
    W("UseFixedHeight", YN(P.UseFixedHeight));
    W("UseFixedWidth", YN(P.UseFixedWidth));
    W("RepeatFixedRows", YN(P.RepeatFixedRows));
    W("RepeatFixedCols", YN(P.RepeatFixedCols));
    W("UseDisplFont", YN(P.UseDisplayFont));
    W("UseDefOrientation", YN(P.UseDefaultOrientation));
    N("Borders", P.Borders);
    N("BorderColor", static_cast<quint32>(P.BorderColor));
    N("BorderStyle", P.BorderStyle);
    N("Date", P.Date);
    N("PageNr", P.PageNr);
    N("Title", P.Title);
    N("Time", P.Time);
    W("DateFormat", P.DateFormat);
    W("TitleText", EscapeNewlines(P.TitleText));
    N("FooterSize", P.FooterSize);
    N("HeaderSize", P.HeaderSize);
    N("LeftSize", P.LeftSize);
    N("RightSize", P.RightSize);
    N("FitToPage", P.FitToPage);
    auto Font = [&](const char *Prefix, const TFont &F) {
        const QString Pre = QString::fromLatin1(Prefix);
        Ini.Write(Section, Pre + QStringLiteral("Name"), F.Name);
        Ini.Write(Section, Pre + QStringLiteral("Size"), QString::number(F.Size));
        Ini.Write(Section, Pre + QStringLiteral("Style"), QString::number(Style_Bits(F)));
        Ini.Write(Section, Pre + QStringLiteral("Color"), QString::number(static_cast<quint32>(F.Color)));
    };
    Font("Font", P.Font);
    Font("HeaderFont", P.HeaderFont);
    Font("FooterFont", P.FooterFont);
    W("PageNumSep", P.PageNumSep);
    W("PageSuffix", P.PageSuffix);
    W("PagePrefix", P.PagePrefix);
    N("Orientation", P.Orientation);
    QString Lines;
    for (const QString &L : P.TitleLines)
        Lines += L + QStringLiteral("\r\n");
    W("TitleLines", EscapeNewlines(Lines));
    W("PrintGraphics", YN(P.PrintGraphics));
    QString Error;
    if (!Write_File_Atomic(Key, Ini.Serialize(), &Error))
        throw std::runtime_error(("Cannot Create " + Key).toStdString());
}

void RIraRevadiVizo::LoadPrintSettings(const QString &Key, const QString &Section)
{
    QFile In(Key);
    TIniData Ini;
    if (In.open(QIODevice::ReadOnly))
        Ini = TIniData::Parse(In.read(1 << 22));
    In.close();
    // Read into a copy; any value out of its bounds refuses the whole section.
    TPrintSettings P = FPrintSettings;
    auto R = [&](const char *K, const char *Default) {
        return Ini.Read(Section, QString::fromLatin1(K), QString::fromLatin1(Default));
    };
    auto Int = [&](const char *K, int Default, int Min, int Max) {
        int V = 0;
        const QString T = Ini.Read(Section, QString::fromLatin1(K), QString::number(Default));
        if (!Text_To_Bounded_Int(T, Min, Max, V))
            throw EConvertError(QStringLiteral("'%1' is not a valid value for %2").arg(T, QLatin1String(K)).toStdString());
        return V;
    };
    auto Color = [&](const char *K) {
        const QString T = Ini.Read(Section, QString::fromLatin1(K), QStringLiteral("0"));
        bool Ok = false;
        const qlonglong V = T.trimmed().toLongLong(&Ok);
        if (!Ok || V < -0x80000000LL || V > 0xFFFFFFFFLL)
            throw EConvertError(QStringLiteral("'%1' is not a valid colour for %2").arg(T, QLatin1String(K)).toStdString());
        return static_cast<TColor>(static_cast<quint32>(V));
    };
    auto Bool = [&](const char *K, const char *Default) { return R(K, Default) == QLatin1String("Y"); };
    P.ColumnSpacing = Int("ColumnSpacing", 20, 0, Layout_Max_Size);
    P.RowSpacing = Int("RowSpacing", 20, 0, Layout_Max_Size);
    P.TitleSpacing = Int("TitleSpacing", 20, 0, Layout_Max_Size);
    P.FixedHeight = Int("FixedHeight", 0, 0, Layout_Max_Size);
    P.FixedWidth = Int("FixedWidth", 0, 0, Layout_Max_Size);
    P.Centered = Bool("Centered", "Y");
    P.NoAutoSize = Bool("NoAutoSize", "N");
    P.UseFixedHeight = Bool("UseFixedHeight", "N");
    P.UseFixedWidth = Bool("UseFixedWidth", "N");
    P.RepeatFixedRows = Bool("RepeatFixedRows", "N");
    P.RepeatFixedCols = Bool("RepeatFixedCols", "N");
    P.UseDisplayFont = Bool("UseDisplFont", "N");
    P.UseDefaultOrientation = Bool("UseDefOrientation", "N");
    const int Borders = Int("Borders", 0, INT_MIN, INT_MAX);
    if (Borders >= 0 && Borders <= pbCustom)
        P.Borders = static_cast<TPrintBorders>(Borders);
    P.BorderColor = Color("BorderColor");
    const int Style = Int("BorderStyle", 0, INT_MIN, INT_MAX);
    if (Style >= 0 && Style <= 6)
        P.BorderStyle = static_cast<TPenStyle>(Style);
    auto Pos = [&](const char *K) {
        const int V = Int(K, 0, INT_MIN, INT_MAX);
        return V >= 1 && V <= 6 ? static_cast<TPrintPosition>(V) : ppNone;
    };
    P.Date = Pos("Date");
    P.PageNr = Pos("PageNr");
    P.Title = Pos("Title");
    P.Time = Pos("Time");
    P.DateFormat = R("DateFormat", "");
    P.TitleText = UnescapeNewlines(R("TitleText", ""));
    P.FooterSize = Int("FooterSize", 100, 0, Layout_Max_Size);
    P.HeaderSize = Int("HeaderSize", 100, 0, Layout_Max_Size);
    P.LeftSize = Int("LeftSize", 100, 0, Layout_Max_Size);
    P.RightSize = Int("RightSize", 100, 0, Layout_Max_Size);
    const int Fit = Int("FitToPage", 0, INT_MIN, INT_MAX);
    if (Fit >= 0 && Fit <= fpCustom)
        P.FitToPage = static_cast<TFitToPage>(Fit);
    auto Font = [&](const char *Prefix, TFont &F) {
        const QByteArray Pre(Prefix);
        F.Name = R((Pre + "Name").constData(), "Arial");
        F.Size = Int((Pre + "Size").constData(), 10, 1, 1638);
        // The saved style is the whole style: bits not saved are cleared.
        F.Style = TFontStyles::From_Bits(static_cast<unsigned>(Int((Pre + "Style").constData(), 0, 0, 15)));
        F.Color = Color((Pre + "Color").constData());
    };
    Font("Font", P.Font);
    Font("HeaderFont", P.HeaderFont);
    Font("FooterFont", P.FooterFont);
    P.PageNumSep = R("PageNumSep", "");
    P.PageSuffix = R("PageSuffix", "");
    P.PagePrefix = R("PagePrefix", "");
    const int Orientation = Int("Orientation", 0, INT_MIN, INT_MAX);
    if (Orientation == 0 || Orientation == 1)
        P.Orientation = static_cast<TPrinterOrientation>(Orientation);
    QString Lines = UnescapeNewlines(R("TitleLines", ""));
    Lines.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    QStringList L = Lines.split(QLatin1Char('\r'));
    if (!L.isEmpty() && L.back().isEmpty())
        L.removeLast();
    P.TitleLines = L;
    P.PrintGraphics = Bool("PrintGraphics", "N");
    FPrintSettings = P;
}
