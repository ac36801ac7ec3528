// tintora-cli render, run as a process: its picture against the editor window's own grab of
// the same palette in both variants.
#include <QImage>
#include <QRect>
#include <QTemporaryDir>

#include <filesystem>
#include <vector>

#include "cli_runner.h"
#include "colour/vision.h"
#include "editor/tintora_dlg.h"
#include "editor_test_support.h"
#include "shared/text_encoding.h"

namespace {

class RenderTest : public EditorTest {
protected:
    // The second palette is the one of interest, every pen with colours of its own, different
    // in the two variants, so that a cell drawn in the wrong place or variant shows. The
    // first, all black, only has to be skipped.
    void SetUp() override {
        EditorTest::SetUp();
        UI_LIST list(nullptr);
        for (const wchar_t* name : {L"First", L"Distinct"}) {
            auto* palette = new PaletteEntry;
            palette->m_Name = name;
            palette->m_Description = L"every pen its own colour";
            for (int pen = 0; pen < kPenCount && list.Count() == 1; ++pen) {
                palette->m_Colours[0][pen] = MakeColour(pen, 255 - pen, (pen * 7) % 256);
                palette->m_Colours[1][pen] = MakeColour((pen * 3) % 256, pen / 2, 255 - pen);
            }
            list.Add(palette);
        }
        ASSERT_TRUE(WritePaletteFile(FromUtf8(File()), list));
    }

    std::string File() const { return Path("distinct.pal"); }
    std::string Path(const char* name) const { return m_dir.filePath(name).toStdString(); }

    QTemporaryDir m_dir;
};

// The picture is the editor's client area from its main grid frame to the swatches.
TEST_F(RenderTest, PictureIsTheEditorsOwnGrabOfTheSamePalette) {
    dlg->OpenFromOutside(FromUtf8(File()));
    dlg->SetCurrentPalette(1);
    QRect areas;
    for (const GridRect& r : {dlg->m_rcMainGrid, dlg->m_rcSecondaryGrid, dlg->m_rcStandardGrid,
                              dlg->m_rcPenSwatch, dlg->m_rcMarkerSwatch}) {
        areas |= QRect(r.left, r.top, r.Width(), r.Height());
    }
    // The palette is picked by position in one variant and by name in the other; the first
    // palette is all black, so a wrong pick shows. The dark picture goes to standard output,
    // which the runner sends to the file.
    const std::vector<std::string> args[] = {
        {"render", File(), "-o", Path("out.png"), "--index", "1", "--background", "light"},
        {"render", File(), "-o", "-", "--palette", "Distinct", "--background", "dark"}};
    for (int variant : {0, 1}) {
        SCOPED_TRACE(variant == 0 ? "light" : "dark");
        ClickDlgItem(*dlg, variant == 0 ? IDC_LIGHT_BACKGROUND : IDC_DARK_BACKGROUND);
        Settle();
        const CliRun run = RunCli(args[variant], variant == 0 ? "" : Path("out.png"));
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out + run.err, "");
        const QImage picture(QString::fromStdString(Path("out.png")));
        ASSERT_EQ(picture.size(), areas.size());
        const QImage client = PaintedClient(*dlg).copy(areas);
        EXPECT_TRUE(picture.convertToFormat(QImage::Format_RGB32) ==
                    client.convertToFormat(QImage::Format_RGB32))
            << "a pixel differs";
    }
    // Through a simulation the picture is that of the palette with every colour simulated.
    UI_LIST simulated(nullptr);
    auto* seen = new PaletteEntry;
    seen->m_Name = L"Seen";
    seen->m_Colours = dlg->m_pCurrentPalette->m_Colours;
    for (auto& colours : seen->m_Colours) {
        for (COLORREF& colour : colours) {
            colour = SimulateVision(colour, Vision::Deuteranopia);
        }
    }
    simulated.Add(seen);
    ASSERT_TRUE(WritePaletteFile(FromUtf8(Path("seen.pal")), simulated));
    ASSERT_EQ(RunCli({"render", Path("seen.pal"), "-o", Path("seen.png")}).exitCode, 0);
    ASSERT_EQ(RunCli({"render", File(), "--index", "1", "--vision", "deuteranopia", "-o",
                      Path("out.png")})
                  .exitCode,
              0);
    EXPECT_TRUE(QImage(QString::fromStdString(Path("out.png"))) ==
                QImage(QString::fromStdString(Path("seen.png"))));
    // A name that is not UTF-8 is written under exactly its bytes. The failures are rows of
    // cli_failures.txt.
    const std::string odd = m_dir.path().toStdString() + "/\xff\xfe.png";
    EXPECT_EQ(RunCli({"render", File(), "-o", odd}).exitCode, 0);
    EXPECT_TRUE(std::filesystem::is_regular_file(odd));
}

} // namespace
