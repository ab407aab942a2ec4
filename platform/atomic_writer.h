#pragma once
// A file written in pieces through a temporary file and a rename, as writeFileAtomically does
// in one piece: a failure leaves no partial file and an existing file undamaged.
#include <string>
#include <string_view>

namespace qlmr {

class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string path);   // throws cannotCreate
    ~AtomicFileWriter();                           // without commit: the temporary file goes
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void write(std::string_view bytes);   // throws cannotCreate
    void rewind();                        // empties what was written so far
    void commit();                        // flushes, closes and renames; throws cannotCreate

private:
    void fail(unsigned long code);
    std::string path_, temp_;
    void* handle_;
};

}  // namespace qlmr
