#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// Reads a bank2.bin back the way the gateway walks it: from the header
// through every absolute address (base 0x80000) to the devices, their EEPs,
// cases and variables. Tests compare what it finds with what was entered.
struct TBank2_Var
{
    std::uint32_t BitSize = 0, BitOffset = 0, Position = 0, BitStart = 0;
};
struct TBank2_Case
{
    std::uint32_t IdSize = 0, IdOffset = 0, Id = 0;
    std::vector<TBank2_Var> In, Out;
};
struct TBank2_Eep
{
    std::uint32_t Rorg = 0;
    std::vector<TBank2_Case> Cases;
};
struct TBank2_Device
{
    std::uint32_t Id = 0, Security = 0;
    QByteArray Security_Block; // the 44 bytes
    std::vector<TBank2_Eep> Uni, SAck;
};

// False with Error set when an address or count leads outside the image, or
// when the tables do not end exactly at the image's end.
bool Read_Bank2(const QByteArray &Image, std::vector<TBank2_Device> &Devices, QString &Error);
