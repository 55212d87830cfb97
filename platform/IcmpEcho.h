#pragma once
#include <QByteArray>
#include <QStringList>
#include <QString>
#include <cstdint>
#include <functional>

// One ICMPv4 echo request and its reply, as the update dialog's reachability
// check needs it. Addresses are parsed numerically (dotted quad, decimal
// octets 0..255) and never resolved by DNS. Only an echo reply that comes
// from the target and carries our identifier and sequence number counts.

struct TEcho_Reply
{
    enum TStatus {
        esReply,     // an echo reply arrived; Bytes_Received > 0
        esTimeout,   // no matching reply within the time-out; Bytes_Received 0
        esCancelled, // the Idle callback asked to stop waiting
        esError,     // the request could not be sent (bad address, no socket, ...)
    };
    TStatus Status = esTimeout;
    int Bytes_Received = 0;   // ICMP message length of the reply (header + data)
    QString Error;            // for esError
};

class IEcho_Client
{
public:
    virtual ~IEcho_Client() = default;
    // Sends one echo request carrying Data to Host and waits up to Timeout_Ms
    // for the reply. While waiting, Idle (when set) is called about every
    // 10 ms; when it returns false the wait ends with esCancelled.
    virtual TEcho_Reply Echo(const QString &Host, const QByteArray &Data, std::uint32_t Timeout_Ms,
                             const std::function<bool()> &Idle) = 0;
};

// The program's echo client; tests install a fake with TEchoClientGuard.
IEcho_Client &Echo_Client();
void Set_Echo_Client(IEcho_Client *Client);

class TEchoClientGuard
{
public:
    explicit TEchoClientGuard(IEcho_Client *C) { Set_Echo_Client(C); }
    ~TEchoClientGuard() { Set_Echo_Client(nullptr); }
    TEchoClientGuard(const TEchoClientGuard &) = delete;
    TEchoClientGuard &operator=(const TEchoClientGuard &) = delete;
};

// Strict numeric IPv4 parsing: four decimal octets 0..255 joined by dots,
// nothing else (no blanks, no names). Address in host byte order.
bool Parse_IPv4(const QString &Text, std::uint32_t &Address);

// Whether a received datagram is the echo reply to our request: an ICMP echo
// reply (type 0, code 0) carrying our identifier and sequence number. Raw
// sockets deliver the IPv4 header first (With_Ip_Header). On true, Icmp_Len
// is the length of the ICMP message (header and data).
bool Is_Echo_Reply_For(const unsigned char *Data, long long Len, bool With_Ip_Header, std::uint16_t Id,
                       std::uint16_t Seq, int &Icmp_Len);

// The real client: an unprivileged ICMP datagram socket where the system
// allows it, otherwise a raw ICMP socket (root or CAP_NET_RAW).
class TIcmp_Echo_Client : public IEcho_Client
{
public:
    TEcho_Reply Echo(const QString &Host, const QByteArray &Data, std::uint32_t Timeout_Ms,
                     const std::function<bool()> &Idle) override;

private:
    std::uint16_t FSequence = 0;
};
