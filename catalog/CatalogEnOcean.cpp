#include "catalog/CatalogEnOcean.h"
#include "platform/TextToInt.h"
#include "platform/XmlDoc.h"
#include <QFileInfo>
#include <cstdint>

namespace {

const int Rorg_RPS = 0xF6;
const int Rorg_VLD = 0xD2;

// Text of the first child of that name; empty when there is none. An element
// that holds child elements is not text: reading it is an error of the reader
// doing the reading, which then drops its entry.
QString Read_Text(const TXmlNode *Parent, const QString &Name)
{
    const TXmlNode *Child = Parent->Find_Child(Name);
    if (!Child)
        return QString();
    if (!Child->Is_Text_Element())
        throw EXmlError(QStringLiteral("Element \"%1\" in \"%2\" holds elements instead of text")
                            .arg(Name, Parent->Node_Name()));
    return Child->Text();
}

// Like Read_Text, but content other than plain text gives empty text, no error.
QString Read_Plain_Text(const TXmlNode *Parent, const QString &Name)
{
    const TXmlNode *Child = Parent->Find_Child(Name);
    return Child && Child->Is_Text_Element() ? Child->Text() : QString();
}

// A number element: missing or not a whole number gives 0.
int Read_Number(const TXmlNode *Parent, const QString &Name)
{
    return Str_To_Int_Def(Read_Text(Parent, Name), 0);
}

// A number element that counts only when present: Value is left alone otherwise.
void Read_Number_If_Present(const TXmlNode *Parent, const QString &Name, int &Value)
{
    if (Parent->Find_Child(Name))
        Value = Read_Number(Parent, Name);
}

} // namespace

// ---------------------------------------------------------------------------
// Display texts

QString TCatalog_EnOcean::Number_Title_Str(int Number, const QString &Title)
{
    // Negative numbers show as their 32-bit pattern, like every other hex text here.
    const QString Hex = QString::number(static_cast<uint32_t>(Number), 16).toUpper();
    return QStringLiteral("0x") + Hex.rightJustified(2, QLatin1Char('0')) + QStringLiteral(" : ") + Title;
}

QString TCatalog_EnOcean::Case_Title_Str(int CaseNum, const QString &Title)
{
    return QString::number(static_cast<qint64>(CaseNum) + 1) + QStringLiteral(" -> ") + Title;
}

static QString DataField_Str(const TDataField &Field)
{
    return Field.FData + QStringLiteral(" : ") + QString::number(Field.FBitOffs) + QStringLiteral(", ")
           + QString::number(Field.FBitSize);
}

// ---------------------------------------------------------------------------
// Node readers

bool TDataField::Read_DataField_XML(const TXmlNode *DataField)
{
    if (DataField->Find_Child(QStringLiteral("reserved")))
        return false;
    try {
        FData = Read_Text(DataField, QStringLiteral("data"));
        FShortcut = Read_Text(DataField, QStringLiteral("shortcut"));
        FDescription = Read_Plain_Text(DataField, QStringLiteral("description"));
        FInfo = Read_Plain_Text(DataField, QStringLiteral("info"));
        FBitOffs = Read_Number(DataField, QStringLiteral("bitoffs"));
        FBitSize = Read_Number(DataField, QStringLiteral("bitsize"));
        return true;
    } catch (const EXmlError &) {
        return false;
    }
}

