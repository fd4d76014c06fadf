// Reads arbitrary bytes as a search-item stream and as a search-item file,
// saves what was read and reads it again (the saved forms must agree), then
// runs every item read over the bytes as UTF-16 and as 8-bit text.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/stream.h"
#include "runtime1/search/search_engines.h"

using namespace qm7;
using platform::TMemoryStream;

namespace {

[[noreturn]] void Fail(const char* what) {
    fprintf(stderr, "search items: %s\n", what);
    abort();
}

std::string Saved(const TBaseSearchItems& items) {
    TMemoryStream out;
    if (!items.SaveToStream(out))
        Fail("save of what was read");
    return std::string(out.Bytes());
}

TIgnore_tag_type AngleTags() {
    TIgnore_tag_type tags{};
    tags[0][0] = u'<';
    tags[1][0] = u'>';
    return tags;
}

void StreamRoundTrip(const uint8_t* data, size_t size) {
    TMemoryStream in;
    if (size > 0)
        in.WriteBuffer(data, int64_t(size));
    in.SetPosition(0);
    TSearchWordItems first(AngleTags(), 0x0409, true);
    first.ReadFromStream(in);
    const std::string saved = Saved(first);
    TMemoryStream again;
    again.WriteBuffer(saved);
    again.SetPosition(0);
    TSearchWordItems second(AngleTags(), 0x0409, true);
    if (!second.ReadFromStream(again))
        Fail("second read of a saved stream");
    if (Saved(second) != saved)
        Fail("stream round trip changed the items");
}

std::filesystem::path TempFile() {
    static const auto path = std::filesystem::temp_directory_path() /
                             ("search_items_fuzz_" + std::to_string(::getpid()) + ".txt");
    return path;
}

void FileRoundTrip(const uint8_t* data, size_t size, TBaseSearchItems& items) {
    {
        std::ofstream out(TempFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    items.LoadFromFile(TempFile(), 0);
    // What SaveToFile writes (it syncs the file to disk, too slow to fuzz).
    TMemoryStream bytes;
    items.TypedInWordsAsStringlist()->SaveToStream(bytes, platform::teUtf16LE);
    {
        std::ofstream out(TempFile(), std::ios::binary | std::ios::trunc);
        out.write(bytes.Bytes().data(), std::streamsize(bytes.Bytes().size()));
    }
    TBaseSearchItems back(AngleTags(), 0x0409, true);
    back.LoadFromFile(TempFile(), 0);
    if (back.Count() != items.Count())
        Fail("file round trip changed the number of items");
}

void SearchAll(TBaseSearchItems& items, const uint8_t* data, size_t size) {
    std::u16string wide(size / 2, u'\0');
    for (size_t i = 0; i < wide.size(); ++i) {
        wide[i] = char16_t(data[2 * i] | (data[2 * i + 1] << 8));
        if (wide[i] == 0)
            wide[i] = u' ';
    }
    std::string narrow(reinterpret_cast<const char*>(data), size);
    for (char& c : narrow)
        if (c == 0)
            c = ' ';
    const auto accept = [](TSearchAndDoEngine*, const TSearchFound_Rec&) { return true; };
    TSearchAndDoEngine w(true, true, 0x0409);
    w.PrepareFirst(wide.c_str(), int64_t(wide.size()) * 2, 0, accept, {});
    w.HandleAllowables(u"'-", false, false);
    TSearchAndDoEngine a(false, true, 0x0409);
    a.PrepareFirst(narrow.c_str(), int64_t(narrow.size()), 0, accept, {});
    for (int i = 0; i < items.Count() && i < 8; ++i) {
        TSearch_word_format_rec item = items.GetSWR(i);
        w.SearchAndDo(&item);
        a.SearchAndDo(&item);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    StreamRoundTrip(data, size);
    TBaseSearchItems items(AngleTags(), 0x0409, true);
    FileRoundTrip(data, size, items);
    SearchAll(items, data, size);
    return 0;
}
