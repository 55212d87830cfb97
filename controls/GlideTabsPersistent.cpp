#include "controls/GlideTabsPersistent.h"
#include "controls/GlideTabsClasses.h"
#include <QRegularExpression>

namespace {
int Silent_Depth = 0;

#define GT_NAMES(E, ...)                                                                                        \
    template <> const std::vector<const char *> &Enum_Names<E>()                                               \
    {                                                                                                          \
        static const std::vector<const char *> Names{__VA_ARGS__};                                             \
        return Names;                                                                                          \
    }
} // namespace

GT_NAMES(TTabOrientation, "toTop", "toBottom")
GT_NAMES(TGlideTabsEaseType, "ttNone", "ttLinearTween", "ttEaseInQuad", "ttEaseOutQuad", "ttEaseInOutQuad",
         "ttEaseInCubic", "ttEaseOutCubic", "ttEaseInOutCubic", "ttEaseInQuart", "ttEaseOutQuart", "ttEaseInOutQuart",
         "ttEaseInQuint", "ttEaseOutQuint", "ttEaseInOutQuint", "ttEaseInSine", "ttEaseOutSine", "ttEaseInOutSine",
         "ttEaseInExpo", "ttEaseOutExpo", "ttEaseInOutExpo", "ttEaseInCirc", "ttEaseOutCirc", "ttEaseInOutCirc")
GT_NAMES(TTextTrimType, "tttNone", "tttCharacter", "tttWord", "tttEllipsisCharacter", "tttEllipsisWord",
         "tttEllipsisPath", "tttFade")
GT_NAMES(TAlignment, "taLeftJustify", "taRightJustify", "taCenter")
GT_NAMES(TVerticalAlignment, "taAlignTop", "taAlignBottom", "taVerticalCenter")
GT_NAMES(TCloseButtonVisiblity, "bvNever", "bvAll", "bvActive")
GT_NAMES(TAddButtonVisibility, "avNone", "avLeft", "avRightFloating", "avRightFixed")
GT_NAMES(TGlideTabModifiedStyle, "msNone", "msLeftToRight", "msRightToLeft", "msKnightRider")
GT_NAMES(TGlideTabDragType, "dtNone", "dtWithinContainer", "dtBetweenContainers")
GT_NAMES(TGlideTabDragDisplay, "ddCursor", "ddTab", "ddControl", "ddTabAndControl")
GT_NAMES(TGlideTabScrollButtons, "csbNone", "csbLeft", "csbRight", "csbLeftAndRight")
GT_NAMES(TTextRenderingHint, "TextRenderingHintSystemDefault", "TextRenderingHintSingleBitPerPixelGridFit",
         "TextRenderingHintSingleBitPerPixel", "TextRenderingHintAntiAliasGridFit", "TextRenderingHintAntiAlias",
         "TextRenderingHintClearTypeGridFit")
GT_NAMES(TGlideTabSpinnerState, "tssNone", "tssRenderedUpload", "tssRenderedDownload", "tssImageUpload",
         "tssImageDownload")

void Throw_Bad_Value(const char *Name, const QString &Text)
{
    throw EGlideTabsError("Invalid value '" + Text.toStdString() + "' for " + Name);
}

TSilentChanges::TSilentChanges() { ++Silent_Depth; }
TSilentChanges::~TSilentChanges() { --Silent_Depth; }
bool TSilentChanges::Active() { return Silent_Depth > 0; }

TGlideTabsPersistent::TGlideTabsPersistent(TGlideTabsPersistent *AOwner) : FOwner(AOwner) {}
TGlideTabsPersistent::TGlideTabsPersistent(IGlideTabs *AStrip) : FStrip(AStrip) {}

void TGlideTabsPersistent::DoChanged()
{
    if (TSilentChanges::Active())
        return;
    // The first object up the chain that belongs to a strip tells it.
    for (const TGlideTabsPersistent *P = this; P; P = P->FOwner) {
        if (P->FStrip) {
            P->FStrip->DoOnChange(nullptr, tcPropertyUpdated);
            return;
        }
    }
}

std::vector<TPublishedProperty> TGlideTabsPersistent::Published() const
{
    std::vector<TPublishedProperty> List;
    TPublisher P(List);
    // Publishing hands out accessors; it does not change the object.
    const_cast<TGlideTabsPersistent *>(this)->Publish(P);
    return List;
}

