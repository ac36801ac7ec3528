// The render command.
#include "cli/render_command.h"

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <iostream>
#include <memory>

#include <CLI/CLI.hpp>

#include "cli/messages.h"
#include "cli/palette_io.h"
#include "cli/palette_picture.h"
#include "model/palette_entry.h"
#include "platform/win_app.h"
#include "shared/file_io.h"
#include "shared/text_encoding.h"

namespace {

QtMessageHandler g_qtMessageHandler = nullptr;

// Qt remarks that no runtime folder is set; nothing here uses one, and a command-line tool
// should not print what is of no concern to its user.
void SkipRuntimeFolderRemark(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    if (!message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR"))) {
        g_qtMessageHandler(type, context, message);
    }
}

// The palette the request names, or null after saying why there is none.
const PaletteEntry* ChosenPalette(const RenderRequest& request, const UI_LIST& list,
                                  std::ostream& err) {
    if (request.paletteName) {
        const CString name = FromUtf8(*request.paletteName);
        for (int i = 0; i < static_cast<int>(list.Count()); ++i) {
            if (const PaletteEntry* palette = PaletteAt(list, i);
                palette && palette->m_Name == name) {
                return palette;
            }
        }
        err << "No palette named \"" << *request.paletteName << "\" in " << request.file << '\n';
        return nullptr;
    }
    const int index = request.index.value_or(0);
    if (const PaletteEntry* palette = PaletteAt(list, index); palette != nullptr) {
        return palette;
    }
    if (list.Count() == 0) {
        err << kNoPaletteReadMessage << '\n';
    } else {
        err << "No palette at position " << index << " in " << request.file << " (it holds "
            << list.Count() << ", counted from 0)\n";
    }
    return nullptr;
}

// Encoded in memory first, then written through the one writer, which replaces only a
// regular file and only once the whole picture is on disk. Empty on success, else why not.
std::string SavePng(const QImage& image, const std::string& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        return "cannot encode the picture as PNG";
    }
    return WriteFileBytes(
        PathFromArgument(path),
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace

int RenderPaletteFile(const RenderRequest& request, std::ostream& err) {
    const PaletteListPtr list = ReadPalettes(request.file, err);
    if (!list) {
        return kExitFailure;
    }
    const PaletteEntry* palette = ChosenPalette(request, *list, err);
    if (palette == nullptr) {
        return kExitFailure;
    }
    // No display is needed, nor used when there is one: the picture must not depend on the
    // desktop the command happens to run on.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_qtMessageHandler = qInstallMessageHandler(SkipRuntimeFolderRemark);
    int argc = 1;
    char name[] = "tintora-cli";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    InitCommonControls();
    if (const std::string problem =
            SavePng(PalettePicture(*palette, request.dark ? 1 : 0), request.output);
        !problem.empty()) {
        ReportFileProblem(err, request.output, problem);
        return kExitFailure;
    }
    return kExitSuccess;
}

void AddRenderCommand(CommandTable& table) {
    auto request = std::make_shared<RenderRequest>();
    auto background = std::make_shared<std::string>("light");
    CLI::App& command =
        table.Add("render", "Write a PNG of one palette of FILE as the editor shows it",
                  [request, background] {
                      request->dark = *background == "dark";
                      return RenderPaletteFile(*request, std::cerr);
                  });
    command.add_option("FILE", request->file, "Palette file to read")->required();
    CLI::Option* name =
        command.add_option("--palette", request->paletteName, "The first palette named NAME")
            ->option_text("NAME");
    command
        .add_option("--index", request->index,
                    "The palette at position N in the file, counted from 0 (default 0)")
        ->option_text("N")
        ->check(CLI::NonNegativeNumber)
        ->excludes(name);
    command.add_option("--background", *background, "Which colours to show (default light)")
        ->check(CLI::IsMember({"light", "dark"}));
    command.add_option("-o,--output", request->output, "PNG file to write")
        ->option_text("OUT.png")
        ->required();
}
