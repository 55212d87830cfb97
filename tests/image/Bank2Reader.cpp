#include "Bank2Reader.h"

namespace {

constexpr std::uint32_t Base = 0x80000;

class TWalker
{
public:
    explicit TWalker(const QByteArray &Image) : FImage(Image) {}

    // The u32 at an absolute address; records the end of what was read.
    bool U32(std::uint32_t Address, std::uint32_t &Value)
    {
        if (Address < Base || Address - Base > static_cast<std::uint32_t>(FImage.size()) - 4u
            || FImage.size() < 4) {
            FError = QStringLiteral("address 0x%1 outside the image").arg(Address, 0, 16);
            return false;
        }
        const auto *P = reinterpret_cast<const unsigned char *>(FImage.constData()) + (Address - Base);
        Value = std::uint32_t(P[0]) | std::uint32_t(P[1]) << 8 | std::uint32_t(P[2]) << 16 | std::uint32_t(P[3]) << 24;
        FEnd = std::max(FEnd, Address - Base + 4);
        return true;
    }
    // Reads Count fields of Size-byte entries from a table at Address.
    bool Fields(std::uint32_t Address, int Count, std::uint32_t *Out)
    {
        for (int I = 0; I < Count; ++I)
            if (!U32(Address + 4u * static_cast<std::uint32_t>(I), Out[I]))
                return false;
        return true;
    }
    bool Table(std::uint32_t Count, std::uint32_t Address, std::uint32_t Entry_Size)
    {
        // A count beyond what the image could hold is a broken link, not a loop.
        if (Count > static_cast<std::uint32_t>(FImage.size()) / Entry_Size) {
            FError = QStringLiteral("count %1 at 0x%2 beyond the image").arg(Count).arg(Address, 0, 16);
            return false;
        }
        return true;
    }
    bool Vars(std::uint32_t Count, std::uint32_t Address, std::vector<TBank2_Var> &Out)
    {
        if (!Table(Count, Address, 16))
            return false;
        for (std::uint32_t I = 0; I < Count; ++I) {
            std::uint32_t F[4];
            if (!Fields(Address + 16 * I, 4, F))
                return false;
            Out.push_back({F[0], F[1], F[2], F[3]});
        }
        return true;
    }
    bool Eeps(std::uint32_t Count, std::uint32_t Address, std::vector<TBank2_Eep> &Out)
    {
        if (!Table(Count, Address, 12))
            return false;
        for (std::uint32_t I = 0; I < Count; ++I) {
            std::uint32_t E[3];
            if (!Fields(Address + 12 * I, 3, E) || !Table(E[1], E[2], 40))
                return false;
            TBank2_Eep Eep;
            Eep.Rorg = E[0];
            for (std::uint32_t C = 0; C < E[1]; ++C) {
                std::uint32_t F[10];
                TBank2_Case Case;
                if (!Fields(E[2] + 40 * C, 10, F) || !Vars(F[3], F[4], Case.In) || !Vars(F[8], F[9], Case.Out))
                    return false;
                Case.IdSize = F[0];
                Case.IdOffset = F[1];
                Case.Id = F[2];
                Eep.Cases.push_back(std::move(Case));
            }
            Out.push_back(std::move(Eep));
        }
        return true;
    }
    bool Device(std::uint32_t Address, TBank2_Device &Dev)
    {
        std::uint32_t F[7];
        if (!Fields(Address, 7, F))
            return false;
        Dev.Id = F[0];
        Dev.Security = F[1];
        std::uint32_t Last = 0;
        if (!U32(F[2] + 40, Last))
            return false;
        Dev.Security_Block = FImage.mid(static_cast<int>(F[2] - Base), 44);
        return Eeps(F[3], F[4], Dev.Uni) && Eeps(F[5], F[6], Dev.SAck);
    }

    const QByteArray &FImage;
    std::uint32_t FEnd = 0;
    QString FError;
};

} // namespace

bool Read_Bank2(const QByteArray &Image, std::vector<TBank2_Device> &Devices, QString &Error)
{
    Devices.clear();
    TWalker W(Image);
    std::uint32_t Header[2];
    bool Ok = W.Fields(Base, 2, Header) && W.Table(Header[0], Header[1], 28);
    for (std::uint32_t I = 0; Ok && I < Header[0]; ++I) {
        TBank2_Device Dev;
        Ok = W.Device(Header[1] + 28 * I, Dev);
        Devices.push_back(std::move(Dev));
    }
    if (Ok && W.FEnd != static_cast<std::uint32_t>(Image.size())) {
        W.FError = QStringLiteral("the tables end at %1 of %2 bytes").arg(W.FEnd).arg(Image.size());
        Ok = false;
    }
    Error = W.FError;
    return Ok;
}
