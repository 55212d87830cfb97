#pragma once
#include "image/ImageRecords.h"
#include <QList>
#include <QString>
#include <vector>

// The configuration image compiler: turns a project's ParGen.xml and
// EnOcean.xml into bank1.bin (parameter block) and bank2.bin (EnOcean
// tables). It asks nothing and shows nothing; every failure comes back as a
// TCompile_Error value naming the file, the device and the attribute, and
// the windows turn it into a message.
//
// The compiler reads both files with its own rules, which differ on purpose
// from the editors': a ParGen.xml element that is missing or unreadable takes
// the compiler's fallback (not the editor's default), and in EnOcean.xml a
// bad attribute stops the compile instead of shortening the device list.

// Where a case of an EEP lies in a telegram, as the EEP catalogue gives it.
struct TCase_Key
{
    std::int32_t CaseIdSize = 0;
    std::int32_t CaseIdOffset = 0;
    std::int32_t CaseId = 0;
};

// What the compiler needs of the EEP catalogue: the case at position CaseNum
// (from 0) of the type RORG/FUNC/TYPE. False when the type is unknown or the
// position is out of range.
class ICase_Lookup
{
public:
    virtual ~ICase_Lookup() = default;
    virtual bool Get_Case(int RorgNum, int FuncNum, int TypeNum, int CaseNum, TCase_Key &Key) const = 0;
};

struct TCompile_Error
{
    bool Failed = false;
    QString File;        // full path of the file at fault (empty for none)
    int Device = -1;     // 0-based position in DevicesList, -1 when not inside a device
    QString Device_Id;   // the device's Id attribute as written, when known
    QString Attribute;   // attribute or element name at fault, when known
    QString Reason;      // what went wrong
    int Line = 0;        // XML parse position, when known
    int Column = 0;

    // The compile error for the user: a heading, then Details().
    QString Message() const;
    // File (with position), device, attribute and reason, one per line.
    QString Details() const;
};

// A variable that the catalogue cannot place in any case; left out of bank2.
struct TUnplaced_Var
{
    int Device = 0;      // 0-based device position
    QString Device_Id;
    int Rorg = 0, Func = 0, Type = 0;
    int Case_Index = 0;
    QString Data;        // the variable's data field name
};

struct TCompile_Result
{
    TCompile_Error Error;
    QList<TUnplaced_Var> Unplaced;
    bool Ok() const { return !Error.Failed; }
};

class TImage_Compiler
{
public:
    TImage_Compiler();

    // Builds both images in memory from the two files. On failure the
    // buffers' lengths are 0 and nothing may be written.
    TCompile_Result Compile_Configuration(const QString &File_ParGen, const QString &File_EnOcean,
                                          const ICase_Lookup &Catalog);

    // Writes bin/bank1.bin and bin/bank2.bin under Project_Dir, creating bin
    // when missing; the pair is replaced together or not at all
    // (platform/FileGroup.h). Refuses (error value)
    // when no successful compile stands behind the buffers.
    TCompile_Error Save_Bin_Files(const QString &Project_Dir) const;

    // Steps of the compile, public for tests.
    void Init_Param_Block();
    TCompile_Error Read_ParGen_Param(const QString &File_ParGen);
    TCompile_Error Read_EnOcean_Tables(const QString &File_EnOcean, std::uint32_t Base, const ICase_Lookup &Catalog,
                                       QList<TUnplaced_Var> &Unplaced);
    // Stores the byte sum of bytes 0..2043 in the last four bytes and copies
    // the block to Buffer at Pos; returns Pos + 2048.
    int Write_Param_Block(int Pos, std::vector<std::uint8_t> &Buffer);
    // Serialises the tables at Pos; returns the position after the last byte.
    // The caller makes sure they fit (Tables_Size).
    int Write_EnOcean_Tables(int Pos, std::vector<std::uint8_t> &Buffer) const;
    // Bytes the EnOcean tables take: 8 + 72 per device + 12 per EEP + 40 per case + 16 per variable.
    qint64 Tables_Size() const;

    static std::uint8_t Conv_Data_Encryption(int Index);

    const TParam_Block &Param_Block() const { return FParam_Block; }
    const std::vector<TEnOcean_ID_Info> &Devices() const { return FDevices; }
    QByteArray Bank1() const;
    QByteArray Bank2() const;

private:
    void Assign_Addresses(std::uint32_t Base);
    void Put_U32(int Offset, std::uint32_t Value);
    void Put_U16(int Offset, std::uint16_t Value);
    std::uint32_t Get_U32(int Offset) const;

    TParam_Block FParam_Block{};
    std::vector<TEnOcean_ID_Info> FDevices;
    std::vector<std::uint8_t> FBank1, FBank2;   // Image_Buffer_Size bytes each
    int FBank1_Len = 0, FBank2_Len = 0;
};
