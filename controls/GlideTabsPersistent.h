#pragma once
#include "controls/GlideTabsTypes.h"
#include "toolkit/AADraw.h"
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <type_traits>
#include <vector>

class IGlideTabs;
class TGlideTabsPersistent;

// Names of enumeration values as they appear in stored descriptions.
template <class E> const std::vector<const char *> &Enum_Names();

// One published property of an option or look-and-feel object: either a value
// read and written as text, or an owned sub-object.
struct TPublishedProperty
{
    QString Name;
    std::function<QString()> Get;
    // Throws EGlideTabsError when the text is no value of the property's type.
    std::function<void(const QString &)> Set;
    TGlideTabsPersistent *Object = nullptr;
    // Floating-point values of 0 are left out of stored descriptions.
    std::function<bool()> Is_Default;
};

class TPublisher
{
public:
    explicit TPublisher(std::vector<TPublishedProperty> &List) : FList(List) {}

    template <class C, class V, class S>
    void Value(const char *Name, C *Obj, V (C::*Getter)() const, void (C::*Setter)(S))
    {
        using T = std::remove_cvref_t<V>;
        TPublishedProperty P;
        P.Name = QString::fromLatin1(Name);
        P.Get = [Obj, Getter]() { return To_Text<T>((Obj->*Getter)()); };
        P.Set = [Obj, Setter, Name](const QString &Text) { (Obj->*Setter)(From_Text<T>(Text, Name)); };
        if constexpr (std::is_floating_point_v<T>)
            P.Is_Default = [Obj, Getter]() { return (Obj->*Getter)() == 0; };
        FList.push_back(std::move(P));
    }
    void Object(const char *Name, TGlideTabsPersistent *Obj)
    {
        TPublishedProperty P;
        P.Name = QString::fromLatin1(Name);
        P.Object = Obj;
        FList.push_back(std::move(P));
    }

    template <class T> static QString To_Text(const T &V);
    template <class T> static T From_Text(const QString &Text, const char *Name);

private:
    std::vector<TPublishedProperty> &FList;
};

// Enumerations that appear in stored descriptions.
#define GT_ENUM_NAMES(E) template <> const std::vector<const char *> &Enum_Names<E>();
GT_ENUM_NAMES(TTabOrientation)
GT_ENUM_NAMES(TGlideTabsEaseType)
GT_ENUM_NAMES(TTextTrimType)
GT_ENUM_NAMES(TAlignment)
GT_ENUM_NAMES(TVerticalAlignment)
GT_ENUM_NAMES(TCloseButtonVisiblity)
GT_ENUM_NAMES(TAddButtonVisibility)
GT_ENUM_NAMES(TGlideTabModifiedStyle)
GT_ENUM_NAMES(TGlideTabDragType)
GT_ENUM_NAMES(TGlideTabDragDisplay)
GT_ENUM_NAMES(TGlideTabScrollButtons)
GT_ENUM_NAMES(TTextRenderingHint)
GT_ENUM_NAMES(TGlideTabSpinnerState)
#undef GT_ENUM_NAMES

[[noreturn]] void Throw_Bad_Value(const char *Name, const QString &Text);

template <class T> QString TPublisher::To_Text(const T &V)
{
    if constexpr (std::is_same_v<T, bool>)
        return V ? QStringLiteral("True") : QStringLiteral("False");
    else if constexpr (std::is_enum_v<T>) {
        const auto &Names = Enum_Names<T>();
        const auto I = static_cast<size_t>(V);
        return I < Names.size() ? QString::fromLatin1(Names[I]) : QString::number(static_cast<long long>(V));
    } else if constexpr (std::is_floating_point_v<T>)
        return QString::number(static_cast<double>(V), 'g', 15);
    else if constexpr (std::is_same_v<T, QString>)
        return "'" + QString(V).replace("'", "''") + "'";
    else
        return QString::number(V);
}

template <class T> T TPublisher::From_Text(const QString &Text, const char *Name)
{
    const QString S = Text.trimmed();
    if constexpr (std::is_same_v<T, bool>) {
        if (S.compare("True", Qt::CaseInsensitive) == 0)
            return true;
        if (S.compare("False", Qt::CaseInsensitive) == 0)
            return false;
    } else if constexpr (std::is_enum_v<T>) {
        const auto &Names = Enum_Names<T>();
        for (size_t I = 0; I < Names.size(); ++I)
            if (S.compare(QString::fromLatin1(Names[I]), Qt::CaseInsensitive) == 0)
                return static_cast<T>(I);
    } else if constexpr (std::is_floating_point_v<T>) {
        bool Ok = false;
        const double V = S.toDouble(&Ok);
        if (Ok)
            return static_cast<T>(V);
    } else if constexpr (std::is_same_v<T, QString>) {
        if (S.size() >= 2 && S.startsWith('\'') && S.endsWith('\''))
            return S.mid(1, S.size() - 2).replace("''", "'");
    } else {
        bool Ok = false;
        const long long V = S.toLongLong(&Ok);
        if (Ok && V >= static_cast<long long>(std::numeric_limits<T>::min())
            && V <= static_cast<long long>(std::numeric_limits<T>::max()))
            return static_cast<T>(V);
    }
    Throw_Bad_Value(Name, Text);
}