void TGlideTabsPersistent::Assign(const TGlideTabsPersistent &Source)
{
    if (&Source == this)
        return;
    if (std::string(Source.ClassName()) != ClassName())
        throw EGlideTabsError(std::string("Cannot assign a ") + Source.ClassName() + " to a " + ClassName());
    {
        TSilentChanges Silent;
        const auto From = Source.Published();
        const auto To = Published();
        for (size_t I = 0; I < From.size() && I < To.size(); ++I) {
            if (From[I].Object)
                To[I].Object->Assign(*From[I].Object);
            else
                To[I].Set(From[I].Get());
        }
    }
    Invalidate();
}

namespace {

const TPublishedProperty *Find(const std::vector<TPublishedProperty> &List, const QString &Name)
{
    for (const auto &P : List)
        if (P.Name.compare(Name, Qt::CaseInsensitive) == 0)
            return &P;
    return nullptr;
}

[[noreturn]] void Unknown(const QString &Path)
{
    throw EGlideTabsError("Unknown property " + Path.toStdString());
}

// Walks to the object that holds the last name of the path.
const TGlideTabsPersistent *Holder(const TGlideTabsPersistent *Obj, const QStringList &Names, const QString &Path)
{
    for (int I = 0; I + 1 < Names.size(); ++I) {
        const auto List = Obj->Published();
        const TPublishedProperty *P = Find(List, Names[I]);
        if (!P || !P->Object)
            Unknown(Path);
        Obj = P->Object;
    }
    return Obj;
}

void Write_Lines(const TGlideTabsPersistent &Obj, const QString &Prefix, QStringList &Lines)
{
    for (const auto &P : Obj.Published()) {
        if (P.Object) {
            Write_Lines(*P.Object, Prefix + P.Name + ".", Lines);
            continue;
        }
        if (P.Is_Default && P.Is_Default())
            continue;
        Lines << "  " + Prefix + P.Name + " = " + P.Get();
    }
}

} // namespace

QString TGlideTabsPersistent::Get_Property_Text(const QString &Path) const
{
    const QStringList Names = Path.split('.');
    const auto List = Holder(this, Names, Path)->Published();
    const TPublishedProperty *P = Find(List, Names.last());
    if (!P || P->Object)
        Unknown(Path);
    return P->Get();
}

void TGlideTabsPersistent::Set_Property_Text(const QString &Path, const QString &Value)
{
    const QStringList Names = Path.split('.');
    const auto List = Holder(this, Names, Path)->Published();
    const TPublishedProperty *P = Find(List, Names.last());
    if (!P || P->Object)
        Unknown(Path);
    P->Set(Value);
}

QString WriteComponentText(const TGlideTabsPersistent &Root, const QString &Component_Class,
                           const QString &Property_Name)
{
    QStringList Lines;
    Lines << "object " + Component_Class.mid(1) + ": " + Component_Class;
    Write_Lines(Root, Property_Name + ".", Lines);
    Lines << "end";
    return Lines.join("\r\n") + "\r\n";
}

void ReadComponentText(TGlideTabsPersistent &Root, const QString &Text, const QString &Property_Name)
{
    const QStringList Lines = Text.split(QRegularExpression("\r\n|\n|\r"));
    const QString Prefix = Property_Name + ".";
    int Line_No = 0;
    for (const QString &Raw : Lines) {
        ++Line_No;
        const QString Line = Raw.trimmed();
        if (Line.isEmpty() || Line.startsWith("object ", Qt::CaseInsensitive) || Line.compare("end", Qt::CaseInsensitive) == 0)
            continue;
        const qsizetype Eq = Line.indexOf(" = ");
        QString Path = Eq < 0 ? QString() : Line.left(Eq).trimmed();
        if (Path.startsWith(Prefix, Qt::CaseInsensitive))
            Path = Path.mid(Prefix.size());
        try {
            if (Eq < 0)
                throw EGlideTabsError("Expected Name = Value");
            Root.Set_Property_Text(Path, Line.mid(Eq + 3));
        } catch (const EGlideTabsError &E) {
            throw EGlideTabsError("Line " + std::to_string(Line_No) + ": " + E.what());
        }
    }
}

QString ComponentAsCode(const TGlideTabsPersistent &Root, const QString &Component_Class,
                        const QString &Property_Name, const QString &Prefix)
{
    QStringList Lines = WriteComponentText(Root, Component_Class, Property_Name).split("\r\n");
    if (!Lines.isEmpty() && Lines.last().isEmpty())
        Lines.removeLast();
    if (Lines.size() <= 2)
        return QString();
    QString Out;
    for (int I = 1; I + 1 < Lines.size(); ++I) {
        QString L = Lines[I].trimmed();
        L.replace(" = ", " := ", Qt::CaseInsensitive);
        Out += Prefix + "." + L + ";\r\n";
    }
    return Out;
}
