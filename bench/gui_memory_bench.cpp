// Peak memory of the running editor, started as the program starts it: first with the
// built-in default palette, then after the Open dialog has been shown and cancelled, then
// with a file of 1,000 palettes opened through the Open command. The peak only ever grows,
// so each line holds everything before it; the current resident size is given beside it.
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/tintora_app.h"
#include "editor/tintora_dlg.h"
#include "filedialog/file_dialog.h"
#include "files/palette_file.h"
#include "model/palette_entry.h"
#include "offscreen_run.h"
#include "platform/modal_door.h"
#include "platform/profile.h"
#include "platform/qt_text.h"
#include "resources/resource.h"
#include "shared/paths.h"

namespace {

constexpr int kPalettes = 1000;

// Deterministic colours of one to three digits, like hand-made palettes.
UI_LIST* GeneratedList(int palettes) {
    auto* list = new UI_LIST(nullptr);
    std::uint32_t seed = 12345;
    for (int i = 0; i < palettes; ++i) {
        auto* entry = new PaletteEntry;
        entry->m_Name = L"Palette " + std::to_wstring(i);
        entry->m_Description = L"Generated palette number " + std::to_wstring(i);
        for (auto& variant : entry->m_Colours) {
            for (COLORREF& colour : variant) {
                seed = seed * 1664525u + 1013904223u;
                colour = (seed >> 8) & 0xFFFFFFu;
            }
        }
        list->Add(entry);
    }
    return list;
}

// Written by a child process, so that building the list leaves no trace in the peak of
// the process measured.
bool WriteGeneratedFile(const QString& path) {
    const pid_t pid = fork();
    if (pid == 0) {
        UI_LIST* list = GeneratedList(kPalettes);
        const bool written = WritePaletteFile(FromQString(path), *list);
        DiscardPaletteList(list);
        _exit(written ? 0 : 1);
    }
    int status = 0;
    return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

struct Reading {
    const char* step;
    long peakKb = 0; // VmHWM: the kernel's high-water mark, what getrusage calls ru_maxrss
    long currentKb = 0;
};

// Both sizes in one read, so that they describe the same moment.
Reading Measure(const char* step) {
    Reading reading{step};
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmHWM:") {
            status >> reading.peakKb;
        } else if (word == "VmRSS:") {
            status >> reading.currentKb;
        }
    }
    return reading;
}

// Types path into the file dialog and accepts it, or cancels when path is empty.
ModalHandler AnswerOpen(const QString& path) {
    return [path](QDialog& dialog) {
        auto* fileDialog = dynamic_cast<CFileDialog*>(&dialog);
        if (fileDialog == nullptr || path.isEmpty()) {
            dialog.reject();
            return;
        }
        fileDialog->FileNameEdit()->setText(path);
        static_cast<QDialog*>(fileDialog)->accept();
    };
}

// Runs the Open command on the editor, answering its file dialog with path (empty: Cancel).
bool Open(CTintoraDlg& editor, const QString& path) {
    ModalScript script;
    script.Then(AnswerOpen(path));
    editor.SendCommand(ID_FILE_OPEN);
    QApplication::processEvents();
    editor.Client()->repaint();
    if (!script.Failures().empty() || script.Seen().size() != 1) {
        std::fprintf(stderr, "the Open command went otherwise than planned:\n%s",
                     script.Report().toLocal8Bit().constData());
        return false;
    }
    return true;
}

// The steps, run inside the editor's own event loop; the editor is closed at the end.
bool MeasureSession(const QString& file, std::vector<Reading>& readings) {
    auto* editor = dynamic_cast<CTintoraDlg*>(AfxGetApp()->m_pMainWnd);
    if (editor == nullptr || !QTest::qWaitForWindowExposed(editor)) {
        std::fprintf(stderr, "the editor window was not shown\n");
        return false;
    }
    editor->Client()->repaint();
    readings.push_back(Measure("editor shown, default palette"));

    bool ok = Open(*editor, QString());
    readings.push_back(Measure("Open dialog shown and cancelled"));

    ok = ok && Open(*editor, file);
    if (ok && (editor->m_pPaletteList == nullptr ||
               editor->m_pPaletteList->Count() != static_cast<unsigned>(kPalettes))) {
        std::fprintf(stderr, "the file did not open with all its palettes\n");
        ok = false;
    }
    readings.push_back(Measure("1,000-palette file opened"));
    editor->EndDialog(IDCANCEL);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    const OffscreenRun run;
    const QString file = run.FilePath(QStringLiteral("generated.pal"));
    if (!WriteGeneratedFile(file)) {
        std::fprintf(stderr, "cannot write %s\n", file.toLocal8Bit().constData());
        return 1;
    }

    // As the program starts, with the start-up message turned off in the profile.
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintora"));
    QApplication::setDesktopFileName(QStringLiteral("tintora"));
    coreSetAppFolder(FromQString(QCoreApplication::applicationDirPath()));
    SetRegistryKey(L"Keldane", L"Corvane 2014");
    WriteProfileInt(L"DialogData\\Tintora", L"ShowWarning", 0);

    std::vector<Reading> readings;
    bool ok = false;
    QTimer::singleShot(0, [&]() { ok = MeasureSession(file, readings); });
    CTintoraApp app;
    app.InitInstance();
    if (!ok) {
        return 1;
    }

    std::printf("Editor memory (%s: %.2f MB)\n", "1,000-palette file",
                static_cast<double>(std::filesystem::file_size(file.toStdString())) / 1e6);
    std::printf("%-34s %14s %16s\n", "step", "peak RSS MiB", "current RSS MiB");
    for (const Reading& r : readings) {
        std::printf("%-34s %14.1f %16.1f\n", r.step, static_cast<double>(r.peakKb) / 1024.0,
                    static_cast<double>(r.currentKb) / 1024.0);
    }
    return 0;
}
