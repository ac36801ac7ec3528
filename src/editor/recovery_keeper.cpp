// RecoveryKeeper: the timing of the copies and the shutdown signals.
#include "editor/recovery_keeper.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSocketNotifier>
#include <algorithm>
#include <iostream>
#include <string>

#include "platform/qt_text.h"
#include "shared/shutdown_signals.h"
#include "shared/text_encoding.h"

RecoveryKeeper::RecoveryKeeper(std::function<Document()> document, QObject* parent)
    : QObject(parent), m_document(std::move(document)) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this]() { KeepNow(); });
    if (const int fd = WatchShutdownSignals(); fd >= 0) {
        m_pSignals = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(m_pSignals, &QSocketNotifier::activated, this, [this]() { OnShutdownSignal(); });
    }
}

void RecoveryKeeper::Changed() {
    if (m_bStopped || m_timer.isActive()) {
        return; // the pending write takes this change along
    }
    const qint64 since = m_sinceWrite.isValid() ? m_sinceWrite.elapsed() : kInterval;
    m_timer.start(static_cast<int>(std::max<qint64>(0, kInterval - since)));
}

void RecoveryKeeper::KeepNow() {
    m_timer.stop();
    const Document document = m_document();
    if (m_bStopped || !document.modified || document.palettes == nullptr) {
        return;
    }
    if (!m_kept || m_kept->documentPath != document.path) {
        TakeNote(document.path);
    }
    std::string reason;
    const std::optional<RecoveryCopy> copy =
        WriteRecoveryCopy(m_strNote, document.path, *document.palettes,
                          QDateTime::currentSecsSinceEpoch(), document.diskStamp, &reason);
    m_sinceWrite.start();
    if (!copy) {
        // Nobody is waiting for this write; a box would interrupt the work it protects.
        std::cerr << "tintora: cannot keep a recovery copy: " << reason << "\n";
        return;
    }
    m_kept = copy;
}

void RecoveryKeeper::TakeNote(const CString& path) {
    // Saved under another name meanwhile (Save As that failed): one copy per document.
    if (m_kept) {
        RemoveRecoveryCopy(*m_kept);
        m_kept.reset();
    }
    const CString folder = RecoveryFolder();
    m_strNote = RecoveryNotePath(folder, path);
    m_pLock = LockNote(m_strNote);
    if (!m_pLock) {
        // Another Tintora keeps a copy of this document: ours goes beside it.
        const CString tag = L"-" + std::to_wstring(QCoreApplication::applicationPid());
        m_strNote = RecoveryNotePath(folder, path, tag);
        m_pLock = LockNote(m_strNote);
    }
}

void RecoveryKeeper::Adopt(const RecoveryCopy& copy) {
    m_strNote = copy.notePath;
    m_pLock = LockNote(m_strNote);
    m_kept = copy;
}

std::unique_ptr<QLockFile> RecoveryKeeper::LockNote(const CString& notePath) {
    auto lock = std::make_unique<QLockFile>(ToQString(notePath + L".lock"));
    // Held for as long as the window runs: only a lock whose program is gone is stale.
    lock->setStaleLockTime(0);
    return lock->tryLock(0) ? std::move(lock) : nullptr;
}

void RecoveryKeeper::Discard() {
    m_timer.stop();
    if (m_kept) {
        RemoveRecoveryCopy(*m_kept);
        m_kept.reset();
    }
    m_pLock.reset(); // unlocks and removes the lock file
}

void RecoveryKeeper::Stop() {
    Discard();
    m_bStopped = true;
}

void RecoveryKeeper::OnShutdownSignal() {
    const int signal = TakeShutdownSignal();
    if (signal == 0) {
        return;
    }
    KeepNow();
    EndBySignal(signal);
}
