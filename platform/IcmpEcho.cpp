#include "platform/IcmpEcho.h"
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

TIcmp_Echo_Client &Real_Client()
{
    static TIcmp_Echo_Client C;
    return C;
}

IEcho_Client *Installed = nullptr;

std::uint16_t Internet_Checksum(const unsigned char *Data, size_t Len)
{
    std::uint32_t Sum = 0;
    for (size_t I = 0; I + 1 < Len; I += 2)
        Sum += static_cast<std::uint32_t>(Data[I] << 8 | Data[I + 1]);
    if (Len & 1)
        Sum += static_cast<std::uint32_t>(Data[Len - 1] << 8);
    while (Sum >> 16)
        Sum = (Sum & 0xFFFF) + (Sum >> 16);
    return static_cast<std::uint16_t>(~Sum);
}

// Closes the socket on every way out.
struct TSocket
{
    int Fd = -1;
    bool Raw = false;
    ~TSocket()
    {
        if (Fd >= 0)
            ::close(Fd);
    }
};

QString Errno_Text(const char *What)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(What), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

IEcho_Client &Echo_Client()
{
    return Installed ? *Installed : Real_Client();
}

void Set_Echo_Client(IEcho_Client *Client)
{
    Installed = Client;
}

bool Parse_IPv4(const QString &Text, std::uint32_t &Address)
{
    const QStringList Parts = Text.split(QLatin1Char('.'));
    if (Parts.size() != 4)
        return false;
    std::uint32_t A = 0;
    for (const QString &P : Parts) {
        if (P.isEmpty() || P.size() > 3)
            return false;
        int V = 0;
        for (QChar C : P) {
            if (C < QLatin1Char('0') || C > QLatin1Char('9'))
                return false;
            V = V * 10 + (C.unicode() - '0');
        }
        if (V > 255)
            return false;
        A = (A << 8) | static_cast<std::uint32_t>(V);
    }
    Address = A;
    return true;
}

bool Is_Echo_Reply_For(const unsigned char *Data, long long Len, bool With_Ip_Header, std::uint16_t Id,
                       std::uint16_t Seq, int &Icmp_Len)
{
    const unsigned char *Icmp = Data;
    long long N = Len;
    if (With_Ip_Header) {
        if (N < 20)
            return false;
        const int Ip_Len = (Data[0] & 0x0F) * 4;
        if (Ip_Len < 20 || Ip_Len > N)
            return false;
        Icmp += Ip_Len;
        N -= Ip_Len;
    }
    if (N < 8 || Icmp[0] != ICMP_ECHOREPLY || Icmp[1] != 0)
        return false;
    if ((Icmp[4] << 8 | Icmp[5]) != Id || (Icmp[6] << 8 | Icmp[7]) != Seq)
        return false;
    Icmp_Len = static_cast<int>(N);
    return true;
}

TEcho_Reply TIcmp_Echo_Client::Echo(const QString &Host, const QByteArray &Data, std::uint32_t Timeout_Ms,
                                    const std::function<bool()> &Idle)
{
    TEcho_Reply R;
    std::uint32_t Target;
    if (!Parse_IPv4(Host, Target)) {
        R.Status = TEcho_Reply::esError;
        R.Error = QStringLiteral("\"%1\" is not a numeric IPv4 address").arg(Host);
        return R;
    }

    TSocket S;
    S.Fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (S.Fd < 0) {
        S.Fd = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
        S.Raw = true;
    }
    if (S.Fd < 0) {
        R.Status = TEcho_Reply::esError;
        R.Error = Errno_Text("no ICMP socket");
        return R;
    }

    sockaddr_in To{};
    To.sin_family = AF_INET;
    To.sin_addr.s_addr = htonl(Target);

    const std::uint16_t Seq = ++FSequence;
    std::uint16_t Id = static_cast<std::uint16_t>(::getpid() ^ reinterpret_cast<quintptr>(this));
    QByteArray Packet(8, 0);
    Packet += Data;
    auto *P = reinterpret_cast<unsigned char *>(Packet.data());
    P[0] = ICMP_ECHO;
    P[1] = 0;
    P[4] = static_cast<unsigned char>(Id >> 8);
    P[5] = static_cast<unsigned char>(Id);
    P[6] = static_cast<unsigned char>(Seq >> 8);
    P[7] = static_cast<unsigned char>(Seq);
    const std::uint16_t Sum = Internet_Checksum(P, static_cast<size_t>(Packet.size()));
    P[2] = static_cast<unsigned char>(Sum >> 8);
    P[3] = static_cast<unsigned char>(Sum);

    if (::sendto(S.Fd, Packet.constData(), static_cast<size_t>(Packet.size()), 0,
                 reinterpret_cast<const sockaddr *>(&To), sizeof To) < 0) {
        R.Status = TEcho_Reply::esError;
        R.Error = Errno_Text("the echo request cannot be sent");
        return R;
    }
    if (!S.Raw) {
        // A datagram socket's identifier is its local port, set by the kernel.
        sockaddr_in Local{};
        socklen_t Len = sizeof Local;
        if (::getsockname(S.Fd, reinterpret_cast<sockaddr *>(&Local), &Len) == 0)
            Id = ntohs(Local.sin_port);
    }

    using namespace std::chrono;
    const auto Deadline = steady_clock::now() + milliseconds(Timeout_Ms);
    unsigned char Buf[2048];
    for (;;) {
        const auto Now = steady_clock::now();
        if (Now >= Deadline)
            break;
        const auto Left = duration_cast<milliseconds>(Deadline - Now).count();
        pollfd Pfd{S.Fd, POLLIN, 0};
        const int Slice = static_cast<int>(Idle ? std::min<long long>(Left, 10) : Left);
        const int N = ::poll(&Pfd, 1, std::max(Slice, 1));
        if (N > 0 && (Pfd.revents & POLLIN)) {
            sockaddr_in From{};
            socklen_t From_Len = sizeof From;
            const ssize_t Got = ::recvfrom(S.Fd, Buf, sizeof Buf, 0, reinterpret_cast<sockaddr *>(&From), &From_Len);
            int Icmp_Len = 0;
            if (Got > 0 && From.sin_addr.s_addr == To.sin_addr.s_addr
                && Is_Echo_Reply_For(Buf, Got, S.Raw, Id, Seq, Icmp_Len)) {
                R.Status = TEcho_Reply::esReply;
                R.Bytes_Received = Icmp_Len;
                return R;
            }
        } else if (N < 0 && errno != EINTR) {
            R.Status = TEcho_Reply::esError;
            R.Error = Errno_Text("waiting for the echo reply failed");
            return R;
        }
        if (Idle && !Idle()) {
            R.Status = TEcho_Reply::esCancelled;
            return R;
        }
    }
    R.Status = TEcho_Reply::esTimeout;
    R.Bytes_Received = 0;
    return R;
}
