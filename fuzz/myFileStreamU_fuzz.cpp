// Reads arbitrary bytes as the suite's counted texts and short strings, and
// as a folder's file list; what was read is written again and must read back
// the same. Readers must refuse bad counts with EReadError and never read
// past the stream.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/stream.h"
#include "runtime1/files/PeruseDir.h"
#include "runtime1/files/myFileStreamU.h"

using namespace qm7;
using platform::TMemoryStream;

namespace {

struct TBytesStream : TMemoryStream {
    TBytesStream(const uint8_t* data, size_t size) {
        if (size > 0)
            WriteBuffer(data, int64_t(size));
        SetPosition(0);
    }
};

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
}

void CountedTexts(platform::TStream& in, uint8_t kinds) {
    TMemoryStream out;
    for (int step = 0; step < 64 && in.Position() < in.Size(); ++step) {
        const int64_t before = in.Position();
        try {
            switch ((kinds >> (step % 4 * 2)) & 3) {
            case 0: {
                const TCountedText t =
                    ReadUnknownLengthPointerMaxSize(in, (step & 1) != 0, 1 << 16);
                if (t.Count() > (1 << 16) || t.Count() != temp_pointer_chars_allocated)
                    Fail("counted text");
                if (!WriteKnownLengthPointer(out, t.Pointer(), t.in_unicode, t.Count()))
                    Fail("write counted text");
                break;
            }
            case 1: {
                const std::u16string t = ReadWidePchar(in);
                WriteWidePchar(out, t.c_str());
                break;
            }
            case 2: {
                const std::string t = ReadAnsiPchar(in);
                if (t.size() > 0xFFFF)
                    Fail("8-bit text");
                break;
            }
            default:
                if (ReadShortString(in).size() > 255)
                    Fail("short string");
            }
        } catch (const platform::EReadError&) {
            if (in.Position() > in.Size())
                Fail("read past the end");
            (void)before;
            return;
        }
    }
}

void FolderList(const uint8_t* data, size_t size) {
    TBytesStream in(data, size);
    TFolderful first(u"");
    try {
        first.ReadFromStream(in);
    } catch (const platform::EStreamError&) {
        return;
    }
    TMemoryStream saved;
    first.SaveToStream(saved);
    saved.SetPosition(0);
    TFolderful second(u"");
    second.ReadFromStream(saved);
    TMemoryStream again;
    second.SaveToStream(again);
    if (again.Bytes() != saved.Bytes())
        Fail("folder round trip");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    if (data[0] & 1) {
        FolderList(data + 1, size - 1);
    } else {
        TBytesStream in(data + 2, size - 2);
        CountedTexts(in, data[1]);
    }
    return 0;
}
