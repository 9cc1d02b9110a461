// SafeFileWriter: writes a file through a temporary file in the target's folder and renames it
// over the target only once every byte has reached the disk. On any failure the temporary is
// removed and an existing target stays exactly as it was, so a full disk or a vanished folder
// never leaves a truncated export behind. A link is kept and the file it names replaced; a
// device or pipe is written in place.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class SafeFileWriter {
public:
    explicit SafeFileWriter(std::string target);
    virtual ~SafeFileWriter(); // removes the temporary unless Commit succeeded
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    bool Open(); // creates the temporary; false with Error() set when it cannot be created
    // Writes go on after a failure without effect, so a caller may check once, at Commit.
    bool Write(const void* data, std::size_t size);
    bool Write(std::string_view text) { return Write(text.data(), text.size()); }
    // Flushes to the disk, closes and renames over the target; false if anything failed.
    bool Commit();

    const std::string& Error() const { return error; } // the first failure's reason, one line

private:
    bool Fail(const std::string& reason);
    void Discard();

    std::string target;
    std::string finalPath; // the target, or the file it links to
    std::string temporary;
    std::string error;
    int descriptor = -1;
    bool inPlace = false; // a device or pipe, written directly
    bool failed = false;
};
