// RecoveryKeeper: when the editor's unsaved work is copied aside and when the copy goes.
// Closing the window asks nothing and writes nothing to the palette file, so a stray Esc or
// Enter would lose the work; the copy is what the next start offers back instead.
//
// A change is kept shortly after it is made, at most one write every two seconds, so that a
// crash loses at most the last two seconds. Closing the window, or the system asking the
// program to end (SIGTERM, SIGHUP), keeps it at once.
#pragma once

#include <QElapsedTimer>
#include <QLockFile>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "files/recovery_file.h"
#include "shared/cstring.h"
#include "shared/file_io.h"
#include "shared/ui_list.h"

class QSocketNotifier;

class RecoveryKeeper : public QObject {
public:
    // What a copy is made of, as the document stands.
    struct Document {
        bool modified = false;
        const UI_LIST* palettes = nullptr;
        CString path;
        std::optional<FileStamp> diskStamp;
    };
    // At most one write in this many milliseconds.
    static constexpr int kInterval = 2000;

    explicit RecoveryKeeper(std::function<Document()> document, QObject* parent = nullptr);

    // The modified document changed: keep it as soon as the interval allows.
    void Changed();
    // Keeps the document now, when it is modified.
    void KeepNow();
    // The work needs no copy any more (saved, or given up after a question): the copy goes,
    // and a pending write with it.
    void Discard();
    // As Discard, and nothing is kept from now on (the window ends on purpose).
    void Stop();
    // A recovered document goes on in the copy it came from.
    void Adopt(const RecoveryCopy& copy);

    // While a window keeps a copy it holds the lock of the copy's note, so that another
    // Tintora started meanwhile neither offers work that is still open nor writes its own
    // over it. The lock of a program that ended without removing it counts as free.
    static std::unique_ptr<QLockFile> LockNote(const CString& notePath);

private:
    void OnShutdownSignal();
    // Chooses and locks the note of path's copy; the copy kept for another path goes.
    void TakeNote(const CString& path);

    std::function<Document()> m_document;
    QTimer m_timer;
    QElapsedTimer m_sinceWrite;
    std::optional<RecoveryCopy> m_kept;
    CString m_strNote;                  // where the copies of this document go
    std::unique_ptr<QLockFile> m_pLock; // the lock of m_strNote
    QSocketNotifier* m_pSignals = nullptr;
    bool m_bStopped = false;
};
