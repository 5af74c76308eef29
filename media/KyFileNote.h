#pragma once

#include <cstdio>
#include <string>

// The transfer journal file: entries of "classb:" and a record's bytes.
class KyFileNote {
public:
    explicit KyFileNote(const char* fileName);
    virtual ~KyFileNote();

    // 0 when n bytes were read after the "classb:" mark, or the file ended; -1 otherwise.
    virtual int readRecord(void* buffer, int n);
    // Writes "classb:" and the n bytes; 0 when all were written, -1 otherwise.
    virtual int writeRecord(const void* buffer, int n);

    int open(const char* mode);   // 0, or -1 when the file cannot be opened
    int close();                  // always 0
    bool isOpen() const { return mFile != nullptr; }

private:
    FILE* mFile = nullptr;
    std::string mFileName;
};
