// The render command.
#include "cli/render_command.h"

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <iostream>
#include <memory>
#include <optional>

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

// The PNG's bytes, made in memory so that the file is written as every other output is.
std::optional<std::string> PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        return std::nullopt;
    }
    return bytes.toStdString();
}

} // namespace

int RenderPaletteFile(const RenderRequest& request, std::ostream& err) {
    const PaletteListPtr list = ReadPalettes(request.file, err);
    if (!list) {
        return kExitFailure;
    }
    const PaletteEntry* chosen = ChosenPalette(request.choice, *list, request.file, err);
    if (chosen == nullptr) {
        return kExitFailure;
    }
    // The pens as the chosen eyes see them; the grids and swatches show nothing but these.
    PaletteEntry palette;
    palette.m_Colours = chosen->m_Colours;
    for (auto& colours : palette.m_Colours) {
        for (COLORREF& colour : colours) {
            colour = SimulateVision(colour, request.vision);
        }
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
    const std::optional<std::string> png = PngBytes(PalettePicture(palette, request.dark ? 1 : 0));
    if (!png) {
        ReportFileError(err, request.output, "the picture cannot be encoded as PNG");
        return kExitFailure;
    }
    return WriteOutput(
               request.output, [&png](const OutputSink& sink) { return sink(*png); }, err)
               ? kExitSuccess
               : kExitFailure;
}

void AddRenderCommand(CommandTable& table) {
    auto request = std::make_shared<RenderRequest>();
    auto background = std::make_shared<std::string>("light");
    auto vision = std::make_shared<std::string>("normal");
    CLI::App& command =
        table.Add("render", "Write a PNG of one palette of FILE as the editor shows it",
                  "tintora-cli render colours.pal -o colours.png --background dark",
                  [request, background, vision] {
                      request->dark = *background == "dark";
                      request->vision = VisionFromName(*vision).value_or(Vision::Normal);
                      return RenderPaletteFile(*request, std::cerr);
                  });
    command.add_option("FILE", request->file, "Palette file to read")->required();
    AddPaletteChoiceOptions(command, request->choice);
    command.add_option("--background", *background, "Which colours to show (default light)")
        ->check(CLI::IsMember({"light", "dark"}));
    command
        .add_option("--vision", *vision,
                    "Show the colours as protanopia, deuteranopia or tritanopia shows them")
        ->check(CLI::IsMember({"normal", "protanopia", "deuteranopia", "tritanopia"}));
    command.add_option("-o,--output", request->output, "PNG file to write (- for standard output)")
        ->option_text("OUT.png|-")
        ->required();
}
