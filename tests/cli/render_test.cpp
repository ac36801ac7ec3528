// tintora-cli render, run as a process: its picture against the editor window's own grab of
// the same palette, the colours of its cells in both variants, which palette it picks, and
// its failures.
#include <QAbstractButton>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "editor/tintora_dlg.h"
#include "editor_test_support.h"
#include "files/palette_file.h"
#include "gui_test_support.h"
#include "platform/profile.h"
#include "resources/resource.h"
#include "shared/text_encoding.h"

namespace {

const std::string kThreePalettes = std::string(TINTORA_TEST_DATA_DIR) + "/cli/three_palettes.pal";

// Every pen gets colours of its own, different in the two variants, so that a cell drawn
// in the wrong place or variant shows.
COLORREF TestColour(int variant, int pen) {
    return variant == 0 ? MakeColour(pen, 255 - pen, (pen * 7) % 256)
                        : MakeColour((pen * 3) % 256, pen / 2, 255 - pen);
}

class RenderTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteProfileInt(L"DialogData\\Tintora", L"ShowWarning", 0);
        ASSERT_TRUE(m_dir.isValid());
        // The second palette is the one of interest; the first only has to be skipped.
        UI_LIST list(nullptr);
        for (const wchar_t* name : {L"First", L"Distinct"}) {
            auto* palette = new PaletteEntry;
            palette->m_Name = name;
            palette->m_Description = L"every pen its own colour";
            for (int variant : {0, 1}) {
                for (int pen = 0; pen < kPenCount; ++pen) {
                    palette->m_Colours[variant][pen] =
                        list.Count() == 0 ? MakeColour(0, 0, 0) : TestColour(variant, pen);
                }
            }
            list.Add(palette);
        }
        ASSERT_TRUE(WritePaletteFile(FromUtf8(File()), list));
    }

    std::string File() const { return Path("distinct.pal"); }
    std::string Path(const char* name) const { return m_dir.filePath(name).toStdString(); }

    // Renders with args and returns the picture; a null image after a failure.
    QImage Render(std::vector<std::string> args) const {
        const std::string png = Path("out.png");
        args.insert(args.end(), {"-o", png});
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out + run.err, "");
        return QImage(QString::fromStdString(png));
    }

    QTemporaryDir m_dir;
};

GridRect AreasOf(const CTintoraDlg& dlg) {
    GridRect areas = dlg.m_rcMainGrid;
    for (const GridRect& r :
         {dlg.m_rcSecondaryGrid, dlg.m_rcStandardGrid, dlg.m_rcPenSwatch, dlg.m_rcMarkerSwatch}) {
        areas = {std::min(areas.left, r.left), std::min(areas.top, r.top),
                 std::max(areas.right, r.right), std::max(areas.bottom, r.bottom)};
    }
    return areas;
}

// How many pixels of rect (client coordinates) differ between the editor's client image
// and the picture, whose top-left is the client point origin.
int DifferingPixels(const QImage& client, const QImage& picture, const GridRect& rect,
                    QPoint origin) {
    int differing = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            differing += PixelOf(client, x, y) != PixelOf(picture, x - origin.x(), y - origin.y());
        }
    }
    return differing;
}

TEST_F(RenderTest, PictureIsTheEditorsOwnGrabOfTheSamePalette) {
    auto dlg = OpenEditor();
    PaletteReadResult read = ReadPaletteFile(FromUtf8(File()));
    ASSERT_EQ(read.status, PaletteReadStatus::Ok);
    DiscardPaletteList(dlg->m_pPaletteList);
    dlg->m_pPaletteList = read.list;
    dlg->SetCurrentPalette(1);
    const GridRect areas = AreasOf(*dlg);
    const QPoint origin(areas.left, areas.top);
    for (int variant : {0, 1}) {
        SCOPED_TRACE(variant == 0 ? "light" : "dark");
        qobject_cast<QAbstractButton*>(
            dlg->GetDlgItem(variant == 0 ? IDC_LIGHT_BACKGROUND : IDC_DARK_BACKGROUND))
            ->click();
        Settle();
        const QImage picture =
            Render({"render", File(), "--index", "1", "--background", variant ? "dark" : "light"});
        ASSERT_EQ(picture.size(), QSize(areas.Width(), areas.Height()));
        const QImage client = PaintedClient(*dlg);
        for (const GridRect& area :
             {dlg->m_rcMainGrid, dlg->m_rcSecondaryGrid, dlg->m_rcStandardGrid, dlg->m_rcPenSwatch,
              dlg->m_rcMarkerSwatch, areas}) {
            EXPECT_EQ(DifferingPixels(client, picture, area, origin), 0)
                << "area " << area.left << "," << area.top << " " << area.Width() << "x"
                << area.Height();
        }
    }
}

TEST_F(RenderTest, CellsAndSwatchesShowThePensColoursInBothVariants) {
    // Drawn cells (left, top in client pixels) of pens in each grid, and the swatches inside
    // their black frames, which show pen 1 and the marker pen 0. The picture starts at the
    // main grid frame (11, 75).
    struct Cell {
        int pen;
        int left;
        int top;
    };
    const Cell cells[] = {{1, 13, 77},     {9, 213, 77},  {10, 292, 77},
                          {15, 417, 77},   {16, 12, 116}, {69, 102, 164},
                          {255, 426, 260}, {1, 29, 306},  {0, 266, 306}};
    for (int variant : {0, 1}) {
        SCOPED_TRACE(variant == 0 ? "light" : "dark");
        const QImage picture = Render({"render", File(), "--palette", "Distinct", "--background",
                                       variant ? "dark" : "light"});
        for (const Cell& cell : cells) {
            EXPECT_EQ(PixelOf(picture, cell.left + 1 - 11, cell.top + 1 - 75),
                      Rgb(TestColour(variant, cell.pen)))
                << "pen " << cell.pen << " at " << cell.left << "," << cell.top;
        }
    }
}

TEST_F(RenderTest, PicksThePaletteAskedFor) {
    // Pen 1 in the light variant of each palette of the fixture.
    struct Case {
        std::vector<std::string> choice;
        COLORREF pen1;
    };
    const Case cases[] = {
        {{}, MakeColour(255, 0, 0)},                     // the first palette, Alpha
        {{"--palette", "Twin"}, MakeColour(17, 34, 51)}, // the first of two named Twin
        {{"--index", "2"}, MakeColour(0, 0, 255)},       // the second Twin
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.choice));
        std::vector<std::string> args = {"render", kThreePalettes};
        args.insert(args.end(), c.choice.begin(), c.choice.end());
        EXPECT_EQ(PixelOf(Render(args), 13 + 1 - 11, 77 + 1 - 75), Rgb(c.pen1));
    }
}

TEST_F(RenderTest, FailuresWriteNothing) {
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        const char* message;
    };
    const std::string missing = Path("missing.pal");
    const std::string png = Path("old.png");
    const Case cases[] = {
        {{"render", missing, "-o", png}, 1, "Failed to open selected palette file"},
        {{"render", kThreePalettes, "--palette", "Nope", "-o", png}, 1, "No palette named"},
        {{"render", kThreePalettes, "--index", "3", "-o", png}, 1, "No palette at position 3"},
        {{"render", kThreePalettes, "--index", "0", "--palette", "Twin", "-o", png}, 2, "Usage"},
        {{"render", kThreePalettes, "-o", Path("nowhere/x.png")}, 1, "Failed to write"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        std::ofstream(png) << "old";
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(ReadBytes(png), "old");
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 2) << "a file appeared";
    }
}

} // namespace