bool TCase::Read_Case_XML(const TXmlNode *Case_, int Rorg, int /*Func*/, int /*Type_*/)
{
    try {
        FTitle = Read_Text(Case_, QStringLiteral("title"));
        FCaseIdSize = 0;
        FCaseIdOffset = 0;
        FCaseId = 0;
        // An RPS status field that lacks an element keeps the previous status
        // field's number, across the whole case.
        int Value = 0, Bit_Offs = 0, Bit_Size = 0;
        for (const TXmlNode *Child : Case_->Child_Elements()) {
            if (Child->Node_Name() == QLatin1String("datafield")) {
                auto Field = std::make_unique<TDataField>();
                if (Field->Read_DataField_XML(Child)) {
                    DataField_SL.append(DataField_Str(*Field));
                    List_DataField.push_back(std::move(Field));
                }
            } else if (Child->Node_Name() == QLatin1String("condition")
                       && (Rorg == Rorg_RPS || Rorg == Rorg_VLD)) {
                FCaseId = 0;
                for (const TXmlNode *Cond : Child->Child_Elements()) {
                    if (Rorg == Rorg_RPS && Cond->Node_Name() == QLatin1String("statusfield")) {
                        // The status byte's bits count from its most significant
                        // bit: bit offset 2 is the value 0x20.
                        Read_Number_If_Present(Cond, QStringLiteral("value"), Value);
                        Read_Number_If_Present(Cond, QStringLiteral("bitoffs"), Bit_Offs);
                        Read_Number_If_Present(Cond, QStringLiteral("bitsize"), Bit_Size);
                        const uint8_t V = static_cast<uint8_t>(Value);
                        const uint8_t S = static_cast<uint8_t>(7 - Bit_Offs);
                        const uint8_t Z = static_cast<uint8_t>(Bit_Size);
                        if (V != 0 && Z != 0)
                            FCaseId = static_cast<int>(static_cast<uint32_t>(FCaseId)
                                                       + (static_cast<uint32_t>(V) << (S % 32)));
                    } else if (Rorg == Rorg_VLD && Cond->Node_Name() == QLatin1String("datafield")) {
                        Read_Number_If_Present(Cond, QStringLiteral("value"), FCaseId);
                        Read_Number_If_Present(Cond, QStringLiteral("bitoffs"), FCaseIdOffset);
                        Read_Number_If_Present(Cond, QStringLiteral("bitsize"), FCaseIdSize);
                    }
                }
            }
        }
        return true;
    } catch (const EXmlError &) {
        return false;
    }
}

bool TType::Read_Type_XML(const TXmlNode *Type_, int Rorg, int Func)
{
    try {
        FNumber = Read_Number(Type_, QStringLiteral("number"));
        FTitle = Read_Text(Type_, QStringLiteral("title"));
        bool Result = true;
        for (const TXmlNode *Child : Type_->Child_Elements()) {
            if (Child->Node_Name() != QLatin1String("case"))
                continue;
            auto Case = std::make_unique<TCase>();
            Result = Case->Read_Case_XML(Child, Rorg, Func, FNumber);
            if (Result) {
                // The display number is the position after appending, so it
                // follows the kept cases one to one.
                Case_SL.append(TCatalog_EnOcean::Case_Title_Str(static_cast<int>(List_Case.size()), Case->FTitle));
                List_Case.push_back(std::move(Case));
            }
        }
        return Result;
    } catch (const EXmlError &) {
        return false;
    }
}

bool TFunc::Read_Func_XML(const TXmlNode *Func, int Rorg)
{
    try {
        FNumber = Read_Number(Func, QStringLiteral("number"));
        FTitle = Read_Text(Func, QStringLiteral("title"));
        bool Result = true;
        for (const TXmlNode *Child : Func->Child_Elements()) {
            if (Child->Node_Name() != QLatin1String("type"))
                continue;
            // A TYPE stays with what it read even when its reader failed.
            auto Type = std::make_unique<TType>();
            Result = Type->Read_Type_XML(Child, Rorg, FNumber);
            Type_SL.append(TCatalog_EnOcean::Number_Title_Str(Type->FNumber, Type->FTitle));
            List_Type.push_back(std::move(Type));
        }
        return Result;
    } catch (const EXmlError &) {
        return false;
    }
}

