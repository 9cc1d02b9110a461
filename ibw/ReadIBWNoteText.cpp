#include "ibw/IBWRead.h"
#include "ibw/IBWSections.h"

int ReadIBWNoteText(IBWStream& file, std::vector<char>* note, std::int32_t* byteCount) {
    BinHeader5 bin;
    int err = ReadIBWHeaders(file, nullptr, &bin, nullptr);
    if (err != 0) {
        return err;
    }
    std::int64_t end = 0;
    err = file.EndPosition(&end);
    if (err != kIBWFileOK) {
        return err;
    }
    std::int64_t start = 0;
    if (!IBWNoteStart(bin, end, &start) || !IBWFits(end, start, bin.noteSize)) {
        std::printf("The wave note (%d bytes) extends past the end of the file.\n", bin.noteSize);
        return -1;
    }
    if (note == nullptr) {
        if (byteCount != nullptr) {
            *byteCount = bin.noteSize + 2;
        }
        return 0;
    }

    err = file.SetPosition(start, kIBWFromStart);
    if (err != kIBWFileOK) {
        return err;
    }
    // Two carriage returns and a zero behind the bytes read: the last line always ends.
    std::vector<char> text(static_cast<std::size_t>(bin.noteSize) + 3, 0);
    std::size_t got = 0;
    err = file.Read(static_cast<std::size_t>(bin.noteSize), text.data(), &got);
    if (err != kIBWFileOK) {
        return err;
    }
    text[got] = '\r';
    text[got + 1] = '\r';
    text[got + 2] = '\0';
    *note = std::move(text);
    if (byteCount != nullptr) {
        *byteCount = static_cast<std::int32_t>(got);
    }
    return 0;
}