// Base of every option and look-and-feel object. Each object is created by
// its parent, which owns it for life and never replaces it; the roots are
// owned by the strip. A reported write ends in DoChanged, which finds the
// strip above the object and sends it tcPropertyUpdated.
class TGlideTabsPersistent
{
public:
    explicit TGlideTabsPersistent(TGlideTabsPersistent *AOwner);
    // A root owned by a strip; a null strip makes a free-standing tree that notifies nobody.
    explicit TGlideTabsPersistent(IGlideTabs *AStrip);
    virtual ~TGlideTabsPersistent() = default;
    TGlideTabsPersistent(const TGlideTabsPersistent &) = delete;
    TGlideTabsPersistent &operator=(const TGlideTabsPersistent &) = delete;

    TGlideTabsPersistent *Owner() const { return FOwner; }
    IGlideTabs *Owner_Strip() const { return FStrip; }
    bool Invalidated() const { return FInvalidated; }

    virtual const char *ClassName() const = 0;
    virtual void Invalidate() { FInvalidated = true; }
    // Copies every published value of an object of the same class, silently
    // (the caller's own setter decides whether the copy is reported). Another
    // class fails with "Cannot assign a <source> to a <target>".
    void Assign(const TGlideTabsPersistent &Source);

    // Published properties in stream order.
    std::vector<TPublishedProperty> Published() const;

    // Value of a dotted property path ("Display.Tabs.MinWidth") as stored text;
    // throws EGlideTabsError for an unknown path.
    QString Get_Property_Text(const QString &Path) const;
    void Set_Property_Text(const QString &Path, const QString &Value);

protected:
    virtual void Publish(TPublisher &P) = 0;
    void DoChanged();
    void Clear_Invalidated() { FInvalidated = false; }

private:
    TGlideTabsPersistent *FOwner = nullptr;
    IGlideTabs *FStrip = nullptr;
    bool FInvalidated = false;
};

// Holds back reports while a whole object is copied (UI thread only).
class TSilentChanges
{
public:
    TSilentChanges();
    ~TSilentChanges();
    static bool Active();
};

// The text form of a stored description: an object header line, one
// "Path = Value" line per stored property (dotted path from Property_Name),
// and an end line.
QString WriteComponentText(const TGlideTabsPersistent &Root, const QString &Component_Class,
                           const QString &Property_Name);
// Applies such a text to the tree; the first line that names no property or holds
// no valid value fails with EGlideTabsError naming the line (earlier lines stay applied).
void ReadComponentText(TGlideTabsPersistent &Root, const QString &Text, const QString &Property_Name);
// The property lines as assignments: Prefix.Path := Value; one per line.
QString ComponentAsCode(const TGlideTabsPersistent &Root, const QString &Component_Class,
                        const QString &Property_Name, const QString &Prefix);

// Defines a value property: getter Name(), setter SetName(Value) running After.
#define GT_PROPERTY(Type, Name, Init, After)                                                                    \
public:                                                                                                        \
    Type Name() const { return F##Name; }                                                                      \
    void Set##Name(Type Value)                                                                                 \
    {                                                                                                          \
        F##Name = Value;                                                                                       \
        After;                                                                                                 \
    }                                                                                                          \
                                                                                                               \
protected:                                                                                                     \
    Type F##Name = Init;                                                                                       \
                                                                                                               \
public:
#define GT_REPORTED(Type, Name, Init) GT_PROPERTY(Type, Name, Init, DoChanged())
#define GT_SILENT(Type, Name, Init) GT_PROPERTY(Type, Name, Init, (void)0)

// Defines an owned sub-object property: Name() gives the object, SetName copies into it.
#define GT_OBJECT_EX(Class, Name, After)                                                                        \
public:                                                                                                        \
    Class &Name() const { return *F##Name; }                                                                   \
    void Set##Name(const Class &Value)                                                                         \
    {                                                                                                          \
        F##Name->Assign(Value);                                                                                \
        After;                                                                                                 \
    }                                                                                                          \
                                                                                                               \
protected:                                                                                                     \
    std::unique_ptr<Class> F##Name;                                                                            \
                                                                                                               \
public:

#define GT_OBJECT(Class, Name, Reported) GT_OBJECT_EX(Class, Name, if (Reported) DoChanged())

#define GT_CLASS(Name)                                                                                          \
public:                                                                                                        \
    const char *ClassName() const override { return #Name; }