bool TRorg::Read_Rorg_XML(const TXmlNode *Rorg)
{
    try {
        FNumber = Read_Number(Rorg, QStringLiteral("number"));
        FTitle = Read_Text(Rorg, QStringLiteral("title"));
        bool Result = true;
        for (const TXmlNode *Child : Rorg->Child_Elements()) {
            if (Child->Node_Name() != QLatin1String("func"))
                continue;
            auto Func = std::make_unique<TFunc>();
            Result = Func->Read_Func_XML(Child, FNumber);
            if (Result) {
                Func_SL.append(TCatalog_EnOcean::Number_Title_Str(Func->FNumber, Func->FTitle));
                List_Func.push_back(std::move(Func));
            }
        }
        return Result;
    } catch (const EXmlError &) {
        return false;
    }
}

// ---------------------------------------------------------------------------
// Loading

bool TCatalog_EnOcean::Read_Cat_EnOcean_XML_Tree(const QString &FileName, TCatalog_Load_Status *Status)
{
    TCatalog_Load_Status Local;
    TCatalog_Load_Status &S = Status ? *Status : Local;
    S = TCatalog_Load_Status();

    if (!QFileInfo(FileName).isFile()) {
        S.Kind = TCatalog_Load_Status::clsNoFile;
        S.Reason = QStringLiteral("The file \"%1\" does not exist").arg(FileName);
        return false;
    }
    TXmlDocument Doc;
    try {
        Doc.Load_From_File(FileName);
    } catch (const EXmlError &E) {
        S.Kind = TCatalog_Load_Status::clsUnreadable;
        S.Reason = E.Text;
        S.Line = E.Line;
        S.Column = E.Column;
        return false;
    }
    const TXmlNode *Profile = Doc.Find_Element(QStringLiteral("profile"));
    if (!Profile)
        return true;
    bool Result = true;
    for (const TXmlNode *Child : Profile->Child_Elements()) {
        if (Child->Node_Name() != QLatin1String("rorg"))
            continue;
        auto Rorg = std::make_unique<TRorg>();
        Result = Rorg->Read_Rorg_XML(Child);
        if (Result) {
            Rorg_SL.append(Number_Title_Str(Rorg->FNumber, Rorg->FTitle));
            List_Rorg.push_back(std::move(Rorg));
        }
    }
    return Result;
}

// ---------------------------------------------------------------------------
// Lookups

namespace {

template <class T> int Index_Of(const std::vector<std::unique_ptr<T>> &List, int Number)
{
    for (size_t I = 0; I < List.size(); ++I)
        if (List[I]->FNumber == Number)
            return static_cast<int>(I);
    return -1;
}

template <class T> const T *Find(const std::vector<std::unique_ptr<T>> &List, int Number)
{
    const int I = Index_Of(List, Number);
    return I < 0 ? nullptr : List[static_cast<size_t>(I)].get();
}

bool Valid_Case(const TType &Type, int CaseNum)
{
    return CaseNum >= 0 && static_cast<size_t>(CaseNum) < Type.List_Case.size();
}

} // namespace

int TCatalog_EnOcean::Get_RorgNum_Index(int RorgNum) const
{
    return Index_Of(List_Rorg, RorgNum);
}

int TCatalog_EnOcean::Get_FuncNum_Index(int RorgNum, int FuncNum) const
{
    const TRorg *Rorg = Find(List_Rorg, RorgNum);
    return Rorg ? Index_Of(Rorg->List_Func, FuncNum) : -1;
}

int TCatalog_EnOcean::Get_TypeNum_Index(int RorgNum, int FuncNum, int TypeNum) const
{
    const TRorg *Rorg = Find(List_Rorg, RorgNum);
    const TFunc *Func = Rorg ? Find(Rorg->List_Func, FuncNum) : nullptr;
    return Func ? Index_Of(Func->List_Type, TypeNum) : -1;
}

