#pragma once

#include <cstdint>
#include <string>

class KyTranscodeProcess;

// Job states; their texts are g_transferStateNames[state].
enum KyTransferState {
    KyStateDownloading = 0,
    KyStateUploading = 1,
    KyStatePaused = 2,
    KyStateIdle = 3,
    KyStateWaitTranscode = 4,
    KyStateTranscoding = 5,
    KyStateFailed = 6,
};

// UTF-8 texts of the job states, indexed by state.
extern const char* const g_transferStateNames[7];

// One download or upload job. Texts are full UTF-8 paths; the journal
// record cuts them to its fields.
struct KyTransferRecord {
    static constexpr int kJournalSize = 688;
    static constexpr int kNameField = 128;
    static constexpr int kPathField = 256;

    int32_t id = 0;
    int32_t handle = 0;
    int32_t state = KyStatePaused;
    std::string name;
    int32_t errorTicks = 0;
    int64_t size = 0;
    int64_t transferred = 0;
    int64_t shownTransferred = 0;
    std::string source;   // download: remote path; upload: local file, then the converted one
    std::string target;   // download: local file; upload: remote path
    KyTranscodeProcess* transcoder = nullptr;
    bool upload = false;

    // A fresh positive 31-bit id, different from the last 2^31 - 1 ones.
    static int32_t nextId();

    // The journal record: fields little-endian at fixed offsets, texts cut
    // on a UTF-8 character boundary and NUL-terminated, every other byte 0.
    void toJournal(unsigned char out[kJournalSize]) const;
    static KyTransferRecord fromJournal(const unsigned char in[kJournalSize]);
};
