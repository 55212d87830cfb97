// Pictures of the markup (GIF above all): decoding, frame layout and animation.
#include "FuzzSupport.h"
#include "grid/base/HTMLPicture.h"
#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    Fuzz_Gui();
    const QByteArray Bytes(reinterpret_cast<const char *>(Data), static_cast<qsizetype>(Size));
    (void)Gif_Frames(Bytes).size();
    THTMLPicture Picture;
    try { Picture.LoadFromData(Bytes); } catch (const std::runtime_error &) { return 0; }
    const int Frames = Picture.FrameCount();
    for (int I = 0; I < 2 * Frames + 2 && I < 64; ++I)
        Picture.Step();
    (void)Picture.GetFrameTime(1);
    return 0;
}