int TCatalog_EnOcean::Get_DataField_Index(int RorgNum, int FuncNum, int TypeNum, int CaseNum,
                                          const QString &Data) const
{
    const TRorg *Rorg = Find(List_Rorg, RorgNum);
    const TFunc *Func = Rorg ? Find(Rorg->List_Func, FuncNum) : nullptr;
    if (!Func)
        return -1;
    for (const auto &Type : Func->List_Type) {
        if (Type->FNumber != TypeNum || !Valid_Case(*Type, CaseNum))
            continue;
        const TCase &Case = *Type->List_Case[static_cast<size_t>(CaseNum)];
        for (size_t I = 0; I < Case.List_DataField.size(); ++I)
            if (Case.List_DataField[I]->FData == Data)
                return static_cast<int>(I);
        return -1;
    }
    return -1;
}

const TCase *TCatalog_EnOcean::Get_CaseObj(int RorgNum, int FuncNum, int TypeNum, int CaseNum) const
{
    for (const auto &Rorg : List_Rorg) {
        if (Rorg->FNumber != RorgNum)
            continue;
        for (const auto &Func : Rorg->List_Func) {
            if (Func->FNumber != FuncNum)
                continue;
            for (const auto &Type : Func->List_Type)
                if (Type->FNumber == TypeNum && Valid_Case(*Type, CaseNum))
                    return Type->List_Case[static_cast<size_t>(CaseNum)].get();
        }
    }
    return nullptr;
}

QString TCatalog_EnOcean::Get_Rorg_Name_Str(int RorgNum) const
{
    const TRorg *Rorg = Find(List_Rorg, RorgNum);
    return Rorg ? Number_Title_Str(RorgNum, Rorg->FTitle) : QString();
}

// The first FUNC with that number under any RORG with that number, in file order.
static const TFunc *Find_Func_Anywhere(const std::vector<std::unique_ptr<TRorg>> &Rorgs, int RorgNum, int FuncNum)
{
    for (const auto &Rorg : Rorgs)
        if (Rorg->FNumber == RorgNum)
            if (const TFunc *Func = Find(Rorg->List_Func, FuncNum))
                return Func;
    return nullptr;
}

// The first TYPE with that number under any matching RORG and FUNC, in file order.
static const TType *Find_Type_Anywhere(const std::vector<std::unique_ptr<TRorg>> &Rorgs, int RorgNum, int FuncNum,
                                       int TypeNum)
{
    for (const auto &Rorg : Rorgs) {
        if (Rorg->FNumber != RorgNum)
            continue;
        for (const auto &Func : Rorg->List_Func)
            if (Func->FNumber == FuncNum)
                if (const TType *Type = Find(Func->List_Type, TypeNum))
                    return Type;
    }
    return nullptr;
}

QString TCatalog_EnOcean::Get_Func_Name_Str(int RorgNum, int FuncNum) const
{
    const TFunc *Func = Find_Func_Anywhere(List_Rorg, RorgNum, FuncNum);
    return Func ? Number_Title_Str(FuncNum, Func->FTitle) : QString();
}

QString TCatalog_EnOcean::Get_Type_Name_Str(int RorgNum, int FuncNum, int TypeNum) const
{
    const TType *Type = Find_Type_Anywhere(List_Rorg, RorgNum, FuncNum, TypeNum);
    return Type ? Number_Title_Str(TypeNum, Type->FTitle) : QString();
}

QString TCatalog_EnOcean::Get_Case_Name_Str(int RorgNum, int FuncNum, int TypeNum, int CaseNum) const
{
    const TType *Type = Find_Type_Anywhere(List_Rorg, RorgNum, FuncNum, TypeNum);
    if (!Type || !Valid_Case(*Type, CaseNum))
        return QString();
    return Case_Title_Str(CaseNum, Type->List_Case[static_cast<size_t>(CaseNum)]->FTitle);
}

int TCatalog_EnOcean::Profile_Count() const
{
    int Count = 0;
    for (const auto &Rorg : List_Rorg)
        for (const auto &Func : Rorg->List_Func)
            Count += static_cast<int>(Func->List_Type.size());
    return Count;
}
