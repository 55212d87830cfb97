#pragma once
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// Records of the two configuration images the gateway receives.
//
// bank1.bin is one 2048-byte parameter block (written to the gateway at
// 0x07000). bank2.bin holds the EnOcean tables (written at 0x80000); every
// "...Add" field below is an absolute gateway address, i.e. 0x80000 plus the
// byte offset of the entry in bank2.bin. All values are little-endian.

constexpr int Param_Block_Size = 2048;
constexpr int Image_Buffer_Size = 131072;          // 128 KB per image, never exceeded
constexpr std::uint32_t Bank2_Base_Address = 0x80000;

// Entry sizes of bank2.bin, in bytes.
constexpr int Bank2_Header_Size = 8;
constexpr int Device_Entry_Size = 28;
constexpr int Security_Entry_Size = 44;
constexpr int Eep_Entry_Size = 12;
constexpr int Case_Entry_Size = 40;
constexpr int Var_Entry_Size = 16;

using TParam_Block = std::array<std::uint8_t, Param_Block_Size>;

struct TEnOcean_Var_Info
{
    std::uint32_t BitSize = 0;
    std::uint32_t BitOffset = 0;
    std::uint32_t Position = 0;
    std::uint32_t Size = 0;   // carries the variable's start bit
};

// One case of an EEP; cases are told apart by their identification triple
// (InCaseIdSize, InCaseIdOffset, InCase). The Out part (Ruzor AVI) stays empty.
struct TEnOcean_Case_Info
{
    std::uint32_t InCaseIdSize = 0;
    std::uint32_t InCaseIdOffset = 0;
    std::uint32_t InCase = 0;
    std::uint32_t InVarNum = 0;
    std::vector<TEnOcean_Var_Info> InVarTable;
    std::uint32_t InVarAdd = 0;
    std::uint32_t OutCaseIdSize = 0;
    std::uint32_t OutCaseIdOffset = 0;
    std::uint32_t OutCase = 0;
    std::uint32_t OutVarNum = 0;
    std::vector<TEnOcean_Var_Info> OutVarTable;
    std::uint32_t OutVarAdd = 0;
};

struct TEnOcean_Eep_Info
{
    std::uint32_t Rorg = 0;
    std::uint32_t CaseNum = 0;
    std::vector<TEnOcean_Case_Info> CaseTable;
    std::uint32_t CaseAdd = 0;
};

// Key fields hold the first 16 characters of the key text, each as the low
// byte of its character code, zero padded.
struct TEnOcean_Security_Info
{
    QString PreSharedKey;
    QString PrivateKey;
    std::uint32_t RollingCode = 0;
    std::uint8_t RLCAlgorithm = 0;
    std::uint8_t RLCTx = 0;
    std::uint8_t MACAlgorithm = 0;
    std::uint8_t DataEncryption = 0;
    std::uint8_t SenderIsPTM = 0;
    std::uint8_t UnusedChar = 0;
    std::uint16_t UnusedShort = 0;
};

struct TEnOcean_ID_Info
{
    std::uint32_t Id = 0;
    std::uint32_t SecurityOption = 0;
    TEnOcean_Security_Info Security_Info;
    std::uint32_t SecAdd = 0;
    std::uint32_t UniEepNum = 0;
    std::vector<TEnOcean_Eep_Info> UniEepTable;
    std::uint32_t UniEepAdd = 0;
    std::uint32_t SAEepNum = 0;
    std::vector<TEnOcean_Eep_Info> SAEepTable;   // Ruzor AVI: always empty in this build
    std::uint32_t SAEepAdd = 0;
};
